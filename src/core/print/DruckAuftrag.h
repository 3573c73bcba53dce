#pragma once
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "data/Time.h"
#include "view/EintragsartTabelle.h"

namespace kalvora {

// Print order of the print dialog.
inline constexpr int kDruckAlphabetisch = 0;
inline constexpr int kDruckNachGruppen = 1;

// The printed rows as the dialog's marks give them, in row order, with their name cells.
struct DruckZeilen {
    std::vector<const CRessource*> m_zeilen;
    std::vector<std::string> m_namen; // Windows-1252
    int m_nAnzahl = 0;                // records marked for printing (k): sets the row height
};

// Alphabetical (0): the marked live records in list order, named "Name, Vorname". By groups (any
// other value): for p = 1 .. list size the first record at print position p, named with its group
// in front when it has one; a position without a record leaves no gap.
DruckZeilen DruckZeilenBilden(const RessourcenListe& liste, int nDruckArt);

// Everything one printout needs, copied when the print dialog closes: timer syncs may replace or
// renumber the working list while the printer dialog or the preview is open.
struct DruckAuftrag {
    RessourcenListe m_zeilen;         // copies of the printed records, in row order
    std::vector<std::string> m_namen; // name cell of each row
    int m_nAnzahl = 0;
    CTime m_timeVon;
    CTime m_timeBis;
    EintragsartTabelle m_arten = EintragsartTabelle::Standard();
    int m_nFarbschema = 1;
};

DruckAuftrag DruckAuftragBilden(const RessourcenListe& liste, int nDruckArt, CTime von, CTime bis,
                                const EintragsartTabelle& arten, int nFarbschema);

} // namespace kalvora
