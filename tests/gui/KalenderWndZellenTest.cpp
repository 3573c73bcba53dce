// The cell painters, and the grid against a plain cell-by-cell rendering of the same state.
#include <gtest/gtest.h>

#include <QPainter>
#include <limits>
#include <random>

#include "GuiHilfen.h"
#include "app/QtWandlung.h"
#include "calendar/Feiertage.h"
#include "view/Band.h"
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

QImage Leinwand(int w = 80, int h = 60) {
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::black);
    return bild;
}

} // namespace

TEST(Zelle, RaenderUndEckenWieGezogeneLinien) {
    QImage bild = Leinwand();
    {
        QPainter p(&bild);
        CZelle z;
        z.SetRechteck(10, 10, 20, 16);
        z.SetFarben(kFuellung, kRechtsUnten, kLinksOben, kText);
        z.Zeichnen(p);
    }
    struct Fall {
        int x, y;
        COLORREF farbe;
    };
    const Fall faelle[] = {
        {10, 10, kLinksOben},
        {10, 16, kLinksOben},
        {15, 10, kLinksOben},
        {10, 13, kLinksOben},
        {20, 10, kRechtsUnten},
        {20, 16, kRechtsUnten},
        {15, 16, kRechtsUnten},
        {20, 13, kRechtsUnten},
        {11, 11, kFuellung},
        {19, 15, kFuellung},
        {9, 13, 0},
        {21, 13, 0},
        {15, 9, 0},
        {15, 17, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Pixel(bild, f.x, f.y), Rgb(f.farbe)) << f.x << "," << f.y;
}

TEST(Zelle, TextLinksMitAbstandUndAbgeschnittenAmRand) {
    QImage bild = Leinwand(200, 60);
    {
        QPainter p(&bild);
        CZelle z;
        z.SetRechteck(10, 10, 60, 40);
        z.SetFarben(kFuellung, kRechtsUnten, kLinksOben, kText);
        z.SetText(QStringLiteral("Mitarbeiterin mit sehr langem Namen"));
        z.Zeichnen(p);
    }
    const QRect text = Umriss(bild, QRect(11, 11, 189, 29),
                              [](QRgb p) { return p != Rgb(kFuellung) && p != 0 && p != Rgb(kRechtsUnten); });
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 15);
    EXPECT_LE(text.left(), 17);
    EXPECT_LE(text.right(), 59); // cut before the right edge
    EXPECT_EQ(Pixel(bild, 60, 25), Rgb(kRechtsUnten));
    // Top of the capitals: y = 10 + 15 − 9 plus the internal leading of a 16-pixel font.
    EXPECT_GE(text.top(), 16);
    EXPECT_LE(text.top(), 20);
}

TEST(Zelle, OhneAktivenMalerUndVerdrehtesRechteckGeschiehtNichts) {
    QPainter inaktiv;
    CZelle z;
    z.SetRechteck(0, 0, 10, 10);
    z.SetText(QStringLiteral("x"));
    z.Zeichnen(inaktiv);
    CKopfZelle k;
    k.SetTexte(QStringLiteral("1"), QStringLiteral("MO"), true);
    k.Zeichnen(inaktiv);

    QImage bild = Leinwand();
    QPainter p(&bild);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    for (auto r : {Rechteck{20, 20, 10, 10}, Rechteck{5, 5, 5, 5}, Rechteck{0, 0, 1, 0},
                   Rechteck{kMin, kMin, kMax, kMax}, Rechteck{kMax - 1, 0, kMax, kMax}}) {
        z.SetRechteck(r);
        z.Zeichnen(p);
        k.SetRechteck(r);
        k.Zeichnen(p);
    }
}

TEST(KopfZelle, SchriftSchrumpftBisDieTexteBreitePasst) {
    // Wide enough at once: trunc(H × 2.5).
    EXPECT_EQ(CKopfZelle::SchriftZehntel(30, 30, 2), 75);
    EXPECT_EQ(CKopfZelle::SchriftZehntel(30, 30, 0), 75);
    // A narrower cell or a longer text never gets a larger font.
    int vorher = CKopfZelle::SchriftZehntel(30, 300, 9);
    for (int w = 280; w >= 20; w -= 20) {
        const int jetzt = CKopfZelle::SchriftZehntel(30, w, 9);
        EXPECT_LE(jetzt, vorher) << w;
        EXPECT_LE(ZellSchriftFuer(jetzt, 96).BreiteM(9), w) << w;
        vorher = jetzt;
    }
    // Nothing fits a zero width: the loop ends at the smallest factor, trunc(30 × 0.1...).
    EXPECT_LE(CKopfZelle::SchriftZehntel(30, 0, 5), 3);
    EXPECT_LE(CKopfZelle::SchriftZehntel(300, 1, 60000), 30);
    EXPECT_GE(CKopfZelle::SchriftZehntel(300, 1, 60000), 29);
}

TEST(KopfZelle, TexteZentriertMarkeObenRechts) {
    for (bool marke : {false, true}) {
        QImage bild = Leinwand(120, 80);
        {
            QPainter p(&bild);
            CKopfZelle k;
            k.SetRechteck(10, 10, 70, 50);
            k.SetFarben(kFuellung, kRechtsUnten, kLinksOben, kText);
            k.SetTexte(QStringLiteral("2025"), QStringLiteral("Januar"), marke);
            k.Zeichnen(p);
        }
        // Text pixels: anything neither fill nor marker (glyph edges are blended).
        auto text = [](QRgb p) { return p != Rgb(kFuellung) && p != Rgb(kLinksOben); };
        const QRect oben = Umriss(bild, QRect(11, 11, 45, 19), text);
        const QRect unten = Umriss(bild, QRect(11, 30, 59, 20), text);
        ASSERT_FALSE(oben.isEmpty());
        ASSERT_FALSE(unten.isEmpty());
        EXPECT_NEAR(oben.center().x(), 40, 2);
        EXPECT_NEAR(unten.center().x(), 40, 2);
        EXPECT_LE(oben.top(), 16);
        EXPECT_GE(unten.bottom(), 44);
        // Dot: D = 40, box (70 − 10, 11) .. (69, 20) exclusive.
        const QRect punkt = Umriss(bild, QRect(55, 11, 15, 12), [](QRgb p) { return p == Rgb(kLinksOben); });
        if (marke) {
            EXPECT_GE(punkt.left(), 60);
            EXPECT_LE(punkt.right(), 68);
            EXPECT_GE(punkt.top(), 11);
            EXPECT_LE(punkt.bottom(), 19);
            EXPECT_GE(punkt.width(), 6);
        } else {
            EXPECT_TRUE(punkt.isEmpty());
        }
    }
}

namespace {

// The grid painted plainly, cell after cell in the documented order, from the same layout.
QImage ZelleFuerZelle(const CKalenderWnd& wnd, QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.fillRect(bild.rect(), QBrush(QColor(240, 240, 240), Qt::CrossPattern));
    const GitterLayout& l = wnd.Layout();
    const CFarbschema& f = wnd.Farben();
    CZelle z;
    z.SetRechteck(l.m_geo.Ecke());
    z.SetFarben(f.Ecke());
    z.SetText(TextAusCp1252(wnd.Titel()));
    z.Zeichnen(p);
    for (int k = 0; k < l.AnzahlZeilen(); ++k) {
        z.SetRechteck(l.m_namen[static_cast<std::size_t>(k)]);
        z.SetFarben(f.Name());
        z.SetText(
            TextAusCp1252(wnd.m_pZeilen[static_cast<std::size_t>(l.m_nErsteZeile + k)]->m_strBenennung1));
        z.Zeichnen(p);
    }
    CKopfZelle kopf;
    for (int j = 0; j < l.AnzahlSpalten(); ++j) {
        const TagSpalte& s = l.m_spalten[static_cast<std::size_t>(j)];
        if (s.m_bMonatsKopf) {
            kopf.SetRechteck(s.m_monat.m_rect);
            kopf.SetFarben(f.MonatsKopf());
            kopf.SetTexte(QString::fromStdString(s.m_monat.m_strJahr), TextAusCp1252(s.m_monat.m_strMonat),
                          false);
            kopf.Zeichnen(p);
        }
        kopf.SetRechteck(s.m_kopf);
        kopf.SetFarben(f.TagesKopf(s.m_art));
        kopf.SetTexte(QString::fromStdString(s.m_strTag), TextAusCp1252(s.m_strWochentag), s.m_bSchulferien);
        kopf.Zeichnen(p);
        for (int k = 0; k < l.AnzahlZeilen(); ++k) {
            z.SetRechteck(l.Tageszelle(j, k));
            z.SetFarben(f.Tageszelle(s.m_art));
            z.SetText(QString::fromStdString(s.m_strKalenderwoche));
            z.Zeichnen(p);
            const CRessource& r = *wnd.m_pZeilen[static_cast<std::size_t>(l.m_nErsteZeile + k)];
            if (const CTagEintrag* e = EintragAm(r, s))
                for (const Band& b : BaenderEinesTages(*e, l.Tageszelle(j, k), wnd.Arten(), f)) {
                    z.SetRechteck(b.m_rect);
                    z.SetFarben(b.m_farben);
                    z.SetText(b.m_strText.empty() ? QString() : QStringLiteral("N"));
                    z.Zeichnen(p);
                }
        }
    }
    return bild;
}

} // namespace

TEST(KalenderWnd, GleichDemZeichnenZelleFuerZelle) {
    UhrFixiert uhr(CTime(2025, 12, 22, 8, 0, 0));
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    for (int i : {2, 24})
        arten.m_nRegion[static_cast<std::size_t>(i)] = 1;
    AbgeleiteteFlagsSetzen(arten.m_nRegion);
    for (int k = 1; k <= kAnzahlArten; ++k)
        arten.m_nAusrichtung[static_cast<std::size_t>(k)] = k % 4;
    CKalenderWnd wnd(arten);
    std::mt19937 rng(3);
    for (int z = 0; z < 14; ++z) {
        const int nr = wnd.AddZeile("M\xFCller " + std::to_string(z));
        for (int t = -20; t < 90; ++t) {
            if (rng() % 3 == 0) continue;
            const CTime tag(2025, 12, 22 + t, rng() % 2 ? 9 : 21, 0, 0);
            const int a = static_cast<int>(rng() % 17);
            const int b = rng() % 3 ? a : static_cast<int>(rng() % 17);
            wnd.SetTagAnzeige(nr, tag, a, b, rng() % 7 == 0 ? "Notiz" : "");
        }
    }
    wnd.SetTitel("Werkstatt");
    struct Fall {
        int breite, hoehe, zoom, nw, erste, offset, schema;
    };
    const Fall faelle[] = {{640, 420, 30, 150, 0, 0, 1}, {640, 420, 10, 110, 2, -15, 4},
                           {500, 300, 57, 80, 1, 3, 2},  {333, 777, 13, 40, 0, 9, 5},
                           {90, 200, 22, 200, 5, -1, 3}, {640, 420, 30, 150, 14, 0, 1}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message()
                     << f.breite << "x" << f.hoehe << " Zoom " << f.zoom << " Schema " << f.schema);
        wnd.resize(f.breite, f.hoehe);
        wnd.SetFarbschema(f.schema);
        wnd.SetNamenBreite(f.nw);
        wnd.SetZellgroesse(f.zoom);
        wnd.SetErsteZeile(f.erste);
        wnd.SetTagOffset(f.offset);
        wnd.Neuzeichnen();
        const QImage erwartet = ZelleFuerZelle(wnd, wnd.size());
        const QImage& ist = wnd.Puffer();
        ASSERT_EQ(ist.size(), erwartet.size());
        int abweichend = 0;
        QPoint erste;
        for (int y = 0; y < ist.height(); ++y)
            for (int x = 0; x < ist.width(); ++x)
                if (Pixel(ist, x, y) != Pixel(erwartet, x, y) && abweichend++ == 0) erste = QPoint(x, y);
        EXPECT_EQ(abweichend, 0) << "erste Abweichung bei " << erste.x() << "," << erste.y();
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
    EXPECT_EQ(Pixel(bild, 362, 130), Rgb(f.C(6)));
    EXPECT_EQ(Pixel(bild, 363, 130), Rgb(f.C(6)));
    EXPECT_EQ(Pixel(bild, 364, 130), Rgb(f.C(7)));
    EXPECT_EQ(Pixel(bild, 365, 130), Rgb(f.C(7)));
    // Row 0 (logical 62..92) with the band of column 1 from y 69 to 85.
    EXPECT_EQ(Pixel(bild, 400, 2 * 62 + 1), Rgb(f.C(7)));
    EXPECT_EQ(Pixel(bild, 400, 2 * 69), Rgb(f.C(6)));
    EXPECT_EQ(Pixel(bild, 400, 2 * 77), qRgb(200, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(Pixel(bild, 400, 2 * 85 + 1), Rgb(f.C(7)));
}
