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
                          Fall{31, 12, 2024, 54}}) {                // and is not folded back to 1
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

TEST(OsternTest, GregorianEasterFrom2010To2028Only) {
    for (int jahr = 2010; jahr <= 2028; ++jahr) {
        const auto o = Ostersonntag(jahr);
        ASSERT_TRUE(o) << jahr;
        const Datum g = GaussOstern(jahr);
        EXPECT_EQ(std::tie(o->jahr, o->monat, o->tag), std::tie(g.jahr, g.monat, g.tag)) << jahr;
    }
    for (int jahr : {1972, 2009, 2029, 2035})
        EXPECT_FALSE(Ostersonntag(jahr)) << jahr;
}

TEST(OsternTest, BussUndBettagIsTheWednesdayBefore23November) {
    for (int jahr = 2010; jahr <= 2028; ++jahr) {
        const Datum d = *BussUndBettag(jahr);
        EXPECT_EQ(d.monat, 11);
        EXPECT_EQ(Wochentag(d.tag, d.monat, d.jahr), 3) << jahr;
        EXPECT_TRUE(d.tag >= 16 && d.tag <= 22) << jahr;
    }
    EXPECT_FALSE(BussUndBettag(2009));
    EXPECT_FALSE(BussUndBettag(2029));
}
