// The plan view: first showing, controls, commands, scrolling, keys, order, sort and group filter.
#include <fcntl.h>
#include <unistd.h>

#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "AnsichtHilfen.h"
#include "frame/StatusLeiste.h"

namespace fs = std::filesystem;

namespace {

RessourcenListe Zwei() {
    return Liste(Ressource("Bauer", "Anna", "Technik"), Ressource("Kurz", "Karl", "Verkauf"));
}

const CTagEintrag* Angezeigt(AnsichtUmgebung& a, int zeile, CTime tag) {
    const CRessource* r = a.Gitter().Zeile(zeile);
    return r ? r->FindeTag(tag) : nullptr;
}

} // namespace

TEST(Ansicht, ErsteAnzeigeSetztZustandLaedtStartetDenTaktUndLegtDieSteuerelementeAn) {
    AnsichtUmgebung a;
    a.u.app.m_nFarbschema = 4;
    a.u.app.m_nSpalte1 = 140;
    a.u.app.m_strAbteilung = "Technik";
    a.Speichern(Zwei());
    a.rahmen->show(); // the first show runs the first showing
    CKalenderWnd& g = a.Gitter();
    EXPECT_EQ(std::tuple(g.NamenBreite(), g.Farben().C(1), g.Titel(), a.ansicht->HeuteKnopf()->Flaeche()),
              std::tuple(140, COLORREF{0}, std::string("Technik"), COLORREF{0x960000})); // "Dark"
    EXPECT_EQ(
        std::tuple(a.ansicht->HorizontalBalken()->maximum(), a.ansicht->TaktMs(), a.ansicht->TaktLaeuft()),
        std::tuple(730, 10000, true));
    a.ansicht->ErsteAnzeige(); // only once: no second load
    EXPECT_EQ(a.Labels(), std::vector<std::string>{"Bauer, Anna"});
    const int r = a.ansicht->width(), b = a.ansicht->height();
    EXPECT_EQ(g.parentWidget()->geometry(), QRect(0, 0, r - 30, b - 30));
    EXPECT_EQ(a.ansicht->HorizontalBalken()->geometry(), QRect(0, b - 25, r - 30, 20));
    EXPECT_EQ(a.ansicht->VertikalBalken()->geometry(), QRect(r - 25, 0, 20, b - 30));
    EXPECT_EQ(a.ansicht->HeuteKnopf()->geometry(), QRect(r - 25, b - 25, 20, 20));
    EXPECT_EQ(a.ansicht->HeuteKnopf()->toolTip(), QStringLiteral("Heute"));
}

// An empty plan shows where to begin; a group filter that leaves no row shows nothing.
TEST(Ansicht, LeererPlanZeigtDenEinstieg) {
    AnsichtUmgebung a;
    a.Starten();
    CKalenderWnd& g = a.Gitter();
    const auto grau = [&] {
        const QImage bild = g.grab().toImage();
        return Umriss(bild, bild.rect().adjusted(0, 2 * g.ZeilenHoehe() + 2, 0, 0),
                      Ist(qRgb(80, 80, 80) & 0xFFFFFF));
    };
    EXPECT_TRUE(g.ZeigtEinstiegsHinweis());
    EXPECT_EQ(
        CKalenderWnd::kEinstiegsHinweis,
        QStringLiteral("Noch keine Ressourcen: Legen Sie die erste mit \"Ressource verwalten\" an (erster "
                       "Knopf der Symbolleiste).\nFeiertage und Schulferien Ihrer Bundesländer wählen Sie "
                       "unter \"Extras → Einstellungen\"."));
    EXPECT_FALSE(grau().isEmpty());
    g.SetTitel("Technik");
    EXPECT_FALSE(g.ZeigtEinstiegsHinweis());
    EXPECT_TRUE(grau().isEmpty());
}

// The commands grey out at the limits (which sizes are allowed: core GitterZustand).
TEST(Ansicht, ZoomMitGrenzenUndGrauschaltung) {
    AnsichtUmgebung a;
    a.Starten();
    QAction* kleiner = a.Aktion(befehl::Verkleinern);
    QAction* groesser = a.Aktion(befehl::Vergroessern);
    groesser->trigger();
    EXPECT_EQ(a.Gitter().ZeilenHoehe(), 31);
    while (kleiner->isEnabled())
        kleiner->trigger();
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 10);
    a.Gitter().SetZellgroesse(299);
    a.ansicht->BefehleAktualisieren();
    groesser->trigger();
    EXPECT_TRUE(!groesser->isEnabled() && kleiner->isEnabled());
    EXPECT_EQ(a.Gitter().SpaltenBreite(), 300);
}

// Vertically clamped with the bar; horizontally relative; arrow keys, the today button and the wheel.
TEST(Ansicht, RollenVertikalHorizontalPfeiltastenUndHeuteKnopf) {
    UhrFixiert uhr(CTime(2025, 1, 2, 10, 0, 0));
    AnsichtUmgebung a;
    RessourcenListe liste; // twelve rows
    for (int i = 0; i < 12; ++i)
        liste.push_back(Ressource("Name" + std::to_string(10 + i), "V"));
    a.Speichern(std::move(liste));
    a.Starten();
    CKalenderWnd& g = a.Gitter();
    QScrollBar* balken = a.ansicht->VertikalBalken();
    g.SetErsteZeile(10);
    using S = QAbstractSlider;
    for (auto [aktion, erwartet] : {std::pair{S::SliderPageStepAdd, 12},
                                    {S::SliderSingleStepSub, 11},
                                    {S::SliderPageStepSub, 6},
                                    {S::SliderPageStepSub, 1},
                                    {S::SliderPageStepSub, 0}}) {
        balken->triggerAction(aktion);
        EXPECT_EQ(std::pair(g.ErsteZeile(), balken->value()), std::pair(erwartet, erwartet)) << aktion;
    }
    EXPECT_EQ(balken->maximum(), 12);
    balken->setSliderDown(true); // the thumb acts on release only
    balken->setSliderPosition(7);
    EXPECT_EQ(g.ErsteZeile(), 0);
    balken->setSliderDown(false);
    EXPECT_EQ(g.ErsteZeile(), 7);
    balken = a.ansicht->HorizontalBalken(); // a relative control: the bar stays in the middle
    for (auto [aktion, erwartet] : {std::pair{S::SliderSingleStepAdd, 1},
                                    {S::SliderPageStepAdd, 8},
                                    {S::SliderSingleStepSub, 7},
                                    {S::SliderPageStepSub, 0}}) {
        balken->triggerAction(aktion);
        EXPECT_EQ(std::pair(g.TagOffset(), balken->value()), std::pair(erwartet, 365)) << aktion;
    }
    // The thumb moves by its distance from the middle, then snaps back.
    for (auto [position, erwartet] : {std::pair{730, 365}, {0, 0}, {0, -365}, {400, -330}}) {
        balken->setSliderDown(true);
        balken->setSliderPosition(position);
        balken->setSliderDown(false);
        EXPECT_EQ(std::pair(g.TagOffset(), balken->value()), std::pair(erwartet, 365)) << position;
    }
    a.ansicht->HeuteKnopf()->click();
    EXPECT_EQ(g.TagOffset(), 0);
    for (auto taste : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(a.ansicht, taste);
    EXPECT_EQ(std::tuple(g.TagOffset(), g.ErsteZeile(), a.ansicht->VertikalBalken()->value()),
              std::tuple(1, 9, 9)); // from row 7
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(a.ansicht, Qt::Key_Up);
    EXPECT_EQ(g.ErsteZeile(), 0);
    // One notch over the grid (mapping: core GitterZustand): 3 rows, with Shift 3 days, with Ctrl bigger
    // cells.
    const int breite = g.SpaltenBreite();
    for (const auto& [winkel, tasten] :
         {std::pair{-120, Qt::NoModifier}, {-120, Qt::ShiftModifier}, {120, Qt::ControlModifier}}) {
        QWheelEvent rad({300, 100}, g.mapToGlobal(QPointF(300, 100)), {}, {0, winkel}, Qt::NoButton, tasten,
                        Qt::NoScrollPhase, false);
        // As from the mouse: only then does it travel up from the grid (sendEvent would make it synthetic).
        QSpontaneKeyEvent::setSpontaneous(&rad);
        QApplication::instance()->notify(&g, &rad);
    }
    EXPECT_EQ(std::tuple(g.ErsteZeile(), a.ansicht->VertikalBalken()->value(), g.TagOffset()),
              std::tuple(3, 3, 4));
    EXPECT_GT(g.SpaltenBreite(), breite);
}

// Command, button or a type out of range: exactly one button pressed, its command checked.
TEST(Ansicht, EintragsartBefehleUndKnoepfeHaltenGenauEinenGedruecktUndDiagnoseTitel) {
    AnsichtUmgebung a;
    a.Starten();
    const std::pair<std::function<void()>, int> schritte[] = {
        {[&] { a.Aktion(kArtBefehl[0])->trigger(); }, 0},
        {[&] { a.Aktion(kArtBefehl[16])->trigger(); }, 16},
        {[&] { a.rahmen->TypLeiste()->Knopf(12)->click(); }, 12},
        {[&] { a.rahmen->SetAktiveArt(17), a.rahmen->SetAktiveArt(-1); }, 12},
    };
    for (const auto& [schritt, art] : schritte) {
        schritt();
        EXPECT_EQ(a.Gitter().AktiveArt(), art);
        for (std::size_t k = 0; k <= kAnzahlArten; ++k)
            EXPECT_EQ(std::pair(a.Aktion(kArtBefehl[k])->isChecked(),
                                a.rahmen->TypLeiste()->Knopf(static_cast<int>(k))->IstMarkiert()),
                      std::pair(k == std::size_t(art), k == std::size_t(art)))
                << art << " " << k;
    }
    // The counters' texts: core tests.
    QAction* diagnose = a.Aktion(befehl::Diagnose);
    diagnose->trigger();
    a.ansicht->Takt();
    EXPECT_EQ(a.rahmen->windowTitle(), QStringLiteral("Lokal: 0 / HD: 0"));
    diagnose->trigger();
    EXPECT_EQ(a.rahmen->windowTitle(), CMainFrame::ProduktTitel());
}

// A failed save keeps the day on screen and "Nicht gespeichert" beside the lamp until a save succeeds.
TEST(AnsichtAbgleich, FehlgeschlagenesSpeichernZeigtDieStatusleisteBisZumNaechstenErfolg) {
    UhrFixiert uhr(CTime(2025, 6, 2, 8, 0, 0));
    AnsichtUmgebung a;
    a.Speichern(Zwei());
    a.Starten();
    a.rahmen->show();
    CStatusLeiste& leiste = *a.rahmen->StatusLeiste();
    const auto rot = [&] { // red text left of the lamp, which turns red itself while the save is pending
        const QImage bild = leiste.grab().toImage();
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < CStatusLeiste::LampenRechteck(leiste.rect()).left(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                n += c.red() > 120 && c.green() < 70 && c.blue() < 70;
            }
        return n;
    };
    EXPECT_EQ(std::pair(leiste.NichtGespeichert(), rot()), std::pair(false, 0));
    const int fd = ::open(a.u.app.m_strDatei.c_str(), O_RDWR);
    ASSERT_TRUE(FremdeSperre(fd, F_RDLCK));
    const CTime tag(2025, 6, 10, 12, 0, 0);
    SetTag(a.doc.m_pRessourcen[1].get(), CTime(2025, 6, 10, 9, 0, 0), 4, 4, "", Jetzt());
    EXPECT_EQ(a.ansicht->Abgleichen(false), AbgleichStand::NichtGespeichert);
    a.ansicht->Takt(); // tries again, quietly
    ::close(fd);
    const QRect warnung = leiste.WarnRechteck(leiste.rect());
    EXPECT_TRUE(leiste.NichtGespeichert() && rot() > 30 && leiste.PaneText() == QStringLiteral("Bereit"))
        << rot();
    EXPECT_TRUE(warnung.right() < CStatusLeiste::LampenRechteck(leiste.rect()).left() &&
                warnung.width() > 40);
    ASSERT_NE(Angezeigt(a, 2, tag), nullptr);
    EXPECT_EQ(std::pair(Angezeigt(a, 2, tag)->m_nArtVormittag, a.u.meldungen.m_gezeigt.size()),
              std::pair(4, std::size_t{1}));
    a.ansicht->Takt();
    EXPECT_EQ(
        std::tuple(leiste.NichtGespeichert(), rot(), Haelften(*AufPlatte(a.u.app.m_strDatei)[1], {tag})),
        std::tuple(false, 0, "4/4 "));
}

// An empty database at the start, a damaged one at a tick: the backup is offered once per problem.
TEST(AnsichtAbgleich, LeereOderBeschaedigteDatenbankBietetDieSicherungAn) {
    for (const bool beimStart : {true, false}) {
        AnsichtUmgebung a;
        a.Speichern(Zwei());
        const std::string bk1 = a.u.ordner / "Ressource.BK1";
        fs::copy_file(a.u.app.m_strDatei, bk1);
        const auto fragen = [&] {
            int n = 0;
            for (const auto& m : a.u.meldungen.m_gezeigt)
                n += m.knoepfe == Knoepfe::JaNein;
            return n;
        };
        if (beimStart) {
            DateiSchreibenTest(a.u.app.m_strDatei, "");
            a.u.meldungen.m_antworten = {Antwort::Ja};
            a.Starten();
        } else {
            a.Starten();
            a.doc.m_pRessourcen[0]->m_strGruppe = "neu"; // a change of this instance waiting for its save
            a.doc.m_pRessourcen[0]->m_timeGeaendert = CTime(1800000000);
            DateiSchreibenTest(a.u.app.m_strDatei, std::string("\x07\0\0", 3));
            a.u.meldungen.m_antworten = {Antwort::Ok, Antwort::Nein};
            EXPECT_EQ(a.ansicht->Abgleichen(false), AbgleichStand::LadenFehlgeschlagen);
            for (int takt = 0; takt < 7; ++takt)
                a.ansicht->Takt(); // the seventh breaks the lock and fails again
            EXPECT_EQ(std::pair(fragen(), a.u.meldungen.m_gezeigt.size()), std::pair(1, std::size_t{3}));
            a.u.meldungen.m_antworten = {Antwort::Ok, Antwort::Ja};
            fs::last_write_time(bk1, fs::last_write_time(bk1) + std::chrono::seconds(1));
            for (int takt = 0; takt < 2; ++takt)
                a.ansicht->Takt(); // a newer backup is another offer
        }
        EXPECT_EQ(fragen(), beimStart ? 1 : 2);
        EXPECT_EQ(a.Labels(), (Texte{"Bauer, Anna", "Kurz, Karl"})) << beimStart;
        const RessourcenListe platte = AufPlatte(a.u.app.m_strDatei);
        ASSERT_EQ(platte.size(), 2u);
        EXPECT_EQ(platte[0]->m_strGruppe, beimStart ? "Technik" : "neu");
        const auto stempel = StempelLesen(a.u.app.m_strStempel);
        EXPECT_EQ(std::pair(stempel->sperre, stempel->zaehler),
                  std::pair(0, a.ansicht->Abgleicher().m_nLokalZaehler));
    }
}

// Groups differing in case, one deleted record: the sort toggles with its check mark, then the filter.
TEST(AnsichtAnzeige, SortierenSchaltetHaekchenFolgtGruppenbefehlFiltertGenau) {
    AnsichtUmgebung a;
    a.Speichern(Liste(Ressource("Adler", "Eva", "Lager"), Ressource("Berg", "Jan", ""),
                      Ressource("Hahn", "Ida", ""), Ressource("Kern", "Tom", "Einkauf", "10"),
                      Ressource("Kern", "Tom", "Einkauf", "9"), Ressource("Otto", "Uwe", "lager"),
                      Ressource("Zorn", "Max", "Lager", "", true)));
    a.u.app.m_bAlpha = false;
    a.Starten();
    const Texte kAlpha = {"Adler, Eva", "Berg, Jan", "Hahn, Ida", "Kern, Tom", "Kern, Tom", "Otto, Uwe"};
    const Texte kGruppen = {"Berg, Jan", "Einkauf: Kern, Tom", "Einkauf: Kern, Tom",
                            "Hahn, Ida", "Lager: Adler, Eva",  "lager: Otto, Uwe"};
    EXPECT_EQ(a.Labels(), kGruppen);
    QAction* sortieren = a.Aktion(befehl::SortierenNachGruppen);
    for (bool bAlpha : {true, false, true}) {
        sortieren->trigger();
        EXPECT_EQ(std::tuple(a.u.app.m_bAlpha, sortieren->isChecked(), a.Labels()),
                  std::tuple(bAlpha, !bAlpha, bAlpha ? kAlpha : kGruppen));
    }
    // Cancelling keeps the filter, "--- Alle Ressourcen ---" ("") lifts it.
    Texte vorgaben;
    std::optional<std::string> antwort = "Lager";
    a.ansicht->m_gruppeWaehlen = [&](const RessourcenListe&, const std::string& vorgabe) {
        return vorgaben.push_back(vorgabe), antwort;
    };
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(std::tuple(a.Gitter().Titel(), a.Labels(), a.ansicht->VertikalBalken()->maximum()),
              std::tuple("Lager", Texte{"Adler, Eva"}, 1));
    antwort = std::nullopt;
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(a.u.app.m_strAbteilung, "Lager");
    antwort = "";
    a.Aktion(befehl::GruppeAnzeigen)->trigger();
    EXPECT_EQ(std::tuple(a.Gitter().Titel(), a.Labels(), vorgaben),
              std::tuple("", kAlpha, Texte{"", "Lager", "Lager"}));
}

TEST(AnsichtAnzeige, GleicherSchluesselMeldetFehler) {
    AnsichtUmgebung a;
    a.Speichern(Liste(Ressource("Ulm", "Bo", "Team"), Ressource("Ulm", "Bo", "Team")));
    a.u.app.m_bAlpha = false;
    a.Starten();
    EXPECT_EQ(Gezeigt(a.u.meldungen), Texte{"Fehler: Ausgabe nach Gruppen"});
    a.ansicht->OnSortieren(); // alphabetical shows both
    EXPECT_EQ(a.Labels(), (Texte{"Ulm, Bo", "Ulm, Bo"}));
}
