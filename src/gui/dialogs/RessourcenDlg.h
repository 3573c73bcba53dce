#pragma once
#include <QDialog>
#include <string>

#include "app/Meldungen.h"
#include "data/Ressource.h"
#include "view/EintragsartTabelle.h"
#include "view/Verwaltung.h"

class CJahresFeld;
class CStatistikFeld;
class QLabel;
class QListWidget;

// "Ressourcen verwalten": create, change, copy and delete resources on the caller's copy of the
// list, and inspect one resource in one year. Records are only linked in and marked, never
// deleted; the caller hands the copy back to the document afterwards.
class CRessourcenDlg : public QDialog {
    Q_OBJECT
public:
    // `liste`, `tabelle` and `meldungen` must outlive the dialog.
    CRessourcenDlg(kalvora::RessourcenListe& liste, const kalvora::EintragsartTabelle& tabelle,
                   kalvora::Meldungen& meldungen, QWidget* parent = nullptr);

    int m_nJahr;                        // shown year
    int m_nJahrAlt;                     // year the panes were last filled for
    int m_nAuswahlAlt = 0;              // list line (from 1) the panes were last filled for; 0 = none
    kalvora::RessourcenListe* m_pListe; // the dialog's copy, owned by the caller
    kalvora::DialogFarben m_dialogFarben = kalvora::DialogFarbenFuerSchema(1);

    // One line per resource not deleted, in list order.
    void ListeFuellen();
    // A new record with the four texts, linked into the list in key order.
    CRessource& EinfuegenSortiert(const std::string& benennung1, const std::string& benennung2,
                                  const std::string& gruppe, const std::string& identNr);

    CStatistikFeld* StatistikFeld() const { return m_pStatistik; }
    CJahresFeld* JahresFeld() const { return m_pJahresFeld; }

signals:
    // "Drucken": the year overview is to be printed.
    void DruckenAngefordert(CJahresFeld* feld);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnNeu();
    void OnBearbeiten();
    void OnKopieren();
    void OnLoeschen();
    void OnJahrZurueck();
    void OnJahrVor();
    void JahrAnzeigen();
    // Refills info lines and panes when the selection or the year changed since the last fill.
    void Auffrischen();
    int Auswahl() const; // selected line from 0, -1 = none
    CRessource* AusgewaehlteRessource();
    // The selected resource, or null after "Kein Mitarbeiter ausgewählt! ".
    CRessource* AuswahlOderMeldung();
    int DuX(int einheiten) const;
    int DuY(int einheiten) const;

    const kalvora::EintragsartTabelle& m_tabelle;
    kalvora::Meldungen& m_meldungen;
    bool m_bInitialisiert = false;
    kalvora::InfoZeilen m_info{"-", "-", "-"};

    QListWidget* m_pListeFeld;
    QLabel* m_pInfo1;
    QLabel* m_pInfo2;
    QLabel* m_pInfo3;
    QLabel* m_pJahr;
    CStatistikFeld* m_pStatistik;
    CJahresFeld* m_pJahresFeld;
};
