// The print dialog: preselection, the buttons, the pickers and "Drucken" with its two checks.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QListWidget>
#include <QRadioButton>

#include "AnsichtHilfen.h"
#include "print/DruckDlg.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

class DruckDlgTest : public ::testing::Test {
protected:
    UhrFixiert uhr{CTime(2025, 1, 1, 12, 0, 0)};
    MeldungsRekorder meldungen;
    RessourcenListe liste;

    void SetUp() override {
        liste.push_back(Ressource("Wolf", "Noah", "Service", "204"));
        liste.push_back(Ressource("Becker", "Jonas", "Entwicklung", "101"));
        liste.push_back(Ressource("Alt", "Ute", "Service", "9", true));
        liste.push_back(Ressource("Braun", "Emma", "Service", "201"));
        liste.push_back(Ressource("Huber", "Eva", "", "7"));
    }
    static QStringList Ausgewaehlt(QListWidget& l) {
        QStringList texte;
        for (int i = 0; i < l.count(); ++i)
            if (l.item(i)->isSelected()) texte << l.item(i)->text();
        return texte;
    }
    static void Klick(CDruckDlg& dlg, const char* id) {
        dlg.findChild<QAbstractButton*>(QString::fromLatin1(id))->click();
    }
};

} // namespace

TEST_F(DruckDlgTest, VorauswahlNachGruppeUndDieAuswahlKnoepfe) {
    CDruckDlg dlg(liste, "Service", meldungen);
    dlg.show();
    QListWidget& l = *dlg.Liste();
    ASSERT_EQ(l.count(), 4); // the deleted record has no line
    EXPECT_EQ(l.item(0)->text(), ": Huber, Eva (7)");
    EXPECT_EQ(Ausgewaehlt(l), (QStringList{"Service: Braun, Emma (201)", "Service: Wolf, Noah (204)"}));
    EXPECT_TRUE(dlg.findChild<QRadioButton*>(QStringLiteral("id1054"))->isChecked()); // "Nach Gruppen"

    Klick(dlg, "id1042"); // "Alle auswählen" adds the other groups
    EXPECT_EQ(Ausgewaehlt(l).size(), 4);
    Klick(dlg, "id1043"); // "Auswahl aufheben"
    EXPECT_TRUE(Ausgewaehlt(l).isEmpty());
    // Nothing selected: the message, and the dialog stays open.
    Klick(dlg, "id1");
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text, "Kein Mitarbeiter ausgewählt!");
}

TEST_F(DruckDlgTest, MehrAlsVierhundertTageBleibenImDialog) {
    CDruckDlg dlg(liste, "", meldungen);
    dlg.show();
    dlg.LetzterTag()->setDate(QDate(2026, 2, 6));
    Klick(dlg, "id1");
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text,
              "Maximal kann nur 1 Jahr ausgedruckt werden! Überprüfen Sie bitte die Datumseingabe!");

    dlg.LetzterTag()->setDate(QDate(2026, 2, 5)); // exactly 400 days, at the same time of day
    Klick(dlg, "id1");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_timeLetzterTag, CTime(2026, 2, 5, 12, 0, 0));
}

TEST_F(DruckDlgTest, ErsterTagNachDemLetztenZiehtIhnMit) {
    CDruckDlg dlg(liste, "", meldungen);
    dlg.LetzterTag()->setDate(QDate(2025, 3, 10));
    dlg.ErsterTag()->setDate(QDate(2025, 3, 12));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    dlg.LetzterTag()->setDate(QDate(2025, 3, 1)); // before the first: back to it
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
}
