// The print dialog: preselection, the buttons, the pickers and "Drucken" with its two checks.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
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
    EXPECT_EQ(dlg.ErsterTag()->date(), QDate(2025, 1, 1));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 1, 1));

    Klick(dlg, "id1042"); // "Alle auswählen" adds the other groups
    EXPECT_EQ(Ausgewaehlt(l).size(), 4);
    Klick(dlg, "id1043"); // "Auswahl aufheben"
    EXPECT_TRUE(Ausgewaehlt(l).isEmpty());
    EXPECT_TRUE(dlg.isVisible());

    // Nothing selected: the message, and the dialog stays open.
    Klick(dlg, "id1");
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text, "Kein Mitarbeiter ausgewählt!");

    CDruckDlg ohneFilter(liste, "", meldungen);
    EXPECT_EQ(Ausgewaehlt(*ohneFilter.Liste()).size(), 4);
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
    EXPECT_EQ(meldungen.m_gezeigt[0].titel, ""); // the application title
    EXPECT_FALSE(liste[0]->m_bDrucken);

    dlg.LetzterTag()->setDate(QDate(2026, 2, 5)); // exactly 400 days, at the same time of day
    Klick(dlg, "id1");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_timeErsterTag, CTime(2025, 1, 1, 12, 0, 0));
    EXPECT_EQ(dlg.m_timeLetzterTag, CTime(2026, 2, 5, 12, 0, 0));
}

TEST_F(DruckDlgTest, ErsterTagNachDemLetztenZiehtIhnMit) {
    CDruckDlg dlg(liste, "", meldungen);
    dlg.LetzterTag()->setDate(QDate(2025, 3, 10));
    dlg.ErsterTag()->setDate(QDate(2025, 3, 12));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    dlg.LetzterTag()->setDate(QDate(2025, 3, 1)); // before the first: back to it
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_timeErsterTag, dlg.m_timeLetzterTag); // one day
}

TEST_F(DruckDlgTest, DruckenMarkiertDieGewaehltenMitIhrerPosition) {
    liste[4]->m_nPosition = 3; // an old position is overwritten
    CDruckDlg dlg(liste, "Service", meldungen);
    dlg.show();
    // Ctrl-click adds Huber to the preselected Service lines; then alphabetical order.
    QListWidget& l = *dlg.Liste();
    QTest::mouseClick(l.viewport(), Qt::LeftButton, Qt::ControlModifier, l.visualItemRect(l.item(0)).center());
    Klick(dlg, "id1053");
    Klick(dlg, "id1");
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nDruckArt, 0);
    // Wolf, Becker, Alt (deleted), Braun, Huber; lines Huber 1, Becker 2, Braun 3, Wolf 4.
    const std::vector<std::pair<bool, int>> erwartet = {{true, 4}, {false, -1}, {false, -1}, {true, 3}, {true, 1}};
    for (std::size_t i = 0; i < liste.size(); ++i)
        EXPECT_EQ(std::pair(liste[i]->m_bDrucken, liste[i]->m_nPosition), erwartet[i]) << i;
}
