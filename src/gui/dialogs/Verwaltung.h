#pragma once
#include <functional>

#include "app/AppEinstellungen.h"
#include "app/Meldungen.h"
#include "data/Ressource.h"
#include "view/EintragsartTabelle.h"

class CJahresFeld;
class CRessourcenDlg;
class QWidget;

// What command 32771 needs from the view besides the data.
struct VerwaltungsAnschluss {
    // The group filter fell back to all resources: clear the grid's caption.
    std::function<void()> m_gruppeZurueckgesetzt;
    // The edited list is the working list now: sync with saving, then rebuild the display.
    std::function<void()> m_abgleichenUndAufbauen;
    // "Drucken" in the dialog: print this year overview instead of the plan.
    std::function<void(CJahresFeld&)> m_drucken;
};

// Command 32771 "Ressource verwalten": runs the resource management dialog on a deep copy of
// `arbeitsliste` (the document's working list), with `bVerwaltungOffen` set while it is open.
// However the dialog ends (OK, Esc, close box) the copy replaces the working list, the group
// filter `app.m_strAbteilung` falls back to all resources when its group is gone, and the
// saving sync runs. Returns the dialog's result.
int RessourcenVerwalten(QWidget* eltern, kalvora::RessourcenListe& arbeitsliste,
                        kalvora::AppEinstellungen& app, const kalvora::EintragsartTabelle& tabelle,
                        kalvora::Meldungen& meldungen, bool& bVerwaltungOffen,
                        const VerwaltungsAnschluss& anschluss);
