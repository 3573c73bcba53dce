#include "print/RessourcenWahl.h"

#include <QDateEdit>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtWandlung.h"
#include "dialogs/KurzText.h"

using namespace kalvora;

namespace {
const QDate kErsterMoeglicherTag(1970, 1, 1);
const QDate kLetzterMoeglicherTag(2037, 12, 31);
} // namespace

namespace kalvora {

QDateEdit* DatumsFeld(const char* name, QDate heute) {
    auto* feld = new QDateEdit;
    feld->setObjectName(QString::fromLatin1(name));
    feld->setCalendarPopup(true);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    feld->setDateRange(kErsterMoeglicherTag, kLetzterMoeglicherTag);
    feld->setDate(std::clamp(heute, kErsterMoeglicherTag, kLetzterMoeglicherTag));
    return feld;
}

QPushButton* NamensKnopf(const QString& text, const char* name) {
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(QString::fromLatin1(name));
    return knopf;
}

QGroupBox* ZeitraumGruppe(const QString& titel, QDateEdit* erster, QDateEdit* letzter) {
    auto* gruppe = new QGroupBox(titel);
    auto* tage = new QGridLayout(gruppe);
    tage->addWidget(new QLabel(QStringLiteral("Erster Tag:")), 0, 0);
    tage->addWidget(erster, 0, 1);
    tage->addWidget(new QLabel(QStringLiteral("Letzter Tag:")), 1, 0);
    tage->addWidget(letzter, 1, 1);
    return gruppe;
}

void WahlDialogAnordnen(QDialog& dialog, CRessourcenWahl* wahl, QVBoxLayout* rechts, QPushButton* ok,
                        QPushButton* abbrechen) {
    rechts->addWidget(ok, 0, Qt::AlignRight);
    rechts->addWidget(abbrechen, 0, Qt::AlignRight);
    auto* aussen = new QHBoxLayout(&dialog);
    aussen->addWidget(wahl, 195);
    aussen->addLayout(rechts, 112);
    const QFontMetrics fm = dialog.fontMetrics();
    const int bx = std::max(1, fm.averageCharWidth());
    const int by = std::max(1, fm.height());
    ok->setMinimumWidth(50 * bx / 4);
    abbrechen->setMinimumWidth(50 * bx / 4);
    dialog.resize(327 * bx / 4, 301 * by / 8);
}

} // namespace kalvora

CRessourcenWahl::CRessourcenWahl(const QString& titel, const RessourcenListe& liste,
                                 const std::string& strGruppe, const Namen& namen, QWidget* parent)
    : QGroupBox(titel, parent) {
    m_pListe = new QListWidget;
    m_pListe->setObjectName(QString::fromLatin1(namen[0]));
    m_pListe->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pListe->setUniformItemSizes(true);
    // The selection stays visible while another control has the focus.
    QPalette palette = m_pListe->palette();
    for (const auto rolle : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, rolle, palette.color(QPalette::Active, rolle));
    m_pListe->setPalette(palette);

    auto* alle = NamensKnopf(QStringLiteral("Alle auswählen"), namen[1]);
    auto* keine = NamensKnopf(QStringLiteral("Auswahl aufheben"), namen[2]);
    auto* links = new QVBoxLayout(this);
    links->addWidget(m_pListe, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(alle);
    knoepfe->addWidget(keine);
    links->addLayout(knoepfe);

    connect(alle, &QPushButton::clicked, this, [this] {
        m_auswahl.AlleAuswaehlen();
        AuswahlZeigen();
    });
    connect(keine, &QPushButton::clicked, this, [this] {
        m_auswahl.AuswahlAufheben();
        AuswahlZeigen();
    });
    connect(m_pListe, &QListWidget::itemSelectionChanged, this, &CRessourcenWahl::AuswahlLesen);

    m_auswahl.Fuellen(liste, strGruppe);
    for (const DruckAuswahl::Zeile& z : m_auswahl.Zeilen())
        m_pListe->addItem(TextAusCp1252(z.m_strText));
    ListeKuerzen(*m_pListe);
    AuswahlZeigen();
}

const DruckAuswahl& CRessourcenWahl::Auswahl() {
    AuswahlLesen();
    return m_auswahl;
}

void CRessourcenWahl::AuswahlZeigen() {
    m_bZeigtAuswahl = true;
    const auto& zeilen = m_auswahl.Zeilen();
    for (int i = 0; i < m_pListe->count() && i < static_cast<int>(zeilen.size()); ++i)
        m_pListe->item(i)->setSelected(zeilen[static_cast<std::size_t>(i)].m_bAusgewaehlt);
    m_bZeigtAuswahl = false;
}

void CRessourcenWahl::AuswahlLesen() {
    if (m_bZeigtAuswahl) return;
    for (int i = 0; i < m_pListe->count(); ++i)
        m_auswahl.SetAusgewaehlt(static_cast<std::size_t>(i), m_pListe->item(i)->isSelected());
}
