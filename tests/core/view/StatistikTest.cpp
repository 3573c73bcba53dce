// Counting days per entry type, the year overview's marks and the bar chart's geometry.
#include <gtest/gtest.h>

#include "view/Statistik.h"

using namespace kalvora;

namespace {

CTime Tag(int j, int m, int t, int h = 9) {
    return CTime(j, m, t, h, 0, 0);
}

void Eintrag(CRessource& r, CTime datum, int vm, int nm) {
    const MonatTag mt = LokalerMonatTag(datum);
    r.Slot(mt.monat, mt.tag).push_back({CTime(1), vm, nm, datum, {}});
}

float Zahl(const TagesZahlen& z, int art) {
    return z[static_cast<std::size_t>(art - 1)];
}

TEST(TageZaehlen, HalbeTageZaehlenJeArtEinHalb) {
    const struct {
        const char* fall;
        int vm, nm;
        float art1, art2;
    } faelle[] = {
        {"ganzer Tag", 1, 1, 1.0f, 0.0f},     {"nur Vormittag", 1, 0, 0.5f, 0.0f},
        {"nur Nachmittag", 0, 2, 0.0f, 0.5f}, {"zwei Arten", 1, 2, 0.5f, 0.5f},
        {"geleert", 0, 0, 0.0f, 0.0f},        {"unbekannte Arten", 17, -1, 0.0f, 0.0f},
    };
    for (const auto& f : faelle) {
        CRessource r;
        Eintrag(r, Tag(2025, 3, 4), f.vm, f.nm);
        const TagesZahlen z = TageZaehlen(r, 2025);
        EXPECT_EQ(Zahl(z, 1), f.art1) << f.fall;
        EXPECT_EQ(Zahl(z, 2), f.art2) << f.fall;
        float summe = 0;
        for (float v : z)
            summe += v;
        EXPECT_EQ(summe, f.art1 + f.art2) << f.fall;
    }
}

TEST(TageZaehlen, NurTageDesGezeigtenJahresNachOrtszeit) {
    CRessource r;
    Eintrag(r, Tag(2024, 2, 29), 3, 3);
    Eintrag(r, Tag(2028, 2, 29), 3, 3); // same slot, another year
    Eintrag(r, Tag(2025, 5, 6), 3, 0);
    // Just after midnight on New Year local time, still the old year in UTC.
    Eintrag(r, CTime(2025, 1, 1, 0, 30, 0), 16, 16);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2024), 3), 1.0f);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2028), 3), 1.0f);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2025), 3), 0.5f);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2025), 16), 1.0f);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2024), 16), 0.0f);
    EXPECT_EQ(TageZaehlen(r, 2026), TagesZahlen{});
}

TEST(JahresMarken, EineMarkeJeGanztagSonstZweiteVorErsterHaelfte) {
    EintragsartTabelle t = EintragsartTabelle::Standard();
    t.m_nAusrichtung[2] = Oben;
    t.m_nAusrichtung[5] = Unten;
    CRessource r;
    Eintrag(r, Tag(2025, 1, 2), 7, 7);
    Eintrag(r, Tag(2025, 1, 3), 2, 5);
    Eintrag(r, Tag(2025, 1, 4), 0, 5);
    Eintrag(r, Tag(2025, 1, 5), 2, 0);
    Eintrag(r, Tag(2025, 1, 6), 0, 0);
    Eintrag(r, Tag(1999, 1, 7), 1, 1); // other years are kept: the pane skips them itself
    const std::vector<TagMarke> erwartet = {
        {Tag(2025, 1, 2), 0xB4B4B4, true, true, Voll},  {Tag(2025, 1, 3), 0xC8C800, false, true, Unten},
        {Tag(2025, 1, 3), 0x00C800, true, false, Oben}, {Tag(2025, 1, 4), 0xC8C800, false, true, Unten},
        {Tag(2025, 1, 5), 0x00C800, true, false, Oben}, {Tag(1999, 1, 7), 0x0000C8, true, true, Voll},
    };
    EXPECT_EQ(JahresMarken(r, t), erwartet);
}

TEST(StatistikBalken, HoeheNachAnteilAmHoechstwert) {
    const StatistikRaster r = StatistikRasterFuer(320, 220); // cw 20, rh 20
    ASSERT_EQ(r.cw, 20);
    ASSERT_EQ(r.rh, 20);
    const struct {
        int k;
        float c, max;
        Rechteck balken;
    } faelle[] = {
        {1, 10.0f, 10.0f, {2, 40, 18, 220}},    // the maximum reaches row 2
        {2, 0.5f, 10.0f, {22, 192, 38, 220}},   // one row plus 0.4 rows
        {16, 1.0f, 3.0f, {302, 147, 318, 220}}, // 8 * 20 / 3 = 53.3
        {3, 3.5f, 3.5f, {42, 40, 58, 220}},
    };
    for (const auto& f : faelle) {
        const auto b = StatistikBalken(r, f.k, f.c, f.max);
        ASSERT_TRUE(b) << f.k;
        EXPECT_EQ(*b, f.balken) << f.k;
    }
    EXPECT_FALSE(StatistikBalken(r, 4, 0.0f, 10.0f));
    EXPECT_EQ(AnzahlText(0.5f), "0.5"); // never a decimal comma, whatever the locale
    EXPECT_EQ(AnzahlText(365.0f), "365.0");
    EXPECT_FALSE(StatistikBalken(r, 4, 0.0f, 0.0f));
}

TEST(StatistikBalken, HoechstwertFuelltImmerAchtZeilen) {
    // Counts are multiples of a half: whatever the row height, the largest bar is exactly 8 rows
    // above the lowest one.
    for (int hoehe = 11; hoehe < 400; hoehe += 7)
        for (int halbe = 1; halbe <= 60; ++halbe) {
            const StatistikRaster r = StatistikRasterFuer(160, hoehe);
            const float c = static_cast<float>(halbe) / 2.0f;
            const auto b = StatistikBalken(r, 1, c, c);
            ASSERT_TRUE(b);
            ASSERT_EQ(b->oben, 2 * r.rh) << hoehe << " " << c;
        }
}

} // namespace
