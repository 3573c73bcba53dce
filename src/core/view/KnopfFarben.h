#pragma once
#include "view/EintragsartTabelle.h"

namespace kalvora {

// Colours of the toolbar's entry-type buttons for one colour scheme.
struct KnopfFarben {
    COLORREF m_nText;
    COLORREF m_nStreifen; // marker of the active entry type
    COLORREF m_nEntf;     // face of the clearing button
    bool operator==(const KnopfFarben&) const = default;
};

// Schemes 1..5; any other value paints everything black.
constexpr KnopfFarben KnopfFarbenFuerSchema(int schema) {
    constexpr KnopfFarben kSchemata[5] = {
        {0x000000, 0xDCFFFF, 0xC8C8C8}, // Standard
        {0x000000, 0xF0FFFF, 0xDCDCDC}, // Light
        {0x000000, 0xF0FFFF, 0xFFE6FF}, // Pastell
        {0xFFFFFF, 0x960000, 0x646464}, // Dark
        {0x000000, 0xE1E1E1, 0xF5F5F5}, // Schwarz/Weiß
    };
    if (schema < 1 || schema > 5) return {0x000000, 0x000000, 0x000000};
    return kSchemata[schema - 1];
}

} // namespace kalvora
