// A finished drag written into the display row and the working record.
#include <gtest/gtest.h>

#include "view/Markierung.h"

using namespace kalvora;

namespace {

CTime Um(int j, int m, int t, int h) {
    return CTime(j, m, t, h, 0, 0);
}
const CTime kJetzt(1750000000);

struct Paar {
    CRessource anzeige, arbeit;
    const CTagEintrag* A(int j, int m, int t) const { return anzeige.FindeTag(Um(j, m, t, 0)); }
    const CTagEintrag* W(int j, int m, int t) const { return arbeit.FindeTag(Um(j, m, t, 0)); }
};

// Both drag directions, one column and marking over a note are driven with real mouse events in
// tests/gui/MausAnsichtTest; here what the saved file cannot show.

TEST(Markierung, LoeschenLeertNurDieGezogenenHaelften) {
    Paar p;
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 3, 9), Um(2025, 3, 5, 21), 4, kJetzt);
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 3, 21), Um(2025, 3, 5, 9), 0,
                          CTime(kJetzt.GetTime() + 5));
    for (const CRessource* r : {&p.anzeige, &p.arbeit}) {
        EXPECT_EQ(r->FindeTag(Um(2025, 3, 3, 0))->m_nArtVormittag, 4) << "untouched half of the first day";
        EXPECT_TRUE(r->FindeTag(Um(2025, 3, 4, 0))->IstGeloescht()) << "the entry stays, both halves 0";
    }
    EXPECT_EQ(p.W(2025, 3, 4)->m_timeGeaendert, CTime(kJetzt.GetTime() + 5));
}

TEST(Markierung, NotizBleibtImPlanDieAnzeigeZeigtSieErstNachDemAbgleich) {
    Paar p;
    SetTag(&p.arbeit, Um(2025, 3, 4, 9), 1, 1, "Arzt", CTime(1));
    SetTagAnzeige(p.anzeige, Um(2025, 3, 4, 9), 1, 1, "Arzt");
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 4, 9), Um(2025, 3, 4, 21), 3, kJetzt);
    EXPECT_EQ(p.W(2025, 3, 4)->m_strNotiz, "Arzt");
    EXPECT_EQ(p.W(2025, 3, 4)->m_nArtVormittag, 3);
    EXPECT_EQ(p.A(2025, 3, 4)->m_strNotiz, "") << "the display row takes the empty note until rebuilt";
}

TEST(Markierung, UeberDieZeitumstellungBleibenDieHaelftenRichtig) {
    // 43,200-second steps from 09:00 winter time land on 10:00 and 22:00 summer time.
    Paar p;
    MarkierungUebernehmen(nullptr, &p.arbeit, Um(2025, 3, 29, 21),
                          CTime(Um(2025, 3, 29, 21).GetTime() + 5 * 43200), 9, kJetzt);
    EXPECT_EQ(p.W(2025, 3, 29)->m_nArtVormittag, 0);
    EXPECT_EQ(p.W(2025, 3, 30)->m_nArtVormittag, 9);
    EXPECT_EQ(p.W(2025, 4, 1)->m_nArtVormittag, 9);
    EXPECT_EQ(p.W(2025, 4, 1)->m_nArtNachmittag, 0);
    EXPECT_EQ(p.arbeit.AnzahlEintraege(), 4u);
}

} // namespace
