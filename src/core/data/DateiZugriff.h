#pragma once
#include <cstddef>
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

// A file open for reading under a shared lock, read piece by piece; closing drops the lock.
class LeseDatei {
public:
    LeseDatei() = default;
    ~LeseDatei();
    LeseDatei(const LeseDatei&) = delete;
    LeseDatei& operator=(const LeseDatei&) = delete;

    // Opens and locks; false with `fehler` set.
    bool Oeffnen(const std::filesystem::path& pfad, DateiFehler& fehler, int wartezeitMs = 2000);
    // Size when opened.
    std::size_t Groesse() const { return m_nGroesse; }
    // Up to `n` bytes: how many were read, 0 at the end, -1 on an error (`fehler` set).
    std::ptrdiff_t Lesen(char* ziel, std::size_t n, DateiFehler& fehler);

private:
    int m_fd = -1;
    std::size_t m_nGroesse = 0;
};

// Reads the whole file into `inhalt`. Returns false with `fehler` set.
bool DateiLesen(const std::filesystem::path& pfad, std::string& inhalt, DateiFehler& fehler,
                int wartezeitMs = 2000);

// Creates or truncates the file under an exclusive lock (truncating only once the lock is held),
// writes `inhalt` in one go and flushes it to disk.
bool DateiSchreiben(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                    int wartezeitMs = 2000);

} // namespace kalvora
