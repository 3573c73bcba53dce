#include <gtest/gtest.h>

#include "data/Ressource.h"

using namespace kalvora;

namespace {

CTime Um(int j, int m, int t, int h) { return CTime(j, m, t, h, 0, 0); }

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
        ASSERT_EQ(z.minute, tm.tm_min) << t;
        ASSERT_EQ(z.wochentag, tm.tm_wday + 1) << t;
        ASSERT_EQ(SlotRechner().Slot(static_cast<std::uint32_t>(t)), z.monat * 32 + z.tag) << t;
    }
}

TEST(Zeit, TagesfachAuchUmMitternachtUndAnUmstellungstagen) {
    // Quarter hours around both clock changes of 2024 and the turn of the year, where the local
    // day differs from the UTC day for an hour or two.
    const SlotRechner rechner;
    for (const CTime& anfang : {Um(2024, 3, 30, 0), Um(2024, 10, 26, 0), Um(2024, 12, 31, 0)})
        for (std::int64_t t = anfang.GetTime(); t < anfang.GetTime() + 3 * 86400; t += 900) {
            const LokaleZeit z = CTime(t).Lokal();
            ASSERT_EQ(rechner.Slot(static_cast<std::uint32_t>(t)), TagTabelle::SlotVon(z.monat, z.tag)) << t;
        }
}

TEST(Tage, TagestabelleHaeltDieReihenfolgeJedesTages) {
    auto jahre = [](std::span<const CTagEintrag> tag) {
        std::string s;
        for (const CTagEintrag& e : tag) s += std::to_string(e.m_timeDatum.GetYear()) + " ";
        return s;
    };
    TagTabelle t;
    t.Anhaengen(3, 5, {CTime(1), 1, 1, Um(2024, 3, 5, 9), ""});
    t.Anhaengen(1, 2, {CTime(1), 0, 0, Um(2020, 1, 2, 9), ""});
    t.Anhaengen(3, 5, {CTime(1), 0, 0, Um(2021, 3, 5, 9), ""});
    t.AnhaengenAlle({{TagTabelle::SlotVon(3, 5), {CTime(2), 2, 2, Um(2019, 3, 5, 9), ""}},
                     {TagTabelle::SlotVon(12, 31), {CTime(2), 2, 2, Um(2019, 12, 31, 9), ""}},
                     {TagTabelle::SlotVon(3, 5), {CTime(2), 2, 2, Um(2025, 3, 5, 9), ""}}});
    EXPECT_EQ(jahre(t.Slot(3, 5)), "2024 2021 2019 2025 ") << "old entries first, new ones in order";
    EXPECT_EQ(jahre(t.Alle()), "2020 2024 2021 2019 2025 2019 ") << "months, days, each day's order";

    t.EntfernenWenn([](const CTagEintrag& e) { return e.IstGeloescht(); });
    EXPECT_EQ(jahre(t.Alle()), "2024 2019 2025 2019 ");
    EXPECT_TRUE(t.Slot(1, 2).empty());

    // Entries in no day order, as a foreign writer might store them: grouped, stable per day.
    std::vector<CTagEintrag> e(4);
    const std::uint16_t slots[] = {TagTabelle::SlotVon(3, 5), TagTabelle::SlotVon(1, 2), TagTabelle::SlotVon(3, 5),
                                   TagTabelle::SlotVon(1, 1)};
    for (int i = 0; i < 4; ++i) e[static_cast<std::size_t>(i)].m_nArtVormittag = i;
    t.Setzen(std::move(e), slots);
    std::string arten;
    for (const CTagEintrag& x : t.Alle()) arten += std::to_string(x.m_nArtVormittag);
    EXPECT_EQ(arten, "3102");
    EXPECT_EQ(t.Slot(3, 5).size(), 2u);
}

TEST(Zeit, LokalerAufbauIstDieUmkehrungDerZerlegung) {
    for (int jahr : {1972, 2024, 2035})
        for (int monat = 1; monat <= 12; ++monat)
            for (int stunde : {0, 9, 21, 23}) {
                const LokaleZeit z = CTime(jahr, monat, 28, stunde, 0, 0).Lokal();
                ASSERT_EQ(z.jahr * 10000 + z.monat * 100 + z.tag, jahr * 10000 + monat * 100 + 28);
                ASSERT_EQ(z.stunde, stunde);
            }
    // Both clock changes of 2024: 09:00 and 21:00 stay what they say.
    EXPECT_EQ(Um(2024, 3, 31, 21).GetTime() - Um(2024, 3, 31, 9).GetTime(), 12 * 3600);
    EXPECT_EQ(Um(2024, 10, 27, 21).GetTime() - Um(2024, 10, 27, 9).GetTime(), 12 * 3600);
}

TEST(Tage, HalbtagNachLokalerStundeUndNotizRegeln) {
    CRessource r, anzeige;
    // A new entry takes both type arguments, whatever the hour.
    SetTag(&r, Um(2024, 5, 6, 21), 3, 4, "alt", CTime(1));
    CTagEintrag* e = r.FindeTag(Um(2024, 5, 6, 0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_nArtVormittag, 3);
    EXPECT_EQ(e->m_nArtNachmittag, 4);
    // Existing: hour < 12 changes only the first half, 12 or later only the second.
    SetTag(&r, Um(2024, 5, 6, 11), 7, 8, "neu", CTime(2));
    EXPECT_EQ(e->m_nArtVormittag, 7);
    EXPECT_EQ(e->m_nArtNachmittag, 4);
    SetTag(&r, Um(2024, 5, 6, 12), 0, 0, "", CTime(3));
    EXPECT_EQ(e->m_nArtVormittag, 7);
    EXPECT_EQ(e->m_nArtNachmittag, 0);
    EXPECT_EQ(e->m_strNotiz, "alt") << "SetTag keeps the note";
    EXPECT_EQ(e->m_timeGeaendert, CTime(3));
    SetTag(&r, Um(2024, 5, 6, 9), 0, 0, "", CTime(4));
    ASSERT_EQ(r.Slot(5, 6).size(), 1u);
    EXPECT_TRUE(r.Slot(5, 6)[0].IstGeloescht()) << "a cleared entry stays";

    SetTagAnzeige(anzeige, Um(2024, 1, 2, 9), 1, 0, "alt");
    SetTagAnzeige(anzeige, Um(2024, 1, 2, 21), 0, 2, "neu");
    EXPECT_EQ(anzeige.FindeTag(Um(2024, 1, 2, 0))->m_strNotiz, "neu") << "the display setter replaces it";
    EXPECT_EQ(anzeige.FindeTag(Um(2024, 1, 2, 0))->m_timeGeaendert, CTime(0));
    SetTag(nullptr, Um(2024, 1, 2, 9), 1, 1, "", CTime(3)); // no-op, no crash
}

TEST(Listen, ZeilennummerIstDieKleinsteFreie) {
    RessourcenListe l;
    EXPECT_EQ(FreieZeile(l), 1);
    for (int z : {1, 2, 4}) {
        l.push_back(std::make_unique<CRessource>());
        l.back()->m_nZeile = z;
    }
    EXPECT_EQ(FreieZeile(l), 3);
}

TEST(Listen, KopieIstTiefUndOhneHilfsfelder) {
    RessourcenListe l;
    for (const char* name : {"B", "A"}) {
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = name;
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
    EXPECT_EQ(k[0]->m_strBenennung1 + k[1]->m_strBenennung1, "BA");
    EXPECT_EQ(k[0]->m_nPosition, 0);
    EXPECT_EQ(k[0]->m_nZeile, 0);
    EXPECT_FALSE(k[0]->m_bDrucken);
    EXPECT_TRUE(k[0]->m_bGeloescht);
    EXPECT_EQ(k[0]->m_timeGeaendert, CTime(77));
    SetTag(k[0].get(), Um(2024, 3, 3, 9), 9, 0, "", CTime(9));
    EXPECT_EQ(l[0]->FindeTag(Um(2024, 3, 3, 0))->m_nArtVormittag, 1) << "the original stays";
    ListeFreigeben(l);
    EXPECT_TRUE(l.empty());
}

} // namespace
