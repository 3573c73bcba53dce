// Resource management driven through its buttons, the edit dialog answered from inside its own
// event loop, message boxes answered by a recorder; and command 32771 from copy to saved file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "AnsichtHilfen.h"
#include "data/Abgleich.h"
#include "data/DatenbankFormat.h"
#include "dialogs/JahresFeld.h"
#include "dialogs/RessourceDlg.h"
#include "dialogs/RessourcenDlg.h"
#include "dialogs/StatistikFeld.h"
#include "dialogs/Verwaltung.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Runs `schritt` on the next modal dialog of type T as soon as its event loop runs.
template <typename T> void BeimNaechstenDialog(std::function<void(T&)> schritt, int versuche = 100) {
    QTimer::singleShot(0, [schritt, versuche] {
        if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget())) {
            schritt(*dlg);
        } else if (versuche > 0) {
            BeimNaechstenDialog<T>(schritt, versuche - 1);
        } else {
            ADD_FAILURE() << "kein modaler Dialog";
        }
    });
}

struct Eingabe {
    QString b1, b2, gruppe, nr;
};

// Answers the edit dialog: types the texts into the enabled fields and presses OK, or cancels.
void RessourceDlgAntwort(const std::optional<Eingabe>& eingabe) {
    BeimNaechstenDialog<CRessourceDlg>([eingabe](CRessourceDlg& dlg) {
        if (!eingabe) {
            Kind<QPushButton>(dlg, "id2")->click();
            return;
        }
        const QString texte[] = {eingabe->b1, eingabe->b2, eingabe->gruppe, eingabe->nr};
        for (int i = 0; i < 4; ++i)
            if (auto* edit = Kind<QLineEdit>(dlg, std::array{"id1004", "id1005", "id1020", "id1021"}[i]);
                edit->isEnabled())
                edit->setText(texte[i]);
        Kind<QPushButton>(dlg, "id1")->click();
    });
}

std::string Reihe(const RessourcenListe& liste) {
    std::string s;
    for (const auto& r : liste)
        s += (s.empty() ? "" : " ") + r->m_strBenennung1 + "/" + r->m_strIdentNr +
             (r->m_strGruppe.empty() ? "" : "@" + r->m_strGruppe) + (r->m_bGeloescht ? "(x)" : "");
    return s;
}

const CTime kJetzt(2025, 6, 2, 12, 0, 0);

// Apfel (group Lager, days in 2024 and 2025), Birne (deleted), Kirsche (no group).
RessourcenListe Beispiel() {
    RessourcenListe liste;
    liste.push_back(Ressource("Apfel", "Anna", "Lager", "1"));
    liste.push_back(Ressource("Birne", "Bert", "Lager", "2", true));
    liste.push_back(Ressource("Kirsche", "Karl", "", "7"));
    CRessource& apfel = *liste[0];
    apfel.m_pTage.Anhaengen(3, 3, {CTime(50), 1, 2, CTime(2025, 3, 3, 9, 0, 0), "Arzt"});
    apfel.m_pTage.Anhaengen(3, 4, {CTime(50), 1, 1, CTime(2025, 3, 4, 9, 0, 0), ""});
    apfel.m_pTage.Anhaengen(3, 4, {CTime(50), 3, 3, CTime(2024, 3, 4, 9, 0, 0), ""});
    return liste;
}

class RessourcenDlgTest : public ::testing::Test {
protected:
    UhrFixiert uhr{kJetzt};
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    MeldungsRekorder meldungen;
    RessourcenListe liste = Beispiel();
    std::unique_ptr<CRessourcenDlg> dlg;

    void Oeffnen(int jahr = 0) {
        dlg = std::make_unique<CRessourcenDlg>(liste, tabelle, meldungen);
        if (jahr) dlg->m_nJahr = dlg->m_nJahrAlt = jahr;
        dlg->show();
    }
    QListWidget* Liste() { return Kind<QListWidget>(*dlg, "id1003"); }
    QString Text(const char* id) { return Kind<QLabel>(*dlg, id)->text(); }
    void Klick(const char* id) { Kind<QPushButton>(*dlg, id)->click(); }
    void Waehle(int zeile) { Liste()->setCurrentRow(zeile); }
    QStringList Zeilen() {
        QStringList z;
        for (int i = 0; i < Liste()->count(); ++i)
            z << Liste()->item(i)->text();
        return z;
    }
    float Zahl(int art) { return dlg->StatistikFeld()->Zahlen()[static_cast<std::size_t>(art - 1)]; }
};

// Deleted records have no line; counts are of the shown year, the overview gets every year's marks;
// without a selection the buttons only complain.
TEST_F(RessourcenDlgTest, ZeileNZeigtDieNteNichtGeloeschteRessourceOhneAuswahlNurDieMeldung) {
    Oeffnen();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Ressourcen verwalten"));
    EXPECT_EQ(Zeilen(), (QStringList{QStringLiteral("Apfel, Anna"), QStringLiteral("Kirsche, Karl")}));
    EXPECT_EQ(Text("id1033"), QStringLiteral("-"));
    Waehle(1);
    EXPECT_EQ(Text("id1033"), QStringLiteral("Kirsche, Karl"));
    EXPECT_EQ(Text("id1035"), QStringLiteral("Identifikations-Nr.: 7"));
    EXPECT_EQ(dlg->m_nAuswahlAlt, 2);
    Waehle(0);
    EXPECT_EQ(Text("id1034"), QStringLiteral("Gruppe: Lager"));
    EXPECT_EQ(dlg->JahresFeld()->Ueberschrift(), "Apfel, Anna - Gruppe: Lager - ");
    EXPECT_EQ(Zahl(1), 1.5f); // a whole day and a first half
    EXPECT_EQ(Zahl(2), 0.5f);
    EXPECT_EQ(Zahl(3), 0.0f); // 2024 only
    EXPECT_EQ(dlg->JahresFeld()->Tage().size(), 4u);
    Liste()->clearSelection();
    EXPECT_EQ(Text("id1033"), QStringLiteral("-"));
    EXPECT_TRUE(dlg->JahresFeld()->Tage().empty());
    for (const char* id : {"id1001", "id1004", "id1002"}) { // Bearbeiten, Kopieren, Löschen
        meldungen.m_gezeigt.clear();
        Klick(id);
        ASSERT_EQ(meldungen.m_gezeigt.size(), 1u) << id;
        EXPECT_EQ(meldungen.m_gezeigt[0].text, "Kein Mitarbeiter ausgewählt! ");
    }
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7");
}

// Cancelled nothing; an existing identity gives a second record, placed by key (order: core tests).
TEST_F(RessourcenDlgTest, NeuLegtNachSchluesselAnAuchMitVorhandenerIdentitaet) {
    Oeffnen();
    RessourceDlgAntwort(std::nullopt);
    Klick("id1000");
    EXPECT_EQ(liste.size(), 3u);
    RessourceDlgAntwort(Eingabe{"Kirsche", "Karl", "Halle", "7"});
    Klick("id1000");
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7@Halle Kirsche/7");
    EXPECT_EQ(liste[2]->m_timeGeaendert, kJetzt);
    EXPECT_EQ(Zeilen().size(), 3);
}

TEST_F(RessourcenDlgTest, BearbeitenAendertNurDieGruppe) {
    Oeffnen();
    Waehle(1);
    BeimNaechstenDialog<CRessourceDlg>([&](CRessourceDlg& r) {
        EXPECT_EQ(r.windowTitle(), QStringLiteral("Ressource"));
        for (const char* id : {"id1004", "id1005", "id1021"})
            EXPECT_FALSE(Kind<QLineEdit>(r, id)->isEnabled()) << id;
        EXPECT_EQ(Kind<QLineEdit>(r, "id1004")->text(), QStringLiteral("Kirsche"));
        Kind<QLineEdit>(r, "id1020")->setText(QStringLiteral("B\u00fcro"));
        Kind<QPushButton>(r, "id1")->click();
    });
    Klick("id1001");
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7@B\xFCro");
    EXPECT_EQ(liste[2]->m_timeGeaendert, kJetzt);
    EXPECT_EQ(Text("id1033"), QStringLiteral("-")); // the list was refilled without selection
}

TEST_F(RessourcenDlgTest, KopierenMitAllenTagenOderBegruendetVerweigert) {
    Oeffnen();
    const std::string vorher = Reihe(liste);
    for (const auto& [eingabe, meldung] :
         {std::pair{Eingabe{"Apfel", "Anna", "Halle", "1"},
                    "Zum Kopieren müssen Sie Name, Vorname oder Personalnummer ändern!"},
          {Eingabe{"Kirsche", "Karl", "", "7"}, "Ressource existiert bereits!"}}) {
        meldungen.m_gezeigt.clear();
        Waehle(0);
        RessourceDlgAntwort(eingabe);
        Klick("id1004");
        ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
        EXPECT_EQ(meldungen.m_gezeigt[0].text, meldung);
        EXPECT_EQ(Reihe(liste), vorher);
    }

    // The identity of a deleted resource is free again: the copy goes before the deleted one.
    meldungen.m_gezeigt.clear();
    Waehle(0);
    RessourceDlgAntwort(Eingabe{"Birne", "Bert", "Halle", "2"});
    Klick("id1004");
    EXPECT_TRUE(meldungen.m_gezeigt.empty());
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Halle Birne/2@Lager(x) Kirsche/7");
    EXPECT_EQ(liste[1]->AnzahlEintraege(), 3u); // every day, notes included
    EXPECT_EQ(liste[1]->FindeTag(CTime(2025, 3, 3, 9, 0, 0))->m_strNotiz, "Arzt");
    EXPECT_EQ(liste[2]->AnzahlEintraege(), 0u);
}

TEST_F(RessourcenDlgTest, LoeschenNurNachJa) {
    Oeffnen();
    Waehle(1);
    meldungen.m_antworten = {Antwort::Nein};
    Klick("id1002");
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text + "|" + meldungen.m_gezeigt[0].titel,
              "Ressource Kirsche, Karl wirklich löschen?|Ressource löschen");
    EXPECT_EQ(meldungen.m_gezeigt[0].knoepfe, Knoepfe::JaNein);
    EXPECT_FALSE(liste[2]->m_bGeloescht);

    meldungen.m_antworten = {Antwort::Ja};
    Klick("id1002");
    EXPECT_TRUE(liste[2]->m_bGeloescht); // kept with the mark, only its line goes
    EXPECT_EQ(liste[2]->m_timeGeaendert, kJetzt);
    EXPECT_EQ(Zeilen(), QStringList{QStringLiteral("Apfel, Anna")});
}

// Counts follow the year; the buttons stop at 1971 and 2036.
TEST_F(RessourcenDlgTest, JahreswahlZwischen1971Und2036UndZahlenFolgen) {
    Oeffnen();
    Waehle(0);
    Klick("id1038");
    EXPECT_EQ(Text("id1040"), QStringLiteral("2024"));
    EXPECT_EQ(Zahl(3), 1.0f);
    EXPECT_EQ(Zahl(1), 0.0f);
    for (const auto& [start, knopf, grenze] : {std::tuple{1972, "id1038", 1971}, {2035, "id1039", 2036}}) {
        Oeffnen(start);
        Waehle(0);
        Klick(knopf);
        Klick(knopf);
        EXPECT_EQ(Text("id1040"), QString::number(grenze));
        EXPECT_EQ(dlg->JahresFeld()->Jahr(), grenze);
    }
}

TEST_F(RessourcenDlgTest, JahresuebersichtInDenFarbenDesSchemas) {
    Oeffnen();
    dlg->m_dialogFarben = DialogFarbenFuerSchema(4);
    Waehle(0);
    QImage bild(720, 320, QImage::Format_RGB32);
    QPainter dc(&bild);
    dlg->JahresFeld()->Zeichnen(dc, false, bild.size());
    dc.end();
    // June 2025: the 2nd is today (a Monday), the 3rd a weekday, the 7th a Saturday, the 8th a Sunday.
    std::vector<QRgb> grund;
    for (int tag : {2, 3, 7, 8})
        grund.push_back(Pixel(bild, 70 + (tag - 1) * 20 + 3, 40 + 5 * 20 + 2));
    EXPECT_EQ(grund, (std::vector<QRgb>{Rgb(0x960000), Rgb(0x000000), Rgb(0x006400), Rgb(0x006400)}));
}

// Input typed one by one through the validator: Omega has no place in the code page, the euro sign has.
TEST(RessourceDlg, NurZeichenDesZeichensatzes) {
    CRessourceDlg dlg;
    dlg.show();
    QLineEdit* name = Kind<QLineEdit>(dlg, "id1004");
    for (const QChar c : QStringLiteral("\u03a9\u20acB"))
        name->insert(QString(c));
    Kind<QPushButton>(dlg, "id1")->click();
    EXPECT_EQ(dlg.m_strBenennung1, "\x80"
                                   "B");
}

// Command 32771 on a real database: copy, dialog, fallback, replacement and the saving sync.
class Verwalten : public ::testing::TestWithParam<int> {
protected:
    struct Anzeige : AbgleichAnzeige {
        void AnzeigeAufbauen() override {}
        void SetzeTitel(const std::string&) override {}
    };

    UhrFixiert uhr{kJetzt};
    TempOrdner ordner;
    MeldungsRekorder meldungen;
    AppEinstellungen app;
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    CUrlaubDoc doc{meldungen};
    bool bAbgleichOffen = false;
    bool bVerwaltungOffen = false;
    Anzeige anzeige;
    std::unique_ptr<Abgleich> abgleich;
    int nZurueckgesetzt = 0;
    std::optional<AbgleichStand> stand;
    VerwaltungsAnschluss anschluss;

    void SetUp() override {
        app.m_strDatei = ordner / "Ressource.dat";
        app.m_strStempel = ordner / "Ressource.d";
        DateiSchreibenTest(app.m_strStempel, "0 1");
        DateiSchreibenTest(app.m_strDatei, DatenbankSchreiben(Beispiel()));
        abgleich = std::make_unique<Abgleich>(doc, app.m_strDatei, app.m_strStempel, bAbgleichOffen, anzeige);
        ASSERT_TRUE(abgleich->ErstesLaden());
        anschluss.m_gruppeZurueckgesetzt = [this] { ++nZurueckgesetzt; };
        anschluss.m_abgleichenUndAufbauen = [this] { stand = abgleich->Abgleichen(false); };
    }
    std::string Gespeichert() {
        RessourcenListe geladen;
        EXPECT_FALSE(DatenbankLaden(app.m_strDatei, geladen));
        return Reihe(geladen);
    }
};

// 0: OK, 1: Esc, 2: the close box.
TEST_P(Verwalten, JedesSchliessenUebernimmtSpeichertUndSetztDieGruppeZurueck) {
    app.m_strAbteilung = "Lager";
    bool imDialog = false;
    BeimNaechstenDialog<CRessourcenDlg>([&](CRessourcenDlg& dlg) {
        imDialog = bVerwaltungOffen;
        auto* liste = Kind<QListWidget>(dlg, "id1003");
        liste->setCurrentRow(0);
        meldungen.m_antworten = {Antwort::Ja};
        Kind<QPushButton>(dlg, "id1002")->click(); // the last of group Lager
        RessourceDlgAntwort(Eingabe{"Dattel", "Dora", "", "5"});
        Kind<QPushButton>(dlg, "id1000")->click();
        // The dialog works on a copy: the working list is untouched so far.
        EXPECT_FALSE(doc.m_pRessourcen[0]->m_bGeloescht);
        EXPECT_EQ(doc.m_pRessourcen.size(), 3u);
        if (GetParam() == 0)
            Kind<QPushButton>(dlg, "id1")->click();
        else if (GetParam() == 1)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
    });
    RessourcenVerwalten(nullptr, doc.m_pRessourcen, app, tabelle, meldungen, bVerwaltungOffen, anschluss);
    EXPECT_TRUE(imDialog);
    EXPECT_FALSE(bVerwaltungOffen);
    EXPECT_EQ(app.m_strAbteilung, ""); // group Lager has no one left
    EXPECT_EQ(nZurueckgesetzt, 1);
    ASSERT_EQ(stand, AbgleichStand::Fertig);
    const std::string erwartet = "Apfel/1@Lager(x) Birne/2@Lager(x) Dattel/5 Kirsche/7";
    EXPECT_EQ(Reihe(doc.m_pRessourcen), erwartet);
    EXPECT_EQ(Gespeichert(), erwartet);
    EXPECT_EQ(DateiInhalt(app.m_strStempel), "0 2");
}

INSTANTIATE_TEST_SUITE_P(OkEscSchliessfeld, Verwalten, ::testing::Values(0, 1, 2));

TEST_F(Verwalten, GruppeBleibtWennSieNochJemandHat) {
    app.m_strAbteilung = "Lager";
    CJahresFeld* gedruckt = nullptr;
    anschluss.m_drucken = [&](CJahresFeld& feld) { gedruckt = &feld; };
    CJahresFeld* imDialog = nullptr;
    BeimNaechstenDialog<CRessourcenDlg>([&](CRessourcenDlg& dlg) {
        imDialog = dlg.JahresFeld();
        Kind<QPushButton>(dlg, "id1050")->click();
        Kind<QPushButton>(dlg, "id1")->click();
    });
    RessourcenVerwalten(nullptr, doc.m_pRessourcen, app, tabelle, meldungen, bVerwaltungOffen, anschluss);
    EXPECT_EQ(gedruckt, imDialog); // "Drucken" hands over the dialog's year overview
    EXPECT_EQ(app.m_strAbteilung, "Lager");
    EXPECT_EQ(nZurueckgesetzt, 0);
    EXPECT_EQ(Gespeichert(), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7");
}

} // namespace
