// The year overview: where each day's cell and marks go, counting days per entry type and the bar
// chart's geometry. Alignments, halves and the panes themselves are pixel-tested in
// tests/gui/JahresFeldTest; here what they do not reach.
#include <gtest/gtest.h>

#include <map>

#include "TestHilfen.h"
#include "view/JahresLayout.h"
#include "view/Statistik.h"

using namespace kalvora;
using kalvora::test::Um;

namespace {

const JahresRaster k20{20.0, 20.0}; // a pane of 720 x 320

TEST(JahresTage, JedesDatumEinmalZeilenJeMonat) {
    for (int jahr : {2023, 2024}) {
        double yDanach = 0;
        const auto tage = JahresTage(jahr, k20, &yDanach);
        ASSERT_EQ(tage.size(), jahr == 2024 ? 366u : 365u) << jahr;
        std::map<int, int> jeMonat;
        for (const JahresTag& t : tage) {
            ++jeMonat[t.monat];
            EXPECT_EQ(std::pair(t.x, t.y), std::pair(70.0 + (t.tag - 1) * 20.0, 40.0 + (t.monat - 1) * 20.0))
                << jahr << "-" << t.monat << "-" << t.tag;
        }
        EXPECT_EQ(jeMonat[3], 31);         // spring forward: noon steps stay inside their days
        EXPECT_EQ(yDanach, 280.0) << jahr; // the legend's row 14
    }
    EXPECT_EQ(JahresTage(2025, k20)[151].wochentag, 1); // 1 June 2025, a Sunday
}

TEST(JahresMarke, UngeradeBreiteTeiltInHaelftenVonZehn) {
    const JahresTag t{1, 1, 4, 70.0, 40.0};
    EXPECT_EQ(MarkenRechteck(t, JahresRaster{21.0, 20.0}, 0, false, true), (Rechteck{80, 45, 90, 55}));
    EXPECT_EQ(MarkenRechteck(t, JahresRaster{21.0, 20.0}, 9, true, false), (Rechteck{70, 45, 80, 55})); // 9: "Voll"
    EXPECT_FALSE(MarkenRechteck(t, k20, 0, false, false));
}

void Eintrag(CRessource& r, CTime datum, int vm, int nm) {
    const MonatTag mt = LokalerMonatTag(datum);
    r.m_pTage.Anhaengen(mt.monat, mt.tag, {CTime(1), vm, nm, datum, {}});
}

TEST(TageZaehlen, HalbeTageJeArtUndNurImGezeigtenJahr) {
    CRessource r;
    Eintrag(r, Um(2025, 3, 4, 9), 1, 2);
    Eintrag(r, Um(2025, 3, 5, 9), 0, 2);
    Eintrag(r, Um(2025, 3, 6, 9), 17, -1); // unknown types count nowhere
    Eintrag(r, Um(2024, 2, 29, 9), 3, 3);
    Eintrag(r, Um(2028, 2, 29, 9), 3, 3); // same slot, another year
    // Just after midnight on New Year local time, still the old year in UTC.
    Eintrag(r, CTime(2025, 1, 1, 0, 30, 0), 16, 16);
    TagesZahlen erwartet{};
    erwartet[0] = 0.5f;
    erwartet[1] = 1.0f;
    erwartet[15] = 1.0f;
    EXPECT_EQ(TageZaehlen(r, 2025), erwartet);
    EXPECT_EQ(TageZaehlen(r, 2024)[2], 1.0f);
    EXPECT_EQ(TageZaehlen(r, 2024)[15], 0.0f);
    EXPECT_EQ(TageZaehlen(r, 2028)[2], 1.0f);
}

TEST(JahresMarken, EineMarkeJeGanztagSonstZweiteVorErsterHaelfte) {
    EintragsartTabelle t = EintragsartTabelle::Standard();
    t.m_nAusrichtung[2] = Oben;
    t.m_nAusrichtung[5] = Unten;
    CRessource r;
    Eintrag(r, Um(2025, 1, 2, 9), 7, 7);
    Eintrag(r, Um(2025, 1, 3, 9), 2, 5);
    Eintrag(r, Um(2025, 1, 6, 9), 0, 0);
    Eintrag(r, Um(1999, 1, 7, 9), 1, 1); // other years are kept: the pane skips them itself
    const std::vector<TagMarke> erwartet = {
        {Um(2025, 1, 2, 9), 0xB4B4B4, true, true, Voll},  {Um(2025, 1, 3, 9), 0xC8C800, false, true, Unten},
        {Um(2025, 1, 3, 9), 0x00C800, true, false, Oben}, {Um(1999, 1, 7, 9), 0x0000C8, true, true, Voll},
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
