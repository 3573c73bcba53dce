#pragma once
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

} // namespace kalvora
