#include "frame/TypLeiste.h"

#include <QAction>
#include <QGridLayout>

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
        if (QWidget* knopf = widgetForAction(a)) knopf->setFixedSize(34, kLeistenHoehe);
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
    Einfaerben(tabelle, farbschema);
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
}
