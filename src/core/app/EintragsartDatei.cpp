#include "app/EintragsartDatei.h"

#include <charconv>
#include <fstream>
#include <vector>

namespace kalvora {
namespace {

constexpr std::string_view kLeerzeichen = "*~#";
constexpr std::size_t kMaxDateiGroesse = 1 << 20; // a sane file is well under 2 KB

std::string BedeutungKodieren(const std::string& s) {
    if (s.empty()) return std::string(kLeerzeichen);
    std::string r;
    for (char c : s) {
        if (c == ' ')
            r += kLeerzeichen;
        else
            r += c;
    }
    return r;
}

std::string BedeutungDekodieren(std::string_view s) {
    std::string r;
    for (std::size_t i = 0; i < s.size();) {
        if (s.substr(i, 3) == kLeerzeichen) {
            r += ' ';
            i += 3;
        } else {
            r += s[i++];
        }
    }
    return r;
}

bool IstTrenner(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::vector<std::string_view> Zerlegen(std::string_view text) {
    std::vector<std::string_view> t;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IstTrenner(text[i])) ++i;
        const std::size_t anfang = i;
        while (i < text.size() && !IstTrenner(text[i])) ++i;
        if (i > anfang) t.push_back(text.substr(anfang, i - anfang));
    }
    return t;
}

template <class T> bool Zahl(std::string_view token, T& wert) {
    T w{};
    const char* anfang = token.data();
    if (!token.empty() && token.front() == '+') ++anfang;
    const auto [ende, ec] = std::from_chars(anfang, token.data() + token.size(), w);
    if (ec != std::errc() || ende != token.data() + token.size()) return false;
    wert = w;
    return true;
}

} // namespace

std::string EintragsartTextSchreiben(const EintragsartTabelle& t) {
    std::string s;
    auto token = [&](const std::string& v) {
        s += v;
        s += '\r';
    };
    auto block = [&](int von) {
        for (int k = von; k < von + 8; ++k) token(BedeutungKodieren(t.m_strBedeutung[static_cast<std::size_t>(k)]));
        for (int k = von; k < von + 8; ++k) token(std::to_string(t.m_nFarbe[static_cast<std::size_t>(k)]));
        for (int k = von; k < von + 8; ++k) token(std::to_string(t.m_nAusrichtung[static_cast<std::size_t>(k)]));
    };
    block(1);
    for (int f : t.m_nRegion) token(std::to_string(f));
    block(9);
    return s;
}

void EintragsartTextLesen(std::string_view text, EintragsartTabelle& t) {
    const auto tokens = Zerlegen(text);
    std::size_t i = 0;
    // Like a stream: the first value that cannot be read ends the reading.
    auto block = [&](int von) {
        for (int k = von; k < von + 8; ++k, ++i) {
            if (i >= tokens.size()) return false;
            t.m_strBedeutung[static_cast<std::size_t>(k)] = BedeutungDekodieren(tokens[i]);
        }
        for (int k = von; k < von + 8; ++k, ++i)
            if (i >= tokens.size() || !Zahl(tokens[i], t.m_nFarbe[static_cast<std::size_t>(k)])) return false;
        for (int k = von; k < von + 8; ++k, ++i)
            if (i >= tokens.size() || !Zahl(tokens[i], t.m_nAusrichtung[static_cast<std::size_t>(k)])) return false;
        return true;
    };
    if (!block(1)) return;
    for (int& f : t.m_nRegion) {
        if (i >= tokens.size() || !Zahl(tokens[i], f)) return;
        ++i;
    }
    block(9);
}

bool EintragsartDateiLesen(const std::filesystem::path& pfad, EintragsartTabelle& t) {
    std::ifstream f(pfad, std::ios::binary);
    if (!f) return false;
    std::string inhalt(kMaxDateiGroesse, '\0');
    f.read(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    inhalt.resize(static_cast<std::size_t>(f.gcount()));
    EintragsartTextLesen(inhalt, t);
    return true;
}

bool EintragsartDateiSchreiben(const std::filesystem::path& pfad, const EintragsartTabelle& t) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f << EintragsartTextSchreiben(t);
    f.flush();
    return static_cast<bool>(f);
}

} // namespace kalvora
