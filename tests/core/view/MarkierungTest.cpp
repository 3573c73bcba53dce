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

TEST(Markierung, VonZweiterZuErsterHaelfteDesselbenTagesMarktBeide) {
    Paar p;
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 3, 21), Um(2025, 3, 3, 9), 5, kJetzt);
    for (const CTagEintrag* e : {p.A(2025, 3, 3), p.W(2025, 3, 3)}) {
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->m_nArtVormittag, 5);
        EXPECT_EQ(e->m_nArtNachmittag, 5);
    }
    EXPECT_EQ(p.W(2025, 3, 3)->m_timeGeaendert, kJetzt);
    EXPECT_EQ(p.W(2025, 3, 3)->m_timeDatum, Um(2025, 3, 3, 9)) << "created by the first half's call";
}

TEST(Markierung, RueckwaertsGleichVorwaerts) {
    Paar vor, rueck;
    MarkierungUebernehmen(&vor.anzeige, &vor.arbeit, Um(2025, 3, 3, 21), Um(2025, 3, 6, 9), 2, kJetzt);
    MarkierungUebernehmen(&rueck.anzeige, &rueck.arbeit, Um(2025, 3, 6, 9), Um(2025, 3, 3, 21), 2, kJetzt);
    for (int tag = 2; tag <= 7; ++tag) {
        const CTagEintrag* v = vor.W(2025, 3, tag);
        const CTagEintrag* r = rueck.W(2025, 3, tag);
        ASSERT_EQ(v == nullptr, r == nullptr) << tag;
        if (!v) continue;
        EXPECT_EQ(v->m_nArtVormittag, r->m_nArtVormittag) << tag;
        EXPECT_EQ(v->m_nArtNachmittag, r->m_nArtNachmittag) << tag;
    }
    EXPECT_EQ(vor.W(2025, 3, 2), nullptr);
    EXPECT_EQ(vor.W(2025, 3, 3)->m_nArtVormittag, 0);
    EXPECT_EQ(vor.W(2025, 3, 3)->m_nArtNachmittag, 2);
    EXPECT_EQ(vor.W(2025, 3, 5)->m_nArtVormittag, 2);
    EXPECT_EQ(vor.W(2025, 3, 6)->m_nArtVormittag, 2);
    EXPECT_EQ(vor.W(2025, 3, 6)->m_nArtNachmittag, 0);
    EXPECT_EQ(vor.W(2025, 3, 7), nullptr);
}

TEST(Markierung, GleicheSpalteMarktGenauDieseHaelfte) {
    Paar p;
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 3, 21), Um(2025, 3, 3, 21), 7, kJetzt);
    EXPECT_EQ(p.W(2025, 3, 3)->m_nArtVormittag, 0);
    EXPECT_EQ(p.W(2025, 3, 3)->m_nArtNachmittag, 7);
    EXPECT_EQ(p.arbeit.AnzahlEintraege(), 1u);
}

TEST(Markierung, LoeschenLeertNurDieGezogenenHaelften) {
    Paar p;
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 3, 9), Um(2025, 3, 5, 21), 4, kJetzt);
    MarkierungUebernehmen(&p.anzeige, &p.arbeit, Um(2025, 3, 3, 21), Um(2025, 3, 5, 9), 0,
                          CTime(kJetzt.GetTime() + 5));
    for (const CRessource* r : {&p.anzeige, &p.arbeit}) {
        EXPECT_EQ(r->FindeTag(Um(2025, 3, 3, 0))->m_nArtVormittag, 4) << "untouched half of the first day";
        EXPECT_EQ(r->FindeTag(Um(2025, 3, 3, 0))->m_nArtNachmittag, 0);
        EXPECT_TRUE(r->FindeTag(Um(2025, 3, 4, 0))->IstGeloescht()) << "the entry stays, both halves 0";
        EXPECT_EQ(r->FindeTag(Um(2025, 3, 5, 0))->m_nArtVormittag, 0);
        EXPECT_EQ(r->FindeTag(Um(2025, 3, 5, 0))->m_nArtNachmittag, 4);
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

TEST(Markierung, OhneArbeitssatzNurDieAnzeigeOhneAnzeigeNurDerPlan) {
    Paar p;
    MarkierungUebernehmen(&p.anzeige, nullptr, Um(2025, 3, 4, 9), Um(2025, 3, 4, 9), 3, kJetzt);
    EXPECT_NE(p.A(2025, 3, 4), nullptr);
    MarkierungUebernehmen(nullptr, &p.arbeit, Um(2025, 3, 5, 9), Um(2025, 3, 5, 9), 3, kJetzt);
    EXPECT_NE(p.W(2025, 3, 5), nullptr);
    EXPECT_EQ(p.A(2025, 3, 5), nullptr);
}

TEST(Markierung, UeberDieZeitumstellungBleibenDieHaelftenRichtig) {
    // 43,200-second steps from 09:00 winter time land on 10:00 and 22:00 summer time.
    Paar p;
    MarkierungUebernehmen(nullptr, &p.arbeit, Um(2025, 3, 29, 21),
                          CTime(Um(2025, 3, 29, 21).GetTime() + 5 * 43200), 9, kJetzt);
    EXPECT_EQ(p.W(2025, 3, 29)->m_nArtVormittag, 0);
    EXPECT_EQ(p.W(2025, 3, 29)->m_nArtNachmittag, 9);
    EXPECT_EQ(p.W(2025, 3, 30)->m_nArtVormittag, 9);
    EXPECT_EQ(p.W(2025, 3, 31)->m_nArtNachmittag, 9);
    EXPECT_EQ(p.W(2025, 4, 1)->m_nArtVormittag, 9);
    EXPECT_EQ(p.W(2025, 4, 1)->m_nArtNachmittag, 0);
    EXPECT_EQ(p.arbeit.AnzahlEintraege(), 4u);
}

} // namespace
