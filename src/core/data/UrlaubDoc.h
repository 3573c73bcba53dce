#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "app/Meldungen.h"
#include "data/AenderungsBasis.h"
#include "data/DatenbankFormat.h"
#include "data/Ressource.h"

// The single document: the working list and the disk copy of the last load.
class CUrlaubDoc {
public:
    explicit CUrlaubDoc(kalvora::Meldungen& meldungen) : m_meldungen(meldungen) {}

    kalvora::RessourcenListe m_pRessourcen; // working list
    kalvora::RessourcenListe m_pGeladen;    // disk copy
    // Days changed here since the last load or save, with their state in the file then.
    kalvora::AenderungsBasis m_basis;

    // Loads the file into the disk copy (a 0-byte file is an empty plan). On failure the user
    // is told, the disk copy stays empty and false is returned.
    bool OnOpenDocument(const std::filesystem::path& pfad);
    // Replaces the file with the working list in one step (a crash leaves the old or the new
    // file); on failure the file is as before and, when `melden`, the user is told.
    bool OnSaveDocument(const std::filesystem::path& pfad, bool melden = true);
    // Start-up: the first load becomes the working list unchanged.
    bool ErstesLaden(const std::filesystem::path& pfad);

    // "Datenbank optimieren": asks, removes deleted resources and cleared days, saves.
    void OnDatenbankOptimieren(const std::filesystem::path& pfad);

    // Reason of the last failed open or save, for headless callers.
    const std::string& LetzterFehler() const { return m_strLetzterFehler; }

private:
    kalvora::Meldungen& m_meldungen;
    std::string m_strLetzterFehler;
};

namespace kalvora {
// Removes deleted resources and cleared day entries; everything else keeps its order and fields.
void Verdichten(RessourcenListe& liste);
// Opening the database file: whole read under a shared lock, then parsed.
std::optional<std::string> DatenbankLaden(const std::filesystem::path& pfad, RessourcenListe& ziel);
} // namespace kalvora
