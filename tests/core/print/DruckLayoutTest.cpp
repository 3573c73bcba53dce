#include <gtest/gtest.h>

#include <string>

#include "calendar/Feiertage.h"
#include "print/DruckLayout.h"

using namespace kalvora;

namespace {

// A page of 1010 × 700 units: x0 = y0 = 10, x1 = 1000, N = 200, G = 50; 30 rows give h = 680 / 34 = 20.
constexpr Rechteck kSeite{0, 0, 1010, 700};

DruckSeite Anordnen(Datum von, Datum bis, int anzahl = 5, Rechteck seite = kSeite) {
    static const Regionen bayern = [] {
        Regionen r{};
        r[2] = 1;
        AbgeleiteteFlagsSetzen(r);
        return r;
    }();
    const CFeiertage feiertage(bayern);
    return DruckSeiteAnordnen({seite, von, bis, anzahl, anzahl}, feiertage);
}

// "left-right year month|..." of the month headers.
std::string Monate(const DruckSeite& s) {
    std::string t;
    for (const DruckMonat& m : s.m_monate)
        t += std::to_string(m.m_rect.links) + '-' + std::to_string(m.m_rect.rechts) + ' ' + m.m_strJahr + ' ' +
             m.m_strMonat + '|';
    return t;
}

} // namespace

TEST(DruckLayout, SpaltenUndMonatskoepfe) {
    struct Fall {
        Datum von, bis;
        int breite;
        const char* monate;
    };
    const Fall faelle[] = {
        // One day: a single column almost as wide as the page right of the name column.
        {{2025, 3, 3}, {2025, 3, 3}, 788, "211-999 2025 M\xC4R|"},
        // Two columns each, both wider than G.
        {{2025, 1, 30}, {2025, 2, 2}, 196, "211-604 2025 JAN|605-998 2025 FEB|"},
        // One column of January (27 <= G) stays without text.
        {{2025, 1, 31}, {2025, 2, 27}, 27, "211-238  |239-994 2025 FEB|"},
        // Over New Year: December with the old year, January with the new one.
        {{2024, 12, 30}, {2025, 1, 2}, 196, "211-604 2024 DEZ|605-998 2025 JAN|"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.von.tag) + "." + std::to_string(f.von.monat));
        const DruckSeite s = Anordnen(f.von, f.bis);
        EXPECT_EQ(s.m_nSpaltenBreite, f.breite);
        EXPECT_EQ(Monate(s), f.monate);
        for (std::size_t j = 0; j < s.m_spalten.size(); ++j)
            EXPECT_EQ(s.m_spalten[j].m_nLinks, 211 + static_cast<int>(j) * (f.breite + 1));
        EXPECT_EQ(s.m_spalten.front().m_kopf, (Rechteck{211, 31, 211 + f.breite, 51}));
    }
    // A whole year: columns of one unit, February 28 × 2 − 1 wide.
    EXPECT_EQ(Anordnen({2025, 1, 1}, {2025, 12, 31}).m_monate.at(1).m_rect.Breite(), 55);
}

TEST(DruckLayout, TageskoepfeWochennummernUndFreieTage) {
    // 30.12.2024 Monday, 1.1. New Year, 4./5.1. weekend, 6.1. Epiphany in Bavaria; Bavarian
    // Christmas holidays until 3.1.
    const DruckSeite s = Anordnen({2024, 12, 30}, {2025, 1, 7});
    const char* erwartet[] = {"30 MO 1 f", "31 DI  f", "1 MI  Ff", "2 DO  f", "3 FR  f",
                              "4 SA  F",   "5 SO  F",  "6 MO 2 F", "7 DI  "};
    ASSERT_EQ(s.m_spalten.size(), 9u);
    for (std::size_t j = 0; j < 9; ++j) {
        const DruckSpalte& sp = s.m_spalten[j];
        EXPECT_EQ(sp.m_strTag + ' ' + std::string(sp.m_strWochentag) + ' ' + sp.m_strKalenderwoche + ' ' +
                      (sp.m_bFrei ? "F" : "") + (sp.m_bSchulferien ? "f" : ""),
                  erwartet[j]);
    }
    // An entry prints when its instant lies strictly inside the day.
    EXPECT_TRUE(LiegtAmTag(CTime(2024, 12, 30, 21, 0, 0), s.m_spalten[0]));
    EXPECT_FALSE(LiegtAmTag(CTime(2024, 12, 30, 0, 0, 0), s.m_spalten[0]));
}

// The legend's pixels right below the fifth row are checked in tests/gui/DruckSeiteTest.
TEST(DruckLayout, FuenfZeilenHabenDieHoeheVonDreissigUndDieLegendeFolgtDirekt) {
    for (int anzahl : {0, 5, 30}) // 30 rows: the grid lines cost one unit of height
        EXPECT_EQ(Anordnen({2025, 3, 1}, {2025, 3, 31}, anzahl).m_nZeilenHoehe, anzahl < 30 ? 20 : 19) << anzahl;
    const DruckSeite s = Anordnen({2025, 3, 1}, {2025, 3, 31}, 5);
    EXPECT_EQ(s.m_namen.at(4), (Rechteck{10, 137, 210, 157}));
    EXPECT_EQ(s.m_legende[0], (Rechteck{0, 159, 100, 175}));
    EXPECT_EQ(s.m_legende[15], (Rechteck{875, 180, 975, 196}));
}

TEST(DruckLayout, GrenzfaelleAlleSechzehnBleibenAufDerSeite) {
    for (int anzahl : {0, 31, 400})
        for (const Rechteck seite : {kSeite, Rechteck{0, 0, 13000, 9300}, Rechteck{0, 0, 300, 200}}) {
            if (2 * (anzahl + 4) + 20 > seite.unten) continue; // even rows of one unit could not fit
            for (const Rechteck& l : Anordnen({2025, 1, 1}, {2025, 12, 31}, anzahl, seite).m_legende)
                EXPECT_TRUE(l.links >= 0 && l.oben < l.unten && l.rechts < seite.rechts && l.unten < seite.unten)
                    << anzahl << " on " << seite.rechts;
        }
    EXPECT_TRUE(Anordnen({2025, 1, 1}, {2025, 1, 2}, 5, Rechteck{0, 0, 20, 500}).IstLeer());
    EXPECT_TRUE(Anordnen({2025, 2, 1}, {2025, 1, 1}).m_spalten.empty()); // last day before the first
}

TEST(DruckLayout, JahresUebersichtImVerhaeltnisDreiZuEins) {
    EXPECT_EQ(JahresDruckFlaeche(4000, 1000), (Flaeche{3000, 1000})); // wide: the height limits
    EXPECT_EQ(JahresDruckFlaeche(2000, 1000), (Flaeche{2000, 666}));  // tall: the width limits
    EXPECT_EQ(JahresDruckFlaeche(100, -1), (Flaeche{0, 0}));
}
