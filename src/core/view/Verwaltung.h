#pragma once
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "view/EintragsartTabelle.h"

namespace kalvora {

// Fill colours of the year overview in resource management, per colour scheme.
struct DialogFarben {
    COLORREF m_nFrei;    // Saturday, Sunday and public holiday
    COLORREF m_nWerktag; // Monday to Friday
    COLORREF m_nHeute;
    bool operator==(const DialogFarben&) const = default;
};

// Schemes 1..5; any other number gets the colours of scheme 1.
constexpr DialogFarben DialogFarbenFuerSchema(int schema) {
    switch (schema) {
    case 2:
        return {0xE6FFE6, 0xF0F0F0, 0xF0FFFF};
    case 3:
        return {0xE6FFE6, 0xF0FFF0, 0xF0FFFF};
    case 4:
        return {0x006400, 0x000000, 0x960000};
    case 5:
        return {0xEBEBEB, 0xFFFFFF, 0xE1E1E1};
    default:
        return {0xDCFFDC, 0xE6E6E6, 0xDCFFFF};
    }
}

// Lines of the resource list: "Benennung 1, Benennung 2" of every resource not deleted.
std::vector<std::string> ListenTexte(const RessourcenListe& liste);

// The resource of list line `zeile` (from 0): the (zeile + 1)-th record not deleted. Null for a
// negative line (no selection) or a line beyond the list.
CRessource* RessourceAufZeile(RessourcenListe& liste, int zeile);

// "Bearbeiten": the record takes the four texts of the edit dialog and a fresh change time.
void RessourceAendern(CRessource& ressource, std::string benennung1, std::string benennung2,
                      std::string gruppe, std::string identNr, CTime jetzt);

// "Löschen": only a deletion mark with its change time; the record stays for the merge.
void RessourceLoeschen(CRessource& ressource, CTime jetzt);

enum class KopierErgebnis {
    Kopiert,
    IdentitaetUnveraendert, // names and number as the original
    ExistiertBereits,       // a resource not deleted has that identity
};

// "Kopieren": a new record with the typed texts, linked in key order, carrying copies of every
// day entry of `quelle` (all fields, slot order). Nothing is created on a refusal.
KopierErgebnis RessourceKopieren(RessourcenListe& liste, const CRessource& quelle,
                                 const std::string& benennung1, const std::string& benennung2,
                                 const std::string& gruppe, const std::string& identNr, CTime jetzt);

// Question before deleting: "Ressource <B1>, <B2> wirklich löschen?" (Windows-1252).
std::string LoeschFrage(const CRessource& ressource);

// Info lines above the panes; "-" three times without a resource.
struct InfoZeilen {
    std::string m_strName;
    std::string m_strGruppe;
    std::string m_strIdentNr;
};
InfoZeilen InfoZeilenVon(const CRessource* ressource);

// Caption of the year overview from info lines 1 and 2: the group part is left out when the
// resource has none.
std::string JahresUeberschrift(const std::string& zeile1, const std::string& zeile2);

// Shown year after "<<<" / ">>>": stays within 1971..2036.
int JahrZurueck(int jahr);
int JahrVor(int jahr);

// True when a resource not deleted belongs to `gruppe`.
bool GruppeVorhanden(const RessourcenListe& liste, const std::string& gruppe);

// End of resource management: a group filter that no resource of the edited copy carries any
// longer falls back to all resources (returns true then); the copy replaces the working list.
bool VerwaltungAbschliessen(RessourcenListe& arbeitsliste, RessourcenListe kopie, std::string& strAbteilung);

} // namespace kalvora
