#include "view/Statistik.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kalvora {
namespace {

bool IstArt(int art) {
    return art >= 1 && art <= kAnzahlArten;
}

} // namespace

TagesZahlen TageZaehlen(const CRessource& ressource, int jahr) {
    TagesZahlen zahlen{};
    ressource.FuerAlleTage([&](const CTagEintrag& e) {
        const bool imJahr = e.m_timeDatum.GetYear() == jahr;
        if (!imJahr) return;
        if (IstArt(e.m_nArtNachmittag)) zahlen[static_cast<std::size_t>(e.m_nArtNachmittag - 1)] += 0.5f;
        if (IstArt(e.m_nArtVormittag)) zahlen[static_cast<std::size_t>(e.m_nArtVormittag - 1)] += 0.5f;
    });
    return zahlen;
}

std::vector<TagMarke> JahresMarken(const CRessource& ressource, const EintragsartTabelle& tabelle) {
    std::vector<TagMarke> marken;
    const auto marke = [&](const CTagEintrag& e, int art, bool erste, bool zweite) {
        const auto i = static_cast<std::size_t>(art);
        marken.push_back({e.m_timeDatum, tabelle.m_nFarbe[i], erste, zweite, tabelle.m_nAusrichtung[i]});
    };
    ressource.FuerAlleTage([&](const CTagEintrag& e) {
        if (e.m_nArtVormittag == e.m_nArtNachmittag) {
            if (IstArt(e.m_nArtVormittag)) marke(e, e.m_nArtVormittag, true, true);
            return;
        }
        if (IstArt(e.m_nArtNachmittag)) marke(e, e.m_nArtNachmittag, false, true);
        if (IstArt(e.m_nArtVormittag)) marke(e, e.m_nArtVormittag, true, false);
    });
    return marken;
}

std::string AnzahlText(float zahl) {
    if (!std::isfinite(zahl)) return "0.0";
    char puffer[64];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(zahl), std::chars_format::fixed, 1);
    if (fehler != std::errc{}) return "0.0";
    return std::string(puffer, ende);
}

StatistikRaster StatistikRasterFuer(int breite, int hoehe) {
    return {std::max(breite, 0) / kAnzahlArten, std::max(hoehe, 0) / 11};
}

Punkt BeschriftungsPunkt(const StatistikRaster& r, int k) {
    return {StatistikRaster::m + (k - 1) * r.cw, k % 2 == 1 ? 0 : r.rh};
}

Punkt ZahlPunkt(const StatistikRaster& r, int k) {
    return {(k - 1) * r.cw + 2 * StatistikRaster::m, 10 * r.rh};
}

std::optional<Rechteck> StatistikBalken(const StatistikRaster& r, int k, float c, float max) {
    if (c == 0.0f || !(max > 0.0f) || !std::isfinite(c) || !std::isfinite(max)) return std::nullopt;
    // c / max, computed so that the largest count reaches exactly 8 rows.
    const double wachstum = std::trunc(8.0 * r.rh * static_cast<double>(c) / static_cast<double>(max));
    Rechteck balken;
    balken.links = (k - 1) * r.cw + StatistikRaster::m;
    balken.rechts = k * r.cw - StatistikRaster::m;
    balken.unten = 11 * r.rh;
    balken.oben = 10 * r.rh - static_cast<int>(std::clamp(wachstum, -8.0 * r.rh, 8.0 * r.rh));
    return balken;
}

} // namespace kalvora
