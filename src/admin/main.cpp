// kalvora-admin: headless administration of a Kalvora database.
#include <cstring>
#include <iostream>
#include <string_view>

#include "Argumente.h"
#include "Befehle.h"
#include "app/Zeichensatz.h"
#include "calendar/Regionen.h"

using namespace kalvora;
using namespace kalvora::admin;

namespace {

const Befehl kBefehle[] = {
    {"pruefen", "pruefen DATEI                 Datenbank laden und prüfen; warnt, wenn sie leer ist, obwohl eine "
                "Sicherung Daten hat, oder nicht lädt (Rückgabe 3: lädt, aber Warnung)", Pruefen},
    {"export", "export DATEI                  ganzen Plan als JSON ausgeben", Exportieren},
    {"optimieren", "optimieren DATEI              Sicherung anlegen, dann gelöschte Ressourcen und Tage entfernen",
     Optimieren},
    {"wiederherstellen", "wiederherstellen DATEI [--aus BK1..BK5]  Sicherung zurückholen (ohne --aus: die neueste "
                         "ladbare), unter der Sperre", Wiederherstellen},
    {"entsperren", "entsperren DATEI              Sperre der Stempeldatei aufheben (Zähler bleibt)", Entsperren},
    {"kalender", "kalender JAHR (--regionen LISTE | --flags BITS) [--namen]  Feiertage und Ferien eines Jahres "
                 "(--namen: mit Namen)", Kalender},
    {"anlegen", "anlegen DATEI --b1 TEXT --b2 TEXT [--gruppe TEXT] [--nr TEXT]  Ressource anlegen", Anlegen},
    {"markieren", "markieren DATEI --b1 TEXT --b2 TEXT [--nr TEXT] --von JJJJ-MM-TT[:1|:2] --bis JJJJ-MM-TT[:1|:2] "
                  "--art N [--notiz TEXT]  Halbtage markieren (N = 0 löscht)", Markieren},
    {"ical", "ical DATEI --von JJJJ-MM-TT --bis JJJJ-MM-TT --aus DATEI.ics [--gruppe TEXT] [--ressource \"Name, "
             "Vorname\"] [--art LISTE]  Abwesenheiten als iCalendar-Datei", Ical},
    {"statistik", "statistik DATEI --jahr JJJJ --aus DATEI.csv [--gruppe TEXT]  Tage je Eintragsart als CSV-Datei",
     Statistik},
#ifdef KALVORA_ADMIN_DRUCKEN
    {"drucken", "drucken DATEI --von JJJJ-MM-TT --bis JJJJ-MM-TT --pdf AUSGABE.pdf [--gruppe TEXT] [--nach-gruppen] "
                "[--schema 1..5] [--regionen LISTE]  Plan als PDF drucken", Drucken},
#endif
};

// What --regionen takes, with every state's number and name.
void RegionenHilfe(std::ostream& out) {
    out << "LISTE: Länder durch Komma getrennt, je als Nummer oder Name (Groß- und Kleinschreibung\n"
           "beliebig, \"ä\" auch als \"ae\" oder \"a\"), z. B. 2,24 oder Bayern,Wien:\n ";
    std::size_t spalte = 1;
    for (int r = 0; r < kAnzahlLaender; ++r) {
        const std::string eintrag = ' ' + std::to_string(r) + ' ' + Utf8AusCp1252(Regionsname(r)) +
                                    (r + 1 < kAnzahlLaender ? "," : "\n");
        if (spalte + eintrag.size() > 100) out << "\n ", spalte = 1;
        out << eintrag;
        spalte += eintrag.size();
    }
}

// The line of a command up to its first run of two spaces is its call, the rest what it does.
void BefehlsHilfe(const Befehl& b, std::ostream& out) {
    const std::string_view hilfe = b.hilfe;
    const auto luecke = hilfe.find("  ");
    out << "Aufruf: kalvora-admin " << hilfe.substr(0, luecke) << '\n';
    if (luecke != std::string_view::npos)
        out << "\n" << hilfe.substr(hilfe.find_first_not_of(' ', luecke)) << '\n';
    if (hilfe.find("--regionen") != std::string_view::npos) {
        out << '\n';
        RegionenHilfe(out);
    }
}

void Hilfe(std::ostream& out) {
    out << "Aufruf: kalvora-admin BEFEHL ARGUMENTE\n"
           "       kalvora-admin BEFEHL --help\n"
           "       kalvora-admin --version\n\nBefehle:\n";
    for (const Befehl& b : kBefehle) out << "  " << b.hilfe << '\n';
    out << '\n';
    RegionenHilfe(out);
    out << "Daten: JJJJ-MM-TT von " << kErstesJahr << " bis " << kLetztesJahr << ".\n";
    out << "\nanlegen und markieren warten, solange ein anderes Programm die Datenbank sperrt; eine Sperre, die\n"
           "70 Sekunden lang unverändert bleibt, gilt als verwaist und wird aufgehoben (wie im Programm).\n"
           "Rückgabe: 0 erledigt, 1 Fehler (Datenbank unverändert), 2 Stempeldatei gesperrt oder unlesbar.\n";
}

bool IstHilfe(std::string_view arg) { return arg == "--help" || arg == "-h"; }

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || IstHilfe(argv[1])) {
        Hilfe(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 1 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "kalvora-admin " KALVORA_VERSION "\n";
        return 0;
    }
    const Argumente args(argv + 2, argv + argc);
    for (const Befehl& b : kBefehle) {
        if (std::strcmp(argv[1], b.name) != 0) continue;
        // Anywhere among the arguments: a help wish is never a value that makes sense.
        for (const std::string& a : args)
            if (IstHilfe(a)) return BefehlsHilfe(b, std::cout), 0;
        return b.ausfuehren(args, std::cout, std::cerr);
    }
    std::cerr << "Fehler: unbekannter Befehl \"" << argv[1] << "\"\n";
    Hilfe(std::cerr);
    return 1;
}
