// The print dialog's buttons and pickers; the print commands with their modal steps scripted.
#include <QColorDialog>
#include <QDateEdit>
#include <QLibraryInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <QTranslator>
#include <gmock/gmock.h>

#include "AnsichtHilfen.h"
#include "dialogs/BedeutungDlg.h"
#include "dialogs/JahresFeld.h"
#include "print/DruckBefehle.h"
#include "print/DruckDlg.h"

// The first day after the last one drags it along, the last one before the first goes back to it.
TEST(DruckDlg, VorauswahlNachGruppeAuswahlKnoepfeUndTagesgrenzen) {
    UhrFixiert uhr(CTime(2025, 1, 1, 12, 0, 0));
    MeldungsRekorder meldungen;
    RessourcenListe liste =
        Liste(Ressource("Wolf", "Noah", "Service", "204"), Ressource("Becker", "Jonas", "Entwicklung", "101"),
              Ressource("Alt", "Ute", "Service", "9", true), Ressource("Braun", "Emma", "Service", "201"),
              Ressource("Huber", "Eva", "", "7"));
    CDruckDlg dlg(liste, "Service", meldungen);
    dlg.show();
    QListWidget& l = *dlg.Liste();
    EXPECT_EQ(Zeilen(l), (QStringList{": Huber, Eva (7)", "Entwicklung: Becker, Jonas (101)",
                                      "Service: Braun, Emma (201)",
                                      "Service: Wolf, Noah (204)"})); // the deleted record has no line
    EXPECT_EQ(Zeilen(l, true), Zeilen(l).mid(2));
    EXPECT_TRUE(Kind<QRadioButton>(dlg, 1054)->isChecked()); // "Nach Gruppen"
    Klick(dlg, 1042);                                        // "Alle auswählen" adds the other groups
    EXPECT_EQ(Zeilen(l, true), Zeilen(l));
    Klick(dlg, 1043); // "Auswahl aufheben"
    EXPECT_TRUE(Zeilen(l, true).isEmpty());
    Klick(dlg, 1); // a failed check keeps the dialog open
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Gezeigt(meldungen), Texte{"Kein Mitarbeiter ausgewählt!"});
    dlg.LetzterTag()->setDate(QDate(2025, 3, 10));
    dlg.ErsterTag()->setDate(QDate(2025, 3, 12));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    dlg.LetzterTag()->setDate(QDate(2025, 3, 1));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
}

namespace {

class DruckBefehleTest : public ::testing::Test {
protected:
    UhrFixiert uhr{CTime(2025, 3, 10, 12, 0, 0)};
    AnsichtUmgebung a;
    CDruckBefehle* befehle = nullptr;
    std::string pdf;
    int druckDialoge = 0;
    int druckerDialoge = 0;

    void SetUp() override {
        a.Speichern(Liste(Ressource("Wolf", "Noah"), Ressource("Becker", "Jonas")));
        a.Starten();
        pdf = a.u.ordner / "plan.pdf";
        befehle = &DruckenAnschliessen(*a.ansicht);
        // The dialog as the user leaves it: 10.–16.3., alphabetical; the printer writes a PDF.
        befehle->m_druckDialog = [this](CDruckDlg& dlg) {
            ++druckDialoge;
            dlg.LetzterTag()->setDate(QDate(2025, 3, 16));
            Klick(dlg, 1053);
            return (dlg.accept(), dlg.result());
        };
        befehle->m_druckerDialog = [this](QPrinter& drucker, QWidget*) {
            ++druckerDialoge;
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(QString::fromStdString(pdf));
            return true;
        };
    }
    // What the command would print, painted into an image of 1200 × 900: the painted extent.
    QRect Gemalt() const {
        const QImage bild = Malen({1200, 900}, Qt::white, [&](QPainter& dc) {
            befehle->Zeichnen(dc, {0, 0, 1200, 900});
        });
        return Umriss(bild, bild.rect(), [](QRgb p) { return p != 0xFFFFFFu; });
    }
};

} // namespace

TEST_F(DruckBefehleTest, DruckenSchreibtEineSeiteAlsPdfAbbrechenNichts) {
    const auto druckDialog = befehle->m_druckDialog;
    befehle->m_druckDialog = [](CDruckDlg& dlg) { return (dlg.reject(), dlg.result()); };
    a.ansicht->Befehl(befehl::Drucken);
    EXPECT_EQ(druckerDialoge, 0);
    befehle->m_druckDialog = druckDialog;
    a.Aktion(befehl::Drucken)->trigger();
    EXPECT_EQ(druckerDialoge, 1);
    const std::string inhalt = DateiInhalt(pdf);
    EXPECT_TRUE(inhalt.starts_with("%PDF"));
    EXPECT_NE(inhalt.find("/Count 1"), std::string::npos); // one page
    EXPECT_EQ(befehle->Drucker().pageLayout().orientation(), QPageLayout::Landscape);
    // The view keeps the dialog's choice; the job holds both resources in stored order.
    EXPECT_EQ(a.ansicht->m_timeDruckBis, CTime(2025, 3, 16, 12, 0, 0));
    EXPECT_EQ(befehle->Auftrag().m_namen, (std::vector<std::string>{"Wolf, Noah", "Becker, Jonas"}));
    // The dialog confirmed, the printer dialog cancelled: no new file.
    std::filesystem::remove(pdf);
    befehle->m_druckerDialog = [](QPrinter&, QWidget*) { return false; };
    a.ansicht->Befehl(befehl::Drucken);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// The preview asks the print dialog only; the set-up asks nothing and holds for the next prints.
TEST_F(DruckBefehleTest, SeitenansichtOhneDruckerdialogEinrichtungFuerDieNaechstenDrucke) {
    int seiten = -1;
    befehle->m_vorschau = [&](QPrintPreviewDialog& dlg) {
        auto* vorschau = dlg.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(vorschau, nullptr);
        vorschau->updatePreview();
        seiten = vorschau->pageCount();
    };
    a.Aktion(befehl::Seitenansicht)->trigger();
    EXPECT_EQ(std::tuple(druckDialoge, druckerDialoge, seiten), std::tuple(1, 0, 1));
    QPrinter* eingerichtet = nullptr;
    befehle->m_einrichtung = [&](QPrinter& drucker, QWidget*) {
        eingerichtet = &drucker;
        drucker.setPageOrientation(QPageLayout::Portrait);
    };
    a.Aktion(befehl::DruckerEinrichtung)->trigger();
    EXPECT_EQ(druckDialoge, 1);
    QPrinter* gedruckt = nullptr;
    befehle->m_druckerDialog = [&](QPrinter& drucker, QWidget*) { return (gedruckt = &drucker, false); };
    a.ansicht->Befehl(befehl::Drucken);
    EXPECT_EQ(gedruckt, eingerichtet);
    EXPECT_EQ(gedruckt->pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(DruckBefehleTest, AusDerVerwaltungNurDieJahresuebersicht) {
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    CJahresFeld feld;
    feld.SetTabelle(&tabelle);
    feld.SetJahr(2025, "Wolf, Noah - ");
    QRect gemalt;
    befehle->m_druckerDialog = [&](QPrinter&, QWidget*) {
        ++druckerDialoge;
        gemalt = Gemalt();
        return false;
    };
    a.ansicht->m_bVerwaltungOffen = true;
    VerwaltungDrucken(*a.ansicht, feld);
    EXPECT_EQ(std::pair(druckDialoge, druckerDialoge), std::pair(0, 1)); // no print dialog
    EXPECT_LT(gemalt.bottom(), 400);                                     // 3:1 on a page of 1200 × 900
    // Afterwards the pane is forgotten: nothing is drawn while resource management stays open.
    EXPECT_TRUE(Gemalt().isNull());
}

// Qt's own dialogs in German whatever the environment's language, or the user meets "Cancel".
TEST_F(DruckBefehleTest, QtsDialogeDeutsch) {
    if (QTranslator probe;
        !probe.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        GTEST_SKIP() << "qtbase_de.qm fehlt (Paket qt6-translations-l10n): Qts Dialoge bleiben englisch";
    const auto texte = [](QDialog& dlg) {
        Texte t{dlg.windowTitle().toStdString()};
        for (const QAbstractButton* b : dlg.findChildren<QAbstractButton*>())
            t.push_back(b->text().toStdString());
        for (const QAction* a : dlg.findChildren<QAction*>())
            t.push_back(a->text().toStdString());
        return t;
    };
    Texte gesehen;
    const auto ansehen = [&](QDialog& dlg) { gesehen = texte(dlg), dlg.reject(); };
    befehle->m_druckerDialog = nullptr;
    befehle->m_einrichtung = nullptr;
    befehle->m_vorschau = [&](QPrintPreviewDialog& dlg) { gesehen = texte(dlg); };
    CBedeutungDlg bedeutung;
    const struct {
        std::function<void()> oeffnen;
        Texte erwartet;
    } faelle[] = {
        {[&] {
             BeimNaechstenDialog<QPageSetupDialog>(ansehen), a.Aktion(befehl::DruckerEinrichtung)->trigger();
         },
         {"Seite einrichten", "Hochformat", "Querformat", "OK", "Abbrechen"}},
        {[&] { BeimNaechstenDialog<QPrintDialog>(ansehen), a.Aktion(befehl::Drucken)->trigger(); },
         {"Drucken", "&Drucken", "Abbrechen", "&Einstellungen >>"}},
        {[&] { a.Aktion(befehl::Seitenansicht)->trigger(); },
         {"Druckvorschau: Kalvora", "Drucken", "Seite einrichten", "Hochformat", "Vergrößern",
          "Nächste Seite"}},
        {[&] { BeimNaechstenDialog<QColorDialog>(ansehen), Klick(bedeutung, 1063); },
         {"Farbauswahl", "Zu benutzerdefinierten Farben &hinzufügen", "OK", "Abbrechen"}},
    };
    for (const auto& f : faelle) {
        gesehen.clear();
        f.oeffnen();
        ASSERT_FALSE(gesehen.empty()) << f.erwartet.front();
        EXPECT_EQ(gesehen.front(), f.erwartet.front());
        EXPECT_THAT(gesehen, ::testing::IsSupersetOf(f.erwartet));
    }
}
