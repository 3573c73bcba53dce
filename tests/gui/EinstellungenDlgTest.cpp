#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "AnsichtHilfen.h"
#include "app/EintragsartDatei.h"
#include "app/QtWandlung.h"
#include "data/DatenbankFormat.h"
#include "data/UrlaubDoc.h"
#include "dialogs/BedeutungDlg.h"
#include "dialogs/EinstellungenBefehle.h"
#include "dialogs/EinstellungenDlg.h"
#include "dialogs/FarbButton.h"
#include "frame/Befehle.h"

using namespace kalvora;
using namespace kalvora::test;
namespace fs = std::filesystem;

namespace {

template <typename T> T* Finde(QWidget& w, const QString& name) {
    T* kind = w.findChild<T*>(name);
    EXPECT_NE(kind, nullptr) << name.toStdString();
    return kind;
}
QString Id(int id) {
    return QStringLiteral("id%1").arg(id);
}

// Region boxes in region order as the users see them: ids and labels.
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
    int aktiveArt = 7;

    void SetUp() override {
        DateiSchreibenTest(u.app.m_strStempel, "0 5");
        DateiSchreibenTest(u.app.m_strDatei, "");
        rahmen = u.Rahmen();
        befehle = std::make_unique<CEinstellungenBefehle>(u.app, *rahmen, doc, u.speicher, u.meldungen);
        befehle->m_ansicht.m_farbschema = [this](int s) { ansicht.push_back("schema " + std::to_string(s)); };
        befehle->m_ansicht.m_heuteKnopf = [this](COLORREF c) {
            ansicht.push_back("heute " + QString::number(c, 16).toStdString());
        };
        befehle->m_ansicht.m_anzeigeAufbauen = [this] { ansicht.push_back("aufbauen"); };
        befehle->m_ansicht.m_aktiveArt = [this] { return aktiveArt; };
        befehle->m_ansicht.m_gitterAktiveArt = [this](int a) {
            ansicht.push_back("art " + std::to_string(a));
        };
        u.speicher.m_texte.clear();
        u.speicher.m_zahlen.clear();
    }

    // Runs command 32785; `bedienen` works on the shown dialog, then OK or Abbrechen is clicked.
    bool Ausfuehren(const std::function<void(CEinstellungenDlg&)>& bedienen, bool ok = true) {
        befehle->m_ausfuehren = [&](CEinstellungenDlg& dlg) {
            dlg.show();
            if (bedienen) bedienen(dlg);
            Finde<QPushButton>(dlg, Id(ok ? 1 : 2))->click();
            return dlg.result();
        };
        return befehle->OnEinstellungen();
    }

    static void PfadEingeben(CEinstellungenDlg& dlg, const std::string& pfad) {
        Finde<QLineEdit>(dlg, Id(1026))->setText(TextAusPfad(pfad));
    }

    // The meaning dialog of a colour button answers with these values.
    static void Bedeutung(CEinstellungenDlg& dlg, COLORREF farbe, const std::string& text, int ausrichtung,
                          bool ok = true) {
        dlg.m_bedeutungAusfuehren = [=](CBedeutungDlg& b) {
            b.m_farbe = farbe;
            b.m_strBedeutung = text;
            b.m_nAusrichtung = ausrichtung;
            return ok;
        };
    }

    std::string ButPfad() const { return u.ordner / "Ressource.but"; }
};

} // namespace

TEST_F(EinstellungenBefehl, DialogZeigtDieWerteDesProgramms) {
    u.app.m_nFarbschema = 3;
    rahmen->m_tabelle.m_strBedeutung[16] = "Gr\xfcn"; // Windows-1252
    rahmen->m_tabelle.m_nRegion[17] = 1;
    rahmen->m_tabelle.m_nRegion[kFlagOesterreich] = 1;
    Ausfuehren(
        [&](CEinstellungenDlg& dlg) {
            EXPECT_EQ(Finde<QLineEdit>(dlg, Id(1026))->text(), TextAusPfad(u.app.m_strDatei));
            EXPECT_TRUE(Finde<QRadioButton>(dlg, Id(1029))->isChecked());
            EXPECT_EQ(Finde<CFarbButton>(dlg, Id(1070))->text(), QStringLiteral("Grün"));
            for (int art = 1; art <= kAnzahlArten; ++art) // type 9 under type 1
                EXPECT_EQ(Finde<CFarbButton>(dlg, Id(1054 + art))->Flaeche(),
                          rahmen->m_tabelle.m_nFarbe[static_cast<std::size_t>(art)]);
            EXPECT_GT(Finde<QWidget>(dlg, Id(1063))->y(), Finde<QWidget>(dlg, Id(1055))->geometry().bottom());
            for (int i = 0; i < kAnzahlLaender; ++i)
                EXPECT_EQ(Finde<QCheckBox>(dlg, Id(kRegionsIds[i]))->isChecked(), i == 17) << i;
            EXPECT_EQ(Finde<QCheckBox>(dlg, Id(kRegionsIds[17]))->text(), QStringLiteral("Kämten"));
            EXPECT_EQ(Finde<QCheckBox>(dlg, Id(kRegionsIds[23]))->text(), QStringLiteral("Voralberg"));
            for (int id : {1051, 1052}) { // the hidden country boxes
                EXPECT_FALSE(Finde<QCheckBox>(dlg, Id(id))->isVisible());
                EXPECT_EQ(Finde<QCheckBox>(dlg, Id(id))->isChecked(), id == 1052);
            }
        },
        false);
}

TEST_F(EinstellungenBefehl, SchemaUndReihenfolgeNachOk) {
    const struct {
        int vorher;
        int radio; // 0 = none clicked
        int nachher;
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
            if (f.radio) Finde<QRadioButton>(dlg, Id(f.radio))->click();
        }));
        EXPECT_EQ(u.app.m_nFarbschema, f.nachher);
        EXPECT_EQ(u.speicher.m_zahlen["Farbschema"], static_cast<std::uint32_t>(f.nachher));
        EXPECT_EQ(ansicht, f.ansicht) << f.vorher;
        EXPECT_TRUE(rahmen->Aktion(kArtBefehl[7])->isChecked());
    }
    // Nothing but the settings changed: no entry-type file, no message, the stamp as it was.
    EXPECT_FALSE(fs::exists(ButPfad()));
    EXPECT_TRUE(u.meldungen.m_gezeigt.empty());
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 5");
}

TEST_F(EinstellungenBefehl, PfadRegelnBeimOk) {
    TempOrdner t;
    DateiSchreibenTest(t / "alt.dat", "inhalt");
    DateiSchreibenTest(t / "alt.d", "1 42");
    DateiSchreibenTest(t / "ohne.dat", "daten");
    const struct {
        std::string eingabe, gespeichert, stempel, stempelInhalt, datenbankInhalt;
    } faelle[] = {
        {t / "Plan", t / "Plan.dat", t / "Plan.d", "0 0", ""},
        {t / "Plan.DAT", t / "Plan.DAT.dat", t / "Plan.DAT.d", "0 0", ""},
        {t / "alt.dat", t / "alt.dat", t / "alt.d", "1 42", "inhalt"},
        {t / "ohne.dat", t / "ohne.dat", t / "ohne.d", "0 0", "daten"}, // never emptied
        {"", ".dat", ".d", "0 0", ""},
    };
    const fs::path arbeitsordner = fs::current_path();
    fs::current_path(t.pfad()); // ".dat" lives in the working folder
    for (const auto& f : faelle) {
        u.meldungen.m_gezeigt.clear();
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) { PfadEingeben(dlg, f.eingabe); }));
        EXPECT_EQ(u.app.m_strDatei, f.gespeichert);
        EXPECT_EQ(u.speicher.m_texte["Datei"], f.gespeichert);
        ASSERT_EQ(u.meldungen.m_gezeigt.size(), 1u) << f.eingabe;
        EXPECT_EQ(u.meldungen.m_gezeigt[0].text,
                  "Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
        EXPECT_EQ(DateiInhalt(f.stempel), f.stempelInhalt) << f.eingabe;
        EXPECT_TRUE(fs::exists(f.gespeichert)) << f.eingabe;
        EXPECT_EQ(DateiInhalt(f.gespeichert), f.datenbankInhalt) << f.eingabe;
    }
    fs::current_path(arbeitsordner);
    // The running program keeps its stamp file.
    EXPECT_EQ(u.app.m_strStempel, u.ordner / "Ressource.d");
    EXPECT_EQ(DateiInhalt(u.ordner / "Ressource.d"), "0 5");
}

TEST_F(EinstellungenBefehl, AbbrechenNachFarbwechselBehaeltDieAenderungOhneDatei) {
    const EintragsartTabelle vorher = rahmen->m_tabelle;
    EXPECT_FALSE(Ausfuehren(
        [&](CEinstellungenDlg& dlg) {
            auto* knopf = Finde<CFarbButton>(dlg, Id(1057));
            Bedeutung(dlg, 0x00FF00, "weg", 1, false); // meaning dialog cancelled
            knopf->click();
            EXPECT_EQ(rahmen->m_tabelle, vorher);
            Bedeutung(dlg, 0x123456, "Dienst reise", 2);
            knopf->click();
            EXPECT_EQ(knopf->Flaeche(), 0x123456u);
            EXPECT_EQ(knopf->text(), QStringLiteral("Dienst reise"));
            PfadEingeben(dlg, u.ordner / "anders.dat");
            Finde<QCheckBox>(dlg, Id(1002))->setChecked(true);
        },
        false));
    EintragsartTabelle erwartet = vorher;
    erwartet.m_nFarbe[3] = 0x123456;
    erwartet.m_strBedeutung[3] = "Dienst reise";
    erwartet.m_nAusrichtung[3] = 2;
    EXPECT_EQ(rahmen->m_tabelle, erwartet);
    EXPECT_FALSE(fs::exists(ButPfad()));
    EXPECT_TRUE(u.speicher.m_texte.empty() && u.speicher.m_zahlen.empty());
    EXPECT_TRUE(ansicht.empty());
    EXPECT_EQ(u.app.m_strDatei, u.ordner / "Ressource.dat");
}

TEST_F(EinstellungenBefehl, EintragsartDateiNachEinerAenderung) {
    ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
        Bedeutung(dlg, 0x123456, "Dienst reise", 2);
        Finde<CFarbButton>(dlg, Id(1056))->click();
        Finde<QCheckBox>(dlg, Id(1013))->setChecked(true); // Sachsen-Anhalt
        Finde<QCheckBox>(dlg, Id(1032))->setChecked(true); // Wien
    }));
    EXPECT_EQ(rahmen->Aktion(kArtBefehl[2])->text(), QStringLiteral("Dienst reise"));

    const std::string inhalt = DateiInhalt(ButPfad());
    ASSERT_FALSE(inhalt.empty());
    EXPECT_EQ(inhalt.back(), '\r');
    EXPECT_EQ(inhalt.find('\n'), std::string::npos);
    std::vector<std::string> t;
    for (std::size_t a = 0, e; (e = inhalt.find('\r', a)) != std::string::npos; a = e + 1)
        t.push_back(inhalt.substr(a, e - a));
    ASSERT_EQ(t.size(), 75u);
    std::vector<std::string> erwartet = {
        "*~#",     "Dienst*~#reise", "*~#",   "*~#",      "*~#",      "*~#",      "*~#",      "*~#", "200",
        "1193046", "13107200",       "51400", "13158400", "13107400", "11842740", "14474460", "0",   "2"};
    erwartet.resize(24, "0");
    erwartet.resize(51, "0"); // region flags
    erwartet[24] = erwartet[48] = erwartet[49] = erwartet[50] = "1";
    erwartet.resize(59, "*~#");
    erwartet.resize(67, "9868950");
    erwartet.resize(75, "0");
    EXPECT_EQ(t, erwartet);
}

TEST_F(EinstellungenBefehl, JedesRegionsKaestchenSetztSeinFlag) {
    for (int i = 0; i < kAnzahlLaender; ++i) {
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
            for (int j = 0; j < kAnzahlLaender; ++j)
                Finde<QCheckBox>(dlg, Id(kRegionsIds[j]))->setChecked(i == j);
        }));
        Regionen erwartet{};
        erwartet[static_cast<std::size_t>(i)] = 1;
        erwartet[i < kErstesOesterreichLand ? kFlagDeutschland : kFlagOesterreich] = 1;
        EXPECT_EQ(rahmen->m_tabelle.m_nRegion, erwartet) << i;
    }
    // The hidden boxes alone set nothing, and the file follows.
    ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
        for (int id : kRegionsIds)
            Finde<QCheckBox>(dlg, Id(id))->setChecked(false);
        Finde<QCheckBox>(dlg, Id(1051))->setChecked(true);
        Finde<QCheckBox>(dlg, Id(1052))->setChecked(true);
    }));
    EXPECT_EQ(rahmen->m_tabelle.m_nRegion, Regionen{});
    EintragsartTabelle gelesen;
    gelesen.m_nRegion.fill(7);
    ASSERT_TRUE(EintragsartDateiLesen(ButPfad(), gelesen));
    EXPECT_EQ(gelesen.m_nRegion, Regionen{});
}

TEST_F(EinstellungenBefehl, RegestryErrorNachDenAnderenSchritten) {
    u.speicher.m_bOeffnenGelingt = false;
    ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
        PfadEingeben(dlg, u.ordner / "Neu");
        Finde<QRadioButton>(dlg, Id(1028))->click();
        Finde<QCheckBox>(dlg, Id(1003))->setChecked(true);
    }));
    ASSERT_EQ(u.meldungen.m_gezeigt.size(), 2u);
    EXPECT_EQ(u.meldungen.m_gezeigt[0].text,
              "Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
    EXPECT_EQ(u.meldungen.m_gezeigt[1].text, "Regestry Error");
    EXPECT_EQ(u.meldungen.m_gezeigt[1].titel, "Duzizavododaror");
    // In memory and in the entry-type file everything holds all the same.
    EXPECT_EQ(u.app.m_nFarbschema, 2);
    EXPECT_TRUE(fs::exists(u.ordner / "Neu.but"));
}

TEST_F(EinstellungenBefehl, DurchsuchenLegtNurNeuesAn) {
    TempOrdner t;
    DateiSchreibenTest(t / "da.dat", "bestand");
    DateiSchreibenTest(t / "da.d", "1 42");
    DateiSchreibenTest(t / "halb.d", "0 9");
    const auto zeit = fs::last_write_time(t / "da.dat");
    const struct {
        std::string name, stempelInhalt, datenbankInhalt;
    } faelle[] = {{"da", "1 42", "bestand"}, {"neu", "0 1", ""}, {"halb", "0 9", ""}};
    for (const auto& f : faelle) {
        Ausfuehren(
            [&](CEinstellungenDlg& dlg) {
                dlg.m_dateiWahl = [&] { return TextAusPfad(t / (f.name + ".dat")); };
                Finde<QPushButton>(dlg, Id(1025))->click();
                EXPECT_EQ(Finde<QLineEdit>(dlg, Id(1026))->text(), TextAusPfad(t / (f.name + ".dat")));
            },
            false);
        EXPECT_EQ(DateiInhalt(t / (f.name + ".dat")), f.datenbankInhalt) << f.name;
        EXPECT_EQ(DateiInhalt(t / (f.name + ".d")), f.stempelInhalt) << f.name;
    }
    EXPECT_EQ(fs::last_write_time(t / "da.dat"), zeit);
    // Cancelled, or the same as typed: nothing is created.
    Ausfuehren(
        [&](CEinstellungenDlg& dlg) {
            dlg.m_dateiWahl = [] { return QString(); };
            Finde<QPushButton>(dlg, Id(1025))->click();
            EXPECT_EQ(Finde<QLineEdit>(dlg, Id(1026))->text(), TextAusPfad(u.app.m_strDatei));
            PfadEingeben(dlg, t / "getippt.dat");
            dlg.m_dateiWahl = [&] { return TextAusPfad(t / "getippt.dat"); };
            Finde<QPushButton>(dlg, Id(1025))->click();
        },
        false);
    EXPECT_FALSE(fs::exists(t / "getippt.dat"));
    EXPECT_TRUE(u.speicher.m_texte.empty()) << "browsing does not store the path";
}

// No leaves the file byte-identical, Yes compacts and saves (compaction rules: core tests).
TEST_F(EinstellungenBefehl, DatenbankOptimierenUeberDasProgramm) {
    doc.m_pRessourcen.push_back(Ressource("weg", "", "", "", true));
    doc.m_pRessourcen.push_back(Ressource("bleibt", ""));
    ASSERT_TRUE(doc.OnSaveDocument(u.app.m_strDatei));
    const std::string vorher = DateiInhalt(u.app.m_strDatei);
    RessourcenListe erwartet;
    erwartet.push_back(Ressource("bleibt", ""));
    befehle->Anschliessen();
    QAction* optimieren = rahmen->Aktion(befehl::DatenbankOptimieren);
    optimieren->setEnabled(true); // the view enables it after its first load

    u.meldungen.m_antworten = {Antwort::Nein};
    optimieren->trigger();
    EXPECT_EQ(DateiInhalt(u.app.m_strDatei), vorher);
    EXPECT_EQ(doc.m_pRessourcen.size(), 2u);
    u.meldungen.m_antworten = {Antwort::Ja};
    optimieren->trigger();
    EXPECT_EQ(DateiInhalt(u.app.m_strDatei), DatenbankSchreiben(erwartet));
    ASSERT_EQ(u.meldungen.m_gezeigt.size(), 3u);
    EXPECT_EQ(u.meldungen.m_gezeigt[2].text, "Datenbankoptimierung durchgeführt!");
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 5") << "no lock, no counter";
}

TEST(EinstellungenAnsicht, GitterUndHeuteKnopfNehmenDasNeueSchema) {
    AnsichtUmgebung a;
    RessourcenListe liste;
    liste.push_back(Ressource("Bauer", "Anna"));
    a.Speichern(std::move(liste));
    a.rahmen->show();
    VIduvavIzoz& v = *a.ansicht;
    CEinstellungenBefehle befehle(a.u.app, *a.rahmen, a.doc, a.u.speicher, a.u.meldungen);
    befehle.m_ansicht = {[&](int s) { v.Kalender()->SetFarbschema(s); },
                         [&](COLORREF c) { v.HeuteKnopf()->SetFarbe(c, c, c); }, [&] { v.AnzeigeAufbauen(); },
                         [&] { return v.AktiveArt(); }, [&](int art) { v.Kalender()->SetAktiveArt(art); }};
    befehle.m_ausfuehren = [](CEinstellungenDlg& dlg) {
        dlg.show();
        Finde<QRadioButton>(dlg, Id(1030))->click(); // "Dark"
        Finde<QPushButton>(dlg, Id(1))->click();
        return dlg.result();
    };

    // Inside a working-day cell of the first row, clear of its edges: C1 of the scheme.
    auto werktag = [&] {
        const GitterLayout& l = a.Gitter().Layout();
        for (std::size_t j = 0; j < l.m_spalten.size(); ++j) {
            if (l.m_spalten[j].m_art != TagesArt::Werktag) continue;
            const Rechteck r = l.m_geo.Tageszelle(static_cast<int>(j), 0);
            return Pixel(a.Gitter().Puffer(), r.rechts - 2, r.unten - 2);
        }
        ADD_FAILURE() << "no working day shown";
        return QRgb{};
    };
    ASSERT_EQ(a.Gitter().AnzahlZeilen(), 1);
    EXPECT_EQ(werktag(), Rgb(0xE6E6E6));
    ASSERT_TRUE(befehle.OnEinstellungen());
    EXPECT_EQ(werktag(), Rgb(0x000000));
    EXPECT_EQ(v.HeuteKnopf()->Flaeche(), 0x960000u);
}
