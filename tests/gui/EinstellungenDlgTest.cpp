#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "GuiHilfen.h"
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

// Region boxes as the users see them: id, region index, label.
const struct {
    int nId;
    int nRegion;
    const char* pszText;
} kRegionen[] = {
    {1013, 0, "Sachsen-Anhalt"},
    {1001, 1, "Baden-Württemberg"},
    {1002, 2, "Bayern"},
    {1003, 3, "Berlin"},
    {1005, 4, "Bremen"},
    {1006, 5, "Hamburg"},
    {1016, 6, "Hessen"},
    {1007, 7, "Mecklenburg-Vorpommern"},
    {1008, 8, "Niedersachsen"},
    {1009, 9, "Nordrhein-Westfalen"},
    {1010, 10, "Rheinland-Pfalz"},
    {1011, 11, "Saarland"},
    {1012, 12, "Sachsen"},
    {1014, 13, "Schleswig-Holstein"},
    {1015, 14, "Thüringen"},
    {1004, 15, "Brandenburg"},
    {1017, 16, "Burgenland"},
    {1018, 17, "Kämten"},
    {1019, 18, "Niederösterreich"},
    {1020, 19, "Oberösterreich"},
    {1021, 20, "Salzburg"},
    {1022, 21, "Steiermark"},
    {1023, 22, "Tirol"},
    {1024, 23, "Voralberg"},
    {1032, 24, "Wien"},
};

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
    rahmen->m_tabelle.m_strBedeutung[5] = "Gleit zeit";
    rahmen->m_tabelle.m_strBedeutung[16] = "Gr\xfcn"; // Windows-1252
    rahmen->m_tabelle.m_nRegion[17] = 1;
    rahmen->m_tabelle.m_nRegion[kFlagOesterreich] = 1;
    Ausfuehren(
        [&](CEinstellungenDlg& dlg) {
            EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Einstellungen"));
            EXPECT_EQ(Finde<QLineEdit>(dlg, Id(1026))->text(), TextAusPfad(u.app.m_strDatei));
            EXPECT_EQ(Finde<QPushButton>(dlg, Id(1025))->text(), QStringLiteral("Duchsuchen"));
            EXPECT_TRUE(Finde<QRadioButton>(dlg, Id(1029))->isChecked());
            EXPECT_EQ(Finde<QRadioButton>(dlg, Id(1031))->text(), QStringLiteral("Schwarz/Weiß"));
            for (int art = 1; art <= kAnzahlArten; ++art) {
                auto* k = Finde<CFarbButton>(dlg, Id(1054 + art));
                EXPECT_EQ(k->Flaeche(), rahmen->m_tabelle.m_nFarbe[static_cast<std::size_t>(art)]) << art;
                EXPECT_EQ(k->Streifen(), k->Flaeche()) << art;
                EXPECT_EQ(k->Textfarbe(), 0x000000u) << art;
            }
            EXPECT_EQ(Finde<CFarbButton>(dlg, Id(1059))->text(), QStringLiteral("Gleit zeit"));
            EXPECT_EQ(Finde<CFarbButton>(dlg, Id(1070))->text(), QStringLiteral("Grün"));
            EXPECT_EQ(Finde<CFarbButton>(dlg, Id(1055))->text(), QString());
            // Two rows of eight in type order.
            for (int art = 1; art <= kAnzahlArten; ++art) {
                const QRect r = Finde<CFarbButton>(dlg, Id(1054 + art))->geometry();
                const QRect erster = Finde<CFarbButton>(dlg, Id(1055 + (art - 1) / 8 * 8))->geometry();
                EXPECT_EQ(r.top(), erster.top()) << art;
                if (art % 8 != 1) {
                    EXPECT_GT(r.left(), Finde<CFarbButton>(dlg, Id(1053 + art))->geometry().right()) << art;
                }
                if (art > 8) {
                    EXPECT_EQ(r.left(), Finde<CFarbButton>(dlg, Id(1046 + art))->geometry().left()) << art;
                    EXPECT_GT(r.top(), Finde<CFarbButton>(dlg, Id(1046 + art))->geometry().bottom()) << art;
                }
            }
            for (const auto& f : kRegionen) {
                auto* haken = Finde<QCheckBox>(dlg, Id(f.nId));
                EXPECT_EQ(haken->text(), QString::fromUtf8(f.pszText));
                EXPECT_TRUE(haken->isVisible());
                EXPECT_EQ(haken->isChecked(), f.nRegion == 17) << f.pszText;
            }
            for (int id : {1051, 1052}) {
                auto* versteckt = Finde<QCheckBox>(dlg, Id(id));
                EXPECT_EQ(versteckt->text(), QStringLiteral("FEIERTAGE BUNDESWEIT"));
                EXPECT_FALSE(versteckt->isVisible());
                EXPECT_EQ(versteckt->isChecked(), id == 1052);
            }
            EXPECT_EQ(Finde<QLabel>(dlg, QStringLiteral("hinweis"))->text(),
                      QStringLiteral("Angezeigte Feiertage und Ferien ohne Gewähr."));
        },
        false);
}

TEST_F(EinstellungenBefehl, OkOhneAenderungSchreibtDieEinstellungenAberNichtDieEintragsartDatei) {
    ASSERT_TRUE(Ausfuehren({}));
    EXPECT_EQ(u.speicher.m_texte["Datei"], u.app.m_strDatei);
    EXPECT_EQ(u.speicher.m_zahlen["Farbschema"], 1u);
    EXPECT_FALSE(fs::exists(ButPfad()));
    EXPECT_TRUE(u.meldungen.m_gezeigt.empty());
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 5");
    EXPECT_EQ(ansicht, (std::vector<std::string>{"schema 1", "heute dcffff", "aufbauen", "art 7"}));
    EXPECT_TRUE(rahmen->Aktion(kArtBefehl[7])->isChecked());
}

TEST_F(EinstellungenBefehl, SchemaAnGitterUndHeuteKnopf) {
    const struct {
        int vorher;
        int radio; // 0 = none clicked
        int nachher;
        const char* heute; // nullptr: the button keeps its colour
    } faelle[] = {
        {1, 1030, 4, "heute 960000"},
        {2, 1029, 3, "heute f0ffff"},
        {5, 0, 5, "heute e1e1e1"},
        {7, 0, 7, nullptr}, // a stored scheme outside 1..5 shows no radio and stays
    };
    for (const auto& f : faelle) {
        ansicht.clear();
        u.app.m_nFarbschema = f.vorher;
        Ausfuehren([&](CEinstellungenDlg& dlg) {
            if (f.radio) Finde<QRadioButton>(dlg, Id(f.radio))->click();
        });
        EXPECT_EQ(u.app.m_nFarbschema, f.nachher) << f.vorher;
        EXPECT_EQ(u.speicher.m_zahlen["Farbschema"], static_cast<std::uint32_t>(f.nachher)) << f.vorher;
        ASSERT_FALSE(ansicht.empty());
        EXPECT_EQ(ansicht[0], "schema " + std::to_string(f.nachher));
        EXPECT_EQ(ansicht[1], f.heute ? f.heute : "aufbauen") << f.vorher;
    }
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
        const std::string alt = u.app.m_strDatei;
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) { PfadEingeben(dlg, f.eingabe); }));
        EXPECT_EQ(u.app.m_strDatei, f.gespeichert);
        EXPECT_EQ(u.speicher.m_texte["Datei"], f.gespeichert);
        ASSERT_EQ(u.meldungen.m_gezeigt.size(), 1u) << f.eingabe;
        EXPECT_EQ(u.meldungen.m_gezeigt[0].text,
                  "Die Änderung der Datenbank wird erst nach einem Neustart aktiv!");
        EXPECT_EQ(DateiInhalt(f.stempel), f.stempelInhalt) << f.eingabe;
        EXPECT_TRUE(fs::exists(f.gespeichert)) << f.eingabe;
        EXPECT_EQ(DateiInhalt(f.gespeichert), f.datenbankInhalt) << f.eingabe;
        EXPECT_NE(alt, u.app.m_strDatei);
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
            EXPECT_EQ(knopf->Streifen(), 0x123456u);
            EXPECT_EQ(knopf->text(), QStringLiteral("Dienst reise"));
            PfadEingeben(dlg, u.ordner / "anders.dat");
            Finde<QCheckBox>(dlg, Id(1002))->setChecked(true);
        },
        false));
    EXPECT_EQ(rahmen->m_tabelle.m_nFarbe[3], 0x123456u);
    EXPECT_EQ(rahmen->m_tabelle.m_strBedeutung[3], "Dienst reise");
    EXPECT_EQ(rahmen->m_tabelle.m_nAusrichtung[3], 2);
    EXPECT_EQ(rahmen->m_tabelle.m_nRegion, vorher.m_nRegion);
    EXPECT_FALSE(fs::exists(ButPfad()));
    EXPECT_FALSE(fs::exists(u.ordner / "anders.dat"));
    EXPECT_TRUE(u.speicher.m_texte.empty());
    EXPECT_TRUE(u.speicher.m_zahlen.empty());
    EXPECT_TRUE(ansicht.empty());
    EXPECT_TRUE(u.meldungen.m_gezeigt.empty());
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
    auto bereich = [&](std::size_t von, std::size_t n) {
        return std::vector(t.begin() + static_cast<long>(von), t.begin() + static_cast<long>(von + n));
    };
    EXPECT_EQ(bereich(0, 8),
              (std::vector<std::string>{"*~#", "Dienst*~#reise", "*~#", "*~#", "*~#", "*~#", "*~#", "*~#"}));
    EXPECT_EQ(bereich(8, 8), (std::vector<std::string>{"200", "1193046", "13107200", "51400", "13158400",
                                                       "13107400", "11842740", "14474460"}));
    EXPECT_EQ(bereich(16, 8), (std::vector<std::string>{"0", "2", "0", "0", "0", "0", "0", "0"}));
    std::vector<std::string> regionen(27, "0");
    regionen[0] = regionen[24] = regionen[25] = regionen[26] = "1";
    EXPECT_EQ(bereich(24, 27), regionen);
    EXPECT_EQ(bereich(51, 8), std::vector<std::string>(8, "*~#"));
    EXPECT_EQ(bereich(59, 8), std::vector<std::string>(8, "9868950"));
    EXPECT_EQ(bereich(67, 8), std::vector<std::string>(8, "0"));
}

TEST_F(EinstellungenBefehl, JedesRegionsKaestchenSetztSeinFlag) {
    for (const auto& f : kRegionen) {
        ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
            for (const auto& g : kRegionen)
                Finde<QCheckBox>(dlg, Id(g.nId))->setChecked(g.nId == f.nId);
        }));
        Regionen erwartet{};
        erwartet[static_cast<std::size_t>(f.nRegion)] = 1;
        erwartet[f.nRegion < kErstesOesterreichLand ? kFlagDeutschland : kFlagOesterreich] = 1;
        EXPECT_EQ(rahmen->m_tabelle.m_nRegion, erwartet) << f.pszText;
        EintragsartTabelle gelesen;
        ASSERT_TRUE(EintragsartDateiLesen(ButPfad(), gelesen));
        EXPECT_EQ(gelesen.m_nRegion, erwartet) << f.pszText;
    }
    // The hidden boxes alone set nothing, and the file follows.
    ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
        for (const auto& g : kRegionen)
            Finde<QCheckBox>(dlg, Id(g.nId))->setChecked(false);
        Finde<QCheckBox>(dlg, Id(1051))->setChecked(true);
        Finde<QCheckBox>(dlg, Id(1052))->setChecked(true);
    }));
    EXPECT_EQ(rahmen->m_tabelle.m_nRegion, Regionen{});
    EintragsartTabelle gelesen;
    ASSERT_TRUE(EintragsartDateiLesen(ButPfad(), gelesen));
    EXPECT_EQ(gelesen.m_nRegion, Regionen{});
}

TEST_F(EinstellungenBefehl, RegestryErrorLaesstDenRestGeschehen) {
    u.speicher.m_bOeffnenGelingt = false;
    ASSERT_TRUE(Ausfuehren([&](CEinstellungenDlg& dlg) {
        Finde<QRadioButton>(dlg, Id(1028))->click();
        Finde<QCheckBox>(dlg, Id(1003))->setChecked(true);
    }));
    ASSERT_EQ(u.meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(u.meldungen.m_gezeigt[0].text, "Regestry Error");
    EXPECT_EQ(u.meldungen.m_gezeigt[0].titel, "Duzizavododaror");
    EXPECT_TRUE(u.speicher.m_texte.empty());
    EXPECT_TRUE(u.speicher.m_zahlen.empty());
    EXPECT_EQ(u.app.m_nFarbschema, 2);
    EXPECT_EQ(ansicht.front(), "schema 2");
    EXPECT_TRUE(fs::exists(ButPfad()));
}

TEST_F(EinstellungenBefehl, DurchsuchenLegtNurNeuesAn) {
    TempOrdner t;
    DateiSchreibenTest(t / "da.dat", "bestand");
    DateiSchreibenTest(t / "da.d", "1 42");
    DateiSchreibenTest(t / "halb.d", "0 9");
    const struct {
        std::string gewaehlt;
        std::string feld; // the edit afterwards
        std::string stempel, stempelInhalt, datenbankInhalt;
    } faelle[] = {
        {t / "da.dat", t / "da.dat", t / "da.d", "1 42", "bestand"},
        {t / "neu.dat", t / "neu.dat", t / "neu.d", "0 1", ""},
        {t / "halb.dat", t / "halb.dat", t / "halb.d", "0 9", ""},
    };
    for (const auto& f : faelle) {
        const auto zeit = fs::exists(f.gewaehlt) ? fs::last_write_time(f.gewaehlt) : fs::file_time_type{};
        Ausfuehren(
            [&](CEinstellungenDlg& dlg) {
                dlg.m_dateiWahl = [&] { return TextAusPfad(f.gewaehlt); };
                Finde<QPushButton>(dlg, Id(1025))->click();
                EXPECT_EQ(Finde<QLineEdit>(dlg, Id(1026))->text(), TextAusPfad(f.feld));
            },
            false);
        EXPECT_EQ(DateiInhalt(f.gewaehlt), f.datenbankInhalt) << f.gewaehlt;
        EXPECT_EQ(DateiInhalt(f.stempel), f.stempelInhalt) << f.gewaehlt;
        if (zeit != fs::file_time_type{}) EXPECT_EQ(fs::last_write_time(f.gewaehlt), zeit);
    }
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
    EXPECT_FALSE(fs::exists(t / "getippt.d"));
    EXPECT_TRUE(u.speicher.m_texte.empty()) << "browsing does not store the path";
}

TEST_F(EinstellungenBefehl, LaeuftModalUeberDieAktion) {
    befehle->Anschliessen();
    EXPECT_TRUE(rahmen->Aktion(befehl::Einstellungen)->isEnabled());
    EXPECT_FALSE(rahmen->Aktion(befehl::DatenbankOptimieren)->isEnabled())
        << "the view enables it after loading";
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<CEinstellungenDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        gesehen = true;
        Finde<QPushButton>(*dlg, Id(1))->click();
    });
    rahmen->Aktion(befehl::Einstellungen)->trigger();
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(u.speicher.m_zahlen["Farbschema"], 1u);
}

TEST_F(EinstellungenBefehl, DatenbankOptimierenUeberDasProgramm) {
    auto ressource = [](const std::string& name, bool geloescht) {
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = name;
        r->m_timeGeaendert = CTime(1700000000);
        r->m_bGeloescht = geloescht;
        return r;
    };
    doc.m_pRessourcen.push_back(ressource("weg", true));
    doc.m_pRessourcen.push_back(ressource("bleibt", false));
    SetTag(doc.m_pRessourcen[1].get(), CTime(2025, 3, 3, 9, 0, 0), 0, 0, "", CTime(1700000100));
    SetTag(doc.m_pRessourcen[1].get(), CTime(2025, 3, 4, 9, 0, 0), 4, 0, "Notiz", CTime(1700000200));
    ASSERT_TRUE(doc.OnSaveDocument(u.app.m_strDatei));
    const std::string vorher = DateiInhalt(u.app.m_strDatei);

    RessourcenListe erwartet;
    erwartet.push_back(ressource("bleibt", false));
    SetTag(erwartet[0].get(), CTime(2025, 3, 4, 9, 0, 0), 4, 0, "Notiz", CTime(1700000200));

    befehle->Anschliessen();
    QAction* optimieren = rahmen->Aktion(befehl::DatenbankOptimieren);
    optimieren->setEnabled(true); // as the view does after its first load

    u.meldungen.m_antworten = {Antwort::Nein};
    optimieren->trigger();
    EXPECT_EQ(DateiInhalt(u.app.m_strDatei), vorher);
    EXPECT_EQ(doc.m_pRessourcen.size(), 2u);
    ASSERT_EQ(u.meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(u.meldungen.m_gezeigt[0].titel, "Datenbank optimieren");
    EXPECT_EQ(u.meldungen.m_gezeigt[0].knoepfe, Knoepfe::JaNein);

    u.meldungen.m_antworten = {Antwort::Ja};
    optimieren->trigger();
    EXPECT_EQ(DateiInhalt(u.app.m_strDatei), DatenbankSchreiben(erwartet));
    ASSERT_EQ(u.meldungen.m_gezeigt.size(), 3u);
    EXPECT_EQ(u.meldungen.m_gezeigt[2].text, "Datenbankoptimierung durchgeführt!");
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 5") << "no lock, no counter";
}
