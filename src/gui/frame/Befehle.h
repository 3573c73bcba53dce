#pragma once
#include <array>
#include <span>

// Every command of the program, from which the frame builds its actions, menus and toolbar.
namespace kalvora {

namespace befehl {
constexpr int RessourceVerwalten = 32771;
constexpr int TageLoeschen = 32773;
constexpr int Verkleinern = 32777;
constexpr int Vergroessern = 32778;
constexpr int Einstellungen = 32785;
constexpr int DatenbankOptimieren = 32786;
constexpr int GruppeAnzeigen = 32787;
constexpr int Diagnose = 32788;
constexpr int QuickStart = 32789;
constexpr int SortierenNachGruppen = 32798;
constexpr int Exportieren = 32810;
constexpr int DruckerEinrichtung = 57606;
constexpr int Drucken = 57607;
constexpr int DirektDrucken = 57608;
constexpr int Seitenansicht = 57609;
constexpr int Rueckgaengig = 57643;
constexpr int Wiederherstellen = 57644;
constexpr int Info = 57664;
constexpr int Beenden = 57665;
constexpr int Symbolleiste = 59392;
constexpr int Statusleiste = 59393;
} // namespace befehl

// Command of entry type k; index 0 is the clearing command "Entf".
constexpr std::array<int, 17> kArtBefehl = {32773, 32795, 32774, 32775, 32776, 32791, 32792, 32793, 32797,
                                            32800, 32801, 32802, 32803, 32804, 32805, 32806, 32807};
// Entry type of a command, -1 for any other command.
constexpr int ArtAusBefehl(int id) {
    for (int k = 0; k < static_cast<int>(kArtBefehl.size()); ++k)
        if (kArtBefehl[static_cast<std::size_t>(k)] == id) return k;
    return -1;
}

enum class Menue { Keins, Datei, Bearbeiten, Ansicht, Extras, Hilfe };

enum class Regel {
    Rahmen,     // the frame or the application carries it out
    Ansicht,    // disabled until the plan view takes it over
    Art,        // entry type: checkable, exactly one is checked
    Umschalter, // shows or hides a bar: checkable
};

struct BefehlsEintrag {
    int nId;
    Menue menue;
    bool bTrennerDavor;     // separator above it in its menu
    const char* pszText;    // UTF-8 with mnemonic; a tab introduces the accelerator text shown
    const char* pszPrompt;  // "status tip\ntooltip", empty when none
    const char* pszTaste;   // portable key sequence
    const char* pszZeichen; // character accelerator: acts on the typed character
    const char* pszSymbol;  // toolbar icon in the resources
    Regel regel;
};

std::span<const BefehlsEintrag> BefehlsTabelle();
const BefehlsEintrag* FindeBefehl(int id);

// Menu titles in menu-bar order.
struct MenueTitel {
    Menue menue;
    const char* pszText;
};
constexpr std::array<MenueTitel, 5> kMenues = {{{Menue::Datei, "&Datei"},
                                                {Menue::Bearbeiten, "&Bearbeiten"},
                                                {Menue::Ansicht, "&Ansicht"},
                                                {Menue::Extras, "&Extras"},
                                                {Menue::Hilfe, "&?"}}};

// Standard buttons at the left of the toolbar; 0 is a separator. The entry types follow.
constexpr std::array<int, 8> kLeistenBefehle = {befehl::RessourceVerwalten,
                                                befehl::GruppeAnzeigen,
                                                befehl::Drucken,
                                                0,
                                                befehl::Vergroessern,
                                                befehl::Verkleinern,
                                                0,
                                                befehl::SortierenNachGruppen};

} // namespace kalvora
