#include <gtest/gtest.h>

#include <QPainter>

#include "GuiHilfen.h"
#include "app/QtWandlung.h"
#include "dialogs/FarbButton.h"

using namespace kalvora::test;

namespace {

constexpr kalvora::COLORREF kRot = 0x0000C8;
constexpr kalvora::COLORREF kStreifen = 0xDCFFFF;
const QRect kFlaeche(0, 0, 80, 22);

QImage Malen(const CFarbButton& knopf, const CFarbButton::Zustand& zustand, QRect r = kFlaeche) {
    QImage bild(r.right() + 1, r.bottom() + 1, QImage::Format_RGB32);
    bild.fill(Qt::magenta);
    QPainter p(&bild);
    knopf.DrawItem(p, r, zustand);
    return bild;
}

QRgb Palette(const CFarbButton& k, QPalette::ColorRole rolle) {
    return k.palette().color(QPalette::Active, rolle).rgb() & 0xFFFFFF;
}

// Dark caption pixels on the red face, away from the frame rings.
QRect Beschriftung(const QImage& bild) {
    return Umriss(bild, kFlaeche.adjusted(3, 3, -3, -3),
                  [](QRgb c) { return qRed(c) < 90 && qGreen(c) < 90; });
}

} // namespace

TEST(FarbButton, GedrueckteBeschriftungSitztEinenPixelTieferUndWeiterRechts) {
    CFarbButton knopf(QStringLiteral("Urlaub"));
    knopf.SetFarbe(0x000000, kRot, kStreifen);
    const QRect los = Beschriftung(Malen(knopf, {}));
    const QRect gedrueckt = Beschriftung(Malen(knopf, {.bGedrueckt = true}));
    ASSERT_FALSE(los.isEmpty());
    EXPECT_EQ(gedrueckt, los.translated(1, 1));
}

TEST(FarbButton, RahmenJeZustand) {
    CFarbButton knopf(QString{});
    knopf.SetFarbe(0x000000, kRot, kStreifen);
    const QRgb glanz = Palette(knopf, QPalette::Light), hell = Palette(knopf, QPalette::Midlight);
    const QRgb schatten = Palette(knopf, QPalette::Dark), dunkel = Palette(knopf, QPalette::Shadow);
    const QRgb flaeche = Rgb(kRot), schwarz = 0x000000;

    struct Fall {
        const char* name;
        CFarbButton::Zustand zustand;
        QRgb ecke, rechtsOben, innen1, innen1Unten, innen2;
    };
    const Fall faelle[] = {
        // raised: highlight/dark shadow outside, light/shadow inside; the lower-right colour wins the corner
        {"erhaben", {}, glanz, dunkel, hell, schatten, flaeche},
        {"gedrueckt", {.bGedrueckt = true}, dunkel, dunkel, schatten, schatten, flaeche},
        {"standard", {.bStandard = true}, schwarz, schwarz, glanz, dunkel, hell},
        {"fokus", {.bFokus = true}, schwarz, schwarz, glanz, dunkel, hell},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QImage bild = Malen(knopf, f.zustand);
        EXPECT_EQ(Pixel(bild, 0, 0), f.ecke);
        EXPECT_EQ(Pixel(bild, 79, 0), f.rechtsOben);
        EXPECT_EQ(Pixel(bild, 1, 10), f.innen1);
        EXPECT_EQ(Pixel(bild, 40, 20), f.innen1Unten);
        EXPECT_EQ(Pixel(bild, 2, 10), f.innen2);
    }
}

TEST(FarbButton, StreifenZehnPixelBreitUmLinksPlusZehn) {
    CFarbButton knopf(QString{});
    knopf.SetFarbe(0x000000, kRot, kStreifen);
    const QRect versetzt(30, 5, 80, 22); // any item rectangle, not only one at the origin
    knopf.SetMarkiert(true);
    QImage bild = Malen(knopf, {}, versetzt);
    const int y = versetzt.center().y();
    for (int x = versetzt.left() + 2; x < versetzt.left() + 20; ++x) {
        const bool imStreifen = x >= versetzt.left() + 5 && x < versetzt.left() + 15;
        EXPECT_EQ(Pixel(bild, x, y), imStreifen ? Rgb(kStreifen) : Rgb(kRot)) << "x=" << x;
    }
    knopf.SetMarkiert(false);
    bild = Malen(knopf, {}, versetzt);
    EXPECT_EQ(Pixel(bild, versetzt.left() + 10, y), Rgb(kRot));
}

TEST(FarbButton, DeaktiviertMitSystemflaecheUndGravierterSchrift) {
    CFarbButton knopf(QStringLiteral("Krank"));
    knopf.SetFarbe(0x000000, kRot, kStreifen);
    const QImage bild = Malen(knopf, {.bDeaktiviert = true});
    EXPECT_EQ(Pixel(bild, 4, 4), Palette(knopf, QPalette::Button));
    const QRect innen = kFlaeche.adjusted(3, 3, -3, -3);
    // Brighter than the face: the white copy; near the grey: the grey one.
    const QRect weiss = Umriss(bild, innen, [](QRgb c) { return qRed(c) > 0xF8 && qBlue(c) > 0xF8; });
    const QRect grau = Umriss(bild, innen, [](QRgb c) { return qRed(c) < 0x98; });
    ASSERT_FALSE(weiss.isEmpty());
    ASSERT_FALSE(grau.isEmpty());
    // The white copy lies one pixel below and right of the grey one.
    EXPECT_EQ(weiss.bottomRight(), grau.bottomRight() + QPoint(1, 1));
}

TEST(QtWandlung, Cp1252UndFarben) {
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle.push_back(static_cast<char>(b));
    EXPECT_EQ(kalvora::Cp1252AusText(kalvora::TextAusCp1252(alle)), alle);
    EXPECT_EQ(kalvora::TextAusCp1252("\x80\xe4"), QStringLiteral("€ä"));
    EXPECT_EQ(kalvora::Cp1252AusText(QStringLiteral("Łódź")), std::nullopt);
    EXPECT_FALSE(kalvora::IstSpeicherbarerText(QStringLiteral("a\tb")));
    EXPECT_TRUE(kalvora::IstSpeicherbarerText(QStringLiteral("Büro 2 €")));

    EXPECT_EQ(kalvora::QFarbe(0x0000C8), QColor(200, 0, 0));
    EXPECT_EQ(kalvora::QFarbe(0xC80000), QColor(0, 0, 200));
    EXPECT_EQ(kalvora::Colorref(QColor(1, 2, 3)), 0x030201u);
}
