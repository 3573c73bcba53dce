#pragma once
#include <optional>
#include <string>

#include "data/AenderungsBasis.h"
#include "data/Ressource.h"

namespace kalvora {

constexpr std::int64_t kHalberTag = 43200; // seconds from one half-day instant to the next

// A finished drag: every half day from the earlier to the later of the two instants (stepping by
// 43,200 s, both ends included) gets `nArt` (0 clears) in the half its local hour names, on the
// display record (note replaced by empty, as the grid shows it) and on the working record (note
// kept, change time `jetzt`). Either record may be null. Each day's state before the change goes
// into `basis` for the next merge. The sync afterwards is the caller's.
void MarkierungUebernehmen(CRessource* pAnzeige, CRessource* pArbeit, CTime start, CTime ende, int nArt,
                           CTime jetzt, AenderungsBasis* basis = nullptr);

// Who a resource is, independent of its place in the list and its display row: a sync may
// insert records before it, and a deleted twin of the same identity may stay in the list.
struct RessourcenKennung {
    std::string m_strBenennung1;
    std::string m_strBenennung2;
    std::string m_strIdentNr;

    static RessourcenKennung Von(const CRessource& r) {
        return {r.m_strBenennung1, r.m_strBenennung2, r.m_strIdentNr};
    }
    bool Passt(const CRessource& r) const {
        return r.m_strBenennung1 == m_strBenennung1 && r.m_strBenennung2 == m_strBenennung2 &&
               r.m_strIdentNr == m_strIdentNr;
    }
    friend bool operator==(const RessourcenKennung&, const RessourcenKennung&) = default;
};

// The working record shown in display row `nZeile`, remembered by identity; nothing when no
// record has that row.
std::optional<RessourcenKennung> KennungDerZeile(const RessourcenListe& arbeit, int nZeile);

// The first not deleted record of that identity, or null.
CRessource* LebendeRessource(const RessourcenListe& arbeit, const RessourcenKennung& kennung);

// Where a drag that started on `kennung` (taken at the press) lands at the release: that
// resource's live working record and its display row now (0: not shown). Without a kennung the
// press row had no record: only display row `nPressZeile` changes.
struct MarkierZiel {
    CRessource* m_pArbeit = nullptr;
    int m_nZeile = 0;
};
MarkierZiel MarkierZielFinden(const RessourcenListe& arbeit, const std::optional<RessourcenKennung>& kennung,
                              int nPressZeile);

} // namespace kalvora
