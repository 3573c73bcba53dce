// Pixel checks of the two panes of resource management, rendered at fixed sizes.
#include <gtest/gtest.h>

#include <QPainter>

#include "GuiHilfen.h"
#include "dialogs/JahresFeld.h"
#include "dialogs/StatistikFeld.h"
#include "view/JahresLayout.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr QRgb kLeer = 0xFF00FF; // untouched pixels

QImage Leinwand(int w, int h) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(QColor::fromRgb(kLeer));
    return bild;
}

// A pane of 720 x 320: columns and rows of exactly 20 pixels; cells start at x = 70, y = 40.
int ZellX(int tag) { return 70 + (tag - 1) * 20; }
int ZellY(int monat) { return 40 + (monat - 1) * 20; }

constexpr COLORREF kSamstag = 0x00A0A0;
constexpr COLORREF kSonntag = 0x0000A0;
constexpr COLORREF kWerktag = 0xE6E6E6;
constexpr COLORREF kHeute = 0xDCFFFF;

class JahresFeldPixel : public ::testing::Test {
protected:
    UhrFixiert uhr{CTime(2025, 6, 1, 10, 0, 0)}; // a Sunday
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    CJahresFeld feld;

    void SetUp() override {
        feld.SetTabelle(&tabelle);
        feld.SetFarben(kSamstag, kSonntag, kWerktag, kHeute);
        feld.SetJahr(2025, "M\xFCller, Anna - ");
    }
    QImage Bild(bool drucken = false) {
        QImage bild = Leinwand(720, 320);
        QPainter dc(&bild);
        feld.Zeichnen(dc, drucken, bild.size());
        return bild;
    }
    // Inside a cell, away from its frame and from any mark.
    static QRgb Grund(const QImage& b, int monat, int tag) {
        return Pixel(b, ZellX(tag) + 3, ZellY(monat) + 2);
    }
};

TEST_F(JahresFeldPixel, TagesfarbenHeuteVorSonntagUndFeiertag) {
    tabelle.m_nRegion[2] = 1; // Bayern
    AbgeleiteteFlagsSetzen(tabelle.m_nRegion);
    const QImage b = Bild();
    EXPECT_EQ(Grund(b, 6, 1), Rgb(kHeute));   // today, a Sunday
    EXPECT_EQ(Grund(b, 6, 8), Rgb(kSonntag)); // next Sunday
    EXPECT_EQ(Grund(b, 6, 7), Rgb(kSamstag));
    EXPECT_EQ(Grund(b, 6, 2), Rgb(kWerktag));
    EXPECT_EQ(Grund(b, 1, 6), Rgb(kSonntag)); // Epiphany, Bavaria only
    EXPECT_NE(Grund(b, 2, 29), Rgb(kWerktag)); // no such day: no cell
    tabelle.m_nRegion = {};
    EXPECT_EQ(Grund(Bild(), 1, 6), Rgb(kWerktag));

    uhr.uhr().Setze(CTime(2024, 6, 1, 10, 0, 0)); // today in another year: no tint
    EXPECT_EQ(Grund(Bild(), 6, 1), Rgb(kSonntag));
}

TEST_F(JahresFeldPixel, HalbtageZeigenJedeArtInIhrerHaelfte) {
    tabelle.m_nAusrichtung[3] = Oben;
    CRessource r;
    r.Slot(6, 3).push_back({CTime(1), 1, 2, CTime(2025, 6, 3, 9, 0, 0), {}});
    r.Slot(6, 4).push_back({CTime(1), 3, 3, CTime(2025, 6, 4, 9, 0, 0), {}});
    for (const TagMarke& t : JahresMarken(r, tabelle))
        feld.AddTag(t.m_timeDatum, t.m_nFarbe, t.m_bErsteHaelfte, t.m_bZweiteHaelfte, t.m_nAusrichtung);
    const QImage b = Bild();
    // "Voll": rows y + 5 .. y + 14; first half x .. x + 9, second half x + 10 .. x + 19.
    const int x = ZellX(3);
    const int y = ZellY(6);
    EXPECT_EQ(Pixel(b, x + 4, y + 9), Rgb(0x0000C8));
    EXPECT_EQ(Pixel(b, x + 14, y + 9), Rgb(0x00C800));
    EXPECT_EQ(Pixel(b, x + 9, y + 9), 0x000000u);      // black right edge of the first half
    EXPECT_EQ(Pixel(b, x + 14, y + 3), Rgb(kWerktag)); // above the mark
    // "Oben" over the whole day: rows y + 2 .. y + 6.
    const int x4 = ZellX(4);
    EXPECT_EQ(Pixel(b, x4 + 8, y + 4), Rgb(0xC80000));
    EXPECT_EQ(Pixel(b, x4 + 8, y + 10), Rgb(kWerktag));
}

TEST_F(JahresFeldPixel, MarkenAndererJahreWerdenNichtGezeichnet) {
    feld.AddTag(CTime(2024, 6, 3, 9, 0, 0), 0x0000C8, true, true, Voll);
    feld.AddTag(CTime(2026, 6, 3, 9, 0, 0), 0x0000C8, true, true, Voll);
    const QImage b = Bild();
    EXPECT_EQ(Pixel(b, ZellX(3) + 8, ZellY(6) + 9), Rgb(kWerktag));
    feld.SetJahr(2024, "");
    EXPECT_EQ(Pixel(Bild(), ZellX(3) + 8, ZellY(6) + 9), Rgb(0x0000C8));
}

TEST_F(JahresFeldPixel, BildschirmSchraffiertDruckNicht) {
    // Column 0 of the month rows holds no text: the background alone.
    const QRect frei(0, 45, 18, 200);
    const QImage schirm = Bild(false);
    EXPECT_TRUE(Umriss(schirm, frei, [](QRgb c) { return c == 0xF0F0F0; }).isValid());
    EXPECT_TRUE(Umriss(schirm, frei, [](QRgb c) { return c == 0xFFFFFF; }).isValid());
    const QImage druck = Bild(true);
    EXPECT_FALSE(Umriss(druck, frei, [](QRgb c) { return c != kLeer; }).isValid());
    EXPECT_EQ(Grund(druck, 6, 2), Rgb(kWerktag)); // the cells are printed all the same
}

TEST_F(JahresFeldPixel, LegendeInZweiZeilen) {
    tabelle.m_strBedeutung[1] = "Urlaub";
    tabelle.m_strBedeutung[9] = "Schule";
    const QImage b = Bild();
    // Line 1 at y = 14 * 20 + 5, line 2 at y = 15 * 20, both from x = 70.
    const QRect eins = Umriss(b, QRect(60, 280, 300, 20), [](QRgb c) { return c == Rgb(0x0000C8); });
    const QRect neun = Umriss(b, QRect(60, 296, 300, 24), [](QRgb c) { return c == Rgb(0x969696); });
    EXPECT_EQ(eins.topLeft(), QPoint(70, 285));
    EXPECT_EQ(neun.topLeft(), QPoint(70, 300));
}

// Statistics: 320 x 220 gives columns and rows of 20 pixels; bars stand on y = 220.
class StatistikFeldPixel : public ::testing::Test {
protected:
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    CStatistikFeld feld;

    void SetUp() override { feld.SetTabelle(&tabelle); }
    QImage Bild() {
        QImage bild = Leinwand(320, 220);
        QPainter dc(&bild);
        feld.Zeichnen(dc, QSize(320, 220));
        return bild;
    }
    static TagesZahlen Zahlen(std::initializer_list<std::pair<int, float>> werte) {
        TagesZahlen z{};
        for (auto [art, c] : werte)
            z[static_cast<std::size_t>(art - 1)] = c;
        return z;
    }
};

TEST_F(StatistikFeldPixel, BalkenNachAnteilAmHoechstwert) {
    feld.SetZahlen(Zahlen({{1, 10.0f}, {2, 0.5f}}));
    const QImage b = Bild();
    const QRect voll = Umriss(b, QRect(0, 0, 20, 220), [](QRgb c) { return c == Rgb(0x0000C8); });
    const QRect halb = Umriss(b, QRect(20, 0, 20, 220), [](QRgb c) { return c == Rgb(0x00C800); });
    // Fill inside the white top/left and black right/bottom strokes.
    EXPECT_EQ(voll, QRect(QPoint(3, 41), QPoint(17, 219)));
    EXPECT_EQ(halb.top(), 193); // 10 * 20 - trunc(0.4 * 20) + 1
    EXPECT_EQ(Pixel(b, 30, 192), 0xFFFFFFu); // top stroke
    EXPECT_EQ(Pixel(b, 38, 200), 0x000000u); // right stroke
    // The counts stand in the lowest row, inside their bars.
    EXPECT_TRUE(Umriss(b, QRect(4, 200, 14, 19), [](QRgb c) { return c == 0; }).isValid());
    EXPECT_TRUE(Umriss(b, QRect(24, 200, 14, 19), [](QRgb c) { return c == 0; }).isValid());
}

TEST_F(StatistikFeldPixel, OhneZahlenNurBeschriftungen) {
    tabelle.m_strBedeutung[1] = "Urlaub";
    tabelle.m_strBedeutung[2] = "Krank";
    const QImage b = Bild();
    EXPECT_FALSE(Umriss(b, b.rect(), [](QRgb c) { return c == Rgb(0x0000C8); }).isValid()); // no bar
    const QRect text1 = Umriss(b, QRect(0, 0, 60, 20), [](QRgb c) { return qGray(c) < 100; });
    const QRect text2 = Umriss(b, QRect(20, 20, 60, 20), [](QRgb c) { return qGray(c) < 100; });
    ASSERT_TRUE(text1.isValid() && text2.isValid());
    EXPECT_GE(text2.top(), 20); // staggered one row down
    EXPECT_TRUE(Umriss(b, QRect(0, 100, 320, 100), [](QRgb c) { return c == 0xF0F0F0; }).isValid());
    EXPECT_FALSE(Umriss(b, b.rect(), [](QRgb c) { return c == kLeer; }).isValid());
}

} // namespace
