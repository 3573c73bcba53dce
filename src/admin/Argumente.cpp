#include "Argumente.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "app/Zeichensatz.h"

namespace kalvora::admin {

bool ZahlLesen(std::string_view text, int& zahl) {
    if (text.empty()) return false;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, zahl);
    return ec == std::errc{} && p == ende;
}

bool DatumLesen(std::string_view s, Datum& datum) {
    int jahr = 0, monat = 0, tag = 0;
    if (s.size() != 10 || s[4] != '-' || s[7] != '-' || !ZahlLesen(s.substr(0, 4), jahr) ||
        !ZahlLesen(s.substr(5, 2), monat) || !ZahlLesen(s.substr(8, 2), tag))
        return false;
    if (jahr < kErstesJahr || jahr > kLetztesJahr || monat < 1 || monat > 12 || tag < 1) return false;
    const Datum d = DatumAusTagen(TageAusDatum(jahr, monat, tag));
    if (d.monat != monat || d.tag != tag) return false; // 2025-02-30
    datum = d;
    return true;
}

bool RegionenLesen(std::string_view liste, Regionen& regionen, std::ostream& err) {
    regionen.fill(0);
    while (!liste.empty()) {
        const auto komma = liste.find(',');
        const std::string_view teil = liste.substr(0, komma);
        const int region = RegionAusText(teil);
        if (region < 0) {
            err << "Fehler: ungültige Region \"" << teil
                << "\" (erlaubt: 0 bis 24 oder der Name eines Landes, z. B. Bayern)\n";
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

std::string Anzahl(std::int64_t n, std::string_view eins, std::string_view mehrere) {
    return std::to_string(n) + ' ' + std::string(n == 1 ? eins : mehrere);
}

bool OptionenLesen(const std::vector<std::string>& args, std::initializer_list<std::string_view> erlaubt,
                   std::initializer_list<std::string_view> pflicht, std::string& datei, Optionen& optionen,
                   std::ostream& err, std::initializer_list<std::string_view> schalter) {
    if (args.empty() || args[0].starts_with("--")) {
        err << "Fehler: DATEI fehlt\n";
        return false;
    }
    datei = args[0];
    const auto enthaelt = [](std::initializer_list<std::string_view> l, const std::string& n) {
        return std::find(l.begin(), l.end(), n) != l.end();
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        const bool ohneWert = enthaelt(schalter, name);
        if (!ohneWert && !enthaelt(erlaubt, name)) {
            err << "Fehler: unbekannte Angabe \"" << name << "\"\n";
            return false;
        }
        if (!ohneWert && i + 1 >= args.size()) {
            err << "Fehler: " << name << " ohne Wert\n";
            return false;
        }
        if (!optionen.emplace(name, ohneWert ? std::string() : args[++i]).second) {
            err << "Fehler: " << name << " doppelt angegeben\n";
            return false;
        }
    }
    for (const std::string_view p : pflicht)
        if (!optionen.count(std::string(p))) {
            err << "Fehler: " << p << " fehlt\n";
            return false;
        }
    return true;
}

bool Cp1252Lesen(const Optionen& optionen, const char* name, std::string& ziel, std::ostream& err) {
    const auto it = optionen.find(name);
    if (it == optionen.end()) {
        ziel.clear();
        return true;
    }
    const auto cp1252 = Cp1252AusUtf8(it->second);
    if (!cp1252) {
        err << "Fehler: " << name << " enthält ein Zeichen, das in der Datenbank (Windows-1252) nicht "
            << "gespeichert werden kann\n";
        return false;
    }
    ziel = *cp1252;
    return true;
}

} // namespace kalvora::admin
