#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Regionen.h"

namespace kalvora {

// Flags (bits 0..26, as in Regionen) for which the date is a public holiday; 0 for none.
std::uint32_t FeiertagsFlags(int tag, int monat, int jahr);

// The date's public holidays in the selected regions, as each region calls them ("Tag der Arbeit",
// "Staatsfeiertag"), each name once, Windows-1252; empty on an ordinary day. Read from the same
// rules as FeiertagsFlags, so a day has names exactly when it is a holiday.
std::vector<std::string_view> FeiertagsNamen(int tag, int monat, int jahr, const Regionen& regionen);

// The selected states whose school holidays include the date, in region order.
std::vector<std::string_view> SchulferienNamen(int tag, int monat, int jahr, const Regionen& regionen);

// Both in one line, "Ostermontag · Schulferien: Bayern, Wien" (Windows-1252); empty on an ordinary day.
std::string NamensText(int tag, int monat, int jahr, const Regionen& regionen);

// What the day header's tooltip and the status bar say about a date: NamensText, and for a year the
// school-holiday table does not cover (with a state selected) "Schulferien für JJJJ nicht bekannt".
std::string TagesText(int tag, int monat, int jahr, const Regionen& regionen);

} // namespace kalvora

// The holiday rules. Holds only a reference to the caller's region flags, read at every call, so
// a changed selection takes effect at the next question. Cheap: create one wherever needed.
class CFeiertage {
public:
    explicit CFeiertage(const kalvora::Regionen& regionen) : m_pRegionen(&regionen) {}
    explicit CFeiertage(const kalvora::Regionen&&) = delete; // would outlive the flags
    virtual ~CFeiertage() = default;

    // Public holiday in at least one selected region.
    bool IstFeiertag(int tag, int monat, int jahr) const;
    // School holidays in at least one selected state (the country flags play no part).
    bool IstSchulferien(int tag, int monat, int jahr) const;
    // Week number; the ISO week for Mondays, the started weeks of the year for other days.
    std::int16_t Kalenderwoche(int tag, int monat, int jahr) const;

private:
    const kalvora::Regionen* m_pRegionen; // not owned
};
