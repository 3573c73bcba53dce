#pragma once
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "data/TagEintrag.h"
#include "data/TagTabelle.h"
#include "data/Time.h"

// One planned row: a person, room, vehicle or machine, with its day table.
class CRessource {
public:
    int m_nPosition = 0;     // scratch: sort or print position, never stored or copied
    bool m_bDrucken = false; // scratch: chosen for printing, never stored or copied
    CTime m_timeGeaendert;   // last change of names, group, number or deleted mark
    bool m_bGeloescht = false;
    int m_nZeile = 0; // display row from 1; 0 = not displayed
    kalvora::TagTabelle m_pTage; // day table [month 1..12][day 1..31]
    std::string m_strBenennung1;
    std::string m_strBenennung2;
    std::string m_strGruppe;
    std::string m_strIdentNr;

    // Same resource: names and number equal byte by byte; the group does not count.
    bool GleicheIdentitaet(const CRessource& andere) const {
        return m_strBenennung1 == andere.m_strBenennung1 && m_strBenennung2 == andere.m_strBenennung2 &&
               m_strIdentNr == andere.m_strIdentNr;
    }

    std::span<CTagEintrag> Slot(int monat, int tag) { return m_pTage.Slot(monat, tag); }
    std::span<const CTagEintrag> Slot(int monat, int tag) const { return m_pTage.Slot(monat, tag); }
    // The entry of the local date of `datum`, or null.
    CTagEintrag* FindeTag(CTime datum);
    const CTagEintrag* FindeTag(CTime datum) const;
    std::size_t AnzahlEintraege() const { return m_pTage.Anzahl(); }

    // Calls f(entry) for every entry in file order: months, days, slot order.
    template <class F> void FuerAlleTage(F&& f) const {
        for (const CTagEintrag& e : m_pTage.Alle()) f(e);
    }

    // Copy of all stored fields and days (the scratch fields and row number start fresh).
    std::unique_ptr<CRessource> Kopie() const;
};

namespace kalvora {

// A list of resources in list order (working list, disk copy, display list, edit copy).
using RessourcenListe = std::vector<std::unique_ptr<CRessource>>;

// Marks a day on a working record: half chosen by the local hour of `datum`; an existing entry
// keeps its note; the change time becomes `jetzt`. Null does nothing.
void SetTag(CRessource* pRessource, CTime datum, int nVormittag, int nNachmittag, const std::string& notiz,
            CTime jetzt);
// The same on a display record, replacing the note and leaving the change time alone.
void SetTagAnzeige(CRessource& ressource, CTime datum, int nVormittag, int nNachmittag, const std::string& notiz);
// Copies every day of `quelle` into the empty display row `zeile` with the result of one
// SetTagAnzeige per entry in file order, in a single pass: the display is rebuilt on every tick.
// Relies on every entry sitting in the slot of its own local date, as all setters keep it.
void TageAnzeigen(const CRessource& quelle, CRessource& zeile);

// Deep copy of a list, order kept.
RessourcenListe KopiereListe(const RessourcenListe& liste);
// Empties a list, deleting its records.
void ListeFreigeben(RessourcenListe& liste);
// Display row numbering: the smallest number >= 1 that no record carries.
int FreieZeile(const RessourcenListe& liste);

} // namespace kalvora
