// Resource management through its buttons and nested dialogs; command 32771 from copy to saved file.
#include "dialogs/RessourcenDlg.h"
#include "AnsichtHilfen.h"
#include "data/Abgleich.h"
#include "data/DatenbankFormat.h"
#include "dialogs/JahresFeld.h"
#include "dialogs/KurzText.h"
#include "dialogs/RessourceDlg.h"
#include "dialogs/StatistikFeld.h"
#include "dialogs/Verwaltung.h"

namespace {

struct Eingabe {
    QString b1, b2, gruppe, nr;
};

// Answers the edit dialog: types the texts into the enabled fields and presses OK, or cancels.
void RessourceDlgAntwort(const std::optional<Eingabe>& e) {
    BeimNaechstenDialog<CRessourceDlg>([e](CRessourceDlg& dlg) {
        if (e)
            for (const auto& [id, text] :
                 {std::pair{1004, e->b1}, {1005, e->b2}, {1020, e->gruppe}, {1021, e->nr}})
                if (auto* edit = Kind<QLineEdit>(dlg, id); edit->isEnabled()) edit->setText(text);
        Klick(dlg, e ? 1 : 2);
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
    RessourcenListe liste =
        Liste(Ressource("Apfel", "Anna", "Lager", "1"), Ressource("Birne", "Bert", "Lager", "2", true),
              Ressource("Kirsche", "Karl", "", "7"));
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
    QListWidget* Liste() { return Kind<QListWidget>(*dlg, 1003); }
    QString Text(int id) { return Kind<QLabel>(*dlg, id)->text(); }
    void Waehle(int zeile) { Liste()->setCurrentRow(zeile); }
    // Clicks `id` and returns the messages it showed.
    Texte Knopf(int id) {
        meldungen.m_gezeigt.clear();
        Klick(*dlg, id);
        return Gezeigt(meldungen);
    }
    QStringList Zeilen() { return test::Zeilen(*Liste()); }
    float Zahl(int art) { return dlg->StatistikFeld()->Zahlen()[static_cast<std::size_t>(art - 1)]; }
};

// Command 32771 on a real database: copy, dialog, fallback, replacement and the saving sync.
class Verwalten : public ::testing::TestWithParam<int> {
protected:
    struct Anzeige : AbgleichAnzeige {
        void AnzeigeAufbauen() override {}
        void SetzeTitel(const std::string&) override {}
    };

    UhrFixiert uhr{kJetzt};
    RahmenUmgebung u;
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    CUrlaubDoc doc{u.meldungen};
    bool bAbgleichOffen = false, bVerwaltungOffen = false;
    Anzeige anzeige;
    std::unique_ptr<Abgleich> abgleich;
    int nZurueckgesetzt = 0;
    std::optional<AbgleichStand> stand;
    VerwaltungsAnschluss anschluss;

    void SetUp() override {
        DateiSchreibenTest(u.app.m_strStempel, "0 1");
        DateiSchreibenTest(u.app.m_strDatei, DatenbankSchreiben(Beispiel()));
        abgleich =
            std::make_unique<Abgleich>(doc, u.app.m_strDatei, u.app.m_strStempel, bAbgleichOffen, anzeige);
        ASSERT_TRUE(abgleich->ErstesLaden());
        anschluss.m_gruppeZurueckgesetzt = [this] { ++nZurueckgesetzt; };
        anschluss.m_abgleichenUndAufbauen = [this] { stand = abgleich->Abgleichen(false); };
        u.app.m_strAbteilung = "Lager";
    }
    void Ausfuehren() {
        RessourcenVerwalten(nullptr, doc.m_pRessourcen, u.app, tabelle, u.meldungen, bVerwaltungOffen,
                            anschluss);
    }
    std::string Gespeichert() {
        RessourcenListe geladen;
        EXPECT_FALSE(DatenbankLaden(u.app.m_strDatei, geladen));
        return Reihe(geladen);
    }
};

} // namespace

// Deleted records have no line, the overview gets all years' marks; no selection: the buttons complain.
TEST_F(RessourcenDlgTest, ZeileNZeigtDieNteRessourceOhneAuswahlMeldungNeuNachSchluessel) {
    Oeffnen();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Ressourcen verwalten"));
    EXPECT_EQ(Zeilen(), (QStringList{QStringLiteral("Apfel, Anna"), QStringLiteral("Kirsche, Karl")}));
    EXPECT_EQ(Text(1033), QStringLiteral("-"));
    Waehle(1);
    EXPECT_EQ(Text(1033) + "|" + Text(1035), QStringLiteral("Kirsche, Karl|Identifikations-Nr.: 7"));
    Waehle(0);
    EXPECT_EQ(Text(1034), QStringLiteral("Gruppe: Lager"));
    EXPECT_EQ(dlg->JahresFeld()->Ueberschrift(), "Apfel, Anna - Gruppe: Lager - ");
    EXPECT_EQ(dlg->JahresFeld()->Tage().size(), 4u);
    Liste()->clearSelection();
    EXPECT_TRUE(Text(1033) == QStringLiteral("-") && dlg->JahresFeld()->Tage().empty());
    for (int id : {1001, 1004, 1002}) // Bearbeiten, Kopieren, Löschen
        EXPECT_EQ(Knopf(id), Texte{"Kein Mitarbeiter ausgewählt! "}) << id;
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7");
    // "Neu" cancelled adds nothing; an existing identity gives a second record, placed by key.
    RessourceDlgAntwort(std::nullopt);
    Klick(*dlg, 1000);
    EXPECT_EQ(liste.size(), 3u);
    RessourceDlgAntwort(Eingabe{"Kirsche", "Karl", "Halle", "7"});
    Klick(*dlg, 1000);
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7@Halle Kirsche/7");
    EXPECT_EQ(std::pair(liste[2]->m_timeGeaendert, Zeilen().size()), std::pair(kJetzt, qsizetype{3}));
}

TEST_F(RessourcenDlgTest, BearbeitenAendertNurDieGruppeLoeschenNurNachJa) {
    Oeffnen();
    Waehle(1);
    BeimNaechstenDialog<CRessourceDlg>([&](CRessourceDlg& r) {
        EXPECT_EQ(r.windowTitle(), QStringLiteral("Ressource"));
        for (int id : {1004, 1005, 1021})
            EXPECT_FALSE(Kind<QLineEdit>(r, id)->isEnabled()) << id;
        EXPECT_EQ(Kind<QLineEdit>(r, 1004)->text(), QStringLiteral("Kirsche"));
        Kind<QLineEdit>(r, 1020)->setText(QStringLiteral("B\u00fcro"));
        Klick(r, 1);
    });
    Klick(*dlg, 1001);
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7@B\xFCro");
    EXPECT_EQ(std::pair(liste[2]->m_timeGeaendert, Text(1033)),
              std::pair(kJetzt, QStringLiteral("-"))); // refilled, no selection
    Waehle(1); // deleting asks first; Nein keeps the record, Ja marks it
    meldungen.m_antworten = {Antwort::Nein};
    Klick(*dlg, 1002);
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    const Meldung& m = meldungen.m_gezeigt[0];
    EXPECT_EQ(
        std::tie(m.text, m.titel, m.knoepfe),
        std::make_tuple("Ressource Kirsche, Karl wirklich löschen?", "Ressource löschen", Knoepfe::JaNein));
    EXPECT_FALSE(liste[2]->m_bGeloescht);
    uhr.uhr().Vorstellen(60);
    meldungen.m_antworten = {Antwort::Ja};
    Klick(*dlg, 1002);
    EXPECT_EQ(std::pair(liste[2]->m_bGeloescht, liste[2]->m_timeGeaendert),
              std::pair(true, CTime(kJetzt.GetTime() + 60))); // kept, marked
    EXPECT_EQ(Zeilen(), QStringList{QStringLiteral("Apfel, Anna")});
}

TEST_F(RessourcenDlgTest, KopierenMitAllenTagenOderBegruendetVerweigert) {
    Oeffnen();
    const std::string vorher = Reihe(liste);
    for (const auto& [eingabe, meldung] :
         {std::pair{Eingabe{"Apfel", "Anna", "Halle", "1"},
                    "Zum Kopieren müssen Sie Name, Vorname oder Personalnummer ändern!"},
          {Eingabe{"Kirsche", "Karl", "", "7"}, "Ressource existiert bereits!"}}) {
        Waehle(0);
        RessourceDlgAntwort(eingabe);
        EXPECT_EQ(Knopf(1004), Texte{meldung});
        EXPECT_EQ(Reihe(liste), vorher);
    }
    // The identity of a deleted resource is free again: the copy goes before the deleted one.
    Waehle(0);
    RessourceDlgAntwort(Eingabe{"Birne", "Bert", "Halle", "2"});
    EXPECT_TRUE(Knopf(1004).empty());
    EXPECT_EQ(Reihe(liste), "Apfel/1@Lager Birne/2@Halle Birne/2@Lager(x) Kirsche/7");
    EXPECT_EQ(std::tuple(liste[1]->AnzahlEintraege(),
                         liste[1]->FindeTag(CTime(2025, 3, 3, 9, 0, 0))->m_strNotiz,
                         liste[2]->AnzahlEintraege()),
              std::tuple(std::size_t{3}, std::string("Arzt"), std::size_t{0})); // every day, notes included
}

// A name of 240 characters: the dialog fits 1600 px, long lines end in "…" with the whole as tooltip.
TEST_F(RessourcenDlgTest, LangerNameBleibtImBildschirm) {
    const std::string lang(236, 'W');
    liste.push_back(Ressource(lang, "Anna", lang, "1"));
    Oeffnen();
    Waehle(2);
    QCoreApplication::processEvents();
    EXPECT_LE(std::max(dlg->sizeHint().width(), dlg->width()), 1600);
    EXPECT_LE(dlg->minimumSizeHint().width(), 1600);
    const QString ganz = QString::fromStdString(lang) + ", Anna";
    EXPECT_EQ(Liste()->item(2)->toolTip(), ganz);
    EXPECT_EQ(Liste()->item(0)->toolTip(), QString());
    for (int id : {1033, 1034})
        EXPECT_TRUE(Kind<CKurzText>(*dlg, id)->SichtbarerText().endsWith(u'…')) << id;
    EXPECT_EQ(Text(1033), ganz);
}

// Counts follow the year; the buttons stop at 1971 and 2036.
TEST_F(RessourcenDlgTest, JahreswahlZwischen1971Und2036UndZahlenFolgen) {
    Oeffnen();
    Waehle(0);
    Klick(*dlg, 1038);
    EXPECT_EQ(Text(1040), QStringLiteral("2024"));
    EXPECT_EQ((std::vector{Zahl(1), Zahl(3)}), (std::vector{0.0f, 1.0f})); // type 3 only in 2024
    for (const auto& [start, knopf, grenze] : {std::tuple{1972, 1038, 1971}, {2035, 1039, 2036}}) {
        Oeffnen(start);
        Waehle(0);
        Klick(*dlg, knopf), Klick(*dlg, knopf);
        EXPECT_EQ(std::pair(Text(1040), dlg->JahresFeld()->Jahr()),
                  std::pair(QString::number(grenze), grenze));
    }
}

// 0: OK, 1: Esc, 2: the close box.
TEST_P(Verwalten, JedesSchliessenUebernimmtSpeichertUndSetztDieGruppeZurueck) {
    bool imDialog = false;
    BeimNaechstenDialog<CRessourcenDlg>([&](CRessourcenDlg& dlg) {
        imDialog = bVerwaltungOffen;
        Kind<QListWidget>(dlg, 1003)->setCurrentRow(0);
        u.meldungen.m_antworten = {Antwort::Ja};
        Klick(dlg, 1002); // the last of group Lager
        RessourceDlgAntwort(Eingabe{"Dattel", "Dora", "", "5"});
        Klick(dlg, 1000);
        // The dialog works on a copy: the working list is untouched so far.
        EXPECT_FALSE(doc.m_pRessourcen[0]->m_bGeloescht);
        EXPECT_EQ(doc.m_pRessourcen.size(), 3u);
        if (GetParam() == 0)
            Klick(dlg, 1);
        else if (GetParam() == 1)
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            dlg.close();
    });
    Ausfuehren();
    EXPECT_TRUE(imDialog && !bVerwaltungOffen);
    EXPECT_EQ(std::pair(u.app.m_strAbteilung, nZurueckgesetzt),
              std::pair(std::string(), 1)); // Lager has no one left
    ASSERT_EQ(stand, AbgleichStand::Fertig);
    const std::string erwartet = "Apfel/1@Lager(x) Birne/2@Lager(x) Dattel/5 Kirsche/7";
    EXPECT_EQ(Reihe(doc.m_pRessourcen), erwartet);
    EXPECT_EQ(Gespeichert(), erwartet);
    EXPECT_EQ(DateiInhalt(u.app.m_strStempel), "0 2");
}

INSTANTIATE_TEST_SUITE_P(OkEscSchliessfeld, Verwalten, ::testing::Values(0, 1, 2));

TEST_F(Verwalten, GruppeBleibtWennSieNochJemandHat) {
    CJahresFeld *gedruckt = nullptr, *imDialog = nullptr;
    anschluss.m_drucken = [&](CJahresFeld& feld) { gedruckt = &feld; };
    BeimNaechstenDialog<CRessourcenDlg>([&](CRessourcenDlg& dlg) {
        imDialog = dlg.JahresFeld();
        Klick(dlg, 1050);
        Klick(dlg, 1);
    });
    Ausfuehren();
    EXPECT_EQ(gedruckt, imDialog); // "Drucken" hands over the dialog's year overview
    EXPECT_EQ(std::pair(u.app.m_strAbteilung, nZurueckgesetzt), std::pair(std::string("Lager"), 0));
    EXPECT_EQ(Gespeichert(), "Apfel/1@Lager Birne/2@Lager(x) Kirsche/7");
}
