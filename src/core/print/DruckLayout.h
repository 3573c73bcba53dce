#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Feiertage.h"
#include "data/Ressource.h"
#include "data/Time.h"
#include "view/EintragsartTabelle.h"
#include "view/Rechteck.h"

namespace kalvora {

// Margin of the plan page in device units.
inline constexpr int kDruckRand = 10;
// Rows the row height is planned for at least: fewer resources never get taller rows.
inline constexpr int kDruckMindestZeilen = 30;
// Legend cells per legend row: all 16 types in two rows under the plan.
inline constexpr int kLegendeProZeile = 8;

struct DruckEingabe {
    Rechteck m_seite; // printable area (L, T, R, B) in device units
    Datum m_von{1970, 1, 1};
    Datum m_bis{1970, 1, 1};
    int m_nAnzahl = 0; // records marked for printing (k)
    int m_nZeilen = 0; // rows actually printed (at most k)
};

// A month header over the columns of one month of the period; texts only when wider than G.
struct DruckMonat {
    Rechteck m_rect;
    std::string m_strJahr;  // "%d"
    std::string m_strMonat; // "JAN" .. "DEZ", Windows-1252
};

struct DruckSpalte {
    Datum m_datum{1970, 1, 1};
    int m_nWochentag = 0; // 0 = Sunday
    int m_nLinks = 0;     // the column spans m_nLinks .. m_nLinks + w
    Rechteck m_kopf;
    std::string m_strTag;            // "%d"
    std::string_view m_strWochentag; // "SO" .. "SA"
    bool m_bSchulferien = false;     // dot of the day header
    bool m_bFrei = false;            // weekend or public holiday
    std::string m_strKalenderwoche;  // week number on Mondays, else empty
    CTime m_timeAnfang;              // the day at 00:00:00 and at 23:59:59: an entry prints when
    CTime m_timeEnde;                // its instant lies strictly between the two
};

// Everything the plan page draws apart from the entries, in device units.
struct DruckSeite {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int m_nNamenBreite = 0;   // N = x1 / 5
    int m_nGrenze = 0;        // G = x1 / 20: narrower month headers stay without text
    int m_nZeilenHoehe = 0;   // h
    int m_nSpaltenBreite = 0; // w
    int m_nTage = 0;          // D
    Rechteck m_ecke;
    std::vector<Rechteck> m_namen;  // name cell of each printed row
    std::vector<int> m_zeilenOben;  // top of each row of day cells
    std::vector<DruckSpalte> m_spalten;
    std::vector<DruckMonat> m_monate;
    std::array<Rechteck, kAnzahlArten> m_legende{}; // cell of type j at [j - 1]

    bool IstLeer() const { return m_nZeilenHoehe == 0; }
    Rechteck Tageszelle(std::size_t spalte, std::size_t zeile) const;
};

// Lays out the plan page. A page too small for anything gives an empty layout. The rows are as
// high as the page shared among max(k, 30) + 4 rows; only when the one-unit grid lines would push
// the second legend row off the page do they get lower, so that all 16 types stay on paper.
DruckSeite DruckSeiteAnordnen(const DruckEingabe& eingabe, const CFeiertage& feiertage);

// Horizontal extent of legend cell j (1..16) on a page whose right working edge is x1: the cells of
// 1..8 and of 9..16 share the same places, spaced as a quarter of a cell.
std::pair<int, int> LegendenSpanne(int j, int x1);

// The entry prints in the column when its instant lies strictly inside the day.
bool LiegtAmTag(CTime t, const DruckSpalte& spalte);

// Largest area of proportion 3:1 anchored at (0, 0) that fits a page whose printable area ends at
// right R and bottom B: the year overview prints into it.
struct Flaeche {
    int breite = 0;
    int hoehe = 0;
    bool operator==(const Flaeche&) const = default;
};
Flaeche JahresDruckFlaeche(int R, int B);

} // namespace kalvora
