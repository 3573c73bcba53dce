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

struct StatusLeisteTest : ::testing::Test {
    TempOrdner ordner;
    const std::string stempel = ordner / "Ressource.d";
    bool abgleichOffen = false;
    CStatusLeiste leiste{stempel, abgleichOffen};

    QImage Bild() const {
        QImage bild(300, 22, QImage::Format_RGB32);
        QPainter p(&bild);
        leiste.Zeichnen(p, bild.rect());
        return bild;
    }
};

} // namespace

TEST_F(StatusLeisteTest, LampeFolgtDemStempelBinnenEinerSekunde) {
    kalvora::StempelSchreiben(stempel, {0, 4});
    leiste.show();
    EXPECT_FALSE(leiste.IstBeschaeftigt());
    for (const auto& [inhalt, beschaeftigt] : {std::pair{"1 5", true}, std::pair{"0 5", false}}) {
        FremdSchreiben(stempel, inhalt);
        const qint64 dauer = WartenBis([&] { return leiste.IstBeschaeftigt() == beschaeftigt; }, 3000);
        EXPECT_GE(dauer, 0) << inhalt;
        EXPECT_LE(dauer, 1300) << inhalt;
    }
}

TEST_F(StatusLeisteTest, BeschaeftigtJeStempelUndOffenemAbgleich) {
    const struct {
        const char* inhalt; // nullptr: no file
        bool offen, vorher, danach;
    } faelle[] = {// A pending sync alone, any lock other than 0; a missing file changes nothing.
                  {"0 7", true, false, true},
                  {"-1 3", false, false, true},
                  {nullptr, false, false, false},
                  {nullptr, false, true, true}};
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

TEST_F(StatusLeisteTest, BereitLampeUndGriffImBild) {
    leiste.showMessage(QStringLiteral("Ressource verwalten."));
    leiste.clearMessage();
    EXPECT_EQ(leiste.PaneText(), QStringLiteral("Bereit"));

    const QRect lampe = CStatusLeiste::LampenRechteck(QRect(0, 0, 300, 22));
    EXPECT_EQ(lampe, QRect(280, 5, 8, 8));
    const QPoint mitte = lampe.topLeft() + QPoint(4, 4);
    QImage bild = Bild();
    EXPECT_GT(qGreen(bild.pixel(mitte)), 150);
    EXPECT_LT(qRed(bild.pixel(mitte)), 100);

    DateiSchreibenTest(stempel, "1 9");
    leiste.OnTimer();
    bild = Bild();
    EXPECT_GT(qRed(bild.pixel(mitte)), 150);
    EXPECT_LT(qGreen(bild.pixel(mitte)), 100);

    // Size grip: light and shadow diagonals meeting the bottom-right corner.
    const QRgb hell = leiste.palette().color(QPalette::Light).rgb() & 0xFFFFFF;
    const QRgb schatten = leiste.palette().color(QPalette::Dark).rgb() & 0xFFFFFF;
    EXPECT_EQ(Pixel(bild, 299 - 15, 21), hell);
    EXPECT_EQ(Pixel(bild, 299, 21 - 15), hell);
    EXPECT_EQ(Pixel(bild, 299 - 14, 21), schatten);
}
