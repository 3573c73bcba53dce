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

// Width of each entry-type button when the eight columns, the gaps after them and "Entf" share
// `nPlatz` pixels: the full 80 while all fits, else narrower, down to `nKleinste` (the colour with
// the meaning as tooltip), so that no type disappears from a narrow window.
constexpr int TypKnopfBreite(int nPlatz, int nAbstand, int nEntfBreite, int nKleinste) {
    constexpr int kVoll = 80;
    const int breite = (nPlatz - nEntfBreite - 8 * nAbstand) / 8;
    return breite >= kVoll ? kVoll : breite < nKleinste ? nKleinste : breite;
}

} // namespace kalvora
