#pragma once
#include <QObject>
#include <functional>
#include <string>

#include "app/AppEinstellungen.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"
#include "view/EintragsartTabelle.h"

class CEinstellungenDlg;
class CMainFrame;
class CUrlaubApp;
class CUrlaubDoc;

// What the settings command asks of the plan view after OK, in this order. Empty entries are
// skipped.
struct EinstellungenAnsicht {
    std::function<void(int nSchema)> m_farbschema;       // the grid takes the scheme (1..5)
    std::function<void(kalvora::COLORREF)> m_heuteKnopf; // the today button: text, face and stripe
    std::function<void()> m_anzeigeAufbauen;             // rebuild the display list and repaint
    std::function<int()> m_aktiveArt;                    // the view's active entry type
    std::function<void(int nArt)> m_gitterAktiveArt;     // the grid is given the active type again
};

// The plan view's commands 32785 "Einstellungen" and 32786 "Datenbank optimieren".
class CEinstellungenBefehle : public QObject {
    Q_OBJECT
public:
    // All references must outlive the object.
    CEinstellungenBefehle(kalvora::AppEinstellungen& app, CMainFrame& rahmen, CUrlaubDoc& doc,
                          kalvora::EinstellungsSpeicher& speicher, kalvora::Meldungen& meldungen,
                          QObject* parent = nullptr);
    // The running application's settings, frame, document and services (after InitInstance).
    explicit CEinstellungenBefehle(CUrlaubApp& app, QObject* parent = nullptr);

    EinstellungenAnsicht m_ansicht;
    // The database of this run (the view's): a path chosen in the dialog takes effect at the next
    // start, so until then compaction and the entry-type file stay with this one.
    std::string m_strDatenbank;
    // Runs the dialog modally and returns its result; replaceable so the command runs unattended.
    std::function<int(CEinstellungenDlg&)> m_ausfuehren;

    // Connects the frame's actions: 32785 is enabled; 32786 keeps its state, the view enables it
    // once the working list has been loaded.
    void Anschliessen();

    // Command 32785; true after OK.
    bool OnEinstellungen();
    // Command 32786.
    void OnDatenbankOptimieren();

private:
    int AktiveArt() const;

    kalvora::AppEinstellungen& m_app;
    CMainFrame& m_rahmen;
    CUrlaubDoc& m_doc;
    kalvora::EinstellungsSpeicher& m_speicher;
    kalvora::Meldungen& m_meldungen;
};
