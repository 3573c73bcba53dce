#include <gtest/gtest.h>

#include <QPainter>
#include <QProcess>

#include "GuiHilfen.h"
#include "app/Stempel.h"
#include "frame/StatusLeiste.h"

using namespace kalvora::test;

namespace {

// The stamp file written by another process, as another instance would.
void FremdSchreiben(const std::string& pfad, const char* inhalt) {
    QProcess sh;
    sh.start(QStringLiteral("sh"),
             {QStringLiteral("-c"), QStringLiteral("printf '%1' > \"$0\"").arg(QLatin1String(inhalt)),
              QString::fromStdString(pfad)});
    ASSERT_TRUE(sh.waitForFinished(5000));
    ASSERT_EQ(sh.exitCode(), 0);
}

QImage Bild(const CStatusLeiste& leiste, QSize groesse = {300, 22}) {
    QImage bild(groesse, QImage::Format_RGB32);
    QPainter p(&bild);
    leiste.Zeichnen(p, bild.rect());
    return bild;
}

} // namespace

TEST(StatusLeiste, LampeFolgtDemStempelBinnenEinerSekunde) {
    TempOrdner ordner;
    const std::string stempel = ordner / "Ressource.d";
    kalvora::StempelSchreiben(stempel, {0, 4});
    bool abgleichOffen = false;
    CStatusLeiste leiste(stempel, abgleichOffen);
    leiste.show();
    EXPECT_FALSE(leiste.IstBeschaeftigt());

    FremdSchreiben(stempel, "1 5");
    const qint64 rot = WartenBis([&] { return leiste.IstBeschaeftigt(); }, 3000);
    EXPECT_GE(rot, 0);
    EXPECT_LE(rot, 1300);

    FremdSchreiben(stempel, "0 5");
    const qint64 gruen = WartenBis([&] { return !leiste.IstBeschaeftigt(); }, 3000);
    EXPECT_GE(gruen, 0);
    EXPECT_LE(gruen, 1300);
}

TEST(StatusLeiste, BeschaeftigtJeStempelUndOffenemAbgleich) {
    TempOrdner ordner;
    const std::string stempel = ordner / "Ressource.d";
    bool abgleichOffen = false;
    CStatusLeiste leiste(stempel, abgleichOffen);
    const struct {
        const char* inhalt; // nullptr: no file
        bool offen;
        bool vorher;
        bool danach;
    } faelle[] = {
        {"0 7", false, true, false},   {"1 7", false, false, true},  {"0 7", true, false, true},
        {"2 0", false, false, true},   {"-1 3", false, false, true}, {nullptr, false, true, true},
        {nullptr, true, false, false}, // unreadable: nothing changes
        {"kaputt", false, true, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.inhalt ? f.inhalt : "(fehlt)");
        abgleichOffen = false;
        DateiSchreibenTest(stempel, f.vorher ? "1 0" : "0 0");
        leiste.OnTimer();
        ASSERT_EQ(leiste.IstBeschaeftigt(), f.vorher);

        std::filesystem::remove(stempel);
        if (f.inhalt) DateiSchreibenTest(stempel, f.inhalt);
        abgleichOffen = f.offen;
        leiste.OnTimer();
        EXPECT_EQ(leiste.IstBeschaeftigt(), f.danach);
    }
}

TEST(StatusLeiste, LampeBereitUndGriffImBild) {
    TempOrdner ordner;
    const std::string stempel = ordner / "Ressource.d";
    bool abgleichOffen = false;
    CStatusLeiste leiste(stempel, abgleichOffen);
    EXPECT_EQ(leiste.PaneText(), QStringLiteral("Bereit"));
    leiste.showMessage(QStringLiteral("Ressource verwalten."));
    EXPECT_EQ(leiste.PaneText(), QStringLiteral("Ressource verwalten."));
    leiste.clearMessage();
    EXPECT_EQ(leiste.PaneText(), QStringLiteral("Bereit"));

    const QRect lampe = CStatusLeiste::LampenRechteck(QRect(0, 0, 300, 22));
    EXPECT_EQ(lampe, QRect(280, 5, 8, 8));
    const QPoint mitte = lampe.topLeft() + QPoint(4, 4);

    QImage bild = Bild(leiste);
    EXPECT_GT(qGreen(bild.pixel(mitte)), 150);
    EXPECT_LT(qRed(bild.pixel(mitte)), 100);
    EXPECT_EQ(Pixel(bild, lampe.left(), lampe.top()), 0x000000u); // black corner of the bitmap

    DateiSchreibenTest(stempel, "1 9");
    leiste.OnTimer();
    bild = Bild(leiste);
    EXPECT_GT(qRed(bild.pixel(mitte)), 150);
    EXPECT_LT(qGreen(bild.pixel(mitte)), 100);

    // Size grip: light and shadow diagonals meeting the bottom-right corner.
    const QRgb hell = leiste.palette().color(QPalette::Light).rgb() & 0xFFFFFF;
    const QRgb schatten = leiste.palette().color(QPalette::Dark).rgb() & 0xFFFFFF;
    EXPECT_EQ(Pixel(bild, 299 - 15, 21), hell);
    EXPECT_EQ(Pixel(bild, 299, 21 - 15), hell);
    EXPECT_EQ(Pixel(bild, 299 - 14, 21), schatten);
    EXPECT_EQ(Pixel(bild, 299 - 2, 21), schatten);
    EXPECT_EQ(Pixel(bild, 299 - 3, 21), hell);
}
