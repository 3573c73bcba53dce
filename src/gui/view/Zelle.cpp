#include "view/Zelle.h"

#include <QPainter>
#include <QStaticText>
#include <algorithm>

#include "app/QtWandlung.h"
#include "view/ZellSchrift.h"

bool kalvora::IstZeichenbar(const Rechteck& r) {
    constexpr int kGrenze = 1 << 24;
    for (int v : {r.links, r.oben, r.rechts, r.unten})
        if (v < -kGrenze || v > kGrenze) return false;
    return true;
}

void CZelle::Fuellen(QPainter& dc) const {
    const kalvora::Rechteck& r = m_rect;
    if (r.rechts > r.links && r.unten > r.oben)
        dc.fillRect(QRect(r.links, r.oben, r.rechts - r.links, r.unten - r.oben),
                    kalvora::QFarbe(m_farben.m_nFuellung));
}

std::array<QRect, 4> kalvora::RandStreifen(const Rechteck& r) {
    if (!IstZeichenbar(r)) return {};
    const int w = r.rechts - r.links;
    const int h = r.unten - r.oben;
    if (w < 0 || h < 0) return {};
    return {QRect(r.links, r.oben + 1, 1, h), QRect(r.links, r.oben, w, 1), QRect(r.rechts, r.oben, 1, h),
            QRect(r.links + 1, r.unten, w, 1)};
}

void CZelle::Raender(QPainter& dc) const {
    const std::array<QRect, 4> streifen = kalvora::RandStreifen(m_rect);
    const QColor linksOben = kalvora::QFarbe(m_farben.m_nRandLinksOben);
    const QColor rechtsUnten = kalvora::QFarbe(m_farben.m_nRandRechtsUnten);
    for (std::size_t i = 0; i < streifen.size(); ++i)
        if (!streifen[i].isEmpty()) dc.fillRect(streifen[i], i < 2 ? linksOben : rechtsUnten);
}

void CZelle::TextZeichnen(QPainter& dc, const kalvora::ZellSchrift& schrift, const QStaticText& text,
                          QPointF obenLinks) const {
    const QSizeF groesse = text.size();
    const QRectF innen(m_rect.links + 1, m_rect.oben + 1, m_rect.rechts - m_rect.links - 1,
                       m_rect.unten - m_rect.oben - 1);
    if (innen.width() <= 0 || innen.height() <= 0) return;
    if (dc.font() != schrift.m_font) dc.setFont(schrift.m_font);
    dc.setPen(kalvora::QFarbe(m_farben.m_nText));
    if (innen.contains(QRectF(obenLinks, groesse))) {
        dc.drawStaticText(obenLinks, text);
        return;
    }
    dc.save();
    dc.setClipRect(innen, Qt::IntersectClip);
    dc.drawStaticText(obenLinks, text);
    dc.restore();
}

void CZelle::Zeichnen(QPainter& dc) const {
    if (!dc.isActive() || !kalvora::IstZeichenbar(m_rect)) return;
    Fuellen(dc);
    Beschriften(dc);
    Raender(dc);
}

void CZelle::Beschriften(QPainter& dc) const {
    if (!dc.isActive() || !kalvora::IstZeichenbar(m_rect)) return;
    const int h = m_rect.unten - m_rect.oben;
    if (!m_strText.isEmpty() && h > 0) {
        const kalvora::ZellSchrift& schrift = kalvora::ZellSchriftFuer(4 * h, m_nDpi);
        const int y = m_rect.oben + h / 2 - static_cast<int>(h * 0.3);
        TextZeichnen(dc, schrift, kalvora::ZellText(schrift, SichtbarerText()), QPointF(m_rect.links + 5, y));
    }
}

QString CZelle::SichtbarerText() const {
    const int h = m_rect.unten - m_rect.oben;
    if (!m_bKuerzen || m_strText.isEmpty() || h <= 0 || !kalvora::IstZeichenbar(m_rect)) return m_strText;
    const kalvora::ZellSchrift& schrift = kalvora::ZellSchriftFuer(4 * h, m_nDpi);
    // From the text's start up to the right edge line.
    const int breite = m_rect.rechts - (m_rect.links + 5);
    if (schrift.m_metrik.horizontalAdvance(m_strText) <= breite) return m_strText;
    return schrift.m_metrik.elidedText(m_strText, Qt::ElideRight, std::max(breite, 0));
}
