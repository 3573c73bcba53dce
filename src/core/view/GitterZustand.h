#pragma once
#include "data/Time.h"

namespace kalvora {

inline constexpr int kKleinsteZelle = 10;
inline constexpr int kGroessteZelle = 300;
inline constexpr int kErstesJahr = 1972;   // scrolling left stops once the first day lies before it
inline constexpr int kGrenzJahr = 2036;    // scrolling right stops once the first day lies in it
inline constexpr int kHorizontalMitte = 365; // the horizontal bar is a relative control 0..730
inline constexpr int kHorizontalMax = 2 * kHorizontalMitte;

// Requests of a scroll bar.
enum class Rollen { ZeileZurueck, ZeileVor, SeiteZurueck, SeiteVor, DaumenLosgelassen, Sonstiges };

struct Balken {
    int m_nMin = 0;
    int m_nMax = 0;
    int m_nPos = 0;
    bool operator==(const Balken&) const = default;
};

// What the grid shows where: zoom, first row, first day, name column. The setters report
// whether something visible changed, so the window knows to repaint.
struct GitterZustand {
    int m_nSpaltenBreite = 30;
    int m_nZeilenHoehe = 30; // always equal to the column width
    int m_nNamenBreite = 150;
    int m_nTagOffset = 0;  // first shown day, in days after today
    int m_nErsteZeile = 0; // display rows scrolled off the top

    // Accepts 10..300 only.
    bool SetZellgroesse(int n);
    bool KannVerkleinern() const { return m_nSpaltenBreite > kKleinsteZelle; }
    bool KannVergroessern() const { return m_nSpaltenBreite < kGroessteZelle; }
    bool Verkleinern() { return SetZellgroesse(m_nSpaltenBreite - 1); }
    bool Vergroessern() { return SetZellgroesse(m_nSpaltenBreite + 1); }

    // Clamped to 0..nZeilen; always repaints.
    void SetErsteZeile(int n, int nZeilen);

    // Refused while the current first day lies before 1972 and n does not move right, or lies in
    // 2036 or later and n does not move left.
    bool SetTagOffset(int n, Datum heute);

    // Vertical bar: new first row (clamped), then the bar's new state 0..N at F.
    Balken VertikalRollen(Rollen r, int nDaumen, int nZeilen);
    // Horizontal bar: relative move of the first day (may be refused), then the bar goes back to
    // the middle. Returns whether the offset changed.
    bool HorizontalRollen(Rollen r, int nDaumen, Datum heute);
    static constexpr Balken HorizontalBalken() { return {0, kHorizontalMax, kHorizontalMitte}; }
    Balken VertikalBalken(int nZeilen) const { return {0, nZeilen < 0 ? 0 : nZeilen, m_nErsteZeile}; }
};

// The first row asked for by a vertical bar request (unclamped): line ±1, page ±5, thumb p.
int VertikalZiel(int nErsteZeile, Rollen r, int nDaumen);
// The day offset asked for by a horizontal bar request: line ±1, page ±7, thumb D + p − 365.
int HorizontalZiel(int nTagOffset, Rollen r, int nDaumen);

// What one wheel event asks of the grid: rows down, days later, cell size bigger.
struct RadSchritt {
    int m_nZeilen = 0;
    int m_nTage = 0;
    int m_nZoom = 0;
    bool operator==(const RadSchritt&) const = default;
};

// Turns wheel angles (120 per notch, Qt's sign: positive = away from the user / to the left) into
// steps of `nProRaste` rows, days or pixels per notch. Plain wheel scrolls rows, Shift+wheel and
// horizontal (touchpad) scrolling scroll days, Ctrl+wheel zooms. Fine touchpad deltas add up
// until they make a whole step.
class RadZaehler {
public:
    RadSchritt Auswerten(int nX, int nY, bool bUmschalt, bool bStrg, int nProRaste = 3);

private:
    int m_nRestZeilen = 0;
    int m_nRestTage = 0;
    int m_nRestZoom = 0;
};

// Rows Bild auf/ab moves: the whole rows a client area of that height shows, at least one.
int SeitenZeilen(int nClientHoehe, int nZellgroesse);
// Cell size after n zoom steps, held within 10..300 (where the zoom keys stop).
int ZoomZiel(int nZellgroesse, int n);

} // namespace kalvora
