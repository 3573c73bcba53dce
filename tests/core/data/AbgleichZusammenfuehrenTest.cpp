// The merge of a loaded disk copy into the working list.
#include <gtest/gtest.h>

#include <sstream>

#include "data/DatenbankFormat.h"
#include "data/Zusammenfuehren.h"

using namespace kalvora;

namespace {

CTime Um(int j, int m, int t, int h) { return CTime(j, m, t, h, 0, 0); }
const CTime kJetzt = Um(2025, 6, 2, 12);

// A resource "B1.B2.Nr" (later parts optional) appended to `l`.
CRessource& R(RessourcenListe& l, const std::string& name, CTime geaendert = CTime(1000),
              const std::string& gruppe = "") {
    auto r = std::make_unique<CRessource>();
    std::istringstream in(name);
    std::getline(in, r->m_strBenennung1, '.');
    std::getline(in, r->m_strBenennung2, '.');
    std::getline(in, r->m_strIdentNr);
    r->m_timeGeaendert = geaendert;
    r->m_strGruppe = gruppe;
    l.push_back(std::move(r));
    return *l.back();
}

void Tag(CRessource& r, CTime datum, int vm, int nm, const std::string& notiz, CTime geaendert) {
    r.m_pTage.Anhaengen(datum.GetMonth(), datum.GetDay(), {geaendert, vm, nm, datum, notiz});
}

// All fields of an entry, to compare entries whole.
std::string Felder(const CTagEintrag& e) {
    std::ostringstream s;
    s << e.m_timeDatum.GetTime() << ' ' << e.m_nArtVormittag << ' ' << e.m_nArtNachmittag << ' ' << e.m_strNotiz
      << ' ' << e.m_timeGeaendert.GetTime();
    return s.str();
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
        RessourcenListe arbeit, geladen;
        std::istringstream a(f.arbeit), g(f.geladen);
        for (std::string w; a >> w;) R(arbeit, w);
        for (std::string w; g >> w;) R(geladen, w);
        Zusammenfuehren(arbeit, geladen, kJetzt);
        std::string namen;
        for (const auto& r : arbeit) namen += (namen.empty() ? "" : " ") + r->m_strBenennung1 + r->m_strBenennung2;
        EXPECT_EQ(namen, f.erwartet) << f.geladen;
    }
}

TEST(Zusammenfuehren, StammdatenNurVonNeuererPlatteUndIdentitaetOhneGruppe) {
    RessourcenListe arbeit, geladen;
    std::vector<CRessource*> hier;
    for (int zeit : {100, 300, 200}) { // older than the disk's 200, newer, equal; the group differs
        hier.push_back(&R(arbeit, "H" + std::to_string(zeit) + ".b.1", CTime(zeit), "hier"));
        R(geladen, "H" + std::to_string(zeit) + ".b.1", CTime(200), "dort").m_bGeloescht = true;
    }
    for (const char* anders : {"h100.b.1", "H100.B.1", "H100.b.2"}) // case and number count
        R(geladen, anders);
    Zusammenfuehren(arbeit, geladen, kJetzt);
    EXPECT_EQ(arbeit.size(), 6u);
    const auto stand = [&](int i) {
        return hier[i]->m_strGruppe + (hier[i]->m_bGeloescht ? " geloescht " : " ") +
               std::to_string(hier[i]->m_timeGeaendert.GetTime());
    };
    EXPECT_EQ(stand(0), "dort geloescht 200");
    EXPECT_EQ(stand(1), "hier 300");
    EXPECT_EQ(stand(2), "hier 200");
}

TEST(Zusammenfuehren, TagesregelnNachAenderungszeitUndNeueRessource) {
    RessourcenListe arbeit, geladen;
    CRessource& w = R(arbeit, "H");
    CRessource& r = R(geladen, "H");
    Tag(w, Um(2025, 5, 1, 9), 1, 1, "w-alt", CTime(100)); // disk newer: all fields change
    Tag(r, Um(2025, 5, 1, 15), 2, 0, "r-neu", CTime(200));
    Tag(w, Um(2025, 5, 2, 9), 1, 1, "w-neu", CTime(300)); // disk older: stays
    Tag(r, Um(2025, 5, 2, 9), 3, 3, "r-alt", CTime(200));
    Tag(w, Um(2025, 5, 3, 9), 1, 1, "w", CTime(200)); // equal: stays
    Tag(r, Um(2025, 5, 3, 9), 4, 4, "r", CTime(200));
    Tag(w, Um(2025, 5, 4, 9), 6, 6, "nur hier", CTime(1)); // only here: stays
    Tag(w, Um(2025, 5, 5, 9), 7, 7, "", CTime(1));
    Tag(r, Um(2024, 5, 5, 21), 8, 9, "nur dort", CTime(1)); // only there, same slot: appended, fresh time
    // A new resource brings its master data as stored and its days, cleared ones too, with fresh times.
    CRessource& n = R(geladen, "Neu.Nina.7", CTime(333), "Lager");
    n.m_bGeloescht = true;
    Tag(n, Um(2026, 3, 4, 15), 2, 5, "n1", CTime(50));
    Tag(n, Um(2024, 3, 4, 9), 0, 0, "", CTime(60));
    Zusammenfuehren(arbeit, geladen, kJetzt);

    EXPECT_EQ(Felder(w.Slot(5, 1)[0]), Felder({CTime(200), 2, 0, Um(2025, 5, 1, 15), "r-neu"}));
    for (const auto& [tag, notiz] : {std::pair{2, "w-neu"}, {3, "w"}, {4, "nur hier"}, {5, ""}})
        EXPECT_EQ(w.Slot(5, tag)[0].m_strNotiz, notiz) << tag;
    ASSERT_EQ(w.Slot(5, 5).size(), 2u);
    EXPECT_EQ(Felder(w.Slot(5, 5)[1]), Felder({kJetzt, 8, 9, Um(2024, 5, 5, 9), "nur dort"}));

    ASSERT_EQ(arbeit.size(), 2u);
    const CRessource& neu = *arbeit[1];
    EXPECT_EQ(neu.m_strBenennung2 + neu.m_strGruppe + neu.m_strIdentNr, "NinaLager7");
    EXPECT_EQ(neu.m_timeGeaendert, CTime(333));
    EXPECT_TRUE(neu.m_bGeloescht);
    ASSERT_EQ(neu.Slot(3, 4).size(), 2u);
    EXPECT_EQ(Felder(neu.Slot(3, 4)[0]), Felder({kJetzt, 2, 5, Um(2026, 3, 4, 9), "n1"}));
    EXPECT_EQ(Felder(neu.Slot(3, 4)[1]), Felder({kJetzt, 0, 0, Um(2024, 3, 4, 9), ""}));
}

} // namespace
