#pragma once
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "app/Einstellungen.h"
#include "view/EintragsartTabelle.h"

class CBedeutungDlg;
class CFarbButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

// "Einstellungen": database location, colour scheme, the 16 entry types and the holiday regions.
// The caller sets m_strDatei, m_nSchemaIndex and m_nHaken, runs exec() and reads the members
// back after Accepted. The colour buttons change the given entry-type table at once, even when
// the dialog is then cancelled.
class CEinstellungenDlg : public QDialog {
    Q_OBJECT
public:
    // `arten` (the frame's table) must outlive the dialog.
    explicit CEinstellungenDlg(kalvora::EintragsartTabelle& arten, QWidget* parent = nullptr);

    std::string m_strDatei;       // database path (UTF-8): shown when opened, the edit's text after OK
    std::string m_strDateiAlt;    // the path when the dialog opened
    int m_nSchemaIndex = 0;       // radio 0..4 = scheme - 1; -1 when none is set
    kalvora::Regionen m_nHaken{}; // 25 region boxes in region order, then the two hidden boxes
    // Captions of the colour buttons (Windows-1252), index 1..16.
    std::array<std::string, kalvora::kAnzahlArten + 1> m_strBedeutung{};

    // The file chooser of "Duchsuchen"; an empty result means cancelled. Replaceable so the
    // dialog runs unattended.
    std::function<QString()> m_dateiWahl;
    // Runs the meaning dialog of a colour button; true after OK. Replaceable likewise.
    std::function<bool(CBedeutungDlg&)> m_bedeutungAusfuehren;

    // The values OK hands on.
    kalvora::EinstellungsWerte Werte() const;

    void accept() override;

    // Control ids of the region boxes in region order, then the two hidden boxes.
    static const std::array<int, kalvora::kAnzahlRegionsflags>& RegionsIds();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnDurchsuchen();
    void OnFarbe(int art);
    void KnopfSetzen(int art);
    int Dlu(int x) const;  // horizontal dialog units in pixels
    int DluY(int y) const; // vertical dialog units in pixels

    kalvora::EintragsartTabelle& m_arten;
    bool m_bInitialisiert = false;
    QLineEdit* m_pDatei;
    QButtonGroup* m_pSchema;
    std::array<CFarbButton*, kalvora::kAnzahlArten + 1> m_pFarben{};
    std::array<QCheckBox*, kalvora::kAnzahlRegionsflags> m_pHaken{};
};
