#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "data/Time.h"
#include "view/EintragsartTabelle.h"

namespace kalvora {

// One calendar event of the export, as plain data: the writer turns it into iCalendar.
// Texts are UTF-8.
struct KalenderTermin {
    enum Art { Ganztags, Vormittag, Nachmittag };
    Art m_nArt = Ganztags;
    Datum m_datumVon{};  // first day
    Datum m_datumBis{};  // whole days: the day after the last (exclusive); half days: the same day
    CTime m_timeStempel; // newest change of the days it covers
    std::string m_strUid;
    std::string m_strTitel;        // "Benennung 1, Benennung 2: Bedeutung"
    std::string m_strBeschreibung; // the notes of its days
    std::string m_strKategorie;    // the meaning
};

// Local hours of the half-day events: 08:00-12:00 and 13:00-17:00, floating (no time zone).
inline constexpr int kVormittagVon = 8, kVormittagBis = 12, kNachmittagVon = 13, kNachmittagBis = 17;

// The meaning of type `art` (1..16) as UTF-8, blanks trimmed; "Art N" when it has none.
std::string ArtBezeichnung(const EintragsartTabelle& tabelle, int art);

// Which types to export: index 1..16; all true by default.
using ArtFilter = std::array<bool, kAnzahlArten + 1>;
ArtFilter AlleArten();

// The events of the days from `von` to `bis` (local dates, both included) of the given resources,
// resource by resource in the order given, each by first day: consecutive whole days of one type
// form one all-day event, other halves a morning or afternoon event. Cleared halves are skipped.
std::vector<KalenderTermin> TermineBilden(const std::vector<const CRessource*>& ressourcen,
                                          const EintragsartTabelle& tabelle, Datum von, Datum bis,
                                          const ArtFilter& arten = AlleArten());

} // namespace kalvora
