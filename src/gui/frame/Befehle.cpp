#include "frame/Befehle.h"

namespace kalvora {
namespace {

using M = Menue;
using R = Regel;

constexpr const char* kArtPrompt = "Anzeigen als ...\nAnzeigen";

constexpr BefehlsEintrag kTabelle[] = {
    // &Datei
    {befehl::Drucken, M::Datei, false, "&Drucken\tStrg+P", "Druckt das aktive Dokument.\nDrucken", "Ctrl+P",
     "", ":/kalvora/drucken.png", R::Ansicht},
    {befehl::Seitenansicht, M::Datei, false, "Sei&tenansicht...", "Zeigt ganze Seiten an.\nSeitenansicht", "",
     "", "", R::Ansicht},
    {befehl::DruckerEinrichtung, M::Datei, false, "Drucker&einrichtung...",
     "Ändert die Drucker- und Druckoptionen.\nDruckereinrichtung", "", "", "", R::Ansicht},
    {befehl::Exportieren, M::Datei, true, "E&xportieren...",
     "Schreibt Abwesenheiten als iCalendar-Datei oder die Tage je Eintragsart als CSV-Datei.\nExportieren", "",
     "", "", R::Ansicht},
    {befehl::Beenden, M::Datei, true, "&Beenden", "Beendet das Programm.\nBeenden", "", "", "", R::Rahmen},
    // &Bearbeiten
    {befehl::Rueckgaengig, M::Bearbeiten, false, "&Rückgängig\tStrg+Z",
     "Macht die letzte Markierung oder Notiz rückgängig.\nRückgängig", "Ctrl+Z", "", "", R::Ansicht},
    {befehl::Wiederherstellen, M::Bearbeiten, false, "&Wiederherstellen\tStrg+Y",
     "Stellt die zuletzt rückgängig gemachte Änderung wieder her.\nWiederherstellen", "Ctrl+Y", "", "",
     R::Ansicht},
    {befehl::RessourceVerwalten, M::Bearbeiten, true, "&Ressource verwalten ...",
     "Ressource verwalten.\nRessource", "", "", ":/kalvora/ressourcen.png", R::Ansicht},
    {befehl::GruppeAnzeigen, M::Bearbeiten, false, "&Gruppe anzeigen ...",
     "Anzuzeigende Gruppe auswählen.\nGruppe", "", "", ":/kalvora/gruppe.png", R::Ansicht},
    // &Ansicht
    {befehl::Symbolleiste, M::Ansicht, false, "&Symbolleiste",
     "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein/aus", "", "", "", R::Umschalter},
    {befehl::Statusleiste, M::Ansicht, false, "S&tatusleiste",
     "Blendet die Statusleiste ein oder aus.\nStatusleiste ein/aus", "", "", "", R::Umschalter},
    {befehl::Vergroessern, M::Ansicht, true, "Ansicht ver&größern", "Ansicht vergrößern.\nVergrößern", "",
     "+", ":/kalvora/vergroessern.png", R::Ansicht},
    {befehl::Verkleinern, M::Ansicht, false, "Ansicht ver&kleinern", "Ansicht verkleinern.\nVerkleinern", "",
     "-", ":/kalvora/verkleinern.png", R::Ansicht},
    {befehl::SortierenNachGruppen, M::Ansicht, true, "S&ortieren nach Gruppen",
     "Sortieren nach Gruppen.\nSortieren nach Gruppen", "", "", ":/kalvora/sortieren.png", R::Ansicht},
    // &Extras
    {befehl::Einstellungen, M::Extras, false, "&Einstellungen...", "Einstellungen ändern.\nEinstellungen", "",
     "", "", R::Ansicht},
    {befehl::DatenbankOptimieren, M::Extras, false, "&Datenbank optimieren...",
     "Entfernt gelöschte Ressourcen und Tage endgültig aus der Datenbank.\nDatenbank optimieren", "", "", "",
     R::Ansicht},
    // &?
    {befehl::QuickStart, M::Hilfe, false, "QuickStart", "Öffnet die Kurzanleitung.\nQuickStart", "", "", "",
     R::Rahmen},
    {befehl::Info, M::Hilfe, true, "Inf&o über Kalvora ...",
     "Zeigt Programmname, Versionsnummer und Copyright an.\nInfo", "", "", "", R::Rahmen},
    // Without a menu item
    {befehl::Diagnose, M::Keins, false, "Diagnose", "", "Ctrl+Alt+D", "", "", R::Ansicht},
    {befehl::DirektDrucken, M::Keins, false, "Direkt drucken", "", "", "", "", R::Ansicht},
    // Entry types: the toolbar's colour buttons
    {32795, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32774, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32775, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32776, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32791, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32792, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32793, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32797, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32800, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32801, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32802, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32803, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32804, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32805, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32806, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {32807, M::Keins, false, "", kArtPrompt, "", "", "", R::Art},
    {befehl::TageLoeschen, M::Keins, false, "Tage löschen", "Tage löschen.\nLöschen", "", "", "", R::Art},
};

} // namespace

std::span<const BefehlsEintrag> BefehlsTabelle() {
    return kTabelle;
}

const BefehlsEintrag* FindeBefehl(int id) {
    for (const BefehlsEintrag& e : kTabelle)
        if (e.nId == id) return &e;
    return nullptr;
}

} // namespace kalvora
