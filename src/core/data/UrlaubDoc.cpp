#include "data/UrlaubDoc.h"

#include <algorithm>

#include "data/DateiZugriff.h"
#include "data/Sicherung.h"

using namespace kalvora;

namespace kalvora {

std::optional<std::string> DatenbankLaden(const std::filesystem::path& pfad, RessourcenListe& ziel) {
    ziel.clear();
    LeseDatei datei;
    DateiFehler fehler;
    if (!datei.Oeffnen(pfad, fehler)) return fehler.grund;
    if (datei.Groesse() == 0) return std::nullopt;
    const Nachladen quelle = [&](char* z, std::size_t n) { return datei.Lesen(z, n, fehler); };
    if (auto f = DatenbankLesen(datei.Groesse(), quelle, ziel)) {
        if (!fehler.grund.empty()) return fehler.grund; // the disk failed, not the format
        return f->grund + " (Byte " + std::to_string(f->offset) + ")";
    }
    return std::nullopt;
}

void Verdichten(RessourcenListe& liste) {
    std::erase_if(liste, [](const auto& r) { return r->m_bGeloescht; });
    for (auto& r : liste)
        r->m_pTage.EntfernenWenn([](const CTagEintrag& e) { return e.IstGeloescht(); });
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

bool CUrlaubDoc::OnSaveDocument(const std::filesystem::path& pfad, bool melden) {
    DateiFehler fehler;
    if (!DateiSicherErsetzen(pfad, DatenbankSchreiben(m_pRessourcen), fehler)) {
        m_strLetzterFehler = fehler.grund;
        if (melden)
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
    const Antwort a = m_meldungen.Zeige("Bitte stellen Sie sicher, dass kein anderer Mitarbeiter auf die "
                                        "Datenbank zugreift.\nOptimierung starten?",
                                        "Datenbank optimieren", Knoepfe::JaNein);
    if (a != Antwort::Ja) return;
    // Compaction drops marks for good; the state before it stays recoverable as BK1.
    SicherungAnlegen(pfad.string());
    Verdichten(m_pRessourcen);
    if (OnSaveDocument(pfad)) m_basis.Leeren();
    m_meldungen.Zeige("Datenbankoptimierung durchgeführt!", "Datenbank optimieren");
}
