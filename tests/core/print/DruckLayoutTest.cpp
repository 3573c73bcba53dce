#include <gtest/gtest.h>

#include <string>

#include "calendar/Feiertage.h"
#include "print/DruckLayout.h"

using namespace kalvora;

namespace {

// A page of 1010 × 700 units: x0 = y0 = 10, x1 = 1000, y1 = 690, N = 200, G = 50, and 30 rows give
// h = 680 / 34 = 20.
constexpr Rechteck kSeite{0, 0, 1010, 700};

Regionen Bayern() {
    Regionen r{};
    r[2] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

DruckSeite Anordnen(Datum von, Datum bis, int anzahl = 5, int zeilen = 5, Rechteck seite = kSeite) {
    static const Regionen regionen = Bayern();
    const CFeiertage feiertage(regionen);
    return DruckSeiteAnordnen({seite, von, bis, anzahl, zeilen}, feiertage);
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

TEST(DruckLayout, SeitenMasse) {
    const DruckSeite s = Anordnen({2025, 3, 3}, {2025, 3, 3});
    EXPECT_EQ(s.x0, 10);
    EXPECT_EQ(s.y1, 690);
    EXPECT_EQ(s.m_nNamenBreite, 200);
    EXPECT_EQ(s.m_nGrenze, 50);
    EXPECT_EQ(s.m_nZeilenHoehe, 20);
    EXPECT_EQ(s.m_ecke, (Rechteck{10, 10, 210, 52}));
    ASSERT_EQ(s.m_spalten.size(), 1u);
    // One day: a single column from right of the name column almost to the right margin.
    EXPECT_EQ(s.m_nSpaltenBreite, 788);
    EXPECT_EQ(s.m_spalten[0].m_nLinks, 211);
    EXPECT_EQ(s.m_spalten[0].m_kopf, (Rechteck{211, 31, 999, 51}));
    EXPECT_EQ(Monate(s), "211-999 2025 M\xC4R|");
}

TEST(DruckLayout, SpaltenUndMonatskoepfe) {
    struct Fall {
        Datum von, bis;
        int breite;
        const char* monate;
    };
    const Fall faelle[] = {
        // Two columns each: both wider than G, both with text.
        {{2025, 1, 30}, {2025, 2, 2}, 196, "211-604 2025 JAN|605-998 2025 FEB|"},
        // One column of January (27 ≤ G) stays blank; February is wide.
        {{2025, 1, 31}, {2025, 2, 27}, 27, "211-238  |239-994 2025 FEB|"},
        // Over New Year: December keeps the old year, January gets the new one.
        {{2024, 12, 30}, {2025, 1, 2}, 196, "211-604 2024 DEZ|605-998 2025 JAN|"},
        // A whole year: columns of one unit, every month still wider than G.
        {{2025, 1, 1}, {2025, 12, 31}, 1, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.von.tag) + "." + std::to_string(f.von.monat));
        const DruckSeite s = Anordnen(f.von, f.bis);
        EXPECT_EQ(s.m_nSpaltenBreite, f.breite);
        if (f.monate) EXPECT_EQ(Monate(s), f.monate);
        ASSERT_FALSE(s.m_spalten.empty());
        for (std::size_t j = 0; j < s.m_spalten.size(); ++j)
            EXPECT_EQ(s.m_spalten[j].m_nLinks, 211 + static_cast<int>(j) * (f.breite + 1));
        // Nothing reaches into the right margin.
        EXPECT_LE(s.m_spalten.back().m_nLinks + s.m_nSpaltenBreite, s.x1);
    }
    const DruckSeite jahr = Anordnen({2025, 1, 1}, {2025, 12, 31});
    EXPECT_EQ(jahr.m_nTage, 365);
    ASSERT_EQ(jahr.m_monate.size(), 12u);
    EXPECT_EQ(jahr.m_monate[1].m_strMonat, "FEB");
    EXPECT_EQ(jahr.m_monate[1].m_rect.Breite(), 28 * 2 - 1);
}

TEST(DruckLayout, TageskoepfeWochennummernUndFreieTage) {
    // 30.12.2024 Monday, 1.1.2025 New Year, 4./5.1. weekend, 6.1. Epiphany in Bavaria and Monday.
    const DruckSeite s = Anordnen({2024, 12, 30}, {2025, 1, 7});
    ASSERT_EQ(s.m_spalten.size(), 9u);
    struct Erwartet {
        const char* tag;
        const char* wt;
        const char* kw;
        bool frei;
        bool ferien; // Bavarian Christmas holidays until 3 January
    };
    const Erwartet erwartet[] = {{"30", "MO", "1", false, true}, {"31", "DI", "", false, true},
                                 {"1", "MI", "", true, true},    {"2", "DO", "", false, true},
                                 {"3", "FR", "", false, true},   {"4", "SA", "", true, false},
                                 {"5", "SO", "", true, false},   {"6", "MO", "2", true, false},
                                 {"7", "DI", "", false, false}};
    for (std::size_t j = 0; j < 9; ++j) {
        SCOPED_TRACE(j);
        const DruckSpalte& sp = s.m_spalten[j];
        EXPECT_EQ(sp.m_strTag, erwartet[j].tag);
        EXPECT_EQ(sp.m_strWochentag, erwartet[j].wt);
        EXPECT_EQ(sp.m_strKalenderwoche, erwartet[j].kw);
        EXPECT_EQ(sp.m_bFrei, erwartet[j].frei);
        EXPECT_EQ(sp.m_bSchulferien, erwartet[j].ferien);
    }
}

TEST(DruckLayout, FuenfZeilenHabenDieHoeheVonDreissigUndDieLegendeFolgtDirekt) {
    for (int anzahl : {0, 1, 5, 30}) {
        SCOPED_TRACE(anzahl);
        const DruckSeite s = Anordnen({2025, 3, 1}, {2025, 3, 31}, anzahl, anzahl);
        EXPECT_EQ(s.m_nZeilenHoehe, anzahl < 30 ? 20 : 19); // 30 rows: the grid lines cost one unit
    }
    const DruckSeite s = Anordnen({2025, 3, 1}, {2025, 3, 31}, 5, 5);
    ASSERT_EQ(s.m_zeilenOben.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.m_zeilenOben[static_cast<std::size_t>(i)], 52 + 21 * i);
        EXPECT_EQ(s.m_namen[static_cast<std::size_t>(i)], (Rechteck{10, 53 + 21 * i, 210, 73 + 21 * i}));
    }
    EXPECT_EQ(s.Tageszelle(0, 4), (Rechteck{211, 136, 211 + s.m_nSpaltenBreite, 156}));
    // The legend row follows the fifth row: 52 + 5 × 21 = 157, inset by h/10.
    EXPECT_EQ(s.m_legende[0], (Rechteck{0, 159, 100, 175}));
    EXPECT_EQ(s.m_legende[8], (Rechteck{0, 180, 100, 196}));
}

TEST(DruckLayout, LegendeHaeltAlleSechzehnAufDerSeite) {
    // Spacing of a quarter cell; types 9..16 take the places of 1..8 one row lower.
    const std::pair<int, int> spannen[] = {{0, 100}, {125, 225}, {250, 350}, {375, 475},
                                           {500, 600}, {625, 725}, {750, 850}, {875, 975}};
    for (int j = 1; j <= 16; ++j) EXPECT_EQ(LegendenSpanne(j, 1000), spannen[(j - 1) % 8]) << j;

    for (int anzahl : {0, 5, 29, 30, 31, 100, 400}) {
        for (const Rechteck seite : {kSeite, Rechteck{0, 0, 13000, 9300}, Rechteck{0, 0, 300, 200}}) {
            if (2 * (anzahl + 4) + 20 > seite.unten) continue; // rows of one unit could not fit either
            SCOPED_TRACE(std::to_string(anzahl) + " on " + std::to_string(seite.rechts));
            const DruckSeite s = Anordnen({2025, 1, 1}, {2025, 12, 31}, anzahl, anzahl, seite);
            ASSERT_FALSE(s.IstLeer());
            for (const Rechteck& l : s.m_legende) {
                EXPECT_GE(l.links, 0);
                EXPECT_LT(l.links, l.rechts);
                EXPECT_LT(l.oben, l.unten);
                EXPECT_LE(l.rechts, seite.rechts - 1);
                EXPECT_LE(l.unten, seite.unten - 1);
            }
            if (!s.m_zeilenOben.empty()) EXPECT_LT(s.m_zeilenOben.back() + s.m_nZeilenHoehe, s.m_legende[0].oben);
        }
    }
}

TEST(DruckLayout, EintragsZeitLiegtStrengImTag) {
    const DruckSeite s = Anordnen({2025, 3, 10}, {2025, 3, 10});
    ASSERT_EQ(s.m_spalten.size(), 1u);
    const DruckSpalte& sp = s.m_spalten[0];
    EXPECT_TRUE(LiegtAmTag(CTime(2025, 3, 10, 9, 0, 0), sp));
    EXPECT_TRUE(LiegtAmTag(CTime(2025, 3, 10, 21, 0, 0), sp));
    EXPECT_FALSE(LiegtAmTag(CTime(2025, 3, 10, 0, 0, 0), sp));
    EXPECT_FALSE(LiegtAmTag(CTime(2025, 3, 10, 23, 59, 59), sp));
    EXPECT_FALSE(LiegtAmTag(CTime(2025, 3, 11, 9, 0, 0), sp));
}

TEST(DruckLayout, UnsinnigeEingabenGebenLeereOderBegrenzteSeiten) {
    // Pages without room between the margins, or beyond any device.
    for (const Rechteck seite : {Rechteck{}, Rechteck{0, 0, 20, 500}, Rechteck{0, 0, 500, 15},
                                 Rechteck{0, 0, 1 << 30, 700}, Rechteck{500, 500, 0, 0}})
        EXPECT_TRUE(Anordnen({2025, 1, 1}, {2025, 1, 2}, 5, 5, seite).IstLeer());
    // Last day before the first: no columns, the rest still laid out.
    const DruckSeite rueckwaerts = Anordnen({2025, 2, 1}, {2025, 1, 1});
    EXPECT_FALSE(rueckwaerts.IstLeer());
    EXPECT_TRUE(rueckwaerts.m_spalten.empty());
    // Sixty years on a narrow page: zero-width columns, only those that start on the page.
    const DruckSeite lang = Anordnen({1970, 1, 1}, {2030, 1, 1}, 5, 5, Rechteck{0, 0, 500, 300});
    EXPECT_EQ(lang.m_nSpaltenBreite, 0);
    ASSERT_FALSE(lang.m_spalten.empty());
    EXPECT_LE(lang.m_spalten.back().m_nLinks, 500);
    // An absurd count of resources: rows of one unit, none stored below the page.
    const DruckSeite viele = Anordnen({2025, 1, 1}, {2025, 1, 31}, 1 << 30, 1 << 30);
    EXPECT_EQ(viele.m_nZeilenHoehe, 1);
    EXPECT_LE(viele.m_zeilenOben.size(), 700u);
}

TEST(DruckLayout, JahresUebersichtImVerhaeltnisDreiZuEins) {
    struct Fall {
        int r, b;
        Flaeche f;
    };
    const Fall faelle[] = {
        {3000, 1000, {3000, 1000}}, // exactly 3:1
        {4000, 1000, {3000, 1000}}, // wide page: full height
        {2000, 1000, {2000, 666}},  // narrow page: full width, height a third
        {9300, 13000, {9300, 3100}},
        {2, 5, {2, 0}},
        {0, 100, {0, 0}},
        {100, -1, {0, 0}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(JahresDruckFlaeche(f.r, f.b), f.f) << f.r << "x" << f.b;
}
