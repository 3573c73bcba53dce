// Entry-type file reader on arbitrary content; a table read from anything must write back to a
// file that reads to the same table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/EintragsartDatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    kalvora::EintragsartTabelle t = kalvora::EintragsartTabelle::Standard();
    kalvora::EintragsartTextLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse), t);
    kalvora::EintragsartTabelle zurueck = kalvora::EintragsartTabelle::Standard();
    kalvora::EintragsartTextLesen(kalvora::EintragsartTextSchreiben(t), zurueck);
    for (int k = 1; k <= 16; ++k) {
        const auto i = static_cast<std::size_t>(k);
        // An empty meaning is written as the blank placeholder and reads back as " ".
        const std::string erwartet = t.m_strBedeutung[i].empty() ? " " : t.m_strBedeutung[i];
        if (zurueck.m_strBedeutung[i] != erwartet || zurueck.m_nFarbe[i] != t.m_nFarbe[i] || zurueck.m_nAusrichtung[i] != t.m_nAusrichtung[i]) std::abort();
    }
    if (zurueck.m_nRegion != t.m_nRegion) std::abort();
    return 0;
}
