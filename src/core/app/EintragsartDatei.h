#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "view/EintragsartTabelle.h"

namespace kalvora {

// The entry-type file beside the database: 75 tokens, each followed by a carriage return.
// Meanings of 1..8, colours 1..8, alignments 1..8, 27 region flags, then the same for 9..16.
// A blank inside a meaning is "*~#"; an empty meaning is "*~#" alone (and reads back as " ").
std::string EintragsartTextSchreiben(const EintragsartTabelle& t);
// Reads tokens into `t` in file order; a file that ends early leaves the later values as they
// were, and a token that is no number leaves its value and the rest unchanged.
void EintragsartTextLesen(std::string_view text, EintragsartTabelle& t);

// Missing file: false, `t` untouched.
bool EintragsartDateiLesen(const std::filesystem::path& pfad, EintragsartTabelle& t);
bool EintragsartDateiSchreiben(const std::filesystem::path& pfad, const EintragsartTabelle& t);

} // namespace kalvora
