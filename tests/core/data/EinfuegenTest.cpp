// "Neu" in resource management: a new record linked in by its key.
#include <gtest/gtest.h>

#include "data/Einfuegen.h"

using namespace kalvora;

namespace {

void Anhaengen(RessourcenListe& liste, const std::string& b1, const std::string& b2, const std::string& nr,
               bool geloescht = false) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = b1;
    r->m_strBenennung2 = b2;
    r->m_strIdentNr = nr;
    r->m_bGeloescht = geloescht;
    liste.push_back(std::move(r));
}

std::string Reihe(const RessourcenListe& liste) {
    std::string s;
    for (const auto& r : liste)
        s += (s.empty() ? "" : " ") + r->m_strBenennung1 + "/" + r->m_strBenennung2 + "/" + r->m_strIdentNr +
             (r->m_strGruppe.empty() ? "" : "@" + r->m_strGruppe);
    return s;
}

TEST(EinfuegenSortiert, LeereListeBekommtDenSatzMitJetztUndOhneTage) {
    RessourcenListe liste;
    CRessource& r = EinfuegenSortiert(liste, "M\xFCller", "Anna", "Lager", "12", CTime(777));
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(&r, liste[0].get());
    EXPECT_EQ(r.m_strGruppe, "Lager");
    EXPECT_EQ(r.m_timeGeaendert, CTime(777));
    EXPECT_FALSE(r.m_bGeloescht);
    EXPECT_EQ(r.AnzahlEintraege(), 0u);
}

TEST(EinfuegenSortiert, SchluesselIstDieVerkettungOhneTrenner) {
    RessourcenListe liste;
    Anhaengen(liste, "Ab", "c", "");                       // key "Abc"
    Anhaengen(liste, "A", "bz", "");                       // key "Abz"
    EinfuegenSortiert(liste, "A", "bd", "", "", CTime(1)); // "Abd": between, though "A" < "Ab"
    EXPECT_EQ(Reihe(liste), "Ab/c/ A/bd/ A/bz/");
    EinfuegenSortiert(liste, "Abc", "", "", "1", CTime(1)); // "Abc1" after "Abc"
    EXPECT_EQ(Reihe(liste), "Ab/c/ Abc//1 A/bd/ A/bz/");
}

TEST(EinfuegenSortiert, VorDemGleichenSchluesselUndGeloeschteZaehlenMit) {
    RessourcenListe liste;
    Anhaengen(liste, "B", "", "");
    Anhaengen(liste, "D", "", "", true); // deleted, still in the order
    Anhaengen(liste, "F", "", "");
    EinfuegenSortiert(liste, "D", "", "neu", "", CTime(1));
    EXPECT_EQ(Reihe(liste), "B// D//@neu D// F//") << "before the equal (deleted) one";
    EinfuegenSortiert(liste, "B", "", "neu", "", CTime(1));
    EXPECT_EQ(Reihe(liste), "B//@neu B// D//@neu D// F//") << "an equal head is passed too";
    EinfuegenSortiert(liste, "E", "", "", "", CTime(1));
    EinfuegenSortiert(liste, "Z", "", "", "", CTime(1));
    EXPECT_EQ(Reihe(liste), "B//@neu B// D//@neu D// E// F// Z//");
}

TEST(EinfuegenSortiert, BytesOhneVorzeichenUndGrossVorKlein) {
    RessourcenListe liste;
    EinfuegenSortiert(liste, "\xC4rger", "", "", "", CTime(1)); // 0xC4 sorts after ASCII
    EinfuegenSortiert(liste, "zorn", "", "", "", CTime(1));
    EinfuegenSortiert(liste, "Zorn", "", "", "", CTime(1));
    EXPECT_EQ(Reihe(liste), "Zorn// zorn// \xC4rger//");
}

TEST(EinfuegenSortiert, StehtBeiUnsortierterListeVorDemErstenNichtKleineren) {
    RessourcenListe liste;
    Anhaengen(liste, "C", "", "");
    Anhaengen(liste, "A", "", "");
    EinfuegenSortiert(liste, "B", "", "", "", CTime(1));
    EXPECT_EQ(Reihe(liste), "B// C// A//");
}

} // namespace
