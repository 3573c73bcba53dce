#include "data/TagTabelle.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kalvora {
namespace {

bool Gueltig(int slot) { return slot >= 0 && slot < TagTabelle::kSlots; }

} // namespace

std::span<CTagEintrag> TagTabelle::Bereich(int slot) {
    if (m_anfang.empty() || !Gueltig(slot)) return {};
    const auto s = static_cast<std::size_t>(slot);
    return std::span(m_eintraege).subspan(m_anfang[s], m_anfang[s + 1] - m_anfang[s]);
}

std::span<const CTagEintrag> TagTabelle::Bereich(int slot) const {
    if (m_anfang.empty() || !Gueltig(slot)) return {};
    const auto s = static_cast<std::size_t>(slot);
    return std::span(m_eintraege).subspan(m_anfang[s], m_anfang[s + 1] - m_anfang[s]);
}

CTagEintrag& TagTabelle::Anhaengen(int monat, int tag, CTagEintrag eintrag) {
    const int slot = SlotVon(monat, tag);
    if (!Gueltig(slot)) throw std::out_of_range("Tag " + std::to_string(tag) + "." + std::to_string(monat) + ".");
    if (m_anfang.empty()) m_anfang.assign(kSlots + 1, 0);
    const auto s = static_cast<std::size_t>(slot);
    const std::uint32_t pos = m_anfang[s + 1];
    m_eintraege.insert(m_eintraege.begin() + pos, std::move(eintrag));
    for (std::size_t i = s + 1; i <= kSlots; ++i) ++m_anfang[i];
    return m_eintraege[pos];
}

void TagTabelle::AnhaengenAlle(std::vector<Neu> neu) {
    if (neu.empty()) return;
    std::vector<std::uint16_t> slots;
    std::vector<CTagEintrag> alle;
    slots.reserve(m_eintraege.size() + neu.size());
    alle.reserve(m_eintraege.size() + neu.size());
    // Old entries first, then the new ones: Setzen keeps that order within each day.
    for (int s = 0; s < kSlots && !m_anfang.empty(); ++s)
        for (auto i = m_anfang[static_cast<std::size_t>(s)]; i < m_anfang[static_cast<std::size_t>(s) + 1]; ++i) {
            alle.push_back(std::move(m_eintraege[i]));
            slots.push_back(static_cast<std::uint16_t>(s));
        }
    for (Neu& n : neu) {
        if (!Gueltig(n.slot)) throw std::out_of_range("Tag " + std::to_string(n.slot));
        alle.push_back(std::move(n.eintrag));
        slots.push_back(static_cast<std::uint16_t>(n.slot));
    }
    Setzen(std::move(alle), slots);
}

void TagTabelle::Setzen(std::vector<CTagEintrag> eintraege, std::span<const std::uint16_t> slots) {
    // A counting sort, stable within each day; out-of-range slots are dropped.
    m_anfang.assign(kSlots + 1, 0);
    const std::size_t n = eintraege.size();
    for (std::size_t i = 0; i < n; ++i)
        if (slots[i] < kSlots) ++m_anfang[slots[i] + 1u];
    for (std::size_t s = 1; s <= kSlots; ++s) m_anfang[s] += m_anfang[s - 1];
    std::vector<std::uint32_t> naechster(m_anfang.begin(), m_anfang.end() - 1);
    std::vector<CTagEintrag> sortiert(m_anfang[kSlots]);
    for (std::size_t i = 0; i < n; ++i)
        if (slots[i] < kSlots) sortiert[naechster[slots[i]]++] = std::move(eintraege[i]);
    m_eintraege = std::move(sortiert);
    if (m_eintraege.empty()) m_anfang.clear();
}

void TagTabelle::Uebernehmen(std::vector<CTagEintrag> eintraege, Enden& ende, bool geordnet) {
    if (!geordnet) {
        // Rare: a file not grouped by day. Sort it the general way.
        std::vector<std::uint16_t> slots;
        slots.reserve(eintraege.size());
        for (const CTagEintrag& e : eintraege) {
            const MonatTag mt = LokalerMonatTag(e.m_timeDatum);
            slots.push_back(static_cast<std::uint16_t>(SlotVon(mt.monat, mt.tag)));
        }
        Setzen(std::move(eintraege), slots);
        return;
    }
    m_eintraege = std::move(eintraege);
    if (m_eintraege.empty()) {
        m_anfang.clear();
        return;
    }
    // An empty day ends where the one before it does.
    for (std::size_t s = 1; s <= kSlots; ++s) ende[s] = std::max(ende[s], ende[s - 1]);
    m_anfang.assign(ende.begin(), ende.end());
}

} // namespace kalvora
