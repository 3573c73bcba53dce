#pragma once
#include <QToolBar>
#include <array>
#include <functional>

#include "view/EintragsartTabelle.h"

class CFarbButton;

// The main toolbar: the standard command buttons, then the 16 entry-type colour buttons in two
// rows of eight (types 1..8 above 9..16) and the clearing button "Entf".
class CTypLeiste : public QToolBar {
    Q_OBJECT
public:
    explicit CTypLeiste(QWidget* parent = nullptr);

    // Fills the bar; `aktion` hands out the frame's action per command id.
    void Aufbauen(const std::function<QAction*(int)>& aktion, const kalvora::EintragsartTabelle& tabelle,
                  int farbschema);

    // Button of entry type 0..16 (0 = "Entf"); nullptr outside.
    CFarbButton* Knopf(int art) const;

    // Marks the button of `art` (no mark changes for a value outside 0..16), gives all buttons
    // the scheme's colours again and repaints them together.
    void SetAktiveArt(int art, const kalvora::EintragsartTabelle& tabelle, int farbschema);
    void SetTypTexte(const kalvora::EintragsartTabelle& tabelle);

    static constexpr int kBreite = 80;     // an entry-type button
    static constexpr int kEntfBreite = 40; // the clearing button
    static constexpr int kKleinsteBreite = 22; // narrowest: just the colour and the stripe

    // Entry-type buttons as wide as the room right of the commands allows (80 at most).
    void BreitenAnpassen();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Einfaerben(const kalvora::EintragsartTabelle& tabelle, int farbschema);

    QWidget* m_pLetzterBefehl = nullptr; // the command button left of the entry types
    QWidget* m_pFeld = nullptr;          // the two rows of colour buttons and "Entf"
    int m_nKnopfBreite = kBreite;
    QString m_strTypTipp; // the entry-type commands' own tooltip

    std::array<CFarbButton*, 17> m_pKnoepfe{};
};
