#pragma once
#include <array>
#include <string_view>
#include <utility>

#include "data/TagEintrag.h"
#include "view/EintragsartTabelle.h"
#include "view/Farbschema.h"
#include "view/Rechteck.h"

namespace kalvora {

// One painted band of a day entry: a one-text cell in the colour of its type.
struct Band {
    Rechteck m_rect;
    int m_nArt = 0; // 1..16
    ZellFarben m_farben{};
    std::string_view m_strText; // "N" when the entry has a note, else empty
    bool operator==(const Band&) const = default;
};

// The bands of one entry in painting order (first half, second half, whole day); at most two.
struct Baender {
    std::array<Band, 2> m_band{};
    int m_nAnzahl = 0;

    const Band* begin() const { return m_band.data(); }
    const Band* end() const { return m_band.data() + m_nAnzahl; }
};

// Vertical extent of a band of alignment `nAusrichtung` in a row y..y+H: first oben, then unten.
// An alignment outside 1..3 counts as "Voll".
std::pair<int, int> BandHoehe(int y, int nHoehe, int nAusrichtung);

// The bands of `eintrag` in the day cell `zelle` (W = width, H = height). A half whose type lies
// outside 1..16 has no colour and draws nothing; both halves 0 draw nothing.
Baender BaenderEinesTages(const CTagEintrag& eintrag, const Rechteck& zelle, const EintragsartTabelle& arten,
                          const CFarbschema& schema);

} // namespace kalvora
