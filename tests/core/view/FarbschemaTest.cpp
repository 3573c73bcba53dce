#include <gtest/gtest.h>

#include "view/Farbschema.h"

using namespace kalvora;

namespace {

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r) | static_cast<COLORREF>(g) << 8 | static_cast<COLORREF>(b) << 16;
}

} // namespace

TEST(Farbschema, UnbekannteNummerLaesstFarbenStehen) {
    CFarbschema f;
    EXPECT_EQ(f.C(3), Rgb(255, 255, 220)); // a new grid starts in "Standard"
    ASSERT_TRUE(f.SetFarbschema(4));
    const SchemaFarben dunkel = f.Farben();
    for (int n : {0, 6, -1, 100}) {
        EXPECT_FALSE(f.SetFarbschema(n));
        EXPECT_EQ(f.Farben(), dunkel) << n;
    }
    ASSERT_TRUE(f.SetFarbschema(5));
    EXPECT_EQ(f.Tageszelle(TagesArt::Werktag).m_nFuellung, Rgb(255, 255, 255));
    EXPECT_FALSE(FarbenDesSchemas(0).has_value());
}
