#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "data/TagEintrag.h"

namespace kalvora {

// The day table of a resource: for every calendar day [month 1..12][day 1..31] the list of its
// entries, one per year, in the order they were added. All entries sit in one array grouped by
// day, in the order the file stores them, so a load fills it in a single pass.
class TagTabelle {
public:
    static constexpr int kSlots = 13 * 32;
    static constexpr int SlotVon(int monat, int tag) { return monat * 32 + tag; }

    std::span<CTagEintrag> Slot(int monat, int tag) { return Bereich(SlotVon(monat, tag)); }
    std::span<const CTagEintrag> Slot(int monat, int tag) const { return Bereich(SlotVon(monat, tag)); }
    // Every entry: months, days, each day's list in order.
    std::span<CTagEintrag> Alle() { return m_eintraege; }
    std::span<const CTagEintrag> Alle() const { return m_eintraege; }
    std::size_t Anzahl() const { return m_eintraege.size(); }

    // Appends at the end of one day's list.
    CTagEintrag& Anhaengen(int monat, int tag, CTagEintrag eintrag);

    struct Neu {
        int slot; // SlotVon(month, day)
        CTagEintrag eintrag;
    };
    // Appends many entries in one pass: each day's list gets its new ones in the given order.
    void AnhaengenAlle(std::vector<Neu> neu);

    // Replaces the table by `eintraege`, the entry i belonging to day slot slots[i]; the order
    // within a day is kept. Entries whose slot is out of range are dropped.
    void Setzen(std::vector<CTagEintrag> eintraege, std::span<const std::uint16_t> slots);

    // For filling a table in stored order: ende[s + 1] is one past the last entry of slot s so
    // far, 0 while the day has none.
    using Enden = std::array<std::uint32_t, kSlots + 1>;
    // Takes `eintraege` as filled. `geordnet`: grouped by day, days ascending, as `ende` says;
    // otherwise they are sorted here by their dates, keeping the order within each day.
    void Uebernehmen(std::vector<CTagEintrag> eintraege, Enden& ende, bool geordnet);

    // Removes the entries for which `weg` holds.
    template <class P> void EntfernenWenn(P&& weg) {
        if (m_eintraege.empty()) return;
        std::size_t ziel = 0;
        std::size_t quelle = 0;
        for (int s = 0; s < kSlots; ++s) {
            const std::size_t ende = m_anfang[static_cast<std::size_t>(s) + 1];
            m_anfang[static_cast<std::size_t>(s)] = static_cast<std::uint32_t>(ziel);
            for (; quelle < ende; ++quelle)
                if (!weg(std::as_const(m_eintraege[quelle]))) {
                    if (ziel != quelle) m_eintraege[ziel] = std::move(m_eintraege[quelle]);
                    ++ziel;
                }
        }
        m_eintraege.resize(ziel);
        m_anfang[kSlots] = static_cast<std::uint32_t>(ziel);
        if (m_eintraege.empty()) m_anfang.clear();
    }

private:
    std::span<CTagEintrag> Bereich(int slot);
    std::span<const CTagEintrag> Bereich(int slot) const;

    std::vector<CTagEintrag> m_eintraege;
    // Start of each slot's run in m_eintraege, plus the end; empty while there are no entries,
    // so that a resource without days stays small.
    std::vector<std::uint32_t> m_anfang;
};

} // namespace kalvora
