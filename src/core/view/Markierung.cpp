#include "view/Markierung.h"

#include <algorithm>

#include "view/Anzeige.h"

namespace kalvora {

void MarkierungUebernehmen(CRessource* pAnzeige, CRessource* pArbeit, CTime start, CTime ende, int nArt,
                           CTime jetzt, AenderungsBasis* basis) {
    const CTime a = std::min(start, ende);
    const CTime b = std::max(start, ende);
    for (CTime t = a; t <= b; t = CTime(t.GetTime() + kHalberTag)) {
        const bool vormittag = t.GetHour() < 12;
        const int vm = vormittag ? nArt : 0;
        const int nm = vormittag ? 0 : nArt;
        if (pAnzeige) SetTagAnzeige(*pAnzeige, t, vm, nm, {});
        if (pArbeit && basis) basis->Vormerken(*pArbeit, t);
        SetTag(pArbeit, t, vm, nm, {}, jetzt);
    }
}

std::optional<RessourcenKennung> KennungDerZeile(const RessourcenListe& arbeit, int nZeile) {
    const CRessource* r = ZeileFinden(arbeit, nZeile);
    if (!r) return std::nullopt;
    return RessourcenKennung::Von(*r);
}

CRessource* LebendeRessource(const RessourcenListe& arbeit, const RessourcenKennung& kennung) {
    for (const auto& r : arbeit)
        if (!r->m_bGeloescht && kennung.Passt(*r)) return r.get();
    return nullptr;
}

MarkierZiel MarkierZielFinden(const RessourcenListe& arbeit, const std::optional<RessourcenKennung>& kennung,
                              int nPressZeile) {
    if (!kennung) return {nullptr, nPressZeile};
    CRessource* r = LebendeRessource(arbeit, *kennung);
    return {r, r ? r->m_nZeile : 0};
}

} // namespace kalvora
