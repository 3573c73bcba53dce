#pragma once
#include <string>

#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"

namespace kalvora {

// The per-user state of the application object and the rules that fill and store it.
struct AppEinstellungen {
    std::string m_strDatei;   // database path (UTF-8 file name)
    std::string m_strStempel; // stamp file: the database path less its last two characters
    int m_nFarbschema = 1;
    int m_nSpalte1 = 110;        // name column width
    std::string m_strAbteilung;  // displayed group (Windows-1252), empty = all
    bool m_bAlpha = true;        // alphabetical order, else by groups
    bool m_bMaximiert = false;   // start maximised

    // Start-up: settings, database location, stamp check, empty database, backups.
    // `kommandozeile` is the command-line argument (empty when none). False = the program ends
    // (the store could not be opened; the user has been told).
    bool Starten(EinstellungsSpeicher& speicher, Meldungen& meldungen, const std::string& kommandozeile);
    // End: "Spalte1", "Abteilung", "Alpha".
    void Beenden(EinstellungsSpeicher& speicher, Meldungen& meldungen) const;

    // OK in the settings dialog with the path typed there. Returns the path as stored.
    std::string DatenbankAusDialog(const std::string& pfad, const std::string& alterPfad,
                                   EinstellungsSpeicher& speicher, Meldungen& meldungen);
};

// The database path the files beside it are named from: absolute, with links, ".", ".." and
// repeated separators resolved, so that every name of one file shares one stamp and one set of
// backups. A file that does not exist yet resolves its folder.
std::string DatenbankPfadAufloesen(const std::string& datei);

// Names of the files beside the database.
std::string StempelPfad(const std::string& datei);      // less the last two characters
std::string EintragsartPfad(const std::string& datei);  // less the last three, plus "but"
// In the database's folder: its file name's part before the first ".".
std::string SicherungsBasis(const std::string& datei);
std::string SicherungsPfad(const std::string& datei, int nummer); // basis + ".BK<nummer>"

// Creates an empty database file unless one exists.
void DatenbankAnlegen(const std::string& datei);

// Keeps up to five copies BK1..BK5; rotates when the database is over 900 s newer than BK1, or
// always when `erzwingen`. Each copy replaces its target safely; a failed one is skipped.
void SicherungenRotieren(const std::string& datei, bool erzwingen = false);

// "Duchsuchen" in the settings dialog: a missing database is created, a missing stamp file
// written as "0 1".
void DatenbankBeimDurchsuchenAnlegen(const std::string& datei);

} // namespace kalvora
