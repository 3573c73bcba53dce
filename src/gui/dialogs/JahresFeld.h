#pragma once
#include <QFrame>
#include <string>
#include <vector>

#include "data/Time.h"
#include "view/EintragsartTabelle.h"
#include "view/Statistik.h"

class QPainter;

// Year calendar of one resource: a row per month, a cell per day, weekends, public holidays and
// today tinted, the marked half days as coloured bars, a title and a legend of the entry types.
// Paints on screen and, through Zeichnen, on any other device (printer, image). A day's tooltip
// names its holidays and the selected states with school holidays.
class CJahresFeld : public QFrame {
    Q_OBJECT
public:
    explicit CJahresFeld(QWidget* parent = nullptr);

    // Meanings, colours and holiday regions are read from this table at every paint; null =
    // built-in defaults without regions.
    void SetTabelle(const kalvora::EintragsartTabelle* tabelle);

    void SetFarben(kalvora::COLORREF samstag, kalvora::COLORREF sonntag, kalvora::COLORREF werktag,
                   kalvora::COLORREF heute);
    // A year outside 1970..2037 blanks the pane. The caption is Windows-1252.
    void SetJahr(int jahr, const std::string& ueberschrift);
    void AddTag(CTime datum, kalvora::COLORREF farbe, bool ersteHaelfte, bool zweiteHaelfte, int ausrichtung);
    void Leeren();

    // Paints the pane at the painter's origin, as large as the pane's inner area; `drucken`
    // leaves out the hatched background and starts the font at half the size.
    void Zeichnen(QPainter& dc, bool drucken) const;
    // The same for an area of another size (a printer page).
    void Zeichnen(QPainter& dc, bool drucken, const QSize& flaeche) const;

    int Jahr() const { return m_nJahr; }
    const std::string& Ueberschrift() const { return m_strUeberschrift; }
    const std::vector<kalvora::TagMarke>& Tage() const { return m_tage; }

    // The tooltip text of the day under a point of the pane (widget coordinates); empty off the days
    // and on an ordinary day.
    QString TagesTipp(const QPoint& punkt) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const kalvora::EintragsartTabelle& Tabelle() const;
    QFont Schrift(const QPaintDevice* geraet, double cw, double rh, bool drucken) const;

    int m_nJahr = -1;
    std::string m_strUeberschrift;
    kalvora::COLORREF m_nHeute = 0xDCFFFF;
    kalvora::COLORREF m_nWerktag = 0xE6E6E6;
    kalvora::COLORREF m_nSamstag = 0xDCFFDC;
    kalvora::COLORREF m_nSonntag = 0xDCFFDC;
    std::vector<kalvora::TagMarke> m_tage;                   // in the order added
    const kalvora::EintragsartTabelle* m_pTabelle = nullptr; // not owned

    // Fitting the font measures many sizes: remember the last fit.
    struct Passung {
        int nStart = -1;
        int nBreite = -1;
        int nHoehe = -1;
        int nDpiX = -1;
        int nDpiY = -1;
        int nZehntel = 0;
    };
    mutable Passung m_passung;
};

namespace kalvora {

// Pieces shared by the two panes.

// White ground with a light cross hatch.
void FeldSchraffieren(QPainter& dc, const QRect& flaeche);
// A 3D frame inside (x, y, w, h): top and left edge in one colour, right and bottom in the other.
void Rahmen3D(QPainter& dc, int x, int y, int w, int h, const QColor& obenLinks, const QColor& untenRechts);
// Text anchored at (x, y) like a text-out with the given alignment: left or centred, top or
// bottom of the text cell.
void TextAn(QPainter& dc, int x, int y, Qt::Alignment ausrichtung, const QString& text);

} // namespace kalvora
