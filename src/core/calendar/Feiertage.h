#pragma once
#include <cstdint>

#include "calendar/Regionen.h"

namespace kalvora {

// Flags (bits 0..26, as in Regionen) for which the date is a public holiday; 0 for none.
std::uint32_t FeiertagsFlags(int tag, int monat, int jahr);

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
