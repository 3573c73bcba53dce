#pragma once
#include <array>
#include <string>
#include <string_view>

namespace kalvora {

// Holiday regions: 0..15 the German states, 16..24 the Austrian states, then two derived
// country flags. Each flag is 0 or 1.
inline constexpr int kAnzahlLaender = 25;
inline constexpr int kErstesOesterreichLand = 16;
inline constexpr int kFlagDeutschland = 25;
inline constexpr int kFlagOesterreich = 26;
inline constexpr int kAnzahlRegionsflags = 27;

using Regionen = std::array<int, kAnzahlRegionsflags>;

// Sets the country flags from the states, as the settings dialog does. The holiday rules read
// them as stored, so a hand-edited selection may hold a country flag without any state.
constexpr void AbgeleiteteFlagsSetzen(Regionen& regionen) {
    int deutschland = 0;
    int oesterreich = 0;
    for (int i = 0; i < kAnzahlLaender; ++i) {
        if (regionen[static_cast<std::size_t>(i)] == 0) continue;
        (i < kErstesOesterreichLand ? deutschland : oesterreich) = 1;
    }
    regionen[kFlagDeutschland] = deutschland;
    regionen[kFlagOesterreich] = oesterreich;
}

// The state's name as the settings dialog shows it, Windows-1252; empty for other numbers.
constexpr std::string_view Regionsname(int region) {
    constexpr std::string_view kNamen[kAnzahlLaender] = {"Sachsen-Anhalt",
                                                         "Baden-W\xFCrttemberg",
                                                         "Bayern",
                                                         "Berlin",
                                                         "Bremen",
                                                         "Hamburg",
                                                         "Hessen",
                                                         "Mecklenburg-Vorpommern",
                                                         "Niedersachsen",
                                                         "Nordrhein-Westfalen",
                                                         "Rheinland-Pfalz",
                                                         "Saarland",
                                                         "Sachsen",
                                                         "Schleswig-Holstein",
                                                         "Th\xFCringen",
                                                         "Brandenburg",
                                                         "Burgenland",
                                                         "K\xE4rnten",
                                                         "Nieder\xF6sterreich",
                                                         "Ober\xF6sterreich",
                                                         "Salzburg",
                                                         "Steiermark",
                                                         "Tirol",
                                                         "Vorarlberg",
                                                         "Wien"};
    return region >= 0 && region < kAnzahlLaender ? kNamen[region] : std::string_view{};
}

// A state given on a command line (UTF-8): its number 0..24 or its name, case-insensitive and with
// or without umlauts ("Kärnten", "kaernten", "KARNTEN"); spaces and hyphens do not count. -1 if
// it names none.
int RegionAusText(std::string_view utf8);

} // namespace kalvora
