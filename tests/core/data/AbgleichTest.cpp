// The sharing protocol: instances with their own sync state on one folder, driven tick by tick.
#include <thread>
#include <unistd.h>
#include <utility>

#include "TestHilfen.h"
#include "data/StempelSperre.h"

using namespace kalvora;
using namespace kalvora::test;
using namespace std::chrono;

namespace {

using AbgleichTest = GeteilteDatenbank;

TEST_F(AbgleichTest, VorbereitungMachtAusFremderSperrzahlNullNullZaehlerSpringtAufEins) {
    DatenbankMit({"A"});
    const std::pair<std::optional<std::string>, std::string> faelle[] = {
        {"", "0 0"},     {"abc", "0 0"}, {"2 5", "0 0"},          {"-1 9", "0 0"},
        {"1 7", "1 7"}, {"0 41\n", "0 41\n"}, {std::nullopt, "0 0"}}; // nullopt: no stamp file
    for (const auto& [vorher, nachher] : faelle) {
        if (vorher) Stempel(*vorher);
        else std::filesystem::remove(stempel);
        Instanz i(datei, stempel);
        EXPECT_EQ(std::tuple(Stempel(), i.abgleich.m_nLokalZaehler), std::tuple(nachher, std::stoi(nachher.substr(2))))
            << '"' << vorher.value_or("(fehlt)") << '"';
    }
    // A save counts on, wrapping past 100000 and from zero or below to one.
    const std::pair<const char*, const char*> spruenge[] = {{"0 100000", "0 1"}, {"0 0", "0 1"},
                                                            {"0 -7", "0 1"},     {"0 99999", "0 100000"},
                                                            {"0 150000", "0 1"}, {"0 2147483647", "0 1"}};
    for (const auto& [vorher, nachher] : spruenge) {
        Stempel(vorher);
        EXPECT_EQ(Starten()->Markiere("A", 1, 6, 1), AbgleichStand::Fertig);
        EXPECT_EQ(Stempel(), nachher) << vorher;
    }
}

TEST_F(AbgleichTest, ZaehlerVon41Auf42UndDieAndereInstanzUebernimmt) {
    auto a = Anfang({"Meier", "Huber"}, "0 41");
    auto b = Starten(); // the first load keeps the file order and does not count
    EXPECT_EQ(a->doc.m_pRessourcen[0]->m_strBenennung1 + " " + Stempel(), "Meier 0 41");
    ASSERT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::Fertig);
    EXPECT_EQ(std::tuple(Stempel(), a->m_nAufbauten), std::tuple("0 42", 2));
    Weiter();
    EXPECT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig); // a reload does not count
    EXPECT_EQ(std::tuple(Stempel(), Haelften(*b->Finde("Huber"), {Um(2025, 7, 1)}), b->m_nAufbauten),
              std::tuple("0 42", "4/4 ", 2));
    // The reload saves too: the day's change time is now that of B's merge.
    EXPECT_EQ(AufPlatte(datei)[1]->FindeTag(Um(2025, 7, 1))->m_timeGeaendert, Jetzt());
    Weiter(); // nothing new: no sync
    EXPECT_FALSE(b->abgleich.Takt() || a->abgleich.Takt());
}

TEST_F(AbgleichTest, LoeschungUndLeerenGewinnenUeberAeltereKopien) {
    auto a = Anfang({"Huber", "Meier"}, "0 10");
    auto b = Starten();
    Weiter();
    a->Finde("Huber")->m_bGeloescht = true;
    a->Finde("Huber")->m_timeGeaendert = Jetzt();
    ASSERT_EQ(a->Markiere("Meier", 9, 1, 6), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    ASSERT_TRUE(b->Finde("Huber")->m_bGeloescht);
    // B's own older copy does not bring the resource back when B saves; B's clear beats A's older mark.
    b->Finde("Huber")->m_bGeloescht = false;
    b->Finde("Huber")->m_timeGeaendert = CTime(1000);
    Weiter();
    ASSERT_EQ(b->Markiere("Meier", 9, 1, 0), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    const auto platte = AufPlatte(datei); // a cleared day stays as an entry
    EXPECT_EQ(Haelften(*a->Finde("Meier"), {Um(2025, 9, 1)}) + Haelften(*platte[1], {Um(2025, 9, 1)}), "0/0 0/0 ");
    EXPECT_TRUE(platte[0]->m_bGeloescht);
}

// ---- stopping early: the sync stays pending

// A lock held while another saves; then one left by an instance that ended mid-sync, or an unreadable stamp.
TEST_F(AbgleichTest, BelegteSperreWartetVerwaisteWirdImSiebtenTaktMitDemEigenenZaehlerGebrochen) {
    const std::optional<std::string> faelle[] = {"1 7", "", "x y", "1", "0 ", std::nullopt};
    for (const auto& inhalt : faelle) {
        const std::string name = inhalt.value_or("(fehlt)");
        auto a = Anfang({"Huber"}, "1 20");
        ASSERT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::StempelBelegt);
        for (int takt = 1; takt <= 3; ++takt) EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt);
        EXPECT_EQ(std::tuple(a->bAbgleichOffen, AufPlatte(datei)[0]->AnzahlEintraege()), std::tuple(true, 0u));
        Stempel("0 21"); // the other one is done: the pending sync is retried as a save
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
        EXPECT_EQ(std::tuple(a->bAbgleichOffen, Stempel()), std::tuple(false, "0 22"));
        EXPECT_EQ(a->abgleich.Takt(), std::nullopt);
        EXPECT_EQ(a->abgleich.m_nWarteTakte, 0) << "a tick reading the stamp free resets the wait";

        if (inhalt) Stempel(*inhalt);
        else std::filesystem::remove(stempel);
        EXPECT_EQ(a->Markiere("Huber", 7, 2, 4), AbgleichStand::StempelBelegt) << name;
        for (int takt = 1; takt <= 6; ++takt) {
            EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt) << name << " tick " << takt;
            EXPECT_EQ(std::filesystem::exists(stempel) ? Stempel() : "(fehlt)", name) << "tick " << takt;
        }
        // The seventh tick rewrites it with the own counter 22, not the stamp's; the pending save follows.
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig) << name;
        EXPECT_EQ(std::tuple(Stempel(), AufPlatte(datei)[0]->AnzahlEintraege()), std::tuple("0 23", 2u)) << name;
    }
}

TEST_F(AbgleichTest, DatenbankNichtLesbarHaeltDieSperreUndDenAbgleichOffen) {
    auto a = Anfang({"Huber"}, "0 30");
    const std::string kaputt("\x05\x00\x00\x00\x01", 5);
    DateiSchreibenTest(datei, kaputt);
    EXPECT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::LadenFehlgeschlagen); // the lock stays taken
    EXPECT_EQ(std::tuple(a->meldungen.m_gezeigt.size(), Stempel(), a->bAbgleichOffen, DateiInhalt(datei)),
              std::tuple(1u, "1 30", true, kaputt));
    for (int takt = 1; takt <= 6; ++takt) // this instance too waits for the stale-lock rule
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt) << takt;
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::LadenFehlgeschlagen) << "seventh tick: broken, tried again";
    EXPECT_EQ(a->meldungen.m_gezeigt.size(), 2u);
    DatenbankMit({"Huber"}); // repaired
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel() + " " + Haelften(*AufPlatte(datei)[0], {Um(2025, 7, 1)}), "0 31 4/4 ");
}

TEST_F(AbgleichTest, SpeicherfehlerLaesstDateiUndZaehlerUndHaeltDieAenderungOffen) {
    auto a = Anfang({"Huber"}, "0 4");
    const std::string vorher = DateiInhalt(datei);
    // A reader elsewhere holds its shared lock: loading works, the exclusive save times out.
    const int fd = ::open(datei.c_str(), O_RDWR);
    ASSERT_TRUE(FremdeSperre(fd, F_RDLCK));
    EXPECT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::NichtGespeichert);
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::NichtGespeichert) << "the next tick tries again";
    ::close(fd);
    ASSERT_EQ(a->meldungen.m_gezeigt.size(), 1u) << "told once, not at every tick";
    EXPECT_NE(a->meldungen.m_gezeigt[0].text.find("kann nicht gespeichert werden"), std::string::npos);
    EXPECT_EQ(std::tuple(Stempel(), a->bAbgleichOffen, a->abgleich.m_bNichtGespeichert, DateiInhalt(datei),
                         Haelften(*a->Finde("Huber"), {Um(2025, 7, 1)})),
              std::tuple("0 4", true, true, vorher, "4/4 "));
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(std::tuple(Stempel(), a->bAbgleichOffen, a->abgleich.m_bNichtGespeichert,
                         Haelften(*AufPlatte(datei)[0], {Um(2025, 7, 1)})),
              std::tuple("0 5", false, false, "4/4 "));
}

// Two instances mark the two halves of one day between their syncs; neither half is lost, and a
// day only one of them touched takes the other's state even when its clock is behind.
TEST_F(AbgleichTest, HalbtageBeiderSeitenBleibenErhalten) {
    auto a = Anfang({"Huber"}, "0 1");
    auto b = Starten();
    const auto ziehen = [&](Instanz& i, int von, int bis, int art) { // hours of 1 July, no sync
        MarkierungUebernehmen(nullptr, i.Finde("Huber"), Um(2025, 7, 1, von), Um(2025, 7, 1, bis), art, Jetzt(), &i.doc.m_basis);
    };
    ziehen(*a, 9, 9, 3);
    Weiter();
    ziehen(*b, 21, 21, 5);
    ASSERT_EQ(b->abgleich.Abgleichen(false), AbgleichStand::Fertig);
    ASSERT_EQ(a->abgleich.Abgleichen(false), AbgleichStand::Fertig); // A's change is the older one
    EXPECT_EQ(Haelften(*AufPlatte(datei)[0], {Um(2025, 7, 1)}), "3/5 ");
    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    uhr.uhr().Vorstellen(-3600); // B's clock an hour behind: its clear still reaches A
    ziehen(*b, 9, 21, 0);
    ASSERT_EQ(b->abgleich.Abgleichen(false), AbgleichStand::Fertig);
    ASSERT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(Haelften(*a->Finde("Huber"), {Um(2025, 7, 1)}) + Haelften(*AufPlatte(datei)[0], {Um(2025, 7, 1)}),
              "0/0 0/0 ");
}

TEST_F(AbgleichTest, DiagnoseSchreibtZaehlerUndTaktInDenTitel) {
    auto a = Anfang({"Huber"}, "0 5");
    a->abgleich.Takt();
    a->Markiere("Huber", 7, 1, 4);
    EXPECT_TRUE(a->m_titel.empty()) << "off by default";
    const std::string timer = "******************** TIMER ********************";
    a->abgleich.m_bDiagnose = true;
    const auto titel = [&] { return std::exchange(a->m_titel, {}); };
    a->abgleich.Takt();
    EXPECT_EQ(titel(), (std::vector<std::string>{timer, "Lokal: 6 / HD: 6"}));
    a->Markiere("Huber", 7, 2, 4);
    EXPECT_EQ(titel(), std::vector<std::string>{"Lokal: 7 / HD: 7 Gespeichert!"});
    Stempel("0 12");
    a->abgleich.Takt();
    EXPECT_EQ(titel(), (std::vector<std::string>{timer, "Lokal: 7 / HD: 12", "Lokal: 12 / HD: 12 Gespeichert!"}));
    Stempel("1 12");
    a->abgleich.Takt();
    EXPECT_EQ(titel(), std::vector<std::string>{timer});
}

// ---- the OS lock under the stamp protocol

TEST(StempelSperre, NehmenVorbereitenUndLesenWartenAufDieOsSperre) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    // Another instance holding the OS write lock on the stamp writes `inhalt` after 100 ms, then lets go.
    const auto andere = [&](const std::string& vorher, const std::string& inhalt) {
        DateiSchreibenTest(stempel, vorher);
        const int fd = ::open(stempel.c_str(), O_RDWR);
        EXPECT_TRUE(FremdeSperre(fd, F_WRLCK));
        return std::thread([=] {
            std::this_thread::sleep_for(milliseconds(100));
            DateiSchreibenTest(stempel, inhalt);
            ::close(fd);
        });
    };
    auto s = andere("0 4", "1 4"); // between its read and its write: without the wait both would write 1
    EXPECT_EQ(SperreNehmen(stempel).stand, SperrStand::Belegt);
    s.join();
    s = andere("", "1 12"); // preparation must not reset an emptied stamp the other is about to fill
    EXPECT_EQ(StempelVorbereiten(stempel), 12);
    s.join();
    EXPECT_EQ(DateiInhalt(stempel), "1 12");
    s = andere("1 12", "0 13");
    EXPECT_EQ(StempelGeschuetztLesen(stempel)->zaehler, 13) << "a reader waits for the writer";
    s.join();
}

} // namespace
