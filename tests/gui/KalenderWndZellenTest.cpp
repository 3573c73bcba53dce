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

constexpr COLORREF kFuellung = 0x204060;
constexpr COLORREF kRechtsUnten = 0x000080;
constexpr COLORREF kLinksOben = 0x00C000;
constexpr COLORREF kText = 0xFFFFFF;

template <class Z>
QImage Gemalt(Z& zelle, int l, int o, int r, int u, int w = 80, int h = 60) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::black);
    QPainter p(&bild);
    zelle.SetRechteck(l, o, r, u);
    zelle.SetFarben(kFuellung, kRechtsUnten, kLinksOben, kText);
    zelle.Zeichnen(p);
    return bild;
}

} // namespace

TEST(Zelle, TextLinksMitAbstandUndAbgeschnittenAmRand) {
    CZelle z;
    z.SetText(QStringLiteral("Mitarbeiterin mit sehr langem Namen"));
    const QImage bild = Gemalt(z, 10, 10, 60, 40, 200);
    const QRect text = Umriss(bild, QRect(11, 11, 189, 29),
                              [](QRgb p) { return p != Rgb(kFuellung) && p != 0 && p != Rgb(kRechtsUnten); });
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 15);
    EXPECT_LE(text.left(), 17);
    EXPECT_LE(text.right(), 59); // cut before the right edge
}

TEST(Zelle, OhneAktivenMalerUndVerdrehtesRechteckGeschiehtNichts) {
    QPainter inaktiv;
    CZelle z;
    z.SetText(QStringLiteral("x"));
    z.Zeichnen(inaktiv);
    CKopfZelle k;
    k.SetTexte(QStringLiteral("1"), QStringLiteral("MO"), true);
    k.Zeichnen(inaktiv);
    QImage bild(80, 60, QImage::Format_RGB32);
    QPainter p(&bild);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    for (auto r : {Rechteck{20, 20, 10, 10}, Rechteck{0, 0, 1, 0}, Rechteck{kMin, kMin, kMax, kMax},
                   Rechteck{kMax - 1, 0, kMax, kMax}}) {
        z.SetRechteck(r);
        z.Zeichnen(p);
        k.SetRechteck(r);
        k.Zeichnen(p);
    }
}

TEST(KopfZelle, SchriftSchrumpftBisDieTexteBreitePasst) {
    EXPECT_EQ(CKopfZelle::SchriftZehntel(30, 30, 2), 75); // wide enough at once: trunc(H × 2.5)
    // A narrower cell never gets a larger font, and the text fits.
    int vorher = CKopfZelle::SchriftZehntel(30, 300, 9);
    for (int w = 280; w >= 20; w -= 20) {
        const int jetzt = CKopfZelle::SchriftZehntel(30, w, 9);
        EXPECT_LE(jetzt, vorher) << w;
        EXPECT_LE(ZellSchriftFuer(jetzt, 96).BreiteM(9), w) << w;
        vorher = jetzt;
    }
    // Nothing fits: the loop ends at its smallest factor instead of shrinking to nothing.
    EXPECT_LE(CKopfZelle::SchriftZehntel(300, 1, 60000), 30);
    EXPECT_GE(CKopfZelle::SchriftZehntel(300, 1, 60000), 29);
}

TEST(KopfZelle, TexteZentriertMarkeObenRechts) {
    for (bool marke : {false, true}) {
        CKopfZelle k;
        k.SetTexte(QStringLiteral("2025"), QStringLiteral("Januar"), marke);
        const QImage bild = Gemalt(k, 10, 10, 70, 50, 120, 80);
        auto text = [](QRgb p) { return p != Rgb(kFuellung) && p != Rgb(kLinksOben); };
        EXPECT_NEAR(Umriss(bild, QRect(11, 11, 45, 19), text).center().x(), 40, 2);
        EXPECT_NEAR(Umriss(bild, QRect(11, 30, 59, 20), text).center().x(), 40, 2);
        // Dot: D = 40, box (70 − 10, 11) .. (69, 20) exclusive.
        const QRect punkt = Umriss(bild, QRect(55, 11, 15, 12), [](QRgb p) { return p == Rgb(kLinksOben); });
        EXPECT_EQ(punkt.isEmpty(), !marke);
        if (marke) {
            EXPECT_TRUE(QRect(60, 11, 9, 9).contains(punkt));
            EXPECT_GE(punkt.width(), 6);
        }
    }
}

TEST(KalenderWnd, DoppeltePixeldichteVerdoppeltDieGeometrie) {
    UhrFixiert uhr(CTime(2025, 1, 2, 10, 0, 0));
    const EintragsartTabelle arten = EintragsartTabelle::Standard();
    CKalenderWnd wnd(arten);
    wnd.SetNamenBreite(150);
    wnd.AddZeile("Eins");
    wnd.SetTagAnzeige(1, CTime(2025, 1, 3, 9, 0, 0), 1, 1, "");
    QImage bild(2 * 400, 2 * 150, QImage::Format_RGB32);
    bild.setDevicePixelRatio(2);
    GitterLayout layout;
    {
        QPainter p(&bild);
        wnd.Zeichnen(p, QSize(400, 150), layout);
    }
    const CFarbschema& f = wnd.Farben();
    // The edge between columns 0 and 1 (logical 181 | 182) of row 0 falls on device pixels 363 | 364.
    EXPECT_EQ(Pixel(bild, 361, 130), Rgb(f.C(3)));
    EXPECT_EQ(Pixel(bild, 363, 130), Rgb(f.C(6)));
    EXPECT_EQ(Pixel(bild, 364, 130), Rgb(f.C(7)));
    // The band of column 1 from logical y 69 to 85.
    EXPECT_EQ(Pixel(bild, 400, 2 * 69), Rgb(f.C(6)));
    EXPECT_EQ(Pixel(bild, 400, 2 * 77), qRgb(200, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, 400, 2 * 85 + 1), Rgb(f.C(7)));
}
