#include "export/ExportAuswahl.h"

#include <algorithm>
#include <unordered_map>

namespace kalvora {

ExportFehler ExportPruefen(Datum von, Datum bis, bool bAusgewaehlt) {
    const std::int64_t tage = TageAusDatum(bis.jahr, bis.monat, bis.tag) - TageAusDatum(von.jahr, von.monat, von.tag);
    if (tage < 0) return ExportFehler::Verkehrt;
    if (tage > kExportHoechstensTage) return ExportFehler::ZeitraumZuLang;
    if (!bAusgewaehlt) return ExportFehler::NichtsAusgewaehlt;
    return ExportFehler::Keiner;
}

std::string ExportFehlerText(ExportFehler fehler) {
    switch (fehler) {
    case ExportFehler::Verkehrt:
        return kMeldungExportVerkehrt;
    case ExportFehler::ZeitraumZuLang:
        return kMeldungExportZeitraum;
    case ExportFehler::NichtsAusgewaehlt:
        return kMeldungKeineRessource;
    case ExportFehler::Keiner:
        break;
    }
    return {};
}

std::vector<const CRessource*> AusgewaehlteRessourcen(const RessourcenListe& liste, const DruckAuswahl& auswahl) {
    const auto& zeilen = auswahl.Zeilen();
    // Equal lines resolve to the first of them, as the print dialog's lookup does.
    std::unordered_map<std::string_view, std::size_t> erste;
    for (std::size_t i = 0; i < zeilen.size(); ++i) erste.try_emplace(zeilen[i].m_strText, i);
    std::vector<std::pair<std::size_t, const CRessource*>> gefunden;
    for (const auto& r : liste) {
        if (r->m_bGeloescht) continue;
        const auto it = erste.find(DruckZeilenText(*r));
        if (it != erste.end() && zeilen[it->second].m_bAusgewaehlt) gefunden.emplace_back(it->second, r.get());
    }
    std::stable_sort(gefunden.begin(), gefunden.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const CRessource*> ergebnis;
    ergebnis.reserve(gefunden.size());
    for (const auto& [zeile, r] : gefunden) ergebnis.push_back(r);
    return ergebnis;
}

} // namespace kalvora
