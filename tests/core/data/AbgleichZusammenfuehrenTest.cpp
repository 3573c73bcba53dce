// The merge of a loaded disk copy into the working list.
#include <gtest/gtest.h>

#include <sstream>

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

// Words of `namen` as resources; "B.2" is Benennung1 "B", Benennung2 "2".
RessourcenListe Liste(const std::string& namen) {
    RessourcenListe l;
    std::istringstream in(namen);
    for (std::string w; in >> w;) {
        const auto punkt = w.find('.');
        l.push_back(punkt == std::string::npos ? R(w) : R(w.substr(0, punkt), w.substr(punkt + 1)));
    }
    return l;
}

TEST(Zusammenfuehren, NeueRessourcenNachBenennung1Eingefuegt) {
    const struct {
        const char *arbeit, *geladen, *erwartet;
    } faelle[] = {
        // Smaller than the head: new head. Equal to the head: after it. Equal to a later record:
        // before it (the walk stops at the last smaller one).
        {"B D F", "C A G B.2 D.2 A.2", "A A2 B2 B C D2 D F G"},
        {"C A", "B", "C A B"}, // an unsorted list is not re-sorted
        {"", "M Z A", "A M Z"},
        {"Zorn", "\xC4rger adler Adler", "Adler Zorn adler \xC4rger"}, // unsigned bytes, upper before lower
    };
    for (const auto& f : faelle) {
        RessourcenListe arbeit = Liste(f.arbeit), geladen = Liste(f.geladen);
        Zusammenfuehren(arbeit, geladen, kJetzt);
        EXPECT_EQ(Namen(arbeit), f.erwartet) << f.geladen;
    }
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
    EXPECT_EQ(n.m_strGruppe, "Lager");
    EXPECT_EQ(n.m_strIdentNr, "7");
    EXPECT_EQ(n.m_timeGeaendert, CTime(333));
    EXPECT_TRUE(n.m_bGeloescht);
    ASSERT_EQ(n.Slot(3, 4).size(), 2u);
    const CTagEintrag& e = n.Slot(3, 4)[0];
    EXPECT_EQ(e.m_timeDatum, Um(2026, 3, 4, 9));
    EXPECT_EQ(e.m_nArtNachmittag, 5);
    EXPECT_EQ(e.m_strNotiz, "n1");
    EXPECT_EQ(e.m_timeGeaendert, kJetzt);
    EXPECT_TRUE(n.Slot(3, 4)[1].IstGeloescht());
}

TEST(Zusammenfuehren, StammdatenNurVonNeuererPlatte) {
    RessourcenListe arbeit, geladen;
    for (int zeit : {100, 300, 200}) { // older, newer, equal to the disk's 200
        arbeit.push_back(R(std::to_string(zeit), "", "", CTime(zeit)));
        arbeit.back()->m_strGruppe = "hier";
        geladen.push_back(R(std::to_string(zeit), "", "", CTime(200)));
        geladen.back()->m_strGruppe = "dort";
        geladen.back()->m_bGeloescht = true;
    }
    Zusammenfuehren(arbeit, geladen, kJetzt);
    EXPECT_EQ(arbeit[0]->m_strGruppe, "dort");
    EXPECT_TRUE(arbeit[0]->m_bGeloescht);
    EXPECT_EQ(arbeit[0]->m_timeGeaendert, CTime(200));
    for (int i : {1, 2}) {
        EXPECT_EQ(arbeit[i]->m_strGruppe, "hier") << i;
        EXPECT_FALSE(arbeit[i]->m_bGeloescht) << i;
    }
    EXPECT_EQ(Namen(arbeit), "100 300 200") << "nothing is re-sorted";
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

} // namespace
