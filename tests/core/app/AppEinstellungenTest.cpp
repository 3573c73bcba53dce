#include <gtest/gtest.h>

#include <thread>

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

TEST_F(Start, ErsterStartLegtDatenbankStempelUndSicherungImDokumentordnerAn) {
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    const std::string db = t / "Ressource.dat";
    EXPECT_EQ(app.m_strDatei, db);
    EXPECT_EQ(app.m_strStempel, t / "Ressource.d");
    EXPECT_EQ(speicher.m_texte["Datei"], db);
    EXPECT_EQ(DateiInhalt(t / "Ressource.d"), "0 0");
    EXPECT_TRUE(fs::exists(db));
    EXPECT_EQ(fs::file_size(db), 0u);
    EXPECT_TRUE(fs::exists(t / "Ressource.BK1"));
    EXPECT_TRUE(meldungen.m_gezeigt.empty());
    EXPECT_EQ(app.m_nFarbschema, 1);
    EXPECT_EQ(app.m_nSpalte1, 110);
    EXPECT_TRUE(app.m_bAlpha);
}

TEST_F(Start, GespeicherterPfadMitLesbaremStempelWirdBehalten) {
    fs::create_directories(t.pfad() / "netz");
    const std::string db = t / "netz/Plan.dat";
    DateiSchreibenTest(db, std::string(4, '\0'));
    DateiSchreibenTest(t / "netz/Plan.d", "1 55");
    speicher.m_texte["Datei"] = db;
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strDatei, db);
    EXPECT_EQ(DateiInhalt(t / "netz/Plan.d"), "1 55") << "a readable stamp stays as it is";
    EXPECT_EQ(DateiInhalt(db), std::string(4, '\0'));
}

TEST_F(Start, FehlendesNetzlaufwerkFuehrtZumStandardpfad) {
    speicher.m_texte["Datei"] = "/gibt/es/nicht/Plan.dat";
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strDatei, t / "Ressource.dat");
    EXPECT_EQ(speicher.m_texte["Datei"], t / "Ressource.dat");
}

TEST_F(Start, KommandozeileOhneStempelBleibtUndBekommtEinenNeuen) {
    const std::string db = t / "Kommando.dat";
    ASSERT_TRUE(app.Starten(speicher, meldungen, "\"" + db + "\""));
    EXPECT_EQ(app.m_strDatei, db);
    EXPECT_EQ(DateiInhalt(t / "Kommando.d"), "0 0");
    EXPECT_TRUE(fs::exists(db));
    EXPECT_EQ(speicher.m_texte.count("Datei"), 0u) << "the command line does not change the stored path";
}

TEST_F(Start, OrdnerErsatzWennKeinDokumentordner) {
    speicher.m_persoenlich.reset();
    // Value missing: the drive root. Key missing: the program folder. (Neither exists here, so
    // only the chosen paths are checked.)
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strDatei, "/wurzel/Ressource.dat");
    speicher.m_bOrdnerSchluessel = false;
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strDatei, "/programm/Ressource.dat");
    EXPECT_EQ(app.m_strStempel, "/programm/Ressource.d");
}

TEST_F(Start, WerteAusDemSpeicher) {
    speicher.m_zahlen = {{"Farbschema", 4}, {"Max", 1}, {"Spalte1", 150}, {"Alpha", 0}};
    speicher.m_texte["Abteilung"] = "Küche";
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_nFarbschema, 4);
    EXPECT_TRUE(app.m_bMaximiert);
    EXPECT_EQ(app.m_nSpalte1, 150);
    EXPECT_FALSE(app.m_bAlpha);
    EXPECT_EQ(app.m_strAbteilung, "K\xFC" "che") << "held as Windows-1252";

    speicher.m_zahlen = {{"Spalte1", 1500}, {"Alpha", 7}, {"Max", 0}};
    speicher.m_texte["Abteilung"] = std::string(255, 'x'); // does not fit the 255-byte buffer
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_nSpalte1, 110);
    EXPECT_TRUE(app.m_bAlpha);
    EXPECT_FALSE(app.m_bMaximiert);
    EXPECT_EQ(app.m_strAbteilung, "");
}

TEST_F(Start, ZuLangerDateiWertZaehltAlsFehlend) {
    speicher.m_texte["Datei"] = "/" + std::string(260, 'p') + ".dat";
    ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
    EXPECT_EQ(app.m_strDatei, t / "Ressource.dat");
}

TEST_F(Start, OhneSpeicherEndetDasProgramm) {
    speicher.m_bOeffnenGelingt = false;
    EXPECT_FALSE(app.Starten(speicher, meldungen, ""));
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text, "Regestry Error");
    EXPECT_EQ(meldungen.m_gezeigt[0].titel, "Duzizavododaror");
    EXPECT_FALSE(fs::exists(t / "Ressource.dat"));
}

TEST_F(Start, EndeSchreibtSpalteAbteilungAlpha) {
    app.m_nSpalte1 = 222;
    app.m_strAbteilung = "B\xFCro";
    app.m_bAlpha = false;
    app.Beenden(speicher, meldungen);
    EXPECT_EQ(speicher.m_zahlen["Spalte1"], 222u);
    EXPECT_EQ(speicher.m_texte["Abteilung"], "Büro");
    EXPECT_EQ(speicher.m_zahlen["Alpha"], 0u);

    SpeicherAttrappe kaputt;
    kaputt.m_bOeffnenGelingt = false;
    app.Beenden(kaputt, meldungen);
    EXPECT_TRUE(kaputt.m_zahlen.empty());
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text, "Regestry Error");
    EXPECT_EQ(meldungen.m_gezeigt[0].titel, "Kalvora");
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
    std::string db;
    void SetUp() override {
        db = t / "Ressource.dat";
        DateiSchreibenTest(db, "aktuell");
    }
    void Alter(const std::string& pfad, int sekundenZurueck) {
        fs::last_write_time(pfad, fs::file_time_type::clock::now() - std::chrono::seconds(sekundenZurueck));
    }
    void Vorbereiten() {
        for (int i = 1; i <= 5; ++i) DateiSchreibenTest(t / ("Ressource.BK" + std::to_string(i)), "bk" + std::to_string(i));
    }
};

TEST_F(Sicherung, ZehnMinutenNeuerRotiertNichts) {
    Vorbereiten();
    Alter(t / "Ressource.BK1", 600);
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK1"), "bk1");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK5"), "bk5");
}

TEST_F(Sicherung, SechzehnMinutenNeuerSchiebtAllesUmEins) {
    Vorbereiten();
    Alter(t / "Ressource.BK1", 960);
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK1"), "aktuell");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK2"), "bk1");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK3"), "bk2");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK4"), "bk3");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK5"), "bk4");
    // The copy carries the database's time, so an immediate second start rotates nothing.
    EXPECT_EQ(fs::last_write_time(t / "Ressource.BK1"), fs::last_write_time(db));
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK2"), "bk1");
}

TEST_F(Sicherung, LueckenInDerReiheHaltenDieRotationNichtAuf) {
    DateiSchreibenTest(t / "Ressource.BK1", "bk1");
    DateiSchreibenTest(t / "Ressource.BK3", "bk3");
    Alter(t / "Ressource.BK1", 3600);
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK1"), "aktuell");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK2"), "bk1");
    EXPECT_EQ(DateiInhalt(t / "Ressource.BK4"), "bk3");
    EXPECT_FALSE(fs::exists(t / "Ressource.BK5"));
}

TEST(SicherungOrdner, PunktImOrdnernamenLegtSicherungenNebenDenOrdner) {
    TempOrdner t;
    fs::create_directories(t.pfad() / "Plan.2025");
    const std::string db = t / "Plan.2025/Ressource.dat";
    DateiSchreibenTest(db, "x");
    SicherungenRotieren(db);
    EXPECT_TRUE(fs::exists(t / "Plan.BK1"));
    SicherungenRotieren(t / "fehlt.dat");
    EXPECT_FALSE(fs::exists(t / "fehlt.BK1"));
}

struct Dialogpfad : Start {};

TEST_F(Dialogpfad, EndungUndStempelregeln) {
    struct Fall {
        std::string eingabe, gespeichert;
    } faelle[] = {
        {t / "neu", t / "neu.dat"},
        {t / "gross.DAT", t / "gross.DAT.dat"},
        {t / "fertig.dat", t / "fertig.dat"},
    };
    for (const auto& f : faelle) {
        MeldungsRekorder m;
        EXPECT_EQ(app.DatenbankAusDialog(f.eingabe, "alt", speicher, m), f.gespeichert);
        EXPECT_EQ(speicher.m_texte["Datei"], f.gespeichert);
        ASSERT_EQ(m.m_gezeigt.size(), 1u);
        EXPECT_EQ(m.m_gezeigt[0].text, "Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
        EXPECT_TRUE(fs::exists(f.gespeichert));
        EXPECT_EQ(DateiInhalt(StempelPfad(f.gespeichert)), "0 0");
    }
}

TEST_F(Dialogpfad, UnveraenderterPfadOhneMeldungUndVorhandeneDatenbankBleibt) {
    const std::string db = t / "Plan.dat";
    DateiSchreibenTest(db, "inhalt");
    DateiSchreibenTest(t / "Plan.d", "0 9");
    app.m_nFarbschema = 3;
    app.DatenbankAusDialog(db, db, speicher, meldungen);
    EXPECT_TRUE(meldungen.m_gezeigt.empty());
    EXPECT_EQ(DateiInhalt(db), "inhalt");
    EXPECT_EQ(DateiInhalt(t / "Plan.d"), "0 9");
    EXPECT_EQ(speicher.m_zahlen["Farbschema"], 3u);
}

TEST_F(Dialogpfad, UnlesbarerStempelNeuVorhandeneDatenbankUnberuehrt) {
    const std::string db = t / "Plan.dat";
    DateiSchreibenTest(db, "inhalt");
    DateiSchreibenTest(t / "Plan.d", "kaputt");
    app.DatenbankAusDialog(db, db, speicher, meldungen);
    EXPECT_EQ(DateiInhalt(t / "Plan.d"), "0 0");
    EXPECT_EQ(DateiInhalt(db), "inhalt");
}

TEST(Durchsuchen, LegtNurFehlendesAn) {
    TempOrdner t;
    DatenbankBeimDurchsuchenAnlegen(t / "Neu.dat");
    EXPECT_EQ(DateiInhalt(t / "Neu.d"), "0 1");
    EXPECT_TRUE(fs::exists(t / "Neu.dat"));
    DateiSchreibenTest(t / "Alt.dat", "daten");
    DateiSchreibenTest(t / "Alt.d", "0 42");
    DatenbankBeimDurchsuchenAnlegen(t / "Alt.dat");
    EXPECT_EQ(DateiInhalt(t / "Alt.d"), "0 42");
    EXPECT_EQ(DateiInhalt(t / "Alt.dat"), "daten");
}

} // namespace

namespace {

TEST_F(Dialogpfad, LeererPfadWirdPunktDat) {
    const fs::path vorher = fs::current_path();
    fs::current_path(t.pfad());
    const std::string ergebnis = app.DatenbankAusDialog("", "alt", speicher, meldungen);
    const bool stempel = fs::exists(t.pfad() / ".d");
    const bool datenbank = fs::exists(t.pfad() / ".dat");
    fs::current_path(vorher);
    EXPECT_EQ(ergebnis, ".dat");
    EXPECT_TRUE(stempel);
    EXPECT_TRUE(datenbank);
}

} // namespace
