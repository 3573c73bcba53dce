// Start and end of the program, the files beside the database and the backups.
#include <functional>

#include "TestHilfen.h"
#include "app/AppEinstellungen.h"
#include "app/Einstellungen.h"
#include "app/EintragsartDatei.h"
#include "app/Stempel.h"
#include "app/Zeichensatz.h"

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
    const std::string db = t / "Ressource.dat", kommando = t / "Kommando.dat";
    EXPECT_EQ(std::tuple(app.m_strDatei, app.m_strStempel, speicher.m_texte["Datei"], DateiInhalt(t / "Ressource.d"),
                         DateiInhalt(db), fs::exists(t / "Ressource.BK1"), meldungen.m_gezeigt.size()),
              std::tuple(db, t / "Ressource.d", db, "0 0", "", true, 0u));
    ASSERT_TRUE(app.Starten(speicher, meldungen, "\"" + kommando + "\""));
    // The command line does not change the stored path.
    EXPECT_EQ(std::tuple(app.m_strDatei, DateiInhalt(t / "Kommando.d"), fs::exists(kommando),
                         speicher.m_texte["Datei"]),
              std::tuple(kommando, "0 0", true, db));
}

TEST_F(Start, UnbrauchbarerPfadFuehrtZumStandardUndOhneDokumentordnerZumErsatz) {
    for (const std::string& wert : {std::string("/gibt/es/nicht/Plan.dat"), "/" + std::string(260, 'p') + ".dat"}) {
        speicher.m_texte["Datei"] = wert;
        ASSERT_TRUE(app.Starten(speicher, meldungen, ""));
        EXPECT_EQ(std::tuple(app.m_strDatei, speicher.m_texte["Datei"]),
                  std::tuple(t / "Ressource.dat", t / "Ressource.dat"));
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
    app.Beenden(speicher, meldungen);
    EXPECT_TRUE(!fs::exists(t / "Ressource.dat") && speicher.m_zahlen.empty());
    std::string texte;
    for (const Meldung& m : meldungen.m_gezeigt) texte += m.text + " | " + m.titel + "\n";
    EXPECT_EQ(texte, "Regestry Error | Duzizavododaror\nRegestry Error | Kalvora\n");
}

TEST(Pfade, NamenNebenDerDatenbank) {
    // The stamp drops two characters, not bytes.
    EXPECT_EQ(StempelPfad("/p/Ressource.dat") + "|" + EintragsartPfad("/p/Ressource.dat") + "|" +
                  StempelPfad("/p/Plän.dä") + "|" + StempelPfad("x"),
              "/p/Ressource.d|/p/Ressource.but|/p/Plän.|");
    // Backups are named from the file name alone, whatever dots the folders have.
    EXPECT_EQ(SicherungsBasis("/home/anna.meier/Dokumente/Ressource.dat") + "|" +
                  SicherungsPfad("/team.daten/plan/Plan.v2.dat", 5) + "|" + SicherungsBasis("/daten/ohne"),
              "/home/anna.meier/Dokumente/Ressource|/team.daten/plan/Plan.BK5|/daten/ohne");
}

struct Sicherung : ::testing::Test {
    TempOrdner t;
    std::string db = t / "Ressource.dat";
    void SetUp() override { DateiSchreibenTest(db, "aktuell"); }
    std::string BK(int i) { return t / ("Ressource.BK" + std::to_string(i)); }
    void Alter(int sekundenZurueck) {
        fs::last_write_time(BK(1), fs::file_time_type::clock::now() - std::chrono::seconds(sekundenZurueck));
    }
    std::string Reihe() {
        std::string s;
        for (int i = 1; i <= 5; ++i) s += (fs::exists(BK(i)) ? DateiInhalt(BK(i)) : "-") + " ";
        return s;
    }
};

TEST_F(Sicherung, NurNachMehrAlsFuenfzehnMinutenRotiertAllesUmEinsAuchUeberLuecken) {
    DateiSchreibenTest(BK(1), "bk1");
    DateiSchreibenTest(BK(3), "bk3");
    Alter(3600);
    SicherungenRotieren(db);
    EXPECT_EQ(DateiInhalt(BK(1)) + " " + DateiInhalt(BK(2)) + " " + DateiInhalt(BK(4)) + " " + (fs::exists(BK(5)) ? "5" : ""),
              "aktuell bk1 bk3 ");
    for (int i = 1; i <= 5; ++i) DateiSchreibenTest(BK(i), "bk" + std::to_string(i));
    Alter(600);
    SicherungenRotieren(db);
    EXPECT_EQ(Reihe(), "bk1 bk2 bk3 bk4 bk5 ");
    Alter(960);
    SicherungenRotieren(db);
    EXPECT_EQ(Reihe(), "aktuell bk1 bk2 bk3 bk4 ");
    // The copy carries the database's time, so an immediate second start rotates nothing.
    EXPECT_EQ(fs::last_write_time(BK(1)), fs::last_write_time(db));
    SicherungenRotieren(db);
    EXPECT_EQ(Reihe(), "aktuell bk1 bk2 bk3 bk4 ");
    // Forced (before compaction): rotates within the 900 s as well.
    SicherungenRotieren(db, true);
    EXPECT_EQ(Reihe(), "aktuell aktuell bk1 bk2 bk3 ");
    // A dot in a folder name: the backups stay beside the database; no database, no backup.
    fs::create_directories(t.pfad() / "team.daten/plan");
    DateiSchreibenTest(t / "team.daten/plan/Plan.dat", "x");
    SicherungenRotieren(t / "team.daten/plan/Plan.dat");
    SicherungenRotieren(t / "fehlt.dat");
    EXPECT_EQ(std::tuple(DateiInhalt(t / "team.daten/plan/Plan.BK1"), fs::exists(t / "fehlt.BK1")),
              std::tuple("x", false));
    // Copies leave no temporary files behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(t.pfad() / "team.daten/plan"), fs::directory_iterator()), 2);
}

// The entry-type file is rewritten only when this reports a difference.
TEST(Einstellungen, JedeAbweichungVomSchnappschussZaehlt) {
    const EintragsartTabelle vorher = EintragsartTabelle::Standard();
    EXPECT_FALSE(ArtenGeaendert(vorher, vorher));
    const std::pair<std::function<void(EintragsartTabelle&)>, bool> faelle[] = {
        {[](auto& t) { t.m_strBedeutung[1] = " "; }, true}, // only one more blank
        {[](auto& t) { t.m_strBedeutung[16] = "Kur"; }, true},
        {[](auto& t) { t.m_nFarbe[9] = 0x969697; }, true},
        {[](auto& t) { t.m_nAusrichtung[1] = 3; }, true},
        {[](auto& t) { t.m_nRegion[24] = 1; }, true},
        {[](auto& t) { t.m_nRegion[kFlagOesterreich] = 1; }, true},
        {[](auto& t) { t.m_strBedeutung[0] = "x", t.m_nFarbe[0] = 5; }, false}, // index 0 carries no type
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        EintragsartTabelle jetzt = vorher;
        faelle[i].first(jetzt);
        EXPECT_EQ(ArtenGeaendert(vorher, jetzt), faelle[i].second) << i;
    }
}

TEST(StempelDatei, LesenWieEinStrom) {
    TempOrdner t;
    const std::tuple<std::string, int, const char*> faelle[] = {
        // content, first number (99: unreadable), both numbers ("-": unreadable)
        {"0 17", 0, "0 17"},
        {"1 100000\r\n", 1, "1 100000"},
        {"  0\n\t5 trailing", 0, "0 5"},
        {"-3 +4", -3, "-3 4"},
        {"7", 7, "-"},
        {"abc 1", 99, "-"},
        {"1 x", 1, "-"},
        {"99999999999 1", 99, "-"},
        {std::string(10000, ' ') + "1 2", 99, "-"}, // only the front of a wrong file is read
    };
    for (const auto& [inhalt, erste, beide] : faelle) {
        DateiSchreibenTest(t / "R.d", inhalt);
        EXPECT_EQ(StempelErsteZahl(t / "R.d"), erste) << inhalt;
        const auto s = StempelLesen(t / "R.d");
        EXPECT_EQ(s ? std::to_string(s->sperre) + " " + std::to_string(s->zaehler) : "-", beide) << inhalt;
    }
    EXPECT_EQ(StempelErsteZahl(t / "fehlt.d"), 99);
    EXPECT_FALSE(StempelLesen(t / "fehlt.d"));
}

TEST(EintragsartDatei, FormatMitWagenruecklaufUndPlatzhalterFehlendeOderKaputteDatei) {
    EintragsartTabelle tab = EintragsartTabelle::Standard();
    std::tie(tab.m_strBedeutung[1], tab.m_strBedeutung[2], tab.m_strBedeutung[9], tab.m_nAusrichtung[3],
             tab.m_nRegion[25]) = std::tuple("Urlaub", "halber Tag frei", "Schulung", 2, 1);
    const std::string text = EintragsartTextSchreiben(tab); // every token ends with a carriage return
    ASSERT_TRUE(text.find('\n') == std::string::npos && text.back() == '\r');
    std::vector<std::string> tokens;
    for (std::size_t a = 0, e; (e = text.find('\r', a)) != std::string::npos; a = e + 1)
        tokens.push_back(text.substr(a, e - a));
    ASSERT_EQ(tokens.size(), 75u);
    // Meaning 1, 2, 3, alignment of type 3, any German state, meaning 9.
    EXPECT_EQ(tokens[0] + "|" + tokens[1] + "|" + tokens[2] + "|" + tokens[18] + "|" + tokens[49] + "|" + tokens[51],
              "Urlaub|halber*~#Tag*~#frei|*~#|2|1|Schulung");

    EintragsartTabelle gelesen; // an empty meaning comes back as one blank
    EintragsartTextLesen(text, gelesen);
    EXPECT_EQ(std::tie(gelesen.m_strBedeutung[2], gelesen.m_strBedeutung[3], gelesen.m_nFarbe, gelesen.m_nAusrichtung,
                       gelesen.m_nRegion),
              std::tuple("halber Tag frei", " ", tab.m_nFarbe, tab.m_nAusrichtung, tab.m_nRegion));
    // A missing or broken file keeps the values not read.
    TempOrdner t;
    const EintragsartTabelle standard = EintragsartTabelle::Standard();
    tab = standard;
    EXPECT_FALSE(EintragsartDateiLesen(t / "R.but", tab));
    EXPECT_EQ(tab, standard);
    // Eight meanings, two colours, then garbage where the third colour belongs.
    std::string kaputt;
    for (int i = 0; i < 8; ++i) kaputt += "B" + std::to_string(i) + "\r";
    EintragsartTextLesen(kaputt + "1\r2\rrot\r4\r", tab); // nothing after the bad token is read
    EXPECT_EQ(std::tie(tab.m_strBedeutung[8], tab.m_nFarbe[2], tab.m_nFarbe[3], tab.m_nFarbe[4]),
              std::tuple("B7", 2u, standard.m_nFarbe[3], standard.m_nFarbe[4]));
    EintragsartTabelle lf = standard; // LF or blanks between tokens read the same as CR
    EintragsartTextLesen("a\nb c\td e f g h 5", lf);
    EXPECT_EQ(std::tie(lf.m_strBedeutung[8], lf.m_nFarbe[1]), std::tuple("h", 5u));
}

TEST(Zeichensatz, Cp1252UndUtf8) {
    std::string alle;
    for (int b = 1; b < 256; ++b) alle.push_back(static_cast<char>(b));
    EXPECT_EQ(Cp1252AusUtf8(Utf8AusCp1252(alle)), alle) << "every byte survives";
    EXPECT_EQ(Utf8AusCp1252("\x80 \xE4\xF6\xFC\xDF"), "€ äöüß");
    for (const char* falsch : {"\u4E2D", "\xC3" /* cut short */, "\xFF\xFE", "\xF0\x9F\x98\x80"})
        EXPECT_FALSE(Cp1252AusUtf8(falsch)) << falsch;
}

} // namespace
