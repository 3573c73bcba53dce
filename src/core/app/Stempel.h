#pragma once
#include <filesystem>
#include <optional>

namespace kalvora {

// The stamp file beside the database: "lock counter", e.g. "0 17".
struct Stempel {
    int sperre = 0;
    int zaehler = 0;
    bool operator==(const Stempel&) const = default;
};

// First integer of the file; nullopt when it cannot be opened or holds no integer.
std::optional<int> StempelErsteZahlLesen(const std::filesystem::path& pfad);
// The same with 99 for "unreadable", the value callers compare against.
inline int StempelErsteZahl(const std::filesystem::path& pfad) { return StempelErsteZahlLesen(pfad).value_or(99); }
// Both integers; nullopt when the file cannot be opened or the two numbers cannot be read.
std::optional<Stempel> StempelLesen(const std::filesystem::path& pfad);
// Writes "sperre zaehler" (no line end), replacing the content.
bool StempelSchreiben(const std::filesystem::path& pfad, Stempel s);

// The counter after a save: 1..100000, wrapping to 1.
constexpr int ZaehlerErhoehen(int c) { return c > 0 && c < 100000 ? c + 1 : 1; }

// Reads whitespace-separated decimal integers from the front of a text, like a stream would.
// Returns how many were read (at most `max`).
int ZahlenLesen(const char* text, std::size_t laenge, long long* werte, int max);

} // namespace kalvora
