// kalvora-admin kalender: what the program shades, one line per day of a year.
#include <charconv>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include "Argumente.h"
#include "Befehle.h"
#include "app/Zeichensatz.h"
#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"

namespace kalvora::admin {
namespace {

constexpr const char* kAufruf =
    "Aufruf: kalvora-admin kalender JAHR (--regionen LISTE | --flags BITS) [--namen]\n";

// Exactly 27 characters 0/1, taken as they are.
bool FlagsLesen(std::string_view bits, Regionen& regionen, std::ostream& err) {
    if (bits.size() != regionen.size() || bits.find_first_not_of("01") != std::string_view::npos) {
        err << "Fehler: --flags erwartet genau 27 Zeichen 0 oder 1, erhalten \"" << bits << "\"\n";
        return false;
    }
    for (std::size_t i = 0; i < regionen.size(); ++i)
        regionen[i] = bits[i] == '1' ? 1 : 0;
    return true;
}

} // namespace

int Kalender(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "Fehler: JAHR fehlt\n" << kAufruf;
        return 1;
    }
    int jahr = 0;
    if (!ZahlLesen(args[0], jahr) || jahr < kErstesJahr || jahr > kLetztesJahr) {
        err << "Fehler: ungültiges Jahr \"" << args[0] << "\" (erlaubt: " << kErstesJahr << " bis "
            << kLetztesJahr << ")\n";
        return 1;
    }

    Regionen regionen{};
    bool gewaehlt = false;
    bool namen = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--namen") {
            namen = true;
            continue;
        }
        if (option != "--regionen" && option != "--flags") {
            err << "Fehler: unbekanntes Argument \"" << option << "\"\n" << kAufruf;
            return 1;
        }
        if (gewaehlt) {
            err << "Fehler: nur eine Angabe der Regionen erlaubt (--regionen oder --flags)\n" << kAufruf;
            return 1;
        }
        if (i + 1 >= args.size()) {
            err << "Fehler: " << option << " ohne Wert\n" << kAufruf;
            return 1;
        }
        const std::string& wert = args[++i];
        if (!(option == "--regionen" ? RegionenLesen(wert, regionen, err) : FlagsLesen(wert, regionen, err)))
            return 1;
        gewaehlt = true;
    }
    if (!gewaehlt) {
        err << "Fehler: --regionen oder --flags fehlt\n" << kAufruf;
        return 1;
    }

    const CFeiertage feiertage(regionen);
    std::string text;
    text.reserve(366 * 24);
    char zeile[64];
    for (int monat = 1; monat <= 12; ++monat) {
        for (int tag = 1; tag <= TageImMonat(monat, jahr); ++tag) {
            const std::string_view wt = WochentagKuerzel(Wochentag(tag, monat, jahr));
            const int n = std::snprintf(zeile, sizeof zeile, "%04d-%02d-%02d %.*s %d %c %c", jahr, monat, tag,
                                        static_cast<int>(wt.size()), wt.data(),
                                        static_cast<int>(feiertage.Kalenderwoche(tag, monat, jahr)),
                                        feiertage.IstFeiertag(tag, monat, jahr) ? 'F' : '-',
                                        feiertage.IstSchulferien(tag, monat, jahr) ? 'S' : '-');
            text.append(zeile, static_cast<std::size_t>(n));
            // After the five fields, so a reader of the fields alone is not disturbed.
            if (const std::string name = namen ? NamensText(tag, monat, jahr, regionen) : std::string();
                !name.empty())
                text += ' ' + Utf8AusCp1252(name);
            text += '\n';
        }
    }
    out << text;
    return out.good() ? 0 : 1;
}

} // namespace kalvora::admin
