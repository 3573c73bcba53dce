#include "print/DruckAuswahl.h"

#include <algorithm>
#include <unordered_map>

#include "view/Anzeige.h"

namespace kalvora {

std::string DruckZeilenText(const CRessource& r) {
    std::string text;
    text.reserve(r.m_strGruppe.size() + r.m_strBenennung1.size() + r.m_strBenennung2.size() +
                 r.m_strIdentNr.size() + 7);
    text += r.m_strGruppe;
    text += ": ";
    text += r.m_strBenennung1;
    text += ", ";
    text += r.m_strBenennung2;
    text += " (";
    text += r.m_strIdentNr;
    text += ')';
    return text;
}

CTime LetzterTagAngleichen(CTime von, CTime bis) {
    return von > bis ? von : bis;
}

DruckFehler DruckPruefen(CTime von, CTime bis, bool bAusgewaehlt) {
    if (bis.GetTime() - kDruckHoechstensSekunden > von.GetTime()) return DruckFehler::ZeitraumZuLang;
    if (!bAusgewaehlt) return DruckFehler::NichtsAusgewaehlt;
    return DruckFehler::Keiner;
}

std::string DruckFehlerText(DruckFehler fehler) {
    switch (fehler) {
    case DruckFehler::ZeitraumZuLang:
        return kMeldungZeitraum;
    case DruckFehler::NichtsAusgewaehlt:
        return kMeldungKeinMitarbeiter;
    case DruckFehler::Keiner:
        break;
    }
    return {};
}

void DruckAuswahl::Fuellen(const RessourcenListe& liste, const std::string& strFilter) {
    struct Sortiert {
        TextSchluessel schluessel;
        Zeile zeile;
    };
    std::vector<Sortiert> sortiert;
    sortiert.reserve(liste.size());
    for (const auto& r : liste) {
        if (r->m_bGeloescht) continue;
        std::string text = DruckZeilenText(*r);
        TextSchluessel schluessel = TextSchluesselBilden(text);
        sortiert.push_back({std::move(schluessel), {std::move(text), strFilter.empty() || r->m_strGruppe == strFilter}});
    }
    std::stable_sort(sortiert.begin(), sortiert.end(),
                     [](const Sortiert& a, const Sortiert& b) { return a.schluessel < b.schluessel; });
    m_zeilen.clear();
    m_zeilen.reserve(sortiert.size());
    for (Sortiert& s : sortiert) m_zeilen.push_back(std::move(s.zeile));
}

void DruckAuswahl::SetAusgewaehlt(std::size_t i, bool bAusgewaehlt) {
    if (i < m_zeilen.size()) m_zeilen[i].m_bAusgewaehlt = bAusgewaehlt;
}

void DruckAuswahl::AlleAuswaehlen() {
    for (Zeile& z : m_zeilen) z.m_bAusgewaehlt = true;
}

void DruckAuswahl::AuswahlAufheben() {
    for (Zeile& z : m_zeilen) z.m_bAusgewaehlt = false;
}

bool DruckAuswahl::IrgendeineAusgewaehlt() const {
    return std::any_of(m_zeilen.begin(), m_zeilen.end(), [](const Zeile& z) { return z.m_bAusgewaehlt; });
}

void DruckAuswahl::Uebernehmen(RessourcenListe& liste) const {
    // Lines with equal text resolve to the first of them, as a search of the list would.
    std::unordered_map<std::string_view, std::size_t> erste;
    erste.reserve(m_zeilen.size());
    for (std::size_t i = 0; i < m_zeilen.size(); ++i) erste.try_emplace(m_zeilen[i].m_strText, i);

    for (auto& r : liste) r->m_nPosition = -1;
    for (auto& r : liste) {
        if (r->m_bGeloescht) continue;
        const auto it = erste.find(DruckZeilenText(*r));
        if (it != erste.end() && m_zeilen[it->second].m_bAusgewaehlt) {
            r->m_bDrucken = true;
            r->m_nPosition = static_cast<int>(it->second) + 1;
        } else {
            r->m_bDrucken = false;
        }
    }
}

} // namespace kalvora
