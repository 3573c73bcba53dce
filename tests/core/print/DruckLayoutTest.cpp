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
        // A whole year: columns of one unit, February 28 × 2 − 1 wide.
        {{2025, 1, 1}, {2025, 12, 31}, 1, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.von.tag) + "." + std::to_string(f.von.monat));
        const DruckSeite s = Anordnen(f.von, f.bis);
        EXPECT_EQ(s.m_nSpaltenBreite, f.breite);
        if (f.monate) EXPECT_EQ(Monate(s), f.monate);
        for (std::size_t j = 0; j < s.m_spalten.size(); ++j)
            EXPECT_EQ(s.m_spalten[j].m_nLinks, 211 + static_cast<int>(j) * (f.breite + 1));
        EXPECT_EQ(s.m_spalten.front().m_kopf, (Rechteck{211, 31, 211 + f.breite, 51}));
        EXPECT_LE(s.m_spalten.back().m_nLinks + s.m_nSpaltenBreite, s.x1);
    }
    const DruckSeite jahr = Anordnen({2025, 1, 1}, {2025, 12, 31});
    ASSERT_EQ(jahr.m_monate.size(), 12u);
    EXPECT_EQ(jahr.m_monate[1].m_rect.Breite(), 55);
    EXPECT_EQ(jahr.m_monate[1].m_strMonat, "FEB");
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
    EXPECT_FALSE(LiegtAmTag(CTime(2024, 12, 30, 23, 59, 59), s.m_spalten[0]));
}

TEST(DruckLayout, FuenfZeilenHabenDieHoeheVonDreissigUndDieLegendeFolgtDirekt) {
    for (int anzahl : {0, 1, 5, 30}) // 30 rows: the grid lines cost one unit of height
        EXPECT_EQ(Anordnen({2025, 3, 1}, {2025, 3, 31}, anzahl).m_nZeilenHoehe, anzahl < 30 ? 20 : 19) << anzahl;

    const DruckSeite s = Anordnen({2025, 3, 1}, {2025, 3, 31}, 5);
    EXPECT_EQ(s.m_ecke, (Rechteck{10, 10, 210, 52}));
    ASSERT_EQ(s.m_zeilenOben.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.m_zeilenOben[static_cast<std::size_t>(i)], 52 + 21 * i);
        EXPECT_EQ(s.m_namen[static_cast<std::size_t>(i)], (Rechteck{10, 53 + 21 * i, 210, 73 + 21 * i}));
    }
    // Legend rows right below the fifth row (52 + 5 × 21 = 157), inset by h/10; 9..16 one row lower.
    EXPECT_EQ(s.m_legende[0], (Rechteck{0, 159, 100, 175}));
    EXPECT_EQ(s.m_legende[7], (Rechteck{875, 159, 975, 175}));
    EXPECT_EQ(s.m_legende[8], (Rechteck{0, 180, 100, 196}));
    EXPECT_EQ(s.m_legende[15], (Rechteck{875, 180, 975, 196}));
}

TEST(DruckLayout, AlleSechzehnBleibenAufDerSeite) {
    for (int anzahl : {0, 29, 30, 31, 100, 400}) {
        for (const Rechteck seite : {kSeite, Rechteck{0, 0, 13000, 9300}, Rechteck{0, 0, 300, 200}}) {
            if (2 * (anzahl + 4) + 20 > seite.unten) continue; // even rows of one unit could not fit
            SCOPED_TRACE(std::to_string(anzahl) + " on " + std::to_string(seite.rechts));
            const DruckSeite s = Anordnen({2025, 1, 1}, {2025, 12, 31}, anzahl, seite);
            for (const Rechteck& l : s.m_legende) {
                EXPECT_GE(l.links, 0);
                EXPECT_LT(l.oben, l.unten);
                EXPECT_LE(l.rechts, seite.rechts - 1);
                EXPECT_LE(l.unten, seite.unten - 1);
            }
        }
    }
}

TEST(DruckLayout, UnsinnigeEingaben) {
    for (const Rechteck seite : {Rechteck{}, Rechteck{0, 0, 20, 500}, Rechteck{0, 0, 500, 15},
                                 Rechteck{0, 0, 1 << 30, 700}, Rechteck{500, 500, 0, 0}})
        EXPECT_TRUE(Anordnen({2025, 1, 1}, {2025, 1, 2}, 5, seite).IstLeer());
    EXPECT_TRUE(Anordnen({2025, 2, 1}, {2025, 1, 1}).m_spalten.empty()); // last day before the first
    // Sixty years on a narrow page: zero-width columns, only those that start on the page.
    const DruckSeite lang = Anordnen({1970, 1, 1}, {2030, 1, 1}, 5, Rechteck{0, 0, 500, 300});
    EXPECT_EQ(lang.m_nSpaltenBreite, 0);
    EXPECT_LE(lang.m_spalten.back().m_nLinks, 500);
    // An absurd count of resources: rows of one unit, none kept below the page.
    const DruckSeite viele = Anordnen({2025, 1, 1}, {2025, 1, 31}, 1 << 30);
    EXPECT_EQ(viele.m_nZeilenHoehe, 1);
    EXPECT_LE(viele.m_zeilenOben.size(), 350u);
}

TEST(DruckLayout, JahresUebersichtImVerhaeltnisDreiZuEins) {
    struct Fall {
        int r, b;
        Flaeche f;
    };
    const Fall faelle[] = {{3000, 1000, {3000, 1000}}, {4000, 1000, {3000, 1000}}, {2000, 1000, {2000, 666}},
                           {2, 5, {2, 0}},             {0, 100, {0, 0}},           {100, -1, {0, 0}}};
    for (const Fall& f : faelle) EXPECT_EQ(JahresDruckFlaeche(f.r, f.b), f.f) << f.r << "x" << f.b;
}
