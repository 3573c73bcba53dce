// The sharing protocol between instances: documents with their own sync state on one temporary
// folder, driven tick by tick.
#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "TestHilfen.h"
#include "data/Abgleich.h"
#include "data/StempelSperre.h"
#include "view/Markierung.h"

using namespace kalvora;
using namespace kalvora::test;
using namespace std::chrono;

namespace {

CTime Um(int j, int m, int t, int h) {
    return CTime(j, m, t, h, 0, 0);
}

class AnzeigeRekorder : public AbgleichAnzeige {
public:
    int m_nAufbauten = 0;
    std::vector<std::string> m_titel;
    void AnzeigeAufbauen() override { ++m_nAufbauten; }
    void SetzeTitel(const std::string& titel) override { m_titel.push_back(titel); }
};

// One program instance: document, frame flag, view and its sync state.
struct Instanz {
    MeldungsRekorder meldungen;
    CUrlaubDoc doc{meldungen};
    bool bAbgleichOffen = false;
    AnzeigeRekorder anzeige;
    std::string strDatei;
    Abgleich abgleich;

    Instanz(const std::string& datei, const std::string& stempel)
        : strDatei(datei), abgleich(doc, strDatei, stempel, bAbgleichOffen, anzeige) {}

    CRessource* Finde(const std::string& b1) {
        for (auto& r : doc.m_pRessourcen)
            if (r->m_strBenennung1 == b1) return r.get();
        return nullptr;
    }
    // A drag over one whole day and the sync that follows it.
    AbgleichStand Markiere(const std::string& b1, int m, int t, int art) {
        MarkierungUebernehmen(nullptr, Finde(b1), Um(2025, m, t, 9), Um(2025, m, t, 21), art, Jetzt());
        return abgleich.Abgleichen(false);
    }
    void Takte(int n) {
        for (int i = 0; i < n; ++i)
            abgleich.Takt();
    }
};

class AbgleichTest : public ::testing::Test {
protected:
    TempOrdner t;
    std::string datei = t / "Ressource.dat";
    std::string stempel = t / "Ressource.d";
    UhrFixiert uhr{Um(2025, 6, 2, 12)};

    void Stempel(const std::string& inhalt) { DateiSchreibenTest(stempel, inhalt); }
    std::string Stempel() const { return DateiInhalt(stempel); }
    void DatenbankMit(std::initializer_list<std::string> namen) {
        RessourcenListe liste;
        for (const auto& n : namen)
            Neu(liste, n).m_timeGeaendert = CTime(1000);
        DateiSchreibenTest(datei, DatenbankSchreiben(liste));
    }
    RessourcenListe AufPlatte() {
        RessourcenListe liste;
        EXPECT_FALSE(DatenbankLaden(datei, liste).has_value());
        return liste;
    }
    std::optional<CTagEintrag> TagAufPlatte(int m, int d) {
        const auto liste = AufPlatte();
        const CTagEintrag* e = liste[0]->FindeTag(Um(2025, m, d, 0));
        return e ? std::optional(*e) : std::nullopt;
    }
    std::unique_ptr<Instanz> Starten() {
        auto i = std::make_unique<Instanz>(datei, stempel);
        EXPECT_TRUE(i->abgleich.ErstesLaden());
        return i;
    }
    void Weiter(int sekunden = 10) { uhr.uhr().Vorstellen(sekunden); }
};

TEST_F(AbgleichTest, VorbereitungMachtAusFremderSperrzahlNullNull) {
    DatenbankMit({});
    const std::pair<const char*, const char*> faelle[] = {
        {"", "0 0"}, {"abc", "0 0"}, {"2 5", "0 0"}, {"-1 9", "0 0"}, {"1 7", "1 7"}, {"0 41\n", "0 41\n"}};
    for (const auto& [vorher, nachher] : faelle) {
        Stempel(vorher);
        Instanz i(datei, stempel);
        EXPECT_EQ(Stempel(), nachher) << '"' << vorher << '"';
        EXPECT_EQ(i.abgleich.m_nLokalZaehler, std::stoi(std::string(nachher).substr(2))) << vorher;
    }
    std::filesystem::remove(stempel);
    Instanz fehlt(datei, stempel);
    EXPECT_EQ(Stempel(), "0 0");
}

TEST_F(AbgleichTest, ErstesLadenBehaeltDieDateireihenfolgeUndZaehltNicht) {
    DatenbankMit({"Zeta", "Alpha"});
    Stempel("0 3");
    auto a = Starten();
    EXPECT_EQ(a->doc.m_pRessourcen[0]->m_strBenennung1, "Zeta");
    EXPECT_TRUE(a->doc.m_pGeladen.empty());
    EXPECT_EQ(a->anzeige.m_nAufbauten, 1);
    EXPECT_EQ(Stempel(), "0 3");
}

TEST_F(AbgleichTest, ZaehlerVon41Auf42UndDieAndereInstanzUebernimmt) {
    DatenbankMit({"Huber", "Meier"});
    Stempel("0 41");
    auto a = Starten();
    auto b = Starten();
    ASSERT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 42");
    EXPECT_FALSE(a->bAbgleichOffen);
    EXPECT_EQ(a->anzeige.m_nAufbauten, 2);

    Weiter();
    EXPECT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(b->abgleich.m_nLokalZaehler, 42);
    EXPECT_EQ(Stempel(), "0 42") << "a reload does not count";
    EXPECT_EQ(b->Finde("Huber")->FindeTag(Um(2025, 7, 1, 0))->m_nArtNachmittag, 4);
    EXPECT_EQ(b->anzeige.m_nAufbauten, 2);
    // The reload saves too: the day's change time is now that of B's merge.
    EXPECT_EQ(TagAufPlatte(7, 1)->m_timeGeaendert, Jetzt());
    Weiter();
    EXPECT_EQ(b->abgleich.Takt(), std::nullopt) << "nothing new: no sync";
    EXPECT_EQ(a->abgleich.Takt(), std::nullopt);
}

TEST_F(AbgleichTest, ZaehlerSpringtNach100000UndAusNullUndNegativAufEins) {
    DatenbankMit({"A"});
    const std::pair<const char*, const char*> faelle[] = {{"0 100000", "0 1"}, {"0 0", "0 1"},
                                                          {"0 -7", "0 1"},     {"0 99999", "0 100000"},
                                                          {"0 150000", "0 1"}, {"0 2147483647", "0 1"}};
    for (const auto& [vorher, nachher] : faelle) {
        Stempel(vorher);
        auto a = Starten();
        EXPECT_EQ(a->Markiere("A", 1, 6, 1), AbgleichStand::Fertig);
        EXPECT_EQ(Stempel(), nachher) << vorher;
    }
}

TEST_F(AbgleichTest, LoeschungGewinntUeberDieAeltereKopie) {
    DatenbankMit({"Huber", "Meier"});
    Stempel("0 10");
    auto a = Starten();
    auto b = Starten();
    Weiter();
    a->Finde("Huber")->m_bGeloescht = true;
    a->Finde("Huber")->m_timeGeaendert = Jetzt();
    ASSERT_EQ(a->abgleich.Abgleichen(false), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_TRUE(b->Finde("Huber")->m_bGeloescht);
    // B's own older copy does not bring it back when B saves; the mark stays in the file.
    b->Finde("Huber")->m_bGeloescht = false;
    b->Finde("Huber")->m_timeGeaendert = CTime(1000);
    ASSERT_EQ(b->Markiere("Meier", 8, 1, 2), AbgleichStand::Fertig);
    const auto platte = AufPlatte();
    ASSERT_EQ(platte.size(), 2u);
    EXPECT_TRUE(platte[0]->m_bGeloescht);
}

TEST_F(AbgleichTest, LeerenGewinntUeberDieAeltereMarkierung) {
    DatenbankMit({"Huber"});
    Stempel("0 1");
    auto a = Starten();
    auto b = Starten();
    ASSERT_EQ(a->Markiere("Huber", 9, 1, 6), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(b->abgleich.Takt(), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(b->Markiere("Huber", 9, 1, 0), AbgleichStand::Fertig);
    Weiter();
    ASSERT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    const CTagEintrag* e = a->Finde("Huber")->FindeTag(Um(2025, 9, 1, 0));
    ASSERT_NE(e, nullptr) << "a cleared day stays as an entry";
    EXPECT_TRUE(e->IstGeloescht());
    EXPECT_TRUE(TagAufPlatte(9, 1)->IstGeloescht());
}

// ---- stopping early: the sync stays pending

TEST_F(AbgleichTest, BelegterStempelLaesstDenAbgleichOffenUndDerTaktSpeichertNach) {
    DatenbankMit({"Huber"});
    Stempel("0 9");
    auto a = Starten();
    Stempel("1 9"); // another instance is saving
    EXPECT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::StempelBelegt);
    EXPECT_TRUE(a->bAbgleichOffen);
    EXPECT_EQ(Stempel(), "1 9");
    EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 0u);
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt);
    Stempel("0 10");
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig) << "a pending sync is retried as a save";
    EXPECT_FALSE(a->bAbgleichOffen);
    EXPECT_EQ(Stempel(), "0 11");
    EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 1u);
}

TEST_F(AbgleichTest, VerwaisteSperre17WirdImSiebtenTaktMitDemEigenenZaehlerGebrochen) {
    DatenbankMit({"Huber"});
    Stempel("0 5");
    auto b = Starten();
    Stempel("1 5");
    b->Takte(5);
    Stempel("0 5");
    b->Takte(1);
    EXPECT_EQ(b->abgleich.m_nWarteTakte, 0) << "a free tick resets the wait";
    Stempel("1 7"); // left by an instance that ended during its sync
    for (int takt = 1; takt <= 6; ++takt) {
        EXPECT_EQ(b->abgleich.Takt(), std::nullopt);
        EXPECT_EQ(Stempel(), "1 7") << "tick " << takt;
    }
    EXPECT_EQ(b->abgleich.Takt(), std::nullopt);
    EXPECT_EQ(Stempel(), "0 5") << "broken with the breaker's counter, not the stamp's";
    EXPECT_EQ(b->abgleich.m_nWarteTakte, 0);
}

TEST_F(AbgleichTest, UnlesbarerOderFehlenderStempelGiltAlsGesperrt) {
    const std::optional<std::string> faelle[] = {"", "x y", "1", "0 ", std::nullopt};
    for (const auto& inhalt : faelle) {
        DatenbankMit({"Huber"});
        Stempel("0 20");
        auto a = Starten();
        if (inhalt)
            Stempel(*inhalt);
        else
            std::filesystem::remove(stempel);
        const auto stand = [&] { return std::filesystem::exists(stempel) ? Stempel() : "(fehlt)"; };
        const std::string name = stand();
        EXPECT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::StempelBelegt) << name;
        a->Takte(6);
        EXPECT_EQ(stand(), name) << "untouched for six ticks";
        EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 0u) << name;
        // The seventh tick rewrites it with the own counter; the pending save then goes through.
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig) << name;
        EXPECT_EQ(Stempel(), "0 21") << name;
        EXPECT_EQ(AufPlatte()[0]->AnzahlEintraege(), 1u) << name;
    }
}

TEST_F(AbgleichTest, DatenbankNichtLesbarHaeltDieSperreUndDenAbgleichOffen) {
    DatenbankMit({"Huber"});
    Stempel("0 30");
    auto a = Starten();
    auto b = Starten();
    const std::string kaputt("\x05\x00\x00\x00\x01", 5);
    DateiSchreibenTest(datei, kaputt);
    EXPECT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::LadenFehlgeschlagen);
    EXPECT_EQ(a->meldungen.m_gezeigt.size(), 1u);
    EXPECT_EQ(Stempel(), "1 30") << "the lock stays taken";
    EXPECT_TRUE(a->bAbgleichOffen);
    EXPECT_EQ(DateiInhalt(datei), kaputt);
    // Every instance, this one included, waits for the stale-lock rule.
    for (int takt = 1; takt <= 6; ++takt) {
        EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::StempelBelegt);
        EXPECT_EQ(b->abgleich.Takt(), std::nullopt);
    }
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::LadenFehlgeschlagen) << "seventh tick: broken, tried again";
    EXPECT_EQ(a->meldungen.m_gezeigt.size(), 2u);
    DatenbankMit({"Huber"}); // repaired
    EXPECT_EQ(a->abgleich.Takt(), AbgleichStand::Fertig);
    EXPECT_EQ(Stempel(), "0 31");
    EXPECT_EQ(TagAufPlatte(7, 1)->m_nArtVormittag, 4);
}

TEST_F(AbgleichTest, SpeicherfehlerMeldetUndSchliesstDenAbgleichTrotzdemAb) {
    DatenbankMit({"Huber"});
    Stempel("0 4");
    auto a = Starten();
    // A reader elsewhere holds its shared lock: loading works, the exclusive save times out.
    const int fd = ::open(datei.c_str(), O_RDONLY);
    struct flock fl {};
    fl.l_type = F_RDLCK;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &fl), 0);
    EXPECT_EQ(a->Markiere("Huber", 7, 1, 4), AbgleichStand::NichtGespeichert);
    ::close(fd);
    ASSERT_EQ(a->meldungen.m_gezeigt.size(), 1u);
    EXPECT_NE(a->meldungen.m_gezeigt[0].text.find("kann nicht gespeichert werden"), std::string::npos);
    EXPECT_EQ(Stempel(), "0 5") << "released with the new counter";
    EXPECT_FALSE(a->bAbgleichOffen);
}

TEST_F(AbgleichTest, DiagnoseSchreibtZaehlerUndTaktInDenTitel) {
    DatenbankMit({"Huber"});
    Stempel("0 5");
    auto a = Starten();
    a->abgleich.Takt();
    a->Markiere("Huber", 7, 1, 4);
    EXPECT_TRUE(a->anzeige.m_titel.empty()) << "off by default";

    const std::string timer = "******************** TIMER ********************";
    a->abgleich.m_bDiagnose = true;
    const auto titel = [&] { return std::exchange(a->anzeige.m_titel, {}); };
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

TEST(StempelSperre, ZweiGleichzeitigeNehmerSiegenNieBeide) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    DateiSchreibenTest(stempel, "0 0");
    std::atomic<int> halter{0}, doppelt{0}, gewonnen{0};
    std::vector<std::thread> faeden;
    const auto ende = steady_clock::now() + milliseconds(400);
    for (int f = 0; f < 6; ++f)
        faeden.emplace_back([&] {
            while (steady_clock::now() < ende) {
                const SperrErgebnis e = SperreNehmen(stempel);
                if (e.stand != SperrStand::Genommen) continue;
                if (++halter > 1) ++doppelt;
                ++gewonnen;
                std::this_thread::yield();
                --halter;
                SperreFreigeben(stempel, e.stempel.zaehler + 1);
            }
        });
    for (auto& f : faeden)
        f.join();
    EXPECT_EQ(doppelt, 0);
    EXPECT_GT(gewonnen, 0);
    EXPECT_EQ(DateiInhalt(stempel), "0 " + std::to_string(gewonnen.load())) << "no lost counter step";
}

// Another instance holding the OS write lock on the stamp writes `inhalt` after `ms`, then lets go.
std::thread AndereSchreibtUnterSperre(const std::string& stempel, std::string inhalt, int ms) {
    const int fd = ::open(stempel.c_str(), O_RDWR);
    struct flock fl {};
    fl.l_type = F_WRLCK;
    EXPECT_EQ(::fcntl(fd, F_OFD_SETLK, &fl), 0);
    return std::thread([=] {
        std::this_thread::sleep_for(milliseconds(ms));
        DateiSchreibenTest(stempel, inhalt);
        ::close(fd);
    });
}

TEST(StempelSperre, NehmenUndVorbereitenWartenAufDieOsSperre) {
    TempOrdner t;
    const std::string stempel = t / "R.d";
    DateiSchreibenTest(stempel, "0 4");
    // The other is between its read and its write: "0 4" is about to become "1 4".
    auto schreiber = AndereSchreibtUnterSperre(stempel, "1 4", 150);
    const auto start = steady_clock::now();
    EXPECT_EQ(SperreNehmen(stempel).stand, SperrStand::Belegt) << "both would have written 1 without it";
    EXPECT_GE(steady_clock::now() - start, milliseconds(100));
    schreiber.join();
    // Preparation must not reset an emptied stamp the other is about to fill.
    DateiSchreibenTest(stempel, "");
    schreiber = AndereSchreibtUnterSperre(stempel, "1 12", 100);
    EXPECT_EQ(StempelVorbereiten(stempel), 12);
    schreiber.join();
    EXPECT_EQ(DateiInhalt(stempel), "1 12");
    schreiber = AndereSchreibtUnterSperre(stempel, "0 13", 100);
    EXPECT_EQ(StempelGeschuetztLesen(stempel)->zaehler, 13) << "a reader waits for the writer";
    schreiber.join();
}

TEST(StempelSperre, WartenGibtNachDerFristAuf) {
    TempOrdner t;
    const std::string datei = t / "R.dat", stempel = t / "R.d";
    DateiSchreibenTest(datei, std::string(4, '\0'));
    DateiSchreibenTest(stempel, "1 3");
    Instanz i(datei, stempel);
    ASSERT_TRUE(i.abgleich.ErstesLaden());
    const auto start = steady_clock::now();
    EXPECT_EQ(AbgleichenMitWarten(i.abgleich, milliseconds(20), milliseconds(150)), AbgleichStand::StempelBelegt);
    EXPECT_GE(steady_clock::now() - start, milliseconds(120));
    EXPECT_TRUE(i.bAbgleichOffen);
}

} // namespace
