// Geometry of the year overview: where each day's cell and its marks go.
#include <gtest/gtest.h>

#include <map>

#include "view/JahresLayout.h"

using namespace kalvora;

namespace {

const JahresRaster k20{20.0, 20.0}; // a pane of 720 x 320

TEST(JahresTage, JedesDatumEinmalZeilenJeMonat) {
    for (int jahr : {1970, 2023, 2024, 2037}) {
        double yDanach = 0;
        const auto tage = JahresTage(jahr, k20, &yDanach);
        const bool schalt = jahr % 4 == 0;
        ASSERT_EQ(tage.size(), schalt ? 366u : 365u) << jahr;
        std::map<int, int> jeMonat;
        for (const JahresTag& t : tage) {
            ++jeMonat[t.monat];
            EXPECT_EQ(t.x, 70.0 + (t.tag - 1) * 20.0) << jahr << "-" << t.monat << "-" << t.tag;
            EXPECT_EQ(t.y, 40.0 + (t.monat - 1) * 20.0) << jahr << "-" << t.monat << "-" << t.tag;
        }
        EXPECT_EQ(jeMonat[2], schalt ? 29 : 28);
        EXPECT_EQ(jeMonat[3], 31); // spring forward: noon steps stay inside their days
        EXPECT_EQ(jeMonat[10], 31);
        EXPECT_EQ(yDanach, 280.0) << jahr; // the legend's row 14
    }
}

TEST(JahresTage, WochentageAbSonntagEins) {
    const auto tage = JahresTage(2025, k20);
    EXPECT_EQ(tage[0].wochentag, 4);   // Wednesday, 1 January 2025
    EXPECT_EQ(tage[151].monat, 6);     // 1 June
    EXPECT_EQ(tage[151].wochentag, 1); // Sunday
    EXPECT_EQ(tage[364].wochentag, 4); // Wednesday, 31 December
}

TEST(JahresTage, BruchteiligesRasterBleibtInDerZeile) {
    const JahresRaster r = JahresRasterFuer(700, 250);
    EXPECT_DOUBLE_EQ(r.cw, 700.0 / 36);
    EXPECT_DOUBLE_EQ(r.rh, 250.0 / 16);
    double yDanach = 0;
    const auto tage = JahresTage(2024, r, &yDanach);
    for (std::size_t i = 1; i < tage.size(); ++i) {
        if (tage[i].monat == tage[i - 1].monat) {
            EXPECT_EQ(tage[i].y, tage[i - 1].y);
            // The one pixel more of each fill closes the gap that truncation leaves.
            EXPECT_GE(TagesFlaeche(tage[i - 1], r).rechts, TagesRahmen(tage[i], r).links) << "gap before " << i;
        } else {
            EXPECT_DOUBLE_EQ(tage[i].x, 3.5 * r.cw);
        }
    }
    EXPECT_NEAR(yDanach, 14 * r.rh, 1e-9);
}

TEST(JahresZelle, FlaecheEinPixelGroesserAlsDerRahmen) {
    const JahresTag t{6, 1, 1, 70.0, 140.0};
    EXPECT_EQ(TagesFlaeche(t, k20), (Rechteck{70, 140, 91, 161}));
    EXPECT_EQ(TagesRahmen(t, k20), (Rechteck{70, 140, 90, 160}));
    const JahresRaster krumm{19.7, 15.6};
    const JahresTag u{1, 1, 4, 68.95, 31.2};
    EXPECT_EQ(TagesFlaeche(u, krumm), (Rechteck{68, 31, 68 + 20, 31 + 16}));
    EXPECT_EQ(TagesRahmen(u, krumm), (Rechteck{68, 31, 68 + 19, 31 + 15}));
}

TEST(JahresMarke, LageNachAusrichtungUndHaelfte) {
    const JahresTag t{1, 1, 4, 70.0, 40.0};
    const struct {
        int ausrichtung;
        bool erste, zweite;
        Rechteck r;
    } faelle[] = {
        {0, true, true, {70, 45, 90, 55}},  {1, true, true, {70, 42, 90, 47}},
        {2, true, true, {70, 47, 90, 52}},  {3, true, true, {70, 54, 90, 59}},
        {0, true, false, {70, 45, 80, 55}}, {0, false, true, {80, 45, 90, 55}},
        {3, false, true, {80, 54, 90, 59}}, {9, true, true, {70, 45, 90, 55}}, // unknown: "Voll"
    };
    for (const auto& f : faelle) {
        const auto r = MarkenRechteck(t, k20, f.ausrichtung, f.erste, f.zweite);
        ASSERT_TRUE(r);
        EXPECT_EQ(*r, f.r) << f.ausrichtung << f.erste << f.zweite;
    }
    EXPECT_FALSE(MarkenRechteck(t, k20, 0, false, false));
    // An odd column: each half is the integer half, the second starts at the truncated middle.
    const JahresRaster ungerade{21.0, 20.0};
    EXPECT_EQ(*MarkenRechteck(t, ungerade, 0, true, false), (Rechteck{70, 45, 80, 55}));
    EXPECT_EQ(*MarkenRechteck(t, ungerade, 0, false, true), (Rechteck{80, 45, 90, 55}));
}

TEST(JahresTexte, MonateTitelUndGueltigeJahre) {
    EXPECT_EQ(MonatsKuerzel(1), "JAN");
    EXPECT_EQ(MonatsKuerzel(3), "M\xC4R");
    EXPECT_EQ(MonatsKuerzel(12), "DEZ");
    EXPECT_EQ(MonatsKuerzel(0), "");
    EXPECT_EQ(MonatsKuerzel(13), "");
    EXPECT_EQ(JahresTitel(2025, ""), "2025");
    EXPECT_EQ(JahresTitel(2025, "M\xFCller, Anna - "), "2025 / M\xFCller, Anna - ");
    EXPECT_EQ(GueltigesJahr(1969), -1);
    EXPECT_EQ(GueltigesJahr(1970), 1970);
    EXPECT_EQ(GueltigesJahr(2037), 2037);
    EXPECT_EQ(GueltigesJahr(2038), -1);
}

} // namespace
