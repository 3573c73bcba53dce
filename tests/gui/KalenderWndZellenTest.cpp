// The cell painters, and the grid on a high-DPI device.
#include <gtest/gtest.h>

#include <QPainter>
#include <limits>

#include "GuiHilfen.h"
#include "view/KalenderWnd.h"
#include "view/KopfZelle.h"
#include "view/ZellSchrift.h"
#include "view/Zelle.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr QRgb kFuellung = 0x604020, kLinksOben = 0x00C000; // as painted from the COLORREFs below

template <class Z> QImage Gemalt(Z& zelle, int l, int o, int r, int u, int w, int h) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::black);
    QPainter p(&bild);
    zelle.SetRechteck(l, o, r, u);
    zelle.SetFarben(0x204060, 0x000080, 0x00C000, 0xFFFFFF);
    zelle.Zeichnen(p);
    return bild;
}

} // namespace

TEST(Zelle, TextLinksMitAbstandAbgeschnittenUndVerdrehteRechteckeOhneAbsturz) {
    CZelle z;
    z.SetText(QStringLiteral("Mitarbeiterin mit sehr langem Namen"));
    const QRect text = Umriss(Gemalt(z, 10, 10, 60, 40, 200, 60), QRect(11, 11, 189, 29),
                              [](QRgb p) { return p != kFuellung && p != 0 && p != 0x800000; });
    EXPECT_TRUE(text.left() >= 15 && text.left() <= 17) << text.left();
    EXPECT_LE(text.right(), 59); // cut before the right edge
    // Reversed, empty and overflowing rectangles, on an active and on an inactive painter.
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

TEST(KopfZelle, TexteZentriertMarkeObenRechts) {
    for (bool marke : {false, true}) {
        CKopfZelle k;
        k.SetTexte(QStringLiteral("2025"), QStringLiteral("Januar"), marke);
        const QImage bild = Gemalt(k, 10, 10, 70, 50, 120, 80);
        auto text = [](QRgb p) { return p != kFuellung && p != kLinksOben; };
        EXPECT_NEAR(Umriss(bild, QRect(11, 11, 45, 19), text).center().x(), 40, 2);
        EXPECT_NEAR(Umriss(bild, QRect(11, 30, 59, 20), text).center().x(), 40, 2);
        // Dot: D = 40, box (70 − 10, 11) .. (69, 20) exclusive.
        const QRect punkt = Umriss(bild, QRect(55, 11, 15, 12), [](QRgb p) { return p == kLinksOben; });
        EXPECT_EQ(punkt.isEmpty(), !marke);
        EXPECT_EQ(QRect(60, 11, 9, 9).contains(punkt) && punkt.width() >= 6, marke);
    }
}

TEST(KalenderWnd, DoppeltePixeldichteVerdoppeltDieGeometrie) {
    UhrFixiert uhr(CTime(2025, 1, 2, 10, 0, 0));
    const EintragsartTabelle arten = EintragsartTabelle::Standard();
    CKalenderWnd wnd(arten);
    wnd.SetNamenBreite(150);
    wnd.AddZeile("Eins");
    wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 1, 1, "");
    QImage bild(800, 300, QImage::Format_RGB32);
    bild.setDevicePixelRatio(2);
    GitterLayout layout;
    QPainter p(&bild);
    wnd.Zeichnen(p, QSize(400, 150), layout);
    p.end();
    const CFarbschema& f = wnd.Farben();
    // The edge of columns 0 | 1 (logical 181 | 182) on device pixels 363 | 364; column 1's band
    // from logical y 69 to 85.
    const std::tuple<int, int, QRgb> punkte[] = {{361, 130, Rgb(f.C(3))}, {363, 130, Rgb(f.C(6))},
                                                 {364, 130, Rgb(f.C(7))}, {400, 138, Rgb(f.C(6))},
                                                 {400, 154, 0xC80000},    {400, 171, Rgb(f.C(7))}};
    for (auto [x, y, farbe] : punkte)
        EXPECT_EQ(Pixel(bild, x, y), farbe) << x << "," << y;
}
