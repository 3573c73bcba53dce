// Database loader on arbitrary bytes: must fail cleanly or give a plan that writes back to the
// same bytes (up to ignored trailing data).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/DatenbankFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    kalvora::RessourcenListe liste;
    if (kalvora::DatenbankLesen(bytes, liste)) return 0;
    const std::string geschrieben = kalvora::DatenbankSchreiben(liste);
    // Re-reading what we wrote must give the same bytes again.
    kalvora::RessourcenListe wieder;
    if (kalvora::DatenbankLesen(geschrieben, wieder) || kalvora::DatenbankSchreiben(wieder) != geschrieben)
        std::abort();
    return 0;
}
