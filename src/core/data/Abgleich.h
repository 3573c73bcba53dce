#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "data/UrlaubDoc.h"

namespace kalvora {

// What the sync needs from the view: rebuild the grid's display list, set the main window title.
class AbgleichAnzeige {
public:
    virtual ~AbgleichAnzeige() = default;
    virtual void AnzeigeAufbauen() = 0;
    virtual void SetzeTitel(const std::string& titel) = 0;
};

// How far a sync got. Every stop before Fertig leaves the sync pending (`m_bAbgleichOffen`).
enum class AbgleichStand {
    StempelBelegt,       // stamp unreadable or its lock flag not 0
    SperreVerloren,      // the lock flag did not read back as taken
    LadenFehlgeschlagen, // the database could not be opened; the stamp lock stays taken
    NichtGespeichert,    // merged, but the save failed: the file and the counter are as before; pending
                         // while this instance has changes of its own
    Fertig,
};

constexpr int kTaktMs = 10000; // period of the sync timer

// The sharing state of one program instance and its sync with the other instances: stamp
// preparation, the initial load, the sync itself and the timer tick. The view owns one and a
// timer; the admin tool drives one headless.
class Abgleich {
public:
    // Prepares the stamp file as a starting view does. Database and stamp path are fixed for the
    // run: a database chosen in the settings takes effect at the next start, so that it is never
    // loaded or saved under another file's stamp. `bAbgleichOffen` is the frame's flag that the
    // status bar shows.
    Abgleich(CUrlaubDoc& doc, const std::string& strDatei, std::filesystem::path strStempel,
             bool& bAbgleichOffen, AbgleichAnzeige& anzeige);

    // First update of the view: the disk copy becomes the working list, then the display is built.
    bool ErstesLaden();

    // Loads, merges and saves under the stamp lock. `bNurLaden` false: a change of this instance,
    // the counter goes up; true: another instance's change is taken in, the counter stays.
    AbgleichStand Abgleichen(bool bNurLaden);
    // The same with a change that must see the file as it is now (undo, redo): `vorher` runs under
    // the lock with the file just loaded, before the merge, and changes the working list. It does
    // not run when the sync stops before the load.
    using VorDemZusammenfuehren = std::function<void(const RessourcenListe& datei)>;
    AbgleichStand Abgleichen(bool bNurLaden, const VorDemZusammenfuehren& vorher);

    // One timer tick. The caller stops its timer before and restarts it after every tick
    // (kTaktMs); no outcome keeps it stopped. Returns how the sync went when the tick ran one.
    std::optional<AbgleichStand> Takt();

    // Last change counter seen or written; -1 until the stamp file could be read once, so the
    // first tick that reads it reloads.
    int m_nLokalZaehler = -1;
    int m_nWarteTakte = 0; // ticks in a row that found the stamp not free
    bool m_bDiagnose = false;
    // From a failed save until a later one succeeds; the user is told once per such streak.
    bool m_bNichtGespeichert = false;

    const std::filesystem::path& StempelDatei() const { return m_strStempel; }
    const std::string& Datenbank() const { return m_strDatei; }

private:
    CUrlaubDoc& m_doc;
    const std::string m_strDatei;
    const std::filesystem::path m_strStempel;
    bool& m_bAbgleichOffen;
    AbgleichAnzeige& m_anzeige;
};

} // namespace kalvora
