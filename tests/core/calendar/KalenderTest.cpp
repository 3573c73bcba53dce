#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"

using namespace kalvora;
namespace chr = std::chrono;

namespace {

const Regionen kKeine{};

int Kw(int tag, int monat, int jahr) {
    return CFeiertage(kKeine).Kalenderwoche(tag, monat, jahr);
}

// ISO 8601 week: the week of the year that holds its Thursday.
int IsoWoche(chr::sys_days tag) {
    const unsigned abMontag = chr::weekday(tag).iso_encoding() - 1;
    const chr::sys_days donnerstag = tag - chr::days(abMontag) + chr::days(3);
    const chr::year_month_day ymd(donnerstag);
    return static_cast<int>((donnerstag - chr::sys_days(ymd.year() / 1 / 1)).count() / 7 + 1);
}

// Easter by Gauss with Lichtenberg's correction, independent of the library's computus.
Datum GaussOstern(int y) {
    const int k = y / 100, m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25, s = 2 - (3 * k + 3) / 4;
    const int a = y % 19, d = (19 * a + m) % 30, r = (d + a / 11) / 29;
    const int og = 21 + d - r, sz = 7 - (y + y / 4 + s) % 7, os = og + 7 - (og - sz) % 7;
    return os > 31 ? Datum{y, 4, os - 31} : Datum{y, 3, os};
}

} // namespace

TEST(KalenderwocheTest, KnownWeeks) {
    struct Fall {
        int tag, monat, jahr, kw;
    };
    for (const Fall& f : {Fall{1, 1, 2024, 1}, Fall{30, 12, 2024, 1}, Fall{28, 12, 2020, 53},
                          Fall{4, 1, 2021, 1}, Fall{1, 1, 2021, 0}, // a Friday: no week started yet
                          Fall{2, 1, 2024, 2},                      // a Tuesday counts the started weeks
                          Fall{31, 12, 2024, 54},                   // and is not folded back to 1
                          Fall{29, 12, 2025, 1}, Fall{27, 12, 2032, 53}, Fall{3, 1, 1972, 1}}) {
        EXPECT_EQ(Kw(f.tag, f.monat, f.jahr), f.kw) << f.tag << '.' << f.monat << '.' << f.jahr;
    }
}

TEST(KalenderwocheTest, EveryMondayIsTheIsoWeek) {
    int montage = 0;
    for (auto t = chr::sys_days(chr::year(1972) / 1 / 1); t < chr::sys_days(chr::year(2036) / 1 / 1);
         t += chr::days(1)) {
        if (chr::weekday(t) != chr::Monday) continue;
        const chr::year_month_day d(t);
        const int tag = static_cast<int>(unsigned(d.day())), monat = static_cast<int>(unsigned(d.month()));
        ASSERT_EQ(Kw(tag, monat, int(d.year())), IsoWoche(t)) << tag << '.' << monat << '.' << int(d.year());
        ++montage;
    }
    EXPECT_EQ(montage, 3340);
}

TEST(KalenderNamenTest, MonthsAndWeekdays) {
    const char* monate[] = {"Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
                            "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Monatsname(m), monate[m - 1]);
    const char* tage[] = {"SO", "MO", "DI", "MI", "DO", "FR", "SA"};
    for (int w = 0; w < 7; ++w)
        EXPECT_EQ(WochentagKuerzel(w), tage[w]);
    EXPECT_EQ(WochentagKuerzel(Wochentag(1, 1, 2024)), "MO");
    EXPECT_EQ(WochentagKuerzel(Wochentag(29, 2, 2000)), "DI");
    EXPECT_EQ(Monatsname(13), "");
}

TEST(OsternTest, GregorianEasterFrom2010To2028Only) {
    for (int jahr = 2010; jahr <= 2028; ++jahr) {
        const auto o = Ostersonntag(jahr);
        ASSERT_TRUE(o) << jahr;
        const Datum g = GaussOstern(jahr);
        EXPECT_EQ(std::tie(o->jahr, o->monat, o->tag), std::tie(g.jahr, g.monat, g.tag)) << jahr;
    }
    struct Fall {
        int jahr, monat, tag;
    };
    for (const Fall& f : {Fall{2010, 4, 4}, Fall{2011, 4, 24}, Fall{2015, 4, 5}, Fall{2019, 4, 21},
                          Fall{2024, 3, 31}, Fall{2028, 4, 16}}) {
        EXPECT_EQ(Ostersonntag(f.jahr)->monat, f.monat) << f.jahr;
        EXPECT_EQ(Ostersonntag(f.jahr)->tag, f.tag) << f.jahr;
    }
    for (int jahr : {1972, 2009, 2029, 2035})
        EXPECT_FALSE(Ostersonntag(jahr)) << jahr;
}

TEST(OsternTest, BussUndBettagIsTheWednesdayBefore23November) {
    EXPECT_EQ(BussUndBettag(2024)->tag, 20);
    EXPECT_EQ(BussUndBettag(2028)->tag, 22);
    EXPECT_EQ(BussUndBettag(2010)->tag, 17);
    for (int jahr = 2010; jahr <= 2028; ++jahr) {
        const Datum d = *BussUndBettag(jahr);
        EXPECT_EQ(d.monat, 11);
        EXPECT_EQ(Wochentag(d.tag, d.monat, d.jahr), 3) << jahr;
        EXPECT_TRUE(d.tag >= 16 && d.tag <= 22) << jahr;
    }
    EXPECT_FALSE(BussUndBettag(2009));
    EXPECT_FALSE(BussUndBettag(2029));
}
