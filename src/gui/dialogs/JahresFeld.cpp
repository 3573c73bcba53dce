#include "dialogs/JahresFeld.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QToolTip>
#include <array>
#include <cmath>

#include "app/QtWandlung.h"
#include "app/Tipp.h"
#include "app/Uhr.h"
#include "calendar/Feiertage.h"
#include "view/JahresLayout.h"

using namespace kalvora;

namespace kalvora {

void FeldSchraffieren(QPainter& dc, const QRect& flaeche) {
    dc.fillRect(flaeche, Qt::white);
    dc.fillRect(flaeche, QBrush(QColor(0xF0, 0xF0, 0xF0), Qt::CrossPattern));
}

void Rahmen3D(QPainter& dc, int x, int y, int w, int h, const QColor& obenLinks, const QColor& untenRechts) {
    if (w <= 0 || h <= 0) return;
    dc.fillRect(QRect(x, y, w - 1, 1), obenLinks);
    dc.fillRect(QRect(x, y, 1, h - 1), obenLinks);
    dc.fillRect(QRect(x + w - 1, y, 1, h), untenRechts);
    dc.fillRect(QRect(x, y + h - 1, w, 1), untenRechts);
}

void TextAn(QPainter& dc, int x, int y, Qt::Alignment ausrichtung, const QString& text) {
    if (text.isEmpty()) return;
    // A box far larger than any text, so the alignment alone places it.
    constexpr int weit = 1 << 20;
    const int links = ausrichtung.testFlag(Qt::AlignHCenter) ? x - weit / 2 : x;
    const int oben = ausrichtung.testFlag(Qt::AlignBottom) ? y - weit : y;
    dc.drawText(QRect(links, oben, weit, weit), ausrichtung.toInt() | Qt::TextDontClip, text);
}

} // namespace kalvora

CJahresFeld::CJahresFeld(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
}

void CJahresFeld::SetTabelle(const EintragsartTabelle* tabelle) {
    m_pTabelle = tabelle;
    update();
}

void CJahresFeld::SetFarben(COLORREF samstag, COLORREF sonntag, COLORREF werktag, COLORREF heute) {
    m_nSamstag = samstag;
    m_nSonntag = sonntag;
    m_nWerktag = werktag;
    m_nHeute = heute;
}

void CJahresFeld::SetJahr(int jahr, const std::string& ueberschrift) {
    m_nJahr = GueltigesJahr(jahr);
    m_strUeberschrift = ueberschrift;
    update();
}

void CJahresFeld::AddTag(CTime datum, COLORREF farbe, bool ersteHaelfte, bool zweiteHaelfte,
                         int ausrichtung) {
    m_tage.push_back({datum, farbe, ersteHaelfte, zweiteHaelfte, ausrichtung});
    update();
}

void CJahresFeld::Leeren() {
    m_tage.clear();
    update();
}

const EintragsartTabelle& CJahresFeld::Tabelle() const {
    static const EintragsartTabelle standard = EintragsartTabelle::Standard();
    return m_pTabelle ? *m_pTabelle : standard;
}

QFont CJahresFeld::Schrift(const QPaintDevice* geraet, double cw, double rh, bool drucken) const {
    const int start = static_cast<int>(std::trunc(rh * (drucken ? 5.0 : 10.0)));
    const int breite = static_cast<int>(std::trunc(cw));
    const int hoehe = static_cast<int>(std::trunc(rh));
    const int dpiX = geraet ? geraet->logicalDpiX() : 96;
    const int dpiY = geraet ? geraet->logicalDpiY() : 96;
    QFont schrift(QStringLiteral("Arial"));
    Passung& p = m_passung;
    if (p.nStart != start || p.nBreite != breite || p.nHoehe != hoehe || p.nDpiX != dpiX || p.nDpiY != dpiY) {
        // From the start size down in tenths of a point until "MM" fits into one cell.
        const auto passt = [&](int zehntel, double* anteil) {
            schrift.setPointSizeF(zehntel / 10.0);
            const QFontMetrics fm(schrift, geraet);
            const int w = fm.horizontalAdvance(QStringLiteral("MM"));
            const int h = fm.height();
            if (anteil)
                *anteil = std::min(w > 0 ? static_cast<double>(breite) / w : 1.0,
                                   h > 0 ? static_cast<double>(hoehe) / h : 1.0);
            return w <= breite && h <= hoehe;
        };
        int zehntel = std::max(start, 1);
        double anteil = 1.0;
        if (zehntel > 1 && !passt(zehntel, &anteil)) {
            // Extents grow about in proportion to the size: on a printer the walk would measure
            // a thousand sizes, so it starts just above the proportional guess instead.
            const double schaetzung = std::max(anteil, 0.0) * zehntel;
            int von = zehntel - 1;
            if (schaetzung * 1.125 + 2 < von) {
                von = static_cast<int>(schaetzung * 1.125) + 2;
                if (passt(von, nullptr)) von = zehntel - 1; // a poor guess: walk the whole way
            }
            for (zehntel = von; zehntel > 1 && !passt(zehntel, nullptr); --zehntel) {
            }
        }
        p = {start, breite, hoehe, dpiX, dpiY, zehntel};
    }
    schrift.setPointSizeF(p.nZehntel / 10.0);
    return schrift;
}

void CJahresFeld::Zeichnen(QPainter& dc, bool drucken) const {
    Zeichnen(dc, drucken, contentsRect().size());
}

void CJahresFeld::Zeichnen(QPainter& dc, bool drucken, const QSize& flaeche) const {
    if (m_nJahr == -1) return;
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    if (!drucken) FeldSchraffieren(dc, QRect(QPoint(0, 0), flaeche));

    const JahresRaster r = JahresRasterFuer(flaeche.width(), flaeche.height());
    const auto ganz = [](double v) { return static_cast<int>(std::trunc(v)); };
    dc.setFont(Schrift(dc.device(), r.cw, r.rh, drucken));
    dc.setPen(Qt::black);

    for (int d = 1; d <= 31; ++d)
        TextAn(dc, ganz(4 * r.cw + (d - 1) * r.cw), ganz(r.rh), Qt::AlignHCenter | Qt::AlignTop,
               QString::number(d));
    for (int m = 1; m <= 12; ++m)
        TextAn(dc, ganz(r.cw), ganz(3 * r.rh + (m - 1) * r.rh), Qt::AlignLeft | Qt::AlignBottom,
               TextAusCp1252(MonatsKuerzel(m)));
    TextAn(dc, ganz(0.5 * r.cw), ganz(0.25 * r.rh), Qt::AlignLeft | Qt::AlignTop,
           TextAusCp1252(JahresTitel(m_nJahr, m_strUeberschrift)));

    // Marks of the shown year by calendar day; other years have no cell here.
    std::array<std::array<std::vector<const TagMarke*>, 32>, 13> marken;
    for (const TagMarke& t : m_tage) {
        const LokaleZeit l = t.m_timeDatum.Lokal();
        if (l.jahr == m_nJahr)
            marken[static_cast<std::size_t>(l.monat)][static_cast<std::size_t>(l.tag)].push_back(&t);
    }

    const EintragsartTabelle& tabelle = Tabelle();
    const CFeiertage feiertage(tabelle.m_nRegion);
    const LokaleZeit heute = Jetzt().Lokal();
    double yLegende = 0.0;
    for (const JahresTag& t : JahresTage(m_nJahr, r, &yLegende)) {
        COLORREF fuellung = m_nWerktag;
        if (heute.jahr == m_nJahr && heute.monat == t.monat && heute.tag == t.tag)
            fuellung = m_nHeute;
        else if (t.wochentag == 1 || feiertage.IstFeiertag(t.tag, t.monat, m_nJahr))
            fuellung = m_nSonntag;
        else if (t.wochentag == 7)
            fuellung = m_nSamstag;
        const Rechteck f = TagesFlaeche(t, r);
        dc.fillRect(QRect(f.links, f.oben, f.Breite(), f.Hoehe()), QFarbe(fuellung));
        const Rechteck z = TagesRahmen(t, r);
        Rahmen3D(dc, z.links, z.oben, z.Breite(), z.Hoehe(), Qt::black, Qt::white);

        for (const TagMarke* m : marken[static_cast<std::size_t>(t.monat)][static_cast<std::size_t>(t.tag)]) {
            const auto b = MarkenRechteck(t, r, m->m_nAusrichtung, m->m_bErsteHaelfte, m->m_bZweiteHaelfte);
            if (!b) continue;
            dc.fillRect(QRect(b->links, b->oben, b->Breite(), b->Hoehe()), QFarbe(m->m_nFarbe));
            Rahmen3D(dc, b->links, b->oben, b->Breite(), b->Hoehe(), Qt::white, Qt::black);
        }
    }

    const QFontMetrics fm(dc.font(), dc.device());
    for (int zeile = 0; zeile < 2; ++zeile) {
        int x = ganz(3.5 * r.cw);
        const int y = zeile == 0 ? ganz(yLegende + r.rh / 4) : ganz(yLegende + r.rh);
        for (int k = 1 + zeile * 8; k <= 8 + zeile * 8; ++k) {
            const QString text = TextAusCp1252(tabelle.m_strBedeutung[static_cast<std::size_t>(k)]);
            const int breite = fm.horizontalAdvance(text);
            dc.fillRect(QRect(x, y, breite, fm.height()),
                        QFarbe(tabelle.m_nFarbe[static_cast<std::size_t>(k)]));
            TextAn(dc, x, y, Qt::AlignLeft | Qt::AlignTop, text);
            x += breite + ganz(r.cw);
        }
    }
    dc.restore();
}

QString CJahresFeld::TagesTipp(const QPoint& punkt) const {
    if (m_nJahr == -1) return {};
    const QRect innen = contentsRect();
    const QPoint p = punkt - innen.topLeft();
    const JahresRaster r = JahresRasterFuer(innen.width(), innen.height());
    for (const JahresTag& t : JahresTage(m_nJahr, r)) {
        const Rechteck f = TagesFlaeche(t, r);
        if (p.x() >= f.links && p.x() < f.rechts && p.y() >= f.oben && p.y() < f.unten)
            return TextAusCp1252(TagesText(t.tag, t.monat, m_nJahr, Tabelle().m_nRegion));
    }
    return {};
}

bool CJahresFeld::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QFrame::event(event);
    return kalvora::TippZeigen(event, TagesTipp(static_cast<QHelpEvent*>(event)->pos()), this);
}

void CJahresFeld::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter dc(this);
    const QRect innen = contentsRect();
    dc.setClipRect(innen);
    dc.translate(innen.topLeft());
    Zeichnen(dc, false, innen.size());
}
