#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "data/Time.h"

namespace kalvora {

// Messages of the print dialog (UTF-8).
inline constexpr const char* kMeldungZeitraum =
    "Maximal kann nur 1 Jahr ausgedruckt werden! Überprüfen Sie bitte die Datumseingabe!";
inline constexpr const char* kMeldungKeinMitarbeiter = "Kein Mitarbeiter ausgewählt!";

// A last day up to 400 days after the first still passes, although the message speaks of a year.
inline constexpr std::int64_t kDruckHoechstensSekunden = 400LL * 86400;

// The list line of a resource: "Gruppe: Name, Vorname (Nummer)", Windows-1252.
std::string DruckZeilenText(const CRessource& r);

// Either picker changed: a first day after the last one pulls the last day along.
CTime LetzterTagAngleichen(CTime von, CTime bis);

enum class DruckFehler { Keiner, ZeitraumZuLang, NichtsAusgewaehlt };
// The checks of "Drucken", in the order the user meets them.
DruckFehler DruckPruefen(CTime von, CTime bis, bool bAusgewaehlt);
// The message of a failed check (UTF-8); empty for Keiner.
std::string DruckFehlerText(DruckFehler fehler);

// The lines of the print dialog's list with their selection.
class DruckAuswahl {
public:
    struct Zeile {
        std::string m_strText; // Windows-1252
        bool m_bAusgewaehlt = false;
    };

    // One line per record not deleted, in ascending TextVergleich order (equal lines keep the list
    // order). Selected: every line when `strFilter` is empty, else the lines of that group.
    void Fuellen(const RessourcenListe& liste, const std::string& strFilter);

    const std::vector<Zeile>& Zeilen() const { return m_zeilen; }
    // An index outside the list changes nothing.
    void SetAusgewaehlt(std::size_t i, bool bAusgewaehlt);
    void AlleAuswaehlen();
    void AuswahlAufheben();
    bool IrgendeineAusgewaehlt() const;

    // After the checks passed: every m_nPosition becomes -1; then each live record looks up the
    // first line with its text and takes m_bDrucken from its selection and, when selected,
    // m_nPosition = line index + 1. Records the list does not know (added meanwhile) stay unprinted.
    void Uebernehmen(RessourcenListe& liste) const;

private:
    std::vector<Zeile> m_zeilen;
};

} // namespace kalvora
