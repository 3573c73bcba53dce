#pragma once
#include <QRect>

#include "print/DruckAuftrag.h"

class CJahresFeld;
class QPainter;

// The one render path of the printout: printer, preview, PDF and test images alike. Coordinates
// are the painter's device units; `seite` is the printable area (the painter's origin on paper).

// The plan page: name column, month and day headers, a row of day cells per printed resource with
// the marked half days as bars, and the legend of all 16 entry types. Notes are not printed.
void DruckseiteZeichnen(QPainter& dc, const QRect& seite, const kalvora::DruckAuftrag& auftrag);

// The year overview of resource management, as large as the page allows at 3:1, at (0, 0).
void JahresUebersichtDrucken(QPainter& dc, const QRect& seite, const CJahresFeld& feld);
