#pragma once
#include <QDate>
#include <QGroupBox>
#include <array>
#include <string>

#include "data/Ressource.h"
#include "print/DruckAuswahl.h"

class QDateEdit;
class QDialog;
class QListWidget;
class QPushButton;
class QVBoxLayout;

// The resources to print or export: a list that keeps its selection visible, with "Alle
// auswählen" and "Auswahl aufheben"; lines and selection as the core's DruckAuswahl keeps them.
class CRessourcenWahl : public QGroupBox {
    Q_OBJECT
public:
    // Object names of the list and of the two buttons, for tests and the dialogs' ids.
    using Namen = std::array<const char*, 3>;

    // `strGruppe` (the view's group filter) preselects its lines.
    CRessourcenWahl(const QString& titel, const kalvora::RessourcenListe& liste, const std::string& strGruppe,
                    const Namen& namen, QWidget* parent = nullptr);

    QListWidget* Liste() const { return m_pListe; }
    // The selection as the user left it in the list.
    const kalvora::DruckAuswahl& Auswahl();

private:
    void AuswahlZeigen();
    void AuswahlLesen();

    kalvora::DruckAuswahl m_auswahl;
    QListWidget* m_pListe = nullptr;
    bool m_bZeigtAuswahl = false;
};

namespace kalvora {
// A day picker with a calendar pop-up, "dd.MM.yyyy", limited to the years the plan can show.
QDateEdit* DatumsFeld(const char* name, QDate heute);
QPushButton* NamensKnopf(const QString& text, const char* name);
// "Erster Tag:" and "Letzter Tag:" with their pickers in a group titled `titel`.
QGroupBox* ZeitraumGruppe(const QString& titel, QDateEdit* erster, QDateEdit* letzter);
// The print dialog's arrangement: the selection left, `rechts` with the two buttons at its foot on
// the right, and the template's size (327 × 301 dialog units, buttons 50 wide) in the dialog's font.
void WahlDialogAnordnen(QDialog& dialog, CRessourcenWahl* wahl, QVBoxLayout* rechts, QPushButton* ok,
                        QPushButton* abbrechen);
} // namespace kalvora
