#include "data/AenderungsBasis.h"

namespace kalvora {

std::string IdentitaetsSchluessel(const CRessource& r) {
    std::string k;
    k.reserve(r.m_strBenennung1.size() + r.m_strBenennung2.size() + r.m_strIdentNr.size() + 12);
    for (const std::string* s : {&r.m_strBenennung1, &r.m_strBenennung2, &r.m_strIdentNr}) {
        const auto n = static_cast<std::uint32_t>(s->size());
        k.append(reinterpret_cast<const char*>(&n), sizeof n);
        k += *s;
    }
    return k;
}

void AenderungsBasis::Vormerken(const CRessource& r, CTime datum) {
    Tage& tage = m_tage[IdentitaetsSchluessel(r)];
    const auto [it, neu] = tage.try_emplace(LokaleTagNummer(datum));
    if (!neu) return;
    if (const CTagEintrag* e = r.FindeTag(datum)) it->second = *e;
}

AenderungsBasis::Tage* AenderungsBasis::Fuer(const std::string& identitaet) {
    const auto it = m_tage.find(identitaet);
    return it == m_tage.end() ? nullptr : &it->second;
}

} // namespace kalvora
