#pragma once
#include <QDialog>
#include <QTime>
#include <string>

#include "app/Meldungen.h"
#include "data/Ressource.h"
#include "data/Time.h"
#include "print/DruckAuswahl.h"

class CRessourcenWahl;
class QDateEdit;
class QListWidget;
class QRadioButton;

// "Drucken": which resources, which period, which order. Created anew for every print: it opens
// with "Nach Gruppen" and both days at today. After OK the caller reads the days and the print
// kind; the records of the list carry m_bDrucken and m_nPosition.
class CDruckDlg : public QDialog {
    Q_OBJECT
public:
    // `liste` is the working list (only its scratch fields are written, on OK); `strGruppe` the
    // view's group filter, which preselects its lines. Both must outlive the dialog.
    CDruckDlg(kalvora::RessourcenListe& liste, const std::string& strGruppe, kalvora::Meldungen& meldungen,
              QWidget* parent = nullptr);

    CTime m_timeErsterTag;  // 1044
    CTime m_timeLetzterTag; // 1045
    int m_nDruckArt = 1;    // 1053: 0 "Alphabetisch ", 1 "Nach Gruppen"

    QListWidget* Liste() const;
    QDateEdit* ErsterTag() const { return m_pErster; }
    QDateEdit* LetzterTag() const { return m_pLetzter; }

    // "Drucken": the checks, then the marks on the records; the dialog stays open on a failed check.
    void accept() override;

private:
    void OnDatumGeaendert();
    CTime Zeitpunkt(const QDateEdit* picker) const;

    kalvora::RessourcenListe& m_liste;
    kalvora::Meldungen& m_meldungen;
    QTime m_uhrzeit; // the pickers keep the time of day they opened with
    CRessourcenWahl* m_pWahl = nullptr;
    QDateEdit* m_pErster = nullptr;
    QDateEdit* m_pLetzter = nullptr;
    QRadioButton* m_pAlphabetisch = nullptr;
    QRadioButton* m_pNachGruppen = nullptr;
};
