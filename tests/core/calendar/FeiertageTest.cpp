#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"

using namespace kalvora;

namespace {

enum Land { ST = 0, BW, BY, BE, HB, HH, HE, MV, NI, NW, RP, SL, SN, SH, TH, BB, BURGENLAND = 16, WIEN = 24 };

Regionen Auswahl(std::initializer_list<int> laender) {
    Regionen r{};
    for (int l : laender)
        r[static_cast<std::size_t>(l)] = 1;
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
            if (f.IstFeiertag(t, m, jahr))
                s += (s.empty() ? "" : " ") + std::to_string(t) + '.' + std::to_string(m) + '.';
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
        {Auswahl({BY}), 2024, "1.1. 6.1. 29.3. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 3.10. 1.11. 25.12. 26.12."},
        {Auswahl({SN}), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 31.10. 20.11. 25.12. 26.12."},
        {Auswahl({SN}), 2030, "1.1. 1.5. 3.10. 31.10. 25.12. 26.12."}, // no moving feasts after 2028
        {Auswahl({ST}), 2009, "1.1. 6.1. 1.5. 3.10. 31.10. 25.12. 26.12."},
        {Auswahl({BW}), 2029, "1.1. 6.1. 1.5. 3.10. 1.11. 25.12. 26.12."},
        {Auswahl({WIEN}), 1972, "1.1. 6.1. 1.5. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Auswahl({SL}), 2028, "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 15.6. 15.8. 3.10. 1.11. 25.12. 26.12."},
        // a hand-edited selection: a country flag without any state still brings its common list
        {NurFlag(kFlagDeutschland), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 25.12. 26.12."},
        {NurFlag(kFlagOesterreich), 2024,
         "1.1. 6.1. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Auswahl({HE, WIEN}), 2024,
         "1.1. 6.1. 29.3. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 3.10. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Auswahl({}), 2024, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Liste(f.regionen, f.jahr), f.liste) << f.jahr;
}

TEST(FeiertagTest, StatesWithoutOwnDaysHaveTheCommonListOnly) {
    for (int land : {BE, HB, HH, NI, SH}) {
        for (int jahr : {2016, 2018, 2024})
            EXPECT_EQ(Liste(Auswahl({land}), jahr), Liste(NurFlag(kFlagDeutschland), jahr))
                << land << ' ' << jahr;
        EXPECT_EQ(Liste(Auswahl({land}), 2017), "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 3.10. 31.10. 25.12. 26.12.")
            << land;
    }
    // The Austrian states add nothing to the country list.
    for (int land = BURGENLAND; land <= WIEN; ++land)
        EXPECT_EQ(Liste(Auswahl({land}), 2015), Liste(NurFlag(kFlagOesterreich), 2015)) << land;
}

TEST(FeiertagTest, Reformationstag) {
    const auto reformationstag = [](const Regionen& r, int jahr) {
        return CFeiertage(r).IstFeiertag(31, 10, jahr);
    };
    for (int land = ST; land <= BB; ++land) {
        const bool jedesJahr = land == BB || land == MV || land == SN || land == ST || land == TH;
        EXPECT_TRUE(reformationstag(Auswahl({land}), 2017)) << land;
        EXPECT_EQ(reformationstag(Auswahl({land}), 2016), jedesJahr) << land;
        EXPECT_EQ(reformationstag(Auswahl({land}), 2018), jedesJahr) << land;
    }
    EXPECT_FALSE(reformationstag(NurFlag(kFlagDeutschland), 2017));
    EXPECT_FALSE(reformationstag(Auswahl({WIEN}), 2017));
}

TEST(FeiertagTest, NeverAHoliday) {
    Regionen alle{};
    alle.fill(1);
    const CFeiertage f(alle);
    struct Fall {
        int tag, monat, jahr;
    };
    for (const Fall& d :
         {Fall{31, 3, 2024}, Fall{19, 5, 2024}, Fall{31, 12, 2024}, Fall{8, 3, 2024}, Fall{20, 9, 2024},
          Fall{19, 3, 2024}, Fall{4, 5, 2024}, Fall{30, 3, 2029}, Fall{2, 4, 2029}, Fall{30, 2, 2024},
          Fall{0, 1, 2024}, Fall{32, 12, 2024}, Fall{1, 13, 2024}, Fall{1, 0, 2024}})
        EXPECT_FALSE(f.IstFeiertag(d.tag, d.monat, d.jahr)) << d.tag << '.' << d.monat << '.' << d.jahr;
    // 24 December is Austrian only.
    Regionen deutschland{};
    for (int land = ST; land <= BB; ++land)
        deutschland[static_cast<std::size_t>(land)] = 1;
    AbgeleiteteFlagsSetzen(deutschland);
    EXPECT_FALSE(CFeiertage(deutschland).IstFeiertag(24, 12, 2024));
    EXPECT_TRUE(f.IstFeiertag(2, 4, 2010)); // Karfreitag
}

TEST(FeiertagTest, ReadsTheSelectionAtEveryCall) {
    Regionen regionen{};
    const CFeiertage f(regionen);
    for (int jahr = 1972; jahr <= 2035; ++jahr)
        for (int m = 1; m <= 12; ++m)
            for (int t = 1; t <= 31; ++t)
                ASSERT_FALSE(f.IstFeiertag(t, m, jahr)) << t << '.' << m << '.' << jahr;
    regionen = Auswahl({SN});
    EXPECT_TRUE(f.IstFeiertag(20, 11, 2024));
}
