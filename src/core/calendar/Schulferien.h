#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "calendar/Kalender.h"
#include "calendar/Regionen.h"
#include "calendar/SchulferienJahre.h" // kSchulferienErstesJahr, kSchulferienLetztesJahr from the CSV

namespace kalvora {

// One inclusive range of school holidays of one region, both ends in `jahr`.
struct SchulferienBereich {
    std::uint8_t region; // 0..24
    std::uint16_t jahr;
    std::uint8_t vonMonat;
    std::uint8_t vonTag;
    std::uint8_t bisMonat;
    std::uint8_t bisTag;
};

// The built-in table, generated from data/schulferien.csv: sorted by year, region and first day.
std::span<const SchulferienBereich> SchulferienBereiche();

// Bit r is set when region r (0..24) has school holidays on that day; 0 outside the table's
// years and for impossible dates. Constant time.
std::uint32_t SchulferienMaske(int tag, int monat, int jahr);

// Checks a table as the lookup needs it: real dates inside the table's years, regions 0..24,
// sorted, ranges in a cell neither overlapping nor touching (touching ones belong merged), and no
// (year, region) cell empty; a short cell (a year not yet published in full) is fine. Used at
// compile time on the generated table.
constexpr bool SchulferienTabelleGueltig(std::span<const SchulferienBereich> bereiche) {
    constexpr int kZellen = (kSchulferienLetztesJahr - kSchulferienErstesJahr + 1) * kAnzahlLaender;
    bool belegt[kZellen] = {};
    const SchulferienBereich* vorher = nullptr;
    for (const SchulferienBereich& b : bereiche) {
        if (b.region >= kAnzahlLaender || b.jahr < kSchulferienErstesJahr || b.jahr > kSchulferienLetztesJahr)
            return false;
        if (!IstGueltigesDatum(b.vonTag, b.vonMonat, b.jahr) ||
            !IstGueltigesDatum(b.bisTag, b.bisMonat, b.jahr))
            return false;
        const auto von = TageAusDatum(b.jahr, b.vonMonat, b.vonTag);
        if (TageAusDatum(b.jahr, b.bisMonat, b.bisTag) < von) return false;
        if (vorher) {
            if (b.jahr < vorher->jahr || (b.jahr == vorher->jahr && b.region < vorher->region)) return false;
            if (b.jahr == vorher->jahr && b.region == vorher->region &&
                von <= TageAusDatum(vorher->jahr, vorher->bisMonat, vorher->bisTag) + 1)
                return false;
        }
        belegt[(b.jahr - kSchulferienErstesJahr) * kAnzahlLaender + b.region] = true;
        vorher = &b;
    }
    for (bool b : belegt)
        if (!b) return false;
    return true;
}

} // namespace kalvora
