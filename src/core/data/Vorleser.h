#pragma once
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <thread>

namespace kalvora {

// Reads a source of known size into one buffer on a thread of its own, so that the bytes can
// be worked on while the rest is still coming in: on a network drive the reading is the slow
// part, locally it is the copy out of the page cache.
class Vorleser {
public:
    // Fills up to `n` bytes at `ziel`; returns how many, 0 at the end, -1 on an error. Called on
    // the reading thread, one call at a time; it must not throw.
    using Quelle = std::function<std::ptrdiff_t(char* ziel, std::size_t n)>;

    Vorleser(std::size_t groesse, const Quelle& quelle);
    // Stops after the piece being read and waits for the thread.
    ~Vorleser();
    Vorleser(const Vorleser&) = delete;
    Vorleser& operator=(const Vorleser&) = delete;

    const char* Daten() const { return m_puffer.get(); }
    // Waits until `bis` bytes are in or the source has ended; returns how many are in.
    std::size_t Warten(std::size_t bis);

private:
    void Lesen();

    std::size_t m_nGroesse;
    const Quelle& m_quelle;
    std::unique_ptr<char[]> m_puffer;
    // Bytes in, shifted left by one; the low bit set once the source has ended. One value, so
    // that a waiter wakes for either.
    std::atomic<std::size_t> m_nStand{0};
    std::atomic<bool> m_bAbbrechen{false};
    std::thread m_thread; // last: starts once everything above exists
};

} // namespace kalvora
