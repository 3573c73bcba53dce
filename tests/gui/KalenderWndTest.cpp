// The grid rendered into its back buffer at fixed sizes, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QPainter>

#include "GuiHilfen.h"
#include "calendar/Feiertage.h"
#include "view/Band.h"
#include "view/KalenderWnd.h"
#include "view/KopfZelle.h"
#include "view/Zelle.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr QRgb kSchraffur = 0xF0F0F0;
constexpr QRgb kWeiss = 0xFFFFFF;

// Today is Thursday 2 January 2025 (school holidays in Bayern); Saturday 4th, Sunday 5th, Monday
// 6th is a public holiday in Bayern and starts week 2.
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

struct Punkt {
    int x;
    int y;
    int farbe; // colour number C1..C7
    const char* was;
};

void PunktePruefen(Gitter& g, std::initializer_list<Punkt> punkte) {
    const QImage& bild = g.Bild();
    for (const Punkt& p : punkte)
        EXPECT_EQ(Pixel(bild, p.x, p.y), g.C(p.farbe)) << p.was << " bei " << p.x << "," << p.y;
}

} // namespace

TEST(KalenderWnd, SpaltenUndZeilenLiegenAufDenPixelnDerGeometrie) {
    Gitter g;
    // Column 0 (today) 151..181, column 1 182..212; header 31..61; rows 62..92 and 93..123.
    // Headers and names are raised (C6 upper-left, C7 lower-right), day cells sunken.
    PunktePruefen(g, {
                         {151, 45, 6, "Kopf 0 links"},
                         {181, 45, 7, "Kopf 0 rechts"},
                         {182, 45, 6, "Kopf 1 links"},
                         {212, 45, 7, "Kopf 1 rechts"},
                         {190, 31, 6, "Kopf 1 oben"},
                         {190, 61, 7, "Kopf 1 unten"},
                         {151, 61, 6, "Ecke links unten gehört zum oberen linken Rand"},
                         {181, 31, 7, "Ecke rechts oben gehört zum unteren rechten Rand"},
                         {182, 70, 7, "Tag 1 Zeile 0 links"},
                         {212, 70, 6, "Tag 1 Zeile 0 rechts"},
                         {190, 62, 7, "Tag 1 Zeile 0 oben"},
                         {190, 92, 6, "Tag 1 Zeile 0 unten"},
                         {190, 93, 7, "Tag 1 Zeile 1 oben"},
                         {190, 123, 6, "Tag 1 Zeile 1 unten"},
                         {184, 64, 1, "Tag 1 Zeile 0 innen"},
                         {0, 70, 6, "Name links"},
                         {150, 70, 7, "Name rechts"},
                         {140, 64, 1, "Name innen"},
                         {0, 30, 6, "Ecke links"},
                         {150, 30, 7, "Ecke rechts"},
                         {75, 61, 7, "Ecke unten"},
                         {140, 50, 2, "Ecke innen"},
                         {160, 0, 6, "Monatskopf oben"},
                         {160, 30, 7, "Monatskopf unten"},
                     });
}

TEST(KalenderWnd, FuellungNachHeuteWochenendeUndFeiertag) {
    Gitter g;
    struct Fall {
        int j;
        int kopf; // fill of the day header
        int zelle;
        const char* tag;
    };
    const Fall faelle[] = {{0, 3, 3, "Do 2.1. heute"}, {1, 2, 1, "Fr 3.1."},          {2, 4, 4, "Sa 4.1."},
                           {3, 4, 4, "So 5.1."},       {4, 4, 4, "Mo 6.1. Feiertag"}, {5, 2, 1, "Di 7.1."}};
    const QImage& bild = g.Bild();
    for (const Fall& f : faelle) {
        EXPECT_EQ(Pixel(bild, g.X(f.j) + 2, 33), g.C(f.kopf)) << f.tag;
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(Pixel(bild, g.X(f.j) + 28, g.Y(k) + 28), g.C(f.zelle)) << f.tag;
    }

    // Without a region the Monday is a working day.
    g.arten.m_nRegion = {};
    EXPECT_EQ(Pixel(g.Bild(), g.X(4) + 28, g.Y(0) + 28), g.C(1));
}

TEST(KalenderWnd, HeuteNichtSichtbarOhneC3) {
    Gitter g;
    g.wnd.SetTagOffset(1);
    const QImage& bild = g.Bild();
    for (int j = 0; g.X(j) + 28 < bild.width(); ++j) {
        EXPECT_NE(Pixel(bild, g.X(j) + 2, 33), g.C(3)) << j;
        EXPECT_NE(Pixel(bild, g.X(j) + 28, g.Y(0) + 28), g.C(3)) << j;
    }
}

TEST(KalenderWnd, SchulferienMarkeImKopf) {
    Gitter g;
    const QImage& bild = g.Bild();
    // The dot sits in the upper-right corner in the light edge colour: 2nd and 3rd yes, 4th not.
    const QRect marke(g.X(0) + 30 - 7, 32, 6, 6);
    for (int j : {0, 1, 2}) {
        const QRect r = marke.translated(g.X(j) - g.X(0), 0);
        const QRect weiss = Umriss(bild, r, [&](QRgb p) { return p == g.C(6); });
        EXPECT_EQ(!weiss.isEmpty(), j < 2) << j;
    }
}

TEST(KalenderWnd, WochennummerNurAmMontag) {
    Gitter g;
    const QImage& bild = g.Bild();
    auto beschriftet = [&](int j) {
        const QRect innen(g.X(j) + 1, g.Y(0) + 1, 29, 29);
        return !Umriss(bild, innen, [&](QRgb p) {
                    return p != Pixel(bild, g.X(j) + 28, g.Y(0) + 28);
                }).isEmpty();
    };
    EXPECT_TRUE(beschriftet(4)); // Monday 6 January
    for (int j : {0, 1, 2, 3, 5, 6})
        EXPECT_FALSE(beschriftet(j)) << j;
    // The text starts five pixels into the cell.
    const QRect text =
        Umriss(bild, QRect(g.X(4) + 1, g.Y(0) + 1, 29, 29), [&](QRgb p) { return p != g.C(4); });
    EXPECT_GE(text.left(), g.X(4) + 5);
    EXPECT_LE(text.left(), g.X(4) + 7);
}

TEST(KalenderWnd, SchmalerMonatOhneTexteLetzteSpalteSchliesstDenMonat) {
    Gitter g;
    g.uhr.uhr().Setze(CTime(2024, 12, 30, 10, 0, 0)); // two December days in view
    const QImage& bild = g.Bild();
    const QRect dezember(152, 1, 182 + 30 - 152 - 1, 29);
    EXPECT_TRUE(Umriss(bild, dezember, [&](QRgb p) { return p != g.C(2); }).isEmpty());
    EXPECT_EQ(Pixel(bild, 212, 15), g.C(7)); // December closes after the 31st
    EXPECT_EQ(Pixel(bild, 213, 15), g.C(6)); // January starts
    // January runs to the last visible column and carries year and month.
    const QRect januar(214, 1, bild.width() - 214, 29);
    EXPECT_FALSE(Umriss(bild, januar, [&](QRgb p) { return p != g.C(2); }).isEmpty());
}

TEST(KalenderWnd, SchraffurNurUnterDenZeilen) {
    Gitter g(700, 240, 2);
    const QImage& bild = g.Bild();
    bool linie = false;
    bool weiss = false;
    for (int y = 124; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = Pixel(bild, x, y);
            ASSERT_TRUE(p == kSchraffur || p == kWeiss) << x << "," << y;
            (p == kSchraffur ? linie : weiss) = true;
        }
    EXPECT_TRUE(linie);
    EXPECT_TRUE(weiss);
    // Horizontal and vertical lines of the cross-hatch both show.
    int ganzeZeilen = 0;
    for (int y = 124; y < bild.height(); ++y) {
        bool alle = true;
        for (int x = 0; x < bild.width() && alle; ++x)
            alle = Pixel(bild, x, y) == kSchraffur;
        ganzeZeilen += alle;
    }
    EXPECT_GT(ganzeZeilen, 0);
    int ganzeSpalten = 0;
    for (int x = 0; x < bild.width(); ++x) {
        bool alle = true;
        for (int y = 124; y < bild.height() && alle; ++y)
            alle = Pixel(bild, x, y) == kSchraffur;
        ganzeSpalten += alle;
    }
    EXPECT_GT(ganzeSpalten, 0);
    // No hatch above: cells abut.
    EXPECT_TRUE(
        Umriss(bild, QRect(0, 0, bild.width(), 124), [](QRgb p) { return p == kSchraffur; }).isEmpty());
}

TEST(KalenderWnd, NamensspalteWirdAmFensterBegrenzt) {
    struct Fall {
        int breite;
        int nw;
        int erwartet;
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

TEST(KalenderWnd, SchemaDark) {
    Gitter g;
    g.wnd.SetFarbschema(4);
    g.wnd.AddZeile("dritte");
    const QImage& bild = g.Bild();
    EXPECT_EQ(Pixel(bild, g.X(1) + 28, g.Y(0) + 28), qRgb(0, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, g.X(0) + 28, g.Y(0) + 28), qRgb(0, 0, 150) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, g.X(2) + 28, g.Y(0) + 28), qRgb(0, 100, 0) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, g.X(1) + 28, 33), qRgb(100, 100, 100) & 0xFFFFFF);
    // Name text in white on black.
    const QRect name(1, g.Y(0) + 1, 149, 29);
    EXPECT_FALSE(Umriss(bild, name, [](QRgb p) { return p == kWeiss; }).isEmpty());
    // Outside 1..5 nothing changes.
    g.wnd.SetFarbschema(6);
    EXPECT_EQ(g.wnd.Farben().C(1), 0u);
}

namespace {

// Bands of a whole day of type 1 (red), painted in column `j` of row 0: their pixel extent.
QRect BandUmriss(Gitter& g, int j, QRgb farbe) {
    const QImage& bild = g.Bild();
    const int z = g.wnd.SpaltenBreite();
    return Umriss(bild, QRect(g.X(j), g.Y(0), z + 1, z + 1), [&](QRgb p) { return p == farbe; });
}

} // namespace

TEST(KalenderWnd, BandHoeheNachAusrichtung) {
    struct Fall {
        int z;
        int ausrichtung;
        int oben; // relative to the row top, band rectangle incl. edges
        int unten;
    };
    const Fall faelle[] = {{30, 0, 7, 23}, {30, 1, 3, 13}, {30, 2, 10, 20}, {30, 3, 18, 28},
                           {10, 0, 2, 8},  {10, 1, 1, 4},  {10, 2, 3, 6},   {10, 3, 6, 9}};
    for (const Fall& f : faelle) {
        Gitter g(700, 240, 1);
        g.wnd.SetZellgroesse(f.z);
        g.arten.m_nAusrichtung[1] = f.ausrichtung;
        g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 1, 1, ""); // Friday, column 1
        const QImage& bild = g.Bild();
        const int x = g.X(1);
        const int y = g.Y(0);
        // Fill inside the edges; the light edge on top, the dark one at the bottom and right.
        const QRect fuellung = BandUmriss(g, 1, qRgb(200, 0, 0) & 0xFFFFFF);
        SCOPED_TRACE(testing::Message() << "Z " << f.z << " Ausrichtung " << f.ausrichtung);
        EXPECT_EQ(fuellung, QRect(QPoint(x + 1, y + f.oben + 1), QPoint(x + f.z - 1, y + f.unten - 1)));
        EXPECT_EQ(Pixel(bild, x + f.z / 2, y + f.oben), g.C(6));
        EXPECT_EQ(Pixel(bild, x + f.z / 2, y + f.unten), g.C(7));
        EXPECT_EQ(Pixel(bild, x + f.z, y + (f.oben + f.unten) / 2), g.C(7));
        EXPECT_EQ(Pixel(bild, x, y + (f.oben + f.unten) / 2), g.C(6));
        // Above the band the plain cell.
        EXPECT_EQ(Pixel(bild, x + f.z / 2, y + f.oben - 1), f.oben == 1 ? g.C(7) : g.C(1));
    }
}

TEST(KalenderWnd, HalbtageUndGanzerTag) {
    Gitter g(700, 240, 1);
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 2, 5, "");  // column 1: halves 2 | 5
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 7, 21, 0, 0), 7, 7, ""); // column 5: one band of 7
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 8, 9, 0, 0), 0, 0, "");  // column 6: cleared
    const QImage& bild = g.Bild();
    const int y = g.Y(0) + 15;
    const int x = g.X(1);
    EXPECT_EQ(Pixel(bild, x + 14, y), qRgb(0, 200, 0) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, x + 15, y), g.C(7)); // first half ends at x + 15
    EXPECT_EQ(Pixel(bild, x + 16, y), g.C(6)); // second half starts at x + 16
    EXPECT_EQ(Pixel(bild, x + 17, y), qRgb(0, 200, 200) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, x + 29, y), qRgb(0, 200, 200) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, x + 30, y), g.C(7));
    EXPECT_EQ(BandUmriss(g, 5, qRgb(180, 180, 180) & 0xFFFFFF),
              QRect(QPoint(g.X(5) + 1, g.Y(0) + 8), QPoint(g.X(5) + 29, g.Y(0) + 22)));
    EXPECT_TRUE(
        Umriss(bild, QRect(g.X(6) + 1, g.Y(0) + 1, 29, 29), [&](QRgb p) { return p != g.C(1); }).isEmpty());
}

TEST(KalenderWnd, NotizZeigtN) {
    Gitter g(700, 240, 1);
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 3, 3, "Arzt");
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 7, 9, 0, 0), 3, 3, "");
    const QImage& bild = g.Bild();
    // Inside the band (y + 8 .. y + 22) anything but its fill is the letter.
    auto letter = [&](int j) {
        const QRgb band = qRgb(0, 0, 200) & 0xFFFFFF;
        return !Umriss(bild, QRect(g.X(j) + 1, g.Y(0) + 8, 29, 15), [&](QRgb p) {
                    return p != band;
                }).isEmpty();
    };
    EXPECT_TRUE(letter(1));
    EXPECT_FALSE(letter(5));
}

TEST(KalenderWnd, AnzeigelisteUndSetter) {
    Gitter g(700, 240, 0);
    EXPECT_EQ(g.wnd.AddZeile("a"), 1);
    EXPECT_EQ(g.wnd.AddZeile("b"), 2);
    g.wnd.SetTagAnzeige(7, CTime(2025, 1, 3, 9, 0, 0), 1, 1, ""); // no such row: nothing
    EXPECT_EQ(g.wnd.Zeile(2)->m_strBenennung1, "b");
    EXPECT_EQ(g.wnd.Zeile(3), nullptr);

    g.wnd.SetErsteZeile(5); // clamped to the rows
    EXPECT_EQ(g.wnd.ErsteZeile(), 2);
    g.wnd.ListeLeeren();
    EXPECT_EQ(g.wnd.AnzahlZeilen(), 0);
    EXPECT_EQ(g.wnd.AddZeile("neu"), 1);
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
