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

TEST(FerienTest, Table2024AndThe2010RowsReadBackExactly) {
    struct Zeile {
        int region, jahr;
        const char* bereiche;
    };
    const Zeile zeilen[] = {
        {1, 2024, "1.1.–5.1., 23.3.–5.4., 21.5.–31.5., 25.7.–7.9., 28.10.–31.10., 23.12.–31.12."},
        {2, 2024,
         "1.1.–5.1., 12.2.–16.2., 25.3.–6.4., 21.5.–1.6., 29.7.–9.9., 28.10.–31.10., 20.11., 23.12.–31.12."},
        {3, 2024,
         "1.1.–5.1., 5.2.–10.2., 25.3.–5.4., 10.5., 18.7.–30.8., 4.10., 21.10.–2.11., 23.12.–31.12."},
        {15, 2024, "1.1.–5.1., 5.2.–9.2., 25.3.–5.4., 18.7.–31.8., 4.10., 21.10.–2.11., 23.12.–31.12."},
        {4, 2024,
         "1.1.–5.1., 1.2.–2.2., 18.3.–28.3., 10.5., 21.5., 24.6.–2.8., 4.10.–19.10., 1.11., 23.12.–31.12."},
        {5, 2024,
         "1.1.–5.1., 2.2., 18.3.–28.3., 10.5., 21.5.–24.5., 18.7.–28.8., 4.10., 21.10.–1.11., 20.12.–31.12."},
        {6, 2024, "1.1.–13.1., 25.3.–13.4., 15.7.–23.8., 14.10.–25.10., 23.12.–31.12."},
        {7, 2024,
         "1.1.–3.1., 5.2.–16.2., 25.3.–3.4., 10.5., 17.5.–21.5., 22.7.–31.8., 4.10., 21.10.–26.10., 1.11., "
         "23.12.–31.12."},
        {8, 2024,
         "1.1.–5.1., 1.2.–2.2., 18.3.–28.3., 10.5., 21.5., 24.6.–3.8., 4.10.–19.10., 1.11., 23.12.–31.12."},
        {9, 2024, "1.1.–5.1., 25.3.–6.4., 21.5., 8.7.–20.8., 14.10.–26.10., 23.12.–31.12."},
        {10, 2024, "1.1.–5.1., 25.3.–2.4., 21.5.–29.5., 15.7.–23.8., 14.10.–25.10., 23.12.–31.12."},
        {11, 2024,
         "1.1.–2.1., 12.2.–16.2., 25.3.–5.4., 21.5.–24.5., 15.7.–23.8., 14.10.–25.10., 23.12.–31.12."},
        {12, 2024,
         "1.1.–2.1., 12.2.–23.2., 28.3.–5.4., 10.5., 18.5.–21.5., 20.6.–2.8., 7.10.–19.10., 23.12.–31.12."},
        {0, 2024,
         "1.1.–3.1., 5.2.–10.2., 25.3.–30.3., 21.5.–24.5., 24.6.–3.8., 30.9., 12.10.–1.11., 23.12.–31.12."},
        {13, 2024, "1.1.–6.1., 2.4.–19.4., 10.5.–11.5., 22.7.–31.8., 4.9., 21.10.–1.11., 19.12.–31.12."},
        {14, 2024, "1.1.–5.1., 12.2.–16.2., 25.3.–6.4., 10.5., 20.6.–31.7., 30.9.–12.10., 23.12.–31.12."},
        {16, 2024,
         "1.1.–6.1., 12.2.–18.2., 23.3.–1.4., 18.5.–20.5., 29.6.–2.9., 28.10.–31.10., 2.11., 11.11., "
         "24.12.–31.12."},
        {17, 2024,
         "1.1.–6.1., 12.2.–18.2., 19.3., 23.3.–1.4., 18.5.–20.5., 6.7.–8.9., 28.10.–31.10., 24.12.–31.12."},
        {18, 2024,
         "1.1.–6.1., 5.2.–11.2., 23.3.–1.4., 18.5.–20.5., 29.6.–2.9., 28.10.–31.10., 15.11., 24.12.–31.12."},
        {19, 2024,
         "1.1.–6.1., 19.2.–25.2., 23.3.–1.4., 4.5., 18.5.–20.5., 6.7.–8.9., 28.10.–31.10., 24.12.–31.12."},
        {20, 2024,
         "1.1.–6.1., 12.2.–17.2., 23.3.–1.4., 18.5.–20.5., 6.7.–8.9., 24.9., 28.10.–31.10., 24.12.–31.12."},
        {21, 2024,
         "1.1.–6.1., 19.2.–25.2., 19.3., 23.3.–1.4., 18.5.–20.5., 6.7.–8.9., 28.10.–31.10., 24.12.–31.12."},
        {22, 2024,
         "1.1.–6.1., 12.2.–17.2., 19.3., 23.3.–1.4., 18.5.–20.5., 6.7.–8.9., 28.10.–31.10., 24.12.–31.12."},
        {23, 2024,
         "1.1.–6.1., 12.2.–18.2., 19.3., 23.3.–1.4., 18.5.–20.5., 6.7.–8.9., 28.10.–31.10., 24.12.–31.12."},
        {24, 2024,
         "1.1.–6.1., 5.2.–11.2., 23.3.–1.4., 18.5.–20.5., 26.6.–2.9., 28.10.–31.10., 15.11., 24.12.–31.12."},
        {1, 2010, "1.1.–9.1., 6.4.–10.4., 25.5.–5.6., 29.7.–11.9., 2.11.–6.11., 23.12.–31.12."},
        {24, 2010, "1.1.–6.1., 1.2.–6.2., 27.3.–6.4., 22.5., 3.7.–4.9."},
    };
    for (const Zeile& z : zeilen)
        EXPECT_EQ(Bereiche(Nur({z.region}), z.jahr), z.bereiche) << z.region << ' ' << z.jahr;
}

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
        {alle, 1, 1, 2027, false},        {alle, 1, 1, 2009, false},          {alle, 31, 12, 2009, false},
        {alle, 1, 1, 2010, true},         {Nur({5}), 1, 1, 2010, false}, // Hamburg 2010 starts later
        {Nur({2, 24}), 2, 9, 2024, true}, {Nur({2, 24}), 10, 9, 2024, false}, {Nur({}), 1, 8, 2024, false},
        {alle, 31, 2, 2024, false},       {alle, 0, 8, 2024, false},          {alle, 1, 13, 2024, false},
    };
    // The country flags alone select no state's school holidays.
    Regionen laender{};
    laender[kFlagDeutschland] = laender[kFlagOesterreich] = 1;
    EXPECT_FALSE(CFeiertage(laender).IstSchulferien(1, 8, 2024));
    for (const Fall& f : faelle)
        EXPECT_EQ(CFeiertage(f.regionen).IstSchulferien(f.tag, f.monat, f.jahr), f.ferien)
            << f.tag << '.' << f.monat << '.' << f.jahr;
}

// The CSV, through the generator, the built-in table and the lookup, comes back unchanged.
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
