// The printed page rendered into images of known size: 1010 × 700 gives N = 200, h = 20, the
// first day column at x = 211 and the first row at y = 52.
#include <gtest/gtest.h>

#include <QPainter>

#include "GuiHilfen.h"
#include "dialogs/JahresFeld.h"
#include "print/DruckBild.h"
#include "view/Farbschema.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr int kB = 1010;
constexpr int kH = 700;
constexpr QRgb kWeiss = 0xFFFFFF;

// Distinct from each other and from every scheme colour.
COLORREF Farbe(int j) {
    const auto r = static_cast<COLORREF>(20 + 12 * j);
    const auto g = static_cast<COLORREF>(240 - 9 * j);
    const auto b = static_cast<COLORREF>(60 + 7 * j);
    return r | g << 8 | b << 16;
}

DruckAuftrag Auftrag(CTime von, CTime bis, int anzahl, int schema = 1) {
    DruckAuftrag a;
    a.m_timeVon = von;
    a.m_timeBis = bis;
    a.m_nFarbschema = schema;
    for (int j = 1; j <= kAnzahlArten; ++j) {
        a.m_arten.m_nFarbe[static_cast<std::size_t>(j)] = Farbe(j);
        a.m_arten.m_strBedeutung[static_cast<std::size_t>(j)] = "Typ " + std::to_string(j);
    }
    for (int i = 0; i < anzahl; ++i) {
        auto r = std::make_unique<CRessource>();
        r->m_strBenennung1 = "Name" + std::to_string(i);
        a.m_zeilen.push_back(std::move(r));
        a.m_namen.push_back("Name" + std::to_string(i) + ", Vorname");
    }
    a.m_nAnzahl = anzahl;
    return a;
}

QImage Seite(const DruckAuftrag& a, int w = kB, int h = kH) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter dc(&bild);
    DruckseiteZeichnen(dc, QRect(0, 0, w, h), a);
    return bild;
}

CTime Mittag(int j, int m, int t) { return CTime(j, m, t, 12, 0, 0); }

} // namespace

TEST(DruckSeite, FuenfZeilenDannDieLegendeDannNichts) {
    const DruckAuftrag a = Auftrag(Mittag(2025, 3, 10), Mittag(2025, 3, 13), 5);
    const QImage bild = Seite(a);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Pixel(bild, 300, 62 + 21 * i), Rgb(0xE6E6E6)) << i; // C1
    EXPECT_EQ(Pixel(bild, 998, 40), Rgb(0x000000)); // the last header's dark edge
    // Legend rows at 159..175 and 180..196; all 16 types in their colours, in order.
    for (int j = 1; j <= 16; ++j) {
        const int i = (j - 1) % 8;
        const int rechts = 100 * (i + 1) + (50 * i) / 2;
        const int y = j <= 8 ? 167 : 188;
        EXPECT_EQ(Pixel(bild, rechts - 4, y), Rgb(Farbe(j))) << j;
    }
    // Between the fifth row and the legend, and everything below it: untouched.
    EXPECT_EQ(Pixel(bild, 300, 157), kWeiss);
    EXPECT_TRUE(Umriss(bild, QRect(0, 198, kB, kH - 198), [](QRgb p) { return p != kWeiss; }).isNull());
}

TEST(DruckSeite, HalbeUndGanzeTage) {
    DruckAuftrag a = Auftrag(Mittag(2025, 3, 10), Mittag(2025, 3, 13), 5);
    a.m_arten.m_nAusrichtung[5] = Unten;
    CRessource& r = *a.m_zeilen[0];
    const CTime jetzt(2025, 1, 1, 0, 0, 0);
    SetTag(&r, CTime(2025, 3, 10, 9, 0, 0), 3, 3, "", jetzt);
    SetTag(&r, CTime(2025, 3, 11, 9, 0, 0), 3, 5, "Notiz", jetzt); // notes are not printed
    SetTag(&r, CTime(2025, 3, 12, 9, 0, 0), 0, 5, "", jetzt);
    SetTag(&r, CTime(2024, 3, 13, 9, 0, 0), 1, 1, "", jetzt); // another year: not on this page
    const QImage bild = Seite(a);
    const auto umriss = [&](int x, COLORREF c) {
        return Umriss(bild, QRect(x, 52, 197, 21), [&](QRgb p) { return p == Rgb(c); });
    };
    // Full day, "Voll": y 57..67, fill inside the edges.
    EXPECT_EQ(umriss(211, Farbe(3)), QRect(QPoint(212, 58), QPoint(406, 66)));
    // Two halves: 408..506 "Voll", 507..604 "Unten" (64..70).
    EXPECT_EQ(umriss(408, Farbe(3)), QRect(QPoint(409, 58), QPoint(505, 66)));
    EXPECT_EQ(umriss(408, Farbe(5)), QRect(QPoint(508, 65), QPoint(603, 69)));
    // Only the second half.
    EXPECT_EQ(umriss(605, Farbe(5)), QRect(QPoint(705, 65), QPoint(800, 69)));
    EXPECT_EQ(Pixel(bild, 650, 60), Rgb(0xE6E6E6));
    EXPECT_TRUE(umriss(802, Farbe(1)).isNull());
}

TEST(DruckSeite, JederMontagJederZeileTraegtDieWochennummer) {
    // "Dark": black cells, week numbers in C3 (0, 0, 150).
    const QImage bild = Seite(Auftrag(Mittag(2025, 3, 10), Mittag(2025, 3, 13), 5, 4));
    const auto blau = [](QRgb p) { return qBlue(p) > 60 && qRed(p) < 40 && qGreen(p) < 40; };
    for (int i = 0; i < 5; ++i) {
        const int y = 52 + 21 * i;
        EXPECT_FALSE(Umriss(bild, QRect(212, y + 1, 195, 19), blau).isNull()) << i; // Monday
        EXPECT_TRUE(Umriss(bild, QRect(409, y + 1, 195, 19), blau).isNull()) << i;  // Tuesday
    }
}

TEST(DruckSeite, JahresuebersichtImVerhaeltnisDreiZuEins) {
    UhrFixiert uhr{CTime(2025, 6, 1, 10, 0, 0)};
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    for (int j = 1; j <= kAnzahlArten; ++j) tabelle.m_strBedeutung[static_cast<std::size_t>(j)] = "Typ";
    CJahresFeld feld;
    feld.SetTabelle(&tabelle);
    feld.SetJahr(2025, "Becker, Jonas - ");
    feld.AddTag(CTime(2025, 12, 30, 9, 0, 0), 0x0000FF, true, true, 0);
    // A portrait page: the overview fills the width at 3:1 from the top (areas: DruckLayoutTest).
    {
        const QSize flaeche(900, 300);
        QImage bild(900, 1200, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter dc(&bild);
            JahresUebersichtDrucken(dc, bild.rect(), feld);
        }
        const QRect gemalt = Umriss(bild, bild.rect(), [](QRgb p) { return p != kWeiss; });
        // The cells of 31 days end at 34.5 columns of W/36, the legend lies in the last two of 16 rows.
        EXPECT_LT(gemalt.right(), flaeche.width());
        EXPECT_GT(gemalt.right(), flaeche.width() * 34 / 36);
        EXPECT_LT(gemalt.bottom(), flaeche.height());
        EXPECT_GT(gemalt.bottom(), flaeche.height() * 14 / 16);
        // The mark of 30 December in the last month row.
        const QRect mark = Umriss(bild, bild.rect(), [](QRgb p) { return p == (qRgb(255, 0, 0) & 0xFFFFFFu); });
        EXPECT_GT(mark.top(), flaeche.height() * 13 / 16);
        EXPECT_LT(mark.bottom(), flaeche.height() * 14 / 16);
    }
}
