#pragma once
#include <QPushButton>

#include "view/EintragsartTabelle.h"

// A button that shows its caption on a chosen colour inside a hand-drawn 3D frame, with an
// optional marker stripe (the active entry type on the toolbar).
class CFarbButton : public QPushButton {
    Q_OBJECT
public:
    struct Zustand {
        bool bDeaktiviert = false;
        bool bGedrueckt = false;
        bool bFokus = false;
        bool bStandard = false; // the dialog's default button
    };

    explicit CFarbButton(const QString& text = QString(), QWidget* parent = nullptr);

    void SetFarbe(kalvora::COLORREF text, kalvora::COLORREF flaeche, kalvora::COLORREF streifen);
    // Does not repaint: the caller repaints all buttons of a row at once.
    void SetMarkiert(bool markiert) { m_bMarkiert = markiert; }
    bool IstMarkiert() const { return m_bMarkiert; }

    kalvora::COLORREF Textfarbe() const { return m_nText; }
    kalvora::COLORREF Flaeche() const { return m_nFlaeche; }
    kalvora::COLORREF Streifen() const { return m_nStreifen; }

    // All painting, for any item rectangle and state.
    void DrawItem(QPainter& p, const QRect& r, const Zustand& zustand) const;
    Zustand AktuellerZustand() const;

    QSize sizeHint() const override;
    // The caption as a button `nBreite` pixels wide shows it: cut with "…" when it does not fit.
    QString Beschriftung(int nBreite) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SystemfarbenLesen();

    bool m_bMarkiert = false;
    kalvora::COLORREF m_nStreifen = 0;
    kalvora::COLORREF m_nText = 0;
    kalvora::COLORREF m_nFlaeche = 0;
    kalvora::COLORREF m_nFlaecheAus = 0; // face of the disabled button
    kalvora::COLORREF m_nHell = 0;       // inner top/left of the raised frame
    kalvora::COLORREF m_nGlanz = 0;      // outer top/left
    kalvora::COLORREF m_nSchatten = 0;   // inner bottom/right, inner ring when pressed
    kalvora::COLORREF m_nDunkel = 0;     // outer bottom/right, outer ring when pressed
};
