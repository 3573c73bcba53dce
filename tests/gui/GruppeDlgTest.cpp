#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "AnsichtHilfen.h"
#include "dialogs/GruppeDlg.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

RessourcenListe Plan() {
    RessourcenListe liste;
    liste.push_back(Ressource("A", "1", "beta"));
    liste.push_back(Ressource("B", "2", "Zeta"));
    liste.push_back(Ressource("C", "3",
                              "K\xFC"
                              "che"));
    liste.push_back(Ressource("D", "4", "Alpha"));
    liste.push_back(Ressource("E", "5", ""));              // no group: no item
    liste.push_back(Ressource("F", "6", "Alt", "", true)); // only a deleted one has it
    liste.push_back(Ressource("G", "7", "beta"));          // listed once
    liste.push_back(Ressource("H", "8", "Beta"));          // another group
    return liste;
}

QStringList Eintraege(const CGruppeDlg& dlg) {
    QStringList texte;
    for (int i = 0; i < dlg.Liste()->count(); ++i)
        texte << dlg.Liste()->item(i)->text();
    return texte;
}

} // namespace

TEST(GruppeDlg, VorlageUndEintraegeAufsteigend) {
    const RessourcenListe plan = Plan();
    CGruppeDlg dlg;
    dlg.m_pListe = &plan;
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Wählen Sie die anzuzeigende Gruppe!"));
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("id1"))->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dlg.findChild<QPushButton*>(QStringLiteral("id1"))->isDefault());
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("id2"))->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(dlg.findChild<QListWidget*>(QStringLiteral("id1024")), dlg.Liste());
    EXPECT_EQ(dlg.Liste()->selectionMode(), QAbstractItemView::SingleSelection);
    // Case-insensitive, accents with their letters; "beta" before "Beta" only by its bytes.
    EXPECT_EQ(Eintraege(dlg),
              (QStringList{"--- Alle Ressourcen ---", "Alpha", "Beta", "beta", "Küche", "Zeta"}));
}

TEST(GruppeDlg, AuswahlNachVorgabe) {
    RessourcenListe plan = Plan();
    plan.push_back(Ressource("I", "9", "!dringend")); // sorts before the dashes
    plan.push_back(Ressource("J", "10", CGruppeDlg::kAlle));
    struct Fall {
        std::string vorgabe;
        QString ausgewaehlt;
    };
    const Fall faelle[] = {{"", "!dringend"},
                           {"Zeta", "Zeta"},
                           {"K\xFC"
                            "che",
                            "Küche"},
                           {"zeta", "!dringend"}, // exact text only
                           {"Alt", "!dringend"},
                           {CGruppeDlg::kAlle, "--- Alle Ressourcen ---"}};
    for (const Fall& f : faelle) {
        CGruppeDlg dlg;
        dlg.m_pListe = &plan;
        dlg.m_strGruppe = f.vorgabe;
        dlg.OnInitDialog();
        EXPECT_EQ(dlg.Liste()->count(), 7); // the group named like the first item is that item
        ASSERT_EQ(dlg.Liste()->selectedItems().size(), 1) << f.vorgabe;
        EXPECT_EQ(dlg.Liste()->selectedItems().front()->text(), f.ausgewaehlt) << f.vorgabe;
        EXPECT_EQ(dlg.Liste()->currentItem()->text(), f.ausgewaehlt);
    }
}

TEST(GruppeDlg, OkGibtDieGruppeAbbrechenLaesstSie) {
    const RessourcenListe plan = Plan();
    struct Fall {
        int zeile; // -1: nothing selected
        bool ok;
        std::string erwartet;
    };
    const Fall faelle[] = {{4, true,
                            "K\xFC"
                            "che"},
                           {0, true, ""},
                           {-1, true, ""},
                           {5, false, "beta"}};
    for (const Fall& f : faelle) {
        CGruppeDlg dlg;
        dlg.m_pListe = &plan;
        dlg.m_strGruppe = "beta";
        // The real modal run: the dialog fills itself when shown.
        QTimer::singleShot(0, &dlg, [&] {
            if (f.zeile < 0)
                dlg.Liste()->clearSelection();
            else
                dlg.Liste()->setCurrentRow(f.zeile);
            dlg.findChild<QPushButton*>(f.ok ? QStringLiteral("id1") : QStringLiteral("id2"))->click();
        });
        const int ergebnis = dlg.exec();
        EXPECT_EQ(ergebnis, f.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dlg.m_strGruppe, f.erwartet) << f.zeile;
    }
}

TEST(GruppeDlg, OhneListeNurAlle) {
    CGruppeDlg dlg;
    dlg.OnInitDialog();
    EXPECT_EQ(Eintraege(dlg), QStringList{"--- Alle Ressourcen ---"});
    dlg.accept();
    EXPECT_EQ(dlg.m_strGruppe, "");
}
