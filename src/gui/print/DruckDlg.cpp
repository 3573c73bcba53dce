#include "print/DruckDlg.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtWandlung.h"
#include "app/Uhr.h"
#include "dialogs/KurzText.h"

using namespace kalvora;

namespace {

const QDate kErsterMoeglicherTag(1970, 1, 1);
const QDate kLetzterMoeglicherTag(2037, 12, 31);

QPushButton* Knopf(const QString& text, const char* id) {
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(QString::fromLatin1(id));
    return knopf;
}

QDateEdit* Datumsfeld(const char* id, QDate heute) {
    auto* feld = new QDateEdit;
    feld->setObjectName(QString::fromLatin1(id));
    feld->setCalendarPopup(true);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setDateRange(kErsterMoeglicherTag, kLetzterMoeglicherTag);
    feld->setDate(std::clamp(heute, kErsterMoeglicherTag, kLetzterMoeglicherTag));
    return feld;
}

} // namespace

CDruckDlg::CDruckDlg(RessourcenListe& liste, const std::string& strGruppe, Meldungen& meldungen, QWidget* parent)
    : QDialog(parent), m_liste(liste), m_meldungen(meldungen) {
    setObjectName(QStringLiteral("DruckDlg"));
    setWindowTitle(QStringLiteral("Drucken"));

    const LokaleZeit jetzt = Jetzt().Lokal();
    m_uhrzeit = QTime(jetzt.stunde, jetzt.minute, jetzt.sekunde);
    const QDate heute(jetzt.jahr, jetzt.monat, jetzt.tag);

    m_pListe = new QListWidget;
    m_pListe->setObjectName(QStringLiteral("id1003"));
    m_pListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pListe->setUniformItemSizes(true);
    // The selection stays visible while another control has the focus.
    QPalette palette = m_pListe->palette();
    for (const auto rolle : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, rolle, palette.color(QPalette::Active, rolle));
    m_pListe->setPalette(palette);

    auto* alle = Knopf(QStringLiteral("Alle auswählen"), "id1042");
    auto* keine = Knopf(QStringLiteral("Auswahl aufheben"), "id1043");
    auto* drucken = new QPushButton(QStringLiteral("Drucken"));
    drucken->setObjectName(QStringLiteral("id1"));
    drucken->setDefault(true);
    auto* abbrechen = Knopf(QStringLiteral("Abbrechen"), "id2");

    m_pErster = Datumsfeld("id1044", heute);
    m_pLetzter = Datumsfeld("id1045", heute);

    m_pAlphabetisch = new QRadioButton(QStringLiteral("Alphabetisch "));
    m_pAlphabetisch->setObjectName(QStringLiteral("id1053"));
    m_pNachGruppen = new QRadioButton(QStringLiteral("Nach Gruppen"));
    m_pNachGruppen->setObjectName(QStringLiteral("id1054"));
    auto* art = new QButtonGroup(this);
    art->addButton(m_pAlphabetisch, 0);
    art->addButton(m_pNachGruppen, 1);
    m_pNachGruppen->setChecked(true);

    // Left: the list and its two buttons.
    auto* ressourcen = new QGroupBox(QStringLiteral("Ressource auswählen für Ausdruck"));
    auto* links = new QVBoxLayout(ressourcen);
    links->addWidget(m_pListe, 1);
    auto* auswahlKnoepfe = new QHBoxLayout;
    auswahlKnoepfe->addWidget(alle);
    auswahlKnoepfe->addWidget(keine);
    links->addLayout(auswahlKnoepfe);

    // Right: period, hint, order, and the two buttons at the bottom.
    auto* zeitraum = new QGroupBox(QStringLiteral("Zeitraum für Ausdruck"));
    auto* tage = new QGridLayout(zeitraum);
    tage->addWidget(new QLabel(QStringLiteral("Erster Tag:")), 0, 0);
    tage->addWidget(m_pErster, 0, 1);
    tage->addWidget(new QLabel(QStringLiteral("Letzter Tag:")), 1, 0);
    tage->addWidget(m_pLetzter, 1, 1);

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
    rechts->addWidget(drucken, 0, Qt::AlignRight);
    rechts->addWidget(abbrechen, 0, Qt::AlignRight);

    auto* aussen = new QHBoxLayout(this);
    aussen->addWidget(ressourcen, 195);
    aussen->addLayout(rechts, 112);

    // The template's size in dialog units of the current font (327 × 301, buttons 50 wide).
    const QFontMetrics fm = fontMetrics();
    const int bx = std::max(1, fm.averageCharWidth());
    const int by = std::max(1, fm.height());
    drucken->setMinimumWidth(50 * bx / 4);
    abbrechen->setMinimumWidth(50 * bx / 4);
    resize(327 * bx / 4, 301 * by / 8);

    connect(alle, &QPushButton::clicked, this, [this] {
        m_auswahl.AlleAuswaehlen();
        AuswahlZeigen();
    });
    connect(keine, &QPushButton::clicked, this, [this] {
        m_auswahl.AuswahlAufheben();
        AuswahlZeigen();
    });
    connect(drucken, &QPushButton::clicked, this, &CDruckDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pErster, &QDateEdit::dateChanged, this, &CDruckDlg::OnDatumGeaendert);
    connect(m_pLetzter, &QDateEdit::dateChanged, this, &CDruckDlg::OnDatumGeaendert);
    connect(m_pListe, &QListWidget::itemSelectionChanged, this, &CDruckDlg::AuswahlLesen);

    m_auswahl.Fuellen(m_liste, strGruppe);
    for (const DruckAuswahl::Zeile& z : m_auswahl.Zeilen()) m_pListe->addItem(TextAusCp1252(z.m_strText));
    ListeKuerzen(*m_pListe);
    AuswahlZeigen();
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

void CDruckDlg::AuswahlZeigen() {
    m_bZeigtAuswahl = true;
    const auto& zeilen = m_auswahl.Zeilen();
    for (int i = 0; i < m_pListe->count() && i < static_cast<int>(zeilen.size()); ++i)
        m_pListe->item(i)->setSelected(zeilen[static_cast<std::size_t>(i)].m_bAusgewaehlt);
    m_bZeigtAuswahl = false;
}

void CDruckDlg::AuswahlLesen() {
    if (m_bZeigtAuswahl) return;
    for (int i = 0; i < m_pListe->count(); ++i)
        m_auswahl.SetAusgewaehlt(static_cast<std::size_t>(i), m_pListe->item(i)->isSelected());
}

void CDruckDlg::accept() {
    AuswahlLesen();
    const CTime von = Zeitpunkt(m_pErster);
    const CTime bis = Zeitpunkt(m_pLetzter);
    const DruckFehler fehler = DruckPruefen(von, bis, m_auswahl.IrgendeineAusgewaehlt());
    if (fehler != DruckFehler::Keiner) {
        m_meldungen.Zeige(DruckFehlerText(fehler));
        return;
    }
    m_auswahl.Uebernehmen(m_liste);
    m_timeErsterTag = von;
    m_timeLetzterTag = bis;
    m_nDruckArt = m_pAlphabetisch->isChecked() ? 0 : 1;
    QDialog::accept();
}
