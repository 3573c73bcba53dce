// The grid's back buffer at named pixels (its geometry: core GitterLayout), the cell painters, high DPI.
#include <limits>

#include "GuiHilfen.h"
#include "calendar/Feiertage.h"
#include "view/KalenderWnd.h"
#include "view/KopfZelle.h"
#include "view/ZellSchrift.h"
#include "view/Zelle.h"

namespace {

constexpr QRgb kSchraffur = 0xF0F0F0;
constexpr QRgb kWeiss = 0xFFFFFF;
using Punkte = std::vector<std::tuple<int, int, QRgb>>;

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

void PunkteErwarten(const QImage& bild, const Punkte& punkte) {
    for (auto [x, y, farbe] : punkte)
        EXPECT_EQ(Pixel(bild, x, y), farbe) << x << "," << y;
}

constexpr QRgb kFuellung = 0x604020, kLinksOben = 0x00C000; // as painted from the COLORREFs below

template <class Z> QImage Gemalt(Z& zelle, int l, int o, int r, int u, int w, int h) {
    return Malen({w, h}, Qt::black, [&](QPainter& p) {
        zelle.SetRechteck(l, o, r, u);
        zelle.SetFarben(0x204060, 0x000080, 0x00C000, 0xFFFFFF);
        zelle.Zeichnen(p);
    });
}

} // namespace

// Fill of the day header and the day cells per column; only Monday 6 January's cells carry the week number.
TEST(KalenderWnd, FuellungWochennummerAmMontagUndSchraffurNurUnterDenZeilen) {
    Gitter g;
    const int faelle[][3] = {{0, 3, 3}, {1, 2, 1}, {2, 4, 4}, {3, 4, 4}, {4, 4, 4}, {5, 2, 1}};
    const QImage& bild = g.Bild();
    for (const auto& [j, kopf, zelle] : faelle) {
        EXPECT_EQ(Pixel(bild, g.X(j) + 2, 33), g.C(kopf)) << j;
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(Pixel(bild, g.X(j) + 28, g.Y(k) + 28), g.C(zelle)) << j;
        const QRect text =
            Umriss(bild, QRect(g.X(j) + 1, g.Y(0) + 1, 29, 29), [&](QRgb p) { return p != g.C(zelle); });
        EXPECT_EQ(text.isEmpty(), j != 4) << j;
    }
    // Below the rows only hatch lines on white, some whole rows and columns of it, not all rows; none above.
    const int w = bild.width(), h = bild.height();
    const auto weiss = Ist(kWeiss);
    int zeilen = 0, spalten = 0;
    for (int y = 124; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_TRUE(Pixel(bild, x, y) == kSchraffur || Pixel(bild, x, y) == kWeiss) << x << "," << y;
    for (int y = 124; y < h; ++y)
        zeilen += Umriss(bild, QRect(0, y, w, 1), weiss).isEmpty();
    for (int x = 0; x < w; ++x)
        spalten += Umriss(bild, QRect(x, 124, 1, h - 124), weiss).isEmpty();
    EXPECT_TRUE(zeilen > 0 && spalten > 0 && zeilen < h - 124) << zeilen << " " << spalten;
    EXPECT_TRUE(Umriss(bild, QRect(0, 0, w, 124), Ist(kSchraffur)).isEmpty());
}

// The name column is limited by the window; the back buffer has the window's size, a resize repaints it.
TEST(KalenderWnd, NamensspalteUndPufferFolgenDemFenster) {
    const int faelle[][3] = {{700, 150, 150}, {100, 150, 90}, {700, 3, 10}, {15, 3, 5}}; // window, asked, got
    for (const auto& [breite, nw, erwartet] : faelle) {
        Gitter g(breite, 100, 1);
        g.wnd.SetNamenBreite(nw);
        const QImage& bild = g.Bild();
        EXPECT_EQ(std::tuple(g.wnd.NamenBreite(), bild.size(), Pixel(bild, erwartet, 40)),
                  std::tuple(erwartet, QSize(breite, 100), g.C(7)))
            << breite << " " << nw;
        if (erwartet + 1 < breite) EXPECT_EQ(Pixel(bild, erwartet + 1, 40), g.C(6)) << breite;
    }
    Gitter g(300, 200, 1);
    g.wnd.show();
    g.wnd.resize(420, 90);
    EXPECT_EQ(g.wnd.Puffer().size(), QSize(420, 90));
    g.wnd.resize(0, 0), g.wnd.Neuzeichnen();
    EXPECT_TRUE(g.wnd.Puffer().isNull());
}

// "Dark": halves 2 | 5 end at x + 15 and x + 30; names white; anything in a band but its fill is the "N".
TEST(KalenderWnd, SchemaDarkHalbtageNebeneinanderNotizZeigtN) {
    Gitter g(700, 240, 1);
    g.wnd.SetFarbschema(4);
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 7, 9, 0, 0), 2, 5, "");
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 3, 3, "Arzt");
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 5, 9, 0, 0), 3, 3, "");
    const QImage& bild = g.Bild();
    const auto buchstabe = [&](int j) {
        return Umriss(bild, QRect(g.X(j) + 1, g.Y(0) + 8, 29, 15), [](QRgb p) { return p != 0x0000C8; });
    };
    EXPECT_EQ(std::pair(buchstabe(1).isEmpty(), buchstabe(3).isEmpty()), std::pair(false, true));
    const int x = g.X(5), y = g.Y(0) + 15, z = g.Y(0) + 28;
    PunkteErwarten(bild, {{g.X(1) + 28, z, 0x000000},
                          {g.X(0) + 28, z, 0x000096},
                          {g.X(2) + 28, z, 0x006400},
                          {g.X(1) + 28, 39, 0x646464}, // below the school-holiday dot
                          {x + 14, y, 0x00C800},
                          {x + 15, y, g.C(7)},
                          {x + 16, y, g.C(6)},
                          {x + 17, y, 0x00C8C8},
                          {x + 29, y, 0x00C8C8},
                          {x + 30, y, g.C(7)}});
    EXPECT_FALSE(Umriss(bild, QRect(1, g.Y(0) + 1, 149, 29), Ist(kWeiss)).isEmpty());
}

TEST(KalenderWnd, BandHoeheNachAusrichtung) {
    const int z = 30,
              faelle[][3] = {{0, 7, 23}, {1, 3, 13}, {2, 10, 20}, {3, 18, 28}}; // other sizes: core Band
    for (const auto& [ausrichtung, oben, unten] : faelle) {
        Gitter g(700, 240, 1);
        g.arten.m_nAusrichtung[1] = ausrichtung;
        g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 1, 1, ""); // Friday, column 1
        const QImage& bild = g.Bild();
        const int x = g.X(1), y = g.Y(0);
        EXPECT_EQ(Umriss(bild, QRect(x, y, z + 1, z + 1), Ist(0xC80000)),
                  QRect(QPoint(x + 1, y + oben + 1), QPoint(x + z - 1, y + unten - 1)))
            << ausrichtung;
        EXPECT_EQ(std::pair(Pixel(bild, x + z / 2, y + oben), Pixel(bild, x + z / 2, y + unten)),
                  std::pair(g.C(6), g.C(7)))
            << ausrichtung;
    }
}

// Columns 0 | 1 (logical 181 | 182) meet at device pixels 363 | 364; column 1's band spans logical y 69..85.
TEST(KalenderWnd, DoppeltePixeldichteVerdoppeltDieGeometrie) {
    Gitter g(400, 150, 1);
    g.wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 1, 1, "");
    QImage bild(800, 300, QImage::Format_RGB32);
    bild.setDevicePixelRatio(2);
    GitterLayout layout;
    QPainter p(&bild);
    g.wnd.Zeichnen(p, QSize(400, 150), layout);
    p.end();
    PunkteErwarten(bild, {{361, 130, g.C(3)},
                          {363, 130, g.C(6)},
                          {364, 130, g.C(7)},
                          {400, 138, g.C(6)},
                          {400, 154, 0xC80000},
                          {400, 171, g.C(7)}});
}

// Text left with a margin, cut before the right edge; odd rectangles on any painter do not crash.
TEST(Zelle, TextLinksMitAbstandAbgeschnittenUndVerdrehteRechteckeOhneAbsturz) {
    CZelle z;
    z.SetText(QStringLiteral("Mitarbeiterin mit sehr langem Namen"));
    const QRect text = Umriss(Gemalt(z, 10, 10, 60, 40, 200, 60), QRect(11, 11, 189, 29),
                              [](QRgb p) { return p != kFuellung && p != 0 && p != 0x800000; });
    EXPECT_TRUE(text.left() >= 15 && text.left() <= 17 && text.right() <= 59)
        << text.left() << " " << text.right();
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    QImage bild(80, 60, QImage::Format_RGB32);
    QPainter aktiv(&bild), inaktiv;
    CKopfZelle k;
    k.SetTexte(QStringLiteral("1"), QStringLiteral("MO"), true);
    for (auto r : {Rechteck{20, 20, 10, 10}, Rechteck{0, 0, 1, 0}, Rechteck{kMin, kMin, kMax, kMax},
                   Rechteck{kMax - 1, 0, kMax, kMax}})
        for (QPainter* p : {&aktiv, &inaktiv}) {
            z.SetRechteck(r), k.SetRechteck(r);
            z.Zeichnen(*p), k.Zeichnen(*p);
        }
}

TEST(KopfZelle, SchriftSchrumpftBisDieTexteBreitePasst) {
    EXPECT_EQ(CKopfZelle::SchriftZehntel(30, 30, 2), 75); // wide enough at once: trunc(H × 2.5)
    int vorher = CKopfZelle::SchriftZehntel(30, 300, 9);
    for (int w = 280; w >= 20; w -= 20) { // narrower: never a larger font, and the text fits
        const int jetzt = CKopfZelle::SchriftZehntel(30, w, 9);
        EXPECT_LE(jetzt, vorher) << w;
        EXPECT_LE(ZellSchriftFuer(jetzt, 96).BreiteM(9), w) << w;
        vorher = jetzt;
    }
    // Nothing fits: the loop ends at its smallest factor instead of shrinking to nothing.
    const int kleinste = CKopfZelle::SchriftZehntel(300, 1, 60000);
    EXPECT_TRUE(kleinste == 29 || kleinste == 30) << kleinste;
}

// Both texts centred; the mark a dot in the top right (its box at every size: core GitterLayout).
TEST(KopfZelle, TexteZentriertMarkeObenRechts) {
    for (bool marke : {false, true}) {
        CKopfZelle k;
        k.SetTexte(QStringLiteral("2025"), QStringLiteral("Januar"), marke);
        const QImage bild = Gemalt(k, 10, 10, 70, 50, 120, 80);
        const auto text = [](QRgb p) { return p != kFuellung && p != kLinksOben; };
        EXPECT_NEAR(Umriss(bild, QRect(11, 11, 45, 19), text).center().x(), 40, 2);
        EXPECT_NEAR(Umriss(bild, QRect(11, 30, 59, 20), text).center().x(), 40, 2);
        const QRect punkt = Umriss(bild, QRect(55, 11, 15, 12), Ist(kLinksOben));
        EXPECT_EQ(punkt.isEmpty(), !marke);
        EXPECT_EQ(punkt, marke ? QRect(60, 11, 9, 9) : QRect());
    }
}
