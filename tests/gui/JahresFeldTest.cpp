// Pixel checks of the two panes of resource management, rendered at fixed sizes; the year pane's day tooltip.
#include "dialogs/JahresFeld.h"
#include <QHelpEvent>
#include <QToolTip>

#include "GuiHilfen.h"
#include "dialogs/StatistikFeld.h"
#include "view/JahresLayout.h"

namespace {

constexpr QRgb kLeer = 0xFF00FF; // untouched pixels
constexpr COLORREF kSamstag = 0x00A0A0, kSonntag = 0x0000A0, kWerktag = 0xE6E6E6, kHeute = 0xDCFFFF;
using Pixels = std::vector<QRgb>;

// A pane of 720 x 320: columns and rows of exactly 20 pixels; cells start at x = 70, y = 40.
int ZellX(int tag) {
    return 70 + (tag - 1) * 20;
}
int ZellY(int monat) {
    return 40 + (monat - 1) * 20;
}
// Inside a cell, away from its frame and from any mark.
QRgb Grund(const QImage& b, int monat, int tag) {
    return Pixel(b, ZellX(tag) + 3, ZellY(monat) + 2);
}

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
        return Malen({720, 320}, QColor::fromRgb(kLeer), [&](QPainter& dc) {
            feld.Zeichnen(dc, drucken, {720, 320});
        });
    }
};

// Day colours (which days: core calendar tests), a two-line legend, hatching on screen but not on paper.
TEST_F(JahresFeldPixel, TagesfarbenLegendeUndSchraffurNurAmBildschirm) {
    tabelle.m_nRegion[2] = 1; // Bayern
    AbgeleiteteFlagsSetzen(tabelle.m_nRegion);
    std::tie(tabelle.m_strBedeutung[1], tabelle.m_strBedeutung[9]) = std::tuple("Urlaub", "Schule");
    const QImage b = Bild();
    // 1 June today, 8 June Sunday, 7 June Saturday, 2 June weekday, 6 January Epiphany (Bavaria only).
    EXPECT_EQ((Pixels{Grund(b, 6, 1), Grund(b, 6, 8), Grund(b, 6, 7), Grund(b, 6, 2), Grund(b, 1, 6)}),
              (Pixels{Rgb(kHeute), Rgb(kSonntag), Rgb(kSamstag), Rgb(kWerktag), Rgb(kSonntag)}));
    EXPECT_NE(Grund(b, 2, 29), Rgb(kWerktag)); // no such day: no cell
    // Legend line 1 at y = 14 * 20 + 5, line 2 at y = 15 * 20, both from x = 70.
    EXPECT_EQ(Umriss(b, QRect(60, 280, 300, 20), Ist(Rgb(0x0000C8))).topLeft(), QPoint(70, 285));
    EXPECT_EQ(Umriss(b, QRect(60, 296, 300, 24), Ist(Rgb(0x969696))).topLeft(), QPoint(70, 300));
    const QRect frei(0, 45, 18, 200); // column 0 of the month rows holds no text
    EXPECT_TRUE(Umriss(b, frei, Ist(0xF0F0F0)).isValid() && Umriss(b, frei, Ist(0xFFFFFF)).isValid());
    const QImage druck = Bild(true);
    EXPECT_FALSE(Umriss(druck, frei, [](QRgb c) { return c != kLeer; }).isValid());
    EXPECT_EQ(Grund(druck, 6, 2), Rgb(kWerktag)); // the cells are printed all the same
    uhr.uhr().Setze(CTime(2024, 6, 1, 10, 0, 0)); // today in another year: no tint
    EXPECT_EQ(Grund(Bild(), 6, 1), Rgb(kSonntag));
}

// 3 June 2025 types 1 | 2 "Voll", 4 June type 3 "Oben", 5 June in other years (marks: core JahresMarken).
TEST_F(JahresFeldPixel, HalbtageJeArtInIhrerHaelfteAndereJahreNicht) {
    tabelle.m_nAusrichtung[3] = Oben;
    CRessource r;
    r.m_pTage.Anhaengen(6, 3, {CTime(1), 1, 2, CTime(2025, 6, 3, 9, 0, 0), {}});
    r.m_pTage.Anhaengen(6, 4, {CTime(1), 3, 3, CTime(2025, 6, 4, 9, 0, 0), {}});
    for (const TagMarke& t : JahresMarken(r, tabelle))
        feld.AddTag(t.m_timeDatum, t.m_nFarbe, t.m_bErsteHaelfte, t.m_bZweiteHaelfte, t.m_nAusrichtung);
    feld.AddTag(CTime(2024, 6, 5, 9, 0, 0), 0x0000C8, true, true, Voll);
    feld.AddTag(CTime(2026, 6, 5, 9, 0, 0), 0x0000C8, true, true, Voll);
    const QImage b = Bild();
    const int x = ZellX(3), x4 = ZellX(4), x5 = ZellX(5), y = ZellY(6);
    // "Voll": rows y + 5..14, halves x..x + 9 (black right edge) and x + 10..19; "Oben": rows y + 2..6.
    EXPECT_EQ((Pixels{Pixel(b, x + 4, y + 9), Pixel(b, x + 14, y + 9), Pixel(b, x + 9, y + 9),
                      Pixel(b, x + 14, y + 3), Pixel(b, x4 + 8, y + 4), Pixel(b, x4 + 8, y + 10),
                      Pixel(b, x5 + 8, y + 9)}),
              (Pixels{Rgb(0x0000C8), Rgb(0x00C800), 0x000000u, Rgb(kWerktag), Rgb(0xC80000), Rgb(kWerktag),
                      Rgb(kWerktag)}));
    feld.SetJahr(2024, "");
    EXPECT_EQ(Pixel(Bild(), x5 + 8, y + 9), Rgb(0x0000C8));
}

// A day's tooltip through the real help event: holidays, school holidays, unknown years.
TEST_F(JahresFeldPixel, TooltipNenntFeiertageUndSchulferien) {
    tabelle.m_nRegion[2] = tabelle.m_nRegion[24] = 1; // Bayern, Wien
    AbgeleiteteFlagsSetzen(tabelle.m_nRegion);
    feld.resize(722, 322); // a frame of one pixel around the 720 x 320 of the pixel tests
    feld.show();
    const auto tipp = [&](int jahr, int monat, int tag) {
        feld.SetJahr(jahr, "");
        const QPoint p(1 + ZellX(tag) + 10, 1 + ZellY(monat) + 10);
        QHelpEvent ereignis(QEvent::ToolTip, p, feld.mapToGlobal(p));
        QApplication::sendEvent(&feld, &ereignis);
        return ereignis.isAccepted() ? QToolTip::text() : QStringLiteral("(keiner)");
    };
    const std::tuple<int, int, int, QString> faelle[] = {
        {2025, 1, 1, "Neujahr · Schulferien: Bayern, Wien"},
        {2025, 1, 6, "Heilige Drei Könige · Schulferien: Wien"},
        {2025, 12, 8, "Mariä Empfängnis"},
        {2025, 6, 2, "(keiner)"},
        {2025, 2, 30, "(keiner)"}, // no such day, no cell
        {2030, 6, 3, "Schulferien für 2030 nicht bekannt"},
    };
    for (const auto& [jahr, monat, tag, text] : faelle)
        EXPECT_EQ(tipp(jahr, monat, tag), text) << tag << '.' << monat;
    EXPECT_TRUE(feld.TagesTipp({5, 5}).isEmpty()); // the title, not a day
}

// Statistics: 320 x 220 gives columns and rows of 20 pixels; bars stand on y = 220.
TEST(StatistikFeldPixel, BeschriftungenOhneZahlenDannBalkenNachAnteilAmHoechstwert) {
    EintragsartTabelle tabelle = EintragsartTabelle::Standard();
    std::tie(tabelle.m_strBedeutung[1], tabelle.m_strBedeutung[2]) = std::tuple("Urlaub", "Krank");
    CStatistikFeld feld;
    feld.SetTabelle(&tabelle);
    const auto bild = [&] {
        return Malen({320, 220}, QColor::fromRgb(kLeer), [&](QPainter& dc) {
            feld.Zeichnen(dc, {320, 220});
        });
    };
    const auto dunkel = [](QRgb c) { return qGray(c) < 100; };
    QImage b = bild(); // no counts: labels on the hatch, no bar, nothing left untouched
    EXPECT_FALSE(Umriss(b, b.rect(), Ist(Rgb(0x0000C8))).isValid());
    const QRect text1 = Umriss(b, QRect(0, 0, 60, 20), dunkel);
    const QRect text2 = Umriss(b, QRect(20, 20, 60, 20), dunkel);
    ASSERT_TRUE(text1.isValid() && text2.isValid());
    EXPECT_GE(text2.top(), 20); // staggered one row down
    EXPECT_TRUE(Umriss(b, QRect(0, 100, 320, 100), Ist(0xF0F0F0)).isValid() &&
                !Umriss(b, b.rect(), Ist(kLeer)).isValid());

    feld.SetZahlen(TagesZahlen{10.0f, 0.5f});
    b = bild();
    // Fill inside the white top/left and black right/bottom strokes (bar heights: core StatistikBalken).
    EXPECT_EQ(Umriss(b, QRect(0, 0, 20, 220), Ist(Rgb(0x0000C8))), QRect(QPoint(3, 41), QPoint(17, 219)));
    EXPECT_EQ((Pixels{Pixel(b, 30, 192), Pixel(b, 38, 200)}), (Pixels{0xFFFFFFu, 0x000000u}));
    // The counts stand in the lowest row, inside their bars.
    EXPECT_TRUE(Umriss(b, QRect(4, 200, 14, 19), Ist(0)).isValid() &&
                Umriss(b, QRect(24, 200, 14, 19), Ist(0)).isValid());
}

} // namespace
