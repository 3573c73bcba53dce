#include <gtest/gtest.h>

#include <functional>

#include "TestHilfen.h"
#include "app/Einstellungen.h"
#include "app/EintragsartDatei.h"

using namespace kalvora;
using namespace kalvora::test;
namespace fs = std::filesystem;

namespace {

Regionen Mit(std::initializer_list<int> gesetzt) {
    Regionen r{};
    for (int i : gesetzt)
        r[static_cast<std::size_t>(i)] = 1;
    return r;
}

} // namespace

TEST(Einstellungen, LaenderflagsFolgenDenHaken) {
    const struct {
        const char* fall;
        Regionen haken;
        int deutschland, oesterreich;
    } faelle[] = {
        {"keine", Mit({}), 0, 0},
        {"Sachsen-Anhalt allein", Mit({0}), 1, 0},
        {"Brandenburg, letztes deutsches Land", Mit({15}), 1, 0},
        {"Burgenland, erstes österreichisches Land", Mit({16}), 0, 1},
        {"Wien", Mit({24}), 0, 1},
        {"beide Länder", Mit({3, 22}), 1, 1},
        {"nur die versteckten Kästchen", Mit({25, 26}), 0, 0},
    };
    for (const auto& f : faelle) {
        const Regionen r = RegionenAusHaken(f.haken);
        EXPECT_EQ(r[kFlagDeutschland], f.deutschland) << f.fall;
        EXPECT_EQ(r[kFlagOesterreich], f.oesterreich) << f.fall;
        for (int i = 0; i < kAnzahlLaender; ++i)
            EXPECT_EQ(r[static_cast<std::size_t>(i)], f.haken[static_cast<std::size_t>(i)])
                << f.fall << " " << i;
    }
}

TEST(Einstellungen, JedeAbweichungVomSchnappschussZaehlt) {
    const EintragsartTabelle vorher = EintragsartTabelle::Standard();
    EXPECT_FALSE(ArtenGeaendert(vorher, vorher));
    const struct {
        const char* fall;
        std::function<void(EintragsartTabelle&)> aendern;
        bool geaendert;
    } faelle[] = {
        {"Bedeutung 16", [](auto& t) { t.m_strBedeutung[16] = "Kur"; }, true},
        {"nur ein Leerzeichen mehr", [](auto& t) { t.m_strBedeutung[1] = " "; }, true},
        {"Farbe 9", [](auto& t) { t.m_nFarbe[9] = 0x969697; }, true},
        {"Ausrichtung 1", [](auto& t) { t.m_nAusrichtung[1] = 3; }, true},
        {"Land 24", [](auto& t) { t.m_nRegion[24] = 1; }, true},
        {"Flag Österreich", [](auto& t) { t.m_nRegion[kFlagOesterreich] = 1; }, true},
        {"Index 0 trägt keine Art",
         [](auto& t) {
             t.m_strBedeutung[0] = "x";
             t.m_nFarbe[0] = 5;
         },
         false},
    };
    for (const auto& f : faelle) {
        EintragsartTabelle jetzt = vorher;
        f.aendern(jetzt);
        EXPECT_EQ(ArtenGeaendert(vorher, jetzt), f.geaendert) << f.fall;
    }
}

TEST(Einstellungen, EintragsartDateiNurBeiAenderung) {
    TempOrdner t;
    const std::string db = t / "Plan.dat";
    const EintragsartTabelle vorher = EintragsartTabelle::Standard();
    EXPECT_FALSE(EintragsartDateiAbgleichen(vorher, vorher, db));
    EXPECT_FALSE(fs::exists(t / "Plan.but"));

    EintragsartTabelle jetzt = vorher;
    jetzt.m_nAusrichtung[4] = 2;
    EXPECT_TRUE(EintragsartDateiAbgleichen(vorher, jetzt, db));
    EintragsartTabelle gelesen = EintragsartTabelle::Standard();
    ASSERT_TRUE(EintragsartDateiLesen(t / "Plan.but", gelesen));
    EXPECT_EQ(gelesen.m_nAusrichtung[4], 2);

    // An unwritable place is absorbed.
    EXPECT_FALSE(EintragsartDateiAbgleichen(vorher, jetzt, t / "fehlt/Plan.dat"));
}

struct EinstellungenOk : ::testing::Test {
    TempOrdner t;
    SpeicherAttrappe speicher;
    MeldungsRekorder meldungen;
    AppEinstellungen app;
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    EinstellungsWerte werte;

    void SetUp() override {
        app.m_strDatei = t / "Ressource.dat";
        app.m_strStempel = t / "Ressource.d";
        DateiSchreibenTest(t / "Ressource.d", "0 7");
        werte.m_strDatei = app.m_strDatei;
        werte.m_nSchemaIndex = 3;
    }
};

TEST_F(EinstellungenOk, SchemaBedeutungenRegionenUndSpeicher) {
    werte.m_strBedeutung[2] = "Dienst reise";
    werte.m_nHaken = Mit({2, 25});
    int aufrufe = 0;
    EinstellungenUebernehmen(werte, app.m_strDatei, app, tabelle, speicher, meldungen, [&] {
        ++aufrufe;
        EXPECT_EQ(tabelle.m_strBedeutung[2], "Dienst reise") << "the toolbar reads the new meanings";
    });
    EXPECT_EQ(aufrufe, 1);
    EXPECT_EQ(app.m_nFarbschema, 4);
    EXPECT_EQ(speicher.m_zahlen["Farbschema"], 4u);
    EXPECT_EQ(speicher.m_texte["Datei"], t / "Ressource.dat");
    EXPECT_EQ(tabelle.m_nRegion, RegionenAusHaken(Mit({2})));
    EXPECT_TRUE(meldungen.m_gezeigt.empty()) << "path unchanged: no message";
    EXPECT_EQ(DateiInhalt(t / "Ressource.d"), "0 7");
}

TEST_F(EinstellungenOk, OhneGewaehltesSchemaBleibtEs) {
    app.m_nFarbschema = 2;
    werte.m_nSchemaIndex = -1;
    EinstellungenUebernehmen(werte, app.m_strDatei, app, tabelle, speicher, meldungen);
    EXPECT_EQ(app.m_nFarbschema, 2);
    EXPECT_EQ(speicher.m_zahlen["Farbschema"], 2u);
}

TEST_F(EinstellungenOk, SpeicherFehltNachDenAnderenSchritten) {
    speicher.m_bOeffnenGelingt = false;
    werte.m_strDatei = t / "Neu";
    werte.m_strBedeutung[1] = "Urlaub";
    EinstellungenUebernehmen(werte, app.m_strDatei, app, tabelle, speicher, meldungen);
    ASSERT_EQ(meldungen.m_gezeigt.size(), 2u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text, "Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
    EXPECT_EQ(meldungen.m_gezeigt[0].titel, "");
    EXPECT_EQ(meldungen.m_gezeigt[1].text, "Regestry Error");
    EXPECT_EQ(meldungen.m_gezeigt[1].titel, "Duzizavododaror");
    EXPECT_TRUE(speicher.m_texte.empty());
    EXPECT_TRUE(speicher.m_zahlen.empty());
    // In memory the new values hold all the same, and the new database is there.
    EXPECT_EQ(app.m_strDatei, t / "Neu.dat");
    EXPECT_EQ(app.m_strStempel, t / "Ressource.d");
    EXPECT_EQ(tabelle.m_strBedeutung[1], "Urlaub");
    EXPECT_EQ(DateiInhalt(t / "Neu.d"), "0 0");
    EXPECT_TRUE(fs::exists(t / "Neu.dat"));
}
