#include <gtest/gtest.h>

#include "data/Ressource.h"

using namespace kalvora;

namespace {

CTime Um(int j, int m, int t, int h) { return CTime(j, m, t, h, 0, 0); }

TEST(Zeit, LokaleZerlegungInBerlin) {
    // 2024-03-31 02:30 UTC is 04:30 summer time; 2024-01-01 00:00 UTC is 01:00 winter time.
    const LokaleZeit s = CTime(1711852200).Lokal();
    EXPECT_EQ(s.jahr, 2024);
    EXPECT_EQ(s.monat, 3);
    EXPECT_EQ(s.tag, 31);
    EXPECT_EQ(s.stunde, 4);
    EXPECT_EQ(s.minute, 30);
    EXPECT_EQ(s.wochentag, 1); // Sunday
    const LokaleZeit w = CTime(1704067200).Lokal();
    EXPECT_EQ(w.stunde, 1);
    EXPECT_EQ(w.wochentag, 2); // Monday
}

TEST(Zeit, LokalerAufbauUndZerlegungSindUmkehrbar) {
    for (int jahr : {1972, 1996, 2024, 2035})
        for (int monat = 1; monat <= 12; ++monat)
            for (int tag : {1, 15, 28})
                for (int stunde : {0, 9, 21, 23}) {
                    const LokaleZeit z = CTime(jahr, monat, tag, stunde, 0, 0).Lokal();
                    ASSERT_EQ(z.jahr, jahr);
                    ASSERT_EQ(z.monat, monat);
                    ASSERT_EQ(z.tag, tag);
                    ASSERT_EQ(z.stunde, stunde);
                }
    // Both clock changes of 2024: 09:00 and 21:00 stay what they say.
    EXPECT_EQ(Um(2024, 3, 31, 9).GetTime() + 12 * 3600, Um(2024, 3, 31, 21).GetTime());
    EXPECT_EQ(Um(2024, 10, 27, 21).GetTime() - Um(2024, 10, 27, 9).GetTime(), 12 * 3600);
}

TEST(Zeit, ZerlegungStimmtMitDerCBibliothek) {
    for (std::int64_t t = 0; t < 2100000000; t += 7777777) {
        std::time_t tt = static_cast<std::time_t>(t);
        std::tm tm{};
        localtime_r(&tt, &tm);
        const LokaleZeit z = CTime(t).Lokal();
        ASSERT_EQ(z.jahr, tm.tm_year + 1900) << t;
        ASSERT_EQ(z.monat, tm.tm_mon + 1) << t;
        ASSERT_EQ(z.tag, tm.tm_mday) << t;
        ASSERT_EQ(z.stunde, tm.tm_hour) << t;
        ASSERT_EQ(z.wochentag, tm.tm_wday + 1) << t;
    }
}

TEST(Tage, SchaltTageVerschiedenerJahreTeilenDenSlotInMarkierReihenfolge) {
    CRessource r;
    SetTag(&r, Um(2028, 2, 29, 9), 1, 0, "", CTime(5));
    SetTag(&r, Um(2024, 2, 29, 9), 2, 0, "", CTime(6));
    ASSERT_EQ(r.Slot(2, 29).size(), 2u);
    EXPECT_EQ(r.Slot(2, 29)[0].m_timeDatum.GetYear(), 2028);
    EXPECT_EQ(r.Slot(2, 29)[1].m_timeDatum.GetYear(), 2024);
}

TEST(Tage, HalbtagNachLokalerStunde) {
    CRessource r;
    // A new entry takes both type arguments, whatever the hour.
    SetTag(&r, Um(2024, 5, 6, 21), 3, 4, "", CTime(1));
    CTagEintrag* e = r.FindeTag(Um(2024, 5, 6, 0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_nArtVormittag, 3);
    EXPECT_EQ(e->m_nArtNachmittag, 4);
    // Existing: hour < 12 changes only the first half, 12 or later only the second.
    SetTag(&r, Um(2024, 5, 6, 11), 7, 8, "", CTime(2));
    EXPECT_EQ(e->m_nArtVormittag, 7);
    EXPECT_EQ(e->m_nArtNachmittag, 4);
    SetTag(&r, Um(2024, 5, 6, 12), 9, 10, "", CTime(3));
    EXPECT_EQ(e->m_nArtVormittag, 7);
    EXPECT_EQ(e->m_nArtNachmittag, 10);
    EXPECT_EQ(e->m_timeGeaendert, CTime(3));
    EXPECT_EQ(r.Slot(5, 6).size(), 1u);
}

TEST(Tage, SetTagBehaeltNotizSetTagAnzeigeErsetztSie) {
    CRessource arbeit, anzeige;
    SetTag(&arbeit, Um(2024, 1, 2, 9), 1, 0, "alt", CTime(1));
    SetTagAnzeige(anzeige, Um(2024, 1, 2, 9), 1, 0, "alt");
    SetTag(&arbeit, Um(2024, 1, 2, 21), 0, 2, "neu", CTime(2));
    SetTagAnzeige(anzeige, Um(2024, 1, 2, 21), 0, 2, "neu");
    EXPECT_EQ(arbeit.FindeTag(Um(2024, 1, 2, 0))->m_strNotiz, "alt");
    EXPECT_EQ(anzeige.FindeTag(Um(2024, 1, 2, 0))->m_strNotiz, "neu");
    // The display setter leaves change times alone.
    EXPECT_EQ(anzeige.FindeTag(Um(2024, 1, 2, 0))->m_timeGeaendert, CTime(0));
    SetTag(nullptr, Um(2024, 1, 2, 9), 1, 1, "", CTime(3)); // no-op, no crash
}

TEST(Tage, LoeschenLaesstEinenGeleertenEintragStehen) {
    CRessource r;
    SetTag(&r, Um(2024, 7, 1, 9), 5, 5, "", CTime(1));
    SetTag(&r, Um(2024, 7, 1, 9), 0, 0, "", CTime(2));
    SetTag(&r, Um(2024, 7, 1, 21), 0, 0, "", CTime(3));
    ASSERT_EQ(r.Slot(7, 1).size(), 1u);
    EXPECT_TRUE(r.Slot(7, 1)[0].IstGeloescht());
    EXPECT_EQ(r.Slot(7, 1)[0].m_timeGeaendert, CTime(3));
}

TEST(Identitaet, GruppeZaehltNichtGrossKleinschreibungSchon) {
    CRessource a, b;
    a.m_strBenennung1 = b.m_strBenennung1 = "Meier";
    a.m_strBenennung2 = b.m_strBenennung2 = "Anna";
    a.m_strIdentNr = b.m_strIdentNr = "17";
    a.m_strGruppe = "Lager";
    b.m_strGruppe = "Büro";
    EXPECT_TRUE(a.GleicheIdentitaet(b));
    b.m_strBenennung1 = "meier";
    EXPECT_FALSE(a.GleicheIdentitaet(b));
    b.m_strBenennung1 = "Meier";
    b.m_strIdentNr = "17 ";
    EXPECT_FALSE(a.GleicheIdentitaet(b));
}

TEST(Listen, ZeilennummerIstDieKleinsteFreie) {
    RessourcenListe l;
    EXPECT_EQ(FreieZeile(l), 1);
    for (int z : {1, 2, 4}) {
        l.push_back(std::make_unique<CRessource>());
        l.back()->m_nZeile = z;
    }
    EXPECT_EQ(FreieZeile(l), 3);
    l[1]->m_nZeile = 3;
    EXPECT_EQ(FreieZeile(l), 2);
}

TEST(Listen, KopieIstTiefUndOhneHilfsfelder) {
    RessourcenListe l;
    for (const char* name : {"B", "A"}) {
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = name;
        r->m_strGruppe = "G";
        r->m_nPosition = 5;
        r->m_bDrucken = true;
        r->m_nZeile = 2;
        r->m_bGeloescht = true;
        r->m_timeGeaendert = CTime(77);
        SetTag(r.get(), Um(2024, 3, 3, 9), 1, 2, "n", CTime(8));
        l.push_back(std::move(r));
    }
    RessourcenListe k = KopiereListe(l);
    ASSERT_EQ(k.size(), 2u);
    EXPECT_EQ(k[0]->m_strBenennung1, "B");
    EXPECT_EQ(k[1]->m_strBenennung1, "A");
    EXPECT_EQ(k[0]->m_nPosition, 0);
    EXPECT_FALSE(k[0]->m_bDrucken);
    EXPECT_EQ(k[0]->m_nZeile, 0);
    EXPECT_TRUE(k[0]->m_bGeloescht);
    EXPECT_EQ(k[0]->m_timeGeaendert, CTime(77));
    // Changing the copy leaves the original alone.
    SetTag(k[0].get(), Um(2024, 3, 3, 9), 9, 0, "", CTime(9));
    EXPECT_EQ(l[0]->FindeTag(Um(2024, 3, 3, 0))->m_nArtVormittag, 1);
    EXPECT_EQ(k[0]->FindeTag(Um(2024, 3, 3, 0))->m_strNotiz, "n");
    ListeFreigeben(l);
    EXPECT_TRUE(l.empty());
}

} // namespace
