#include "view/KopfZelle.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <algorithm>

#include "app/QtWandlung.h"
#include "view/GitterLayout.h"
#include "view/ZellSchrift.h"

namespace {

constexpr double kStartFaktor = 2.5;
constexpr double kKleinsterFaktor = 0.1; // the loop needs an end when even tiny text is too wide

} // namespace

int CKopfZelle::SchriftZehntel(int nHoehe, int nBreite, int nZeichen, int nDpi) {
    // Headers repeat the same sizes column after column: the loop runs once per combination.
    static QHash<quint64, int> gemerkt;
    const bool merkbar = nHoehe >= 0 && nHoehe < 65536 && nBreite >= 0 && nBreite < 65536 && nZeichen >= 0 &&
                         nZeichen < 65536 && nDpi >= 0 && nDpi < 65536;
    const quint64 schluessel =
        (quint64(nHoehe) << 48) | (quint64(nBreite) << 32) | (quint64(nZeichen) << 16) | quint64(nDpi);
    if (merkbar) {
        if (auto it = gemerkt.constFind(schluessel); it != gemerkt.cend()) return *it;
    }

    // f is stepped down as a double on purpose: the truncation of H × f decides the size.
    double f = kStartFaktor;
    int zehntel = static_cast<int>(nHoehe * f);
    while (kalvora::ZellSchriftFuer(zehntel, nDpi).BreiteM(nZeichen) > nBreite &&
           f > kKleinsterFaktor + 1e-9) {
        f -= 0.1;
        zehntel = static_cast<int>(nHoehe * f);
    }
    if (merkbar) {
        if (gemerkt.size() > 65536) gemerkt.clear();
        gemerkt.insert(schluessel, zehntel);
    }
    return zehntel;
}

void CKopfZelle::Zeichnen(QPainter& dc) const {
    if (!dc.isActive() || !kalvora::IstZeichenbar(m_rect)) return;
    Fuellen(dc);
    Raender(dc);

    const kalvora::Rechteck& r = m_rect;
    const int w = r.rechts - r.links;
    const int h = r.unten - r.oben;
    if (w <= 0 || h <= 0) return;

    if (m_bMarke) {
        // Pixel by pixel: Qt's aliased ellipse would lose a row of the box.
        const kalvora::Rechteck box = kalvora::SchulferienPunkt(r);
        const QColor farbe = kalvora::QFarbe(m_farben.m_nRandLinksOben);
        const auto zeilen = kalvora::EllipsenZeilen(box.Breite(), box.Hoehe());
        for (int y = 0; y < static_cast<int>(zeilen.size()); ++y) {
            const auto [von, bis] = zeilen[static_cast<std::size_t>(y)];
            dc.fillRect(QRect(box.links + von, box.oben + y, bis - von, 1), farbe);
        }
    }

    if (m_strOben.isEmpty() && m_strUnten.isEmpty()) return;
    const int zeichen = static_cast<int>(std::max(m_strOben.size(), m_strUnten.size()));
    const kalvora::ZellSchrift& schrift =
        kalvora::ZellSchriftFuer(SchriftZehntel(h, w, zeichen, m_nDpi), m_nDpi);
    const double mitte = r.links + w / 2;
    if (!m_strOben.isEmpty()) {
        const QStaticText& oben = kalvora::ZellText(schrift, m_strOben);
        TextZeichnen(dc, schrift, oben, QPointF(mitte - oben.size().width() / 2, r.oben + 1));
    }
    if (!m_strUnten.isEmpty()) {
        const QStaticText& unten = kalvora::ZellText(schrift, m_strUnten);
        const int hoehe = schrift.m_metrik.ascent() + schrift.m_metrik.descent();
        TextZeichnen(dc, schrift, unten, QPointF(mitte - unten.size().width() / 2, r.unten - hoehe));
    }
}
