// Database loader on arbitrary bytes: must fail cleanly or give a plan whose written image reads
// back to the same bytes; the piecewise reader must agree with the whole-image one.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/DatenbankFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    kalvora::RessourcenListe liste;
    const auto fehler = kalvora::DatenbankLesen(bytes, liste);

    // Pieces of 1..64 bytes, chosen by the input itself.
    const std::size_t stueck = groesse ? 1 + daten[groesse - 1] % 64 : 1;
    std::size_t pos = 0;
    const kalvora::Nachladen quelle = [&](char* ziel, std::size_t n) {
        n = std::min({n, stueck, groesse - pos});
        std::copy_n(bytes.data() + pos, n, ziel);
        pos += n;
        return static_cast<std::ptrdiff_t>(n);
    };
    kalvora::RessourcenListe stueckweise;
    const auto fehler2 = kalvora::DatenbankLesen(groesse, quelle, stueckweise);
    if (fehler.has_value() != fehler2.has_value()) std::abort();
    if (fehler) {
        if (fehler->offset != fehler2->offset || fehler->grund != fehler2->grund) std::abort();
        return 0;
    }
    const std::string geschrieben = kalvora::DatenbankSchreiben(liste);
    if (kalvora::DatenbankSchreiben(stueckweise) != geschrieben) std::abort();
    // Re-reading what we wrote must give the same bytes again.
    kalvora::RessourcenListe wieder;
    if (kalvora::DatenbankLesen(geschrieben, wieder) || kalvora::DatenbankSchreiben(wieder) != geschrieben)
        std::abort();
    return 0;
}
