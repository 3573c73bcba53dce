// Real mouse events on the grid of a started view: display, working list, file, band, divider, notes.
#include "AnsichtHilfen.h"
#include "dialogs/NotizDlg.h"

#include <QStatusBar>
#include <QToolTip>

namespace {

// Today Monday 3 March 2025; name column 150, cells 30: row k centred on y = 78 + 31k.
const CTime kHeute(2025, 3, 3, 10, 0, 0);
const CTime kAlt(1700000000);
int HalbX(int k) {
    return 152 + 31 * k / 2 + 7;
}
int ZeileY(int k) {
    return 78 + 31 * k;
}
CTime Tag(int t, int stunde = 12) {
    return CTime(2025, 3, 3 + t, stunde, 0, 0);
}

struct Plan {
    UhrFixiert uhr{kHeute};
    AnsichtUmgebung a;

    // Rows 1 "Bauer, Anna" and 2 "Kurz, Karl"; Kurz holds days `von`..`bis` as vm/nm before the start.
    explicit Plan(int von = 0, int bis = -1, int vm = 0, int nm = 0, const std::string& notiz = {}) {
        RessourcenListe liste = Liste(Ressource("Bauer", "Anna"), Ressource("Kurz", "Karl"));
        for (int t = von; t <= bis; ++t)
            SetTag(liste[1].get(), Tag(t, 9), vm, nm, notiz, kAlt);
        a.u.app.m_nSpalte1 = 150;
        a.Speichern(std::move(liste));
        a.rahmen->show();
    }
    CKalenderWnd& G() { return a.Gitter(); }
    // Every entry of the saved file as "name day first/second[ note]", days counted from today.
    Texte Datei() {
        RessourcenListe liste;
        EXPECT_FALSE(DatenbankLaden(a.u.app.m_strDatei, liste).has_value());
        Texte texte;
        for (const auto& r : liste)
            r->FuerAlleTage([&](const CTagEintrag& e) {
                const auto t = (e.m_timeDatum.GetTime() - Tag(0, 0).GetTime()) / 86400;
                texte.push_back(r->m_strBenennung1 + " " + std::to_string(t) + " " +
                                std::to_string(e.m_nArtVormittag) + "/" + std::to_string(e.m_nArtNachmittag) +
                                (e.m_strNotiz.empty() ? "" : " " + e.m_strNotiz.Text()));
            });
        return texte;
    }
};

} // namespace

TEST(MausAnsicht, GummibandFolgtDerMausUndBleibtRechtsDesFensters) {
    Plan p;
    p.a.ansicht->SetAktiveArt(3);
    CKalenderWnd& g = p.G();
    const QRgb art = Rgb(g.Arten().m_nFarbe[3]);
    const auto band = [&](QRect r) {
        return Umriss(g.grab().toImage(), r, [&](QRgb c) { return c == art; });
    };
    const QRect oben(150, 60, g.width() - 150, 60);
    QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(HalbX(1), ZeileY(1) + 9));
    QTest::mouseMove(&g, QPoint(HalbX(4), ZeileY(1) - 12)); // y does not move the band
    // Snapped to the quarter of the half day and the row centre; squares of 8 around both ends.
    const QRect gezogen(152 + 15 + 7 - 4, ZeileY(1) - 4, 62 - 15 + 8, 8);
    EXPECT_EQ(band(oben), gezogen);
    // Right of the window the band freezes; the release still takes the half day there.
    QTest::mouseMove(&g, QPoint(g.width() + 40, ZeileY(1)));
    EXPECT_EQ(band(oben), gezogen);
    QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(g.width() + 40, ZeileY(1)));
    EXPECT_GT(p.Datei().size(), 20u);
    // No trail: left of the first day cell, where only the band's square reached, it is gone.
    EXPECT_TRUE(band(QRect(150, ZeileY(1) - 5, 3, 10)).isEmpty());
}

TEST(MausAnsicht, TeilerGreiftNurInnerhalbVonFuenfPixeln) {
    for (auto [x, greift] : {std::pair{115, false}, {116, true}, {124, true}, {125, false}}) {
        Plan p;
        p.a.u.app.m_nSpalte1 = 120;
        CKalenderWnd& g = p.G();
        g.SetNamenBreite(120);
        g.Neuzeichnen();
        QTest::mouseMove(&g, QPoint(x, 40));
        EXPECT_EQ(g.cursor().shape(), greift ? Qt::SizeHorCursor : Qt::ArrowCursor) << x;
        QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(x, 40));
        QTest::mouseMove(&g, QPoint(300, 40));
        if (greift) { // the dash-dot line in C7 over the plain day cells of the second row
            const QImage bild = g.grab().toImage();
            int linie = 0;
            for (int y = ZeileY(1) - 12; y < ZeileY(1) + 12; ++y)
                linie += Pixel(bild, 300, y) == Rgb(g.Farben().C(7));
            EXPECT_GE(linie, 8) << x;
        }
        QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(150, 40));
        EXPECT_EQ(p.a.u.app.m_nSpalte1, greift ? 150 : 120) << x;
        EXPECT_TRUE(p.Datei().empty()) << "no marking from the header";
    }
}

// Right click on a name opens nothing; on a marked day "Löschen" then OK empties the note, Abbrechen not.
TEST(MausAnsicht, RechtsklickNotizLoeschenDannOkOderAbbrechen) {
    for (const auto& [punkt, knopf] :
         {std::pair{QPoint(60, ZeileY(1)), 0}, {{HalbX(2), ZeileY(1)}, 1}, {{HalbX(2), ZeileY(1)}, 2}}) {
        Plan p(1, 1, 4, 0, "alt");
        Texte aufrufe;
        p.a.ansicht->m_notizBearbeiten = [&, knopf = knopf](const std::string& t, const std::string& n) {
            aufrufe.push_back(t + "|" + n);
            CNotizDlg dlg(p.a.u.meldungen);
            dlg.Einrichten(t, n);
            QTest::mouseClick(Kind(dlg, 1002), Qt::LeftButton);
            EXPECT_TRUE(dlg.Eingabe()->toPlainText().isEmpty());
            QTest::mouseClick(Kind(dlg, knopf), Qt::LeftButton);
            return dlg.result() == QDialog::Accepted ? std::optional(dlg.m_strNotiz) : std::nullopt;
        };
        p.uhr.uhr().Vorstellen(60);
        QTest::mouseClick(&p.G(), Qt::RightButton, {}, punkt);
        EXPECT_EQ(aufrufe, knopf ? Texte{" 4. 3.2025 * Kurz|alt"} : Texte{}) << knopf;
        const bool neu = knopf == 1;
        EXPECT_EQ(p.Datei(), Texte{neu ? "Kurz 1 4/0" : "Kurz 1 4/0 alt"});
        EXPECT_EQ(p.G().Zeile(2)->FindeTag(Tag(1))->m_strNotiz, neu ? "" : "alt");
        EXPECT_EQ(p.a.doc.m_pRessourcen[1]->FindeTag(Tag(1))->m_timeGeaendert,
                  neu ? CTime(kHeute.GetTime() + 60) : kAlt);
    }
}

// A drag stays on the resource of the press through another instance's insert, a tick or a rebuild; Esc.
TEST(MausAnsicht, ZiehenMarktDieHalbtageDerRessourceDesDrucksAuchNachEinemAbgleich) {
    for (const char* wie : {"tick waits", "rebuild", "Esc", "right to left"}) {
        const std::string fall = wie;
        const int von = fall == "right to left" ? 4 : 1;
        Plan p;
        AnsichtUmgebung b(&p.a);
        b.Starten();
        p.a.ansicht->SetAktiveArt(5);
        QTest::mousePress(&p.G(), Qt::LeftButton, {}, QPoint(HalbX(von), ZeileY(1)));
        QTest::mouseMove(&p.G(), QPoint(HalbX(5 - von), ZeileY(1)));
        b.doc.m_pRessourcen.insert(b.doc.m_pRessourcen.begin(), Ressource("Adler", "Eva"));
        ASSERT_EQ(b.ansicht->Abgleichen(false), AbgleichStand::Fertig);
        if (fall == "rebuild") {
            p.a.ansicht->Abgleichen(true);
            ASSERT_EQ(p.a.Labels(), (Texte{"Adler, Eva", "Bauer, Anna", "Kurz, Karl"})) << "Bauer now under the band";
        } else {
            p.a.ansicht->Takt();
            EXPECT_EQ(std::pair(p.a.ansicht->TaktWartet(), p.a.Labels().size()), std::pair(true, std::size_t{2}));
        }
        if (fall == "Esc") {
            QTest::keyClick(p.a.ansicht, Qt::Key_Escape);
            EXPECT_EQ(std::pair(p.G().MarkiertGerade(), p.a.ansicht->TaktWartet()), std::pair(false, false));
            const QRgb art = Rgb(p.G().Arten().m_nFarbe[5]);
            EXPECT_TRUE(Umriss(p.G().grab().toImage(), p.G().rect(), [&](QRgb c) { return c == art; }).isEmpty())
                << "the band is gone";
        }
        QTest::mouseRelease(&p.G(), Qt::LeftButton, {}, QPoint(HalbX(5 - von), ZeileY(1)));
        const Texte markiert{"Kurz 0 0/5", "Kurz 1 5/5", "Kurz 2 5/0"};
        EXPECT_EQ(p.Datei(), fall == "Esc" ? Texte{} : markiert) << wie;
        // The waiting tick has run: the new row shows, and Kurz's run in Kurz's row; Bauer's is untouched.
        EXPECT_EQ(std::pair(p.a.ansicht->TaktWartet(), p.a.Labels().size()), std::pair(false, std::size_t{3})) << wie;
        EXPECT_EQ(std::pair(p.G().Zeile(3)->AnzahlEintraege(), p.G().Zeile(2)->AnzahlEintraege()),
                  std::pair(std::size_t{fall == "Esc" ? 0u : 3u}, std::size_t{0}))
            << wie;
    }
}

// The day under the mouse names its holidays in the header's tooltip and in the status bar.
TEST(MausAnsicht, FeiertagsnamenImKopfTooltipUndInDerStatusleiste) {
    Plan p;
    p.a.rahmen->m_tabelle.m_nRegion[2] = 1; // Bayern
    AbgeleiteteFlagsSetzen(p.a.rahmen->m_tabelle.m_nRegion);
    p.G().SetTagOffset(49); // Easter Monday, 21 April 2025, in the Bavarian Easter holidays
    const auto& spalten = p.G().Layout().m_spalten;
    const auto kopf = [&](int j) {
        const Rechteck& r = spalten[static_cast<std::size_t>(j)].m_kopf;
        return QPoint((r.links + r.rechts) / 2, (r.oben + r.unten) / 2);
    };
    QHelpEvent tipp(QEvent::ToolTip, kopf(0), p.G().mapToGlobal(kopf(0)));
    QApplication::sendEvent(&p.G(), &tipp);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Ostermontag · Schulferien: Bayern"));

    const auto ueber = [&](QPoint pos) {
        QMouseEvent bewegt(QEvent::MouseMove, pos, p.G().mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
        QApplication::sendEvent(&p.G(), &bewegt);
        return p.a.rahmen->statusBar()->currentMessage();
    };
    EXPECT_EQ(ueber({kopf(1).x(), ZeileY(1)}), QString::fromUtf8("Schulferien: Bayern"));
    EXPECT_EQ(ueber(kopf(0)), QString::fromUtf8("Ostermontag · Schulferien: Bayern"));
    EXPECT_EQ(ueber({kopf(6).x(), ZeileY(2)}), QString()) << "27 April: an ordinary Sunday";
}

// Undo and redo of a drag, greyed when there is nothing to do (history rules: core Verlauf tests).
TEST(MausAnsicht, RueckgaengigUndWiederherstellenEinesZugs) {
    Plan p(2, 2, 1, 1);
    QAction* zurueck = p.a.Aktion(befehl::Rueckgaengig);
    QAction* vor = p.a.Aktion(befehl::Wiederherstellen);
    const auto stand = [&] {
        return std::tuple(zurueck->isEnabled(), vor->isEnabled(), p.Datei(),
                          Haelften(*p.G().Zeile(2), {Tag(0), Tag(1), Tag(2)}));
    };
    const Texte vorher{"Kurz 2 1/1"}, markiert{"Kurz 0 0/5", "Kurz 1 5/5", "Kurz 2 5/1"};
    EXPECT_EQ(stand(), std::tuple(false, false, vorher, "- - 1/1 "));
    EXPECT_EQ(vor->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    p.a.ansicht->SetAktiveArt(5);
    QTest::mousePress(&p.G(), Qt::LeftButton, {}, QPoint(HalbX(1), ZeileY(1)));
    QTest::mouseMove(&p.G(), QPoint(HalbX(4), ZeileY(1)));
    QTest::mouseRelease(&p.G(), Qt::LeftButton, {}, QPoint(HalbX(4), ZeileY(1)));
    EXPECT_EQ(stand(), std::tuple(true, false, markiert, "0/5 5/5 5/1 "));
    zurueck->trigger();
    EXPECT_EQ(stand(), std::tuple(false, true, Texte{"Kurz 0 0/0", "Kurz 1 0/0", "Kurz 2 1/1"}, "0/0 0/0 1/1 "));
    vor->trigger();
    EXPECT_EQ(stand(), std::tuple(true, false, markiert, "0/5 5/5 5/1 "));
}
