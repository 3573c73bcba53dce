#pragma once
#include <string>
#include <vector>

#include "data/Ressource.h"
#include "data/Time.h"
#include "print/DruckAuswahl.h"

namespace kalvora {

// Messages of the export (UTF-8).
inline constexpr const char* kMeldungExportZeitraum =
    "Maximal kann nur 1 Jahr exportiert werden! Überprüfen Sie bitte die Datumseingabe!";
inline constexpr const char* kMeldungExportVerkehrt = "Der letzte Tag liegt vor dem ersten Tag!";
inline constexpr const char* kMeldungKeineRessource = "Keine Ressource ausgewählt!";

// As printing: a last day up to 400 days after the first passes.
inline constexpr int kExportHoechstensTage = 400;

enum class ExportFehler { Keiner, Verkehrt, ZeitraumZuLang, NichtsAusgewaehlt };
ExportFehler ExportPruefen(Datum von, Datum bis, bool bAusgewaehlt);
// Empty for Keiner.
std::string ExportFehlerText(ExportFehler fehler);

// The live records whose line is selected, in the order of the lines (the list's sorted order).
std::vector<const CRessource*> AusgewaehlteRessourcen(const RessourcenListe& liste, const DruckAuswahl& auswahl);

} // namespace kalvora
