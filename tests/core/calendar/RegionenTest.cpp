// States named on the command line: numbers, names in any case, umlauts written out or dropped.
#include <gtest/gtest.h>

#include "calendar/Regionen.h"

using namespace kalvora;

TEST(RegionAusTextTest, NumbersAndNamesAsTyped) {
    const std::pair<const char*, int> faelle[] = {
        {"0", 0}, {"24", 24}, {"25", -1}, {"-1", -1}, {"02", 2}, {" 2", -1}, {"2a", -1},
        {"Bayern", 2}, {"bayern", 2}, {"BAYERN", 2}, {"Wien", 24},
        {"Kärnten", 17}, {"kaernten", 17}, {"KARNTEN", 17}, {"KÄRNTEN", 17},
        {"Baden-Württemberg", 1}, {"baden-wuerttemberg", 1}, {"Baden Wurttemberg", 1},
        {"Thueringen", 14}, {"Niederösterreich", 18}, {"oberoesterreich", 19},
        // a prefix or a neighbour's name is not enough; "Sachsen" is not "Sachsen-Anhalt"
        {"Sachsen", 12}, {"Sachsen-Anhalt", 0}, {"SachsenAnhalt", 0}, {"Bayer", -1}, {"Österreich", -1},
        {"", -1}, {"-", -1}, {"K\xE4rnten", -1}, // Windows-1252 bytes are not UTF-8
    };
    for (const auto& [text, region] : faelle) EXPECT_EQ(RegionAusText(text), region) << text;
    for (int r = 0; r < kAnzahlLaender; ++r) EXPECT_EQ(RegionAusText(std::to_string(r)), r);
}
