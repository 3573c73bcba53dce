#pragma once
#include "data/Time.h"
#include "view/EintragsartTabelle.h"
#include "view/Farbschema.h"
#include "view/Rechteck.h"

namespace kalvora {

// What the mouse handlers of the grid need to know of it: name column W, cell size Z, first
// shown row F, rows of the display list R, and the instant of the leftmost shown half day.
struct MausGitter {
    int m_nNamenBreite = 150;
    int m_nZellgroesse = 30;
    int m_nErsteZeile = 0;
    int m_nZeilen = 0;
    CTime m_timeLinks;
};

// Today 09:00 local time plus the day offset in whole 86,400-second steps.
CTime LinkeHalbtagsZeit(Datum heute, int nTagOffset);

// A press strictly within 5 pixels of the name column's edge takes the divider.
inline constexpr int kTeilerAbstand = 5;
bool AmTeiler(int nNamenBreite, int x);

// The half day under x: its instant and the x the rubber band snaps to. Half days are
// Z/2 + 0.5 pixels wide from x = W + 2 on; anything at or left of that start is the leftmost.
struct Halbtag {
    CTime m_time;
    int m_nX = 0;
};
Halbtag HalbtagBei(const MausGitter& g, int x);

// y moved to the middle of the row band that holds it (rows counted from the top of the grid,
// R of them, a shared edge belonging to the upper row); unchanged outside every band.
int ZeileEinrasten(const MausGitter& g, int y);

// A located point: snapped position, half day, and whether it lies on a day cell; then
// m_nIndex is the display list index of its row, else -1.
struct MausPunkt {
    int m_nX = 0;
    int m_nY = 0;
    CTime m_time;
    bool m_bTageszelle = false;
    int m_nIndex = -1;
};
MausPunkt PunktOrten(const MausGitter& g, int x, int y);

// The band from the anchor to the end e on the anchor row: its line and the 8 × 8 squares
// centred on both ends.
struct Gummiband {
    int m_nAnfang = 0;
    int m_nEnde = 0;
    int m_nY = 0;
    Rechteck m_anfang;
    Rechteck m_ende;
    // Everything the band covers, for repainting.
    Rechteck Umriss() const;
};
Gummiband GummibandVon(int nAnkerX, int nAnkerY, int nEndeX);

// Entry types 1..16 draw in their own colour; 0 ("Entf") and anything else in C2.
COLORREF GummibandFarbe(const EintragsartTabelle& arten, const CFarbschema& farben, int nArt);

} // namespace kalvora
