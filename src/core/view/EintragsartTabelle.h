#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "calendar/Regionen.h"

namespace kalvora {

using COLORREF = std::uint32_t; // 0x00BBGGRR

constexpr int kAnzahlArten = 16;

enum Ausrichtung { Voll = 0, Oben = 1, Mitte = 2, Unten = 3 };

// The 16 entry types (index 1..16; 0 carries no type) and the holiday region flags, shared by
// all users of one database.
struct EintragsartTabelle {
    std::array<std::string, kAnzahlArten + 1> m_strBedeutung{}; // Windows-1252
    std::array<COLORREF, kAnzahlArten + 1> m_nFarbe{};
    std::array<int, kAnzahlArten + 1> m_nAusrichtung{};
    Regionen m_nRegion{}; // flags 25/26 follow the states: AbgeleiteteFlagsSetzen

    // Empty meanings, alignment "Voll", no regions, the built-in colours.
    static EintragsartTabelle Standard();
    bool operator==(const EintragsartTabelle&) const = default;
};

} // namespace kalvora
