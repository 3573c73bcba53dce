// The grid rendered into its back buffer at fixed sizes, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QPainter>

#include "GuiHilfen.h"
#include "calendar/Feiertage.h"
#include "view/KalenderWnd.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr QRgb kSchraffur = 0xF0F0F0;
constexpr QRgb kWeiss = 0xFFFFFF;

// Today is Thursday 2 January 2025; Saturday 4th, Sunday 5th, Monday 6th a holiday in Bayern.
struct Gitter {
    UhrFixiert uhr{CTime(2025, 1, 2, 10, 0, 0)};
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    CKalenderWnd wnd{arten};

    explicit Gitter(int breite = 700, int hoehe = 240, int zeilen = 2) {
        arten.m_nRegion[2] = 1; // Bayern
        AbgeleiteteFlagsSetzen(arten.m_nRegion);
        wnd.resize(breite, hoehe);
        wnd.SetNamenBreite(150);
        wnd.SetZellgroesse(30);
        for (int i = 0; i < zeilen; ++i)
            wnd.AddZeile("Zeile " + std::to_string(i + 1));
    }
    const QImage& Bild() {
        wnd.Neuzeichnen();
        return wnd.Puffer();
    }
    QRgb C(int n) const { return Rgb(wnd.Farben().C(n)); }
    // Left edge of day column j and top of shown row k.
    int X(int j) const { return wnd.NamenBreite() + 1 + j * (wnd.SpaltenBreite() + 1); }
    int Y(int k) const { return 2 * wnd.ZeilenHoehe() + 2 + k * (wnd.ZeilenHoehe() + 1); }
};

} // namespace

TEST(KalenderWnd, SpaltenUndZeilenLiegenAufDenPixelnDerGeometrie) {
    Gitter g;
    // Columns 151..181 and 182..212, header 31..61, rows 62..92 and 93..123; headers and names
    // raised (C6 upper-left, C7 lower-right), day cells sunken.
    struct Punkt {
        int x, y, farbe;
    };
    const Punkt punkte[] = {{151, 45, 6}, {181, 45, 7}, {182, 45, 6}, {212, 45, 7},
                            {190, 31, 6}, {190, 61, 7}, {182, 70, 7}, {212, 70, 6},
                            {190, 62, 7}, {190, 92, 6}, {190, 93, 7}, {190, 123, 6},
                            {184, 64, 1}, {150, 70, 7}, {160, 0, 6},  {160, 30, 7}};
    const QImage& bild = g.Bild();
    for (const Punkt& p : punkte)
        EXPECT_EQ(Pixel(bild, p.x, p.y), g.C(p.farbe)) << p.x << "," << p.y;
}

TEST(KalenderWnd, FuellungNachHeuteWochenendeUndFeiertagWochennummerAmMontag) {
    Gitter g;
    struct Fall {
        int j, kopf, zelle; // column, fill of the day header, fill of the day cells
    };
    const Fall faelle[] = {{0, 3, 3}, {1, 2, 1}, {2, 4, 4}, {3, 4, 4}, {4, 4, 4}, {5, 2, 1}};
    const QImage& bild = g.Bild();
    for (const Fall& f : faelle) {
        EXPECT_EQ(Pixel(bild, g.X(f.j) + 2, 33), g.C(f.kopf)) << f.j;
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(Pixel(bild, g.X(f.j) + 28, g.Y(k) + 28), g.C(f.zelle)) << f.j;
        // Only Monday 6 January's cells carry text, the week number.
        const QRect text =
            Umriss(bild, QRect(g.X(f.j) + 1, g.Y(0) + 1, 29, 29), [&](QRgb p) { return p != g.C(f.zelle); });
        EXPECT_EQ(text.isEmpty(), f.j != 4) << f.j;
    }
    g.arten.m_nRegion = {}; // without a region the Monday is a working day
    EXPECT_EQ(Pixel(g.Bild(), g.X(4) + 28, g.Y(0) + 28), g.C(1));
}

TEST(KalenderWnd, SchraffurNurUnterDenZeilen) {
    Gitter g;
    const QImage& bild = g.Bild();
    const int w = bild.width(), h = bild.height();
    // Below the rows only hatch lines on white, with gaps: some whole rows and columns are hatch,
    // not all rows. Above, cells abut: no hatch.
    int zeilen = 0, spalten = 0;
    for (int y = 124; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_TRUE(Pixel(bild, x, y) == kSchraffur || Pixel(bild, x, y) == kWeiss) << x << "," << y;
    for (int y = 124; y < h; ++y)
        zeilen += Umriss(bild, QRect(0, y, w, 1), [](QRgb p) { return p == kWeiss; }).isEmpty();
    for (int x = 0; x < w; ++x)
        spalten += Umriss(bild, QRect(x, 124, 1, h - 124), [](QRgb p) { return p == kWeiss; }).isEmpty();
    EXPECT_TRUE(zeilen > 0 && spalten > 0 && zeilen < h - 124) << zeilen << " " << spalten;
    EXPECT_TRUE(Umriss(bild, QRect(0, 0, w, 124), [](QRgb p) { return p == kSchraffur; }).isEmpty());
}

TEST(KalenderWnd, NamensspalteWirdAmFensterBegrenzt) {
    struct Fall {
        int breite, nw, erwartet;
    };
    for (const Fall f : {Fall{700, 150, 150}, Fall{100, 150, 90}, Fall{700, 3, 10}, Fall{15, 3, 5}}) {
        Gitter g(f.breite, 100, 1);
        g.wnd.SetNamenBreite(f.nw);
        const QImage& bild = g.Bild();
        EXPECT_EQ(g.wnd.NamenBreite(), f.erwartet) << f.breite << " " << f.nw;
        EXPECT_EQ(Pixel(bild, f.erwartet, 40), g.C(7)) << f.breite;
        if (f.erwartet + 1 < f.breite) EXPECT_EQ(Pixel(bild, f.erwartet + 1, 40), g.C(6)) << f.breite;
    }
}

TEST(KalenderWnd, SchemaDarkUndHalbtageNebeneinander) {
    Gitter g(700, 240, 1);
    g.wnd.SetFarbschema(4);
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 7, 9, 0, 0), 2, 5, ""); // column 5: halves 2 | 5
    const QImage& bild = g.Bild();
    const int x = g.X(5), y = g.Y(0) + 15;
    const std::tuple<int, int, QRgb> punkte[] = {{g.X(1) + 28, g.Y(0) + 28, 0x000000},
                                                 {g.X(0) + 28, g.Y(0) + 28, 0x000096}, // C1, today C3
                                                 {g.X(2) + 28, g.Y(0) + 28, 0x006400},
                                                 {g.X(1) + 28, 33, 0x646464}, // C4, C2
                                                 {x + 14, y, 0x00C800},
                                                 {x + 15, y, g.C(7)},
                                                 {x + 16, y, g.C(6)}, // halves end at x + 15, x + 30
                                                 {x + 17, y, 0x00C8C8},
                                                 {x + 29, y, 0x00C8C8},
                                                 {x + 30, y, g.C(7)}};
    for (auto [px, py, farbe] : punkte)
        EXPECT_EQ(Pixel(bild, px, py), farbe) << px << "," << py;
    // Name text in white on black.
    EXPECT_FALSE(Umriss(bild, QRect(1, g.Y(0) + 1, 149, 29), [](QRgb p) { return p == kWeiss; }).isEmpty());
}

TEST(KalenderWnd, BandHoeheNachAusrichtung) {
    struct Fall {
        int z, ausrichtung, oben, unten; // band rectangle incl. edges, relative to the row top
    };
    const Fall faelle[] = {{30, 0, 7, 23}, {30, 1, 3, 13}, {30, 2, 10, 20}, {30, 3, 18, 28},
                           {10, 0, 2, 8},  {10, 1, 1, 4},  {10, 2, 3, 6},   {10, 3, 6, 9}};
    for (const Fall& f : faelle) {
        Gitter g(700, 240, 1);
        g.wnd.SetZellgroesse(f.z);
        g.arten.m_nAusrichtung[1] = f.ausrichtung;
        g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 1, 1, ""); // Friday, column 1
        const QImage& bild = g.Bild();
        const int x = g.X(1), y = g.Y(0);
        SCOPED_TRACE(testing::Message() << "Z " << f.z << " Ausrichtung " << f.ausrichtung);
        const QRect fuellung = Umriss(bild, QRect(x, y, f.z + 1, f.z + 1),
                                      [](QRgb p) { return p == (qRgb(200, 0, 0) & 0xFFFFFF); });
        EXPECT_EQ(fuellung, QRect(QPoint(x + 1, y + f.oben + 1), QPoint(x + f.z - 1, y + f.unten - 1)));
        EXPECT_EQ(Pixel(bild, x + f.z / 2, y + f.oben), g.C(6));
        EXPECT_EQ(Pixel(bild, x + f.z / 2, y + f.unten), g.C(7));
    }
}

TEST(KalenderWnd, NotizZeigtN) {
    Gitter g(700, 240, 1);
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 3, 3, "Arzt");
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 7, 9, 0, 0), 3, 3, "");
    const QImage& bild = g.Bild();
    // Inside the band (y + 8 .. y + 22) anything but its fill is the letter.
    auto buchstabe = [&](int j) {
        return !Umriss(bild, QRect(g.X(j) + 1, g.Y(0) + 8, 29, 15), [](QRgb p) {
                    return p != (qRgb(0, 0, 200) & 0xFFFFFF);
                }).isEmpty();
    };
    EXPECT_TRUE(buchstabe(1));
    EXPECT_FALSE(buchstabe(5));
}

TEST(KalenderWnd, PufferFolgtDerGroesse) {
    Gitter g(300, 200, 1);
    EXPECT_EQ(g.Bild().size(), QSize(300, 200));
    g.wnd.show();
    g.wnd.resize(420, 90);
    EXPECT_EQ(g.wnd.Puffer().size(), QSize(420, 90)); // a resize repaints
    g.wnd.resize(0, 0);
    g.wnd.Neuzeichnen();
    EXPECT_TRUE(g.wnd.Puffer().isNull());
}
