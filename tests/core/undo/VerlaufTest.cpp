// Undo and redo: steps of drags and notes, and their undo through the locked sync of real files.
#include <functional>

#include "TestHilfen.h"
#include "undo/Verlauf.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

// "D.M parts vm/nm"note">vm/nm"note"" per day, parts as V, N, T.
std::string Beschreibung(const Schritt& s) {
    std::string text;
    const auto inhalt = [](const TagInhalt& i) {
        return std::to_string(i.m_nVormittag) + "/" + std::to_string(i.m_nNachmittag) + "\"" + i.m_strNotiz +
               "\"";
    };
    for (const TagAenderung& t : s) {
        text += (text.empty() ? "" : ", ") + std::to_string(t.m_timeDatum.GetDay()) + "." +
                std::to_string(t.m_timeDatum.GetMonth()) + " " + (t.m_nTeile & kTeilVormittag ? "V" : "") +
                (t.m_nTeile & kTeilNachmittag ? "N" : "") + (t.m_nTeile & kTeilNotiz ? "T" : "") + " " +
                inhalt(t.m_vorher) + ">" + inhalt(t.m_nachher);
    }
    return text;
}

// One window with its history; `Ziehen` is command 5555 and its save.
struct Fenster : Instanz {
    using Instanz::Instanz;
    Verlauf verlauf;

    void Ziehen(const std::string& b1, CTime von, CTime bis, int art) {
        MarkierenMitVerlauf(verlauf, nullptr, Finde(b1), von, bis, art, Jetzt(), &doc.m_basis);
        EXPECT_EQ(abgleich.Abgleichen(false), AbgleichStand::Fertig);
    }
    // Undo or redo in the sync's hook; the message text, "(gesperrt)" when the hook did not run.
    std::string Anwenden(bool bZurueck) {
        std::optional<Schritt> aus;
        abgleich.Abgleichen(false, [&](const RessourcenListe& datei) {
            aus = verlauf.Anwenden(bZurueck, datei, doc.m_pRessourcen, Jetzt(), &doc.m_basis);
        });
        return aus ? AusgelassenText(*aus, bZurueck) : "(gesperrt)";
    }
};

class VerlaufTest : public GeteilteDatenbank {
protected:
    const CTime tag3 = Um(2025, 6, 3), tag4 = Um(2025, 6, 4), tag5 = Um(2025, 6, 5);

    std::unique_ptr<Fenster> Starten() { return GeteilteDatenbank::Starten<Fenster>(); }
    std::unique_ptr<Fenster> Anfang() { return GeteilteDatenbank::Anfang<Fenster>({"Huber,Anna", "Meier"}, "0 5"); }
    std::string Platte(const std::string& b1, std::initializer_list<CTime> tage) {
        for (const auto& r : AufPlatte(datei))
            if (r->m_strBenennung1 == b1) return Haelften(*r, tage);
        return "(fehlt)";
    }
};

TEST_F(VerlaufTest, EinZugIstEinSchrittNurAusDenGeaendertenHaelften) {
    RessourcenListe l;
    CRessource& r = Neu(l, "A");
    Anhaengen(r, Um(2025, 6, 3, 9), 1, 0, "x");
    Anhaengen(r, Um(2025, 6, 4, 9), 2, 2);
    const std::tuple<CTime, CTime, int, const char*> faelle[] = {
        {Um(2025, 6, 3, 21), Um(2025, 6, 5, 9), 2, "3.6 N 1/0\"x\">1/2\"x\", 5.6 V 0/0\"\">2/0\"\""},
        {Um(2025, 6, 5, 9), Um(2025, 6, 3, 21), 2, "3.6 N 1/0\"x\">1/2\"x\", 5.6 V 0/0\"\">2/0\"\""},
        {Um(2025, 6, 3, 9), Um(2025, 6, 4, 9), 0, "3.6 V 1/0\"x\">0/0\"x\", 4.6 V 2/2\"\">0/2\"\""}, // "Entf"
        {Um(2025, 6, 4, 9), Um(2025, 6, 4, 21), 2, ""},
        {Um(2025, 6, 6, 21), Um(2025, 6, 6, 21), 7, "6.6 N 0/0\"\">0/7\"\""},
    };
    for (const auto& [von, bis, art, erwartet] : faelle)
        EXPECT_EQ(Beschreibung(MarkierSchritt(&r, von, bis, art)), erwartet) << von.GetDay() << " " << art;
    EXPECT_TRUE(MarkierSchritt(nullptr, tag3, tag4, 1).empty());
}

TEST_F(VerlaufTest, NotizSchrittBeiOkAuchMitLoeschenUndRueckgaengigUndWieder) {
    const std::tuple<std::optional<std::string>, CTime, const char*> faelle[] = {
        {"neu", Um(2025, 6, 3, 9), "3.6 T 1/0\"x\">1/0\"neu\""},
        {"", Um(2025, 6, 3, 9), "3.6 T 1/0\"x\">1/0\"\""}, // "Löschen", then OK
        {"x", Um(2025, 6, 3, 9), ""},
        {std::nullopt, Um(2025, 6, 3, 9), ""}, // "Abbrechen"
        {"neu", Um(2025, 6, 3, 21), ""},       // unmarked half: the message only
    };
    for (const auto& [antwort, zeit, erwartet] : faelle) {
        RessourcenListe l;
        CRessource& r = Neu(l, "A");
        r.m_nZeile = 1;
        Anhaengen(r, Um(2025, 6, 3, 9), 1, 0, "x");
        MeldungsRekorder m;
        Verlauf v;
        NotizMitVerlauf(
            v, l, 1, zeit, m, [&](auto&, auto&) { return antwort; }, nullptr);
        EXPECT_EQ(std::pair(v.KannRueckgaengig(), m.m_gezeigt.empty()),
                  std::pair(*erwartet != 0, zeit.GetHour() < 12));
        if (!v.KannRueckgaengig()) continue;
        const RessourcenListe datei = KopiereListe(l);
        v.Anwenden(true, datei, l, Jetzt(), nullptr);
        EXPECT_EQ(std::pair(r.FindeTag(tag3)->m_strNotiz.Text(), v.KannWiederherstellen()),
                  std::pair(std::string("x"), true));
        v.Anwenden(false, KopiereListe(l), l, Jetzt(), nullptr);
        EXPECT_EQ(r.FindeTag(tag3)->m_strNotiz, antwort->c_str());
    }
}

TEST_F(VerlaufTest, RueckgaengigUndWiederherstellenSchreibenDieDateiNeuerSchrittLeertWiederherstellen) {
    auto a = Anfang();
    auto b = Starten();
    Weiter();
    a->Ziehen("Huber", Um(2025, 6, 3, 9), Um(2025, 6, 4, 21), 3);
    Weiter();
    EXPECT_EQ(a->Anwenden(true), "");
    EXPECT_EQ(std::tuple(Platte("Huber", {tag3, tag4}), a->verlauf.KannRueckgaengig(),
                         a->verlauf.KannWiederherstellen()),
              std::tuple("0/0 0/0 ", false, true));
    EXPECT_EQ(AufPlatte(datei)[0]->FindeTag(tag3)->m_timeGeaendert, Jetzt()); // a new change time
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);                     // others take it in
    EXPECT_EQ(Haelften(*b->Finde("Huber"), {tag3}), "0/0 ");
    Weiter();
    EXPECT_EQ(a->Anwenden(false), "");
    EXPECT_EQ(std::tuple(Platte("Huber", {tag3, tag4}), a->verlauf.KannWiederherstellen()),
              std::tuple("3/3 3/3 ", false));
    // While another instance holds the lock nothing happens; the step waits.
    DateiSchreibenTest(stempel, "1 9");
    EXPECT_EQ(a->Anwenden(true), "(gesperrt)");
    DateiSchreibenTest(stempel, "0 9");
    a->Anwenden(true);
    a->Ziehen("Meier", tag5, tag5, 1); // a new step after an undo: no redo
    EXPECT_EQ(std::tuple(a->verlauf.KannRueckgaengig(), a->verlauf.KannWiederherstellen()),
              std::tuple(true, false));

    // The history keeps the newest 100 steps.
    Verlauf v;
    RessourcenListe l;
    CRessource& r = Neu(l, "A");
    for (int i = 0; i < 105; ++i)
        MarkierenMitVerlauf(v, nullptr, &r, tag3, tag3, i % 2 + 1, Jetzt(), nullptr);
    int schritte = 0;
    for (; v.KannRueckgaengig(); ++schritte)
        v.Anwenden(true, KopiereListe(l), l, Jetzt(), nullptr);
    EXPECT_EQ(schritte, 100);
}

// A drag of 3 June to the first half of 5 June with type 2, then another writer's change; the undo
// leaves exactly the days alone whose changed halves no longer hold what the drag wrote.
TEST_F(VerlaufTest, RueckgaengigLaesstTageStehenDieEinAndererSeitherGeaendertHat) {
    const char* kKopf =
        "Diese Tage hat inzwischen ein anderer Benutzer geändert; sie wurden nicht rückgängig gemacht:\n\n";
    const std::tuple<const char*, std::function<void(Fenster&)>, const char*, std::string> faelle[] = {
        {"Halbtag des Zugs", [&](Fenster& b) { b.Ziehen("Huber", Um(2025, 6, 4, 9), Um(2025, 6, 4, 9), 5); },
         "0/0 5/2 0/0 ", std::string(kKopf) + "Huber, Anna: 04.06.2025"},
        {"andere Hälfte", [&](Fenster& b) { b.Ziehen("Huber", Um(2025, 6, 5, 21), Um(2025, 6, 5, 21), 7); },
         "0/0 0/0 0/7 ", ""},
        {"gleicher Wert", [&](Fenster& b) { b.Ziehen("Huber", Um(2025, 6, 4, 9), Um(2025, 6, 4, 9), 2); },
         "0/0 0/0 0/0 ", ""},
        {"gelöscht", [&](Fenster& b) { b.Ziehen("Huber", Um(2025, 6, 3, 9), Um(2025, 6, 4, 21), 0); },
         "0/0 0/0 0/0 ", std::string(kKopf) + "Huber, Anna: 03.06.2025 bis 04.06.2025"},
        {"Ressource gelöscht",
         [&](Fenster& b) {
             CRessource* h = b.Finde("Huber");
             h->m_bGeloescht = true;
             h->m_timeGeaendert = Jetzt();
             b.abgleich.Abgleichen(false);
         },
         "2/2 2/2 2/0 ", std::string(kKopf) + "Huber, Anna: 03.06.2025 bis 05.06.2025"},
    };
    for (const auto& [name, aendern, platte, meldung] : faelle) {
        auto a = Anfang();
        auto b = Starten();
        Weiter();
        a->Ziehen("Huber", Um(2025, 6, 3, 9), Um(2025, 6, 5, 9), 2);
        Weiter();
        ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
        Weiter();
        aendern(*b);
        Weiter();
        EXPECT_EQ(a->Anwenden(true), meldung) << name; // without a tick: the hook sees the file
        EXPECT_EQ(Platte("Huber", {tag3, tag4, tag5}), platte) << name;
        EXPECT_FALSE(a->verlauf.KannRueckgaengig()) << name; // no further back than the last step
    }
}

// The drag's own save merged another writer's changes to other days and to the other half of a
// dragged day; later that writer changes more. Undo and redo touch only what the drag changed.
TEST_F(VerlaufTest, SchrittUeberEinenAbgleichMitFremdenAenderungenAnderTage) {
    auto a = Anfang();
    auto b = Starten();
    Weiter();
    b->Ziehen("Meier", tag3, Um(2025, 6, 3, 21), 4);
    b->Ziehen("Huber", Um(2025, 6, 5, 21), Um(2025, 6, 5, 21), 8);
    Weiter();
    a->Ziehen("Huber", Um(2025, 6, 4, 9), Um(2025, 6, 5, 9), 2); // merges B's days
    EXPECT_EQ(Platte("Huber", {tag4, tag5}) + Platte("Meier", {tag3}), "2/2 2/8 4/4 ");
    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    b->Ziehen("Meier", tag4, Um(2025, 6, 4, 21), 6);
    Weiter();
    ASSERT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(a->Anwenden(true), "");
    EXPECT_EQ(Platte("Huber", {tag4, tag5}) + Platte("Meier", {tag3, tag4}), "0/0 0/8 4/4 6/6 ");
    b->Ziehen("Huber", tag4, tag4, 9); // after the undo: the redo leaves that day alone
    Weiter();
    EXPECT_EQ(
        a->Anwenden(false),
        "Diese Tage hat inzwischen ein anderer Benutzer geändert; sie wurden nicht wiederhergestellt:\n\n"
        "Huber, Anna: 04.06.2025");
    EXPECT_EQ(Platte("Huber", {tag4, tag5}), "9/0 2/8 ");
}

} // namespace
