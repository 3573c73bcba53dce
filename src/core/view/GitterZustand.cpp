#include "view/GitterZustand.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kalvora {
namespace {

int Saettigen(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int JahrDesTages(Datum heute, int nTagOffset) {
    return DatumAusTagen(TageAusDatum(heute.jahr, heute.monat, heute.tag) + nTagOffset).jahr;
}

} // namespace

int VertikalZiel(int nErsteZeile, Rollen r, int nDaumen) {
    const std::int64_t f = nErsteZeile;
    switch (r) {
    case Rollen::ZeileVor: return Saettigen(f + 1);
    case Rollen::ZeileZurueck: return Saettigen(f - 1);
    case Rollen::SeiteVor: return Saettigen(f + 5);
    case Rollen::SeiteZurueck: return Saettigen(f - 5);
    case Rollen::DaumenLosgelassen: return nDaumen;
    case Rollen::Sonstiges: break;
    }
    return nErsteZeile;
}

int HorizontalZiel(int nTagOffset, Rollen r, int nDaumen) {
    const std::int64_t d = nTagOffset;
    switch (r) {
    case Rollen::ZeileVor: return Saettigen(d + 1);
    case Rollen::ZeileZurueck: return Saettigen(d - 1);
    case Rollen::SeiteVor: return Saettigen(d + 7);
    case Rollen::SeiteZurueck: return Saettigen(d - 7);
    case Rollen::DaumenLosgelassen: return Saettigen(d + nDaumen - kHorizontalMitte);
    case Rollen::Sonstiges: break;
    }
    return nTagOffset;
}

bool GitterZustand::SetZellgroesse(int n) {
    if (n < kKleinsteZelle || n > kGroessteZelle) return false;
    m_nSpaltenBreite = m_nZeilenHoehe = n;
    return true;
}

void GitterZustand::SetErsteZeile(int n, int nZeilen) { m_nErsteZeile = std::clamp(n, 0, std::max(nZeilen, 0)); }

bool GitterZustand::SetTagOffset(int n, Datum heute) {
    const int jahr = JahrDesTages(heute, m_nTagOffset);
    if (jahr < kErstesJahr && n <= m_nTagOffset) return false;
    if (jahr >= kGrenzJahr && n >= m_nTagOffset) return false;
    m_nTagOffset = n;
    return true;
}

Balken GitterZustand::VertikalRollen(Rollen r, int nDaumen, int nZeilen) {
    SetErsteZeile(VertikalZiel(m_nErsteZeile, r, nDaumen), nZeilen);
    return VertikalBalken(nZeilen);
}

bool GitterZustand::HorizontalRollen(Rollen r, int nDaumen, Datum heute) {
    if (r == Rollen::Sonstiges) return false;
    return SetTagOffset(HorizontalZiel(m_nTagOffset, r, nDaumen), heute);
}

namespace {
// Whole steps in the accumulated angle; the rest waits for the next event.
int Schritte(int& rest, int winkel, int nProRaste) {
    rest += winkel * nProRaste;
    const int n = rest / 120;
    rest -= n * 120;
    return n;
}
} // namespace

RadSchritt RadZaehler::Auswerten(int nX, int nY, bool bUmschalt, bool bStrg, int nProRaste) {
    RadSchritt s;
    if (bStrg) {
        s.m_nZoom = Schritte(m_nRestZoom, nY != 0 ? nY : nX, nProRaste);
        return s;
    }
    // Some systems turn Shift+wheel into a horizontal wheel already.
    const int tage = bUmschalt ? -(nY != 0 ? nY : nX) : -nX;
    s.m_nTage = Schritte(m_nRestTage, tage, nProRaste);
    if (!bUmschalt) s.m_nZeilen = Schritte(m_nRestZeilen, -nY, nProRaste);
    return s;
}

int SeitenZeilen(int nClientHoehe, int nZellgroesse) {
    const int z = std::max(nZellgroesse, 1);
    return std::max((nClientHoehe - (2 * z + 2)) / (z + 1), 1);
}

int ZoomZiel(int nZellgroesse, int n) { return std::clamp(nZellgroesse + n, kKleinsteZelle, kGroessteZelle); }

} // namespace kalvora

