#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "app/Stempel.h"

namespace kalvora {

// The stamp-file lock of the sharing protocol. The visible protocol is "read lock flag and counter,
// write '1 C', read the flag back"; that alone cannot tell two instances apart that both wrote 1.
// So every read-check-write here runs under an OS lock on the stamp file (an open-file-description
// lock, which also separates threads of one process). The OS lock is held only for these few
// bytes, never during load, merge or save, so a crashed instance leaves no OS lock behind; a
// stamp left at "1 C" is recovered by the stale-lock rule as before.

enum class SperrStand {
    Genommen, // "1 C" written and read back; the caller holds the lock
    Belegt,   // lock flag not 0
    Unlesbar, // the file cannot be opened or holds no two readable numbers
    Verloren, // written, but the read-back did not give a flag other than 0
};

struct SperrErgebnis {
    SperrStand stand;
    Stempel stempel; // what was read (valid unless Unlesbar)
};

// Reads the flag and counter and, when the flag is 0, writes "1 C" and reads the flag back.
// A missing file is not created.
SperrErgebnis SperreNehmen(const std::filesystem::path& stempel);

// Writes "0 zaehler" (release, or breaking a stale lock). Creates the file when missing.
bool SperreFreigeben(const std::filesystem::path& stempel, int zaehler);

// Both numbers, read under a shared OS lock so that no half-written stamp is seen.
std::optional<Stempel> StempelGeschuetztLesen(const std::filesystem::path& stempel);
// The same; on failure `grund` tells whether the file cannot be read or holds no valid content
// (German, naming the file).
std::optional<Stempel> StempelGeschuetztLesen(const std::filesystem::path& stempel, std::string& grund);

// Breaks a lock only if the stamp still reads exactly `gesehen`, under the OS lock: a live writer
// that released and retook the lock meanwhile is not overrun. Writes "0 <counter>"; true if written.
bool SperreBrechenWenn(const std::filesystem::path& stempel, Stempel gesehen);

// Stamp preparation of a starting view: a first number other than 0 or 1 (or none at all) makes
// the file "0 0"; then both numbers are read. Returns the counter, or nullopt when the file
// still cannot be read.
std::optional<int> StempelVorbereiten(const std::filesystem::path& stempel);

} // namespace kalvora
