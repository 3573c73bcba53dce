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
    std::string datei = t / "Ressource.dat";
    std::string stempel = t / "Ressource.d";

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
    // A refused command changes neither file.
    void NichtsGeaendert(const AdminErgebnis& e, const std::string& dbVorher,
                         const std::string& stempelVorher, const std::string& meldung) {
        EXPECT_EQ(e.rc, 1) << e.err;
        EXPECT_NE(e.err.find(meldung), std::string::npos) << e.err;
        EXPECT_EQ(DateiInhalt(datei), dbVorher);
        EXPECT_EQ(DateiInhalt(stempel), stempelVorher);
    }
};

TEST_F(AdminAbgleich, AnlegenSortiertEinSpeichertWindows1252UndZaehlt) {
    auto e = Aufruf({"anlegen", "--b1", "Müller", "--b2", "Jürgen", "--gruppe", "Büro", "--nr", "4711"});
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(e.out, "Ressource angelegt: Müller, Jürgen (Nr. 4711)\n");
    EXPECT_EQ(DateiInhalt(stempel), "0 1") << "prepared as \"0 0\", then one save";
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Euro€", "--b2", "x"}).rc, 0); // "€" is 0x80 in Windows-1252
    EXPECT_EQ(DateiInhalt(stempel), "0 3");
    const auto plan = Plan();
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0]->m_strBenennung1, "Abel");
    EXPECT_EQ(plan[1]->m_strBenennung1, "Euro\x80");
    const CRessource& m = *plan[2];
    EXPECT_EQ(m.m_strBenennung1 + m.m_strBenennung2 + m.m_strGruppe + m.m_strIdentNr, "M\xFCllerJ\xFCrgenB\xFCro4711");
    EXPECT_FALSE(m.m_bGeloescht);
    EXPECT_GT(m.m_timeGeaendert.GetTime(), 1700000000) << "change time is now";
}

TEST_F(AdminAbgleich, AnlegenVerweigert) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna"}).rc, 0);
    const std::string db = DateiInhalt(datei), st = DateiInhalt(stempel);
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"--b1", "Abel", "--b2", "Anna", "--gruppe", "X"}, "Ressource existiert bereits!"},
        {{"--b1", "Łukasz", "--b2", "Anna"}, "Windows-1252"},
        {{"--b1", "Abel", "--b2", "Anna 🙂"}, "--b2"},
        {{"--b1", "Abel"}, "--b2 fehlt"},
        {{"--b1", "Abel", "--b2", "A", "--farbe", "rot"}, "--farbe"},
        {{"--b1", "Abel", "--b2", "A", "--b1", "B"}, "doppelt"},
    };
    for (const auto& [args, meldung] : faelle) {
        std::vector<std::string> alle{"anlegen"};
        alle.insert(alle.end(), args.begin(), args.end());
        NichtsGeaendert(Aufruf(alle), db, st, meldung);
    }
    const auto e = AdminAufrufen({"anlegen", (t / "fehlt.dat"), "--b1", "A", "--b2", "B"}, t.pfad());
    EXPECT_EQ(e.rc, 1);
    EXPECT_NE(e.err.find("gibt es nicht"), std::string::npos) << e.err;
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt.d"));
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt.dat"));
}

TEST_F(AdminAbgleich, MarkierenWieEinZugMitHaelftenUndNotiz) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans", "--nr", "7"}).rc, 0);
    const auto markieren = [&](const std::string& von, const std::string& bis, const std::string& art,
                               std::vector<std::string> mehr = {}) {
        std::vector<std::string> a{"markieren", "--b1", "Huber", "--b2", "Hans", "--nr", "7",
                                   "--von",     von,    "--bis", bis,    "--art", art};
        a.insert(a.end(), mehr.begin(), mehr.end());
        return Aufruf(a);
    };
    // Across the clock change of 30 March 2025, from the second half of the 28th to the first of 1 April.
    auto e = markieren("2025-03-28:2", "2025-04-01:1", "3", {"--notiz", "Kur in Bad Tölz"});
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(e.out, "8 Halbtage markiert: Huber, Hans (Nr. 7)\n");
    // Defaults: --von 6 May is its first half, --bis 5 May its second: back over two halves.
    ASSERT_EQ(markieren("2025-05-06", "2025-05-05", "16").rc, 0);
    ASSERT_EQ(markieren("2025-03-30:2", "2025-03-30:2", "0").rc, 0); // clears one half, keeps the note
    EXPECT_EQ(DateiInhalt(stempel), "0 4");
    const auto plan = Plan();
    const CRessource& r = *plan[0];
    const struct {
        int m, d, vm, nm;
    } tage[] = {{3, 28, 0, 3}, {3, 29, 3, 3}, {3, 30, 3, 0}, {4, 1, 3, 0}, {5, 5, 0, 16}, {5, 6, 16, 0}};
    for (const auto& tag : tage) {
        const CTagEintrag* x = r.FindeTag(CTime(2025, tag.m, tag.d, 12, 0, 0));
        ASSERT_NE(x, nullptr) << tag.m << '-' << tag.d;
        EXPECT_EQ(x->m_nArtVormittag, tag.vm) << tag.m << '-' << tag.d;
        EXPECT_EQ(x->m_nArtNachmittag, tag.nm) << tag.m << '-' << tag.d;
    }
    EXPECT_EQ(r.FindeTag(CTime(2025, 3, 30, 12, 0, 0))->m_strNotiz, "Kur in Bad T\xF6lz");
    EXPECT_EQ(r.AnzahlEintraege(), 7u);
}

TEST_F(AdminAbgleich, MarkierenVerweigert) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Alt", "--b2", "Hans"}).rc, 0);
    {
        RessourcenListe plan = Plan(); // deleted resources count as missing
        plan[0]->m_bGeloescht = true;
        DateiSchreibenTest(datei, DatenbankSchreiben(plan));
    }
    const std::string db = DateiInhalt(datei), st = DateiInhalt(stempel);
    const auto markieren = [&](const std::string& b1, const std::string& von, const std::string& art,
                               const std::string& notiz = "x") {
        return Aufruf({"markieren", "--b1", b1, "--b2", "Hans", "--von", von, "--bis", "2025-01-01", "--art", art,
                       "--notiz", notiz});
    };
    NichtsGeaendert(markieren("Niemand", "2025-01-01", "1"), db, st, "existiert nicht");
    NichtsGeaendert(markieren("Alt", "2025-01-01", "1"), db, st, "existiert nicht");
    for (const char* art : {"17", "-1", "x", ""})
        NichtsGeaendert(markieren("Huber", "2025-01-01", art), db, st, "--art");
    for (const char* datum : {"2025-02-29", "2025-13-01", "2025-01-01:3", "1970-01-01", "01.01.2025"})
        NichtsGeaendert(markieren("Huber", datum, "1"), db, st, "--von");
    NichtsGeaendert(Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--art", "1"}),
                    db, st, "--bis fehlt");
    NichtsGeaendert(markieren("Huber", "2025-01-01", "1", std::string(201, 'x')), db, st, "200 Zeichen");
    NichtsGeaendert(markieren("Huber", "2025-01-01", "1", "Ω"), db, st, "--notiz");
    EXPECT_EQ(markieren("Huber", "2025-01-01", "1", std::string(200, 'x')).rc, 0);
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
