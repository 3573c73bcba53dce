#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "view/EintragsartTabelle.h"
#include "view/Rechteck.h"

namespace kalvora {

// Days per entry type in one year; index 0 holds type 1.
using TagesZahlen = std::array<float, kAnzahlArten>;

// Counts the half days of each type whose date lies in `jahr` (local time): 0.5 per half.
TagesZahlen TageZaehlen(const CRessource& ressource, int jahr);

// One marked half day or whole day of the year overview.
struct TagMarke {
    CTime m_timeDatum;
    COLORREF m_nFarbe = 0;
    bool m_bErsteHaelfte = false;
    bool m_bZweiteHaelfte = false;
    int m_nAusrichtung = Voll;
    bool operator==(const TagMarke&) const = default;
};

// The overview marks of every entry of every year, in day-table order: one mark for a day whose
// halves share a type, otherwise the second half before the first.
std::vector<TagMarke> JahresMarken(const CRessource& ressource, const EintragsartTabelle& tabelle);

// A count as "%.1f" would print it in the C locale, whatever locale the process runs in.
std::string AnzahlText(float zahl);

// Grid of the bar chart in a pane of breite x hoehe pixels.
struct StatistikRaster {
    int cw = 0;                 // column width: breite / 16
    int rh = 0;                 // row height: hoehe / 11
    static constexpr int m = 2; // margin
};
StatistikRaster StatistikRasterFuer(int breite, int hoehe);

// Label position (top-left) of type k = 1..16: odd types on row 0, even ones on row 1.
struct Punkt {
    int x = 0;
    int y = 0;
    bool operator==(const Punkt&) const = default;
};
Punkt BeschriftungsPunkt(const StatistikRaster& r, int k);
// Where the count of type k is written (top-left), in the bar's lowest row.
Punkt ZahlPunkt(const StatistikRaster& r, int k);

// The bar of type k with count c beside the largest count: nothing for a count of 0 (or no
// maximum). A bar is at least one row high and the maximum reaches up to row 2.
std::optional<Rechteck> StatistikBalken(const StatistikRaster& r, int k, float c, float max);

} // namespace kalvora
