// The printed page at 1010 × 700: N = 200, h = 20, first day column at x = 211, first row at y = 52.
#include "GuiHilfen.h"
#include "print/DruckBild.h"
#include "view/Farbschema.h"

namespace {

constexpr int kB = 1010;
constexpr int kH = 700;
constexpr QRgb kWeiss = 0xFFFFFF;

// Distinct from each other and from every scheme colour.
COLORREF Farbe(int j) {
    return static_cast<COLORREF>((20 + 12 * j) | (240 - 9 * j) << 8 | (60 + 7 * j) << 16);
}

// 10 to 13 March 2025, five resources.
DruckAuftrag Auftrag(int schema = 1) {
    DruckAuftrag a;
    a.m_timeVon = CTime(2025, 3, 10, 12, 0, 0);
    a.m_timeBis = CTime(2025, 3, 13, 12, 0, 0);
    a.m_nFarbschema = schema;
    for (int j = 1; j <= kAnzahlArten; ++j) {
        a.m_arten.m_nFarbe[static_cast<std::size_t>(j)] = Farbe(j);
        a.m_arten.m_strBedeutung[static_cast<std::size_t>(j)] = "Typ " + std::to_string(j);
    }
    for (int i = 0; i < 5; ++i) {
        a.m_zeilen.push_back(NeueRessource("Name" + std::to_string(i)));
        a.m_namen.push_back("Name" + std::to_string(i) + ", Vorname");
    }
    a.m_nAnzahl = 5;
    return a;
}

QImage Seite(const DruckAuftrag& a) {
    return Malen({kB, kH}, Qt::white, [&](QPainter& dc) { DruckseiteZeichnen(dc, {0, 0, kB, kH}, a); });
}

} // namespace

TEST(DruckSeite, FuenfZeilenDannDieLegendeDannNichts) {
    const QImage bild = Seite(Auftrag());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Pixel(bild, 300, 62 + 21 * i), Rgb(0xE6E6E6)) << i; // C1
    EXPECT_EQ(Pixel(bild, 998, 40), Rgb(0x000000));                   // the last header's dark edge
    // Legend rows at 159..175 and 180..196; all 16 types in their colours, in order.
    for (int j = 1; j <= 16; ++j) {
        const int i = (j - 1) % 8, rechts = 100 * (i + 1) + (50 * i) / 2;
        EXPECT_EQ(Pixel(bild, rechts - 4, j <= 8 ? 167 : 188), Rgb(Farbe(j))) << j;
    }
    EXPECT_EQ(Pixel(bild, 300, 157), kWeiss); // nothing between the fifth row and the legend, nor below it
    EXPECT_TRUE(Umriss(bild, QRect(0, 198, kB, kH - 198), [](QRgb p) { return p != kWeiss; }).isNull());
}

TEST(DruckSeite, HalbeUndGanzeTage) {
    DruckAuftrag a = Auftrag();
    a.m_arten.m_nAusrichtung[5] = Unten;
    CRessource& r = *a.m_zeilen[0];
    const CTime jetzt(2025, 1, 1, 0, 0, 0);
    // 10 March full, 11 March two halves (notes are not printed), 12 March second half; 2024 not here.
    for (auto [j, t, vm, nm] :
         {std::array{2025, 10, 3, 3}, {2025, 11, 3, 5}, {2025, 12, 0, 5}, {2024, 13, 1, 1}})
        SetTag(&r, CTime(j, 3, t, 9, 0, 0), vm, nm, t == 11 ? "Notiz" : "", jetzt);
    const QImage bild = Seite(a);
    const auto umriss = [&](int x, COLORREF c) { return Umriss(bild, QRect(x, 52, 197, 21), Ist(Rgb(c))); };
    // A full day "Voll" (fill inside y 57..67), two halves "Voll" | "Unten" (64..70), a second half.
    EXPECT_EQ(
        (std::vector{umriss(211, Farbe(3)), umriss(408, Farbe(3)), umriss(408, Farbe(5)),
                     umriss(605, Farbe(5))}),
        (std::vector{QRect(QPoint(212, 58), QPoint(406, 66)), QRect(QPoint(409, 58), QPoint(505, 66)),
                     QRect(QPoint(508, 65), QPoint(603, 69)), QRect(QPoint(705, 65), QPoint(800, 69))}));
    EXPECT_EQ(Pixel(bild, 650, 60), Rgb(0xE6E6E6));
    EXPECT_TRUE(umriss(802, Farbe(1)).isNull());
}

// "Dark": black cells, week numbers in C3 (0, 0, 150).
TEST(DruckSeite, JederMontagJederZeileTraegtDieWochennummer) {
    const QImage bild = Seite(Auftrag(4));
    const auto blau = [](QRgb p) { return qBlue(p) > 60 && qRed(p) < 40 && qGreen(p) < 40; };
    for (int i = 0; i < 5; ++i) {
        const int y = 52 + 21 * i;
        EXPECT_FALSE(Umriss(bild, QRect(212, y + 1, 195, 19), blau).isNull()) << i; // Monday
        EXPECT_TRUE(Umriss(bild, QRect(409, y + 1, 195, 19), blau).isNull()) << i;  // Tuesday
    }
}
