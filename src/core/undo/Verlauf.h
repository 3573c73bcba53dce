#pragma once
#include <cstddef>
#include <deque>

#include "app/Meldungen.h"
#include "undo/Schritt.h"
#include "view/Notiz.h"

namespace kalvora {

// An undo or redo that could not run because another instance held the database's lock.
inline constexpr const char* kVerlaufGesperrt =
    "Die Datenbank ist gerade von einem anderen Benutzer gesperrt; es wurde nichts geändert. Bitte versuchen "
    "Sie es gleich noch einmal.";

// The undo history of one window for one run: the steps to undo and, after an undo, those to redo.
class Verlauf {
public:
    static constexpr std::size_t kTiefe = 100; // steps kept each way; the oldest go first

    // A new change: on top of the undo steps; the redo steps go. An empty step changes nothing.
    void Aufnehmen(Schritt schritt);

    bool KannRueckgaengig() const { return !m_zurueck.empty(); }
    bool KannWiederherstellen() const { return !m_vor.empty(); }

    // Undo (`bZurueck`) or redo of the newest step, in the sync's hook with the file just loaded
    // (SchrittAnwenden). The days written make up the step of the other direction; the days left
    // alone are returned and drop out of the history.
    Schritt Anwenden(bool bZurueck, const RessourcenListe& datei, RessourcenListe& arbeit, CTime jetzt,
                     AenderungsBasis* basis);

private:
    std::deque<Schritt> m_zurueck;
    std::deque<Schritt> m_vor;
};

// Command 5555 with its step: MarkierungUebernehmen, recorded in `verlauf`.
void MarkierenMitVerlauf(Verlauf& verlauf, CRessource* pAnzeige, CRessource* pArbeit, CTime start, CTime ende,
                         int nArt, CTime jetzt, AenderungsBasis* basis);

// Command 5556 with its step: NotizBearbeiten, and the note's old and new text recorded in
// `verlauf` when OK changed it.
bool NotizMitVerlauf(Verlauf& verlauf, RessourcenListe& arbeit, int nZeile, CTime zeit, Meldungen& meldungen,
                     const NotizDialog& dialog, AenderungsBasis* basis);

} // namespace kalvora
