#include "frame/TypLeiste.h"

#include <QAction>
#include <QGridLayout>
#include <QResizeEvent>
#include <QStyle>

#include "app/QtWandlung.h"
#include "dialogs/FarbButton.h"
#include "frame/Befehle.h"
#include "view/KnopfFarben.h"

namespace {
constexpr int kZeilenHoehe = 22;
constexpr int kLeistenHoehe = 2 * kZeilenHoehe + 2;
} // namespace

CTypLeiste::CTypLeiste(QWidget* parent) : QToolBar(QStringLiteral("Symbolleiste"), parent) {
    setObjectName(QStringLiteral("TypLeiste"));
    setMovable(true);
    setFloatable(true);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
}

void CTypLeiste::Aufbauen(const std::function<QAction*(int)>& aktion,
                          const kalvora::EintragsartTabelle& tabelle, int farbschema) {
    for (int id : kalvora::kLeistenBefehle) {
        if (id == 0) {
            addSeparator();
            continue;
        }
        QAction* a = aktion(id);
        addAction(a);
        // As tall as the two rows of colour buttons beside them.
        if (QWidget* knopf = widgetForAction(a)) {
            knopf->setFixedSize(34, kLeistenHoehe);
            m_pLetzterBefehl = knopf;
        }
    }
    addSeparator();

    auto* feld = new QWidget(this);
    feld->setObjectName(QStringLiteral("Eintragsarten"));
    auto* raster = new QGridLayout(feld);
    raster->setContentsMargins(2, 0, 2, 0);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(2);
    for (int art = 0; art <= kalvora::kAnzahlArten; ++art) {
        const int id = kalvora::kArtBefehl[static_cast<std::size_t>(art)];
        QAction* a = aktion(id);
        auto* knopf = new CFarbButton(
            art == 0 ? QStringLiteral("Entf")
                     : kalvora::TextAusCp1252(tabelle.m_strBedeutung[static_cast<std::size_t>(art)]),
            feld);
        knopf->setObjectName(QStringLiteral("id%1").arg(id));
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setToolTip(a->toolTip());
        if (art == 1) m_strTypTipp = a->toolTip();
        knopf->setStatusTip(a->statusTip());
        connect(knopf, &QPushButton::clicked, a, &QAction::trigger);
        connect(a, &QAction::enabledChanged, knopf, &QWidget::setEnabled);
        knopf->setEnabled(a->isEnabled());
        if (art == 0) {
            knopf->setFixedSize(kEntfBreite, kLeistenHoehe);
            raster->addWidget(knopf, 0, 8, 2, 1);
        } else {
            knopf->setFixedSize(kBreite, kZeilenHoehe);
            raster->addWidget(knopf, art <= 8 ? 0 : 1, (art - 1) % 8);
        }
        m_pKnoepfe[static_cast<std::size_t>(art)] = knopf;
    }
    addWidget(feld);
    m_pFeld = feld;
    Einfaerben(tabelle, farbschema);
    BreitenAnpassen();
}

void CTypLeiste::resizeEvent(QResizeEvent* event) {
    QToolBar::resizeEvent(event);
    BreitenAnpassen();
}

void CTypLeiste::BreitenAnpassen() {
    if (!m_pLetzterBefehl || !m_pKnoepfe[1]) return;
    int breite = kBreite;
    // A floating or vertical bar takes the room it needs.
    if (!isFloating() && orientation() == Qt::Horizontal && m_pLetzterBefehl->geometry().right() > 0) {
        const int abstand = style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, this);
        const int trenner = style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, this);
        const int rand = style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, this) +
                         style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, this);
        // Room of the field of colour buttons: after the commands and a separator, its own margins off.
        const int platz =
            contentsRect().right() - rand - m_pLetzterBefehl->geometry().right() - 2 * abstand - trenner - 4;
        breite = kalvora::TypKnopfBreite(platz, 6, kEntfBreite, kKleinsteBreite);
    }
    if (breite == m_nKnopfBreite) return;
    m_nKnopfBreite = breite;
    for (int art = 1; art <= kalvora::kAnzahlArten; ++art) {
        CFarbButton* knopf = m_pKnoepfe[static_cast<std::size_t>(art)];
        knopf->setFixedWidth(breite);
        // Cut captions are read in the tooltip.
        knopf->setToolTip(knopf->Beschriftung(breite) == knopf->text() ? m_strTypTipp : knopf->text());
    }
    // The bar lays out by the field's size: it must follow at once, not at the next show.
    m_pFeld->layout()->activate();
    m_pFeld->setFixedSize(m_pFeld->layout()->sizeHint());
    // A field in the overflow menu is hidden and would not ask for a new layout itself.
    if (layout()) layout()->invalidate();
}

CFarbButton* CTypLeiste::Knopf(int art) const {
    if (art < 0 || art > kalvora::kAnzahlArten) return nullptr;
    return m_pKnoepfe[static_cast<std::size_t>(art)];
}

void CTypLeiste::Einfaerben(const kalvora::EintragsartTabelle& tabelle, int farbschema) {
    const kalvora::KnopfFarben farben = kalvora::KnopfFarbenFuerSchema(farbschema);
    for (int art = 0; art <= kalvora::kAnzahlArten; ++art) {
        CFarbButton* knopf = m_pKnoepfe[static_cast<std::size_t>(art)];
        if (!knopf) continue;
        const kalvora::COLORREF flaeche =
            art == 0 ? farben.m_nEntf : tabelle.m_nFarbe[static_cast<std::size_t>(art)];
        knopf->SetFarbe(farben.m_nText, flaeche, farben.m_nStreifen);
    }
}

void CTypLeiste::SetAktiveArt(int art, const kalvora::EintragsartTabelle& tabelle, int farbschema) {
    if (art >= 0 && art <= kalvora::kAnzahlArten) {
        for (int k = 0; k <= kalvora::kAnzahlArten; ++k)
            if (CFarbButton* knopf = m_pKnoepfe[static_cast<std::size_t>(k)]) knopf->SetMarkiert(k == art);
    }
    Einfaerben(tabelle, farbschema);
    for (CFarbButton* knopf : m_pKnoepfe)
        if (knopf) knopf->repaint();
}

void CTypLeiste::SetTypTexte(const kalvora::EintragsartTabelle& tabelle) {
    for (int art = 1; art <= kalvora::kAnzahlArten; ++art)
        if (CFarbButton* knopf = m_pKnoepfe[static_cast<std::size_t>(art)])
            knopf->setText(kalvora::TextAusCp1252(tabelle.m_strBedeutung[static_cast<std::size_t>(art)]));
    m_nKnopfBreite = 0; // the tooltips follow the new captions
    BreitenAnpassen();
}
