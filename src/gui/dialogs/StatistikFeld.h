#pragma once
#include <QFrame>

#include "view/EintragsartTabelle.h"
#include "view/Statistik.h"

class QPainter;

// Bar chart of the days per entry type of one resource in the shown year.
class CStatistikFeld : public QFrame {
    Q_OBJECT
public:
    explicit CStatistikFeld(QWidget* parent = nullptr);

    // Meanings and colours are read from this table at every paint; null = built-in defaults.
    void SetTabelle(const kalvora::EintragsartTabelle* tabelle);
    void SetZahlen(const kalvora::TagesZahlen& zahlen);
    const kalvora::TagesZahlen& Zahlen() const { return m_zahlen; }

    // Paints a pane of the given size with its top-left corner at the painter's origin.
    void Zeichnen(QPainter& dc, const QSize& flaeche) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const kalvora::EintragsartTabelle& Tabelle() const;

    kalvora::TagesZahlen m_zahlen{};
    const kalvora::EintragsartTabelle* m_pTabelle = nullptr; // not owned
};
