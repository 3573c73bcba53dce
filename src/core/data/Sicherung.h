#pragma once
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace kalvora {

// The backups BK1..BK5 beside the database, for a restore offer and for compaction.

struct SicherungsInfo {
    std::filesystem::path pfad;
    int nummer;             // 1..5
    std::time_t zeit;       // last-write time: when the copied state was written
    std::size_t ressourcen; // records in it, deleted ones included
};

// Why the database needs a restore offer (German, one sentence naming the file), or nullopt:
// it is 0 bytes while some backup has content, or it does not load.
std::optional<std::string> DatenbankBeschaedigt(const std::string& datei);

// The newest backup (by last-write time) among BK1..BK5 that loads and is not empty, or nullopt.
std::optional<SicherungsInfo> LadbareSicherung(const std::string& datei);

// Backup `nummer` (1..5) if it loads and is not empty; nullopt otherwise.
std::optional<SicherungsInfo> SicherungPruefen(const std::string& datei, int nummer);

// Copies the backup over the database under the stamp lock, atomically, raising the counter so
// that other instances reload. False with a German reason in `fehler`.
bool SicherungWiederherstellen(const std::string& datei, const std::filesystem::path& sicherung,
                               std::string& fehler);

// Forced rotation (BK4→BK5 … database→BK1) regardless of the 900 s rule, before compaction.
void SicherungAnlegen(const std::string& datei);

} // namespace kalvora
