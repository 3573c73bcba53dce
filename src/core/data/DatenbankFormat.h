#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/Ressource.h"

namespace kalvora {

// Why a database could not be read; `offset` is the byte where reading stopped.
struct LeseFehler {
    std::string grund;
    std::size_t offset = 0;
};

// Parses a whole database file. On failure `ziel` is left empty and the reason returned.
// Bytes after the last record are ignored, as the original archive reader did.
[[nodiscard]] std::optional<LeseFehler> DatenbankLesen(std::string_view daten, RessourcenListe& ziel);

// The file image of a list (all records, deleted ones and cleared days included).
std::string DatenbankSchreiben(const RessourcenListe& liste);

// Length-prefixed text as the archive stores it (1, 3 or 7 byte prefix).
void TextSchreiben(std::string& puffer, std::string_view text);

} // namespace kalvora
