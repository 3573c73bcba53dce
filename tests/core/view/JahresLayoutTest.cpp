// Geometry of the year overview: where each day's cell and its marks go.
#include <gtest/gtest.h>

#include <map>

#include "view/JahresLayout.h"

using namespace kalvora;

namespace {

const JahresRaster k20{20.0, 20.0}; // a pane of 720 x 320

TEST(JahresTage, JedesDatumEinmalZeilenJeMonat) {
    for (int jahr : {2023, 2024}) {
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
        EXPECT_EQ(jeMonat[3], 31); // spring forward: noon steps stay inside their days
        EXPECT_EQ(yDanach, 280.0) << jahr; // the legend's row 14
    }
    EXPECT_EQ(JahresTage(2025, k20)[151].wochentag, 1); // 1 June 2025, a Sunday
}

// Alignments and halves are pixel-tested in tests/gui/JahresFeldTest; here an odd cell width.
TEST(JahresMarke, UngeradeBreiteTeiltInHaelftenVonZehn) {
    const JahresTag t{1, 1, 4, 70.0, 40.0};
    EXPECT_EQ(MarkenRechteck(t, JahresRaster{21.0, 20.0}, 0, false, true), (Rechteck{80, 45, 90, 55}));
    EXPECT_EQ(MarkenRechteck(t, JahresRaster{21.0, 20.0}, 9, true, false), (Rechteck{70, 45, 80, 55})); // 9: "Voll"
    EXPECT_FALSE(MarkenRechteck(t, k20, 0, false, false));
}

} // namespace
