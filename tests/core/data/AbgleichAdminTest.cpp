// kalvora-admin anlegen and markieren as real processes on a temporary database.
#include <gtest/gtest.h>

#include <thread>

#include "AdminProzess.h"
#include "TestHilfen.h"
#include "data/StempelSperre.h"
#include "data/UrlaubDoc.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

class AdminAbgleich : public ::testing::Test {
protected:
    TempOrdner t;
    std::string datei = t / "Ressource.dat", stempel = t / "Ressource.d";

    void SetUp() override {
        KALVORA_ADMIN_NOETIG();
        DateiSchreibenTest(datei, "");
    }
    AdminErgebnis Aufruf(std::vector<std::string> args) {
        args.insert(args.begin() + 1, datei);
        return AdminAufrufen(args, t.pfad());
    }
    RessourcenListe Plan() {
        RessourcenListe liste;
        EXPECT_FALSE(DatenbankLaden(datei, liste).has_value());
        return liste;
    }
};

TEST_F(AdminAbgleich, AnlegenUndMarkierenWieImProgramm) {
    auto e = Aufruf({"anlegen", "--b1", "Müller", "--b2", "Jürgen", "--gruppe", "Büro", "--nr", "4711"});
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(e.out, "Ressource angelegt: Müller, Jürgen (Nr. 4711)\n");
    EXPECT_EQ(DateiInhalt(stempel), "0 1") << "prepared as \"0 0\", then one save";
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Euro€", "--b2", "x"}).rc, 0); // "€" is 0x80 in Windows-1252

    const auto markieren = [&](const std::string& von, const std::string& bis, const std::string& art,
                               std::vector<std::string> mehr = {}) {
        std::vector<std::string> a{"markieren", "--b1", "Müller", "--b2",  "Jürgen", "--nr", "4711",
                                   "--von",     von,    "--bis",  bis,     "--art",  art};
        a.insert(a.end(), mehr.begin(), mehr.end());
        return Aufruf(a);
    };
    // Across the clock change of 30 March 2025, from the second half of the 28th to the first of 1 April.
    e = markieren("2025-03-28:2", "2025-04-01:1", "3", {"--notiz", "Kur in Bad Tölz"});
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(e.out, "8 Halbtage markiert: Müller, Jürgen (Nr. 4711)\n");
    // Defaults: --von 6 May is its first half, --bis 5 May its second: back over two halves.
    ASSERT_EQ(markieren("2025-05-06", "2025-05-05", "16").rc, 0);
    ASSERT_EQ(markieren("2025-03-30:2", "2025-03-30:2", "0").rc, 0); // clears one half, keeps the note
    EXPECT_EQ(DateiInhalt(stempel), "0 6");

    const auto plan = Plan();
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0]->m_strBenennung1, "Abel");
    EXPECT_EQ(plan[1]->m_strBenennung1, "Euro\x80");
    const CRessource& r = *plan[2];
    EXPECT_EQ(r.m_strBenennung1 + r.m_strBenennung2 + r.m_strGruppe + r.m_strIdentNr, "M\xFCllerJ\xFCrgenB\xFCro4711");
    EXPECT_FALSE(r.m_bGeloescht);
    EXPECT_GT(r.m_timeGeaendert.GetTime(), 1700000000) << "change time is now";
    std::string tage; // both halves of each day, "-" when there is no entry
    for (const auto& [m, d] : {std::pair{3, 28}, {3, 29}, {3, 30}, {4, 1}, {5, 5}, {5, 6}}) {
        const CTagEintrag* x = r.FindeTag(CTime(2025, m, d, 12, 0, 0));
        tage += x ? std::to_string(x->m_nArtVormittag) + "/" + std::to_string(x->m_nArtNachmittag) + " " : "- ";
    }
    EXPECT_EQ(tage, "0/3 3/3 3/0 3/0 0/16 16/0 ");
    EXPECT_EQ(r.FindeTag(CTime(2025, 3, 30, 12, 0, 0))->m_strNotiz, "Kur in Bad T\xF6lz");
    EXPECT_EQ(r.AnzahlEintraege(), 7u);
}

TEST_F(AdminAbgleich, VerweigertMitMeldungUndAendertKeineDatei) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Alt", "--b2", "Hans"}).rc, 0);
    RessourcenListe plan = Plan(); // deleted resources count as missing
    plan[0]->m_bGeloescht = true;
    DateiSchreibenTest(datei, DatenbankSchreiben(plan));
    const std::string db = DateiInhalt(datei), st = DateiInhalt(stempel);
    const auto markieren = [](const std::string& b1, const std::string& von, const std::string& art,
                              const std::string& notiz = "x") {
        return std::vector<std::string>{"markieren", "--b1",       b1,      "--b2",  "Hans",  "--von", von,
                                        "--bis",     "2025-01-01", "--art", art,     "--notiz", notiz};
    };
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"anlegen", "--b1", "Huber", "--b2", "Hans", "--gruppe", "X"}, "Ressource existiert bereits!"},
        {{"anlegen", "--b1", "Abel"}, "--b2 fehlt"},
        {{"anlegen", "--b1", "Abel", "--b2", "A", "--farbe", "rot"}, "--farbe"},
        {{"anlegen", "--b1", "Abel", "--b2", "A", "--b1", "B"}, "doppelt"},
        {markieren("Niemand", "2025-01-01", "1"), "existiert nicht"},
        {markieren("Alt", "2025-01-01", "1"), "existiert nicht"},
        {markieren("Huber", "2025-01-01", "17"), "--art"},
        {markieren("Huber", "2025-02-29", "1"), "--von"},
        {{"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--art", "1"}, "--bis fehlt"},
        {markieren("Huber", "2025-01-01", "1", std::string(201, 'x')), "200 Zeichen"},
        {markieren("Huber", "2025-01-01", "1", "Ω"), "--notiz"},
    };
    for (const auto& [args, meldung] : faelle) {
        const auto e = Aufruf(args);
        EXPECT_EQ(e.rc, 1) << meldung;
        EXPECT_NE(e.err.find(meldung), std::string::npos) << e.err;
        EXPECT_EQ(DateiInhalt(datei), db) << meldung;
        EXPECT_EQ(DateiInhalt(stempel), st) << meldung;
    }
    EXPECT_EQ(Aufruf(markieren("Huber", "2025-01-01", "1", std::string(200, 'x'))).rc, 0);
    const auto e = AdminAufrufen({"anlegen", (t / "fehlt.dat"), "--b1", "A", "--b2", "B"}, t.pfad());
    EXPECT_EQ(e.rc, 1);
    EXPECT_NE(e.err.find("gibt es nicht"), std::string::npos) << e.err;
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt.d"));
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt.dat"));
}

TEST_F(AdminAbgleich, WartetAufEineGehalteneSperreUndZaehltDannWeiter) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    DateiSchreibenTest(stempel, "1 5"); // another instance is saving
    std::thread anderer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        SperreFreigeben(stempel, 6);
    });
    const auto start = std::chrono::steady_clock::now();
    const auto e = Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--bis",
                           "2025-01-01", "--art", "2"});
    const auto dauer = std::chrono::steady_clock::now() - start;
    anderer.join();
    EXPECT_EQ(e.rc, 0) << e.err;
    EXPECT_GE(dauer, std::chrono::milliseconds(700));
    EXPECT_LT(dauer, std::chrono::seconds(5));
    EXPECT_EQ(DateiInhalt(stempel), "0 7");
    EXPECT_EQ(Plan()[0]->AnzahlEintraege(), 1u);
}

TEST_F(AdminAbgleich, OptimierenNimmtDieSperreUeberDieStempelfunktionen) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    DateiSchreibenTest(stempel, "1 5");
    auto e = Aufruf({"optimieren"});
    EXPECT_EQ(e.rc, 2);
    EXPECT_NE(e.err.find("gesperrt"), std::string::npos) << e.err;
    DateiSchreibenTest(stempel, "kaputt");
    EXPECT_EQ(Aufruf({"optimieren"}).rc, 2);
    DateiSchreibenTest(stempel, "0 5");
    e = Aufruf({"optimieren"});
    EXPECT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(DateiInhalt(stempel), "0 5") << "released with the counter unchanged";
}

} // namespace
