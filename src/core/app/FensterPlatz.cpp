#include "app/FensterPlatz.h"

#include <cstdint>

namespace kalvora {

FensterPlatz FensterPlatzAuswerten(std::optional<std::uint32_t> oben, std::optional<std::uint32_t> links,
                                   std::optional<std::uint32_t> unten, std::optional<std::uint32_t> rechts) {
    FensterPlatz platz;
    if (!oben || !links || !unten || !rechts) return platz;
    // Stored as DWORDs: a window on a monitor left of the primary one comes back negative.
    const int werte[4] = {static_cast<std::int32_t>(*oben), static_cast<std::int32_t>(*links),
                          static_cast<std::int32_t>(*unten), static_cast<std::int32_t>(*rechts)};
    for (int w : werte) {
        if (w <= 0 || w >= 5000) {
            platz.art = FensterPlatz::Ersatz;
            platz.r = {0, 0, 800, 600};
            return platz;
        }
    }
    platz.art = FensterPlatz::Gespeichert;
    platz.r = {werte[1], werte[0], werte[3], werte[2]};
    return platz;
}

RahmenStart RahmenStartLesen(EinstellungsSpeicher& speicher, Meldungen& meldungen) {
    RahmenStart start;
    if (!speicher.Oeffnen()) {
        meldungen.Zeige("Regestry Error");
        return start;
    }
    if (const auto schema = speicher.LeseZahl("Farbschema"))
        start.m_nFarbschema = static_cast<std::int32_t>(*schema);
    start.m_platz = FensterPlatzAuswerten(speicher.LeseZahl("Top"), speicher.LeseZahl("Left"),
                                          speicher.LeseZahl("Bottom"), speicher.LeseZahl("Right"));
    return start;
}

void FensterPlatzSpeichern(EinstellungsSpeicher& speicher, Meldungen& meldungen, const FensterRechteck& r,
                           bool maximiert) {
    if (!speicher.Oeffnen()) {
        meldungen.Zeige("Regestry Error", "Duzizavododaror");
        return;
    }
    if (!maximiert) {
        speicher.SchreibeZahl("Top", static_cast<std::uint32_t>(r.oben));
        speicher.SchreibeZahl("Left", static_cast<std::uint32_t>(r.links));
        speicher.SchreibeZahl("Bottom", static_cast<std::uint32_t>(r.unten));
        speicher.SchreibeZahl("Right", static_cast<std::uint32_t>(r.rechts));
    }
    speicher.SchreibeZahl("Max", maximiert ? 1 : 0);
}

} // namespace kalvora
