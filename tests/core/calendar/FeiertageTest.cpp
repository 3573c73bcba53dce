#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"

using namespace kalvora;

namespace {

enum Land { ST = 0, BW, BY, BE, HB, HH, HE, MV, NI, NW, RP, SL, SN, SH, TH, BB, WIEN = 24 };

Regionen Auswahl(std::initializer_list<int> laender) {
    Regionen r{};
    for (int l : laender) r[static_cast<std::size_t>(l)] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

Regionen NurFlag(int flag) {
    Regionen r{};
    r[static_cast<std::size_t>(flag)] = 1;
    return r;
}

// All holidays of a year as "1.1. 6.1. ...".
std::string Liste(const Regionen& regionen, int jahr) {
    const CFeiertage f(regionen);
    std::string s;
    for (int m = 1; m <= 12; ++m)
        for (int t = 1; t <= TageImMonat(m, jahr); ++t)
            if (f.IstFeiertag(t, m, jahr)) s += (s.empty() ? "" : " ") + std::to_string(t) + '.' + std::to_string(m) + '.';
    return s;
}

} // namespace

TEST(FeiertagTest, FullListsOfAYear) {
    struct Fall {
        Regionen regionen;
        int jahr;
        const char* liste;
    };
    const Fall faelle[] = {
        {Auswahl({BW}), 2015, "1.1. 6.1. 3.4. 6.4. 1.5. 14.5. 25.5. 4.6. 3.10. 1.11. 25.12. 26.12."},
        {Auswahl({WIEN}), 2015,
         "1.1. 6.1. 6.4. 1.5. 14.5. 25.5. 4.6. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Auswahl({SN}), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 31.10. 20.11. 25.12. 26.12."},
        {Auswahl({SN}), 2030, "1.1. 1.5. 3.10. 31.10. 25.12. 26.12."}, // no moving feasts after 2028
        // a country flag without any state still brings its common list
        {NurFlag(kFlagDeutschland), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 25.12. 26.12."},
        {NurFlag(kFlagOesterreich), 2024,
         "1.1. 6.1. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Auswahl({HE, WIEN}), 2024,
         "1.1. 6.1. 29.3. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 3.10. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Auswahl({}), 2024, ""},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Liste(f.regionen, f.jahr), f.liste) << f.jahr;
}

// Hessen has no day of its own: 31.10. only in 2017; the eastern states every year.
TEST(FeiertagTest, Reformationstag) {
    for (int land = ST; land <= BB; ++land) {
        const bool jedesJahr = land == BB || land == MV || land == SN || land == ST || land == TH;
        const Regionen r = Auswahl({land});
        for (int jahr : {2016, 2017, 2018})
            EXPECT_EQ(CFeiertage(r).IstFeiertag(31, 10, jahr), jedesJahr || jahr == 2017) << land << ' ' << jahr;
    }
    EXPECT_EQ(Liste(Auswahl({HE}), 2017), "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 15.6. 3.10. 31.10. 25.12. 26.12.");
    const Regionen deutschland = NurFlag(kFlagDeutschland);
    EXPECT_FALSE(CFeiertage(deutschland).IstFeiertag(31, 10, 2017));
}

TEST(FeiertagTest, InvalidDatesAndAChangedSelection) {
    Regionen regionen{};
    regionen.fill(1);
    const CFeiertage f(regionen);
    for (const auto [t, m] : {std::pair{30, 2}, {0, 1}, {32, 12}, {1, 13}, {1, 0}})
        EXPECT_FALSE(f.IstFeiertag(t, m, 2024)) << t << '.' << m;
    // The flags are read at every call, not copied.
    regionen = Regionen{};
    EXPECT_FALSE(f.IstFeiertag(20, 11, 2024));
    regionen = Auswahl({SN});
    EXPECT_TRUE(f.IstFeiertag(20, 11, 2024));
}
