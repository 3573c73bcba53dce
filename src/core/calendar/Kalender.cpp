#include "calendar/Kalender.h"

#include <array>

namespace kalvora {
namespace {

constexpr std::array<std::string_view, 12> kMonatsnamen = {"Januar",    "Februar", "M\xE4rz",  "April",
                                                           "Mai",       "Juni",    "Juli",     "August",
                                                           "September", "Oktober", "November", "Dezember"};

constexpr std::array<std::string_view, 7> kWochentage = {"SO", "MO", "DI", "MI", "DO", "FR", "SA"};

// Gregorian computus (Meeus/Jones/Butcher).
constexpr Datum GregorianischesOstern(int jahr) {
    const int a = jahr % 19;
    const int b = jahr / 100;
    const int c = jahr % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monat = (h + l - 7 * m + 114) / 31;
    const int tag = (h + l - 7 * m + 114) % 31 + 1;
    return {jahr, monat, tag};
}

static_assert(GregorianischesOstern(2024).monat == 3 && GregorianischesOstern(2024).tag == 31);

constexpr bool HatBeweglicheFeste(int jahr) {
    return jahr >= kBeweglicheFesteErstesJahr && jahr <= kBeweglicheFesteLetztesJahr;
}

} // namespace

std::string_view Monatsname(int monat) {
    return monat >= 1 && monat <= 12 ? kMonatsnamen[static_cast<std::size_t>(monat - 1)] : std::string_view{};
}

std::string_view WochentagKuerzel(int wochentag) {
    return wochentag >= 0 && wochentag <= 6 ? kWochentage[static_cast<std::size_t>(wochentag)]
                                            : std::string_view{};
}

std::optional<Datum> Ostersonntag(int jahr) {
    if (!HatBeweglicheFeste(jahr)) return std::nullopt;
    return GregorianischesOstern(jahr);
}

std::optional<Datum> BussUndBettag(int jahr) {
    if (!HatBeweglicheFeste(jahr)) return std::nullopt;
    // Step back from 22 November to its Wednesday (0 days if it is one, else 1..6).
    const int zurueck = (Wochentag(22, 11, jahr) - 3 + 7) % 7;
    return Datum{jahr, 11, 22 - zurueck};
}

} // namespace kalvora
