#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include "calendar/Feiertage.h"
#include "calendar/Schulferien.h"

using namespace kalvora;

namespace {

Regionen Nur(std::initializer_list<int> laender) {
    Regionen r{};
    for (int l : laender)
        r[static_cast<std::size_t>(l)] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

std::string Tag(int t, int m) {
    return std::to_string(t) + '.' + std::to_string(m) + '.';
}

// The ranges a year shows for a selection, read back day by day through the lookup, written
// as "1.1.–5.1., 20.11., ...".
std::string Bereiche(const Regionen& regionen, int jahr) {
    const CFeiertage f(regionen);
    std::string s, anfang, letzter;
    const auto abschliessen = [&] {
        if (anfang.empty()) return;
        s += (s.empty() ? "" : ", ") + anfang + (letzter == anfang ? "" : "\u2013" + letzter);
        anfang.clear();
    };
    for (int m = 1; m <= 12; ++m)
        for (int t = 1; t <= TageImMonat(m, jahr); ++t) {
            if (!f.IstSchulferien(t, m, jahr)) {
                abschliessen();
                continue;
            }
            if (anfang.empty()) anfang = Tag(t, m);
            letzter = Tag(t, m);
        }
    abschliessen();
    return s;
}

} // namespace

TEST(FerienTest, EdgeCases) {
    struct Fall {
        Regionen regionen;
        int tag, monat, jahr;
        bool ferien;
    };
    Regionen alle{};
    alle.fill(1);
    const Fall faelle[] = {
        {Nur({2}), 20, 11, 2024, true},   {Nur({2}), 19, 11, 2024, false},    {Nur({2}), 21, 11, 2024, false},
        {Nur({6}), 13, 1, 2024, true},    {Nur({6}), 14, 1, 2024, false},     {Nur({2}), 31, 12, 2026, true},
        {alle, 1, 1, 2027, false},        {alle, 31, 12, 2009, false},        {alle, 1, 1, 2010, true},
        {Nur({2, 24}), 2, 9, 2024, true}, {Nur({2, 24}), 10, 9, 2024, false}, {alle, 31, 2, 2024, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(CFeiertage(f.regionen).IstSchulferien(f.tag, f.monat, f.jahr), f.ferien)
            << f.tag << '.' << f.monat << '.' << f.jahr;
    // The country flags alone select no state's school holidays.
    Regionen laender{};
    laender[kFlagDeutschland] = laender[kFlagOesterreich] = 1;
    EXPECT_FALSE(CFeiertage(laender).IstSchulferien(1, 8, 2024));
    // Two telling 2010 rows, fixed here in case the CSV itself is edited.
    EXPECT_EQ(Bereiche(Nur({1}), 2010), "1.1.–9.1., 6.4.–10.4., 25.5.–5.6., 29.7.–11.9., 2.11.–6.11., 23.12.–31.12.");
    EXPECT_EQ(Bereiche(Nur({24}), 2010), "1.1.–6.1., 1.2.–6.2., 27.3.–6.4., 22.5., 3.7.–4.9.");
}

// The CSV (which holds the 2024 table), through the generator, the built-in table and the lookup,
// comes back unchanged.
TEST(FerienTest, EveryCsvCellReadsBack) {
    std::ifstream csv(std::filesystem::path(__FILE__).parent_path() / "../../../data/schulferien.csv");
    ASSERT_TRUE(csv);
    std::map<std::pair<int, int>, std::string> zellen;
    std::string zeile;
    std::getline(csv, zeile);
    for (int r, j, j1, m1, t1, j2, m2, t2; std::getline(csv, zeile);) {
        ASSERT_EQ(std::sscanf(zeile.c_str(), "%d,%d,%d-%d-%d,%d-%d-%d", &r, &j, &j1, &m1, &t1, &j2, &m2, &t2),
                  8);
        std::string& s = zellen[{j, r}];
        s += (s.empty() ? "" : ", ") + Tag(t1, m1) + (m1 == m2 && t1 == t2 ? "" : "\u2013" + Tag(t2, m2));
    }
    EXPECT_EQ(zellen.size(), 17u * 25u);
    for (const auto& [zelle, bereiche] : zellen)
        ASSERT_EQ(Bereiche(Nur({zelle.second}), zelle.first), bereiche) << zelle.second << ' ' << zelle.first;
    EXPECT_EQ(SchulferienBereiche().size(), 3149u);
}
