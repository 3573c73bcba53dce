#pragma once
#include "view/Zelle.h"

// A header cell: a top and a bottom text, centred, in a font that shrinks until the longer text
// would fit as capital Ms; optionally a dot in the upper-right corner (school holidays).
class CKopfZelle : public CZelle {
public:
    void SetTexte(const QString& oben, const QString& unten, bool bMarke) {
        m_strOben = oben;
        m_strUnten = unten;
        m_bMarke = bMarke;
    }

    void Zeichnen(QPainter& dc) const override;

    // Size in tenths of a point for a cell of height H and width W whose longer text has
    // `nZeichen` characters: trunc(H × f), f from 2.5 down in steps of 0.1, never below 0.1.
    static int SchriftZehntel(int nHoehe, int nBreite, int nZeichen, int nDpi = 96);

private:
    QString m_strOben;
    QString m_strUnten;
    bool m_bMarke = false;
};
