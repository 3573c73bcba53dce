// Command 32785 with its dialog driven from inside, and command 32786 through the program.
#include "dialogs/EinstellungenDlg.h"
#include "AnsichtHilfen.h"
#include "app/EintragsartDatei.h"
#include "app/QtWandlung.h"
#include "data/DatenbankFormat.h"
#include "dialogs/BedeutungDlg.h"
#include "dialogs/EinstellungenBefehle.h"

namespace fs = std::filesystem;

namespace {

// Region boxes in region order as the users see them.
constexpr int kRegionsIds[kAnzahlLaender] = {1013, 1001, 1002, 1003, 1005, 1006, 1016, 1007, 1008,
                                             1009, 1010, 1011, 1012, 1014, 1015, 1004, 1017, 1018,
                                             1019, 1020, 1021, 1022, 1023, 1024, 1032};
// A frame with its database, a document and the two commands; the view's part is logged.
struct EinstellungenBefehl : ::testing::Test {
    RahmenUmgebung u;
    std::unique_ptr<CMainFrame> rahmen;
    CUrlaubDoc doc{u.meldungen};
    std::unique_ptr<CEinstellungenBefehle> befehle;
    std::vector<std::string> ansicht;

    void SetUp() override {
        DateiSchreibenTest(u.app.m_strStempel, "0 5");
        DateiSchreibenTest(u.app.m_strDatei, "");
        rahmen = u.Rahmen();
        befehle = std::make_unique<CEinstellungenBefehle>(u.app, *rahmen, doc, u.speicher, u.meldungen);
        auto log = [this](std::string s) { ansicht.push_back(std::move(s)); };
        befehle->m_ansicht = {[=](int s) { log("schema " + std::to_string(s)); },
                              [=](COLORREF c) { log("heute " + QString::number(c, 16).toStdString()); },
                              [=] { log("aufbauen"); }, [] { return 7; },
                              [=](int a) { log("art " + std::to_string(a)); }};
        u.speicher = {};
    }

    // Runs command 32785; `bedienen` works on the shown dialog, then OK or Abbrechen is clicked.
    bool Ausfuehren(const std::function<void(CEinstellungenDlg&)>& bedienen, bool ok = true) {
        befehle->m_ausfuehren = [&](CEinstellungenDlg& dlg) {
            dlg.show();
            bedienen(dlg);
            Klick(dlg, ok ? 1 : 2);
            return dlg.result();
        };
        return befehle->OnEinstellungen();
    }
    static void PfadEingeben(CEinstellungenDlg& dlg, const std::string& pfad) {
        Kind<QLineEdit>(dlg, 1026)->setText(TextAusPfad(pfad));
    }
    // The meaning dialog of a colour button answers with these values.
    static void Bedeutung(CEinstellungenDlg& dlg, COLORREF farbe, std::string text, int ausr,
                          bool ok = true) {
        dlg.m_bedeutungAusfuehren = [=](CBedeutungDlg& b) {
            std::tie(b.m_farbe, b.m_strBedeutung, b.m_nAusrichtung) = std::tie(farbe, text, ausr);
            return ok;
        };
    }
    std::string ButPfad() const { return u.ordner / "Ressource.but"; }
};

} // namespace

TEST_F(EinstellungenBefehl, SchemaUndReihenfolgeNachOk) {
    const struct {
        int vorher, radio, nachher; // radio 0 = none clicked
        std::vector<std::string> ansicht;
    } faelle[] = {
        {1, 0, 1, {"schema 1", "heute dcffff", "aufbauen", "art 7"}},
        {2, 1030, 4, {"schema 4", "heute 960000", "aufbauen", "art 7"}},
        // A stored scheme outside 1..5 shows no radio and stays; the today button keeps its colour.
        {7, 0, 7, {"schema 7", "aufbauen", "art 7"}},
    };
    for (const auto& f : faelle) {
        ansicht.clear();
        u.app.m_nFarbschema = f.vorher;
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
            if (f.radio) Klick(dlg, f.radio);
        }));
        EXPECT_EQ(u.app.m_nFarbschema, f.nachher);
        EXPECT_EQ(u.speicher.m_zahlen["Farbschema"], static_cast<std::uint32_t>(f.nachher));
        EXPECT_EQ(ansicht, f.ansicht) << f.vorher;
        EXPECT_TRUE(rahmen->Aktion(kArtBefehl[7])->isChecked());
    }
    // Nothing but the settings changed: no entry-type file, no message, the stamp as it was.
    EXPECT_TRUE(!fs::exists(ButPfad()) && u.meldungen.m_gezeigt.empty());
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 5");
}

// t typed, w chosen, a browsing cancelled, g the same chosen, f typed with a failing registry.
TEST_F(EinstellungenBefehl, PfadRegeln) {
    TempOrdner t;
    const char* vorhanden[] = {"alt.dat", "inhalt",  "alt.d", "1 42", "ohne.dat", "daten",
                               "da.dat",  "bestand", "da.d",  "1 42", "halb.d",   "0 9"}; // name, content
    for (std::size_t i = 0; i < std::size(vorhanden); i += 2)
        DateiSchreibenTest(t / vorhanden[i], vorhanden[i + 1]);
    const auto zeit = fs::last_write_time(t / "da.dat");
    const struct {
        char wie;
        std::string eingabe, gespeichert, stempelInhalt, datenbankInhalt;
    } faelle[] = {
        {'t', t / "Plan", t / "Plan.dat", "0 0", ""},
        {'t', t / "Plan.DAT", t / "Plan.DAT.dat", "0 0", ""},
        {'t', t / "alt.dat", t / "alt.dat", "1 42", "inhalt"},
        {'t', t / "ohne.dat", t / "ohne.dat", "0 0", "daten"}, // never emptied
        {'t', "", ".dat", "0 0", ""},
        {'w', t / "da.dat", t / "da.dat", "1 42", "bestand"},
        {'w', t / "neu.dat", t / "neu.dat", "0 1", ""},
        {'w', t / "halb.dat", t / "halb.dat", "0 9", ""},
        {'a', t / "getippt.dat", t / "getippt.dat", "0 0", ""},
        {'g', t / "gleich.dat", t / "gleich.dat", "0 0", ""},
        {'f', t / "Neu", t / "Neu.dat", "0 0", ""},
    };
    const fs::path arbeitsordner = fs::current_path();
    fs::current_path(t.pfad()); // ".dat" lives in the working folder
    for (const auto& f : faelle) {
        const std::string stamm = f.gespeichert.substr(0, f.gespeichert.size() - 4);
        u.meldungen.m_gezeigt.clear();
        u.speicher.m_texte.clear();
        u.speicher.m_bOeffnenGelingt = f.wie != 'f';
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
            if (f.wie != 'w') PfadEingeben(dlg, f.eingabe);
            if (f.wie == 'f') Klick(dlg, 1028), Klick(dlg, 1003);
            if (f.wie == 't' || f.wie == 'f') return;
            dlg.m_dateiWahl = [&] { return f.wie == 'a' ? QString() : TextAusPfad(f.eingabe); };
            Klick(dlg, 1025);
            EXPECT_EQ(Kind<QLineEdit>(dlg, 1026)->text(), TextAusPfad(f.eingabe));
            EXPECT_EQ(fs::exists(f.eingabe) && fs::exists(stamm + ".d"), f.wie == 'w') << "made by browsing";
            EXPECT_TRUE(u.speicher.m_texte.empty()) << "browsing does not store the path";
        }));
        if (f.wie != 'f') EXPECT_EQ(u.speicher.m_texte["Datei"], f.gespeichert);
        ASSERT_EQ(u.meldungen.m_gezeigt.size(), f.wie == 'f' ? 2u : 1u) << f.eingabe;
        EXPECT_EQ(u.meldungen.m_gezeigt[0].text,
                  "Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
        // Only a changed table writes the entry-type file, a failing registry notwithstanding, and
        // beside the database in use until the restart.
        EXPECT_EQ(std::tuple(u.app.m_strDatei, DateiInhalt(stamm + ".d"), fs::exists(f.gespeichert),
                             DateiInhalt(f.gespeichert), fs::exists(stamm + ".but"), fs::exists(ButPfad())),
                  std::tuple(f.gespeichert, f.stempelInhalt, true, f.datenbankInhalt, false, f.wie == 'f'))
            << f.eingabe;
    }
    fs::current_path(arbeitsordner);
    EXPECT_EQ(std::tie(u.meldungen.m_gezeigt[1].text, u.meldungen.m_gezeigt[1].titel, u.app.m_nFarbschema),
              std::tuple("Regestry Error", "Duzizavododaror", 2));
    EXPECT_EQ(fs::last_write_time(t / "da.dat"), zeit);
    // The running program keeps its stamp file.
    EXPECT_EQ(u.app.m_strStempel + DateiInhalt(u.ordner / "Ressource.d"), u.ordner / "Ressource.d0 5");
}

TEST_F(EinstellungenBefehl, AbbrechenNachFarbwechselBehaeltDieAenderungOhneDatei) {
    const EintragsartTabelle vorher = rahmen->m_tabelle;
    EXPECT_FALSE(Ausfuehren(
        [&](CEinstellungenDlg& dlg) {
            auto* knopf = Kind<CFarbButton>(dlg, 1057);
            Bedeutung(dlg, 0x00FF00, "weg", 1, false); // meaning dialog cancelled
            knopf->click();
            EXPECT_EQ(rahmen->m_tabelle, vorher);
            Bedeutung(dlg, 0x123456, "Dienst reise", 2);
            knopf->click();
            EXPECT_EQ(std::pair(knopf->Flaeche(), knopf->text()),
                      std::pair(0x123456u, QStringLiteral("Dienst reise")));
            PfadEingeben(dlg, u.ordner / "anders.dat");
            Kind<QCheckBox>(dlg, 1002)->setChecked(true);
        },
        false));
    EintragsartTabelle erwartet = vorher;
    std::tie(erwartet.m_nFarbe[3], erwartet.m_strBedeutung[3], erwartet.m_nAusrichtung[3]) =
        std::tuple(0x123456u, "Dienst reise", 2);
    EXPECT_EQ(rahmen->m_tabelle, erwartet);
    EXPECT_TRUE(!fs::exists(ButPfad()) && u.speicher.m_texte.empty() && u.speicher.m_zahlen.empty() &&
                ansicht.empty());
    EXPECT_EQ(u.app.m_strDatei, u.ordner / "Ressource.dat");
}

TEST_F(EinstellungenBefehl, EintragsartDateiNachEinerAenderung) {
    ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
        Bedeutung(dlg, 0x123456, "Dienst reise", 2);
        Kind<CFarbButton>(dlg, 1056)->click();
        Kind<QCheckBox>(dlg, 1013)->setChecked(true); // Sachsen-Anhalt
        Kind<QCheckBox>(dlg, 1032)->setChecked(true); // Wien
    }));
    EXPECT_EQ(rahmen->Aktion(kArtBefehl[2])->text(), QStringLiteral("Dienst reise"));
    const EintragsartTabelle& t = rahmen->m_tabelle; // its bytes: core tests
    EXPECT_EQ(std::tuple(t.m_nFarbe[2], t.m_strBedeutung[2], t.m_nAusrichtung[2]),
              std::tuple(0x123456u, std::string("Dienst reise"), 2));
    EXPECT_EQ(DateiInhalt(ButPfad()), EintragsartTextSchreiben(t));
}

// Round 0 checks texts and hidden boxes; each region box sets its flag and its country's.
TEST_F(EinstellungenBefehl, RegionenKnopfReihenUndJedesKaestchenSetztSeinFlag) {
    rahmen->m_tabelle.m_nRegion[kFlagOesterreich] = 1;
    for (int i = 0; i <= kAnzahlLaender; ++i) {
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
            const auto box = [&](int id) { return Kind<QCheckBox>(dlg, id); };
            if (i == 0) {
                EXPECT_EQ(box(kRegionsIds[17])->text() + "|" + box(kRegionsIds[23])->text(),
                          QStringLiteral("Kämten|Voralberg"));
                for (int id : {1051, 1052})
                    EXPECT_EQ(std::pair(box(id)->isVisible(), box(id)->isChecked()),
                              std::pair(false, id == 1052));
                EXPECT_GT(Kind(dlg, 1063)->y(), Kind(dlg, 1055)->geometry().bottom());
            }
            for (int j = 0; j < kAnzahlLaender; ++j)
                box(kRegionsIds[j])->setChecked(i == j);
            for (int id : {1051, 1052})
                box(id)->setChecked(i == kAnzahlLaender);
        }));
        Regionen erwartet{};
        if (i < kAnzahlLaender)
            erwartet[static_cast<std::size_t>(i)] =
                erwartet[i < kErstesOesterreichLand ? kFlagDeutschland : kFlagOesterreich] = 1;
        EXPECT_EQ(rahmen->m_tabelle.m_nRegion, erwartet) << i;
    }
    EintragsartTabelle gelesen;
    gelesen.m_nRegion.fill(7);
    ASSERT_TRUE(EintragsartDateiLesen(ButPfad(), gelesen));
    EXPECT_EQ(gelesen.m_nRegion, Regionen{});
}

// No leaves the file byte-identical, Yes compacts and saves (compaction rules: core tests).
TEST_F(EinstellungenBefehl, DatenbankOptimierenUeberDasProgramm) {
    doc.m_pRessourcen = Liste(Ressource("weg", "", "", "", true), Ressource("bleibt", ""));
    ASSERT_TRUE(doc.OnSaveDocument(u.app.m_strDatei));
    const std::string vorher = DateiInhalt(u.app.m_strDatei);
    befehle->Anschliessen();
    QAction* optimieren = rahmen->Aktion(befehl::DatenbankOptimieren);
    optimieren->setEnabled(true); // the view enables it after its first load
    u.meldungen.m_antworten = {Antwort::Nein};
    optimieren->trigger();
    EXPECT_EQ(std::pair(DateiInhalt(u.app.m_strDatei), doc.m_pRessourcen.size()),
              std::pair(vorher, std::size_t{2}));
    u.meldungen.m_antworten = {Antwort::Ja};
    optimieren->trigger();
    EXPECT_EQ(DateiInhalt(u.app.m_strDatei), DatenbankSchreiben(Liste(Ressource("bleibt", ""))));
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 5") << "no lock, no counter";
}

// Until the restart the running view saves, takes in and compacts the database it started with.
TEST(EinstellungenNeueDatenbank, BisZumNeustartBleibtDieAnsichtBeiIhrerDatenbank) {
    UhrFixiert uhr(CTime(2025, 6, 2, 8, 0, 0));
    AnsichtUmgebung a;
    a.Speichern(Liste(Ressource("Bauer", "Anna"), Ressource("weg", "", "", "", true)));
    AnsichtUmgebung b(&a); // another instance on the start database
    a.Starten();
    b.Starten();
    TempOrdner t;
    const std::string neu = t / "Neu.dat";
    CEinstellungenBefehle befehle(a.u.app, *a.rahmen, a.doc, a.u.speicher, a.u.meldungen);
    befehle.m_strDatenbank = a.ansicht->Datenbank();
    befehle.m_ausfuehren = [&](CEinstellungenDlg& dlg) {
        dlg.show();
        Kind<QLineEdit>(dlg, 1026)->setText(TextAusPfad(neu));
        Klick(dlg, 1);
        return dlg.result();
    };
    ASSERT_TRUE(befehle.OnEinstellungen());
    ASSERT_EQ(a.u.app.m_strDatei, neu);
    const std::string start = a.ansicht->Datenbank();

    SetTag(a.doc.m_pRessourcen[0].get(), CTime(2025, 6, 10, 9, 0, 0), 4, 4, "", Jetzt());
    EXPECT_EQ(a.ansicht->Abgleichen(false), AbgleichStand::Fertig);
    SetTag(b.doc.m_pRessourcen[0].get(), CTime(2025, 6, 11, 9, 0, 0), 2, 2, "", Jetzt());
    EXPECT_EQ(b.ansicht->Abgleichen(false), AbgleichStand::Fertig);
    a.ansicht->Takt(); // takes in B's day
    a.u.meldungen.m_antworten = {Antwort::Ja};
    befehle.OnDatenbankOptimieren();

    EXPECT_EQ(std::pair(DateiInhalt(neu), DateiInhalt(t / "Neu.d")), std::pair(std::string(), std::string("0 0")));
    const RessourcenListe liste = AufPlatte(start);
    ASSERT_EQ(liste.size(), 1u) << "compacted";
    EXPECT_EQ(Haelften(*liste[0], {Um(2025, 6, 10), Um(2025, 6, 11)}), "4/4 2/2 ");
    EXPECT_EQ(DateiInhalt(a.u.app.m_strStempel), "0 2");
}
