#pragma once
#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "view/EintragsartTabelle.h"

class CFarbButton;
class QButtonGroup;
class QLineEdit;

// "Bedeutung und Farbe": edits the meaning, colour and alignment of one entry type.
// The caller sets the three members, runs exec() and reads them back after Accepted.
class CBedeutungDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBedeutungDlg(QWidget* parent = nullptr);

    kalvora::COLORREF m_farbe = 0;
    std::string m_strBedeutung; // Windows-1252
    int m_nAusrichtung = 0;     // 0 "Voll", 1 "Oben", 2 "Mitte", 3 "Unten"

    // The colour chooser; nullopt when cancelled. Replaceable so the dialog runs unattended.
    std::function<std::optional<QColor>(const QColor&)> m_farbWahl;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnFarbe();

    CFarbButton* m_pFarbe;
    QLineEdit* m_pBedeutung;
    QButtonGroup* m_pAusrichtung;
};
