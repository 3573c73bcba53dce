#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace kalvora {

// Whole-file access with the sharing rules of the database: readers hold a shared OS lock
// (others cannot write meanwhile), a writer holds an exclusive one. Locks are open-file-description
// locks, so they also exclude other threads of this process. A lock that stays taken for
// `wartezeit` makes the call fail instead of interleaving.
struct DateiFehler {
    std::string grund; // German, for the user
};

// Reads the whole file into `inhalt`. Returns false with `fehler` set.
bool DateiLesen(const std::filesystem::path& pfad, std::string& inhalt, DateiFehler& fehler,
                int wartezeitMs = 2000);

// Creates or truncates the file under an exclusive lock (truncating only once the lock is held),
// writes `inhalt` in one go and flushes it to disk.
bool DateiSchreiben(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                    int wartezeitMs = 2000);

} // namespace kalvora
