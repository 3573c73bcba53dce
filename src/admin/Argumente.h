#pragma once
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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

using Optionen = std::map<std::string, std::string>;

// DATEI followed by "--name wert" pairs and the value-less `schalter` (stored with an empty
// value): each name at most once and one of `erlaubt` or `schalter`; every name of `pflicht` there.
// On bad input a German message goes to `err`.
bool OptionenLesen(const std::vector<std::string>& args, std::initializer_list<std::string_view> erlaubt,
                   std::initializer_list<std::string_view> pflicht, std::string& datei, Optionen& optionen,
                   std::ostream& err, std::initializer_list<std::string_view> schalter = {});

// A UTF-8 option as the database stores it (Windows-1252); an absent one is empty.
bool Cp1252Lesen(const Optionen& optionen, const char* name, std::string& ziel, std::ostream& err);

// "1 Ressource", "2 Ressourcen".
std::string Anzahl(std::int64_t n, std::string_view eins, std::string_view mehrere);

} // namespace kalvora::admin
