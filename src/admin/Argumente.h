#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "calendar/Regionen.h"
#include "data/Time.h"

namespace kalvora::admin {

// The years every command takes: those the grid can show.
inline constexpr int kErstesJahr = 1971;
inline constexpr int kLetztesJahr = 2036;

// A whole decimal integer, nothing before or after it.
bool ZahlLesen(std::string_view text, int& zahl);

// "JJJJ-MM-TT" of a day that exists, within kErstesJahr..kLetztesJahr.
bool DatumLesen(std::string_view text, Datum& datum);

// The message of every command for a period that ends before it starts.
inline constexpr const char* kBisVorVon = "Fehler: --bis liegt vor --von\n";

// Comma-separated states, each a number 0..24 or a name (an empty list selects none); flags 25 and
// 26 follow them. On bad input a German message goes to `err`.
bool RegionenLesen(std::string_view liste, Regionen& regionen, std::ostream& err);

// "1 Ressource", "2 Ressourcen".
std::string Anzahl(std::int64_t n, std::string_view eins, std::string_view mehrere);

} // namespace kalvora::admin
