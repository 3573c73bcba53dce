// Counting days per entry type, the year overview's marks and the bar chart's geometry. The
// panes themselves are pixel-tested in tests/gui/JahresFeldTest.
#include <gtest/gtest.h>

#include "view/Statistik.h"

using namespace kalvora;

namespace {

CTime Tag(int j, int m, int t, int h = 9) {
    return CTime(j, m, t, h, 0, 0);
}

void Eintrag(CRessource& r, CTime datum, int vm, int nm) {
    const MonatTag mt = LokalerMonatTag(datum);
    r.m_pTage.Anhaengen(mt.monat, mt.tag, {CTime(1), vm, nm, datum, {}});
}

float Zahl(const TagesZahlen& z, int art) {
    return z[static_cast<std::size_t>(art - 1)];
}

TEST(TageZaehlen, HalbeTageJeArtUndNurImGezeigtenJahr) {
    CRessource r;
    Eintrag(r, Tag(2025, 3, 4), 1, 2);
    Eintrag(r, Tag(2025, 3, 5), 0, 2);
    Eintrag(r, Tag(2025, 3, 6), 17, -1); // unknown types count nowhere
    Eintrag(r, Tag(2024, 2, 29), 3, 3);
    Eintrag(r, Tag(2028, 2, 29), 3, 3); // same slot, another year
    // Just after midnight on New Year local time, still the old year in UTC.
    Eintrag(r, CTime(2025, 1, 1, 0, 30, 0), 16, 16);
    TagesZahlen erwartet{};
    erwartet[0] = 0.5f;
    erwartet[1] = 1.0f;
    erwartet[15] = 1.0f;
    EXPECT_EQ(TageZaehlen(r, 2025), erwartet);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2024), 3), 1.0f);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2024), 16), 0.0f);
    EXPECT_EQ(Zahl(TageZaehlen(r, 2028), 3), 1.0f);
}

TEST(JahresMarken, EineMarkeJeGanztagSonstZweiteVorErsterHaelfte) {
    EintragsartTabelle t = EintragsartTabelle::Standard();
    t.m_nAusrichtung[2] = Oben;
    t.m_nAusrichtung[5] = Unten;
    CRessource r;
    Eintrag(r, Tag(2025, 1, 2), 7, 7);
    Eintrag(r, Tag(2025, 1, 3), 2, 5);
    Eintrag(r, Tag(2025, 1, 6), 0, 0);
    Eintrag(r, Tag(1999, 1, 7), 1, 1); // other years are kept: the pane skips them itself
    const std::vector<TagMarke> erwartet = {
        {Tag(2025, 1, 2), 0xB4B4B4, true, true, Voll},   {Tag(2025, 1, 3), 0xC8C800, false, true, Unten},
        {Tag(2025, 1, 3), 0x00C800, true, false, Oben},  {Tag(1999, 1, 7), 0x0000C8, true, true, Voll},
    };
    EXPECT_EQ(JahresMarken(r, t), erwartet);
}

TEST(StatistikBalken, HoeheNachAnteilAmHoechstwert) {
    const StatistikRaster r = StatistikRasterFuer(320, 220); // cw 20, rh 20
    EXPECT_EQ(StatistikBalken(r, 1, 10.0f, 10.0f), (Rechteck{2, 40, 18, 220}));   // the maximum reaches row 2
    EXPECT_EQ(StatistikBalken(r, 16, 1.0f, 3.0f), (Rechteck{302, 147, 318, 220})); // 8 * 20 / 3 = 53.3
    EXPECT_FALSE(StatistikBalken(r, 4, 0.0f, 10.0f));
    EXPECT_FALSE(StatistikBalken(r, 4, 0.0f, 0.0f));
    EXPECT_EQ(AnzahlText(0.5f), "0.5"); // never a decimal comma, whatever the locale
}

} // namespace
