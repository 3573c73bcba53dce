// Holidays, school holidays, week numbers and Easter; and kalvora-admin kalender as a real process.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>

#include "TestHilfen.h"
#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"
#include "calendar/Schulferien.h"
#include "data/AdminProzess.h"

using namespace kalvora;
using namespace kalvora::test;
namespace chr = std::chrono;

namespace {

enum Land { ST = 0, BW, BY, BE, HB, HH, HE, MV, NI, NW, RP, SL, SN, SH, TH, BB, WIEN = 24 };

Regionen NurFlag(int flag) {
    Regionen r{};
    r[static_cast<std::size_t>(flag)] = 1;
    return r;
}

std::string Tag(int t, int m) { return std::to_string(t) + '.' + std::to_string(m) + '.'; }

// All holidays of a year as "1.1. 6.1. ...".
std::string Liste(const Regionen& regionen, int jahr) {
    const CFeiertage f(regionen);
    std::string s;
    for (int m = 1; m <= 12; ++m)
        for (int t = 1; t <= TageImMonat(m, jahr); ++t)
            if (f.IstFeiertag(t, m, jahr)) s += (s.empty() ? "" : " ") + Tag(t, m);
    return s;
}

// The school-holiday ranges of a year, read back day by day through the lookup, as "1.1.–5.1., 20.11., ...".
std::string Bereiche(const Regionen& regionen, int jahr) {
    const CFeiertage f(regionen);
    std::string s, anfang, letzter;
    for (int m = 1; m <= 12; ++m)
        for (int t = 1; t <= TageImMonat(m, jahr) + (m == 12); ++t) { // a day past the year closes the last range
            const bool ferien = t <= TageImMonat(m, jahr) && f.IstSchulferien(t, m, jahr);
            if (ferien && anfang.empty()) anfang = Tag(t, m);
            if (!ferien && !anfang.empty())
                s += (s.empty() ? "" : ", ") + anfang + (letzter == anfang ? "" : "\u2013" + letzter), anfang.clear();
            letzter = Tag(t, m);
        }
    return s;
}

const Regionen kKeine{};
int Kw(int tag, int monat, int jahr) { return CFeiertage(kKeine).Kalenderwoche(tag, monat, jahr); }

// ISO 8601 week: the week of the year that holds its Thursday.
int IsoWoche(chr::sys_days tag) {
    const chr::sys_days donnerstag = tag - chr::days(chr::weekday(tag).iso_encoding() - 1) + chr::days(3);
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

AdminErgebnis Kalender(const std::string& argumente) {
    std::vector<std::string> args{"kalender"};
    std::istringstream in(argumente);
    for (std::string a; in >> a;) args.push_back(a);
    return AdminAufrufen(args, TempOrdner().pfad());
}

} // namespace

TEST(FeiertagTest, FullListsOfAYear) {
    const std::tuple<Regionen, int, const char*> faelle[] = {
        {Laender({BW}), 2015, "1.1. 6.1. 3.4. 6.4. 1.5. 14.5. 25.5. 4.6. 3.10. 1.11. 25.12. 26.12."},
        {Laender({WIEN}), 2015, "1.1. 6.1. 6.4. 1.5. 14.5. 25.5. 4.6. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Laender({SN}), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 31.10. 20.11. 25.12. 26.12."},
        {Laender({SN}), 2030, "1.1. 1.5. 3.10. 31.10. 25.12. 26.12."}, // no moving feasts after 2028
        // a country flag without any state still brings its common list
        {NurFlag(kFlagDeutschland), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 25.12. 26.12."},
        {NurFlag(kFlagOesterreich), 2024,
         "1.1. 6.1. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Laender({HE, WIEN}), 2024,
         "1.1. 6.1. 29.3. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 3.10. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Laender({}), 2024, ""},
        {NurFlag(kFlagDeutschland), 2017, "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 3.10. 25.12. 26.12."}, // no 31.10.
    };
    for (const auto& [regionen, jahr, liste] : faelle) EXPECT_EQ(Liste(regionen, jahr), liste) << jahr;
}

// 31.10.: the eastern states every year, the others (Hessen too) only in 2017.
TEST(FeiertagTest, Reformationstag) {
    for (int land = ST; land <= BB; ++land) {
        const bool jedesJahr = land == BB || land == MV || land == SN || land == ST || land == TH;
        const Regionen r = Laender({land});
        for (int jahr : {2016, 2017, 2018})
            EXPECT_EQ(CFeiertage(r).IstFeiertag(31, 10, jahr), jedesJahr || jahr == 2017) << land << ' ' << jahr;
    }
    EXPECT_EQ(Liste(Laender({HE}), 2017), "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 15.6. 3.10. 31.10. 25.12. 26.12.");
}

TEST(FeiertagTest, InvalidDatesAndAChangedSelection) {
    Regionen regionen{};
    regionen.fill(1);
    const CFeiertage f(regionen);
    for (const auto [t, m] : {std::pair{30, 2}, {0, 1}, {32, 12}, {1, 13}, {1, 0}})
        EXPECT_FALSE(f.IstFeiertag(t, m, 2024)) << t << '.' << m;
    regionen = Regionen{}; // the flags are read at every call, not copied
    const bool ohne = f.IstFeiertag(20, 11, 2024);
    regionen = Laender({SN});
    EXPECT_EQ(std::tuple(ohne, f.IstFeiertag(20, 11, 2024)), std::tuple(false, true));
}

// Mondays are ISO 8601 weeks; other days count the weeks started so far.
TEST(KalenderwocheTest, KnownWeeksAndEveryMondayIsTheIsoWeek) {
    // 1.1.2021 a Friday: no week started yet; 2.1.2024 a Tuesday; 31.12.2024 is not folded back to 1.
    EXPECT_EQ(std::tuple(Kw(1, 1, 2021), Kw(2, 1, 2024), Kw(31, 12, 2024)), std::tuple(0, 2, 54));
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

TEST(OsternTest, EasterAndBussUndBettagFrom2010To2028Only) {
    for (int jahr = 2010; jahr <= 2028; ++jahr) {
        const auto o = Ostersonntag(jahr);
        ASSERT_TRUE(o) << jahr;
        const Datum g = GaussOstern(jahr);
        EXPECT_EQ(std::tie(o->jahr, o->monat, o->tag), std::tie(g.jahr, g.monat, g.tag)) << jahr;
        // Buß- und Bettag: the Wednesday before 23 November.
        const Datum b = *BussUndBettag(jahr);
        EXPECT_TRUE(b.monat == 11 && b.tag >= 16 && b.tag <= 22 && Wochentag(b.tag, 11, jahr) == 3) << jahr;
    }
    for (int jahr : {1972, 2009, 2029, 2035}) EXPECT_FALSE(Ostersonntag(jahr) || BussUndBettag(jahr)) << jahr;
}

TEST(FerienTest, EdgeCases) {
    Regionen alle{};
    alle.fill(1);
    const std::tuple<Regionen, int, int, int, bool> faelle[] = {
        {Laender({2}), 20, 11, 2024, true},   {Laender({2}), 19, 11, 2024, false},
        {Laender({2}), 21, 11, 2024, false},  {Laender({6}), 13, 1, 2024, true},
        {Laender({6}), 14, 1, 2024, false},   {Laender({2}), 31, 12, 2026, true},
        {alle, 1, 1, 2027, false},            {alle, 31, 12, 2009, false},
        {alle, 1, 1, 2010, true},             {Laender({2, 24}), 2, 9, 2024, true},
        {Laender({2, 24}), 10, 9, 2024, false}, {alle, 31, 2, 2024, false},
        // The country flags alone select no state's school holidays.
        {NurFlag(kFlagDeutschland), 1, 8, 2024, false}, {NurFlag(kFlagOesterreich), 1, 8, 2024, false},
    };
    for (const auto& [regionen, tag, monat, jahr, ferien] : faelle)
        EXPECT_EQ(CFeiertage(regionen).IstSchulferien(tag, monat, jahr), ferien) << tag << '.' << monat << '.' << jahr;
    // Two telling 2010 rows, fixed here in case the CSV itself is edited.
    EXPECT_EQ(Bereiche(Laender({1}), 2010), "1.1.–9.1., 6.4.–10.4., 25.5.–5.6., 29.7.–11.9., 2.11.–6.11., 23.12.–31.12.");
    EXPECT_EQ(Bereiche(Laender({24}), 2010), "1.1.–6.1., 1.2.–6.2., 27.3.–6.4., 22.5., 3.7.–4.9.");
}

// The CSV, through the generator, the built-in table and the lookup, comes back unchanged.
TEST(FerienTest, EveryCsvCellReadsBack) {
    std::ifstream csv(std::filesystem::path(__FILE__).parent_path() / "../../../data/schulferien.csv");
    ASSERT_TRUE(csv);
    std::map<std::pair<int, int>, std::string> zellen;
    std::string zeile;
    std::getline(csv, zeile);
    for (int r, j, j1, m1, t1, j2, m2, t2; std::getline(csv, zeile);) {
        ASSERT_EQ(std::sscanf(zeile.c_str(), "%d,%d,%d-%d-%d,%d-%d-%d", &r, &j, &j1, &m1, &t1, &j2, &m2, &t2), 8);
        std::string& s = zellen[{j, r}];
        s += (s.empty() ? "" : ", ") + Tag(t1, m1) + (m1 == m2 && t1 == t2 ? "" : "\u2013" + Tag(t2, m2));
    }
    EXPECT_EQ(zellen.size(), 17u * 25u);
    for (const auto& [zelle, bereiche] : zellen)
        ASSERT_EQ(Bereiche(Laender({zelle.second}), zelle.first), bereiche) << zelle.second << ' ' << zelle.first;
    EXPECT_EQ(SchulferienBereiche().size(), 3149u);
}

TEST(AdminKalenderTest, PrintsEveryDayAndRefusesBadInput) {
    KALVORA_ADMIN_NOETIG();
    const AdminErgebnis e = Kalender("2024 --regionen 2,24");
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(std::count(e.out.begin(), e.out.end(), '\n'), 366);
    for (const char* zeile : {"2024-01-01 MO 1 F S\n", "2024-01-02 DI 2 - S\n", "2024-09-10 DI 38 - -\n",
                              "2024-11-20 MI 48 - S\n", "2024-12-31 DI 54 - S\n"})
        EXPECT_NE(e.out.find(zeile), std::string::npos) << zeile;
    // The same selection as flags; flags are taken as they are, without deriving.
    EXPECT_EQ(Kalender("2024 --flags 001000000000000000000000111").out, e.out);
    const std::string deutschland = Kalender("2017 --flags 000000000000000000000000010").out;
    EXPECT_TRUE(deutschland.starts_with("2017-01-01 SO 0 F -\n") &&
                deutschland.find("2017-10-31 DI 44 - -\n") != std::string::npos);
    for (const char* argumente :
         {"", "2024", "1971 --regionen 1", "2036 --regionen 1", "2024 --regionen 25", "2024 --regionen 1,",
          "2024 --flags 0101", "2024 --flags 0000000000000000000000000002",
          "2024 --regionen 1 --flags 000000000000000000000000000"}) {
        const AdminErgebnis e = Kalender(argumente);
        EXPECT_EQ(std::tuple(e.rc, e.out, e.err.starts_with("Fehler: ")), std::tuple(1, "", true))
            << argumente << ": " << e.err;
    }
}
