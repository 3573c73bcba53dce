#pragma once
#include <compare>
#include <string>
#include <string_view>
#include <vector>

#include "app/Meldungen.h"
#include "data/Ressource.h"

namespace kalvora {

// Sort key of Windows-1252 text, the same on every machine whatever its locale: first by the
// letters with case and accents removed (ä, á, Ä → a; ß → ss; æ → ae; œ → oe; þ → th), then
// case-insensitively with accents ("Muller" before "Müller"), then by the bytes ("Abc" before
// "abc"). Digits and punctuation compare by their codes, so "10" sorts before "9".
struct TextSchluessel {
    std::string m_strBasis;
    std::string m_strKlein;
    std::string m_strRoh;
    auto operator<=>(const TextSchluessel&) const = default;
};

TextSchluessel TextSchluesselBilden(std::string_view text);
// <0, 0, >0 in the order above; 0 only for equal bytes.
int TextVergleich(std::string_view a, std::string_view b);

// Group, name 1, name 2 and number run together: the by-groups order of the display.
std::string Sortierschluessel(const CRessource& r);

// Appends a display row labelled `strLabel` with the smallest free row number and returns it.
int AddZeile(RessourcenListe& anzeige, std::string strLabel);

// The first record (in list order) whose m_nZeile is `nZeile`, or null.
CRessource* ZeileFinden(const RessourcenListe& liste, int nZeile);

// Rebuilds the display list `anzeige` from the working list: every record gets its display row
// number in m_nZeile (0 when not shown), `strAbteilung` (empty = all) filters by exact group,
// `bAlpha` keeps the stored order, otherwise the rows are ordered by Sortierschluessel. Records
// that share a key break the by-groups order: "Fehler: Ausgabe nach Gruppen" is shown, the rows
// built so far stay and the result is false (the caller then leaves the grid unpainted).
// Otherwise true: the caller repaints.
bool AnzeigeAufbauen(RessourcenListe& arbeit, const std::string& strAbteilung, bool bAlpha,
                     RessourcenListe& anzeige, Meldungen& meldungen);

// After resource management: a filter naming a group that no live record has any more becomes
// empty. True when it was reset (the caller clears the grid caption).
bool GruppenFilterPruefen(const RessourcenListe& arbeit, std::string& strAbteilung);

// The distinct non-empty groups of the live records, in TextVergleich order.
std::vector<std::string> GruppenAuflisten(const RessourcenListe& arbeit);

} // namespace kalvora
