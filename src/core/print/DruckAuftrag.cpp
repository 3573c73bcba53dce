#include "print/DruckAuftrag.h"

namespace kalvora {
namespace {

std::string Name(const CRessource& r, bool bMitGruppe) {
    std::string name;
    if (bMitGruppe && !r.m_strGruppe.empty()) name = r.m_strGruppe + ": ";
    name += r.m_strBenennung1;
    name += ", ";
    name += r.m_strBenennung2;
    return name;
}

} // namespace

DruckZeilen DruckZeilenBilden(const RessourcenListe& liste, int nDruckArt) {
    DruckZeilen z;
    for (const auto& r : liste)
        if (r->m_bDrucken && !r->m_bGeloescht) ++z.m_nAnzahl;

    if (nDruckArt == kDruckAlphabetisch) {
        for (const auto& r : liste) {
            if (!r->m_bDrucken || r->m_bGeloescht) continue;
            z.m_zeilen.push_back(r.get());
            z.m_namen.push_back(Name(*r, false));
        }
        return z;
    }
    // First record per position in one pass instead of a search per position.
    std::vector<const CRessource*> anPosition(liste.size() + 1, nullptr);
    for (const auto& r : liste) {
        const int p = r->m_nPosition;
        if (p >= 1 && static_cast<std::size_t>(p) <= liste.size() && !anPosition[static_cast<std::size_t>(p)])
            anPosition[static_cast<std::size_t>(p)] = r.get();
    }
    for (std::size_t p = 1; p < anPosition.size(); ++p) {
        if (!anPosition[p]) continue;
        z.m_zeilen.push_back(anPosition[p]);
        z.m_namen.push_back(Name(*anPosition[p], true));
    }
    return z;
}

DruckAuftrag DruckAuftragBilden(const RessourcenListe& liste, int nDruckArt, CTime von, CTime bis,
                                const EintragsartTabelle& arten, int nFarbschema) {
    DruckZeilen zeilen = DruckZeilenBilden(liste, nDruckArt);
    DruckAuftrag a;
    a.m_zeilen.reserve(zeilen.m_zeilen.size());
    for (const CRessource* r : zeilen.m_zeilen) a.m_zeilen.push_back(r->Kopie());
    a.m_namen = std::move(zeilen.m_namen);
    a.m_nAnzahl = zeilen.m_nAnzahl;
    a.m_timeVon = von;
    a.m_timeBis = bis;
    a.m_arten = arten;
    a.m_nFarbschema = nFarbschema;
    return a;
}

} // namespace kalvora
