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
    EXPECT_EQ(JahresTage(2025, k20)[151].wochentag, 1); // 1 June 2025, a Sunday
}

TEST(JahresTage, BruchteiligesRasterLaesstKeineLuecke) {
    const JahresRaster r = JahresRasterFuer(700, 250);
    const auto tage = JahresTage(2024, r);
    for (std::size_t i = 1; i < tage.size(); ++i)
        if (tage[i].monat == tage[i - 1].monat)
            EXPECT_GE(TagesFlaeche(tage[i - 1], r).rechts, TagesRahmen(tage[i], r).links) << i;
}

TEST(JahresMarke, LageNachAusrichtungUndHaelfte) {
    const JahresTag t{1, 1, 4, 70.0, 40.0};
    const struct {
        double cw;
        int ausrichtung;
        bool erste, zweite;
        Rechteck r;
    } faelle[] = {
        {20, 0, true, true, {70, 45, 90, 55}},  {20, 1, true, true, {70, 42, 90, 47}},
        {20, 2, true, true, {70, 47, 90, 52}},  {20, 3, true, true, {70, 54, 90, 59}},
        {20, 0, true, false, {70, 45, 80, 55}}, {20, 3, false, true, {80, 54, 90, 59}},
        {21, 0, true, false, {70, 45, 80, 55}}, {21, 0, false, true, {80, 45, 90, 55}}, // odd: halves of 10
        {20, 9, true, true, {70, 45, 90, 55}}, // unknown alignment: "Voll"
    };
    for (const auto& f : faelle) {
        const auto r = MarkenRechteck(t, JahresRaster{f.cw, 20.0}, f.ausrichtung, f.erste, f.zweite);
        ASSERT_TRUE(r);
        EXPECT_EQ(*r, f.r) << f.cw << " " << f.ausrichtung << f.erste << f.zweite;
    }
    EXPECT_FALSE(MarkenRechteck(t, k20, 0, false, false));
}

} // namespace
