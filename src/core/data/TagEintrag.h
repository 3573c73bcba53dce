#pragma once
#include <string>
#include <vector>

#include "data/Time.h"

// One marked calendar day of one resource. Both halves 0 = a cleared day, kept for merging.
struct CTagEintrag {
    CTime m_timeGeaendert;
    int m_nArtVormittag = 0;
    int m_nArtNachmittag = 0;
    CTime m_timeDatum;      // only the local year, month and day count
    std::string m_strNotiz; // Windows-1252 bytes

    bool IstGeloescht() const { return m_nArtVormittag == 0 && m_nArtNachmittag == 0; }
};

namespace kalvora {
// The entries of one calendar day [month][day], one per year, in the order they were appended.
using TagSlot = std::vector<CTagEintrag>;
} // namespace kalvora
