#include <gtest/gtest.h>

#include "TestHilfen.h"
#include "app/AppEinstellungen.h"
#include "app/Stempel.h"

using namespace kalvora;
using namespace kalvora::test;
namespace fs = std::filesystem;

namespace {

struct Start : ::testing::Test {
    TempOrdner t;
    SpeicherAttrappe speicher;
    MeldungsRekorder meldungen;
    AppEinstellungen app;

    void SetUp() override { speicher.m_persoenlich = t.pfad().string(); }
};

TEST_F(Start, ErsterStartUndKommandozeileLegenDatenbankStempelUndSicherungAn) {
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    const std::string db = t / "Ressource.dat";
    EXPECT_EQ(app.m_strDatei, db);
    EXPECT_EQ(app.m_strStempel, t / "Ressource.d");
    EXPECT_EQ(speicher.m_texte["Datei"], db);
    EXPECT_EQ(DateiInhalt(t / "Ressource.d"), "0 0");
    EXPECT_EQ(DateiInhalt(db), "");
    EXPECT_TRUE(fs::exists(t / "Ressource.BK1"));
    EXPECT_TRUE(meldungen.m_gezeigt.empty());

    const std::string kommando = t / "Kommando.dat";
    ASSERT_TRUE(app.Starten(speicher, meldungen, "\"" + kommando + "\""));
    EXPECT_EQ(app.m_strDatei, kommando);
    EXPECT_EQ(DateiInhalt(t / "Kommando.d"), "0 0");
    EXPECT_TRUE(fs::exists(kommando));
    EXPECT_EQ(speicher.m_texte["Datei"], db) << "the command line does not change the stored path";
}

TEST_F(Start, UnbrauchbarerPfadFuehrtZumStandardUndOhneDokumentordnerZumErsatz) {
    for (const std::string& wert : {std::string("/gibt/es/nicht/Plan.dat"), "/" + std::string(260, 'p') + ".dat"}) {
        speicher.m_texte["Datei"] = wert;
        ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
        EXPECT_EQ(app.m_strDatei, t / "Ressource.dat");
        EXPECT_EQ(speicher.m_texte["Datei"], t / "Ressource.dat");
    }
    speicher.m_texte.clear();
    speicher.m_persoenlich.reset(); // value missing: the drive root; key missing: the program folder
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strDatei, "/wurzel/Ressource.dat");
    speicher.m_bOrdnerSchluessel = false;
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strStempel, "/programm/Ressource.d");
}

TEST_F(Start, WerteAusDemSpeicherUndIhreErsatzwerte) {
    const auto werte = [&] {
        return std::to_string(app.m_nFarbschema) + " " + std::to_string(app.m_nSpalte1) +
               (app.m_bMaximiert ? " max" : "") + (app.m_bAlpha ? " alpha" : "") + " " + app.m_strAbteilung;
    };
    speicher.m_zahlen = {{"Farbschema", 4}, {"Max", 1}, {"Spalte1", 150}, {"Alpha", 0}};
    speicher.m_texte["Abteilung"] = "Küche";
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(werte(), "4 150 max K\xFC" "che") << "the department is held as Windows-1252";
    speicher.m_zahlen = {{"Spalte1", 1500}, {"Alpha", 7}};
    speicher.m_texte["Abteilung"] = std::string(255, 'x'); // does not fit the 255-byte buffer
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(werte(), "1 110 alpha ");
}

TEST_F(Start, RegestryErrorBeimStartUndBeimEnde) {
    speicher.m_bOeffnenGelingt = false;
    EXPECT_FALSE(app.Starten(speicher, meldungen, ""));
    EXPECT_FALSE(fs::exists(t / "Ressource.dat"));
    app.Beenden(speicher, meldungen);
    EXPECT_TRUE(speicher.m_zahlen.empty());
    ASSERT_EQ(meldungen.m_gezeigt.size(), 2u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text + " | " + meldungen.m_gezeigt[0].titel, "Regestry Error | Duzizavododaror");
    EXPECT_EQ(meldungen.m_gezeigt[1].text + " | " + meldungen.m_gezeigt[1].titel, "Regestry Error | Kalvora");
}

TEST(Pfade, NamenNebenDerDatenbank) {
    EXPECT_EQ(StempelPfad("/p/Ressource.dat"), "/p/Ressource.d");
    EXPECT_EQ(EintragsartPfad("/p/Ressource.dat"), "/p/Ressource.but");
    EXPECT_EQ(StempelPfad("/p/Plän.dä"), "/p/Plän.") << "characters, not bytes";
    EXPECT_EQ(StempelPfad("x"), "");
    EXPECT_EQ(SicherungsBasis("D:\\Plan.2025\\Ressource.dat"), "D:\\Plan");
    EXPECT_EQ(SicherungsBasis("/daten/Ressource.dat"), "/daten/Ressource");
    EXPECT_EQ(SicherungsBasis("/daten/ohne"), "/daten/ohne");
}

struct Sicherung : ::testing::Test {
    TempOrdner t;
    std::string db = t / "Ressource.dat";
    void SetUp() override { DateiSchreibenTest(db, "aktuell"); }
    std::string BK(int i) { return t / ("Ressource.BK" + std::to_string(i)); }
    void Alter(int sekundenZurueck) {
        fs::last_write_time(BK(1), fs::file_time_type::clock::now() - std::chrono::seconds(sekundenZurueck));
    }
};

TEST_F(Sicherung, NurNachMehrAlsFuenfzehnMinutenRotiertAllesUmEins) {
    for (int i = 1; i <= 5; ++i) DateiSchreibenTest(BK(i), "bk" + std::to_string(i));
    Alter(600);
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(BK(1)), "bk1");
    Alter(960);
    SicherungenRotieren(db);
    const char* erwartet[] = {"aktuell", "bk1", "bk2", "bk3", "bk4"};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(DateiInhalt(BK(i)), erwartet[i - 1]) << i;
    // The copy carries the database's time, so an immediate second start rotates nothing.
    EXPECT_EQ(fs::last_write_time(BK(1)), fs::last_write_time(db));
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(BK(2)), "bk1");
}

TEST_F(Sicherung, LueckenInDerReiheHaltenDieRotationNichtAuf) {
    DateiSchreibenTest(BK(1), "bk1");
    DateiSchreibenTest(BK(3), "bk3");
    Alter(3600);
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(BK(1)), "aktuell");
    EXPECT_EQ(DateiInhalt(BK(2)), "bk1");
    EXPECT_EQ(DateiInhalt(BK(4)), "bk3");
    EXPECT_FALSE(fs::exists(BK(5)));
}

TEST(SicherungOrdner, PunktImOrdnernamenLegtSicherungenNebenDenOrdner) {
    TempOrdner t;
    fs::create_directories(t.pfad() / "Plan.2025");
    DateiSchreibenTest(t / "Plan.2025/Ressource.dat", "x");
    SicherungenRotieren(t / "Plan.2025/Ressource.dat");
    EXPECT_TRUE(fs::exists(t / "Plan.BK1"));
    SicherungenRotieren(t / "fehlt.dat");
    EXPECT_FALSE(fs::exists(t / "fehlt.BK1"));
}

} // namespace
