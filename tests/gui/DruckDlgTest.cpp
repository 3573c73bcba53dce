// The print dialog: preselection, the two checks of "Drucken", the pickers, the marks on the records.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "AnsichtHilfen.h"
#include "print/DruckDlg.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

template <typename T> T* Kind(QWidget& w, const char* name) {
    T* kind = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
}

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
    static void Tage(CDruckDlg& dlg, QDate von, QDate bis) {
        dlg.LetzterTag()->setDate(bis);
        dlg.ErsterTag()->setDate(von);
    }
};

} // namespace

TEST_F(DruckDlgTest, OeffnetMitVorauswahlHeuteUndNachGruppen) {
    CDruckDlg dlg(liste, "Service", meldungen);
    EXPECT_EQ(dlg.windowTitle(), "Drucken");
    QListWidget& l = *dlg.Liste();
    ASSERT_EQ(l.count(), 4); // the deleted record has no line
    EXPECT_EQ(l.item(0)->text(), ": Huber, Eva (7)");
    EXPECT_EQ(l.item(1)->text(), "Entwicklung: Becker, Jonas (101)");
    EXPECT_EQ(Ausgewaehlt(l), (QStringList{"Service: Braun, Emma (201)", "Service: Wolf, Noah (204)"}));
    EXPECT_TRUE(Kind<QRadioButton>(dlg, "id1054")->isChecked());
    EXPECT_EQ(Kind<QRadioButton>(dlg, "id1053")->text(), "Alphabetisch ");
    for (QDateEdit* d : {dlg.ErsterTag(), dlg.LetzterTag()}) {
        EXPECT_EQ(d->date(), QDate(2025, 1, 1));
        EXPECT_EQ(d->minimumDate(), QDate(1970, 1, 1));
        EXPECT_EQ(d->maximumDate(), QDate(2037, 12, 31));
    }
    const QString hinweis = QStringLiteral("Halten Sie die \"STRG\"-Taste\ngedrückt und markieren Sie\n"
                                           "mit der Maus die Ressourcen,\ndie gedruckt werden sollen.");
    bool gefunden = false;
    for (QLabel* label : dlg.findChildren<QLabel*>()) gefunden |= label->text() == hinweis;
    EXPECT_TRUE(gefunden);
    QStringList gruppen;
    for (QGroupBox* g : dlg.findChildren<QGroupBox*>()) gruppen << g->title();
    gruppen.sort();
    EXPECT_EQ(gruppen, (QStringList{"Art des Ausdrucks", "Ressource auswählen für Ausdruck", "Zeitraum für Ausdruck"}));

    // "Alle auswählen" adds the other groups, "Auswahl aufheben" clears; neither closes.
    dlg.show();
    Kind<QPushButton>(dlg, "id1042")->click();
    EXPECT_EQ(Ausgewaehlt(l).size(), 4);
    Kind<QPushButton>(dlg, "id1043")->click();
    EXPECT_TRUE(Ausgewaehlt(l).isEmpty());
    EXPECT_TRUE(dlg.isVisible());

    // Without a filter every line starts selected.
    CDruckDlg alle(liste, "", meldungen);
    EXPECT_EQ(Ausgewaehlt(*alle.Liste()).size(), 4);
}

TEST_F(DruckDlgTest, HoechstensVierhundertTage) {
    struct Fall {
        QDate bis;
        bool angenommen;
    };
    for (const Fall f : {Fall{QDate(2026, 2, 5), true}, Fall{QDate(2026, 2, 6), false}}) {
        SCOPED_TRACE(f.bis.toString().toStdString());
        meldungen.m_gezeigt.clear();
        for (auto& r : liste) r->m_bDrucken = false;
        CDruckDlg dlg(liste, "", meldungen);
        dlg.show();
        Tage(dlg, QDate(2025, 1, 1), f.bis);
        Kind<QPushButton>(dlg, "id1")->click();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, f.angenommen);
        EXPECT_EQ(dlg.isVisible(), !f.angenommen);
        if (f.angenommen) {
            EXPECT_TRUE(meldungen.m_gezeigt.empty());
            EXPECT_EQ(dlg.m_timeErsterTag, CTime(2025, 1, 1, 12, 0, 0));
            EXPECT_EQ(dlg.m_timeLetzterTag, CTime(2026, 2, 5, 12, 0, 0));
        } else {
            ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
            EXPECT_EQ(meldungen.m_gezeigt[0].text,
                      "Maximal kann nur 1 Jahr ausgedruckt werden! Überprüfen Sie bitte die Datumseingabe!");
            EXPECT_EQ(meldungen.m_gezeigt[0].titel, ""); // the application title
            // The user's input stays, and nothing was marked.
            EXPECT_EQ(dlg.LetzterTag()->date(), f.bis);
            EXPECT_FALSE(liste[0]->m_bDrucken);
        }
    }
}

TEST_F(DruckDlgTest, ErsterTagNachDemLetztenZiehtIhnMit) {
    CDruckDlg dlg(liste, "", meldungen);
    dlg.LetzterTag()->setDate(QDate(2025, 3, 10));
    dlg.ErsterTag()->setDate(QDate(2025, 3, 12));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    // Moving the last day before the first pulls it back as well.
    dlg.LetzterTag()->setDate(QDate(2025, 3, 1));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    dlg.ErsterTag()->setDate(QDate(2025, 3, 5));
    EXPECT_EQ(dlg.LetzterTag()->date(), QDate(2025, 3, 12));
    dlg.ErsterTag()->setDate(QDate(2025, 3, 12));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_timeErsterTag, dlg.m_timeLetzterTag); // one day
}

TEST_F(DruckDlgTest, OhneAuswahlBleibtErOffen) {
    CDruckDlg dlg(liste, "Lager", meldungen); // no live record has this group
    dlg.show();
    Kind<QPushButton>(dlg, "id1")->click();
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.m_gezeigt[0].text, "Kein Mitarbeiter ausgewählt!");
    Kind<QPushButton>(dlg, "id2")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    for (const auto& r : liste) EXPECT_FALSE(r->m_bDrucken);
}

TEST_F(DruckDlgTest, DruckenMarkiertDieGewaehltenMitIhrerPosition) {
    liste[4]->m_nPosition = 3; // an old position is overwritten
    CDruckDlg dlg(liste, "Service", meldungen);
    dlg.show();
    // Ctrl-click adds Huber to the preselected Service lines, then alphabetical order.
    QListWidget& l = *dlg.Liste();
    QTest::mouseClick(l.viewport(), Qt::LeftButton, Qt::ControlModifier, l.visualItemRect(l.item(0)).center());
    Kind<QRadioButton>(dlg, "id1053")->click();
    Kind<QPushButton>(dlg, "id1")->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nDruckArt, 0);
    struct Erwartet {
        bool drucken;
        int position;
    };
    // Wolf, Becker, Alt (deleted), Braun, Huber; lines Huber 1, Becker 2, Braun 3, Wolf 4.
    const Erwartet erwartet[] = {{true, 4}, {false, -1}, {false, -1}, {true, 3}, {true, 1}};
    for (std::size_t i = 0; i < liste.size(); ++i) {
        EXPECT_EQ(liste[i]->m_bDrucken, erwartet[i].drucken) << i;
        EXPECT_EQ(liste[i]->m_nPosition, erwartet[i].position) << i;
    }
}
