#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/Ressource.h"
#include "view/EintragsartTabelle.h"

namespace kalvora {

// One field of a ';'-separated file: quoted when it holds ';', '"' or a line break.
std::string CsvFeld(std::string_view utf8);

// Days in half-day steps with a decimal comma: "3", "0,5", "12,5".
std::string TageCsv(float tage);

// The yearly counts of the resource dialog as a spreadsheet: UTF-8 with BOM, ';' separated, CRLF.
// Header "Benennung 1;Benennung 2;Gruppe;Identifikations-Nr.;" and the 16 meanings, then one row
// per resource given that is not deleted, in the order given.
std::string StatistikCsv(const std::vector<const CRessource*>& ressourcen, const EintragsartTabelle& tabelle,
                         int jahr);

} // namespace kalvora
