#include "print/DruckDlg.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/QtWandlung.h"
#include "app/Uhr.h"
#include "print/RessourcenWahl.h"

using namespace kalvora;

CDruckDlg::CDruckDlg(RessourcenListe& liste, const std::string& strGruppe, Meldungen& meldungen,
                     QWidget* parent)
    : QDialog(parent), m_liste(liste), m_meldungen(meldungen) {
    setObjectName(QStringLiteral("DruckDlg"));
    setWindowTitle(QStringLiteral("Drucken"));

    const LokaleZeit jetzt = Jetzt().Lokal();
    m_uhrzeit = QTime(jetzt.stunde, jetzt.minute, jetzt.sekunde);
    const QDate heute(jetzt.jahr, jetzt.monat, jetzt.tag);

    m_pWahl = new CRessourcenWahl(QStringLiteral("Ressource auswählen für Ausdruck"), liste, strGruppe,
                                  {"id1003", "id1042", "id1043"});
    auto* drucken = new QPushButton(QStringLiteral("Drucken"));
    drucken->setObjectName(QStringLiteral("id1"));
    drucken->setDefault(true);
    auto* abbrechen = NamensKnopf(QStringLiteral("Abbrechen"), "id2");

    m_pErster = DatumsFeld("id1044", heute);
    m_pLetzter = DatumsFeld("id1045", heute);

    m_pAlphabetisch = new QRadioButton(QStringLiteral("Alphabetisch "));
    m_pAlphabetisch->setObjectName(QStringLiteral("id1053"));
    m_pNachGruppen = new QRadioButton(QStringLiteral("Nach Gruppen"));
    m_pNachGruppen->setObjectName(QStringLiteral("id1054"));
    auto* art = new QButtonGroup(this);
    art->addButton(m_pAlphabetisch, 0);
    art->addButton(m_pNachGruppen, 1);
    m_pNachGruppen->setChecked(true);

    // Right: period, hint, order, and the two buttons at the bottom.
    auto* zeitraum = ZeitraumGruppe(QStringLiteral("Zeitraum für Ausdruck"), m_pErster, m_pLetzter);

    auto* hinweis = new QLabel(QStringLiteral("Halten Sie die \"STRG\"-Taste\ngedrückt und markieren Sie\n"
                                              "mit der Maus die Ressourcen,\ndie gedruckt werden sollen."));
    hinweis->setTextFormat(Qt::PlainText);

    auto* ausdruck = new QGroupBox(QStringLiteral("Art des Ausdrucks"));
    auto* arten = new QVBoxLayout(ausdruck);
    arten->addWidget(m_pAlphabetisch);
    arten->addWidget(m_pNachGruppen);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(zeitraum);
    rechts->addSpacing(fontMetrics().height());
    rechts->addWidget(hinweis);
    rechts->addStretch(1);
    rechts->addWidget(ausdruck);
    rechts->addSpacing(fontMetrics().height());
    WahlDialogAnordnen(*this, m_pWahl, rechts, drucken, abbrechen);

    connect(drucken, &QPushButton::clicked, this, &CDruckDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pErster, &QDateEdit::dateChanged, this, &CDruckDlg::OnDatumGeaendert);
    connect(m_pLetzter, &QDateEdit::dateChanged, this, &CDruckDlg::OnDatumGeaendert);
    m_timeErsterTag = Zeitpunkt(m_pErster);
    m_timeLetzterTag = Zeitpunkt(m_pLetzter);
}

CTime CDruckDlg::Zeitpunkt(const QDateEdit* picker) const {
    const QDate d = picker->date();
    return CTime(d.year(), d.month(), d.day(), m_uhrzeit.hour(), m_uhrzeit.minute(), m_uhrzeit.second());
}

void CDruckDlg::OnDatumGeaendert() {
    const CTime von = Zeitpunkt(m_pErster);
    const CTime bis = Zeitpunkt(m_pLetzter);
    if (LetzterTagAngleichen(von, bis) != bis) m_pLetzter->setDate(m_pErster->date());
}

void CDruckDlg::accept() {
    const DruckAuswahl& auswahl = m_pWahl->Auswahl();
    const CTime von = Zeitpunkt(m_pErster);
    const CTime bis = Zeitpunkt(m_pLetzter);
    const DruckFehler fehler = DruckPruefen(von, bis, auswahl.IrgendeineAusgewaehlt());
    if (fehler != DruckFehler::Keiner) {
        m_meldungen.Zeige(DruckFehlerText(fehler));
        return;
    }
    auswahl.Uebernehmen(m_liste);
    m_timeErsterTag = von;
    m_timeLetzterTag = bis;
    m_nDruckArt = m_pAlphabetisch->isChecked() ? 0 : 1;
    QDialog::accept();
}

QListWidget* CDruckDlg::Liste() const {
    return m_pWahl->Liste();
}
