#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "app/Meldungen.h"
#include "data/Sicherung.h"

namespace kalvora {

// "Soll die Sicherung Ressource.BK1 vom 05.12.2026 14:03 mit 12 Ressourcen wiederhergestellt
// werden?" after the reason, on a line of its own.
std::string WiederherstellFrage(const std::string& grund, const SicherungsInfo& sicherung);

// The offer to restore the newest loadable backup when the database is damaged, or empty while a
// backup has content. One per program run and database; each distinct problem is offered once,
// so a user who declined is not asked again at every tick.
class Wiederherstellung {
public:
    explicit Wiederherstellung(std::string strDatei) : m_strDatei(std::move(strDatei)) {}

    struct Angebot {
        std::string m_strFrage;
        SicherungsInfo m_sicherung;
    };
    // After a load; `bGeladen` tells that it succeeded, then only a 0-byte file is looked into.
    // The offer when there is a problem not offered before and a backup to offer.
    std::optional<Angebot> Pruefen(bool bGeladen);

    // Pruefen, then the question (Ja/Nein); on Ja the backup replaces the database. A caller that
    // holds the stamp lock after its failed load names the stamp: the lock is given back first,
    // or the restore would wait for it. True when restored (the caller loads again); a failed
    // restore is told.
    bool Anbieten(bool bGeladen, Meldungen& meldungen, const std::filesystem::path* eigeneSperre = nullptr);

    // A sync loaded the file: whatever was offered is over, and may be offered again should it
    // come back. No file access: a sync that loaded and saved leaves no empty file behind.
    void Behoben() { m_strAngeboten.clear(); }

private:
    std::string m_strDatei;
    std::string m_strAngeboten; // the problem last offered, empty when there is none
};

} // namespace kalvora
