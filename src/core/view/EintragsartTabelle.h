#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace kalvora {

using COLORREF = std::uint32_t; // 0x00BBGGRR

constexpr int kAnzahlArten = 16;
constexpr int kAnzahlRegionen = 25;
constexpr int kAnzahlRegionFlags = 27; // the regions, then any German and any Austrian state

enum Ausrichtung { Voll = 0, Oben = 1, Mitte = 2, Unten = 3 };

// The 16 entry types (index 1..16; 0 carries no type) and the holiday region flags, shared by
// all users of one database.
struct EintragsartTabelle {
    std::array<std::string, kAnzahlArten + 1> m_strBedeutung{}; // Windows-1252
    std::array<COLORREF, kAnzahlArten + 1> m_nFarbe{};
    std::array<int, kAnzahlArten + 1> m_nAusrichtung{};
    std::array<int, kAnzahlRegionFlags> m_nRegion{};

    // Empty meanings, alignment "Voll", no regions, the built-in colours.
    static EintragsartTabelle Standard();
    bool operator==(const EintragsartTabelle&) const = default;
};

// Sets flags 25 and 26 from the states: any German (0..15), any Austrian (16..24).
void LaenderFlagsAbleiten(std::array<int, kAnzahlRegionFlags>& regionen);

} // namespace kalvora
