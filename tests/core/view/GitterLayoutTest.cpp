#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "calendar/Feiertage.h"
#include "view/GitterLayout.h"

using namespace kalvora;

namespace {

const Regionen kKeine{};
const Regionen kBayern = [] {
    Regionen r{};
    r[2] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}();

GitterEingabe Eingabe(Datum heute, int breite = 800, int hoehe = 400) {
    GitterEingabe e;
    e.m_nClientBreite = breite;
    e.m_nClientHoehe = hoehe;
    e.m_heute = heute;
    return e;
}

std::string Text(const TagSpalte& s) {
    return std::to_string(s.m_datum.tag) + '.' + std::to_string(s.m_datum.monat) + '.' +
           std::to_string(s.m_datum.jahr);
}

// The month headers of a layout as "left-right year month|...".
std::string Monatskoepfe(const GitterLayout& l) {
    std::string s;
    for (const auto& sp : l.m_spalten) {
        if (!sp.m_bMonatsKopf) continue;
        const auto& m = sp.m_monat;
        s += std::to_string(m.m_rect.links) + '-' + std::to_string(m.m_rect.rechts) + ' ' + m.m_strJahr + ' ' +
             std::string(m.m_strMonat) + '|';
    }
    return s;
}

} // namespace

// The cell rectangles at zoom 30 and name width 150 are pixel-tested in tests/gui/KalenderWndTest;
// here the hit test that maps a pixel back to its column and row.
TEST(GitterGeometrie, SpalteUndZeileBeiEinemPixel) {
    const GitterGeometrie g{150, 30};
    const std::tuple<int, int, int> faelle[] = {{61, -1, -1}, {62, -1, 0}, {93, -1, 1}, {150, -1, 2},
                                                {151, 0, 2},  {181, 0, 3}, {182, 1, 3}}; // pixel, column, row
    for (const auto& [pixel, spalte, zeile] : faelle)
        EXPECT_EQ(std::pair(g.SpalteBei(pixel), g.ZeileBei(pixel)), std::pair(spalte, zeile)) << pixel;
}

TEST(GitterLayout, SpaltenBisZumRechtenRand) {
    GitterLayout l;
    GitterAnordnen(Eingabe({2025, 3, 12}, 399), CFeiertage(kKeine), l);
    ASSERT_EQ(l.AnzahlSpalten(), 9); // x = 151, 182, ..., 399: a column may start on the edge
    EXPECT_EQ(Text(l.m_spalten[8]), "20.3.2025");
    GitterAnordnen(Eingabe({2025, 3, 12}, 398), CFeiertage(kKeine), l);
    EXPECT_EQ(l.AnzahlSpalten(), 8);
    GitterAnordnen(Eingabe({2025, 3, 12}, 0, 0), CFeiertage(kKeine), l); // a window not yet shown
    EXPECT_EQ(l.AnzahlZeilen(), 0);
}

TEST(GitterLayout, Monatskoepfe) {
    GitterLayout l;
    // 30 and 31 March: two columns are narrower than 2 · 30 + 1 and stay empty; April closes on
    // the last column in mid-month.
    GitterAnordnen(Eingabe({2025, 3, 30}, 400), CFeiertage(kKeine), l);
    EXPECT_EQ(Monatskoepfe(l), "151-212  |213-429 2025 April|");

    // Three columns are wide enough; the year turns with the month.
    GitterAnordnen(Eingabe({2024, 12, 29}, 800), CFeiertage(kKeine), l);
    EXPECT_EQ(Monatskoepfe(l), "151-243 2024 Dezember|244-801 2025 Januar|");
}

// The fills themselves are pixel-tested in the GUI; here what the GUI grid cannot easily show.
TEST(GitterLayout, HeuteBeimRollenUndVorDemSonntag) {
    GitterLayout l;
    auto e = Eingabe({2024, 12, 30}, 500);
    e.m_nTagOffset = -4; // scrolled back, today sits further right
    GitterAnordnen(e, CFeiertage(kBayern), l);
    EXPECT_EQ(Text(l.m_spalten[0]), "26.12.2024");
    EXPECT_EQ(l.m_spalten[4].m_art, TagesArt::Heute);
    EXPECT_EQ(l.m_spalten[11].m_art, TagesArt::Frei); // 6.1. Epiphany in Bavaria
    // Header texts asked once per column: school-holiday marker, week number on Mondays only.
    EXPECT_TRUE(l.m_spalten[4].m_bSchulferien);
    EXPECT_FALSE(l.m_spalten[11].m_bSchulferien);
    EXPECT_EQ(l.m_spalten[4].m_strKalenderwoche, "1"); // Monday 30.12.2024
    EXPECT_EQ(l.m_spalten[11].m_strKalenderwoche, "2");
    EXPECT_EQ(l.m_spalten[5].m_strKalenderwoche, "");

    GitterAnordnen(Eingabe({2024, 12, 29}, 500), CFeiertage(kBayern), l);
    EXPECT_EQ(l.m_spalten[0].m_art, TagesArt::Heute); // today wins over Sunday
}

TEST(GitterLayout, ZeilenAbDerErstenBisZumUnterenRand) {
    GitterLayout l;
    auto e = Eingabe({2025, 3, 12}, 400, 200);
    e.m_nZeilen = 12;
    GitterAnordnen(e, CFeiertage(kKeine), l);
    ASSERT_EQ(l.AnzahlZeilen(), 5); // tops 62, 93, 124, 155, 186; 217 lies below
    EXPECT_EQ(l.Tageszelle(1, 4), (Rechteck{182, 186, 212, 216}));

    e.m_nErsteZeile = 10;
    GitterAnordnen(e, CFeiertage(kKeine), l);
    EXPECT_EQ(l.AnzahlZeilen(), 2);
    e.m_nErsteZeile = 12;
    GitterAnordnen(e, CFeiertage(kKeine), l);
    EXPECT_EQ(l.AnzahlZeilen(), 0);
}

TEST(GitterLayout, EintragDerSpalteNachEigenemDatum) {
    CRessource r;
    SetTag(&r, CTime(2024, 2, 29, 9, 0, 0), 1, 1, "", CTime(1));
    SetTag(&r, CTime(2028, 2, 29, 23, 59, 59), 2, 2, "", CTime(1));
    SetTag(&r, CTime(2028, 3, 26, 21, 0, 0), 4, 4, "", CTime(1)); // the day the clocks go forward

    GitterLayout l;
    GitterAnordnen(Eingabe({2028, 2, 28}, 300), CFeiertage(kKeine), l);
    EXPECT_EQ(EintragAm(r, l.m_spalten[0]), nullptr);
    ASSERT_NE(EintragAm(r, l.m_spalten[1]), nullptr);
    EXPECT_EQ(EintragAm(r, l.m_spalten[1])->m_nArtVormittag, 2); // 29.2.2028, not the 2024 entry

    GitterAnordnen(Eingabe({2028, 3, 26}, 300), CFeiertage(kKeine), l);
    ASSERT_NE(EintragAm(r, l.m_spalten[0]), nullptr);
    EXPECT_EQ(EintragAm(r, l.m_spalten[0])->m_nArtVormittag, 4);
    EXPECT_EQ(l.m_spalten[0].m_timeEnde.GetTime() - l.m_spalten[0].m_timeAnfang.GetTime(), 23 * 3600);
}

