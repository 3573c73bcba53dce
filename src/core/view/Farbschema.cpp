#include "view/Farbschema.h"

namespace kalvora {
namespace {

// 0x00BBGGRR, C1..C7 per scheme 1..5.
constexpr std::array<SchemaFarben, kAnzahlSchemata> kSchemata = {{
    {0xE6E6E6, 0xC8C8C8, 0xDCFFFF, 0xDCFFDC, 0x000000, 0xFFFFFF, 0x000000}, // Standard
    {0xF0F0F0, 0xDCDCDC, 0xF0FFFF, 0xE6FFE6, 0x000000, 0xFFFFFF, 0xC8C8C8}, // Light
    {0xF0FFF0, 0xFFE6FF, 0xF0FFFF, 0xE6FFE6, 0x000000, 0xFFFFFF, 0xB4B4B4}, // Pastell
    {0x000000, 0x646464, 0x960000, 0x006400, 0xFFFFFF, 0xFFFFFF, 0x969696}, // Dark
    {0xFFFFFF, 0xF5F5F5, 0xE1E1E1, 0xEBEBEB, 0x000000, 0xFFFFFF, 0xC8C8C8}, // Schwarz/Weiß
}};

} // namespace

std::optional<SchemaFarben> FarbenDesSchemas(int schema) {
    if (schema < 1 || schema > kAnzahlSchemata) return std::nullopt;
    return kSchemata[static_cast<std::size_t>(schema - 1)];
}

bool CFarbschema::SetFarbschema(int schema) {
    const auto farben = FarbenDesSchemas(schema);
    if (!farben) return false;
    m_farben = *farben;
    return true;
}

// Headers, names and bands look raised (light upper-left edge), day cells sunken.
ZellFarben CFarbschema::Ecke() const { return {C(2), C(7), C(6), C(5)}; }

ZellFarben CFarbschema::MonatsKopf() const { return {C(2), C(7), C(6), C(5)}; }

ZellFarben CFarbschema::TagesKopf(TagesArt art) const {
    const COLORREF fuellung = art == TagesArt::Heute ? C(3) : art == TagesArt::Frei ? C(4) : C(2);
    return {fuellung, C(7), C(6), C(5)};
}

ZellFarben CFarbschema::Name() const { return {C(1), C(7), C(6), C(5)}; }

ZellFarben CFarbschema::Tageszelle(TagesArt art) const {
    const COLORREF fuellung = art == TagesArt::Heute ? C(3) : art == TagesArt::Frei ? C(4) : C(1);
    return {fuellung, C(6), C(7), C(3)};
}

ZellFarben CFarbschema::Band(COLORREF nArtFarbe) const { return {nArtFarbe, C(7), C(6), C(3)}; }

} // namespace kalvora
