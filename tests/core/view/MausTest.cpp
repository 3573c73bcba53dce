// Locating the mouse on the grid: half days, row snapping, day cells, divider, rubber band.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "view/Markierung.h"
#include "view/Maus.h"

using namespace kalvora;

namespace {

MausGitter Gitter(int w = 150, int z = 30, int zeilen = 3, int erste = 0) {
    MausGitter g;
    g.m_nNamenBreite = w;
    g.m_nZellgroesse = z;
    g.m_nZeilen = zeilen;
    g.m_nErsteZeile = erste;
    g.m_timeLinks = CTime(2025, 3, 3, 9, 0, 0);
    return g;
}

// The walk as the grid always did it: floating-point steps from x = W + 2.
Halbtag Schrittweise(const MausGitter& g, int x) {
    double p = g.m_nNamenBreite + 2.0;
    CTime t = g.m_timeLinks;
    while (p + g.m_nZellgroesse / 2.0 + 0.5 < x) {
        p += g.m_nZellgroesse / 2.0 + 0.5;
        t = CTime(t.GetTime() + kHalberTag);
    }
    return {t, static_cast<int>(p) + g.m_nZellgroesse / 4};
}

} // namespace

// The walk from W + 2 in steps of Z/2 + 0.5 is the definition; the count must match it at every
// pixel, for even and odd cells.
TEST(Maus, HalbtagWieDieSchrittweiseSuche) {
    for (int w : {3, 150})
        for (int z : {10, 11, 30, 31, 300}) {
            const MausGitter g = Gitter(w, z);
            for (int x = -20; x < 2500; ++x) {
                const Halbtag a = HalbtagBei(g, x);
                const Halbtag b = Schrittweise(g, x);
                ASSERT_EQ(a.m_time, b.m_time) << w << " " << z << " " << x;
                ASSERT_EQ(a.m_nX, b.m_nX) << w << " " << z << " " << x;
            }
        }
}

TEST(Maus, HalbtageFolgenDerOrtszeitUeberDieUmstellung) {
    // 09:00 plus whole days of seconds: 10:00 after the spring change, 08:00 after the autumn one,
    // always the first half; each further column alternates.
    const struct {
        Datum heute;
        int offset, spalte;
        Datum tag;
        bool vormittag;
    } faelle[] = {
        {{2025, 3, 29}, 0, 3, {2025, 3, 30}, false}, {{2025, 10, 25}, 1, 2, {2025, 10, 27}, true},
    };
    for (const auto& f : faelle) {
        MausGitter g = Gitter();
        g.m_timeLinks = LinkeHalbtagsZeit(f.heute, f.offset);
        const CTime t = HalbtagBei(g, 152 + f.spalte * 16).m_time; // inside half f.spalte at Z = 30
        const LokaleZeit l = t.Lokal();
        EXPECT_EQ(std::tuple(l.jahr, l.monat, l.tag), std::tuple(f.tag.jahr, f.tag.monat, f.tag.tag)) << f.heute.tag << "+" << f.offset << " Spalte " << f.spalte;
        EXPECT_EQ(l.stunde < 12, f.vormittag) << f.heute.tag << "+" << f.offset << " Spalte " << f.spalte;
    }
}

TEST(Maus, PunktOrtenZeilenUndTageszellen) {
    struct Fall {
        int zeilen, erste, x, y, yEinrasten, index; // index -1: not on a day cell
    };
    // Z = 30, W = 150: the headers end at y = 61; row bands 62..93, 94..124, 125..155 with their
    // centres at 78, 109, 140.
    const Fall faelle[] = {
        {3, 0, 200, 61, 61, -1},   // last header pixel
        {3, 0, 200, 62, 78, 0},    // the line above the first row
        {3, 0, 200, 93, 78, 0},    // the line between two rows goes up
        {3, 0, 200, 155, 140, 2},  // below the last row, still its edge
        {3, 0, 200, 156, 156, -1}, // background
        {3, 0, 150, 78, 78, -1},   // name column edge
        // Scrolled by one: shown rows are list rows 1 and 2; the third band is past the shown ones.
        {3, 1, 200, 109, 109, 2},
        {3, 1, 200, 140, 140, -1},
    };
    for (const Fall& f : faelle) {
        const MausPunkt p = PunktOrten(Gitter(150, 30, f.zeilen, f.erste), f.x, f.y);
        EXPECT_EQ(std::pair(p.m_nY, p.m_nIndex), std::pair(f.yEinrasten, f.index)) << f.x << "," << f.y << " F=" << f.erste;
    }
    // An odd cell size centres on Z/2 rounded down: at Z = 31 the second band is 96..128.
    EXPECT_EQ(PunktOrten(Gitter(150, 31, 2), 200, 100).m_nY, 97 + 15);
}

// Squares and the active type's colour are checked on screen in tests/gui/MausAnsichtTest.
TEST(Maus, GummibandFarbeFuerEntfUndUnbekannteArt) {
    const EintragsartTabelle arten = EintragsartTabelle::Standard();
    CFarbschema farben;
    EXPECT_EQ(GummibandFarbe(arten, farben, 0), 0xC8C8C8u); // "Entf": C2
    EXPECT_EQ(GummibandFarbe(arten, farben, 17), 0xC8C8C8u);
    EXPECT_EQ(GummibandFarbe(arten, farben, 16), arten.m_nFarbe[16]);
    farben.SetFarbschema(4);
    EXPECT_EQ(GummibandFarbe(arten, farben, 0), 0x646464u);
}
