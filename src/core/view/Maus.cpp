#include "view/Maus.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "view/Markierung.h"

namespace kalvora {
namespace {

int Saettigen(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A cell size below 0 would make the half-day step vanish or go backwards.
std::int64_t Zelle(const MausGitter& g) {
    return std::clamp(g.m_nZellgroesse, 0, 1 << 20);
}

} // namespace

CTime LinkeHalbtagsZeit(Datum heute, int nTagOffset) {
    const CTime neun(heute.jahr, heute.monat, heute.tag, 9, 0, 0);
    return CTime(neun.GetTime() + std::int64_t{nTagOffset} * 86400);
}

bool AmTeiler(int nNamenBreite, int x) {
    const std::int64_t abstand = std::int64_t{x} - nNamenBreite;
    return abstand > -kTeilerAbstand && abstand < kTeilerAbstand;
}

// The step Z/2 + 0.5 is a multiple of a half pixel, so adding it up in floating point is exact:
// the position after n steps is W + 2 + n(Z + 1)/2, and n can be counted in half pixels.
Halbtag HalbtagBei(const MausGitter& g, int x) {
    const std::int64_t z = Zelle(g);
    const std::int64_t schritt2 = z + 1;
    const std::int64_t start = std::int64_t{g.m_nNamenBreite} + 2;
    const std::int64_t abstand2 = 2 * (std::int64_t{x} - start);
    const std::int64_t n = abstand2 > 0 ? (abstand2 - 1) / schritt2 : 0;
    const std::int64_t p2 = 2 * start + n * schritt2;
    return {CTime(g.m_timeLinks.GetTime() + n * kHalberTag), Saettigen(p2 / 2 + z / 4)};
}

int ZeileEinrasten(const MausGitter& g, int y) {
    const std::int64_t z = Zelle(g);
    const std::int64_t hoehe = z + 1;
    const std::int64_t d = std::int64_t{y} - (2 * z + 2);
    if (d < 0 || g.m_nZeilen <= 0) return y;
    std::int64_t k = d / hoehe;
    if (k > 0 && d % hoehe == 0) --k; // the edge between two rows belongs to the upper one
    if (k >= g.m_nZeilen) return y;
    return Saettigen(2 * z + 3 + k * hoehe + z / 2);
}

MausPunkt PunktOrten(const MausGitter& g, int x, int y) {
    MausPunkt p;
    p.m_nY = ZeileEinrasten(g, y);
    const Halbtag h = HalbtagBei(g, x);
    p.m_nX = h.m_nX;
    p.m_time = h.m_time;

    const std::int64_t z = Zelle(g);
    const std::int64_t hoehe = z + 1;
    const std::int64_t f = std::max(g.m_nErsteZeile, 0);
    const std::int64_t sichtbar = std::int64_t{g.m_nZeilen} - f;
    p.m_bTageszelle = p.m_nY > 2 * z + 2 && p.m_nY < 2 * z + 2 + sichtbar * hoehe && x > g.m_nNamenBreite;
    if (!p.m_bTageszelle) return p;

    const std::int64_t ueber = std::int64_t{p.m_nY} - (3 * z + 3);
    const std::int64_t j = ueber > 0 ? (ueber + hoehe - 1) / hoehe : 0;
    if (f + j >= g.m_nZeilen) {
        p.m_bTageszelle = false;
        return p;
    }
    p.m_nIndex = static_cast<int>(f + j);
    return p;
}

Rechteck Gummiband::Umriss() const {
    return {std::min(m_anfang.links, m_ende.links), m_anfang.oben, std::max(m_anfang.rechts, m_ende.rechts),
            m_anfang.unten};
}

Gummiband GummibandVon(int nAnkerX, int nAnkerY, int nEndeX) {
    const auto quadrat = [nAnkerY](int x) {
        return Rechteck{Saettigen(std::int64_t{x} - 4), Saettigen(std::int64_t{nAnkerY} - 4),
                        Saettigen(std::int64_t{x} + 4), Saettigen(std::int64_t{nAnkerY} + 4)};
    };
    return {nAnkerX, nEndeX, nAnkerY, quadrat(nAnkerX), quadrat(nEndeX)};
}

COLORREF GummibandFarbe(const EintragsartTabelle& arten, const CFarbschema& farben, int nArt) {
    if (nArt >= 1 && nArt <= kAnzahlArten) return arten.m_nFarbe[static_cast<std::size_t>(nArt)];
    return farben.C(2);
}

} // namespace kalvora
