#include "export/StatistikCsv.h"

#include <cmath>

#include "app/Zeichensatz.h"
#include "export/KalenderTermin.h"
#include "view/Statistik.h"

namespace kalvora {

std::string CsvFeld(std::string_view utf8) {
    if (utf8.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(utf8);
    std::string feld = "\"";
    for (const char c : utf8) {
        if (c == '"') feld += '"';
        feld += c;
    }
    feld += '"';
    return feld;
}

std::string TageCsv(float tage) {
    if (!std::isfinite(tage)) return "0";
    // Counts are sums of halves: whole numbers of half days, exact in a float.
    const long long halbe = std::llround(static_cast<double>(tage) * 2.0);
    std::string text = std::to_string(halbe / 2);
    if (halbe % 2 != 0) text += ",5";
    return text;
}

std::string StatistikCsv(const std::vector<const CRessource*>& ressourcen, const EintragsartTabelle& tabelle,
                         int jahr) {
    std::string csv = "\xEF\xBB\xBF"
                      "Benennung 1;Benennung 2;Gruppe;Identifikations-Nr.";
    for (int art = 1; art <= kAnzahlArten; ++art) csv += ';' + CsvFeld(ArtBezeichnung(tabelle, art));
    csv += "\r\n";
    for (const CRessource* r : ressourcen) {
        if (!r || r->m_bGeloescht) continue;
        for (const std::string* feld : {&r->m_strBenennung1, &r->m_strBenennung2, &r->m_strGruppe}) {
            csv += CsvFeld(Utf8AusCp1252(*feld));
            csv += ';';
        }
        csv += CsvFeld(Utf8AusCp1252(r->m_strIdentNr));
        for (const float tage : TageZaehlen(*r, jahr)) csv += ';' + TageCsv(tage);
        csv += "\r\n";
    }
    return csv;
}

} // namespace kalvora
