#include "calendar/Regionen.h"

#include <charconv>

#include "app/Zeichensatz.h"

namespace kalvora {
namespace {

// Lower case, umlauts as their base vowel, "ae"/"oe"/"ue" folded the same way and "ß" as "ss":
// the key under which typed and table names meet. No state's name has "ae", "oe" or "ue" of its own.
std::string Schluessel(std::string_view cp1252) {
    std::string s;
    for (const char c : cp1252) {
        switch (static_cast<unsigned char>(c)) {
        case 0xC4: case 0xE4: s += 'a'; break;
        case 0xD6: case 0xF6: s += 'o'; break;
        case 0xDC: case 0xFC: s += 'u'; break;
        case 0xDF: s += "ss"; break;
        case ' ': case '-': break;
        case 'e': case 'E':
            if (s.empty() || (s.back() != 'a' && s.back() != 'o' && s.back() != 'u')) s += 'e';
            break;
        default: s += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return s;
}

} // namespace

int RegionAusText(std::string_view utf8) {
    int nummer = -1;
    const char* ende = utf8.data() + utf8.size();
    if (const auto [p, ec] = std::from_chars(utf8.data(), ende, nummer); ec == std::errc{} && p == ende)
        return nummer >= 0 && nummer < kAnzahlLaender ? nummer : -1;
    const auto cp1252 = Cp1252AusUtf8(utf8);
    if (!cp1252) return -1;
    const std::string gesucht = Schluessel(*cp1252);
    if (gesucht.empty()) return -1;
    for (int r = 0; r < kAnzahlLaender; ++r)
        if (Schluessel(Regionsname(r)) == gesucht) return r;
    return -1;
}

} // namespace kalvora
