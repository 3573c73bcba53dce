#include "data/Einfuegen.h"

#include <algorithm>
#include <iterator>

namespace kalvora {
namespace {

std::string Schluessel(const CRessource& r) {
    return r.m_strBenennung1 + r.m_strBenennung2 + r.m_strIdentNr;
}

} // namespace

CRessource& EinfuegenSortiert(RessourcenListe& liste, std::string benennung1, std::string benennung2,
                              std::string gruppe, std::string identNr, CTime jetzt) {
    auto neu = std::make_unique<CRessource>();
    neu->m_strBenennung1 = std::move(benennung1);
    neu->m_strBenennung2 = std::move(benennung2);
    neu->m_strGruppe = std::move(gruppe);
    neu->m_strIdentNr = std::move(identNr);
    neu->m_timeGeaendert = jetzt;
    const std::string schluessel = Schluessel(*neu);
    // std::string compares through char_traits<char>, which orders bytes as unsigned char.
    const auto stelle = std::find_if(liste.begin(), liste.end(),
                                     [&](const auto& r) { return !(Schluessel(*r) < schluessel); });
    return **liste.insert(stelle, std::move(neu));
}

CRessource& EinfuegenNachBenennung(RessourcenListe& liste, std::unique_ptr<CRessource> neu) {
    if (liste.empty()) {
        liste.push_back(std::move(neu));
        return *liste.front();
    }
    const std::string& name = neu->m_strBenennung1;
    std::size_t p = 0;
    while (p + 1 < liste.size() && liste[p + 1]->m_strBenennung1 < name)
        ++p;
    const std::size_t stelle = (p == 0 && liste[0]->m_strBenennung1 > name) ? 0 : p + 1;
    return **liste.insert(liste.begin() + static_cast<std::ptrdiff_t>(stelle), std::move(neu));
}

} // namespace kalvora
