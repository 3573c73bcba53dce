// Pixels of the colour button. The colour conversions themselves are covered through these pixels
// and the character set through the dialogs' input checks.
#include <gtest/gtest.h>

#include <QPainter>

#include "GuiHilfen.h"
#include "dialogs/FarbButton.h"

using namespace kalvora::test;

namespace {

constexpr kalvora::COLORREF kRot = 0x0000C8;
constexpr kalvora::COLORREF kStreifen = 0xDCFFFF;
const QRect kFlaeche(0, 0, 80, 22);

struct FarbButtonTest : ::testing::Test {
    CFarbButton knopf{QStringLiteral("Urlaub")};
    void SetUp() override { knopf.SetFarbe(0x000000, kRot, kStreifen); }

    QImage Malen(const CFarbButton::Zustand& zustand, QRect r = kFlaeche) const {
        QImage bild(r.right() + 1, r.bottom() + 1, QImage::Format_RGB32);
        bild.fill(Qt::magenta);
        QPainter p(&bild);
        knopf.DrawItem(p, r, zustand);
        return bild;
    }
    QRgb Palette(QPalette::ColorRole rolle) const {
        return knopf.palette().color(QPalette::Active, rolle).rgb() & 0xFFFFFF;
    }
};

// Dark caption pixels on the red face, away from the frame rings.
QRect Beschriftung(const QImage& bild) {
    return Umriss(bild, kFlaeche.adjusted(3, 3, -3, -3),
                  [](QRgb c) { return qRed(c) < 90 && qGreen(c) < 90; });
}

} // namespace

TEST_F(FarbButtonTest, GedrueckteBeschriftungSitztEinenPixelTieferUndWeiterRechts) {
    const QRect los = Beschriftung(Malen({}));
    ASSERT_FALSE(los.isEmpty());
    EXPECT_EQ(Beschriftung(Malen({.bGedrueckt = true})), los.translated(1, 1));
}

TEST_F(FarbButtonTest, RahmenJeZustand) {
    knopf.setText(QString{});
    const QRgb glanz = Palette(QPalette::Light), hell = Palette(QPalette::Midlight);
    const QRgb schatten = Palette(QPalette::Dark), dunkel = Palette(QPalette::Shadow);
    const struct {
        CFarbButton::Zustand zustand;
        QRgb ecke, rechtsOben, innen1, innen1Unten, innen2;
    } faelle[] = {
        // raised: highlight/dark shadow outside, light/shadow inside; the lower-right colour wins the corner
        {{}, glanz, dunkel, hell, schatten, Rgb(kRot)},
        {{.bGedrueckt = true}, dunkel, dunkel, schatten, schatten, Rgb(kRot)},
        {{.bStandard = true}, 0, 0, glanz, dunkel, hell},
        {{.bFokus = true}, 0, 0, glanz, dunkel, hell},
    };
    for (const auto& f : faelle) {
        const QImage bild = Malen(f.zustand);
        const std::vector<QRgb> ist = {Pixel(bild, 0, 0), Pixel(bild, 79, 0), Pixel(bild, 1, 10),
                                       Pixel(bild, 40, 20), Pixel(bild, 2, 10)};
        EXPECT_EQ(ist, (std::vector<QRgb>{f.ecke, f.rechtsOben, f.innen1, f.innen1Unten, f.innen2}))
            << &f - faelle;
    }
}

TEST_F(FarbButtonTest, StreifenZehnPixelBreitUmLinksPlusZehn) {
    knopf.setText(QString{});
    const QRect versetzt(30, 5, 80, 22); // any item rectangle, not only one at the origin
    const int y = versetzt.center().y();
    knopf.SetMarkiert(true);
    QImage bild = Malen({}, versetzt);
    for (int x = versetzt.left() + 2; x < versetzt.left() + 20; ++x) {
        const bool imStreifen = x >= versetzt.left() + 5 && x < versetzt.left() + 15;
        EXPECT_EQ(Pixel(bild, x, y), imStreifen ? Rgb(kStreifen) : Rgb(kRot)) << "x=" << x;
    }
    knopf.SetMarkiert(false);
    EXPECT_EQ(Pixel(Malen({}, versetzt), versetzt.left() + 10, y), Rgb(kRot));
}

TEST_F(FarbButtonTest, DeaktiviertMitSystemflaecheUndGravierterSchrift) {
    const QImage bild = Malen({.bDeaktiviert = true});
    EXPECT_EQ(Pixel(bild, 4, 4), Palette(QPalette::Button));
    const QRect innen = kFlaeche.adjusted(3, 3, -3, -3);
    const QRect weiss = Umriss(bild, innen, [](QRgb c) { return qRed(c) > 0xF8 && qBlue(c) > 0xF8; });
    const QRect grau = Umriss(bild, innen, [](QRgb c) { return qRed(c) < 0x98; });
    ASSERT_FALSE(weiss.isEmpty() || grau.isEmpty());
    EXPECT_EQ(weiss.bottomRight(), grau.bottomRight() + QPoint(1, 1)); // white copy one pixel down-right
}
