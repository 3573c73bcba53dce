#include <gtest/gtest.h>

#include "view/Farbschema.h"

using namespace kalvora;

namespace {

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r) | static_cast<COLORREF>(g) << 8 | static_cast<COLORREF>(b) << 16;
}

struct SchemaFall {
    int schema;
    SchemaFarben farben;
};

// Written as R,G,B so that a swapped byte order shows.
const SchemaFall kSchemata[] = {
    {1, {Rgb(230, 230, 230), Rgb(200, 200, 200), Rgb(255, 255, 220), Rgb(220, 255, 220), Rgb(0, 0, 0),
         Rgb(255, 255, 255), Rgb(0, 0, 0)}},
    {2, {Rgb(240, 240, 240), Rgb(220, 220, 220), Rgb(255, 255, 240), Rgb(230, 255, 230), Rgb(0, 0, 0),
         Rgb(255, 255, 255), Rgb(200, 200, 200)}},
    {3, {Rgb(240, 255, 240), Rgb(255, 230, 255), Rgb(255, 255, 240), Rgb(230, 255, 230), Rgb(0, 0, 0),
         Rgb(255, 255, 255), Rgb(180, 180, 180)}},
    {4, {Rgb(0, 0, 0), Rgb(100, 100, 100), Rgb(0, 0, 150), Rgb(0, 100, 0), Rgb(255, 255, 255),
         Rgb(255, 255, 255), Rgb(150, 150, 150)}},
    {5, {Rgb(255, 255, 255), Rgb(245, 245, 245), Rgb(225, 225, 225), Rgb(235, 235, 235), Rgb(0, 0, 0),
         Rgb(255, 255, 255), Rgb(200, 200, 200)}},
};

} // namespace

TEST(Farbschema, FuenfSchemataMitIhrenSiebenFarben) {
    for (const auto& fall : kSchemata) {
        CFarbschema f;
        ASSERT_TRUE(f.SetFarbschema(fall.schema));
        EXPECT_EQ(f.Farben(), fall.farben) << "Schema " << fall.schema;
    }
}

TEST(Farbschema, UnbekannteNummerLaesstFarbenStehen) {
    CFarbschema f;
    EXPECT_EQ(f.Farben(), kSchemata[0].farben); // a new grid starts in "Standard"
    ASSERT_TRUE(f.SetFarbschema(4));
    for (int n : {0, 6, -1, 100}) {
        EXPECT_FALSE(f.SetFarbschema(n));
        EXPECT_EQ(f.Farben(), kSchemata[3].farben) << n;
    }
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
