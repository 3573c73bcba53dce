#pragma once
#include <QObject>
#include <QRect>
#include <functional>
#include <memory>

#include "print/DruckAuftrag.h"

class CDruckDlg;
class CJahresFeld;
class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;
class VIduvavIzoz;

// The view's printing: "&Drucken\tStrg+P" (57607), "Sei&tenansicht..." (57609) and
// "Drucker&einrichtung..." (57606), on one printer kept for the view's life, so that the set-up
// holds for later prints. A child of the view.
class CDruckBefehle : public QObject {
    Q_OBJECT
public:
    explicit CDruckBefehle(VIduvavIzoz& ansicht);
    ~CDruckBefehle() override;

    // Print dialog, system printer dialog (also for a PDF file), then the page.
    void OnDrucken();
    // Print dialog, then the page in Qt's preview, which can print it as well.
    void OnSeitenansicht();
    // Paper, orientation and margins of the printer.
    void OnDruckerEinrichtung();
    // "Drucken" in resource management: its year overview instead of the plan, without the print
    // dialog. `feld` is only used during the call.
    void VerwaltungDrucken(CJahresFeld& feld);

    QPrinter& Drucker();
    // The page of the current print (the plan, or the year overview while resource management
    // prints) into the printable area `seite` of `dc`.
    void Zeichnen(QPainter& dc, const QRect& seite) const;
    const kalvora::DruckAuftrag& Auftrag() const { return m_auftrag; }

    // Modal steps, replaceable for unattended runs. The print dialog returns its exec() result;
    // the printer dialog and the set-up return true to go on.
    std::function<int(CDruckDlg&)> m_druckDialog;
    std::function<bool(QPrinter&, QWidget*)> m_druckerDialog;
    std::function<void(QPrintPreviewDialog&)> m_vorschau;
    std::function<void(QPrinter&, QWidget*)> m_einrichtung;

private:
    // Print preparation: false when nothing is to be printed.
    bool Vorbereiten();
    void Ausgeben(QPrinter& drucker);
    QWidget* Eltern() const;

    VIduvavIzoz& m_ansicht;
    std::unique_ptr<QPrinter> m_pDrucker;
    kalvora::DruckAuftrag m_auftrag;
    const CJahresFeld* m_pDruckFeld = nullptr;
};

// Registers the print commands (57607, 57608 as the same, 57609, 57606) on the view; once is enough,
// a second call keeps the first.
CDruckBefehle& DruckenAnschliessen(VIduvavIzoz& ansicht);

// For the resource management hook (VerwaltungsAnschluss::m_drucken): prints the dialog's year
// overview through the view's print command.
void VerwaltungDrucken(VIduvavIzoz& ansicht, CJahresFeld& feld);
