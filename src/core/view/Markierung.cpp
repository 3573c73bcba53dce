#include "view/Markierung.h"

#include <algorithm>

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

} // namespace kalvora
