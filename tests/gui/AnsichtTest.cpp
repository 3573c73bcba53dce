// The plan view: first showing, layout of its controls, commands, scrolling, keys, today button.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "AnsichtHilfen.h"
#include "dialogs/FarbButton.h"
#include "frame/Befehle.h"
#include "frame/TypLeiste.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Twelve resources in stored (alphabetical) order.
RessourcenListe Zwoelf() {
    RessourcenListe liste;
    for (int i = 0; i < 12; ++i)
        liste.push_back(Ressource("Name" + std::to_string(10 + i), "V"));
    return liste;
}

} // namespace

TEST(Ansicht, ErsteAnzeigeSetztZustandLaedtUndStartetDenTakt) {
    UhrFixiert uhr(CTime(2025, 1, 2, 10, 0, 0));
    AnsichtUmgebung a;
    a.u.app.m_nFarbschema = 4;
    a.u.app.m_nSpalte1 = 140;
    a.u.app.m_strAbteilung = "Technik";
    RessourcenListe liste;
    liste.push_back(Ressource("Bauer", "Anna", "Technik"));
    liste.push_back(Ressource("Kurz", "Karl", "Verkauf"));
    a.Speichern(std::move(liste));
    a.rahmen->setWindowTitle(QStringLiteral("vorher"));
    a.rahmen->show(); // the first show runs the first showing
    ASSERT_TRUE(a.ansicht->IstGestartet());

    CKalenderWnd& g = a.Gitter();
    EXPECT_EQ(g.SpaltenBreite(), 30);
    EXPECT_EQ(g.ErsteZeile(), 0);
    EXPECT_EQ(g.TagOffset(), 0);
    EXPECT_EQ(g.NamenBreite(), 140);
    EXPECT_EQ(g.Farben().C(1), 0u); // "Dark"
    EXPECT_EQ(g.Titel(), "Technik");
    EXPECT_EQ(a.Labels(), std::vector<std::string>{"Bauer, Anna"});
    EXPECT_EQ(a.doc.m_pRessourcen.size(), 2u);
    EXPECT_EQ(a.ansicht->HorizontalBalken()->minimum(), 0);
    EXPECT_EQ(a.ansicht->HorizontalBalken()->maximum(), 730);
    EXPECT_EQ(a.ansicht->HorizontalBalken()->value(), 365);
    EXPECT_EQ(a.ansicht->VertikalBalken()->maximum(), 1);
    EXPECT_EQ(a.ansicht->HeuteKnopf()->text(), QStringLiteral("0"));
    EXPECT_EQ(a.ansicht->HeuteKnopf()->Flaeche(), 0x960000u);
    EXPECT_EQ(a.ansicht->HeuteKnopf()->Textfarbe(), 0x960000u);
    EXPECT_EQ(a.ansicht->AktiveArt(), 1);
    EXPECT_EQ(g.AktiveArt(), 1);
    EXPECT_TRUE(a.rahmen->TypLeiste()->Knopf(1)->IstMarkiert());
    EXPECT_TRUE(a.ansicht->TaktLaeuft());
    EXPECT_EQ(a.ansicht->TaktMs(), 10000);
    EXPECT_EQ(a.rahmen->windowTitle(), CMainFrame::ProduktTitel());
    EXPECT_EQ(a.rahmen->centralWidget(), a.ansicht);

    a.ansicht->ErsteAnzeige(); // only once
    EXPECT_EQ(a.Labels().size(), 1u);
}

TEST(Ansicht, SteuerelementeAmRand) {
    AnsichtUmgebung a;
    a.rahmen->show();
    const int r = a.ansicht->width();
    const int b = a.ansicht->height();
    ASSERT_GT(r, 100);
    EXPECT_EQ(a.ansicht->Kalender()->parentWidget()->geometry(), QRect(0, 0, r - 30, b - 30));
    EXPECT_EQ(a.ansicht->HorizontalBalken()->geometry(), QRect(0, b - 25, r - 30, 20));
    EXPECT_EQ(a.ansicht->VertikalBalken()->geometry(), QRect(r - 25, 0, 20, b - 30));
    EXPECT_EQ(a.ansicht->HeuteKnopf()->geometry(), QRect(r - 25, b - 25, 20, 20));
    // The grid fills its sunken frame.
    EXPECT_TRUE(a.ansicht->Kalender()->parentWidget()->contentsRect() == a.ansicht->Kalender()->geometry());
    EXPECT_EQ(a.ansicht->Kalender()->objectName(), QStringLiteral("id1000"));
    EXPECT_EQ(a.ansicht->HorizontalBalken()->objectName(), QStringLiteral("id1001"));
    EXPECT_EQ(a.ansicht->VertikalBalken()->objectName(), QStringLiteral("id1002"));
    EXPECT_EQ(a.ansicht->HeuteKnopf()->objectName(), QStringLiteral("id1005"));
}

TEST(Ansicht, ZoomMitGrenzenUndGrauschaltung) {
    AnsichtUmgebung a;
    a.Starten();
    QAction* kleiner = a.Aktion(befehl::Verkleinern);
    QAction* groesser = a.Aktion(befehl::Vergroessern);
    ASSERT_TRUE(kleiner && groesser);
    kleiner->trigger();
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 29);
    groesser->trigger();
    groesser->trigger();
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 31);
    EXPECT_EQ(a.Gitter().ZeilenHoehe(), 31);

    while (kleiner->isEnabled())
        kleiner->trigger();
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 10);
    a.ansicht->OnVerkleinern(); // even when called, the limit holds
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 10);
    EXPECT_TRUE(groesser->isEnabled());

    a.Gitter().SetZellgroesse(299);
    a.ansicht->BefehleAktualisieren();
    EXPECT_TRUE(groesser->isEnabled());
    groesser->trigger();
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 300);
    EXPECT_FALSE(groesser->isEnabled());
    EXPECT_TRUE(kleiner->isEnabled());
    a.ansicht->OnVergroessern();
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 300);
    // Zoom keeps first row, first day and name column.
    EXPECT_EQ(a.Gitter().TagOffset(), 0);
    EXPECT_EQ(a.Gitter().ErsteZeile(), 0);
}

TEST(Ansicht, VertikalRollenMitKlammerUndBalken) {
    AnsichtUmgebung a;
    a.Speichern(Zwoelf());
    a.Starten();
    QScrollBar* balken = a.ansicht->VertikalBalken();
    struct Schritt {
        QAbstractSlider::SliderAction aktion;
        int erwartet;
    };
    a.Gitter().SetErsteZeile(10);
    const Schritt schritte[] = {
        {QAbstractSlider::SliderPageStepAdd, 12},   {QAbstractSlider::SliderSingleStepAdd, 12},
        {QAbstractSlider::SliderSingleStepSub, 11}, {QAbstractSlider::SliderPageStepSub, 6},
        {QAbstractSlider::SliderPageStepSub, 1},    {QAbstractSlider::SliderPageStepSub, 0},
        {QAbstractSlider::SliderSingleStepAdd, 1},  {QAbstractSlider::SliderToMaximum, 1}};
    for (const Schritt& s : schritte) {
        balken->triggerAction(s.aktion);
        EXPECT_EQ(a.Gitter().ErsteZeile(), s.erwartet) << s.aktion;
        EXPECT_EQ(balken->minimum(), 0);
        EXPECT_EQ(balken->maximum(), 12);
        EXPECT_EQ(balken->value(), s.erwartet);
    }
    // Thumb released at 7.
    balken->setSliderDown(true);
    balken->setSliderPosition(7);
    EXPECT_EQ(a.Gitter().ErsteZeile(), 1); // dragging alone changes nothing
    balken->setSliderDown(false);
    EXPECT_EQ(a.Gitter().ErsteZeile(), 7);
    EXPECT_EQ(balken->value(), 7);
}

TEST(Ansicht, HorizontalAlsRelativeSteuerung) {
    UhrFixiert uhr(CTime(2025, 1, 2, 10, 0, 0));
    AnsichtUmgebung a;
    a.Starten();
    QScrollBar* balken = a.ansicht->HorizontalBalken();
    struct Schritt {
        QAbstractSlider::SliderAction aktion;
        int erwartet;
    };
    const Schritt schritte[] = {{QAbstractSlider::SliderSingleStepAdd, 1},
                                {QAbstractSlider::SliderPageStepAdd, 8},
                                {QAbstractSlider::SliderSingleStepSub, 7},
                                {QAbstractSlider::SliderPageStepSub, 0},
                                {QAbstractSlider::SliderToMinimum, 0}};
    for (const Schritt& s : schritte) {
        balken->triggerAction(s.aktion);
        EXPECT_EQ(a.Gitter().TagOffset(), s.erwartet) << s.aktion;
        EXPECT_EQ(balken->value(), 365);
        EXPECT_EQ(balken->maximum(), 730);
    }
    for (auto [daumen, erwartet] :
         std::vector<std::pair<int, int>>{{730, 365}, {0, 0}, {0, -365}, {400, -330}}) {
        balken->setSliderDown(true);
        balken->setSliderPosition(daumen);
        balken->setSliderDown(false);
        EXPECT_EQ(a.Gitter().TagOffset(), erwartet) << daumen;
        EXPECT_EQ(balken->value(), 365);
    }
    // Far jumps stop once the first day lies before 1972 or in 2036.
    auto jahr = [&] { return DatumAusTagen(TageAusDatum(2025, 1, 2) + a.Gitter().TagOffset()).jahr; };
    for (int i = 0; i < 80; ++i)
        a.ansicht->HorizontalRollen(Rollen::DaumenLosgelassen, 0);
    EXPECT_EQ(jahr(), 1971);
    for (int i = 0; i < 80; ++i)
        a.ansicht->HorizontalRollen(Rollen::DaumenLosgelassen, 730);
    EXPECT_EQ(jahr(), 2036);
}

TEST(Ansicht, PfeiltastenUndHeuteKnopf) {
    UhrFixiert uhr(CTime(2025, 1, 2, 10, 0, 0));
    AnsichtUmgebung a;
    a.Speichern(Zwoelf());
    a.Starten();
    QTest::keyClick(a.ansicht, Qt::Key_Right);
    QTest::keyClick(a.ansicht, Qt::Key_Right);
    QTest::keyClick(a.ansicht, Qt::Key_Left);
    EXPECT_EQ(a.Gitter().TagOffset(), 1);
    QTest::keyClick(a.ansicht, Qt::Key_Down);
    QTest::keyClick(a.ansicht, Qt::Key_Down);
    EXPECT_EQ(a.Gitter().ErsteZeile(), 2);
    EXPECT_EQ(a.ansicht->VertikalBalken()->value(), 2);
    QTest::keyClick(a.ansicht, Qt::Key_Up);
    QTest::keyClick(a.ansicht, Qt::Key_Up);
    QTest::keyClick(a.ansicht, Qt::Key_Up);
    EXPECT_EQ(a.Gitter().ErsteZeile(), 0);
    EXPECT_EQ(a.ansicht->VertikalBalken()->value(), 0);

    a.ansicht->HorizontalRollen(Rollen::DaumenLosgelassen, 730);
    a.ansicht->HorizontalRollen(Rollen::SeiteVor);
    EXPECT_EQ(a.Gitter().TagOffset(), 373);
    a.ansicht->HeuteKnopf()->click();
    EXPECT_EQ(a.Gitter().TagOffset(), 0);
    EXPECT_EQ(a.Gitter().ErsteZeile(), 0);
}

TEST(Ansicht, EintragsartBefehleHaltenGenauEinenKnopfGedrueckt) {
    AnsichtUmgebung a;
    a.Starten();
    for (int art : {5, 0, 16, 1}) {
        a.Aktion(kArtBefehl[static_cast<std::size_t>(art)])->trigger();
        EXPECT_EQ(a.ansicht->AktiveArt(), art);
        EXPECT_EQ(a.Gitter().AktiveArt(), art);
        int gedrueckt = 0;
        for (int k = 0; k <= kAnzahlArten; ++k) {
            const bool an = a.Aktion(kArtBefehl[static_cast<std::size_t>(k)])->isChecked();
            gedrueckt += an;
            EXPECT_EQ(an, k == art) << k;
            EXPECT_EQ(a.rahmen->TypLeiste()->Knopf(k)->IstMarkiert(), k == art) << k;
        }
        EXPECT_EQ(gedrueckt, 1);
    }
    a.ansicht->SetAktiveArt(17); // no such type
    EXPECT_EQ(a.ansicht->AktiveArt(), 1);
}

TEST(Ansicht, DiagnoseTitelUndZurueck) {
    AnsichtUmgebung a;
    a.Starten();
    QAction* diagnose = a.Aktion(befehl::Diagnose);
    ASSERT_TRUE(diagnose->isEnabled());
    EXPECT_EQ(diagnose->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    diagnose->trigger();
    EXPECT_TRUE(a.ansicht->Abgleicher().m_bDiagnose);
    a.ansicht->Takt();
    EXPECT_EQ(a.rahmen->windowTitle(), QStringLiteral("Lokal: 0 / HD: 0"));
    EXPECT_TRUE(a.ansicht->TaktLaeuft()); // the tick restarts the timer
    a.ansicht->Abgleichen(false);
    EXPECT_EQ(a.rahmen->windowTitle(), QStringLiteral("Lokal: 1 / HD: 1 Gespeichert!"));
    diagnose->trigger();
    EXPECT_FALSE(a.ansicht->Abgleicher().m_bDiagnose);
    EXPECT_EQ(a.rahmen->windowTitle(), CMainFrame::ProduktTitel());
    a.ansicht->Takt();
    EXPECT_EQ(a.rahmen->windowTitle(), CMainFrame::ProduktTitel());
}

TEST(Ansicht, BefehleLaufenUeberEineTabelle) {
    AnsichtUmgebung a;
    a.Starten();
    // Commands of other parts stay as the frame left them until someone registers them.
    EXPECT_FALSE(a.Aktion(befehl::RessourceVerwalten)->isEnabled());
    EXPECT_FALSE(a.Aktion(befehl::Drucken)->isEnabled());
    int verwaltet = 0;
    a.ansicht->BefehlSetzen(befehl::RessourceVerwalten, [&] { ++verwaltet; });
    EXPECT_TRUE(a.Aktion(befehl::RessourceVerwalten)->isEnabled());
    a.Aktion(befehl::RessourceVerwalten)->trigger();
    a.ansicht->BefehlSetzen(befehl::RessourceVerwalten, [&] { verwaltet += 10; }); // replaced, not doubled
    a.Aktion(befehl::RessourceVerwalten)->trigger();
    EXPECT_EQ(verwaltet, 11);
    // The grid's commands arrive at the same place.
    int markiert = 0;
    a.ansicht->BefehlSetzen(5555, [&] { ++markiert; });
    emit a.Gitter().Befehl(5555);
    emit a.Gitter().Befehl(5556); // nobody handles notes yet
    EXPECT_EQ(markiert, 1);
    EXPECT_TRUE(a.ansicht->HatBefehl(1005));
    a.ansicht->Befehl(4711); // unknown: nothing
}

TEST(Ansicht, FarbschemaWechselFaerbtGitterUndKnopf) {
    AnsichtUmgebung a;
    a.Starten();
    a.ansicht->SetFarbschema(5);
    EXPECT_EQ(a.Gitter().Farben().C(3), 0xE1E1E1u);
    EXPECT_EQ(a.ansicht->HeuteKnopf()->Flaeche(), 0xE1E1E1u);
    a.ansicht->SetFarbschema(0);
    EXPECT_EQ(a.Gitter().Farben().C(3), 0xE1E1E1u);
}
