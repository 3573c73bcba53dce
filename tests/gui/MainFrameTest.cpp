// The main frame: menus, tool bars, window place, keys; and the status bar's busy lamp.
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include "GuiHilfen.h"
#include "app/EintragsartDatei.h"
#include "frame/StatusLeiste.h"

namespace {

// "Top", "Left", "Bottom", "Right" as the store holds them.
std::map<std::string, std::uint32_t> Platz(std::uint32_t t, std::uint32_t l, std::uint32_t b,
                                           std::uint32_t r) {
    return {{"Top", t}, {"Left", l}, {"Bottom", b}, {"Right", r}};
}

struct MainFrameTest : ::testing::Test {
    RahmenUmgebung u;
    std::unique_ptr<CMainFrame> rahmen = u.Rahmen();
    CTypLeiste* leiste = rahmen->TypLeiste();
};

struct StatusLeisteTest : ::testing::Test {
    TempOrdner ordner;
    const std::string stempel = ordner / "Ressource.d";
    bool abgleichOffen = false;
    CStatusLeiste leiste{stempel, abgleichOffen};
};

} // namespace

TEST_F(MainFrameTest, MenuesUndSymbolleiste) {
    QStringList menues;
    for (QAction* titel : rahmen->menuBar()->actions()) {
        QStringList texte{titel->text()};
        for (QAction* a : titel->menu()->actions())
            texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
        menues << texte.join('|');
    }
    EXPECT_EQ(
        menues,
        (QStringList{
            "&Datei|&Drucken\tStrg+P|Sei&tenansicht...|Drucker&einrichtung...|-|E&xportieren...|-|&Beenden",
            "&Bearbeiten|&Rückgängig\tStrg+Z|&Wiederherstellen\tStrg+Y|-|&Ressource verwalten ...|"
            "&Gruppe anzeigen ...",
            "&Ansicht|&Symbolleiste|S&tatusleiste|-|Ansicht ver&größern|Ansicht ver&kleinern|-|"
            "S&ortieren nach Gruppen",
            "&Extras|&Einstellungen...|&Datenbank optimieren...",
            "&?|QuickStart|-|Inf&o über Kalvora ...",
        }));
    // Status tip and tooltip are the prompt's two lines; disabled until the view takes over.
    QAction* drucken = rahmen->Aktion(57607);
    EXPECT_EQ(drucken->statusTip() + "|" + drucken->toolTip() + "|" + rahmen->windowTitle(),
              QStringLiteral("Druckt das aktive Dokument.|Drucken|Kalvora - www.tervolan.de"));
    EXPECT_EQ(
        std::tuple(drucken->shortcut(), rahmen->Aktion(32788)->shortcut(), drucken->isEnabled()),
        std::tuple(QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D), false));

    QStringList namen;
    for (QAction* a : leiste->actions())
        if (!a->objectName().isEmpty() || a->isSeparator())
            namen << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(namen.mid(0, 9), (QStringList{"cmd32771", "cmd32787", "cmd57607", "-", "cmd32778", "cmd32777",
                                            "-", "cmd32798", "-"}));
    for (int id : {32771, 32787, 57607, 32778, 32777, 32798}) {
        auto* knopf = qobject_cast<QToolButton*>(leiste->widgetForAction(rahmen->Aktion(id)));
        EXPECT_TRUE(knopf && !knopf->icon().isNull()) << id;
    }
    rahmen->resize(1300, 700); // wide enough that nothing moves into the overflow menu
    rahmen->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(rahmen.get()));
    // 1..8 above 9..16, each 80 px; "Entf" (40 px) to the right.
    for (int art = 1; art <= 8; ++art) {
        const QRect oben = leiste->Knopf(art)->geometry(), unten = leiste->Knopf(art + 8)->geometry();
        EXPECT_TRUE(oben.width() == 80 && unten.width() == 80 && unten.x() == oben.x() &&
                    unten.y() > oben.bottom() &&
                    (art == 1 || oben.x() > leiste->Knopf(art - 1)->geometry().right()))
            << art;
    }
    EXPECT_EQ(std::pair(leiste->Knopf(0)->text(), leiste->Knopf(0)->width()),
              std::pair(QStringLiteral("Entf"), 40));
    EXPECT_GT(leiste->Knopf(0)->x(), leiste->Knopf(8)->geometry().right());

    // Narrower windows keep every type on the bar: the buttons shrink, the cut caption is the tooltip.
    for (int breite : {800, 600}) {
        rahmen->resize(breite, 600);
        QTest::qWait(20);
        const QRect bar = leiste->rect();
        for (int art = 0; art <= 16; ++art) {
            const CFarbButton* k = leiste->Knopf(art);
            const QRect r(k->mapTo(leiste, QPoint(0, 0)), k->size());
            EXPECT_TRUE(k->isVisibleTo(leiste) && bar.contains(r) && r.width() >= CTypLeiste::kKleinsteBreite)
                << breite << " " << art << " " << r.x() << "+" << r.width();
        }
        EXPECT_LT(leiste->Knopf(1)->width(), 80) << breite;
    }
}

TEST(MainFrame, EintragsartDateiNebenDerDatenbankUndSetTypTexte) {
    RahmenUmgebung u;
    EintragsartTabelle t = EintragsartTabelle::Standard();
    std::tie(t.m_strBedeutung[10], t.m_nFarbe[10], t.m_nRegion[2]) =
        std::tuple("B\xfcro zu", 0x123456u, 1); // Windows-1252
    ASSERT_TRUE(EintragsartDateiSchreiben(u.ordner / "Ressource.but", t));
    auto rahmen = u.Rahmen();
    EXPECT_EQ(rahmen->m_tabelle.m_nRegion, t.m_nRegion);
    EXPECT_EQ(std::pair(rahmen->TypLeiste()->Knopf(10)->text(), rahmen->TypLeiste()->Knopf(10)->Flaeche()),
              std::pair(QStringLiteral("Büro zu"), 0x123456u));
    rahmen->m_tabelle.m_strBedeutung[1] = "Dienstreise";
    rahmen->SetTypTexte();
    EXPECT_EQ(rahmen->TypLeiste()->Knopf(1)->text() + "|" + rahmen->Aktion(32795)->text(),
              QStringLiteral("Dienstreise|Dienstreise"));
}

// One value missing: the system's choice; a value outside 1..4999 ("Left" 0 included): (0, 0) 800 x 600.
TEST(MainFrame, FensterPlatzBeimStartUndSchliessen) {
    using P = FensterPlatz;
    const std::tuple<std::map<std::string, std::uint32_t>, P::Art, QRect> faelle[] = {
        {{{"Top", 100}, {"Left", 50}, {"Bottom", 700}}, P::System, {}},
        {Platz(100, 50, 700, 950), P::Gespeichert, {50, 100, 900, 600}},
        {Platz(1, 1, 4999, 4999), P::Gespeichert, {1, 1, 4998, 4998}},
        {Platz(100, 0, 700, 900), P::Ersatz, {0, 0, 800, 600}},
        {Platz(100, 10, 5000, 900), P::Ersatz, {0, 0, 800, 600}},
    };
    for (const auto& [werte, art, rechteck] : faelle) {
        RahmenUmgebung u;
        u.speicher.m_zahlen = werte;
        auto rahmen = u.Rahmen();
        EXPECT_EQ(rahmen->StartPlatz().art, art) << rechteck.width();
        if (art != P::System) EXPECT_EQ(QRect(rahmen->pos(), rahmen->size()), rechteck);
    }
    // Reopened, the window comes back where it was closed; maximised, "Max" is 1 and the last normal place
    // stays.
    RahmenUmgebung u;
    u.speicher.m_zahlen = Platz(120, 40, 720, 940);
    {
        auto rahmen = u.Rahmen();
        rahmen->show();
        rahmen->move(60, 80);
        rahmen->resize(1000, 640);
        rahmen->close();
    }
    EXPECT_EQ(u.speicher.m_zahlen["Max"], 0u);
    auto wieder = u.Rahmen();
    EXPECT_EQ(QRect(wieder->pos(), wieder->size()), QRect(60, 80, 1000, 640));
    wieder->showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(wieder->isMaximized());
    wieder->close();
    EXPECT_EQ(std::pair(u.speicher.m_zahlen["Max"], u.speicher.m_zahlen["Right"]), std::pair(1u, 1060u));
}

TEST_F(MainFrameTest, QuickStartOeffnetDasPdfNebenDemProgramm) {
    std::vector<QUrl> geoeffnet;
    rahmen->m_oeffnen = [&](const QUrl& url) { return geoeffnet.push_back(url), false; };
    EXPECT_TRUE(rahmen->m_strQuickStart.endsWith(QStringLiteral("/QuickStart.pdf")));
    rahmen->m_strQuickStart = QString::fromStdString(u.ordner / "QuickStart.pdf");
    rahmen->Aktion(32789)->trigger();
    EXPECT_TRUE(geoeffnet.empty());
    DateiSchreibenTest(u.ordner / "QuickStart.pdf", "%PDF-1.4\n");
    rahmen->Aktion(32789)->trigger();
    EXPECT_EQ(geoeffnet, std::vector<QUrl>{QUrl::fromLocalFile(rahmen->m_strQuickStart)});
    EXPECT_TRUE(u.meldungen.m_gezeigt.empty()); // silent even when no viewer opened it
}

// "+" (also from the keypad) and "-" trigger zoom, but only once enabled.
TEST_F(MainFrameTest, ZeichentastenLoesenNurFreigegebeneBefehleAus) {
    rahmen->show();
    rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rahmen.get()));
    QSignalSpy groesser(rahmen->Aktion(32778), &QAction::triggered);
    QSignalSpy kleiner(rahmen->Aktion(32777), &QAction::triggered);
    QTest::keyClick(rahmen.get(), Qt::Key_Plus);
    EXPECT_EQ(groesser.count(), 0);
    rahmen->Aktion(32778)->setEnabled(true), rahmen->Aktion(32777)->setEnabled(true);
    for (const auto& [taste, mod] : {std::pair{Qt::Key_Plus, Qt::NoModifier},
                                     {Qt::Key_Plus, Qt::KeypadModifier},
                                     {Qt::Key_Minus, Qt::NoModifier}})
        QTest::keyClick(rahmen.get(), taste, mod);
    EXPECT_EQ(std::pair(groesser.count(), kleiner.count()), std::pair(qsizetype{2}, qsizetype{1}));
}

// The bar polls the stamp by itself, within a second.
TEST_F(StatusLeisteTest, LampeFolgtDemStempelBinnenEinerSekunde) {
    StempelSchreiben(stempel, {0, 4});
    leiste.show();
    EXPECT_FALSE(leiste.IstBeschaeftigt());
    for (const auto& [inhalt, beschaeftigt] : {std::pair{"1 5", true}, {"0 5", false}}) {
        DateiSchreibenTest(stempel, inhalt);
        const qint64 dauer = WartenBis([&] { return leiste.IstBeschaeftigt() == beschaeftigt; }, 3000);
        EXPECT_TRUE(dauer >= 0 && dauer <= 1300) << inhalt << ": " << dauer;
    }
}

// "Bereit" without a prompt; the lamp green, red when busy; the size grip's diagonals in the corner.
TEST_F(StatusLeisteTest, BereitLampeGriffImBildUndBeschaeftigtJeStempel) {
    leiste.showMessage(QStringLiteral("Ressource verwalten."));
    leiste.clearMessage();
    EXPECT_EQ(leiste.PaneText(), QStringLiteral("Bereit"));
    EXPECT_EQ(CStatusLeiste::LampenRechteck(QRect(0, 0, 300, 22)), QRect(280, 5, 8, 8));
    const auto bild = [&] {
        return Malen({300, 22}, Qt::white, [&](QPainter& p) { leiste.Zeichnen(p, {0, 0, 300, 22}); });
    };
    const auto farbe = [](const QImage& b) { return QColor(b.pixel(284, 9)); };
    EXPECT_TRUE(farbe(bild()).green() > 150 && farbe(bild()).red() < 100);
    DateiSchreibenTest(stempel, "1 9");
    leiste.OnTimer();
    const QImage b = bild();
    EXPECT_TRUE(farbe(b).red() > 150 && farbe(b).green() < 100);
    const auto pal = [&](QPalette::ColorRole r) { return leiste.palette().color(r).rgb() & 0xFFFFFF; };
    EXPECT_EQ((std::vector<QRgb>{Pixel(b, 284, 21), Pixel(b, 299, 6), Pixel(b, 285, 21)}),
              (std::vector<QRgb>{pal(QPalette::Light), pal(QPalette::Light), pal(QPalette::Dark)}));
    // Busy on a pending sync or any lock but 0 (parsing: core StempelDatei); a missing file changes nothing.
    // Stamp (none: missing), sync open, busy before, busy after; the tooltip says why.
    const QString warten = "Ihre Änderungen werden gespeichert, sobald die Datenbank frei ist.",
                  gesperrt = "Datenbank gesperrt: ein anderes Kalvora speichert gerade.",
                  frei = "Datenbank frei";
    const std::tuple<const char*, bool, bool, bool, QString> faelle[] = {
        {"0 7", true, false, true, warten},
        {"-1 3", false, false, true, gesperrt},
        {nullptr, false, false, false, frei},
        {nullptr, false, true, true, gesperrt}};
    for (const auto& [inhalt, offen, vorher, danach, hinweis] : faelle) {
        abgleichOffen = false;
        DateiSchreibenTest(stempel, vorher ? "1 0" : "0 0");
        leiste.OnTimer();
        ASSERT_EQ(leiste.IstBeschaeftigt(), vorher);
        std::filesystem::remove(stempel);
        if (inhalt) DateiSchreibenTest(stempel, inhalt);
        abgleichOffen = offen;
        leiste.OnTimer();
        EXPECT_EQ(std::pair(leiste.IstBeschaeftigt(), leiste.LampenHinweis()), std::pair(danach, hinweis))
            << (inhalt ? inhalt : "(fehlt)");
    }
    // Over the lamp the tooltip comes, a failed save first; elsewhere none.
    leiste.resize(300, 22);
    leiste.SetNichtGespeichert(true);
    for (const auto& [stelle, anfang] :
         {std::pair{QPoint(284, 9), QString("Nicht gespeichert: ")}, {QPoint(20, 9), QString()}}) {
        QToolTip::hideText();
        QHelpEvent frage(QEvent::ToolTip, stelle, leiste.mapToGlobal(stelle));
        QApplication::sendEvent(&leiste, &frage);
        EXPECT_EQ(QToolTip::text().left(anfang.size()), anfang) << stelle.x();
    }
}
