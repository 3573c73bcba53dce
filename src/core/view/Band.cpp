#include "view/Band.h"

namespace kalvora {
namespace {

bool IstArt(int n) { return n >= 1 && n <= kAnzahlArten; }

} // namespace

std::pair<int, int> BandHoehe(int y, int nHoehe, int nAusrichtung) {
    if (nAusrichtung < Oben || nAusrichtung > Unten) return {y + nHoehe / 4, y + nHoehe - nHoehe / 4};
    // Float height and the double factor on purpose: the truncation decides the pixel.
    const float h = static_cast<float>(nHoehe);
    const int oben = y + static_cast<int>(h / 10 + (nAusrichtung - 1) * (h / 10 * 2.5));
    return {oben, oben + nHoehe / 3};
}

Baender BaenderEinesTages(const CTagEintrag& eintrag, const Rechteck& zelle, const EintragsartTabelle& arten,
                          const CFarbschema& schema) {
    Baender b;
    const int a = eintrag.m_nArtVormittag;
    const int n = eintrag.m_nArtNachmittag;
    const int x = zelle.links;
    const int w = zelle.Breite();
    const std::string_view text = eintrag.m_strNotiz.empty() ? std::string_view{} : std::string_view{"N"};

    auto hinzu = [&](int art, int links, int rechts) {
        if (!IstArt(art)) return;
        const auto i = static_cast<std::size_t>(art);
        const auto [oben, unten] = BandHoehe(zelle.oben, zelle.Hoehe(), arten.m_nAusrichtung[i]);
        b.m_band[static_cast<std::size_t>(b.m_nAnzahl++)] =
            Band{{links, oben, rechts, unten}, art, schema.Band(arten.m_nFarbe[i]), text};
    };

    if (a != n) {
        if (a > 0) hinzu(a, x, x + w / 2);
        if (n > 0) hinzu(n, x + w / 2 + 1, x + w);
    } else if (a != 0) {
        hinzu(a, x, x + w);
    }
    return b;
}

} // namespace kalvora
