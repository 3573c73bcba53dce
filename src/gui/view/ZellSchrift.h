#pragma once
#include <QFont>
#include <QFontMetrics>
#include <QStaticText>
#include <QString>

namespace kalvora {

// "Arial" of one size for the cell painters, with its metrics. Sizes are tenths of a point; the
// pixel size follows from the resolution (96 on screen), never from the screen's logical DPI,
// so the grid geometry is the same everywhere.
struct ZellSchrift {
    QFont m_font;
    QFontMetrics m_metrik;
    int m_nPixel = 1;

    // Width of `nZeichen` letters "M": the widest text of that length the header cells plan for.
    int BreiteM(int nZeichen) const;
};

// Pixels of a point size in tenths at `nDpi`, rounded; at least 1.
int PixelAusZehnteln(int nZehntel, int nDpi);

// Built once per pixel size and kept for the run: a repaint creates no fonts.
const ZellSchrift& ZellSchriftFuer(int nZehntel, int nDpi);

// The laid-out text in that font, kept between repaints (texts repeat: week numbers, days, names).
// The reference is valid until the next call.
const QStaticText& ZellText(const ZellSchrift& schrift, const QString& text);

} // namespace kalvora
