// Marking with real mouse events on the grid of a started view: what ends up in the display,
// the working list and the saved file; the rubber band and the divider while dragging.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "AnsichtHilfen.h"
#include "dialogs/NotizDlg.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// Today is Monday 3 March 2025; name column 150, cells 30: half day k spans the x after
// 152 + 15.5(k − 1) up to 152 + 15.5k, row k is centred on y = 78 + 31k.
const CTime kHeute(2025, 3, 3, 10, 0, 0);
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

    // Rows 1 "Bauer, Anna" and 2 "Kurz, Karl"; `vorher` fills Kurz's days before the start.
    explicit Plan(const std::function<void(CRessource&)>& vorher = {}) {
        a.u.app.m_nSpalte1 = 150;
        RessourcenListe liste;
        liste.push_back(Ressource("Bauer", "Anna"));
        liste.push_back(Ressource("Kurz", "Karl"));
        if (vorher) vorher(*liste[1]);
        a.Speichern(std::move(liste));
        a.rahmen->show();
    }
    CKalenderWnd& G() { return a.Gitter(); }

    void Ziehen(int von, int bis, int zeile = 1) {
        QTest::mousePress(&G(), Qt::LeftButton, {}, QPoint(HalbX(von), ZeileY(zeile)));
        QTest::mouseMove(&G(), QPoint(HalbX(bis), ZeileY(zeile)));
        QTest::mouseRelease(&G(), Qt::LeftButton, {}, QPoint(HalbX(bis), ZeileY(zeile)));
    }

    // Every entry of the saved file as "name day first/second[ note]", days counted from today.
    std::vector<std::string> Datei() {
        RessourcenListe liste;
        const auto fehler = DatenbankLaden(a.u.app.m_strDatei, liste);
        EXPECT_FALSE(fehler.has_value());
        std::vector<std::string> texte;
        for (const auto& r : liste)
            r->FuerAlleTage([&](const CTagEintrag& e) {
                const std::int64_t t = (e.m_timeDatum.GetTime() - Tag(0, 0).GetTime()) / 86400;
                texte.push_back(r->m_strBenennung1 + " " + std::to_string(t) + " " +
                                std::to_string(e.m_nArtVormittag) + "/" + std::to_string(e.m_nArtNachmittag) +
                                (e.m_strNotiz.empty() ? "" : " " + e.m_strNotiz));
            });
        return texte;
    }
    const CTagEintrag* Angezeigt(int zeile, int t) { return G().Zeile(zeile)->FindeTag(Tag(t)); }
};

void MarkierenVorher(CRessource& r, int von, int bis, int art, const std::string& notiz = {}) {
    for (int t = von; t <= bis; ++t)
        SetTag(&r, Tag(t, 9), art, art, notiz, CTime(1700000000));
}

} // namespace

TEST(MausAnsicht, ZiehenMarktDieHalbtageZwischenDruckUndLoslassen) {
    struct Fall {
        int von, bis, art;
        std::vector<std::string> datei;
        const char* was;
    };
    const Fall faelle[] = {
        {3, 2, 1, {"Kurz 1 1/1"}, "zweite auf erste Hälfte desselben Tages"},
        {1, 4, 5, {"Kurz 0 0/5", "Kurz 1 5/5", "Kurz 2 5/0"}, "von links nach rechts"},
        {4, 1, 5, {"Kurz 0 0/5", "Kurz 1 5/5", "Kurz 2 5/0"}, "von rechts nach links"},
        {5, 5, 7, {"Kurz 2 0/7"}, "eine Spalte"},
        {0, 0, 16, {"Kurz 0 16/0"}, "erste Spalte"},
    };
    for (const Fall& f : faelle) {
        Plan p;
        p.a.ansicht->SetAktiveArt(f.art);
        p.Ziehen(f.von, f.bis);
        EXPECT_EQ(p.Datei(), f.datei) << f.was;
        EXPECT_FALSE(p.G().MarkiertGerade()) << f.was;
        // The grid shows the run, Bauer's row is untouched.
        EXPECT_EQ(p.G().Zeile(2)->AnzahlEintraege(), f.datei.size()) << f.was;
        EXPECT_EQ(p.G().Zeile(1)->AnzahlEintraege(), 0u) << f.was;
    }
}

TEST(MausAnsicht, EntfLoeschtGenauDieGezogenenHaelften) {
    Plan p([](CRessource& r) { MarkierenVorher(r, 0, 3, 2); });
    p.a.ansicht->SetAktiveArt(0);
    p.Ziehen(1, 4);
    EXPECT_EQ(p.Datei(), (std::vector<std::string>{"Kurz 0 2/0", "Kurz 1 0/0", "Kurz 2 0/2", "Kurz 3 2/2"}));
    EXPECT_TRUE(p.Angezeigt(2, 1)->IstGeloescht());
}

TEST(MausAnsicht, MarkierenUeberEinenTagMitNotizBehaeltSie) {
    Plan p([](CRessource& r) { MarkierenVorher(r, 1, 1, 3, "Messe"); });
    p.a.ansicht->SetAktiveArt(5);
    p.Ziehen(1, 3);
    EXPECT_EQ(p.Datei(), (std::vector<std::string>{"Kurz 0 0/5", "Kurz 1 5/5 Messe"}));
    // After the sync the display row has the note again, so the grid marks it.
    EXPECT_EQ(p.Angezeigt(2, 1)->m_strNotiz, "Messe");
}

TEST(MausAnsicht, GummibandFolgtDerMausUndBleibtRechtsDesFensters) {
    Plan p;
    p.a.ansicht->SetAktiveArt(3);
    CKalenderWnd& g = p.G();
    const QRgb art = Rgb(g.Arten().m_nFarbe[3]);
    const QRgb zelle = Pixel(g.grab().toImage(), HalbX(4), ZeileY(1) + 6);
    ASSERT_NE(zelle, art);

    QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(HalbX(1), ZeileY(1) + 9));
    QTest::mouseMove(&g, QPoint(HalbX(4), ZeileY(1) - 12)); // y does not move the band
    QImage bild = g.grab().toImage();
    // Snapped: x to the quarter of the half day, y to the row centre; squares of 8 around both ends.
    const int a = 152 + 15 + 7;
    const int e = 152 + 62 + 7;
    const QRect band = Umriss(bild, QRect(150, 60, 200, 60), [&](QRgb c) { return c == art; });
    EXPECT_EQ(band, QRect(a - 4, ZeileY(1) - 4, e - a + 8, 8));

    // Right of the window the band freezes; the release still takes the half day there.
    QTest::mouseMove(&g, QPoint(g.width() + 40, ZeileY(1)));
    bild = g.grab().toImage();
    EXPECT_EQ(Umriss(bild, QRect(150, 60, g.width() - 150, 60), [&](QRgb c) { return c == art; }), band);
    QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(g.width() + 40, ZeileY(1)));
    EXPECT_GT(p.Datei().size(), 20u);
    // No trail: the band is gone, the cell shows its entry.
    bild = g.grab().toImage();
    EXPECT_TRUE(Umriss(bild, QRect(150, ZeileY(1) - 5, 3, 10), [&](QRgb c) { return c == art; }).isEmpty());
}

TEST(MausAnsicht, TeilerGreiftNurInnerhalbVonFuenfPixeln) {
    struct Fall {
        int x;
        bool greift;
    };
    for (const Fall f :
         {Fall{115, false}, Fall{116, true}, Fall{120, true}, Fall{124, true}, Fall{125, false}}) {
        Plan p;
        p.a.u.app.m_nSpalte1 = 120;
        p.G().SetNamenBreite(120);
        p.G().Neuzeichnen();
        CKalenderWnd& g = p.G();

        QTest::mouseMove(&g, QPoint(f.x, 40));
        EXPECT_EQ(g.cursor().shape(), f.greift ? Qt::SizeHorCursor : Qt::ArrowCursor) << f.x;
        QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(f.x, 40));
        EXPECT_EQ(g.TeilerGezogen(), f.greift) << f.x;
        QTest::mouseMove(&g, QPoint(300, 40));
        if (f.greift) {
            // The dash-dot line in C7 over the plain day cells of the second row.
            const QImage bild = g.grab().toImage();
            int linie = 0;
            for (int y = ZeileY(1) - 12; y < ZeileY(1) + 12; ++y)
                linie += Pixel(bild, 300, y) == Rgb(g.Farben().C(7));
            EXPECT_GE(linie, 8) << f.x;
            EXPECT_EQ(g.cursor().shape(), Qt::SizeHorCursor);
        }
        QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(150, 40));
        EXPECT_EQ(g.NamenBreite(), f.greift ? 150 : 120) << f.x;
        EXPECT_EQ(p.a.u.app.m_nSpalte1, f.greift ? 150 : 120) << f.x;
        EXPECT_FALSE(g.TeilerGezogen());
        EXPECT_TRUE(p.Datei().empty()) << "no marking from the header";
    }
}

TEST(MausAnsicht, RechtsklickOeffnetDieNotizNurAufTageszellen) {
    struct Fall {
        QPoint punkt;
        int dialoge;
        bool meldung;
        const char* was;
    };
    const Fall faelle[] = {
        {{60, ZeileY(1)}, 0, false, "Namenszelle"},
        {{HalbX(2), 40}, 0, false, "Tageskopf"},
        {{60, 20}, 0, false, "Ecke"},
        {{HalbX(2), ZeileY(2)}, 0, false, "unter der letzten Zeile"},
        {{HalbX(3), ZeileY(1)}, 0, true, "leere zweite Hälfte"},
        {{HalbX(4), ZeileY(1)}, 0, true, "Tag ohne Eintrag"},
        {{HalbX(2), ZeileY(1)}, 1, false, "markierte erste Hälfte"},
    };
    for (const Fall& f : faelle) {
        Plan p([](CRessource& r) { SetTag(&r, Tag(1, 9), 4, 0, "alt", CTime(1700000000)); });
        int dialoge = 0;
        std::string titel, notiz;
        p.a.ansicht->m_notizBearbeiten = [&](const std::string& t, const std::string& n) {
            ++dialoge;
            titel = t;
            notiz = n;
            return std::optional<std::string>();
        };
        QTest::mouseClick(&p.G(), Qt::RightButton, {}, f.punkt);
        EXPECT_EQ(dialoge, f.dialoge) << f.was;
        EXPECT_EQ(p.a.u.meldungen.m_gezeigt.size(), f.meldung ? 1u : 0u) << f.was;
        if (f.meldung)
            EXPECT_EQ(p.a.u.meldungen.m_gezeigt[0].text, "Notizen sind nur bei eingetragenen Tagen möglich!");
        if (f.dialoge) {
            EXPECT_EQ(titel, " 4. 3.2025 * Kurz");
            EXPECT_EQ(notiz, "alt");
        }
        EXPECT_EQ(p.Datei(), (std::vector<std::string>{"Kurz 1 4/0 alt"})) << f.was;
    }
}

// The real dialog, driven by its buttons: "Löschen" then OK stores an empty note, "Löschen"
// then "Abbrechen" keeps the old one.
TEST(MausAnsicht, NotizLoeschenDannOkOderAbbrechen) {
    for (const char* knopf : {"id1", "id2"}) {
        Plan p([](CRessource& r) { SetTag(&r, Tag(1, 9), 4, 4, "alt", CTime(1700000000)); });
        p.a.ansicht->m_notizBearbeiten = [&](const std::string& t, const std::string& n) {
            CNotizDlg dlg(p.a.u.meldungen);
            dlg.Einrichten(t, n);
            QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("id1002")), Qt::LeftButton);
            EXPECT_TRUE(dlg.Eingabe()->toPlainText().isEmpty());
            QTest::mouseClick(dlg.findChild<QPushButton*>(QString::fromLatin1(knopf)), Qt::LeftButton);
            return dlg.result() == QDialog::Accepted ? std::optional(dlg.m_strNotiz) : std::nullopt;
        };
        p.uhr.uhr().Vorstellen(60);
        QTest::mouseClick(&p.G(), Qt::RightButton, {}, QPoint(HalbX(3), ZeileY(1)));
        const bool ok = std::string(knopf) == "id1";
        EXPECT_EQ(p.Datei(), (std::vector<std::string>{ok ? "Kurz 1 4/4" : "Kurz 1 4/4 alt"})) << knopf;
        EXPECT_EQ(p.Angezeigt(2, 1)->m_strNotiz, ok ? "" : "alt") << knopf;
        EXPECT_EQ(p.a.doc.m_pRessourcen[1]->FindeTag(Tag(1))->m_timeGeaendert,
                  ok ? CTime(kHeute.GetTime() + 60) : CTime(1700000000))
            << knopf;
    }
}
