#include "dialogs/FarbButton.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "app/QtWandlung.h"

using kalvora::COLORREF;

namespace {

QFont BeschriftungsSchrift() {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(10);
    return schrift;
}

// One 1-pixel ring along the edges of `r` in the order top, left, bottom, right, so the
// lower-right colour wins at the two shared corners; `r` then shrinks by one pixel.
void Ring(QPainter& p, QRect& r, COLORREF obenLinks, COLORREF untenRechts) {
    const QColor a = kalvora::QFarbe(obenLinks);
    const QColor b = kalvora::QFarbe(untenRechts);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), a);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), a);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), b);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), b);
    r.adjust(1, 1, -1, -1);
}

} // namespace

CFarbButton::CFarbButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    SystemfarbenLesen();
    m_nText = kalvora::Colorref(palette().color(QPalette::Active, QPalette::ButtonText));
    m_nFlaeche = kalvora::Colorref(palette().color(QPalette::Active, QPalette::Button));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CFarbButton::SystemfarbenLesen() {
    const QPalette pal = palette();
    m_nFlaecheAus = kalvora::Colorref(pal.color(QPalette::Active, QPalette::Button));
    m_nGlanz = kalvora::Colorref(pal.color(QPalette::Active, QPalette::Light));
    m_nHell = kalvora::Colorref(pal.color(QPalette::Active, QPalette::Midlight));
    m_nSchatten = kalvora::Colorref(pal.color(QPalette::Active, QPalette::Dark));
    m_nDunkel = kalvora::Colorref(pal.color(QPalette::Active, QPalette::Shadow));
}

void CFarbButton::SetFarbe(COLORREF text, COLORREF flaeche, COLORREF streifen) {
    m_nText = text;
    m_nFlaeche = flaeche;
    m_nStreifen = streifen;
    m_nFlaecheAus = kalvora::Colorref(palette().color(QPalette::Active, QPalette::Button));
    update();
}

CFarbButton::Zustand CFarbButton::AktuellerZustand() const {
    Zustand z;
    z.bDeaktiviert = !isEnabled();
    z.bGedrueckt = isDown();
    z.bFokus = hasFocus();
    z.bStandard = isDefault();
    return z;
}

void CFarbButton::DrawItem(QPainter& p, const QRect& item, const Zustand& zustand) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(item, kalvora::QFarbe(zustand.bDeaktiviert ? m_nFlaecheAus : m_nFlaeche));
    // A 10-pixel pen centred on left + 10.
    if (m_bMarkiert)
        p.fillRect(QRect(item.left() + 5, item.top(), 10, item.height()), kalvora::QFarbe(m_nStreifen));

    QRect r = item;
    if (zustand.bGedrueckt) {
        Ring(p, r, m_nDunkel, m_nDunkel);
        Ring(p, r, m_nSchatten, m_nSchatten);
    } else {
        if (zustand.bFokus || zustand.bStandard) Ring(p, r, 0x000000, 0x000000);
        Ring(p, r, m_nGlanz, m_nDunkel);
        Ring(p, r, m_nHell, m_nSchatten);
    }

    const int ausrichtung = Qt::AlignCenter | Qt::TextSingleLine;
    const QRect versetzt = item.translated(-1, -1);
    p.setFont(BeschriftungsSchrift());
    const QString beschriftung = Beschriftung(item.width());
    if (zustand.bDeaktiviert) {
        p.setPen(QColor(255, 255, 255));
        p.drawText(item, ausrichtung, beschriftung);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawText(versetzt, ausrichtung, beschriftung);
    } else {
        p.setPen(kalvora::QFarbe(m_nText));
        p.drawText(zustand.bGedrueckt ? item : versetzt, ausrichtung, beschriftung);
    }

    if (zustand.bFokus) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(item.adjusted(4, 4, -5, -5));
    }
    p.restore();
}

void CFarbButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawItem(p, rect(), AktuellerZustand());
}

void CFarbButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) SystemfarbenLesen();
    QPushButton::changeEvent(event);
}

QString CFarbButton::Beschriftung(int nBreite) const {
    const QFontMetrics fm(BeschriftungsSchrift());
    // Inside the two rings on either side.
    return fm.elidedText(text().left(512), Qt::ElideRight, std::max(nBreite - 4, 0));
}

QSize CFarbButton::sizeHint() const {
    const QFontMetrics fm(BeschriftungsSchrift());
    return {fm.horizontalAdvance(text().left(512)) + 16, fm.height() + 8};
}
