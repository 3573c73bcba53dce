#include "calendar/Feiertage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

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

// What fixes a holiday's date in a year.
enum class Anker : std::uint8_t { Kalendertag, Ostern, Bettag };

// A holiday's name in the regions of `flags`.
struct Benennung {
    std::uint32_t flags = 0;
    std::string_view name;
};

struct Feiertag {
    Anker anker = Anker::Kalendertag;
    int tag = 0;     // Kalendertag
    int monat = 0;   // Kalendertag
    int jahr = 0;    // Kalendertag in this year only; 0 every year
    int abstand = 0; // Ostern: days from Easter Sunday
    std::array<Benennung, 2> namen{};
};

constexpr Feiertag Fest(int tag, int monat, Benennung a, Benennung b = {}) {
    return {Anker::Kalendertag, tag, monat, 0, 0, {a, b}};
}
constexpr Feiertag Osterfest(int abstand, Benennung a) {
    return {Anker::Ostern, 0, 0, 0, abstand, {a, {}}};
}

// Every rule with its names, region by region; the lookup tables below are built from it, so a day
// is a holiday exactly where it has a name. Easter Sunday and Whit Sunday are never holidays here.
constexpr Feiertag kFeiertage[] = {
    Fest(1, 1, {DE | AT, "Neujahr"}),
    Fest(6, 1, {AT | BW | BY | ST, "Heilige Drei K\xF6nige"}),
    Osterfest(-2, {DE, "Karfreitag"}), // not in Austria
    Osterfest(1, {DE | AT, "Ostermontag"}),
    Fest(1, 5, {DE, "Tag der Arbeit"}, {AT, "Staatsfeiertag"}),
    Osterfest(39, {DE | AT, "Christi Himmelfahrt"}),
    Osterfest(50, {DE | AT, "Pfingstmontag"}),
    Osterfest(60, {AT | BW | BY | HE | NW | RP | SL, "Fronleichnam"}),
    Fest(15, 8, {AT | BY | SL, "Mari\xE4 Himmelfahrt"}),
    Fest(3, 10, {DE, "Tag der Deutschen Einheit"}),
    Fest(26, 10, {AT, "Nationalfeiertag"}),
    Fest(31, 10, {BB | MV | SN | ST | TH, "Reformationstag"}),
    // The anniversary year 2017 gave every other state the Reformationstag too.
    {Anker::Kalendertag,
     31,
     10,
     2017,
     0,
     {{{BW | BY | BE | HB | HH | HE | NI | NW | RP | SL | SH, "Reformationstag"}}}},
    Fest(1, 11, {AT | BW | BY | NW | RP | SL, "Allerheiligen"}),
    {Anker::Bettag, 0, 0, 0, 0, {{{SN, "Bu\xDF- und Bettag"}}}},
    Fest(8, 12, {AT, "Mari\xE4 Empf\xE4ngnis"}),
    Fest(24, 12, {AT, "Heiliger Abend"}),
    Fest(25, 12, {DE, "1. Weihnachtstag"}, {AT, "Christtag"}),
    Fest(26, 12, {DE, "2. Weihnachtstag"}, {AT, "Stefanitag"}),
};

constexpr std::uint32_t Flags(const Feiertag& f) {
    return f.namen[0].flags | f.namen[1].flags;
}

template <Anker anker, bool jedesJahr = true> constexpr std::size_t Anzahl() {
    return static_cast<std::size_t>(
        std::count_if(std::begin(kFeiertage), std::end(kFeiertage),
                      [](const Feiertag& f) { return f.anker == anker && (f.jahr == 0) == jedesJahr; }));
}

// The rules in the shape the lookup asks them: fixed days by (month, day), ...
constexpr auto kFesteTabelle = [] {
    std::array<std::uint32_t, 13 * 32> t{};
    for (const Feiertag& f : kFeiertage)
        if (f.anker == Anker::Kalendertag && f.jahr == 0)
            t[static_cast<std::size_t>(f.monat * 32 + f.tag)] |= Flags(f);
    return t;
}();

// ... fixed days of one year only, ...
constexpr auto kEinmalige = [] {
    std::array<Feiertag, Anzahl<Anker::Kalendertag, false>()> t{};
    std::size_t i = 0;
    for (const Feiertag& f : kFeiertage)
        if (f.anker == Anker::Kalendertag && f.jahr != 0) t[i++] = f;
    return t;
}();

// ... feasts by their distance from Easter Sunday, ...
struct OsterFeiertag {
    int abstand;
    std::uint32_t flags;
};
constexpr auto kOsterFeiertage = [] {
    std::array<OsterFeiertag, Anzahl<Anker::Ostern>()> t{};
    std::size_t i = 0;
    for (const Feiertag& f : kFeiertage)
        if (f.anker == Anker::Ostern) t[i++] = {f.abstand, Flags(f)};
    return t;
}();

// ... and the Buß- und Bettag.
constexpr std::uint32_t kBettagFlags = [] {
    std::uint32_t flags = 0;
    for (const Feiertag& f : kFeiertage)
        if (f.anker == Anker::Bettag) flags |= Flags(f);
    return flags;
}();

struct BeweglicheFeste {
    std::int64_t ostern; // day number of Easter Sunday
    int bettag;          // day in November
};

constexpr BeweglicheFeste BeweglicheFesteBerechnen(int jahr) {
    const Datum o = Ostersonntag(jahr);
    return {TageAusDatum(o.jahr, o.monat, o.tag), BussUndBettag(jahr).tag};
}

// Precomputed for every year a view of the plan can show (the year overview reaches 1970..2037);
// other years of the Gregorian calendar are computed when asked, and far-off years have none, so
// that no date arithmetic can overflow.
constexpr int kTabelleVon = 1970;
constexpr int kTabelleBis = 2037;
constexpr auto kBeweglicheFeste = [] {
    std::array<BeweglicheFeste, kTabelleBis - kTabelleVon + 1> t{};
    for (int jahr = kTabelleVon; jahr <= kTabelleBis; ++jahr)
        t[static_cast<std::size_t>(jahr - kTabelleVon)] = BeweglicheFesteBerechnen(jahr);
    return t;
}();

std::optional<BeweglicheFeste> BeweglicheFesteVon(int jahr) {
    const auto index = static_cast<unsigned>(jahr) - unsigned{kTabelleVon};
    if (index < kBeweglicheFeste.size()) return kBeweglicheFeste[index];
    if (jahr < 1583 || jahr > 9999) return std::nullopt;
    return BeweglicheFesteBerechnen(jahr);
}

bool Trifft(const Feiertag& f, int tag, int monat, int jahr, const std::optional<BeweglicheFeste>& b) {
    switch (f.anker) {
    case Anker::Kalendertag:
        return f.tag == tag && f.monat == monat && (f.jahr == 0 || f.jahr == jahr);
    case Anker::Ostern:
        return b && TageAusDatum(jahr, monat, tag) - b->ostern == f.abstand;
    case Anker::Bettag:
        return b && monat == 11 && tag == b->bettag;
    }
    return false;
}

// True when a flag of `flags` is set in the selection.
bool EinesGesetzt(std::uint32_t flags, const Regionen& regionen) {
    for (; flags != 0; flags &= flags - 1)
        if (regionen[static_cast<std::size_t>(std::countr_zero(flags))] != 0) return true;
    return false;
}

void Anhaengen(std::string& text, std::string_view trenner, std::string_view teil) {
    if (!text.empty()) text += trenner;
    text += teil;
}

} // namespace

std::uint32_t FeiertagsFlags(int tag, int monat, int jahr) {
    if (!IstGueltigesDatum(tag, monat, jahr)) return 0;
    std::uint32_t flags = kFesteTabelle[static_cast<std::size_t>(monat * 32 + tag)];
    for (const Feiertag& f : kEinmalige)
        if (f.jahr == jahr && f.monat == monat && f.tag == tag) flags |= Flags(f);
    if (const auto b = BeweglicheFesteVon(jahr)) {
        const auto abstand = TageAusDatum(jahr, monat, tag) - b->ostern;
        for (const OsterFeiertag& o : kOsterFeiertage)
            if (abstand == o.abstand) flags |= o.flags;
        if (monat == 11 && tag == b->bettag) flags |= kBettagFlags;
    }
    return flags;
}

std::vector<std::string_view> FeiertagsNamen(int tag, int monat, int jahr, const Regionen& regionen) {
    std::vector<std::string_view> namen;
    if (!IstGueltigesDatum(tag, monat, jahr)) return namen;
    const auto b = BeweglicheFesteVon(jahr);
    for (const Feiertag& f : kFeiertage) {
        if (!Trifft(f, tag, monat, jahr, b)) continue;
        for (const Benennung& n : f.namen)
            if (EinesGesetzt(n.flags, regionen) &&
                std::find(namen.begin(), namen.end(), n.name) == namen.end())
                namen.push_back(n.name);
    }
    return namen;
}

std::vector<std::string_view> SchulferienNamen(int tag, int monat, int jahr, const Regionen& regionen) {
    std::vector<std::string_view> namen;
    const std::uint32_t maske = SchulferienMaske(tag, monat, jahr);
    for (int r = 0; r < kAnzahlLaender; ++r)
        if ((maske & Bit(r)) != 0 && regionen[static_cast<std::size_t>(r)] != 0)
            namen.push_back(Regionsname(r));
    return namen;
}

std::string NamensText(int tag, int monat, int jahr, const Regionen& regionen) {
    std::string text;
    for (std::string_view name : FeiertagsNamen(tag, monat, jahr, regionen))
        Anhaengen(text, ", ", name);
    std::string ferien;
    for (std::string_view land : SchulferienNamen(tag, monat, jahr, regionen))
        Anhaengen(ferien, ", ", land);
    if (!ferien.empty()) Anhaengen(text, " \xB7 ", "Schulferien: " + ferien);
    return text;
}

std::string TagesText(int tag, int monat, int jahr, const Regionen& regionen) {
    std::string text = NamensText(tag, monat, jahr, regionen);
    const bool landGewaehlt =
        std::any_of(regionen.begin(), regionen.begin() + kAnzahlLaender, [](int f) { return f != 0; });
    if (landGewaehlt && (jahr < kSchulferienErstesJahr || jahr > kSchulferienLetztesJahr))
        Anhaengen(text, " \xB7 ", "Schulferien f\xFCr " + std::to_string(jahr) + " nicht bekannt");
    return text;
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
