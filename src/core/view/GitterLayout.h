#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/Feiertage.h"
#include "data/Ressource.h"
#include "data/Time.h"
#include "view/Farbschema.h"
#include "view/Rechteck.h"

namespace kalvora {

// Pixel geometry of the grid: name column NW, cell size Z (column width = row height). Day
// column j (0 = first shown) spans x = NW + 1 + j(Z + 1) .. that + Z; shown row k spans
// y = 2Z + 2 + k(Z + 1) .. that + Z. Both directions leave a one-pixel grid line per step.
struct GitterGeometrie {
    int m_nNamenBreite = 150;
    int m_nZellgroesse = 30;

    int SpalteLinks(int j) const;
    int ZeileOben(int k) const;
    // Column or shown row whose span holds the pixel; -1 left of the day columns / above the rows.
    int SpalteBei(int x) const;
    int ZeileBei(int y) const;

    Rechteck Ecke() const { return {0, 0, m_nNamenBreite, 2 * m_nZellgroesse + 1}; }
    Rechteck TagesKopf(int j) const;
    Rechteck Namenszelle(int k) const;
    Rechteck Tageszelle(int j, int k) const;
};

// The school-holiday dot of a day header: its box, (right − D/4, top + 1) up to but not including
// (right − 1, top + D/4) with D = min(width, height), D/4 truncated.
Rechteck SchulferienPunkt(const Rechteck& kopf);
// The pixels of a filled ellipse in a w × h box, row by row from the top: columns [first, second)
// relative to the box. Every pixel whose centre lies inside is set (a box two pixels across is
// filled), so a square dot reaches all four sides of its box.
std::vector<std::pair<int, int>> EllipsenZeilen(int w, int h);

// Below 10 becomes 10, then anything above width − 10 becomes width − 10 (so a very narrow window
// may end with less than 10).
int NamenBreiteBegrenzen(int nNamenBreite, int nClientBreite);

struct GitterEingabe {
    int m_nClientBreite = 0; // right edge of the client area
    int m_nClientHoehe = 0;
    int m_nZellgroesse = 30;
    int m_nNamenBreite = 150; // as stored; the layout clamps it
    int m_nErsteZeile = 0;    // display rows scrolled off the top
    int m_nTagOffset = 0;     // first shown day, in days after today
    Datum m_heute{1970, 1, 1};
    int m_nZeilen = 0; // rows of the display list
};

// A month header closed by its last shown column; both texts empty when narrower than two columns.
struct MonatsKopf {
    Rechteck m_rect;
    std::string m_strJahr;       // "%d"
    std::string_view m_strMonat; // Windows-1252, static
};

struct TagSpalte {
    Datum m_datum{};
    CTime m_timeAnfang; // the local day as instants: m_timeAnfang <= t < m_timeEnde
    CTime m_timeEnde;
    int m_nWochentag = 0; // 0 = Sunday
    int m_nLinks = 0;     // the column spans m_nLinks .. m_nLinks + Z
    Rechteck m_kopf;      // day header
    std::string m_strTag;             // day of month, "%d"
    std::string_view m_strWochentag;  // "MO" .. "SO"
    bool m_bSchulferien = false;      // marker of the day header
    TagesArt m_art = TagesArt::Werktag; // fill of the header and of every day cell
    std::string m_strKalenderwoche;   // week number on Mondays, else empty
    bool m_bMonatsKopf = false;       // this column closes a month header
    MonatsKopf m_monat;
};

// Everything a repaint draws, apart from the entries of the rows. Reused between repaints so
// that a repaint allocates nothing once the vectors have grown.
struct GitterLayout {
    GitterGeometrie m_geo;       // with the clamped name column width
    int m_nErsteZeile = 0;       // display row index of the first shown row
    std::vector<Rechteck> m_namen; // name cells of the shown rows, top to bottom
    std::vector<TagSpalte> m_spalten;

    int AnzahlZeilen() const { return static_cast<int>(m_namen.size()); }
    int AnzahlSpalten() const { return static_cast<int>(m_spalten.size()); }
    Rechteck Tageszelle(int j, int k) const { return m_geo.Tageszelle(j, k); }
};

// The entry of `r` whose own date is the column's day (the slot holds one per year), or null.
const CTagEintrag* EintragAm(const CRessource& r, const TagSpalte& spalte);

// Lays out the grid for one repaint. The holiday rules are asked once per column.
void GitterAnordnen(const GitterEingabe& eingabe, const CFeiertage& feiertage, GitterLayout& layout);

} // namespace kalvora
