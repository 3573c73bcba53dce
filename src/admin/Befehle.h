#pragma once
#include <iosfwd>
#include <string>

#include "data/Sicherung.h"
#include <vector>

namespace kalvora::admin {

using Argumente = std::vector<std::string>;

// One sub-command of kalvora-admin: arguments after the command word; returns the exit code.
struct Befehl {
    const char* name;
    const char* hilfe;
    int (*ausfuehren)(const Argumente& args, std::ostream& out, std::ostream& err);
};

// Each command file defines one of these.
int Pruefen(const Argumente&, std::ostream&, std::ostream&);
int Exportieren(const Argumente&, std::ostream&, std::ostream&);
int Optimieren(const Argumente&, std::ostream&, std::ostream&);
int Kalender(const Argumente&, std::ostream&, std::ostream&);
int Anlegen(const Argumente&, std::ostream&, std::ostream&);
int Markieren(const Argumente&, std::ostream&, std::ostream&);
int Wiederherstellen(const Argumente&, std::ostream&, std::ostream&);
int Entsperren(const Argumente&, std::ostream&, std::ostream&);
int Drucken(const Argumente&, std::ostream&, std::ostream&); // only in builds with the GUI
int Ical(const Argumente&, std::ostream&, std::ostream&);
int Statistik(const Argumente&, std::ostream&, std::ostream&);

// "\"/p/Ressource.BK2\" vom 03.03.2025 14:05 mit 1000 Ressourcen"
std::string SicherungBeschreiben(const SicherungsInfo& info);

} // namespace kalvora::admin
