#include "calendar/Kalender.h"

#include <array>

namespace kalvora {
namespace {

constexpr std::array<std::string_view, 12> kMonatsnamen = {"Januar",    "Februar", "M\xE4rz",  "April",
                                                           "Mai",       "Juni",    "Juli",     "August",
                                                           "September", "Oktober", "November", "Dezember"};

constexpr std::array<std::string_view, 7> kWochentage = {"SO", "MO", "DI", "MI", "DO", "FR", "SA"};

} // namespace

std::string_view Monatsname(int monat) {
    return monat >= 1 && monat <= 12 ? kMonatsnamen[static_cast<std::size_t>(monat - 1)] : std::string_view{};
}

std::string_view WochentagKuerzel(int wochentag) {
    return wochentag >= 0 && wochentag <= 6 ? kWochentage[static_cast<std::size_t>(wochentag)]
                                            : std::string_view{};
}

} // namespace kalvora
