#pragma once
#include <cstddef>
#include <functional>
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

// A source of file bytes read piece by piece: fills up to `n` bytes at `ziel` and returns how
// many, 0 at the end, -1 on a read error.
using Nachladen = std::function<std::ptrdiff_t(char* ziel, std::size_t n)>;

// From this size on, up to the second, a file is read whole on a thread of its own while the
// records are taken in; smaller and larger ones go through a small buffer.
inline constexpr std::size_t kVorauslesenAb = std::size_t{1} << 20;
inline constexpr std::size_t kVorauslesenBis = std::size_t{1} << 30;

// The same from a source of `groesse` bytes: what the program loads with. Failing reads show
// as a file that ends early. When read ahead, `quelle` is called on another thread, one call
// at a time, and must not throw.
[[nodiscard]] std::optional<LeseFehler> DatenbankLesen(std::size_t groesse, const Nachladen& quelle,
                                                       RessourcenListe& ziel,
                                                       std::size_t vorauslesenAb = kVorauslesenAb);

// The file image of a list (all records, deleted ones and cleared days included).
std::string DatenbankSchreiben(const RessourcenListe& liste);

// Length-prefixed text as the archive stores it (1, 3 or 7 byte prefix).
void TextSchreiben(std::string& puffer, std::string_view text);

} // namespace kalvora
