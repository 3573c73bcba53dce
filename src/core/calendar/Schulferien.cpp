#include "calendar/Schulferien.h"

#include <array>

namespace kalvora {
namespace {

constexpr int kJahre = kSchulferienLetztesJahr - kSchulferienErstesJahr + 1;

// One mask per (year, month, day 0..31): a query is one load. Day 0 and days a month lacks
// stay 0, so impossible dates need no extra test.
using Masken = std::array<std::uint32_t, kJahre * 12 * 32>;

constexpr std::size_t Index(unsigned jahrIndex, unsigned monatIndex, unsigned tag) {
    return (jahrIndex * 12u + monatIndex) * 32u + tag;
}

const Masken& TagesMasken() {
    static const Masken masken = [] {
        Masken m{};
        for (const SchulferienBereich& b : SchulferienBereiche()) {
            const auto bis = TageAusDatum(b.jahr, b.bisMonat, b.bisTag);
            for (auto z = TageAusDatum(b.jahr, b.vonMonat, b.vonTag); z <= bis; ++z) {
                const Datum d = DatumAusTagen(z);
                m[Index(static_cast<unsigned>(d.jahr - kSchulferienErstesJahr),
                        static_cast<unsigned>(d.monat - 1), static_cast<unsigned>(d.tag))] |= 1u << b.region;
            }
        }
        return m;
    }();
    return masken;
}

} // namespace

std::uint32_t SchulferienMaske(int tag, int monat, int jahr) {
    const auto jahrIndex = static_cast<unsigned>(jahr) - unsigned{kSchulferienErstesJahr};
    const auto monatIndex = static_cast<unsigned>(monat) - 1u;
    const auto t = static_cast<unsigned>(tag);
    if (jahrIndex >= kJahre || monatIndex >= 12u || t >= 32u) return 0;
    return TagesMasken()[Index(jahrIndex, monatIndex, t)];
}

} // namespace kalvora
