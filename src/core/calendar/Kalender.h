#pragma once
#include <optional>
#include <string_view>

#include "data/Time.h"

// Dates cross the calendar interfaces as (day 1..31, month 1..12, four-digit year). Nothing is
// validated up front: an impossible date such as 31 February matches no rule.
namespace kalvora {

// Easter and Buß- und Bettag are known for these years only; outside them no moving feast exists.
inline constexpr int kBeweglicheFesteErstesJahr = 2010;
inline constexpr int kBeweglicheFesteLetztesJahr = 2028;

constexpr bool IstSchaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

// 0 for a month outside 1..12.
constexpr int TageImMonat(int monat, int jahr) {
    constexpr int kTage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12) return 0;
    return kTage[monat - 1] + (monat == 2 && IstSchaltjahr(jahr) ? 1 : 0);
}

constexpr bool IstGueltigesDatum(int tag, int monat, int jahr) {
    return tag >= 1 && tag <= TageImMonat(monat, jahr);
}

// 0 = Sunday .. 6 = Saturday.
constexpr int Wochentag(int tag, int monat, int jahr) {
    const auto t = TageAusDatum(jahr, monat, tag);
    return static_cast<int>(((t % 7) + 7 + 4) % 7); // 1970-01-01 was a Thursday
}

// "Januar".."Dezember" for 1..12 as Windows-1252 bytes ("M\xE4rz"); empty outside.
std::string_view Monatsname(int monat);

// "SO", "MO", .. "SA" for 0 = Sunday .. 6; empty outside.
std::string_view WochentagKuerzel(int wochentag);

// A day is weekend when its abbreviation is "SA" or "SO".
constexpr bool IstWochenende(int wochentag) {
    return wochentag == 0 || wochentag == 6;
}

std::optional<Datum> Ostersonntag(int jahr);

// The Wednesday before 23 November.
std::optional<Datum> BussUndBettag(int jahr);

} // namespace kalvora
