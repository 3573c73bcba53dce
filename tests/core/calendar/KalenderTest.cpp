// Holidays, their names, school holidays, week numbers and Easter, each checked against rules written
// out here a second time; and kalvora-admin kalender as a real process.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <sstream>

#include "TestHilfen.h"
#include "app/Zeichensatz.h"
#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"
#include "calendar/Schulferien.h"
#include "data/AdminProzess.h"

using namespace kalvora;
using namespace kalvora::test;
namespace chr = std::chrono;

namespace {

enum Land { ST = 0, BW, BY, BE, HB, HH, HE, MV, NI, NW, RP, SL, SN, SH, TH, BB, WIEN = 24, DE = 25, AT = 26 };

// Flags set as they are, without deriving the country flags.
Regionen NurFlags(std::initializer_list<int> flags) {
    Regionen r{};
    for (int f : flags) r[static_cast<std::size_t>(f)] = 1;
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
                s += (s.empty() ? "" : ", ") + anfang + (letzter == anfang ? "" : "\u2013" + letzter),
                    anfang.clear();
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
chr::sys_days GaussOstern(int y) {
    const int k = y / 100, m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25, s = 2 - (3 * k + 3) / 4;
    const int a = y % 19, d = (19 * a + m) % 30, r = (d + a / 11) / 29;
    const int og = 21 + d - r, sz = 7 - (y + y / 4 + s) % 7, os = og + 7 - (og - sz) % 7;
    return chr::sys_days(chr::year(y) / 3 / 1) + chr::days(os - 1);
}

// The holiday rules once more, as plain lists of regions per named day (DE/AT: the country flags
// that every state of the country sets), in the order names are listed on a day.
struct Regel {
    const char* name;
    chr::sys_days (*datum)(int jahr);
    std::vector<int> regionen;
    int nurJahr = 0;
};
chr::sys_days Am(int j, unsigned m, unsigned t) { return chr::year(j) / chr::month(m) / chr::day(t); }
const Regel kRegeln[] = {
    {"Neujahr", [](int j) { return Am(j, 1, 1); }, {DE, AT}},
    {"Heilige Drei Könige", [](int j) { return Am(j, 1, 6); }, {AT, BW, BY, ST}},
    {"Karfreitag", [](int j) { return GaussOstern(j) - chr::days(2); }, {DE}},
    {"Ostermontag", [](int j) { return GaussOstern(j) + chr::days(1); }, {DE, AT}},
    {"Tag der Arbeit", [](int j) { return Am(j, 5, 1); }, {DE}},
    {"Staatsfeiertag", [](int j) { return Am(j, 5, 1); }, {AT}},
    {"Christi Himmelfahrt", [](int j) { return GaussOstern(j) + chr::days(39); }, {DE, AT}},
    {"Pfingstmontag", [](int j) { return GaussOstern(j) + chr::days(50); }, {DE, AT}},
    {"Fronleichnam", [](int j) { return GaussOstern(j) + chr::days(60); }, {AT, BW, BY, HE, NW, RP, SL}},
    {"Mariä Himmelfahrt", [](int j) { return Am(j, 8, 15); }, {AT, BY, SL}},
    {"Tag der Deutschen Einheit", [](int j) { return Am(j, 10, 3); }, {DE}},
    {"Nationalfeiertag", [](int j) { return Am(j, 10, 26); }, {AT}},
    {"Reformationstag", [](int j) { return Am(j, 10, 31); }, {BB, MV, SN, ST, TH}},
    {"Reformationstag", [](int j) { return Am(j, 10, 31); }, {BW, BY, BE, HB, HH, HE, NI, NW, RP, SL, SH}, 2017},
    {"Allerheiligen", [](int j) { return Am(j, 11, 1); }, {AT, BW, BY, NW, RP, SL}},
    {"Buß- und Bettag", [](int j) { return Am(j, 11, 22) - (chr::weekday(Am(j, 11, 22)) - chr::Wednesday); }, {SN}},
    {"Mariä Empfängnis", [](int j) { return Am(j, 12, 8); }, {AT}},
    {"Heiliger Abend", [](int j) { return Am(j, 12, 24); }, {AT}},
    {"1. Weihnachtstag", [](int j) { return Am(j, 12, 25); }, {DE}},
    {"Christtag", [](int j) { return Am(j, 12, 25); }, {AT}},
    {"2. Weihnachtstag", [](int j) { return Am(j, 12, 26); }, {DE}},
    {"Stefanitag", [](int j) { return Am(j, 12, 26); }, {AT}},
};
// The states by region number, as the settings dialog names them.
const char* const kLaender[] = {
    "Sachsen-Anhalt", "Baden-Württemberg", "Bayern", "Berlin", "Bremen", "Hamburg", "Hessen",
    "Mecklenburg-Vorpommern", "Niedersachsen", "Nordrhein-Westfalen", "Rheinland-Pfalz", "Saarland", "Sachsen",
    "Schleswig-Holstein", "Thüringen", "Brandenburg", "Burgenland", "Kärnten", "Niederösterreich",
    "Oberösterreich", "Salzburg", "Steiermark", "Tirol", "Vorarlberg", "Wien"};

// School holidays straight from the CSV: the regions (bits) free on each day.
const std::map<chr::sys_days, std::uint32_t>& CsvFerien() {
    static const auto ferien = [] {
        std::map<chr::sys_days, std::uint32_t> f;
        std::ifstream csv(std::filesystem::path(__FILE__).parent_path() / "../../../data/schulferien.csv");
        std::string zeile;
        std::getline(csv, zeile);
        for (int r, j, j1, m1, t1, j2, m2, t2; std::getline(csv, zeile);) {
            EXPECT_EQ(std::sscanf(zeile.c_str(), "%d,%d,%d-%d-%d,%d-%d-%d", &r, &j, &j1, &m1, &t1, &j2, &m2, &t2), 8);
            for (auto t = Am(j1, unsigned(m1), unsigned(t1)); t <= Am(j2, unsigned(m2), unsigned(t2)); t += chr::days(1))
                f[t] |= 1u << r;
        }
        return f;
    }();
    return ferien;
}

// "F S Ostermontag · Schulferien: Bayern" for a day, by the lists above.
std::string Erwartet(const Regionen& regionen, chr::sys_days t) {
    const auto gewaehlt = [&](int r) { return regionen[static_cast<std::size_t>(r)] != 0; };
    const int jahr = int(chr::year_month_day(t).year());
    std::vector<std::string> namen;
    for (const Regel& r : kRegeln) // each name once
        if ((r.nurJahr == 0 || r.nurJahr == jahr) && r.datum(jahr) == t &&
            std::any_of(r.regionen.begin(), r.regionen.end(), gewaehlt) &&
            std::find(namen.begin(), namen.end(), r.name) == namen.end())
            namen.push_back(r.name);
    std::string ferien;
    const auto it = CsvFerien().find(t);
    for (int r = 0; r < kAnzahlLaender; ++r)
        if (it != CsvFerien().end() && ((it->second >> r) & 1u) && gewaehlt(r))
            ferien += (ferien.empty() ? "" : ", ") + std::string(kLaender[r]);
    std::string s = std::string(namen.empty() ? "-" : "F") + (ferien.empty() ? " -" : " S");
    for (std::size_t i = 0; i < namen.size(); ++i) s += (i == 0 ? " " : ", ") + namen[i];
    if (!ferien.empty()) s += (namen.empty() ? " " : " · ") + ("Schulferien: " + ferien);
    return s;
}

// The same line as the library gives it.
std::string Ist(const Regionen& regionen, int tag, int monat, int jahr) {
    const CFeiertage f(regionen);
    const std::string namen = NamensText(tag, monat, jahr, regionen);
    return std::string(f.IstFeiertag(tag, monat, jahr) ? "F" : "-") +
           (f.IstSchulferien(tag, monat, jahr) ? " S" : " -") +
           (namen.empty() ? "" : " " + Utf8AusCp1252(namen));
}

AdminErgebnis Kalender(const std::string& argumente) {
    std::vector<std::string> args{"kalender"};
    std::istringstream in(argumente);
    for (std::string a; in >> a;) args.push_back(a);
    return AdminAufrufen(args, TempOrdner().pfad());
}

// The tool's lines for a year: date, weekday, week, the expected flags and, with --namen, the names.
std::string ErwartetesJahr(int jahr, const Regionen& regionen, bool namen) {
    static const char* const kTage[] = {"SO", "MO", "DI", "MI", "DO", "FR", "SA"};
    std::ostringstream s;
    char datum[16];
    for (auto t = Am(jahr, 1, 1); t <= Am(jahr, 12, 31); t += chr::days(1)) {
        const chr::year_month_day d(t);
        const int tag = int(unsigned(d.day())), monat = int(unsigned(d.month()));
        std::snprintf(datum, sizeof datum, "%04d-%02d-%02d", jahr, monat, tag);
        s << datum << ' ' << kTage[chr::weekday(t).c_encoding()] << ' ' << Kw(tag, monat, jahr) << ' '
          << Erwartet(regionen, t).substr(0, namen ? std::string::npos : 3) << '\n';
    }
    return s.str();
}

} // namespace

TEST(FeiertagTest, FullListsOfAYear) {
    const std::tuple<Regionen, int, const char*> faelle[] = {
        {Laender({BW}), 2015, "1.1. 6.1. 3.4. 6.4. 1.5. 14.5. 25.5. 4.6. 3.10. 1.11. 25.12. 26.12."},
        {Laender({WIEN}), 2015,
         "1.1. 6.1. 6.4. 1.5. 14.5. 25.5. 4.6. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {Laender({SN}), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 31.10. 20.11. 25.12. 26.12."},
        {Laender({SN}), 2030, "1.1. 19.4. 22.4. 1.5. 30.5. 10.6. 3.10. 31.10. 20.11. 25.12. 26.12."},
        // a country flag without any state still brings its common list
        {NurFlags({DE}), 2024, "1.1. 29.3. 1.4. 1.5. 9.5. 20.5. 3.10. 25.12. 26.12."},
        {NurFlags({AT}), 2024,
         "1.1. 6.1. 1.4. 1.5. 9.5. 20.5. 30.5. 15.8. 26.10. 1.11. 8.12. 24.12. 25.12. 26.12."},
        {NurFlags({DE}), 2017, "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 3.10. 25.12. 26.12."}, // no 31.10.
        {Laender({HE}), 2017, "1.1. 14.4. 17.4. 1.5. 25.5. 5.6. 15.6. 3.10. 31.10. 25.12. 26.12."},
        {Laender({BY}), 2008, "1.1. 6.1. 21.3. 24.3. 1.5. 12.5. 22.5. 15.8. 3.10. 1.11. 25.12. 26.12."},
    };
    for (const auto& [regionen, jahr, liste] : faelle)
        EXPECT_EQ(Liste(regionen, jahr), liste) << jahr;
}

// Every day 1972..2035, each region alone and together with others: holiday and school-holiday
// flags and the names agree with the lists above and the CSV.
TEST(FeiertagTest, EveryDayAgreesWithThePlainLists) {
    std::vector<Regionen> auswahl{Laender({BY, WIEN}), Laender({SN, HE, ST, BE}), NurFlags({DE}),
                                  NurFlags({AT}), kKeine};
    for (int r = 0; r < kAnzahlLaender; ++r) auswahl.push_back(Laender({r}));
    auswahl.emplace_back().fill(1);
    for (const Regionen& regionen : auswahl)
        for (auto t = Am(1972, 1, 1); t <= Am(2035, 12, 31); t += chr::days(1)) {
            const chr::year_month_day d(t);
            const int tag = int(unsigned(d.day())), monat = int(unsigned(d.month())), jahr = int(d.year());
            ASSERT_EQ(Ist(regionen, tag, monat, jahr), Erwartet(regionen, t))
                << tag << '.' << monat << '.' << jahr << ' ' << testing::PrintToString(regionen);
        }
}

// The tooltip and status-bar text: names, school holidays of the selected states only, and the years
// the school-holiday table does not know.
TEST(FeiertagTest, TagesText) {
    const std::tuple<Regionen, int, int, int, const char*> faelle[] = {
        {Laender({BY}), 2, 4, 2029, "Ostermontag · Schulferien: Bayern"},
        {Laender({BY, WIEN}), 1, 5, 2024, "Tag der Arbeit, Staatsfeiertag"},
        {Laender({BY, WIEN}), 1, 5, 2008,
         "Tag der Arbeit, Staatsfeiertag, Christi Himmelfahrt · Schulferien für 2008 nicht bekannt"},
        {Laender({BY, HE, WIEN}), 2, 1, 2024, "Schulferien: Bayern, Hessen, Wien"},
        {Laender({BY, HE}), 25, 12, 2017, "1. Weihnachtstag · Schulferien: Bayern, Hessen"},
        {Laender({SN, HE}), 31, 10, 2017, "Reformationstag"},
        {Laender({BY}), 2, 4, 2030, "Schulferien für 2030 nicht bekannt"},
        {Laender({SN}), 21, 11, 2035, "Buß- und Bettag · Schulferien für 2035 nicht bekannt"},
        {Laender({WIEN}), 17, 4, 1995, "Ostermontag · Schulferien für 1995 nicht bekannt"},
        {Laender({WIEN}), 7, 1, 2029, ""}, // Austria 2029 is known to 6 January only, and says nothing after
        {NurFlags({DE}), 25, 12, 2030, "1. Weihnachtstag"}, // no state, so no school holidays to miss
        {kKeine, 2, 4, 2030, ""},
        {Laender({BY}), 3, 4, 2029, "Schulferien: Bayern"},
    };
    for (const auto& [regionen, tag, monat, jahr, text] : faelle)
        EXPECT_EQ(Utf8AusCp1252(TagesText(tag, monat, jahr, regionen)), text)
            << tag << '.' << monat << '.' << jahr;
}

TEST(FeiertagTest, InvalidDatesAndAChangedSelection) {
    Regionen regionen{};
    regionen.fill(1);
    const CFeiertage f(regionen);
    // 32.3.2024 would be Ostermontag if the date were not checked.
    for (const auto [t, m] : {std::pair{30, 2}, {0, 1}, {32, 12}, {1, 13}, {1, 0}, {32, 3}})
        EXPECT_TRUE(!f.IstFeiertag(t, m, 2024) && FeiertagsNamen(t, m, 2024, regionen).empty())
            << t << '.' << m;
    // Far-off years keep their fixed days and do no date arithmetic that could overflow.
    EXPECT_EQ(FeiertagsNamen(1, 1, INT_MIN, regionen), std::vector<std::string_view>{"Neujahr"});
    regionen = Regionen{}; // the flags are read at every call, not copied
    const bool ohne = f.IstFeiertag(20, 11, 2024);
    regionen = Laender({SN});
    EXPECT_EQ(std::tuple(ohne, f.IstFeiertag(20, 11, 2024)), std::tuple(false, true));
}

// Mondays are ISO 8601 weeks; other days count the weeks started so far.
TEST(KalenderwocheTest, KnownWeeksAndEveryMondayIsTheIsoWeek) {
    // 1.1.2021 a Friday: no week started yet; 2.1.2024 a Tuesday; 31.12.2024 is not folded back to 1.
    EXPECT_EQ(std::tuple(Kw(1, 1, 2021), Kw(2, 1, 2024), Kw(31, 12, 2024)), std::tuple(0, 2, 54));
    for (auto t = Am(1972, 1, 3); t < Am(2036, 1, 1); t += chr::days(7)) { // 3 January 1972, a Monday
        const chr::year_month_day d(t);
        const int tag = static_cast<int>(unsigned(d.day())), monat = static_cast<int>(unsigned(d.month()));
        ASSERT_EQ(Kw(tag, monat, int(d.year())), IsoWoche(t)) << tag << '.' << monat << '.' << int(d.year());
    }
}

// Meeus/Jones/Butcher against Gauss over the whole Gregorian range both are meant for.
TEST(OsternTest, ComputusAgreesWithGauss) {
    for (int jahr = 1583; jahr <= 4099; ++jahr) {
        const Datum o = Ostersonntag(jahr);
        ASSERT_EQ(Am(o.jahr, unsigned(o.monat), unsigned(o.tag)), GaussOstern(jahr)) << jahr;
    }
}

// Single days and inclusive ends, across the turn of a year, Austria's short 2029 and a day that does
// not exist (every other day: the CSV comparison above).
TEST(FerienTest, EdgeCases) {
    Regionen alle{};
    alle.fill(1);
    const std::tuple<Regionen, int, int, int, bool> faelle[] = {
        {Laender({BY}), 20, 11, 2024, true}, {Laender({BY}), 21, 11, 2024, false},
        {Laender({HE}), 13, 1, 2024, true},  {Laender({HE}), 14, 1, 2024, false},
        {Laender({BY}), 1, 1, 2027, true},   {Laender({WIEN}), 7, 1, 2029, false},
        {alle, 31, 2, 2024, false},
    };
    for (const auto& [regionen, tag, monat, jahr, ferien] : faelle)
        EXPECT_EQ(CFeiertage(regionen).IstSchulferien(tag, monat, jahr), ferien)
            << tag << '.' << monat << '.' << jahr;
    // Two telling 2010 rows, fixed here in case the CSV itself is edited.
    EXPECT_EQ(Bereiche(Laender({BW}), 2010),
              "1.1.–9.1., 6.4.–10.4., 25.5.–5.6., 29.7.–11.9., 2.11.–6.11., 23.12.–31.12.");
    EXPECT_EQ(Bereiche(Laender({WIEN}), 2010), "1.1.–6.1., 1.2.–6.2., 27.3.–6.4., 22.5., 3.7.–4.9.");
    EXPECT_EQ(std::tuple(kSchulferienErstesJahr, kSchulferienLetztesJahr, SchulferienBereiche().size()),
              std::tuple(2010, 2029, 3656u));
}

TEST(AdminKalenderTest, PrintsEveryDayAndRefusesBadInput) {
    KALVORA_ADMIN_NOETIG();
    const AdminErgebnis e = Kalender("2024 --regionen 2,24");
    EXPECT_EQ(std::tuple(e.rc, e.out), std::tuple(0, ErwartetesJahr(2024, Laender({BY, WIEN}), false))) << e.err;
    EXPECT_TRUE(e.out.starts_with("2024-01-01 MO 1 F S\n") && e.out.ends_with("2024-12-31 DI 54 - S\n"));
    // The same selection as flags (taken as they are, without deriving) and by name.
    EXPECT_EQ(Kalender("2024 --flags 001000000000000000000000111").out, e.out);
    EXPECT_EQ(Kalender("2024 --regionen Bayern,wien").out, e.out);
    EXPECT_EQ(Kalender("2017 --flags 000000000000000000000000010").out, ErwartetesJahr(2017, NurFlags({DE}), false));
    for (const char* argumente : {"", "2024", "1970 --regionen 1", "2037 --regionen 1", "2024 --regionen 25",
                                  "2024 --regionen 1,", "2024 --regionen Bayer", "2024 --flags 0101",
                                  "2024 --flags 0000000000000000000000000002",
                                  "2024 --regionen 1 --flags 000000000000000000000000000", "2024 --namen"}) {
        const AdminErgebnis e = Kalender(argumente);
        EXPECT_EQ(std::tuple(e.rc, e.out, e.err.starts_with("Fehler: ")), std::tuple(1, "", true))
            << argumente << ": " << e.err;
    }
}

// --namen, every year the tool shows, for selections that touch every rule.
TEST(AdminKalenderTest, NamesOfEveryYearAgreeWithThePlainLists) {
    KALVORA_ADMIN_NOETIG();
    const std::pair<const char*, Regionen> auswahl[] = {
        {"--regionen 2,12,24", Laender({BY, SN, WIEN})},
        {"--regionen 0,1,3,4,5,6,7,8,9,10,11,13,14,15",
         Laender({ST, BW, BE, HB, HH, HE, MV, NI, NW, RP, SL, SH, TH, BB})},
        {"--flags 000000000000000000000000011", NurFlags({DE, AT})}};
    for (const auto& [option, regionen] : auswahl)
        for (int jahr = 1972; jahr <= 2035; ++jahr) {
            const AdminErgebnis e = Kalender(std::to_string(jahr) + " --namen " + option);
            ASSERT_EQ(std::tuple(e.rc, e.out), std::tuple(0, ErwartetesJahr(jahr, regionen, true)))
                << option << ' ' << jahr << ' ' << e.err;
        }
}
