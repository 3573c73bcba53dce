// Grid layout, scrolling limits, day bands, colour schemes, the mouse and the year overview's cells,
// marks, day counts and bar chart; pixels are in tests/gui.
#include "TestHilfen.h"
#include "calendar/Feiertage.h"
#include "view/Band.h"
#include "view/Farbschema.h"
#include "view/GitterLayout.h"
#include "view/GitterZustand.h"
#include "view/JahresLayout.h"
#include "view/KnopfFarben.h"
#include "view/Markierung.h"
#include "view/Maus.h"
#include "view/Statistik.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

const Regionen kKeine{};
const Regionen kBayern = Laender({2});

GitterLayout Anordnen(Datum heute, int breite, int hoehe = 400, const Regionen& regionen = kKeine,
                      int offset = 0, int zeilen = 0, int erste = 0) {
    GitterLayout l;
    GitterAnordnen({.m_nClientBreite = breite, .m_nClientHoehe = hoehe, .m_nErsteZeile = erste, .m_nTagOffset = offset,
                    .m_heute = heute, .m_nZeilen = zeilen},
                   CFeiertage(regionen), l);
    return l;
}

std::string Text(const TagSpalte& s) {
    return std::to_string(s.m_datum.tag) + '.' + std::to_string(s.m_datum.monat) + '.' +
           std::to_string(s.m_datum.jahr);
}

// The month headers of a layout as "left-right year month|...".
std::string Monatskoepfe(const GitterLayout& l) {
    std::string s;
    for (const auto& sp : l.m_spalten)
        if (sp.m_bMonatsKopf)
            s += std::to_string(sp.m_monat.m_rect.links) + '-' + std::to_string(sp.m_monat.m_rect.rechts) + ' ' +
                 sp.m_monat.m_strJahr + ' ' + std::string(sp.m_monat.m_strMonat) + '|';
    return s;
}

// The hit test that maps a pixel back to its column and row.
TEST(GitterGeometrie, SpalteUndZeileBeiEinemPixel) {
    const GitterGeometrie g{150, 30};
    const std::tuple<int, int, int> faelle[] = {{61, -1, -1}, {62, -1, 0}, {93, -1, 1}, {150, -1, 2},
                                                {151, 0, 2},  {181, 0, 3}, {182, 1, 3}}; // pixel, column, row
    for (const auto& [pixel, spalte, zeile] : faelle)
        EXPECT_EQ(std::pair(g.SpalteBei(pixel), g.ZeileBei(pixel)), std::pair(spalte, zeile)) << pixel;
}

TEST(GitterLayout, SpaltenZeilenUndMonatskoepfeBisZumRand) {
    const GitterLayout s = Anordnen({2025, 3, 12}, 399);
    ASSERT_EQ(s.AnzahlSpalten(), 9); // x = 151, 182, ..., 399: a column may start on the edge
    // A window not yet shown has no rows.
    EXPECT_EQ(std::tuple(Text(s.m_spalten[8]), Anordnen({2025, 3, 12}, 398).AnzahlSpalten(),
                         Anordnen({2025, 3, 12}, 0, 0).AnzahlZeilen()),
              std::tuple("20.3.2025", 8, 0));
    const GitterLayout l = Anordnen({2025, 3, 12}, 400, 200, kKeine, 0, 12);
    ASSERT_EQ(l.AnzahlZeilen(), 5); // tops 62, 93, 124, 155, 186; 217 lies below
    EXPECT_EQ(std::tuple(l.Tageszelle(1, 4), Anordnen({2025, 3, 12}, 400, 200, kKeine, 0, 12, 10).AnzahlZeilen(),
                         Anordnen({2025, 3, 12}, 400, 200, kKeine, 0, 12, 12).AnzahlZeilen()),
              std::tuple(Rechteck{182, 186, 212, 216}, 2, 0));
    // Two columns of March are narrower than 2 · 30 + 1 and stay empty; April ends on the last column.
    EXPECT_EQ(Monatskoepfe(Anordnen({2025, 3, 30}, 400)), "151-212  |213-429 2025 April|");
    // Three columns are wide enough; the year turns with the month.
    EXPECT_EQ(Monatskoepfe(Anordnen({2024, 12, 29}, 800)), "151-243 2024 Dezember|244-801 2025 Januar|");
}

TEST(GitterLayout, HeuteBeimRollenUndVorDemSonntag) {
    // Scrolled back, today sits further right; 6.1. is Epiphany in Bavaria. Week numbers on Mondays only.
    const GitterLayout l = Anordnen({2024, 12, 30}, 500, 400, kBayern, -4);
    const TagSpalte &heute = l.m_spalten[4], &dreikoenig = l.m_spalten[11];
    EXPECT_EQ(std::tuple(Text(l.m_spalten[0]), heute.m_art, dreikoenig.m_art, heute.m_bSchulferien,
                         dreikoenig.m_bSchulferien, heute.m_strKalenderwoche, dreikoenig.m_strKalenderwoche,
                         l.m_spalten[5].m_strKalenderwoche),
              std::tuple("26.12.2024", TagesArt::Heute, TagesArt::Frei, true, false, "1", "2", ""));
    EXPECT_EQ(Anordnen({2024, 12, 29}, 500, 400, kBayern).m_spalten[0].m_art, TagesArt::Heute); // not Sunday
}

TEST(GitterLayout, EintragDerSpalteNachEigenemDatum) {
    CRessource r;
    SetTag(&r, Um(2024, 2, 29, 9), 1, 1, "", CTime(1));
    SetTag(&r, CTime(2028, 2, 29, 23, 59, 59), 2, 2, "", CTime(1));
    SetTag(&r, Um(2028, 3, 26, 21), 4, 4, "", CTime(1)); // the day the clocks go forward

    const auto art = [&](const TagSpalte& s) { return EintragAm(r, s) ? EintragAm(r, s)->m_nArtVormittag : -1; };
    GitterLayout l = Anordnen({2028, 2, 28}, 300); // 29.2.2028 takes its own entry, not the 2024 one
    EXPECT_EQ(std::tuple(art(l.m_spalten[0]), art(l.m_spalten[1])), std::tuple(-1, 2));
    l = Anordnen({2028, 3, 26}, 300);
    const TagSpalte& umstellung = l.m_spalten[0];
    EXPECT_EQ(std::tuple(art(umstellung), umstellung.m_timeEnde.GetTime() - umstellung.m_timeAnfang.GetTime()),
              std::tuple(4, std::int64_t{23 * 3600}));
}

// Zoom and scrolling through the view are in tests/gui/AnsichtTest; here the exact limits.
// The dot of a 30-pixel day header: 6 × 6, every pixel whose centre lies inside the ellipse.
TEST(GitterLayout, SchulferienPunktFuelltSeinKaestchenBisZuJedemRand) {
    EXPECT_EQ(SchulferienPunkt({151, 31, 181, 61}), (Rechteck{174, 32, 180, 38}));
    using Z = std::vector<std::pair<int, int>>;
    EXPECT_EQ(EllipsenZeilen(6, 6), (Z{{1, 5}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {1, 5}}));
    EXPECT_EQ(EllipsenZeilen(1, 1), (Z{{0, 1}}));
    EXPECT_EQ(EllipsenZeilen(0, 6), Z{});
    for (int w = 1; w <= 80; ++w)
        for (int h : {1, 2, w, w + 1}) { // the dot is square; a rounding off by one still fills its box
            const Z z = EllipsenZeilen(w, h);
            int links = w, rechts = 0;
            for (std::size_t y = 0; y < z.size(); ++y) {
                EXPECT_LT(z[y].first, z[y].second) << w << "x" << h << " row " << y;
                EXPECT_EQ(z[y], z[z.size() - 1 - y]) << w << "x" << h; // symmetric top to bottom
                EXPECT_EQ(z[y].first, w - z[y].second) << w << "x" << h; // and left to right
                links = std::min(links, z[y].first), rechts = std::max(rechts, z[y].second);
            }
            EXPECT_EQ(std::tuple(z.size(), links, rechts), std::tuple(std::size_t(h), 0, w)) << w << "x" << h;
        }
}

// Wheel angles (120 a notch, positive = up / left) at 3 steps a notch.
TEST(GitterZustand, RadRolltZeilenMitUmschaltTageMitStrgZoom) {
    const struct {
        int x, y;
        bool umschalt, strg;
        RadSchritt schritt;
    } faelle[] = {
        {0, -120, false, false, {3, 0, 0}},  // down: later rows
        {0, 240, false, false, {-6, 0, 0}},  // two notches up
        {0, -120, true, false, {0, 3, 0}},   // Shift: later days
        {-120, 0, true, false, {0, 3, 0}},   // Shift turned into a horizontal wheel by the system
        {-120, 0, false, false, {0, 3, 0}},  // touchpad to the right
        {120, -120, false, false, {3, -3, 0}},
        {0, 120, false, true, {0, 0, 3}},    // Ctrl up: bigger
        {0, -120, true, true, {0, 0, -3}},
    };
    for (const auto& f : faelle) {
        RadZaehler rad;
        EXPECT_EQ(rad.Auswerten(f.x, f.y, f.umschalt, f.strg), f.schritt) << f.x << " " << f.y;
    }
    // Fine touchpad deltas add up to whole rows, in both directions.
    RadZaehler rad;
    std::vector<int> zeilen;
    for (int y : {-15, -15, -15, -15, 60, 40}) zeilen.push_back(rad.Auswerten(0, y, false, false).m_nZeilen);
    EXPECT_EQ(zeilen, (std::vector<int>{0, 0, 1, 0, -1, -1}));

    EXPECT_EQ(std::tuple(SeitenZeilen(400, 30), SeitenZeilen(70, 30), SeitenZeilen(0, 10)), std::tuple(10, 1, 1));
    EXPECT_EQ(std::tuple(ZoomZiel(299, 3), ZoomZiel(11, -3), ZoomZiel(30, 3)), std::tuple(300, 10, 33));
}

// Eight columns 6 apart and "Entf" 40 wide: full width from 728 pixels on, then narrower, never below 22.
TEST(TypLeiste, KnoepfeWerdenSchmalerStattZuVerschwinden) {
    for (const auto& [platz, breite] : {std::pair(2000, 80), {728, 80}, {727, 79}, {560, 59}, {100, 22}, {-50, 22}})
        EXPECT_EQ(TypKnopfBreite(platz, 6, 40, 22), breite) << platz;
}

TEST(GitterZustand, UngueltigeZellgroesseUndGrenzenDerZeitrechnung) {
    GitterZustand z;
    for (int n : {9, 301, 0, -30}) EXPECT_FALSE(z.SetZellgroesse(n)) << n;
    EXPECT_EQ(std::tuple(z.m_nSpaltenBreite, z.m_nZeilenHoehe), std::tuple(30, 30));
    constexpr Datum heute{2025, 6, 15};
    const auto offset = [&](int j, int m, int t) {
        return static_cast<int>(TageAusDatum(j, m, t) - TageAusDatum(heute.jahr, heute.monat, heute.tag));
    };
    // First day 1972-01-03: one page left still goes, into 1971; from there only right.
    z.m_nTagOffset = offset(1972, 1, 3);
    EXPECT_TRUE(z.HorizontalRollen(Rollen::SeiteZurueck, 0, heute));
    EXPECT_EQ(z.m_nTagOffset, offset(1971, 12, 27));
    EXPECT_FALSE(z.HorizontalRollen(Rollen::ZeileZurueck, 0, heute) || z.SetTagOffset(z.m_nTagOffset, heute));
    EXPECT_EQ(z.m_nTagOffset, offset(1971, 12, 27));
    EXPECT_TRUE(z.HorizontalRollen(Rollen::ZeileVor, 0, heute));

    // Last day of 2035: the jump may pass the limit by its size, then only left.
    z.m_nTagOffset = offset(2035, 12, 31);
    EXPECT_TRUE(z.HorizontalRollen(Rollen::DaumenLosgelassen, 730, heute));
    EXPECT_EQ(z.m_nTagOffset, offset(2036, 12, 30));
    EXPECT_FALSE(z.HorizontalRollen(Rollen::ZeileVor, 0, heute) || z.SetTagOffset(z.m_nTagOffset, heute));
    EXPECT_TRUE(z.SetTagOffset(0, heute) && z.m_nTagOffset == 0); // the today button
}

TEST(Band, HoeheUnbekannteAusrichtungUnbekannteArtenUndNotiz) {
    EXPECT_EQ(BandHoehe(100, 31, Mitte), std::pair(110, 120)); // 3.1 + 7.75 truncates to 10
    for (int unbekannt : {7, -1}) // from a hand-edited file: draws as "Voll"
        EXPECT_EQ(BandHoehe(100, 30, unbekannt), BandHoehe(100, 30, Voll)) << unbekannt;
    for (int h = 10; h <= 300; ++h)
        for (int n = Voll; n <= Unten; ++n) {
            const auto [oben, unten] = BandHoehe(0, h, n);
            EXPECT_TRUE(0 <= oben && oben < unten && unten <= h) << h << ' ' << n;
        }
    const auto arten = EintragsartTabelle::Standard();
    const auto baender = [&](int vm, int nm, std::string notiz = {}) {
        return BaenderEinesTages({CTime(), vm, nm, CTime(), notiz}, Rechteck{0, 0, 31, 31}, arten, CFarbschema{});
    };
    const Baender einer = baender(-2, 6);
    EXPECT_EQ(std::tuple(baender(17, 0).m_nAnzahl, einer.m_nAnzahl, einer.m_band[0].m_nArt,
                         einer.m_band[0].m_rect.links),
              std::tuple(0, 1, 6, 16));
    // An odd width: the second half starts one pixel after the first; both halves carry the "N".
    const Baender b = baender(1, 2, "Arzt");
    EXPECT_EQ(std::tuple(b.m_nAnzahl, b.m_band[0].m_rect, b.m_band[1].m_rect,
                         std::string(b.m_band[0].m_strText) + std::string(b.m_band[1].m_strText)),
              std::tuple(2, Rechteck{0, 7, 15, 24}, Rechteck{16, 7, 31, 24}, "NN"));
    EXPECT_TRUE(baender(1, 1).m_band[0].m_strText.empty());
}

TEST(Farbschema, UnbekannteNummerLaesstFarbenStehenGummibandFarbe) {
    CFarbschema f;
    EXPECT_EQ(f.C(3), 0xDCFFFFu); // a new grid starts in "Standard": RGB(255, 255, 220)
    ASSERT_TRUE(f.SetFarbschema(4));
    const SchemaFarben dunkel = f.Farben();
    for (int n : {0, 6, -1, 100}) EXPECT_TRUE(!f.SetFarbschema(n) && f.Farben() == dunkel) << n;
    ASSERT_TRUE(f.SetFarbschema(5));
    EXPECT_TRUE(f.Tageszelle(TagesArt::Werktag).m_nFuellung == 0xFFFFFFu && !FarbenDesSchemas(0));
    // The rubber band: "Entf" and unknown types in C2; squares and the active type are checked in tests/gui.
    const EintragsartTabelle arten = EintragsartTabelle::Standard();
    CFarbschema farben;
    const auto farbe = [&](int art) { return GummibandFarbe(arten, farben, art); };
    EXPECT_EQ(std::tuple(farbe(0), farbe(17), farbe(16)), std::tuple(0xC8C8C8u, 0xC8C8C8u, arten.m_nFarbe[16]));
    farben.SetFarbschema(4);
    EXPECT_EQ(farbe(0), 0x646464u);
}

MausGitter Gitter(int w = 150, int z = 30, int zeilen = 3, int erste = 0) {
    return {w, z, erste, zeilen, Um(2025, 3, 3, 9)};
}

// The walk from W + 2 in steps of Z/2 + 0.5 is the definition; it must match at every pixel.
TEST(Maus, HalbtagWieDieSchrittweiseSucheUndNachOrtszeitUeberDieUmstellung) {
    for (int w : {3, 150})
        for (int z : {10, 11, 30, 31, 300}) {
            const MausGitter g = Gitter(w, z);
            double p = w + 2.0;
            CTime t = g.m_timeLinks;
            for (int x = -20; x < 2500; ++x) {
                for (; p + z / 2.0 + 0.5 < x; p += z / 2.0 + 0.5) t = CTime(t.GetTime() + kHalberTag);
                const Halbtag a = HalbtagBei(g, x);
                ASSERT_EQ(std::tuple(a.m_time, a.m_nX), std::tuple(t, static_cast<int>(p) + z / 4))
                    << w << ' ' << z << ' ' << x;
            }
        }
    // 09:00 plus whole days of seconds is 10:00 or 08:00 after a clock change, still the first half.
    const std::tuple<Datum, int, int, Datum, bool> faelle[] = {
        {{2025, 3, 29}, 0, 3, {2025, 3, 30}, false}, // today, offset, column, day, first half
        {{2025, 10, 25}, 1, 2, {2025, 10, 27}, true},
    };
    for (const auto& [heute, offset, spalte, tag, vormittag] : faelle) {
        const MausGitter g{150, 30, 0, 3, LinkeHalbtagsZeit(heute, offset)};
        const LokaleZeit l = HalbtagBei(g, 152 + spalte * 16).m_time.Lokal(); // inside half `spalte` at Z = 30
        EXPECT_EQ(std::tuple(l.jahr, l.monat, l.tag, l.stunde < 12),
                  std::tuple(tag.jahr, tag.monat, tag.tag, vormittag)) << heute.tag;
    }
}

TEST(Maus, PunktOrtenZeilenUndTageszellen) {
    // Bands 62..93, 94..124, 125..155, centres 78, 109, 140. First row, x, y, snapped y, index (-1: none).
    // The last header pixel; the lines above the first row and between rows go up; the last row's lower
    // edge; background; the name column edge. Scrolled by one, the third band is past the shown rows.
    const int faelle[][5] = {{0, 200, 61, 61, -1},  {0, 200, 62, 78, 0},   {0, 200, 93, 78, 0},
                             {0, 200, 155, 140, 2}, {0, 200, 156, 156, -1}, {0, 150, 78, 78, -1},
                             {1, 200, 109, 109, 2}, {1, 200, 140, 140, -1}};
    for (const auto& f : faelle) {
        const MausPunkt p = PunktOrten(Gitter(150, 30, 3, f[0]), f[1], f[2]);
        EXPECT_EQ(std::pair(p.m_nY, p.m_nIndex), std::pair(f[3], f[4])) << f[1] << "," << f[2] << " F=" << f[0];
    }
    // An odd cell size centres on Z/2 rounded down: at Z = 31 the second band is 96..128.
    EXPECT_EQ(PunktOrten(Gitter(150, 31, 2), 200, 100).m_nY, 97 + 15);
}

// ---- the year overview

const JahresRaster k20{20.0, 20.0}; // a pane of 720 x 320

TEST(JahresTage, JedesDatumEinmalZeilenJeMonat) {
    for (int jahr : {2023, 2024}) {
        double yDanach = 0;
        const auto tage = JahresTage(jahr, k20, &yDanach);
        ASSERT_EQ(tage.size(), jahr == 2024 ? 366u : 365u) << jahr;
        std::map<int, int> jeMonat;
        for (const JahresTag& t : tage) {
            ++jeMonat[t.monat];
            EXPECT_EQ(std::pair(t.x, t.y), std::pair(70.0 + (t.tag - 1) * 20.0, 40.0 + (t.monat - 1) * 20.0))
                << jahr << "-" << t.monat << "-" << t.tag;
        }
        EXPECT_EQ(jeMonat[3], 31);         // spring forward: noon steps stay inside their days
        EXPECT_EQ(yDanach, 280.0) << jahr; // the legend's row 14
    }
    EXPECT_EQ(JahresTage(2025, k20)[151].wochentag, 1); // 1 June 2025, a Sunday
}

TEST(Statistik, HalbeTageJeArtNurImGezeigtenJahrUndBalkenNachAnteil) {
    CRessource r;
    Anhaengen(r, Um(2025, 3, 4, 9), 1, 2);
    Anhaengen(r, Um(2025, 3, 5, 9), 0, 2);
    Anhaengen(r, Um(2025, 3, 6, 9), 17, -1); // unknown types count nowhere
    Anhaengen(r, Um(2024, 2, 29, 9), 3, 3);
    Anhaengen(r, Um(2028, 2, 29, 9), 3, 3); // same slot, another year
    // Just after midnight on New Year local time, still the old year in UTC.
    Anhaengen(r, CTime(2025, 1, 1, 0, 30, 0), 16, 16);
    TagesZahlen erwartet{0.5f, 1.0f};
    erwartet[15] = 1.0f;
    EXPECT_EQ(TageZaehlen(r, 2025), erwartet);
    EXPECT_EQ(std::tuple(TageZaehlen(r, 2024)[2], TageZaehlen(r, 2024)[15], TageZaehlen(r, 2028)[2]),
              std::tuple(1.0f, 0.0f, 1.0f));
    const StatistikRaster raster = StatistikRasterFuer(320, 220); // cw 20, rh 20
    EXPECT_EQ(StatistikBalken(raster, 1, 10.0f, 10.0f), (Rechteck{2, 40, 18, 220}));   // the maximum reaches row 2
    EXPECT_EQ(StatistikBalken(raster, 16, 1.0f, 3.0f), (Rechteck{302, 147, 318, 220})); // 8 * 20 / 3 = 53.3
    EXPECT_FALSE(StatistikBalken(raster, 4, 0.0f, 10.0f) || StatistikBalken(raster, 4, 0.0f, 0.0f));
    EXPECT_EQ(AnzahlText(0.5f), "0.5"); // never a decimal comma, whatever the locale
}

TEST(JahresMarken, EineJeGanztagSonstZweiteVorErsterHaelfteUndIhrRechteck) {
    EintragsartTabelle t = EintragsartTabelle::Standard();
    t.m_nAusrichtung[2] = Oben;
    t.m_nAusrichtung[5] = Unten;
    CRessource r;
    Anhaengen(r, Um(2025, 1, 2, 9), 7, 7);
    Anhaengen(r, Um(2025, 1, 3, 9), 2, 5);
    Anhaengen(r, Um(2025, 1, 6, 9), 0, 0);
    Anhaengen(r, Um(1999, 1, 7, 9), 1, 1); // other years are kept: the pane skips them itself
    const std::vector<TagMarke> erwartet = {
        {Um(2025, 1, 2, 9), 0xB4B4B4, true, true, Voll},  {Um(2025, 1, 3, 9), 0xC8C800, false, true, Unten},
        {Um(2025, 1, 3, 9), 0x00C800, true, false, Oben}, {Um(1999, 1, 7, 9), 0x0000C8, true, true, Voll},
    };
    EXPECT_EQ(JahresMarken(r, t), erwartet);
    const JahresTag tag{1, 1, 4, 70.0, 40.0}; // an odd width splits into halves of ten
    EXPECT_EQ(MarkenRechteck(tag, JahresRaster{21.0, 20.0}, 0, false, true), (Rechteck{80, 45, 90, 55}));
    EXPECT_EQ(MarkenRechteck(tag, JahresRaster{21.0, 20.0}, 9, true, false), (Rechteck{70, 45, 80, 55})); // "Voll"
    EXPECT_FALSE(MarkenRechteck(tag, k20, 0, false, false));
}

} // namespace
