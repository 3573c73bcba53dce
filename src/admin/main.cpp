// kalvora-admin: headless administration of a Kalvora database.
#include <cstring>
#include <iostream>

#include "Befehle.h"

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

void Hilfe(std::ostream& out) {
    out << "Aufruf: kalvora-admin BEFEHL ARGUMENTE\n\nBefehle:\n";
    for (const Befehl& b : kBefehle) out << "  " << b.hilfe << '\n';
    out << "\nanlegen und markieren warten, solange ein anderes Programm die Datenbank sperrt; eine Sperre, die\n"
           "70 Sekunden lang unverändert bleibt, gilt als verwaist und wird aufgehoben (wie im Programm).\n"
           "Rückgabe: 0 erledigt, 1 Fehler (Datenbank unverändert), 2 Stempeldatei gesperrt oder unlesbar.\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        Hilfe(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 1 : 0;
    }
    const Argumente args(argv + 2, argv + argc);
    for (const Befehl& b : kBefehle)
        if (std::strcmp(argv[1], b.name) == 0) return b.ausfuehren(args, std::cout, std::cerr);
    std::cerr << "Fehler: unbekannter Befehl \"" << argv[1] << "\"\n";
    Hilfe(std::cerr);
    return 1;
}
