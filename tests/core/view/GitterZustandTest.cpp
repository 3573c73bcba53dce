#include <gtest/gtest.h>

#include <cstdint>

#include "view/GitterZustand.h"

using namespace kalvora;

namespace {

constexpr Datum kHeute{2025, 6, 15};

// The offset from kHeute to a date.
int Offset(int jahr, int monat, int tag) {
    return static_cast<int>(TageAusDatum(jahr, monat, tag) - TageAusDatum(kHeute.jahr, kHeute.monat, kHeute.tag));
}

} // namespace

TEST(GitterZustand, ZoomNurVon10Bis300) {
    GitterZustand z;
    EXPECT_EQ(z.m_nSpaltenBreite, 30);
    for (int n : {9, 301, 0, -30}) EXPECT_FALSE(z.SetZellgroesse(n)) << n;
    EXPECT_EQ(z.m_nSpaltenBreite, 30);

    ASSERT_TRUE(z.SetZellgroesse(10));
    EXPECT_FALSE(z.KannVerkleinern());
    EXPECT_FALSE(z.Verkleinern());
    EXPECT_EQ(z.m_nZeilenHoehe, 10);
    EXPECT_TRUE(z.Vergroessern());
    EXPECT_EQ(z.m_nSpaltenBreite, 11);
    EXPECT_EQ(z.m_nZeilenHoehe, 11);

    ASSERT_TRUE(z.SetZellgroesse(300));
    EXPECT_FALSE(z.KannVergroessern());
    EXPECT_FALSE(z.Vergroessern());
    EXPECT_EQ(z.m_nSpaltenBreite, 300);
    EXPECT_TRUE(z.KannVerkleinern());
}

TEST(GitterZustand, VertikalesRollenKlemmtAuf0BisN) {
    struct Fall {
        int f;
        Rollen r;
        int daumen, zeilen, neu;
    };
    const Fall faelle[] = {
        {10, Rollen::SeiteVor, 0, 12, 12},      {12, Rollen::ZeileVor, 0, 12, 12},
        {3, Rollen::SeiteZurueck, 0, 12, 0},    {0, Rollen::ZeileZurueck, 0, 12, 0},
        {4, Rollen::ZeileVor, 0, 12, 5},        {4, Rollen::DaumenLosgelassen, 7, 12, 7},
        {4, Rollen::DaumenLosgelassen, 99, 12, 12}, {4, Rollen::Sonstiges, 7, 12, 4},
        {5, Rollen::Sonstiges, 0, 2, 2}, // rows were removed meanwhile
        {0, Rollen::SeiteVor, 0, 0, 0},
    };
    for (const Fall& fall : faelle) {
        GitterZustand z;
        z.m_nErsteZeile = fall.f;
        const Balken b = z.VertikalRollen(fall.r, fall.daumen, fall.zeilen);
        EXPECT_EQ(z.m_nErsteZeile, fall.neu) << fall.f << " rows " << fall.zeilen;
        EXPECT_EQ(b, (Balken{0, fall.zeilen, fall.neu}));
    }
    GitterZustand z;
    z.SetErsteZeile(-3, 12);
    EXPECT_EQ(z.m_nErsteZeile, 0);
    z.SetErsteZeile(INT32_MAX, 12);
    EXPECT_EQ(z.m_nErsteZeile, 12);
}

TEST(GitterZustand, HorizontalIstRelativ) {
    struct Fall {
        Rollen r;
        int daumen, neu;
    };
    for (const Fall& f : {Fall{Rollen::ZeileVor, 0, 101}, Fall{Rollen::ZeileZurueck, 0, 99},
                          Fall{Rollen::SeiteVor, 0, 107}, Fall{Rollen::SeiteZurueck, 0, 93},
                          Fall{Rollen::DaumenLosgelassen, 730, 465}, Fall{Rollen::DaumenLosgelassen, 0, -265},
                          Fall{Rollen::DaumenLosgelassen, 365, 100}, Fall{Rollen::Sonstiges, 700, 100}}) {
        GitterZustand z;
        z.m_nTagOffset = 100;
        z.HorizontalRollen(f.r, f.daumen, kHeute);
        EXPECT_EQ(z.m_nTagOffset, f.neu) << f.daumen;
    }
    EXPECT_EQ(GitterZustand::HorizontalBalken(), (Balken{0, 730, 365}));
    EXPECT_EQ(HorizontalZiel(INT32_MAX, Rollen::DaumenLosgelassen, 730), INT32_MAX); // saturates
}

TEST(GitterZustand, GrenzenDerZeitrechnung) {
    GitterZustand z;
    // First day 1972-01-03: one page left still goes, into 1971; from there only right.
    z.m_nTagOffset = Offset(1972, 1, 3);
    EXPECT_TRUE(z.HorizontalRollen(Rollen::SeiteZurueck, 0, kHeute));
    EXPECT_EQ(z.m_nTagOffset, Offset(1971, 12, 27));
    EXPECT_FALSE(z.HorizontalRollen(Rollen::ZeileZurueck, 0, kHeute));
    EXPECT_FALSE(z.SetTagOffset(z.m_nTagOffset, kHeute));
    EXPECT_EQ(z.m_nTagOffset, Offset(1971, 12, 27));
    EXPECT_TRUE(z.HorizontalRollen(Rollen::ZeileVor, 0, kHeute));

    // Last day of 2035: the jump may pass the limit by its size, then only left.
    z.m_nTagOffset = Offset(2035, 12, 31);
    EXPECT_TRUE(z.HorizontalRollen(Rollen::DaumenLosgelassen, 730, kHeute));
    EXPECT_EQ(z.m_nTagOffset, Offset(2036, 12, 30));
    EXPECT_FALSE(z.HorizontalRollen(Rollen::ZeileVor, 0, kHeute));
    EXPECT_FALSE(z.SetTagOffset(z.m_nTagOffset, kHeute));
    EXPECT_TRUE(z.SetTagOffset(0, kHeute)); // the today button
    EXPECT_EQ(z.m_nTagOffset, 0);
    EXPECT_TRUE(z.SetTagOffset(0, kHeute)); // still today: repaints, changes nothing
}
