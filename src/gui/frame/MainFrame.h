#pragma once
#include <QMainWindow>
#include <functional>
#include <map>

#include "app/AppEinstellungen.h"
#include "app/EinstellungsSpeicher.h"
#include "app/FensterPlatz.h"
#include "app/Meldungen.h"
#include "view/EintragsartTabelle.h"

class CStatusLeiste;
class CTypLeiste;
class QAction;

// The single top-level window: menus, the entry-type toolbar, the status bar with its lamp, and
// the plan view as central widget. Owns the entry-type table and the holiday region flags.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // `app` supplies the database path, stamp file and colour scheme; all three references must
    // outlive the frame.
    CMainFrame(kalvora::AppEinstellungen& app, kalvora::EinstellungsSpeicher& speicher,
               kalvora::Meldungen& meldungen, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // A save of this instance is pending; the sync sets it, the lamp shows it.
    bool m_bAbgleichOffen = false;
    // Meanings, colours and alignments of entry types 1..16 and the 27 region flags.
    kalvora::EintragsartTabelle m_tabelle;

    // The action of a command id (object name "cmd<id>"); nullptr for an unknown id.
    QAction* Aktion(int id) const;
    CTypLeiste* TypLeiste() const { return m_pTypLeiste; }
    CStatusLeiste* StatusLeiste() const { return m_pStatusLeiste; }

    // Marks the button of entry type 0..16 (0 = "Entf") and recolours all of them.
    void SetAktiveArt(int art);
    // Captions of the 16 entry-type buttons from the current meanings.
    void SetTypTexte();

    // The plan view becomes the central widget; the frame takes ownership.
    void SetzeAnsicht(QWidget* ansicht);

    // What creation found in the store, for checks.
    const kalvora::FensterPlatz& StartPlatz() const { return m_startPlatz; }
    // Where "QuickStart" looks for its document, and how it opens it.
    QString m_strQuickStart;
    std::function<bool(const QUrl&)> m_oeffnen;

    static QString ProduktTitel(); // "Kalvora - " and the maker's web address

signals:
    // An entry-type command ran (0 = "Entf").
    void ArtGewaehlt(int art);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AktionenAnlegen();
    void MenuesAnlegen();
    void PlatzAnwenden(const kalvora::FensterPlatz& platz);
    void OnQuickStart();
    void OnInfo();

    kalvora::AppEinstellungen& m_app;
    kalvora::EinstellungsSpeicher& m_speicher;
    kalvora::Meldungen& m_meldungen;
    std::map<int, QAction*> m_aktionen;
    CTypLeiste* m_pTypLeiste = nullptr;
    CStatusLeiste* m_pStatusLeiste = nullptr;
    kalvora::FensterPlatz m_startPlatz;
};
