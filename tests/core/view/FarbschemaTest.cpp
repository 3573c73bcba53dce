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
    EXPECT_EQ(f.C(0), 0u);
    EXPECT_EQ(f.C(8), 0u);
}

TEST(Farbschema, DunklesSchemaNachElementen) {
    CFarbschema f;
    f.SetFarbschema(4);
    const COLORREF schwarz = Rgb(0, 0, 0), weiss = Rgb(255, 255, 255), grau = Rgb(150, 150, 150);
    const COLORREF blau = Rgb(0, 0, 150), gruen = Rgb(0, 100, 0), kopf = Rgb(100, 100, 100);

    // Raised cells: dark lower-right, light upper-left, white text.
    EXPECT_EQ(f.Ecke(), (ZellFarben{kopf, grau, weiss, weiss}));
    EXPECT_EQ(f.MonatsKopf(), (ZellFarben{kopf, grau, weiss, weiss}));
    EXPECT_EQ(f.Name(), (ZellFarben{schwarz, grau, weiss, weiss}));
    EXPECT_EQ(f.TagesKopf(TagesArt::Werktag), (ZellFarben{kopf, grau, weiss, weiss}));
    EXPECT_EQ(f.TagesKopf(TagesArt::Frei), (ZellFarben{gruen, grau, weiss, weiss}));
    EXPECT_EQ(f.TagesKopf(TagesArt::Heute), (ZellFarben{blau, grau, weiss, weiss}));
    // Sunken day cells: the edges swap, the week number is written in the today colour.
    EXPECT_EQ(f.Tageszelle(TagesArt::Werktag), (ZellFarben{schwarz, weiss, grau, blau}));
    EXPECT_EQ(f.Tageszelle(TagesArt::Frei), (ZellFarben{gruen, weiss, grau, blau}));
    EXPECT_EQ(f.Tageszelle(TagesArt::Heute), (ZellFarben{blau, weiss, grau, blau}));
    EXPECT_EQ(f.Band(Rgb(200, 0, 0)), (ZellFarben{Rgb(200, 0, 0), grau, weiss, blau}));
}
