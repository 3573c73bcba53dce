#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "AnsichtHilfen.h"
#include "dialogs/GruppeDlg.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

const std::string kKueche = "K\xFC"
                            "che"; // Windows-1252

RessourcenListe Plan() {
    RessourcenListe liste;
    for (const char* gruppe :
         {"beta", "Zeta", kKueche.c_str(), "Alpha", "", "beta", "Beta", "!dringend", CGruppeDlg::kAlle})
        liste.push_back(Ressource("N", "V", gruppe));
    liste.push_back(Ressource("F", "6", "Alt", "", true)); // only a deleted one has it
    return liste;
}

} // namespace

// Case-insensitive, accents with their letters; "Beta" before "beta" only by its bytes; no empty
// group, each once, none only of deleted ones, a group named like the "all" item is that item;
// "!" sorts before the "all" item.
TEST(GruppeDlg, EintraegeAufsteigendUndVorgabeAusgewaehlt) {
    const RessourcenListe plan = Plan();
    const struct {
        std::string vorgabe;
        QString ausgewaehlt;
    } faelle[] = {{"", "!dringend"},
                  {kKueche, "Küche"},
                  {"zeta", "!dringend"}, // exact text only
                  {"Alt", "!dringend"},
                  {CGruppeDlg::kAlle, "--- Alle Ressourcen ---"}};
    for (const auto& f : faelle) {
        CGruppeDlg dlg;
        dlg.m_pListe = &plan;
        dlg.m_strGruppe = f.vorgabe;
        dlg.OnInitDialog();
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Wählen Sie die anzuzeigende Gruppe!"));
        QStringList texte;
        for (int i = 0; i < dlg.Liste()->count(); ++i)
            texte << dlg.Liste()->item(i)->text();
        EXPECT_EQ(texte, (QStringList{"!dringend", "--- Alle Ressourcen ---", "Alpha", "Beta", "beta",
                                      "Küche", "Zeta"}));
        ASSERT_EQ(dlg.Liste()->selectedItems().size(), 1) << f.vorgabe;
        EXPECT_EQ(dlg.Liste()->currentItem()->text(), f.ausgewaehlt) << f.vorgabe;
    }
}

// The real modal run; the "all" item and no selection both give "", Abbrechen keeps the group.
TEST(GruppeDlg, OkGibtDieGruppeAbbrechenLaesstSie) {
    const RessourcenListe plan = Plan();
    const struct {
        int zeile; // -1: nothing selected
        bool ok;
        std::string erwartet;
    } faelle[] = {{5, true, kKueche}, {1, true, ""}, {-1, true, ""}, {5, false, "beta"}};
    for (const auto& f : faelle) {
        CGruppeDlg dlg;
        dlg.m_pListe = &plan;
        dlg.m_strGruppe = "beta";
        QTimer::singleShot(0, &dlg, [&] {
            if (f.zeile < 0)
                dlg.Liste()->clearSelection();
            else
                dlg.Liste()->setCurrentRow(f.zeile);
            dlg.findChild<QPushButton*>(f.ok ? QStringLiteral("id1") : QStringLiteral("id2"))->click();
        });
        EXPECT_EQ(dlg.exec(), f.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dlg.m_strGruppe, f.erwartet) << f.zeile;
    }
}
