#pragma once
#include <memory>
#include <string>

#include "data/Ressource.h"

namespace kalvora {

// The two places where a new resource is linked into a list. Both compare bytes (unsigned,
// case-sensitive), and deleted records take part like any other.

// "Neu" in resource management: a record with the four texts, change time `jetzt`, not deleted
// and without days goes before the first record whose key (Benennung 1 + Benennung 2 +
// Identifikations-Nummer, without separator) is not less than its own, so before an equal key.
CRessource& EinfuegenSortiert(RessourcenListe& liste, std::string benennung1, std::string benennung2,
                              std::string gruppe, std::string identNr, CTime jetzt);

// The merge: by Benennung 1 only. Walks from the head while the next record's Benennung 1 is
// smaller; a record smaller than the head becomes the head, otherwise it goes after the record
// reached. Unlike the key order above, a record equal to the head goes after it.
CRessource& EinfuegenNachBenennung(RessourcenListe& liste, std::unique_ptr<CRessource> neu);

} // namespace kalvora
