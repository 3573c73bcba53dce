#include <gtest/gtest.h>

#include "view/GitterZustand.h"

using namespace kalvora;

namespace {

constexpr Datum kHeute{2025, 6, 15};

// The offset from kHeute to a date.
int Offset(int jahr, int monat, int tag) {
    return static_cast<int>(TageAusDatum(jahr, monat, tag) - TageAusDatum(kHeute.jahr, kHeute.monat, kHeute.tag));
}

} // namespace

// Zoom limits, vertical clamps and the relative horizontal control are driven through the view
// in tests/gui/AnsichtTest; here the exact limits of the calendar and invalid sizes.
TEST(GitterZustand, UngueltigeZellgroesseBleibtUnbeachtet) {
    GitterZustand z;
    for (int n : {9, 301, 0, -30}) EXPECT_FALSE(z.SetZellgroesse(n)) << n;
    EXPECT_EQ(z.m_nSpaltenBreite, 30);
    EXPECT_EQ(z.m_nZeilenHoehe, 30);
}

TEST(GitterZustand, GrenzenDerZeitrechnung) {
    GitterZustand z;
    // First day 1972-01-03: one page left still goes, into 1971; from there only right.
    z.m_nTagOffset = Offset(1972, 1, 3);
    EXPECT_TRUE(z.HorizontalRollen(Rollen::SeiteZurueck, 0, kHeute));
    EXPECT_EQ(z.m_nTagOffset, Offset(1971, 12, 27));
    EXPECT_FALSE(z.HorizontalRollen(Rollen::ZeileZurueck, 0, kHeute));
    EXPECT_FALSE(z.SetTagOffset(z.m_nTagOffset, kHeute));
    EXPECT_EQ(z.m_nTagOffset, Offset(1971, 12, 27));
    EXPECT_TRUE(z.HorizontalRollen(Rollen::ZeileVor, 0, kHeute));

    // Last day of 2035: the jump may pass the limit by its size, then only left.
    z.m_nTagOffset = Offset(2035, 12, 31);
    EXPECT_TRUE(z.HorizontalRollen(Rollen::DaumenLosgelassen, 730, kHeute));
    EXPECT_EQ(z.m_nTagOffset, Offset(2036, 12, 30));
    EXPECT_FALSE(z.HorizontalRollen(Rollen::ZeileVor, 0, kHeute));
    EXPECT_FALSE(z.SetTagOffset(z.m_nTagOffset, kHeute));
    EXPECT_TRUE(z.SetTagOffset(0, kHeute)); // the today button
    EXPECT_EQ(z.m_nTagOffset, 0);
}
