#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "view/Band.h"

using namespace kalvora;

namespace {

struct HoehenFall {
    int hoehe;
    int ausrichtung;
    int oben; // relative to the row
    int unten;
};

const HoehenFall kHoehen[] = {
    {30, Voll, 7, 23}, {30, Oben, 3, 13}, {30, Mitte, 10, 20}, {30, Unten, 18, 28},
    {10, Voll, 2, 8},  {10, Oben, 1, 4},  {10, Mitte, 3, 6},   {10, Unten, 6, 9},
    {31, Mitte, 10, 20}, // 3.1 + 7.75 truncates to 10
    {30, 7, 7, 23},      // unknown alignment from a hand-edited file draws as "Voll"
    {30, -1, 7, 23},
};

CTagEintrag Eintrag(int vm, int nm, std::string notiz = {}) {
    CTagEintrag e;
    e.m_nArtVormittag = vm;
    e.m_nArtNachmittag = nm;
    e.m_strNotiz = std::move(notiz);
    return e;
}

} // namespace

TEST(Band, HoeheNachAusrichtung) {
    for (const auto& f : kHoehen) {
        const auto [oben, unten] = BandHoehe(100, f.hoehe, f.ausrichtung);
        EXPECT_EQ(oben - 100, f.oben) << "H " << f.hoehe << " Ausrichtung " << f.ausrichtung;
        EXPECT_EQ(unten - 100, f.unten) << "H " << f.hoehe << " Ausrichtung " << f.ausrichtung;
    }
}

TEST(Band, BleibtBeiJederZoomstufeInDerZeile) {
    for (int h = 10; h <= 300; ++h)
        for (int n = Voll; n <= Unten; ++n) {
            const auto [oben, unten] = BandHoehe(0, h, n);
            EXPECT_GE(oben, 0) << h << ' ' << n;
            EXPECT_LE(unten, h) << h << ' ' << n;
            EXPECT_LT(oben, unten) << h << ' ' << n;
        }
}

TEST(Band, HaelftenUndGanzerTag) {
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    arten.m_nAusrichtung[5] = Unten;
    CFarbschema schema;
    const Rechteck zelle{151, 62, 181, 92};

    struct Fall {
        int vm, nm;
        std::vector<std::tuple<int, int, int>> baender; // type, left, right relative to x
    };
    const Fall faelle[] = {
        {2, 5, {{2, 0, 15}, {5, 16, 30}}},
        {7, 7, {{7, 0, 30}}},
        {3, 0, {{3, 0, 15}}},
        {0, 4, {{4, 16, 30}}},
        {0, 0, {}},
        {17, 0, {}}, // no such type: nothing to colour
        {-2, 6, {{6, 16, 30}}},
    };
    for (const auto& f : faelle) {
        const Baender b = BaenderEinesTages(Eintrag(f.vm, f.nm), zelle, arten, schema);
        ASSERT_EQ(b.m_nAnzahl, static_cast<int>(f.baender.size())) << f.vm << '/' << f.nm;
        int i = 0;
        for (const Band& band : b) {
            const auto [art, links, rechts] = f.baender[static_cast<std::size_t>(i++)];
            EXPECT_EQ(band.m_nArt, art);
            EXPECT_EQ(band.m_rect.links - zelle.links, links);
            EXPECT_EQ(band.m_rect.rechts - zelle.links, rechts);
            EXPECT_EQ(band.m_farben, schema.Band(arten.m_nFarbe[static_cast<std::size_t>(art)]));
            EXPECT_TRUE(band.m_strText.empty());
        }
    }
    // Vertical extent comes from each half's own type.
    const Baender b = BaenderEinesTages(Eintrag(2, 5), zelle, arten, schema);
    EXPECT_EQ(b.m_band[0].m_rect.oben, 62 + 7);
    EXPECT_EQ(b.m_band[1].m_rect.oben, 62 + 18);
    EXPECT_EQ(b.m_band[1].m_rect.unten, 62 + 28);
}

TEST(Band, UngeradeBreiteUndNotiz) {
    const auto arten = EintragsartTabelle::Standard();
    const Baender b = BaenderEinesTages(Eintrag(1, 2, "Arzt"), {0, 0, 31, 31}, arten, CFarbschema{});
    ASSERT_EQ(b.m_nAnzahl, 2);
    EXPECT_EQ(b.m_band[0].m_rect, (Rechteck{0, 7, 15, 24}));
    EXPECT_EQ(b.m_band[1].m_rect, (Rechteck{16, 7, 31, 24}));
    EXPECT_EQ(b.m_band[0].m_strText, "N");
    EXPECT_EQ(b.m_band[1].m_strText, "N");
}
