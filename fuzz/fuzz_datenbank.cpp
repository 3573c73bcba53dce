// Database loader on arbitrary bytes: must fail cleanly or give a plan whose written image reads
// back to the same bytes; reading piecewise, through the window or ahead, must agree with it.
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
    // Through the small window, and read ahead on a thread, as large files are.
    const std::string geschrieben = fehler ? std::string() : kalvora::DatenbankSchreiben(liste);
    for (const std::size_t vorauslesenAb : {kalvora::kVorauslesenBis, std::size_t{0}}) {
        pos = 0;
        kalvora::RessourcenListe stueckweise;
        const auto fehler2 = kalvora::DatenbankLesen(groesse, quelle, stueckweise, vorauslesenAb);
        if (fehler.has_value() != fehler2.has_value()) std::abort();
        if (fehler ? fehler->offset != fehler2->offset || fehler->grund != fehler2->grund
                   : kalvora::DatenbankSchreiben(stueckweise) != geschrieben)
            std::abort();
    }
    if (fehler) return 0;
    // Re-reading what we wrote must give the same bytes again.
    kalvora::RessourcenListe wieder;
    if (kalvora::DatenbankLesen(geschrieben, wieder) || kalvora::DatenbankSchreiben(wieder) != geschrieben)
        std::abort();
    return 0;
}
