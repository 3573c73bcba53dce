#pragma once
#include <array>
#include <optional>

#include "view/EintragsartTabelle.h"

namespace kalvora {

inline constexpr int kAnzahlSchemata = 5;

// C1..C7 of one scheme, index 0 = C1.
using SchemaFarben = std::array<COLORREF, 7>;

// The seven colours of scheme 1..5; nothing for any other number.
std::optional<SchemaFarben> FarbenDesSchemas(int schema);

// Colours of a cell painter, in the painters' argument order.
struct ZellFarben {
    COLORREF m_nFuellung;
    COLORREF m_nRandRechtsUnten;
    COLORREF m_nRandLinksOben;
    COLORREF m_nText;
    bool operator==(const ZellFarben&) const = default;
};

// What a day column is filled with: today wins over a free day.
enum class TagesArt { Werktag, Frei, Heute };

// The active colour scheme of the grid and of the printout, with the colour of every element.
class CFarbschema {
public:
    CFarbschema() : m_farben(*FarbenDesSchemas(1)) {}

    // Loads the colours of scheme 1..5; any other number leaves them unchanged (result false).
    bool SetFarbschema(int schema);

    // C1..C7 for n = 1..7; black for any other n.
    COLORREF C(int n) const { return n >= 1 && n <= 7 ? m_farben[static_cast<std::size_t>(n - 1)] : 0; }
    const SchemaFarben& Farben() const { return m_farben; }

    ZellFarben Ecke() const;
    ZellFarben MonatsKopf() const;
    ZellFarben TagesKopf(TagesArt art) const;
    ZellFarben Name() const;
    ZellFarben Tageszelle(TagesArt art) const;
    ZellFarben Band(COLORREF nArtFarbe) const;

private:
    SchemaFarben m_farben; // C1..C7
};

} // namespace kalvora
