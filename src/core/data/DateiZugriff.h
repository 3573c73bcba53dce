#pragma once
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
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
    std::string m_strPfad; // for messages
};

// Reads the whole file into `inhalt`. Returns false with `fehler` set.
bool DateiLesen(const std::filesystem::path& pfad, std::string& inhalt, DateiFehler& fehler,
                int wartezeitMs = 2000);

// The path of the file a name stands for: absolute, symbolic links, "." and ".." resolved; for a
// file that does not exist yet, its folder resolved. Unchanged when even that fails.
std::filesystem::path PfadAufloesen(const std::filesystem::path& pfad);

// The steps of a safe replace, in order. Each is one system call that may fail.
enum class ErsetzenSchritt { Oeffnen, Sperren, Anlegen, Schreiben, Rechte, Sichern, Schliessen, Umbenennen };

struct ErsetzenOptionen {
    int wartezeitMs = 2000; // for the exclusive lock on the old file
    // Last-write time of the new file (a backup carries its source's time); none: now.
    std::optional<std::filesystem::file_time_type> zeit;
    // Test seam: asked before each step; an error number other than 0 makes that step fail so.
    std::function<int(ErsetzenSchritt)> probe;
};

// Replaces the file's content so that a crash, a full disk or a killed process at any moment
// leaves either the old or the new content, never a mix: the new content goes to a temporary file
// in the same folder, reaches the disk, takes the old file's permission bits and is renamed over
// it; then the folder is flushed. The exclusive lock on the old file is held meanwhile, so a reader
// never sees the swap half done and a save colliding with a reader waits or fails. A name that is a
// symbolic link stays one: the file it points to is replaced. On failure the old file is untouched,
// no temporary file remains, and `fehler` says why (German, naming the file).
bool DateiSicherErsetzen(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                         int wartezeitMs = 2000);
bool DateiSicherErsetzen(const std::filesystem::path& pfad, std::string_view inhalt, DateiFehler& fehler,
                         const ErsetzenOptionen& optionen);

// Removes the temporary files that saves killed half-way left beside the file, once they are
// older than `alter` (a younger one may belong to a save running elsewhere). Returns how many.
int VerwaisteFassungenEntfernen(const std::filesystem::path& pfad, std::chrono::seconds alter);

// Copies a file read under a shared lock to `nach` through DateiSicherErsetzen, with the source's
// last-write time.
bool DateiSicherKopieren(const std::filesystem::path& von, const std::filesystem::path& nach, DateiFehler& fehler);

} // namespace kalvora
