#include "data/UrlaubDoc.h"

#include <algorithm>

#include "data/DateiZugriff.h"

using namespace kalvora;

namespace kalvora {

std::optional<std::string> DatenbankLaden(const std::filesystem::path& pfad, RessourcenListe& ziel) {
    ziel.clear();
    std::string inhalt;
    DateiFehler fehler;
    if (!DateiLesen(pfad, inhalt, fehler)) return fehler.grund;
    if (inhalt.empty()) return std::nullopt;
    if (auto f = DatenbankLesen(inhalt, ziel))
        return f->grund + " (Byte " + std::to_string(f->offset) + ")";
    return std::nullopt;
}

void Verdichten(RessourcenListe& liste) {
    std::erase_if(liste, [](const auto& r) { return r->m_bGeloescht; });
    for (auto& r : liste)
        for (auto& monat : r->m_pTage)
            for (auto& slot : monat) std::erase_if(slot, [](const CTagEintrag& e) { return e.IstGeloescht(); });
}

} // namespace kalvora

bool CUrlaubDoc::OnOpenDocument(const std::filesystem::path& pfad) {
    if (auto fehler = DatenbankLaden(pfad, m_pGeladen)) {
        m_strLetzterFehler = *fehler;
        m_meldungen.Zeige("Die Datenbank \"" + pfad.string() + "\" kann nicht geöffnet werden.\n" + *fehler);
        return false;
    }
    m_strLetzterFehler.clear();
    return true;
}

bool CUrlaubDoc::OnSaveDocument(const std::filesystem::path& pfad) {
    DateiFehler fehler;
    if (!DateiSchreiben(pfad, DatenbankSchreiben(m_pRessourcen), fehler)) {
        m_strLetzterFehler = fehler.grund;
        m_meldungen.Zeige("Die Datenbank \"" + pfad.string() + "\" kann nicht gespeichert werden.\n" +
                          fehler.grund);
        return false;
    }
    m_strLetzterFehler.clear();
    return true;
}

bool CUrlaubDoc::ErstesLaden(const std::filesystem::path& pfad) {
    if (!OnOpenDocument(pfad)) return false;
    m_pRessourcen = std::move(m_pGeladen);
    m_pGeladen.clear();
    return true;
}

void CUrlaubDoc::OnDatenbankOptimieren(const std::filesystem::path& pfad) {
    const Antwort a = m_meldungen.Zeige(
        "Bitte stellen Sie sicher, dass kein anderer Mitarbeiter auf die Datenbank zugreift.\nOptimierung starten?",
        "Datenbank optimieren", Knoepfe::JaNein);
    if (a != Antwort::Ja) return;
    Verdichten(m_pRessourcen);
    OnSaveDocument(pfad);
    m_meldungen.Zeige("Datenbankoptimierung durchgeführt!", "Datenbank optimieren");
}
