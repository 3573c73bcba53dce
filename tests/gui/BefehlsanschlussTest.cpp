#include <gtest/gtest.h>

#include <QAction>

#include "GuiHilfen.h"
#include "app/Stempel.h"
#include "app/UrlaubApp.h"
#include "frame/MainFrame.h"
#include "view/VIduvavIzoz.h"

using namespace kalvora::test;

namespace {

// Answers the application's message boxes for the rest of the run, so a failing load does not
// wait for a click.
kalvora::test::MeldungsRekorder& StilleMeldungen() {
    static MeldungsRekorder rekorder;
    struct Weiter : kalvora::Meldungen {
        kalvora::Antwort Zeige(const std::string& t, const std::string& k, kalvora::Knoepfe b) override {
            return rekorder.Zeige(t, k, b);
        }
    };
    static const bool gesetzt = [] {
        CUrlaubApp::Instanz()->SetzeDienste(nullptr, std::make_unique<Weiter>());
        return true;
    }();
    (void)gesetzt;
    return rekorder;
}

bool Aktiv(int id) {
    QAction* a = CUrlaubApp::Instanz()->Rahmen()->Aktion(id);
    return a && a->isEnabled();
}

TEST(Befehlsanschluss, VerwaltungEinstellungenUndOptimierenNachDemStart) {
    TempOrdner ordner;
    const std::string datei = ordner / "Plan.dat";
    DateiSchreibenTest(datei, std::string(4, '\0'));
    kalvora::StempelSchreiben(ordner / "Plan.d", {0, 3});
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QString::fromStdString(datei)));
    ASSERT_TRUE(app->Ansicht()->IstGestartet());
    EXPECT_TRUE(Aktiv(32771));
    EXPECT_TRUE(Aktiv(32785));
    EXPECT_TRUE(Aktiv(32786));
    for (int drucken : {57606, 57607, 57609}) EXPECT_TRUE(Aktiv(drucken)) << drucken;
    app->Rahmen()->close();
}

TEST(Befehlsanschluss, OptimierenBleibtGesperrtWennDieDatenbankNichtGeladenWurde) {
    TempOrdner ordner;
    const std::string datei = ordner / "Kaputt.dat";
    DateiSchreibenTest(datei, std::string("\x09\x00\x00\x00", 4)); // nine resources announced, none there
    kalvora::StempelSchreiben(ordner / "Kaputt.d", {0, 3});
    MeldungsRekorder& meldungen = StilleMeldungen();
    meldungen.m_gezeigt.clear();
    CUrlaubApp* app = CUrlaubApp::Instanz();
    ASSERT_TRUE(app->InitInstance(QString::fromStdString(datei)));
    ASSERT_EQ(meldungen.m_gezeigt.size(), 1u);
    EXPECT_NE(meldungen.m_gezeigt[0].text.find("kann nicht geöffnet werden"), std::string::npos);
    EXPECT_TRUE(Aktiv(32771));
    EXPECT_FALSE(Aktiv(32786)) << "compacting would save the empty list over the database";
    app->Rahmen()->close();
    EXPECT_EQ(DateiInhalt(datei), std::string("\x09\x00\x00\x00", 4));
}

} // namespace
