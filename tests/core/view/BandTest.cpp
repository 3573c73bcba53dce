// The four alignments at row heights 30 and 10 and the half-day extents are pixel-tested in
// tests/gui/KalenderWndTest; here the cases the pixel tests do not reach.
#include <gtest/gtest.h>

#include <vector>

#include "view/Band.h"

using namespace kalvora;

namespace {

CTagEintrag Eintrag(int vm, int nm, std::string notiz = {}) {
    CTagEintrag e;
    e.m_nArtVormittag = vm;
    e.m_nArtNachmittag = nm;
    e.m_strNotiz = std::move(notiz);
    return e;
}

} // namespace

TEST(Band, HoeheBeiUngeraderZeileUndUnbekannterAusrichtung) {
    EXPECT_EQ(BandHoehe(100, 31, Mitte), std::pair(110, 120)); // 3.1 + 7.75 truncates to 10
    for (int unbekannt : {7, -1}) // from a hand-edited file: draws as "Voll"
        EXPECT_EQ(BandHoehe(100, 30, unbekannt), BandHoehe(100, 30, Voll)) << unbekannt;
    for (int h = 10; h <= 300; ++h)
        for (int n = Voll; n <= Unten; ++n) {
            const auto [oben, unten] = BandHoehe(0, h, n);
            EXPECT_GE(oben, 0) << h << ' ' << n;
            EXPECT_LE(unten, h) << h << ' ' << n;
            EXPECT_LT(oben, unten) << h << ' ' << n;
        }
}

TEST(Band, UnbekannteArtenUndNotiz) {
    const auto arten = EintragsartTabelle::Standard();
    const Rechteck zelle{0, 0, 31, 31};
    EXPECT_EQ(BaenderEinesTages(Eintrag(17, 0), zelle, arten, CFarbschema{}).m_nAnzahl, 0);
    const Baender einer = BaenderEinesTages(Eintrag(-2, 6), zelle, arten, CFarbschema{});
    ASSERT_EQ(einer.m_nAnzahl, 1);
    EXPECT_EQ(einer.m_band[0].m_nArt, 6);
    EXPECT_EQ(einer.m_band[0].m_rect.links, 16);

    // An odd width: the second half starts one pixel after the first; both halves carry the "N".
    const Baender b = BaenderEinesTages(Eintrag(1, 2, "Arzt"), zelle, arten, CFarbschema{});
    ASSERT_EQ(b.m_nAnzahl, 2);
    EXPECT_EQ(b.m_band[0].m_rect, (Rechteck{0, 7, 15, 24}));
    EXPECT_EQ(b.m_band[1].m_rect, (Rechteck{16, 7, 31, 24}));
    EXPECT_EQ(b.m_band[0].m_strText, "N");
    EXPECT_EQ(b.m_band[1].m_strText, "N");
    EXPECT_TRUE(BaenderEinesTages(Eintrag(1, 1), zelle, arten, CFarbschema{}).m_band[0].m_strText.empty());
}
