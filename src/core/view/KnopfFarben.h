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
    switch (schema) {
    case 1: return {0x000000, 0xDCFFFF, 0xC8C8C8};
    case 2: return {0x000000, 0xF0FFFF, 0xDCDCDC};
    case 3: return {0x000000, 0xF0FFFF, 0xFFE6FF};
    case 4: return {0xFFFFFF, 0x960000, 0x646464};
    case 5: return {0x000000, 0xE1E1E1, 0xF5F5F5};
    default: return {0x000000, 0x000000, 0x000000};
    }
}

} // namespace kalvora
