#include "app/Stempel.h"

#include <cctype>
#include <climits>
#include <fstream>
#include <iterator>
#include <string>

namespace kalvora {
namespace {

std::optional<std::string> KleineDateiLesen(const std::filesystem::path& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    if (!f) return std::nullopt;
    std::string s;
    char puffer[256];
    // A stamp file is a handful of bytes; never read more than a little of a wrong file.
    f.read(puffer, sizeof puffer);
    s.assign(puffer, static_cast<std::size_t>(f.gcount()));
    return s;
}

} // namespace

int ZahlenLesen(const char* text, std::size_t laenge, long long* werte, int max) {
    std::size_t i = 0;
    int n = 0;
    while (n < max) {
        while (i < laenge && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        bool negativ = false;
        if (i < laenge && (text[i] == '-' || text[i] == '+')) negativ = text[i++] == '-';
        if (i >= laenge || !std::isdigit(static_cast<unsigned char>(text[i]))) break;
        long long w = 0;
        while (i < laenge && std::isdigit(static_cast<unsigned char>(text[i]))) {
            w = w * 10 + (text[i++] - '0');
            if (w > INT_MAX) return n; // out of range, as a stream read of an int fails
        }
        werte[n++] = negativ ? -w : w;
    }
    return n;
}

std::optional<int> StempelErsteZahlLesen(const std::filesystem::path& pfad) {
    const auto inhalt = KleineDateiLesen(pfad);
    long long w = 0;
    if (!inhalt || ZahlenLesen(inhalt->data(), inhalt->size(), &w, 1) != 1) return std::nullopt;
    return static_cast<int>(w);
}

std::optional<Stempel> StempelLesen(const std::filesystem::path& pfad) {
    const auto inhalt = KleineDateiLesen(pfad);
    long long w[2] = {};
    if (!inhalt || ZahlenLesen(inhalt->data(), inhalt->size(), w, 2) != 2) return std::nullopt;
    return Stempel{static_cast<int>(w[0]), static_cast<int>(w[1])};
}

bool StempelSchreiben(const std::filesystem::path& pfad, Stempel s) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f << s.sperre << ' ' << s.zaehler;
    f.flush();
    return static_cast<bool>(f);
}

} // namespace kalvora
