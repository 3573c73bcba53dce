#pragma once
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "app/Meldungen.h"
#include "data/Ressource.h"
#include "print/DruckAuswahl.h"
#include "view/EintragsartTabelle.h"

class CRessourcenWahl;
class QDateEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

// "Exportieren": the chosen resources' absences of a period as an iCalendar file, or their day
// counts of a year as a CSV file. Resources are chosen as for printing; the file is written by
// the same core code as kalvora-admin ical and statistik, replacing the target safely.
class CExportDlg : public QDialog {
    Q_OBJECT
public:
    // `liste` is the working list, read only when the file is written; `strGruppe` the view's
    // group filter, which preselects its lines. All must outlive the dialog.
    CExportDlg(const kalvora::RessourcenListe& liste, const std::string& strGruppe,
               const kalvora::EintragsartTabelle& arten, kalvora::Meldungen& meldungen,
               QWidget* parent = nullptr);

    enum Format { ICalendar = 0, CsvStatistik = 1 };

    QListWidget* Liste() const;
    QDateEdit* ErsterTag() const { return m_pErster; }
    QDateEdit* LetzterTag() const { return m_pLetzter; }
    QSpinBox* Jahr() const { return m_pJahr; }
    void SetFormat(Format format);

    // The file chooser: given the dialog, a proposed name and a filter, the chosen path or empty.
    std::function<QString(QWidget*, const QString&, const QString&)> m_dateiWaehlen;
    QString m_strDatei; // the file written, after OK

    // "Exportieren...": the checks, the file chooser, then the file; stays open on a failed step.
    void accept() override;

private:
    void OnDatumGeaendert();
    void FormatZeigen();

    const kalvora::RessourcenListe& m_liste;
    const kalvora::EintragsartTabelle& m_arten;
    kalvora::Meldungen& m_meldungen;
    CRessourcenWahl* m_pWahl = nullptr;
    QDateEdit* m_pErster = nullptr;
    QDateEdit* m_pLetzter = nullptr;
    QRadioButton* m_pIcal = nullptr;
    QRadioButton* m_pCsv = nullptr;
    QSpinBox* m_pJahr = nullptr;
};
