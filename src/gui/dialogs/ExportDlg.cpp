#include "dialogs/ExportDlg.h"

#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "IcalSchreiber.h"
#include "app/QtWandlung.h"
#include "app/Uhr.h"
#include "data/DateiZugriff.h"
#include "export/ExportAuswahl.h"
#include "export/KalenderTermin.h"
#include "export/StatistikCsv.h"
#include "print/RessourcenWahl.h"

using namespace kalvora;

namespace {

Datum Tag(const QDateEdit* feld) {
    const QDate d = feld->date();
    return {d.year(), d.month(), d.day()};
}

} // namespace

CExportDlg::CExportDlg(const RessourcenListe& liste, const std::string& strGruppe,
                       const EintragsartTabelle& arten, Meldungen& meldungen, QWidget* parent)
    : QDialog(parent), m_liste(liste), m_arten(arten), m_meldungen(meldungen) {
    setObjectName(QStringLiteral("ExportDlg"));
    setWindowTitle(QStringLiteral("Exportieren"));

    const LokaleZeit jetzt = Jetzt().Lokal();
    const QDate heute(jetzt.jahr, jetzt.monat, jetzt.tag);

    m_pWahl = new CRessourcenWahl(QStringLiteral("Ressource auswählen für Export"), liste, strGruppe,
                                  {"Liste", "Alle", "Keine"});
    auto* exportieren = new QPushButton(QStringLiteral("Exportieren..."));
    exportieren->setObjectName(QStringLiteral("Exportieren"));
    exportieren->setDefault(true);
    auto* abbrechen = NamensKnopf(QStringLiteral("Abbrechen"), "Abbrechen");

    m_pErster = DatumsFeld("ErsterTag", heute);
    m_pLetzter = DatumsFeld("LetzterTag", heute);
    m_pIcal = new QRadioButton(QStringLiteral("iCalendar (Abwesenheiten)"));
    m_pIcal->setObjectName(QStringLiteral("ICalendar"));
    m_pCsv = new QRadioButton(QStringLiteral("CSV-Statistik"));
    m_pCsv->setObjectName(QStringLiteral("CsvStatistik"));
    m_pIcal->setChecked(true);
    m_pJahr = new QSpinBox;
    m_pJahr->setObjectName(QStringLiteral("Jahr"));
    m_pJahr->setRange(m_pErster->minimumDate().year(), m_pErster->maximumDate().year());
    m_pJahr->setValue(std::clamp(jetzt.jahr, m_pJahr->minimum(), m_pJahr->maximum()));

    auto* format = new QGroupBox(QStringLiteral("Format"));
    auto* formate = new QGridLayout(format);
    formate->addWidget(m_pIcal, 0, 0, 1, 2);
    formate->addWidget(m_pCsv, 1, 0, 1, 2);
    formate->addWidget(new QLabel(QStringLiteral("Jahr:")), 2, 0);
    formate->addWidget(m_pJahr, 2, 1);

    auto* zeitraum = ZeitraumGruppe(QStringLiteral("Zeitraum für iCalendar"), m_pErster, m_pLetzter);

    auto* hinweis = new QLabel(QStringLiteral("Halten Sie die \"STRG\"-Taste\ngedrückt und markieren Sie\n"
                                              "mit der Maus die Ressourcen,\ndie exportiert werden sollen."));
    hinweis->setTextFormat(Qt::PlainText);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(format);
    rechts->addWidget(zeitraum);
    rechts->addSpacing(fontMetrics().height());
    rechts->addWidget(hinweis);
    rechts->addStretch(1);
    WahlDialogAnordnen(*this, m_pWahl, rechts, exportieren, abbrechen);

    connect(exportieren, &QPushButton::clicked, this, &CExportDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pErster, &QDateEdit::dateChanged, this, &CExportDlg::OnDatumGeaendert);
    connect(m_pLetzter, &QDateEdit::dateChanged, this, &CExportDlg::OnDatumGeaendert);
    connect(m_pIcal, &QRadioButton::toggled, this, &CExportDlg::FormatZeigen);

    FormatZeigen();
}

void CExportDlg::SetFormat(Format format) {
    (format == ICalendar ? m_pIcal : m_pCsv)->setChecked(true);
}

void CExportDlg::FormatZeigen() {
    const bool ical = m_pIcal->isChecked();
    m_pErster->setEnabled(ical);
    m_pLetzter->setEnabled(ical);
    m_pJahr->setEnabled(!ical);
}

void CExportDlg::OnDatumGeaendert() {
    // As in the print dialog: a first day after the last pulls the last one along.
    if (m_pErster->date() > m_pLetzter->date()) m_pLetzter->setDate(m_pErster->date());
}

void CExportDlg::accept() {
    const DruckAuswahl& auswahl = m_pWahl->Auswahl();
    const bool ical = m_pIcal->isChecked();
    const Datum von = Tag(m_pErster);
    const Datum bis = Tag(m_pLetzter);
    // The period counts for the calendar only; the statistics take the whole year.
    const ExportFehler fehler = ical ? ExportPruefen(von, bis, auswahl.IrgendeineAusgewaehlt())
                                     : ExportPruefen(von, von, auswahl.IrgendeineAusgewaehlt());
    if (fehler != ExportFehler::Keiner) {
        m_meldungen.Zeige(ExportFehlerText(fehler));
        return;
    }
    const int jahr = m_pJahr->value();
    const QString vorschlag =
        ical ? QStringLiteral("Kalvora.ics") : QStringLiteral("Kalvora-Statistik-%1.csv").arg(jahr);
    const QString filter =
        ical ? QStringLiteral("iCalendar-Dateien (*.ics)") : QStringLiteral("CSV-Dateien (*.csv)");
    const QString datei =
        m_dateiWaehlen ? m_dateiWaehlen(this, vorschlag, filter)
                       : QFileDialog::getSaveFileName(this, QStringLiteral("Exportieren"), vorschlag, filter);
    if (datei.isEmpty()) return;

    // Read now: a sync while the file chooser was open may have replaced the records.
    const auto gewaehlt = AusgewaehlteRessourcen(m_liste, auswahl);
    const std::string inhalt = ical ? CIcalSchreiber().Text(TermineBilden(gewaehlt, m_arten, von, bis))
                                    : StatistikCsv(gewaehlt, m_arten, jahr);
    DateiFehler dateiFehler;
    if (!DateiSicherErsetzen(PfadAusText(datei), inhalt, dateiFehler)) {
        m_meldungen.Zeige(dateiFehler.grund);
        return;
    }
    m_strDatei = datei;
    QDialog::accept();
}

QListWidget* CExportDlg::Liste() const {
    return m_pWahl->Liste();
}
