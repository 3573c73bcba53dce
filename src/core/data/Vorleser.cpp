#include "data/Vorleser.h"

#include <algorithm>

namespace kalvora {

Vorleser::Vorleser(std::size_t groesse, const Quelle& quelle)
    : m_nGroesse(groesse), m_quelle(quelle), m_puffer(std::make_unique_for_overwrite<char[]>(groesse)),
      m_thread([this] { Lesen(); }) {}

Vorleser::~Vorleser() {
    m_bAbbrechen.store(true, std::memory_order_relaxed);
    m_thread.join();
}

void Vorleser::Lesen() {
    // Small enough that the reader starts early and follows closely, large enough that waking
    // it costs nothing next to the copy.
    constexpr std::size_t kStueck = 256 * 1024;
    std::size_t drin = 0;
    while (drin < m_nGroesse && !m_bAbbrechen.load(std::memory_order_relaxed)) {
        const std::ptrdiff_t n = m_quelle(m_puffer.get() + drin, std::min(kStueck, m_nGroesse - drin));
        if (n <= 0) break;
        drin += static_cast<std::size_t>(n);
        m_nStand.store(drin << 1, std::memory_order_release);
        m_nStand.notify_all();
    }
    m_nStand.store(drin << 1 | 1, std::memory_order_release);
    m_nStand.notify_all();
}

std::size_t Vorleser::Warten(std::size_t bis) {
    for (;;) {
        const std::size_t stand = m_nStand.load(std::memory_order_acquire);
        if ((stand >> 1) >= bis || (stand & 1)) return stand >> 1;
        m_nStand.wait(stand, std::memory_order_acquire);
    }
}

} // namespace kalvora
