// The merge of a loaded disk copy into the working list.
#include <gtest/gtest.h>

#include <random>

#include "data/DatenbankFormat.h"
#include "data/Zusammenfuehren.h"

using namespace kalvora;

namespace {

CTime Um(int j, int m, int t, int h) {
    return CTime(j, m, t, h, 0, 0);
}
const CTime kJetzt = Um(2025, 6, 2, 12);

std::unique_ptr<CRessource> R(const std::string& b1, const std::string& b2 = "", const std::string& nr = "",
                              CTime geaendert = CTime(1000)) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = b1;
    r->m_strBenennung2 = b2;
    r->m_strIdentNr = nr;
    r->m_timeGeaendert = geaendert;
    return r;
}

void Tag(CRessource& r, CTime datum, int vm, int nm, const std::string& notiz, CTime geaendert) {
    r.Slot(datum.GetMonth(), datum.GetDay()).push_back({geaendert, vm, nm, datum, notiz});
}

std::string Namen(const RessourcenListe& liste) {
    std::string s;
    for (const auto& r : liste)
        s += (s.empty() ? "" : " ") + r->m_strBenennung1 + r->m_strBenennung2;
    return s;
}

TEST(Zusammenfuehren, NeueRessourcenNachBenennung1Eingefuegt) {
    RessourcenListe arbeit;
    for (const char* n : {"B", "D", "F"})
        arbeit.push_back(R(n));
    RessourcenListe geladen;
    for (const auto& [b1, b2] : std::vector<std::pair<std::string, std::string>>{
             {"C", ""}, {"A", ""}, {"G", ""}, {"B", "2"}, {"D", "2"}, {"A", "2"}})
        geladen.push_back(R(b1, b2));
    Zusammenfuehren(arbeit, geladen, kJetzt);
    // Smaller than the head: new head. Equal to the head: after it. Equal to a later record:
    // before it (the walk stops at the last smaller one).
    EXPECT_EQ(Namen(arbeit), "A A2 B2 B C D2 D F G");
}

TEST(Zusammenfuehren, EinfuegenInUnsortierteUndLeereListe) {
    RessourcenListe arbeit;
    arbeit.push_back(R("C"));
    arbeit.push_back(R("A"));
    RessourcenListe geladen;
    geladen.push_back(R("B"));
    Zusammenfuehren(arbeit, geladen, kJetzt);
    EXPECT_EQ(Namen(arbeit), "C A B");

    RessourcenListe leer, drei;
    for (const char* n : {"M", "Z", "A"})
        drei.push_back(R(n));
    Zusammenfuehren(leer, drei, kJetzt);
    EXPECT_EQ(Namen(leer), "A M Z");
}

TEST(Zusammenfuehren, ByteOrdnungMitGrossKleinUndUmlauten) {
    RessourcenListe arbeit;
    arbeit.push_back(R("Zorn"));
    RessourcenListe geladen;
    geladen.push_back(R("\xC4rger")); // "Ärger" in Windows-1252: 0xC4 after every ASCII letter
    geladen.push_back(R("adler"));    // lower case after upper case
    geladen.push_back(R("Adler"));
    Zusammenfuehren(arbeit, geladen, kJetzt);
    EXPECT_EQ(Namen(arbeit), "Adler Zorn adler \xC4rger");
}

TEST(Zusammenfuehren, NeueRessourceUebernimmtStammdatenUndTageMitFrischerZeit) {
    RessourcenListe arbeit, geladen;
    geladen.push_back(R("Neu", "Nina", "7", CTime(333)));
    CRessource& r = *geladen[0];
    r.m_strGruppe = "Lager";
    r.m_bGeloescht = true;
    Tag(r, Um(2026, 3, 4, 15), 2, 5, "n1", CTime(50));
    Tag(r, Um(2024, 3, 4, 9), 0, 0, "", CTime(60)); // cleared days come along too
    Zusammenfuehren(arbeit, geladen, kJetzt);
    ASSERT_EQ(arbeit.size(), 1u);
    const CRessource& n = *arbeit[0];
    EXPECT_EQ(n.m_strBenennung2, "Nina");
    EXPECT_EQ(n.m_strGruppe, "Lager");
    EXPECT_EQ(n.m_strIdentNr, "7");
    EXPECT_EQ(n.m_timeGeaendert, CTime(333));
    EXPECT_TRUE(n.m_bGeloescht);
    ASSERT_EQ(n.Slot(3, 4).size(), 2u);
    const CTagEintrag& e = n.Slot(3, 4)[0];
    EXPECT_EQ(e.m_timeDatum, Um(2026, 3, 4, 9));
    EXPECT_EQ(e.m_nArtVormittag, 2);
    EXPECT_EQ(e.m_nArtNachmittag, 5);
    EXPECT_EQ(e.m_strNotiz, "n1");
    EXPECT_EQ(e.m_timeGeaendert, kJetzt);
    EXPECT_EQ(n.Slot(3, 4)[1].m_timeDatum.GetYear(), 2024);
    EXPECT_TRUE(n.Slot(3, 4)[1].IstGeloescht());
}

TEST(Zusammenfuehren, StammdatenNurVonNeuererPlatte) {
    RessourcenListe arbeit, geladen;
    arbeit.push_back(R("Alt", "", "", CTime(100)));
    arbeit.push_back(R("Neu", "", "", CTime(300)));
    arbeit.push_back(R("Gleich", "", "", CTime(200)));
    for (auto& w : arbeit)
        w->m_strGruppe = "hier";
    geladen.push_back(R("Alt", "", "", CTime(200)));
    geladen.push_back(R("Neu", "", "", CTime(200)));
    geladen.push_back(R("Gleich", "", "", CTime(200)));
    for (auto& r : geladen) {
        r->m_strGruppe = "dort";
        r->m_bGeloescht = true;
    }
    Zusammenfuehren(arbeit, geladen, kJetzt);
    EXPECT_EQ(arbeit[0]->m_strGruppe, "dort");
    EXPECT_TRUE(arbeit[0]->m_bGeloescht);
    EXPECT_EQ(arbeit[0]->m_timeGeaendert, CTime(200));
    for (int i : {1, 2}) {
        EXPECT_EQ(arbeit[i]->m_strGruppe, "hier") << i;
        EXPECT_FALSE(arbeit[i]->m_bGeloescht) << i;
    }
    EXPECT_EQ(arbeit[1]->m_timeGeaendert, CTime(300));
    EXPECT_EQ(Namen(arbeit), "Alt Neu Gleich") << "nothing is re-sorted";
}

TEST(Zusammenfuehren, IdentitaetOhneGruppeAberMitGrossKlein) {
    RessourcenListe arbeit, geladen;
    arbeit.push_back(R("Huber", "Hans", "1"));
    arbeit[0]->m_strGruppe = "A";
    geladen.push_back(R("Huber", "Hans", "1", CTime(2000)));
    geladen[0]->m_strGruppe = "B";
    geladen.push_back(R("huber", "Hans", "1"));
    geladen.push_back(R("Huber", "Hans", "2"));
    geladen.push_back(R("Huber", "hans", "1"));
    Zusammenfuehren(arbeit, geladen, kJetzt);
    ASSERT_EQ(arbeit.size(), 4u);
    EXPECT_EQ(arbeit[0]->m_strGruppe, "B") << "another group is the same resource";
}

TEST(Zusammenfuehren, TagesregelnNachAenderungszeit) {
    RessourcenListe arbeit, geladen;
    arbeit.push_back(R("H"));
    geladen.push_back(R("H"));
    CRessource& w = *arbeit[0];
    CRessource& r = *geladen[0];
    Tag(w, Um(2025, 5, 1, 9), 1, 1, "w-alt", CTime(100)); // disk newer: all fields change
    Tag(r, Um(2025, 5, 1, 15), 2, 0, "r-neu", CTime(200));
    Tag(w, Um(2025, 5, 2, 9), 1, 1, "w-neu", CTime(300)); // disk older: stays
    Tag(r, Um(2025, 5, 2, 9), 3, 3, "r-alt", CTime(200));
    Tag(w, Um(2025, 5, 3, 9), 1, 1, "w", CTime(200)); // equal: stays
    Tag(r, Um(2025, 5, 3, 9), 4, 4, "r", CTime(200));
    Tag(w, Um(2025, 5, 4, 9), 6, 6, "nur hier", CTime(1)); // only here: stays
    Tag(w, Um(2025, 5, 5, 9), 7, 7, "", CTime(1));
    Tag(r, Um(2024, 5, 5, 21), 8, 9, "nur dort", CTime(1)); // only there, same slot: appended
    Zusammenfuehren(arbeit, geladen, kJetzt);

    const CTagEintrag& e1 = w.Slot(5, 1)[0];
    EXPECT_EQ(e1.m_nArtVormittag, 2);
    EXPECT_EQ(e1.m_nArtNachmittag, 0);
    EXPECT_EQ(e1.m_strNotiz, "r-neu");
    EXPECT_EQ(e1.m_timeGeaendert, CTime(200));
    EXPECT_EQ(e1.m_timeDatum, Um(2025, 5, 1, 15));
    EXPECT_EQ(w.Slot(5, 2)[0].m_strNotiz, "w-neu");
    EXPECT_EQ(w.Slot(5, 3)[0].m_strNotiz, "w");
    EXPECT_EQ(w.Slot(5, 4)[0].m_strNotiz, "nur hier");
    ASSERT_EQ(w.Slot(5, 5).size(), 2u);
    EXPECT_EQ(w.Slot(5, 5)[0].m_timeDatum.GetYear(), 2025);
    const CTagEintrag& e5 = w.Slot(5, 5)[1];
    EXPECT_EQ(e5.m_timeDatum, Um(2024, 5, 5, 9));
    EXPECT_EQ(e5.m_nArtVormittag, 8);
    EXPECT_EQ(e5.m_nArtNachmittag, 9);
    EXPECT_EQ(e5.m_strNotiz, "nur dort");
    EXPECT_EQ(e5.m_timeGeaendert, kJetzt);
}

TEST(Zusammenfuehren, DoppelteIdentitaetenTreffenDieErste) {
    RessourcenListe arbeit, geladen;
    arbeit.push_back(R("X", "", "", CTime(100)));
    arbeit.push_back(R("X", "", "", CTime(100)));
    geladen.push_back(R("X", "", "", CTime(200)));
    geladen[0]->m_strGruppe = "eins";
    geladen.push_back(R("Y", "", "", CTime(200)));
    geladen.push_back(R("Y", "", "", CTime(300)));
    geladen[2]->m_strGruppe = "zwei";
    Tag(*geladen[2], Um(2025, 1, 2, 9), 1, 1, "", CTime(5));
    Zusammenfuehren(arbeit, geladen, kJetzt);
    ASSERT_EQ(arbeit.size(), 3u);
    EXPECT_EQ(arbeit[0]->m_strGruppe, "eins");
    EXPECT_EQ(arbeit[1]->m_strGruppe, "");
    EXPECT_EQ(arbeit[2]->m_strGruppe, "zwei") << "the second Y merges into the one the first added";
    EXPECT_EQ(arbeit[2]->AnzahlEintraege(), 1u);
}

// The merge as the protocol states it, step by step, without an index or day numbers: scan
// from the head, compare local dates through the full breakdown, link in by walking.
void Referenz(RessourcenListe& arbeit, RessourcenListe& geladen, CTime jetzt) {
    const auto zweimal = [&](CRessource* ziel, const CTagEintrag& e) {
        const LokaleZeit z = e.m_timeDatum.Lokal();
        SetTag(ziel, CTime(z.jahr, z.monat, z.tag, 9, 0, 0), e.m_nArtVormittag, e.m_nArtNachmittag,
               e.m_strNotiz, jetzt);
        SetTag(ziel, CTime(z.jahr, z.monat, z.tag, 21, 0, 0), e.m_nArtVormittag, e.m_nArtNachmittag,
               e.m_strNotiz, jetzt);
    };
    for (const auto& pr : geladen) {
        const CRessource& r = *pr;
        CRessource* w = nullptr;
        for (const auto& kandidat : arbeit)
            if (kandidat->GleicheIdentitaet(r)) {
                w = kandidat.get();
                break;
            }
        if (!w) {
            auto n = std::make_unique<CRessource>();
            n->m_strBenennung1 = r.m_strBenennung1;
            n->m_strBenennung2 = r.m_strBenennung2;
            n->m_strGruppe = r.m_strGruppe;
            n->m_strIdentNr = r.m_strIdentNr;
            n->m_timeGeaendert = r.m_timeGeaendert;
            n->m_bGeloescht = r.m_bGeloescht;
            r.FuerAlleTage([&](const CTagEintrag& e) { zweimal(n.get(), e); });
            if (arbeit.empty()) {
                arbeit.push_back(std::move(n));
                continue;
            }
            auto p = arbeit.begin();
            while (std::next(p) != arbeit.end() && (*std::next(p))->m_strBenennung1 < n->m_strBenennung1)
                ++p;
            if (p == arbeit.begin() && (*p)->m_strBenennung1 > n->m_strBenennung1)
                arbeit.insert(p, std::move(n));
            else
                arbeit.insert(std::next(p), std::move(n));
            continue;
        }
        if (w->m_timeGeaendert < r.m_timeGeaendert) {
            w->m_strBenennung1 = r.m_strBenennung1;
            w->m_strBenennung2 = r.m_strBenennung2;
            w->m_strGruppe = r.m_strGruppe;
            w->m_strIdentNr = r.m_strIdentNr;
            w->m_timeGeaendert = r.m_timeGeaendert;
            w->m_bGeloescht = r.m_bGeloescht;
        }
        r.FuerAlleTage([&](const CTagEintrag& e) {
            CTagEintrag* x = w->FindeTag(e.m_timeDatum);
            if (!x)
                zweimal(w, e);
            else if (e.m_timeGeaendert > x->m_timeGeaendert)
                *x = e;
        });
    }
}

RessourcenListe ZufallsPlan(std::mt19937& rng, int ressourcen) {
    RessourcenListe liste;
    const auto zahl = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int i = 0; i < ressourcen; ++i) {
        auto r = R(std::string(1, static_cast<char>('A' + zahl(6))), std::to_string(zahl(2)), "",
                   CTime(100 + zahl(5)));
        r->m_strGruppe = "g" + std::to_string(zahl(3));
        r->m_bGeloescht = zahl(5) == 0;
        for (int k = zahl(40); k > 0; --k) {
            // Few dates, so both sides often share days; a few days across the clock changes.
            const CTime datum = Um(2024 + zahl(3), 3 + zahl(2) * 7, 25 + zahl(5), zahl(2) ? 9 : 21);
            if (r->FindeTag(datum)) continue;
            Tag(*r, datum, zahl(17), zahl(17), zahl(4) ? "" : "n" + std::to_string(zahl(9)),
                CTime(100 + zahl(5)));
        }
        liste.push_back(std::move(r));
    }
    return liste;
}

TEST(Zusammenfuehren, GleichesErgebnisWieDerSchrittweiseAblauf) {
    std::mt19937 rng(20250602);
    for (int runde = 0; runde < 300; ++runde) {
        RessourcenListe arbeit = ZufallsPlan(rng, static_cast<int>(rng() % 12));
        RessourcenListe geladen = ZufallsPlan(rng, static_cast<int>(rng() % 12));
        RessourcenListe arbeitRef = KopiereListe(arbeit), geladenRef = KopiereListe(geladen);
        Zusammenfuehren(arbeit, geladen, kJetzt);
        Referenz(arbeitRef, geladenRef, kJetzt);
        ASSERT_EQ(DatenbankSchreiben(arbeit), DatenbankSchreiben(arbeitRef)) << "round " << runde;
    }
}

} // namespace
