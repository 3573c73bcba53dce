// wiederherstellen, entsperren
#include <ctime>
#include <ostream>

#include "Argumente.h"
#include "Befehle.h"
#include "app/AppEinstellungen.h"
#include "data/StempelSperre.h"

namespace kalvora::admin {

std::string SicherungBeschreiben(const SicherungsInfo& info) {
    std::tm tm{};
    localtime_r(&info.zeit, &tm);
    char zeit[32];
    std::strftime(zeit, sizeof zeit, "%d.%m.%Y %H:%M", &tm);
    return "\"" + info.pfad.string() + "\" vom " + zeit + " mit " +
           Anzahl(static_cast<std::int64_t>(info.ressourcen), "Ressource", "Ressourcen");
}

int Wiederherstellen(const Argumente& args, std::ostream& out, std::ostream& err) {
    const bool mitAus = args.size() == 3 && args[1] == "--aus";
    int nummer = 0;
    if ((args.size() != 1 && !mitAus) ||
        (mitAus && (args[2].size() != 3 || !args[2].starts_with("BK") || args[2][2] < '1' || args[2][2] > '5'))) {
        err << "Fehler: Aufruf: kalvora-admin wiederherstellen DATEI [--aus BK1|BK2|BK3|BK4|BK5]\n";
        return 1;
    }
    if (mitAus) nummer = args[2][2] - '0';
    const std::string datei = DatenbankPfadAufloesen(args[0]);
    const auto info = mitAus ? SicherungPruefen(datei, nummer) : LadbareSicherung(datei);
    if (!info) {
        err << "Fehler: "
            << (mitAus ? "Die Sicherung \"" + SicherungsPfad(datei, nummer) + "\" fehlt, ist leer oder lädt nicht."
                       : "Neben \"" + datei + "\" gibt es keine ladbare Sicherung.")
            << " Nichts wurde geändert.\n";
        return 1;
    }
    std::string fehler;
    if (!SicherungWiederherstellen(datei, info->pfad, fehler)) {
        err << "Fehler: " << fehler << " Nichts wurde geändert.\n";
        return 1;
    }
    out << "Wiederhergestellt: " << SicherungBeschreiben(*info) << " nach \"" << datei << "\"\n";
    return 0;
}

int Entsperren(const Argumente& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "Fehler: Aufruf: kalvora-admin entsperren DATEI\n";
        return 1;
    }
    const std::string stempel = StempelPfad(DatenbankPfadAufloesen(args[0]));
    std::string grund;
    const auto s = StempelGeschuetztLesen(stempel, grund);
    if (!s) {
        err << "Fehler: " << grund << '\n';
        return 1;
    }
    const std::string vorher = std::to_string(s->sperre) + ' ' + std::to_string(s->zaehler);
    if (s->sperre == 0) {
        out << "Die Datenbank war nicht gesperrt (Stempeldatei \"" << stempel << "\": \"" << vorher << "\").\n";
        return 0;
    }
    if (!SperreBrechenWenn(stempel, *s)) {
        err << "Fehler: Die Stempeldatei \"" << stempel
            << "\" hat sich gerade geändert oder kann nicht geschrieben werden; bitte erneut versuchen.\n";
        return 1;
    }
    out << "Sperre aufgehoben: Stempeldatei \"" << stempel << "\" von \"" << vorher << "\" auf \"0 " << s->zaehler
        << "\" gesetzt.\n";
    return 0;
}

} // namespace kalvora::admin
