#include "Argumente.h"

#include <charconv>
#include <ostream>

namespace kalvora::admin {

bool ZahlLesen(std::string_view text, int& zahl) {
    if (text.empty()) return false;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    return ec == std::errc{} && p == ende;
}

bool RegionenLesen(std::string_view liste, Regionen& regionen, std::ostream& err) {
    regionen.fill(0);
    while (!liste.empty()) {
        const auto komma = liste.find(',');
        const std::string_view teil = liste.substr(0, komma);
        int region = -1;
        if (!ZahlLesen(teil, region) || region < 0 || region >= kAnzahlLaender) {
            err << "Fehler: ungültige Region \"" << teil << "\" (erlaubt: 0 bis 24)\n";
            return false;
        }
        regionen[static_cast<std::size_t>(region)] = 1;
        if (komma == std::string_view::npos) break;
        liste.remove_prefix(komma + 1);
        if (liste.empty()) {
            err << "Fehler: leere Region am Ende der Liste\n";
            return false;
        }
    }
    AbgeleiteteFlagsSetzen(regionen);
    return true;
}

} // namespace kalvora::admin
