#pragma once
#include <QString>

#include "view/Farbschema.h"
#include "view/Rechteck.h"

#include <QRect>
#include <array>

class QPainter;
class QStaticText;
class QPointF;
namespace kalvora {
struct ZellSchrift;

// The one-pixel edges of a cell as the pen lines from (left, bottom) up, right, down and back left
// set them: [0], [1] in the upper-left colour (the lower-left corner included), [2], [3] in the
// lower-right colour (the upper-right corner included). Empty for a reversed rectangle.
std::array<QRect, 4> RandStreifen(const Rechteck& r);

// Coordinates a painter can take without overflowing (far beyond any screen or page).
bool IstZeichenbar(const Rechteck& r);
} // namespace kalvora

// A raised or sunken cell with one text: filled, text at the left, one-pixel edges. The grid and
// the printout paint with it. Edges lie on all four sides of (left, top)..(right, bottom)
// inclusive, so a cell covers W + 1 by H + 1 pixels.
class CZelle {
public:
    virtual ~CZelle() = default;

    void SetRechteck(int links, int oben, int rechts, int unten) { m_rect = {links, oben, rechts, unten}; }
    void SetRechteck(const kalvora::Rechteck& r) { m_rect = r; }
    void SetFarben(kalvora::COLORREF fuellung, kalvora::COLORREF rechtsUnten, kalvora::COLORREF linksOben,
                   kalvora::COLORREF text) {
        m_farben = {fuellung, rechtsUnten, linksOben, text};
    }
    void SetFarben(const kalvora::ZellFarben& farben) { m_farben = farben; }
    void SetText(const QString& text) { m_strText = text; }
    // A text too wide for the cell ends in "…" instead of being cut at the edge (names).
    void SetKuerzen(bool bKuerzen) { m_bKuerzen = bKuerzen; }
    // The text as the cell shows it, and whether that is not all of it.
    QString SichtbarerText() const;
    bool IstGekuerzt() const { return SichtbarerText() != m_strText; }
    // Resolution the font sizes are meant for: 96 on screen, the printer's on paper.
    void SetDpi(int nDpi) { m_nDpi = nDpi; }

    const kalvora::Rechteck& Bereich() const { return m_rect; }

    // Nothing happens on a painter that is not active.
    virtual void Zeichnen(QPainter& dc) const;
    // Only the text, for callers that fill and edge many equal cells at once.
    void Beschriften(QPainter& dc) const;

protected:
    void Fuellen(QPainter& dc) const;
    void Raender(QPainter& dc) const;
    // Draws a laid-out text with its top-left corner at `obenLinks` in the text colour. A text
    // larger than the cell is cut at the edges instead of spilling into its neighbours.
    void TextZeichnen(QPainter& dc, const kalvora::ZellSchrift& schrift, const QStaticText& text,
                      QPointF obenLinks) const;

    kalvora::Rechteck m_rect;
    kalvora::ZellFarben m_farben{};
    QString m_strText;
    int m_nDpi = 96;
    bool m_bKuerzen = false;
};
