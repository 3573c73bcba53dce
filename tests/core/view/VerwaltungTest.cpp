// Resource management on the dialog's copy of the list, and handing the copy back.
#include <gtest/gtest.h>

#include "view/Verwaltung.h"

using namespace kalvora;

namespace {

CRessource& Anhaengen(RessourcenListe& liste, const std::string& b1, const std::string& b2, const std::string& nr,
                      const std::string& gruppe = "", bool geloescht = false) {
    auto r = std::make_unique<CRessource>();
    r->m_strBenennung1 = b1;
    r->m_strBenennung2 = b2;
    r->m_strIdentNr = nr;
    r->m_strGruppe = gruppe;
    r->m_bGeloescht = geloescht;
    r->m_timeGeaendert = CTime(100);
    liste.push_back(std::move(r));
    return *liste.back();
}

std::string Tage(const TagSlot& slot) {
    std::string s;
    for (const CTagEintrag& e : slot)
        s += std::to_string(e.m_timeGeaendert.GetTime()) + ":" + std::to_string(e.m_nArtVormittag) + "/" +
             std::to_string(e.m_nArtNachmittag) + "@" + std::to_string(e.m_timeDatum.GetTime()) + "'" + e.m_strNotiz + "' ";
    return s;
}

std::string Reihe(const RessourcenListe& liste) {
    std::string s;
    for (const auto& r : liste)
        s += (s.empty() ? "" : " ") + r->m_strBenennung1 + "/" + r->m_strIdentNr + (r->m_bGeloescht ? "(x)" : "");
    return s;
}

TEST(DialogFarben, JeSchemaUndStandardFuerUnbekannte) {
    EXPECT_EQ(DialogFarbenFuerSchema(1), (DialogFarben{0xDCFFDC, 0xE6E6E6, 0xDCFFFF}));
    EXPECT_EQ(DialogFarbenFuerSchema(2), (DialogFarben{0xE6FFE6, 0xF0F0F0, 0xF0FFFF}));
    EXPECT_EQ(DialogFarbenFuerSchema(3), (DialogFarben{0xE6FFE6, 0xF0FFF0, 0xF0FFFF}));
    EXPECT_EQ(DialogFarbenFuerSchema(4), (DialogFarben{0x006400, 0x000000, 0x960000}));
    EXPECT_EQ(DialogFarbenFuerSchema(5), (DialogFarben{0xEBEBEB, 0xFFFFFF, 0xE1E1E1}));
    EXPECT_EQ(DialogFarbenFuerSchema(0), DialogFarbenFuerSchema(1));
    EXPECT_EQ(DialogFarbenFuerSchema(6), DialogFarbenFuerSchema(1));
}

TEST(VerwaltungsListe, GeloeschteHabenKeineZeile) {
    RessourcenListe liste;
    Anhaengen(liste, "Apfel", "Anna", "1");
    Anhaengen(liste, "Birne", "Bert", "2", "", true);
    Anhaengen(liste, "M\xFCller", "Carl", "3");
    EXPECT_EQ(ListenTexte(liste), (std::vector<std::string>{"Apfel, Anna", "M\xFCller, Carl"}));
    EXPECT_EQ(RessourceAufZeile(liste, 0), liste[0].get());
    EXPECT_EQ(RessourceAufZeile(liste, 1), liste[2].get());
    EXPECT_EQ(RessourceAufZeile(liste, 2), nullptr);
    EXPECT_EQ(RessourceAufZeile(liste, -1), nullptr);
    RessourcenListe leer;
    EXPECT_TRUE(ListenTexte(leer).empty());
    EXPECT_EQ(RessourceAufZeile(leer, 0), nullptr);
}

TEST(VerwaltungsListe, AendernUndLoeschenStempelnDieZeit) {
    RessourcenListe liste;
    CRessource& r = Anhaengen(liste, "Apfel", "Anna", "1", "Lager");
    RessourceAendern(r, "Apfel", "Anna", "B\xFCro", "1", CTime(500));
    EXPECT_EQ(r.m_strGruppe, "B\xFCro");
    EXPECT_EQ(r.m_strIdentNr, "1");
    EXPECT_EQ(r.m_timeGeaendert, CTime(500));
    RessourceLoeschen(r, CTime(600));
    EXPECT_TRUE(r.m_bGeloescht);
    EXPECT_EQ(r.m_timeGeaendert, CTime(600));
    EXPECT_EQ(liste.size(), 1u); // the mark stays for the merge
    EXPECT_EQ(LoeschFrage(r), "Ressource Apfel, Anna wirklich l\xF6schen?");
}

class Kopieren : public ::testing::Test {
protected:
    RessourcenListe liste;
    CRessource* quelle = nullptr;

    void SetUp() override {
        Anhaengen(liste, "Apfel", "Anna", "1");
        quelle = &Anhaengen(liste, "Kirsche", "Karl", "7", "Lager");
        Anhaengen(liste, "Pflaume", "Paul", "9", "", true);
        Anhaengen(liste, "Zitrone", "Zora", "4");
        quelle->Slot(2, 29).push_back({CTime(11), 1, 2, CTime(2024, 2, 29, 9, 0, 0), "Arzt"});
        quelle->Slot(2, 29).push_back({CTime(12), 3, 3, CTime(2028, 2, 29, 9, 0, 0), ""});
        quelle->Slot(12, 31).push_back({CTime(13), 0, 0, CTime(2025, 12, 31, 9, 0, 0), ""});
    }
};

TEST_F(Kopieren, AblehnungenLegenNichtsAn) {
    const struct {
        const char* b1;
        const char* b2;
        const char* nr;
        KopierErgebnis ergebnis;
    } faelle[] = {
        {"Kirsche", "Karl", "7", KopierErgebnis::IdentitaetUnveraendert},
        {"Apfel", "Anna", "1", KopierErgebnis::ExistiertBereits},
        {"Zitrone", "Zora", "4", KopierErgebnis::ExistiertBereits},
    };
    const std::string vorher = Reihe(liste);
    for (const auto& f : faelle) {
        // Another group alone does not make another resource.
        EXPECT_EQ(RessourceKopieren(liste, *quelle, f.b1, f.b2, "Neu", f.nr, CTime(900)), f.ergebnis) << f.b1;
        EXPECT_EQ(Reihe(liste), vorher);
    }
}

TEST_F(Kopieren, NeuerSatzMitAllenTagenAnSeinerStelle) {
    ASSERT_EQ(RessourceKopieren(liste, *quelle, "Kirsche", "Karla", "Halle", "8", CTime(900)), KopierErgebnis::Kopiert);
    EXPECT_EQ(Reihe(liste), "Apfel/1 Kirsche/7 Kirsche/8 Pflaume/9(x) Zitrone/4");
    const CRessource& neu = *liste[2];
    EXPECT_EQ(neu.m_strGruppe, "Halle");
    EXPECT_EQ(neu.m_timeGeaendert, CTime(900));
    EXPECT_FALSE(neu.m_bGeloescht);
    EXPECT_EQ(Tage(neu.Slot(2, 29)), Tage(quelle->Slot(2, 29))); // all fields, slot order kept
    EXPECT_NE(Tage(neu.Slot(2, 29)).find("'Arzt'"), std::string::npos);
    EXPECT_EQ(Tage(neu.Slot(12, 31)), Tage(quelle->Slot(12, 31)));
    EXPECT_EQ(neu.AnzahlEintraege(), 3u);
    EXPECT_EQ(quelle->AnzahlEintraege(), 3u);
    EXPECT_EQ(quelle->m_strBenennung2, "Karl");
}

TEST_F(Kopieren, AufDieIdentitaetEinesGeloeschtenDavor) {
    ASSERT_EQ(RessourceKopieren(liste, *quelle, "Pflaume", "Paul", "", "9", CTime(900)), KopierErgebnis::Kopiert);
    EXPECT_EQ(Reihe(liste), "Apfel/1 Kirsche/7 Pflaume/9 Pflaume/9(x) Zitrone/4");
    EXPECT_EQ(liste[2]->AnzahlEintraege(), 3u);
    EXPECT_EQ(liste[3]->AnzahlEintraege(), 0u);
}

TEST_F(Kopieren, GrossKleinschreibungIstEineAndereIdentitaet) {
    EXPECT_EQ(RessourceKopieren(liste, *quelle, "kirsche", "Karl", "", "7", CTime(900)), KopierErgebnis::Kopiert);
    EXPECT_EQ(Reihe(liste), "Apfel/1 Kirsche/7 Pflaume/9(x) Zitrone/4 kirsche/7");
}

TEST(InfoZeilen, TexteUndUeberschrift) {
    const InfoZeilen leer = InfoZeilenVon(nullptr);
    EXPECT_EQ(leer.m_strName, "-");
    EXPECT_EQ(leer.m_strGruppe, "-");
    EXPECT_EQ(leer.m_strIdentNr, "-");

    CRessource r;
    r.m_strBenennung1 = "M\xFCller";
    r.m_strBenennung2 = "Anna";
    r.m_strIdentNr = "0815";
    InfoZeilen z = InfoZeilenVon(&r);
    EXPECT_EQ(z.m_strName, "M\xFCller, Anna");
    EXPECT_EQ(z.m_strGruppe, "Gruppe: ");
    EXPECT_EQ(z.m_strIdentNr, "Identifikations-Nr.: 0815");
    EXPECT_EQ(JahresUeberschrift(z.m_strName, z.m_strGruppe), "M\xFCller, Anna - ");

    r.m_strGruppe = "Lager";
    z = InfoZeilenVon(&r);
    EXPECT_EQ(JahresUeberschrift(z.m_strName, z.m_strGruppe), "M\xFCller, Anna - Gruppe: Lager - ");
    EXPECT_EQ(JahresUeberschrift("-", "-"), "- - - - ");
}

TEST(Jahreswahl, BleibtZwischen1971Und2036) {
    const struct {
        int jahr, zurueck, vor;
    } faelle[] = {{2025, 2024, 2026}, {1972, 1971, 1973}, {1971, 1971, 1972}, {2036, 2035, 2036}, {2035, 2034, 2036}};
    for (const auto& f : faelle) {
        EXPECT_EQ(JahrZurueck(f.jahr), f.zurueck) << f.jahr;
        EXPECT_EQ(JahrVor(f.jahr), f.vor) << f.jahr;
    }
}

TEST(VerwaltungAbschliessen, GruppenfilterFaelltZurueckWennDieGruppeFehlt) {
    const struct {
        const char* fall;
        const char* filter;
        bool zurueck;
    } faelle[] = {
        {"Gruppe noch da", "Lager", false},
        {"nur noch ein geloeschter", "Halle", true},
        {"Gross/klein zaehlt", "lager", true},
        {"niemand ohne Gruppe", "", true},
    };
    for (const auto& f : faelle) {
        RessourcenListe arbeit;
        Anhaengen(arbeit, "Alt", "A", "1", "Halle");
        RessourcenListe kopie;
        Anhaengen(kopie, "Apfel", "Anna", "1", "Lager");
        Anhaengen(kopie, "Birne", "Bert", "2", "Halle", true);
        const CRessource* erster = kopie[0].get();
        std::string filter = f.filter;
        EXPECT_EQ(VerwaltungAbschliessen(arbeit, std::move(kopie), filter), f.zurueck) << f.fall;
        EXPECT_EQ(filter, f.zurueck ? "" : f.filter) << f.fall;
        ASSERT_EQ(arbeit.size(), 2u);
        EXPECT_EQ(arbeit[0].get(), erster) << f.fall; // the copy itself becomes the working list
    }
}

} // namespace
