#include "app/Zeichensatz.h"

#include <array>
#include <cstdint>

namespace kalvora {
namespace {

// Code points of bytes 0x80..0x9F; the rest of 0xA0..0xFF equals Latin-1.
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ZeichenAus(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kObereSteuerzeichen[b - 0x80u] : static_cast<char32_t>(b);
}

void Utf8Anhaengen(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<unsigned char> ByteFuer(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kObereSteuerzeichen.size(); ++i)
        if (kObereSteuerzeichen[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

} // namespace

std::string Utf8AusCp1252(std::string_view cp1252) {
    std::string s;
    s.reserve(cp1252.size() + cp1252.size() / 4);
    for (char ch : cp1252) Utf8Anhaengen(s, ZeichenAus(static_cast<unsigned char>(ch)));
    return s;
}

std::optional<std::string> Cp1252AusUtf8(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c;
        std::size_t n;
        if (b < 0x80) {
            c = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            n = 4;
        } else {
            return std::nullopt;
        }
        if (i + n > utf8.size()) return std::nullopt;
        for (std::size_t k = 1; k < n; ++k) {
            const auto f = static_cast<unsigned char>(utf8[i + k]);
            if ((f & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (f & 0x3F);
        }
        const auto byte = ByteFuer(c);
        if (!byte) return std::nullopt;
        s.push_back(static_cast<char>(*byte));
        i += n;
    }
    return s;
}

} // namespace kalvora
