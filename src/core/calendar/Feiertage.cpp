#include "calendar/Feiertage.h"

#include <array>
#include <bit>

#include "calendar/Kalender.h"
#include "calendar/Schulferien.h"

namespace kalvora {
namespace {

constexpr std::uint32_t Bit(int flag) {
    return 1u << flag;
}

// German states by their region index.
constexpr std::uint32_t ST = Bit(0), BW = Bit(1), BY = Bit(2), BE = Bit(3), HB = Bit(4), HH = Bit(5),
                        HE = Bit(6), MV = Bit(7), NI = Bit(8), NW = Bit(9), RP = Bit(10), SL = Bit(11),
                        SN = Bit(12), SH = Bit(13), TH = Bit(14), BB = Bit(15);
// Any German state, any Austrian state: each country's common list hangs on these alone.
constexpr std::uint32_t DE = Bit(kFlagDeutschland), AT = Bit(kFlagOesterreich);

struct FesterFeiertag {
    int tag;
    int monat;
    std::uint32_t flags;
};

constexpr FesterFeiertag kFesteFeiertage[] = {
    {1, 1, DE | AT},                      // Neujahr
    {6, 1, AT | BW | BY | ST},            // Heilige Drei Könige
    {1, 5, DE | AT},                      // Tag der Arbeit, Staatsfeiertag
    {15, 8, AT | BY | SL},                // Mariä Himmelfahrt
    {3, 10, DE},                          // Tag der Deutschen Einheit
    {26, 10, AT},                         // Nationalfeiertag
    {31, 10, BB | MV | SN | ST | TH},     // Reformationstag
    {1, 11, AT | BW | BY | NW | RP | SL}, // Allerheiligen
    {8, 12, AT},                          // Mariä Empfängnis
    {24, 12, AT},                         // Heiliger Abend
    {25, 12, DE | AT},                    // Weihnachten
    {26, 12, DE | AT},
};

// The anniversary year 2017 gave every other state the Reformationstag too.
constexpr int kReformationsjubilaeum = 2017;
constexpr std::uint32_t kReformationstag2017 = BW | BY | BE | HB | HH | HE | NI | NW | RP | SL | SH;

struct OsterFeiertag {
    int abstand; // days from Easter Sunday
    std::uint32_t flags;
};

constexpr OsterFeiertag kOsterFeiertage[] = {
    {-2, DE},                               // Karfreitag (not in Austria)
    {1, DE | AT},                           // Ostermontag
    {39, DE | AT},                          // Christi Himmelfahrt
    {50, DE | AT},                          // Pfingstmontag
    {60, AT | BW | BY | HE | NW | RP | SL}, // Fronleichnam
};

constexpr auto kFesteTabelle = [] {
    std::array<std::uint32_t, 13 * 32> t{};
    for (const FesterFeiertag& f : kFesteFeiertage)
        t[static_cast<std::size_t>(f.monat * 32 + f.tag)] |= f.flags;
    return t;
}();

struct BeweglicheFeste {
    std::int64_t ostern; // day number of Easter Sunday
    int bussUndBettag;   // day in November
};

const std::array<BeweglicheFeste, kBeweglicheFesteLetztesJahr - kBeweglicheFesteErstesJahr + 1>&
BeweglicheFesteTabelle() {
    static const auto tabelle = [] {
        std::array<BeweglicheFeste, kBeweglicheFesteLetztesJahr - kBeweglicheFesteErstesJahr + 1> t{};
        for (int jahr = kBeweglicheFesteErstesJahr; jahr <= kBeweglicheFesteLetztesJahr; ++jahr) {
            const Datum o = *Ostersonntag(jahr);
            t[static_cast<std::size_t>(jahr - kBeweglicheFesteErstesJahr)] = {
                TageAusDatum(o.jahr, o.monat, o.tag), BussUndBettag(jahr)->tag};
        }
        return t;
    }();
    return tabelle;
}

// True when a flag of `flags` is set in the selection.
bool EinesGesetzt(std::uint32_t flags, const Regionen& regionen) {
    for (; flags != 0; flags &= flags - 1)
        if (regionen[static_cast<std::size_t>(std::countr_zero(flags))] != 0) return true;
    return false;
}

} // namespace

std::uint32_t FeiertagsFlags(int tag, int monat, int jahr) {
    if (!IstGueltigesDatum(tag, monat, jahr)) return 0;
    std::uint32_t flags = kFesteTabelle[static_cast<std::size_t>(monat * 32 + tag)];
    if (jahr == kReformationsjubilaeum && monat == 10 && tag == 31) flags |= kReformationstag2017;

    const auto jahrIndex = static_cast<unsigned>(jahr) - unsigned{kBeweglicheFesteErstesJahr};
    const auto& beweglich = BeweglicheFesteTabelle();
    if (jahrIndex < beweglich.size()) {
        const BeweglicheFeste& b = beweglich[jahrIndex];
        const auto abstand = TageAusDatum(jahr, monat, tag) - b.ostern;
        for (const OsterFeiertag& o : kOsterFeiertage)
            if (abstand == o.abstand) flags |= o.flags;
        if (monat == 11 && tag == b.bussUndBettag) flags |= SN;
    }
    return flags;
}

} // namespace kalvora

using namespace kalvora;

bool CFeiertage::IstFeiertag(int tag, int monat, int jahr) const {
    return EinesGesetzt(FeiertagsFlags(tag, monat, jahr), *m_pRegionen);
}

bool CFeiertage::IstSchulferien(int tag, int monat, int jahr) const {
    return EinesGesetzt(SchulferienMaske(tag, monat, jahr), *m_pRegionen);
}

std::int16_t CFeiertage::Kalenderwoche(int tag, int monat, int jahr) const {
    // Counted on dates, like every calendar rule: stepping noon by 604800 s would let the hour of
    // a clock change decide the count in some time zones.
    const auto neujahr = TageAusDatum(jahr, 1, 1);
    const auto datum = TageAusDatum(jahr, monat, tag);
    const int wtNeujahr = Wochentag(1, 1, jahr);
    std::int64_t n = wtNeujahr >= 1 && wtNeujahr <= 4 ? 1 : 0; // 1 January on Monday..Thursday
    if (datum > neujahr) n += (datum - neujahr + 6) / 7;       // weeks until 1 January + 7k >= date
    const int wtSilvester = Wochentag(31, 12, jahr);
    if (n == 53 && wtSilvester >= 1 && wtSilvester <= 3) n = 1; // 31 December on Monday..Wednesday
    return static_cast<std::int16_t>(n);
}
