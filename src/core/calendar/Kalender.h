#pragma once
#include <string_view>

#include "data/Time.h"

// Dates cross the calendar interfaces as (day 1..31, month 1..12, four-digit year). Nothing is
// validated up front: an impossible date such as 31 February matches no rule.
namespace kalvora {

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

// Easter Sunday by the Gregorian computus (Meeus/Jones/Butcher), for every year the plan can show
// and beyond; earlier than 1583 it is proleptic.
constexpr Datum Ostersonntag(int jahr) {
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

// Buß- und Bettag: the Wednesday before 23 November (16..22 November).
constexpr Datum BussUndBettag(int jahr) {
    // Step back from 22 November to its Wednesday (0 days if it is one, else 1..6).
    return {jahr, 11, 22 - (Wochentag(22, 11, jahr) - 3 + 7) % 7};
}

} // namespace kalvora
