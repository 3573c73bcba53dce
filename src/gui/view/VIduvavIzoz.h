#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "app/AppEinstellungen.h"
#include "app/Meldungen.h"
#include "data/Abgleich.h"
#include "data/Time.h"
#include "data/UrlaubDoc.h"
#include "view/GitterZustand.h"
#include "view/Markierung.h"
#include "undo/Verlauf.h"
#include "view/Wiederherstellung.h"

class CFarbButton;
class CKalenderWnd;
class CMainFrame;
class QFrame;
class QScrollBar;

// The plan view: the grid (1000) with its scroll bars (1001, 1002) and the today button (1005),
// the view's commands, the active entry type and the sharing with other instances (timer tick).
class VIduvavIzoz : public QWidget, public kalvora::AbgleichAnzeige {
    Q_OBJECT
public:
    // Prepares the stamp file. All references must outlive the view.
    VIduvavIzoz(CUrlaubDoc& doc, kalvora::AppEinstellungen& app, CMainFrame& rahmen,
                kalvora::Meldungen& meldungen, QWidget* parent = nullptr);
    ~VIduvavIzoz() override;

    // The first showing: grid state, database load, display list, timer, title. Runs once; the
    // first show event calls it.
    void ErsteAnzeige();
    bool IstGestartet() const { return m_bGestartet; }

    CKalenderWnd* Kalender() const { return m_pKalender; }
    QScrollBar* HorizontalBalken() const { return m_pHorizontal; }
    QScrollBar* VertikalBalken() const { return m_pVertikal; }
    CFarbButton* HeuteKnopf() const { return m_pHeute; }
    CUrlaubDoc& Dokument() { return m_doc; }
    kalvora::AppEinstellungen& App() { return m_app; }
    CMainFrame& Rahmen() { return m_rahmen; }
    kalvora::Meldungen& Meldungen() { return m_meldungen; }

    // Entry type 1..16 of the next marking, 0 clears.
    int AktiveArt() const { return m_nAktiveArt; }
    // The entry-type command: view, grid and the frame's buttons.
    void SetAktiveArt(int nArt);

    // Set by resource management while its dialog is open; read by printing.
    bool m_bVerwaltungOffen = false;
    // Print settings taken over from the print dialog.
    int m_nDruckArt = 0;
    CTime m_timeDruckVon;
    CTime m_timeDruckBis;

    // Sharing: a change of this instance (false) or taking in another's (true); then the display
    // list is rebuilt. Callers that changed the working list call Abgleichen(false).
    kalvora::AbgleichStand Abgleichen(bool bNurLaden);
    // One timer tick (stop, core tick, restart); tests drive it directly. During a drag the
    // tick waits and runs right after the release (or Esc).
    void Takt();
    bool TaktWartet() const { return m_bTaktNachholen; }
    kalvora::Abgleich& Abgleicher() { return m_abgleich; }
    void SetTaktMs(int nMs);
    int TaktMs() const { return m_nTaktMs; }
    bool TaktLaeuft() const { return m_takt.isActive(); }

    // Display list from the working list, the group filter and the order; then repaint.
    void AnzeigeAufbauen() override;
    // Main window title (diagnostic counters).
    void SetzeTitel(const std::string& titel) override;

    // Commands: the one place where command ids map to handlers. BefehlSetzen registers or
    // replaces a handler and enables the frame's action of that id; Befehl runs one.
    void Befehl(int nId);
    void BefehlSetzen(int nId, std::function<void()> ausfuehren);
    bool HatBefehl(int nId) const { return m_befehle.count(nId) != 0; }
    // Update rules: zoom greyed at its limits, sort checked when by groups.
    void BefehleAktualisieren();

    void OnVerkleinern();
    void OnVergroessern();
    void OnGruppe();
    void OnSortieren();
    void OnDiagnose();
    void OnHeute();
    // Scheme 1..5 for grid and today button, then repaint (after the settings changed it).
    void SetFarbschema(int nSchema);

    // Scroll-bar requests; the bars are set afterwards (vertical 0..N at F, horizontal back to 365).
    void VertikalRollen(kalvora::Rollen r, int nDaumen = 0);
    void HorizontalRollen(kalvora::Rollen r, int nDaumen = 0);

    // The database this instance loads and saves until its next start, whatever the settings
    // now name.
    const std::string& Datenbank() const { return m_abgleich.Datenbank(); }

    // Command 5555: the half days of the finished drag get the active type (0 clears) in the
    // working record of the resource the drag started on and in its display row, then the sync
    // saves.
    void MarkierungUebernehmen();
    // Command 5556: the note of the clicked day in the note dialog, then the sync saves.
    void NotizBearbeiten();
    // Strg+Z and Strg+Y: undo and redo of this window's drags and note changes, written through the
    // sync; days another writer changed since are left alone and named in a message.
    void OnRueckgaengig();
    void OnWiederherstellen();
    const kalvora::Verlauf& Verlauf() const { return m_verlauf; }
    // Runs the note dialog with (title, note), Windows-1252; nullopt when cancelled. Replaceable
    // for unattended runs.
    std::function<std::optional<std::string>(const std::string&, const std::string&)> m_notizBearbeiten;

    // Runs the group dialog; nullopt when cancelled. Replaceable for unattended runs.
    std::function<std::optional<std::string>(const kalvora::RessourcenListe&, const std::string&)>
        m_gruppeWaehlen;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Anordnen();
    void TaktNachholen();
    void VerlaufAnwenden(bool bZurueck);
    // After a sync: the status bar, and a damaged database's restore offer.
    void NachAbgleich(kalvora::AbgleichStand stand);
    // The restore offer after a load (true when the backup replaced the database; the caller
    // loads again). `bSperreGehalten`: a failed sync left this instance holding the stamp lock.
    bool SicherungAnbieten(bool bGeladen, bool bSperreGehalten);
    // The status bar shows a failed save until a later one succeeds.
    void SpeicherstandZeigen();
    void VertikalBalkenSetzen();
    void HorizontalBalkenSetzen();
    void Zoomen(int nZellgroesse);
    void BalkenAktion(QScrollBar* balken, int aktion);
    std::optional<std::string> GruppeDialog(const kalvora::RessourcenListe& liste, const std::string& gruppe);

    kalvora::RadZaehler m_rad;
    // Compaction saves the working list: only once a load has brought the file into it.
    bool m_bGeladen = false;

    CUrlaubDoc& m_doc;
    kalvora::AppEinstellungen& m_app;
    CMainFrame& m_rahmen;
    kalvora::Meldungen& m_meldungen;
    kalvora::Abgleich m_abgleich;
    kalvora::Wiederherstellung m_wiederherstellung;

    QFrame* m_pGitterRahmen = nullptr; // the sunken edge around the grid
    CKalenderWnd* m_pKalender = nullptr;
    QScrollBar* m_pHorizontal = nullptr;
    QScrollBar* m_pVertikal = nullptr;
    CFarbButton* m_pHeute = nullptr;
    QTimer m_takt;
    int m_nTaktMs = kalvora::kTaktMs;
    int m_nAktiveArt = 1;
    bool m_bGestartet = false;
    bool m_bImAbgleich = false;    // a message box of a running sync must not let a tick start another
    bool m_bTaktNachholen = false; // a tick came during a drag
    // The resource under the press of the running drag: a later rebuild may move its row.
    std::optional<kalvora::RessourcenKennung> m_markierKennung;
    kalvora::Verlauf m_verlauf; // undo history of this window and run

    std::map<int, std::function<void()>> m_befehle;
    std::set<int> m_verbunden; // actions whose trigger already runs Befehl
};
