#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "data/Ressource.h"

namespace kalvora {

// Identity of a resource (Benennung 1, Benennung 2, Identifikations-Nummer) as one hash key; the
// length prefixes keep ("ab", "c") apart from ("a", "bc").
std::string IdentitaetsSchluessel(const CRessource& r);

// The base of the three-way merge: for every day this instance changed since its last load or
// save, the day as the file had it then (nullopt: the file had no entry). Every other day of the
// working list equals the file's, so only these need a base; this keeps the base small instead of
// a second copy of the whole plan.
class AenderungsBasis {
public:
    using Tage = std::unordered_map<std::int64_t, std::optional<CTagEintrag>>; // local day number

    // Call right before a local change of the day of `datum` on working record `r`: the first call
    // per day since the last sync records the day's state, later ones keep it.
    void Vormerken(const CRessource& r, CTime datum);

    // The recorded days of the resource with this identity key, or null.
    Tage* Fuer(const std::string& identitaet);
    bool Leer() const { return m_tage.empty(); }
    // After a successful save the file equals the working list: no day differs any more.
    void Leeren() { m_tage.clear(); }

    // After a merge the file just read is the new base; the merge writes it into these tables.
    std::unordered_map<std::string, Tage>& Alle() { return m_tage; }

private:
    std::unordered_map<std::string, Tage> m_tage;
};

} // namespace kalvora
