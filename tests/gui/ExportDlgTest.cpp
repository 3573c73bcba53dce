// The export dialog: its checks, the file chooser, and the files written through the core.
#include <QDateEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "AnsichtHilfen.h"
#include "IcalSchreiber.h"
#include "dialogs/ExportDlg.h"
#include "export/ExportAuswahl.h"
#include "export/StatistikCsv.h"

namespace {

struct ExportUmgebung {
    UhrFixiert uhr{CTime(2025, 3, 10, 12, 0, 0)};
    MeldungsRekorder meldungen;
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    RessourcenListe liste = Liste(Ressource("Wolf", "Noah", "Service", "204"),
                                  Ressource("Becker", "Jonas", "Entwicklung", "101"),
                                  Ressource("Braun", "Emma", "Service", "201"));
    QTemporaryDir ordner;
    QStringList vorschlaege; // what the file chooser was offered
    QString antwort;         // what it answers

    ExportUmgebung() {
        arten.m_strBedeutung[1] = "Urlaub";
        for (int tag = 3; tag <= 5; ++tag) liste[0]->m_pTage.Anhaengen(3, tag, {CTime(1), 1, 1, CTime(2025, 3, tag, 12, 0, 0), {}});
    }
    void Anschliessen(CExportDlg& dlg) {
        dlg.m_dateiWaehlen = [this](QWidget*, const QString& vorschlag, const QString&) {
            vorschlaege << vorschlag;
            return antwort;
        };
    }
};

} // namespace

TEST(ExportDlg, PrueftWaehltDateiUndSchreibtKalender) {
    ExportUmgebung u;
    CExportDlg dlg(u.liste, "Service", u.arten, u.meldungen);
    u.Anschliessen(dlg);
    dlg.show();
    EXPECT_EQ(Zeilen(*dlg.Liste(), true), (QStringList{"Service: Braun, Emma (201)", "Service: Wolf, Noah (204)"}));
    if (const char* bild = std::getenv("KALVORA_EXPORT_BILD")) dlg.grab().save(QString::fromLocal8Bit(bild));

    const QString ziel = u.ordner.filePath(QStringLiteral("plan.ics"));
    const struct {
        QDate von, bis;
        QString antwort;
        Texte meldungen;
        int vorschlaege;
    } schritte[] = {
        {QDate(2025, 1, 1), QDate(2026, 2, 6), ziel, {kMeldungExportZeitraum}, 0},
        {QDate(2025, 3, 1), QDate(2025, 3, 31), {}, {}, 1}, // the chooser cancelled
        {QDate(2025, 3, 1), QDate(2025, 3, 31), u.ordner.filePath(QStringLiteral("fehlt/plan.ics")),
         {"Im Ordner \"" + u.ordner.filePath(QStringLiteral("fehlt")).toStdString() +
          "\" kann keine neue Fassung der Datei angelegt werden. Die Datei oder ihr Ordner existiert nicht."},
         1},
    };
    for (const auto& s : schritte) {
        u.meldungen.m_gezeigt.clear();
        u.vorschlaege.clear();
        u.antwort = s.antwort;
        dlg.ErsterTag()->setDate(s.von);
        dlg.LetzterTag()->setDate(s.bis);
        Klick(dlg, "Exportieren");
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(Gezeigt(u.meldungen), s.meldungen);
        EXPECT_EQ(u.vorschlaege.size(), s.vorschlaege);
    }
    EXPECT_EQ(u.vorschlaege, QStringList{"Kalvora.ics"});
    EXPECT_FALSE(QFile::exists(u.ordner.filePath(QStringLiteral("fehlt"))));

    u.antwort = ziel;
    Klick(dlg, "Exportieren");
    EXPECT_FALSE(dlg.isVisible());
    DruckAuswahl auswahl;
    auswahl.Fuellen(u.liste, "Service");
    const auto termine = TermineBilden(AusgewaehlteRessourcen(u.liste, auswahl), u.arten, {2025, 3, 1}, {2025, 3, 31});
    ASSERT_EQ(termine.size(), 1u);
    EXPECT_EQ(DateiInhalt(ziel.toStdString()), CIcalSchreiber().Text(termine));
}

TEST(ExportDlg, StatistikDesJahresUndNichtsAusgewaehlt) {
    ExportUmgebung u;
    CExportDlg dlg(u.liste, "", u.arten, u.meldungen);
    u.Anschliessen(dlg);
    dlg.show();
    dlg.SetFormat(CExportDlg::CsvStatistik);
    EXPECT_FALSE(dlg.ErsterTag()->isEnabled());
    dlg.Jahr()->setValue(2025);
    // A period the calendar would refuse does not hinder the statistics.
    dlg.ErsterTag()->setDate(QDate(2020, 1, 1));
    dlg.LetzterTag()->setDate(QDate(2025, 12, 31));
    Klick(dlg, "Keine");
    Klick(dlg, "Exportieren");
    EXPECT_EQ(Gezeigt(u.meldungen), Texte{kMeldungKeineRessource});
    Klick(dlg, "Alle");
    u.antwort = u.ordner.filePath(QStringLiteral("statistik.csv"));
    Klick(dlg, "Exportieren");
    EXPECT_EQ(u.vorschlaege, QStringList{"Kalvora-Statistik-2025.csv"});
    EXPECT_FALSE(dlg.isVisible());
    // In the list's order: Entwicklung before Service.
    EXPECT_EQ(DateiInhalt(u.antwort.toStdString()),
              StatistikCsv({u.liste[1].get(), u.liste[2].get(), u.liste[0].get()}, u.arten, 2025));
}
