#include "dialogs/StatistikFeld.h"

#include <QPainter>
#include <algorithm>

#include "app/QtWandlung.h"
#include "dialogs/JahresFeld.h"

using namespace kalvora;

CStatistikFeld::CStatistikFeld(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
}

void CStatistikFeld::SetTabelle(const EintragsartTabelle* tabelle) {
    m_pTabelle = tabelle;
    update();
}

void CStatistikFeld::SetZahlen(const TagesZahlen& zahlen) {
    m_zahlen = zahlen;
    update();
}

const EintragsartTabelle& CStatistikFeld::Tabelle() const {
    static const EintragsartTabelle standard = EintragsartTabelle::Standard();
    return m_pTabelle ? *m_pTabelle : standard;
}

void CStatistikFeld::Zeichnen(QPainter& dc, const QSize& flaeche) const {
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    kalvora::FeldSchraffieren(dc, QRect(QPoint(0, 0), flaeche));

    const StatistikRaster r = StatistikRasterFuer(flaeche.width(), flaeche.height());
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(8.0);
    dc.setFont(schrift);
    dc.setPen(Qt::black);
    const EintragsartTabelle& tabelle = Tabelle();
    for (int k = 1; k <= kAnzahlArten; ++k) {
        const Punkt p = BeschriftungsPunkt(r, k);
        kalvora::TextAn(dc, p.x, p.y, Qt::AlignLeft | Qt::AlignTop,
                        TextAusCp1252(tabelle.m_strBedeutung[static_cast<std::size_t>(k)]));
    }

    const float max = *std::max_element(m_zahlen.begin(), m_zahlen.end());
    for (int k = 1; k <= kAnzahlArten; ++k) {
        const float c = m_zahlen[static_cast<std::size_t>(k - 1)];
        const auto balken = StatistikBalken(r, k, c, max);
        if (!balken) continue;
        const Rechteck& b = *balken;
        dc.fillRect(QRect(b.links, b.oben, b.Breite(), b.Hoehe()),
                    QFarbe(tabelle.m_nFarbe[static_cast<std::size_t>(k)]));
        // Pen strokes from the bottom-left corner up, across, down and back, end points excluded.
        dc.fillRect(QRect(b.links, b.oben + 1, 1, b.Hoehe()), Qt::white);
        dc.fillRect(QRect(b.links, b.oben, b.Breite(), 1), Qt::white);
        dc.fillRect(QRect(b.rechts, b.oben, 1, b.Hoehe()), Qt::black);
        dc.fillRect(QRect(b.links + 1, b.unten, b.Breite(), 1), Qt::black);
        const Punkt z = ZahlPunkt(r, k);
        dc.setPen(Qt::black);
        kalvora::TextAn(dc, z.x, z.y, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(AnzahlText(c)));
    }
    dc.restore();
}

void CStatistikFeld::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter dc(this);
    const QRect innen = contentsRect();
    dc.setClipRect(innen);
    dc.translate(innen.topLeft());
    Zeichnen(dc, innen.size());
}
