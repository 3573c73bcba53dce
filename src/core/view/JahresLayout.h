#pragma once
#include <optional>
#include <string>
#include <vector>

#include "view/Rechteck.h"

namespace kalvora {

// Grid of the year overview: 36 columns and 16 rows of fractional size (row 0 title, row 1 day
// numbers, rows 2..13 the months, rows 14 and 15 the legend).
struct JahresRaster {
    double cw = 0.0;
    double rh = 0.0;
};
JahresRaster JahresRasterFuer(int breite, int hoehe);

// One day of the shown year with the top-left corner of its cell.
struct JahresTag {
    int monat = 0;
    int tag = 0;
    int wochentag = 0; // 1 = Sunday .. 7 = Saturday
    double x = 0.0;
    double y = 0.0;
};

// The days of `jahr` walked from noon of 1 January in steps of a day; X and Y advance by adding
// a column or a row, so the cells land where the painter has always put them. `yDanach` receives
// Y after the last day (the legend's row).
std::vector<JahresTag> JahresTage(int jahr, const JahresRaster& r, double* yDanach = nullptr);

// Fill of a day cell (one pixel larger than its frame, so neighbours close up) and its frame.
Rechteck TagesFlaeche(const JahresTag& t, const JahresRaster& r);
Rechteck TagesRahmen(const JahresTag& t, const JahresRaster& r);

// Rectangle of a day mark in a cell by alignment (0 Voll, 1 Oben, 2 Mitte, 3 Unten) and halves;
// nothing when neither half is marked. An unknown alignment draws as "Voll".
std::optional<Rechteck> MarkenRechteck(const JahresTag& t, const JahresRaster& r, int ausrichtung, bool erste,
                                       bool zweite);

// "JAN".."DEZ" in Windows-1252; empty for other numbers.
std::string MonatsKuerzel(int monat);

// Title line: "%d / %s", or only the year without a caption.
std::string JahresTitel(int jahr, const std::string& ueberschrift);

// The year is shown only within 1970..2037; -1 means a blank pane.
int GueltigesJahr(int jahr);

} // namespace kalvora
