// kalvora-admin: headless administration of a Kalvora database.
#include <cstring>
#include <iostream>

#include "Befehle.h"

using namespace kalvora::admin;

namespace {

const Befehl kBefehle[] = {
    {"pruefen", "pruefen DATEI                 Datenbank laden und prüfen", Pruefen},
    {"export", "export DATEI                  ganzen Plan als JSON ausgeben", Exportieren},
    {"optimieren", "optimieren DATEI              gelöschte Ressourcen und Tage entfernen", Optimieren},
    {"kalender", "kalender JAHR (--regionen LISTE | --flags BITS)  Feiertage und Ferien eines Jahres", Kalender},
    {"anlegen", "anlegen DATEI --b1 TEXT --b2 TEXT [--gruppe TEXT] [--nr TEXT]  Ressource anlegen", Anlegen},
    {"markieren", "markieren DATEI --b1 TEXT --b2 TEXT [--nr TEXT] --von JJJJ-MM-TT[:1|:2] --bis JJJJ-MM-TT[:1|:2] "
                  "--art N [--notiz TEXT]  Halbtage markieren (N = 0 löscht)", Markieren},
#ifdef KALVORA_ADMIN_DRUCKEN
    {"drucken", "drucken DATEI --von JJJJ-MM-TT --bis JJJJ-MM-TT --pdf AUSGABE.pdf [--gruppe TEXT] [--nach-gruppen] "
                "[--schema 1..5] [--regionen LISTE]  Plan als PDF drucken", Drucken},
#endif
};

void Hilfe(std::ostream& out) {
    out << "Aufruf: kalvora-admin BEFEHL ARGUMENTE\n\nBefehle:\n";
    for (const Befehl& b : kBefehle) out << "  " << b.hilfe << '\n';
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
