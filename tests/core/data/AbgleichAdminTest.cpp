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
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Zorn", "--b2", "Zoe"}).rc, 0);
    EXPECT_EQ(DateiInhalt(stempel), "0 3");
    const auto plan = Plan();
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0]->m_strBenennung1, "Abel");
    EXPECT_EQ(plan[1]->m_strBenennung1, "M\xFCller");
    EXPECT_EQ(plan[1]->m_strBenennung2, "J\xFCrgen");
    EXPECT_EQ(plan[1]->m_strGruppe, "B\xFCro");
    EXPECT_EQ(plan[1]->m_strIdentNr, "4711");
    EXPECT_FALSE(plan[1]->m_bGeloescht);
    EXPECT_GT(plan[1]->m_timeGeaendert.GetTime(), 1700000000) << "change time is now";
    EXPECT_EQ(plan[2]->m_strBenennung1, "Zorn");
}

TEST_F(AdminAbgleich, AnlegenVerweigert) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna"}).rc, 0);
    const std::string db = DateiInhalt(datei), st = DateiInhalt(stempel);
    NichtsGeaendert(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna", "--gruppe", "X"}), db, st,
                    "Ressource existiert bereits!");
    NichtsGeaendert(Aufruf({"anlegen", "--b1", "Łukasz", "--b2", "Anna"}), db, st, "Windows-1252");
    NichtsGeaendert(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna 🙂"}), db, st, "--b2");
    NichtsGeaendert(Aufruf({"anlegen", "--b1", "Abel"}), db, st, "--b2 fehlt");
    NichtsGeaendert(Aufruf({"anlegen", "--b1", "Abel", "--b2", "A", "--farbe", "rot"}), db, st, "--farbe");
    NichtsGeaendert(Aufruf({"anlegen", "--b1", "Abel", "--b2", "A", "--b1", "B"}), db, st, "doppelt");
    // "€" is in Windows-1252 (0x80) and is stored.
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Euro€", "--b2", "x"}).rc, 0);
    EXPECT_EQ(Plan()[1]->m_strBenennung1, "Euro\x80");
}

TEST_F(AdminAbgleich, OhneDatenbankWirdNichtsAngelegt) {
    const auto e = AdminAufrufen({"anlegen", (t / "fehlt.dat"), "--b1", "A", "--b2", "B"}, t.pfad());
    EXPECT_EQ(e.rc, 1);
    EXPECT_NE(e.err.find("gibt es nicht"), std::string::npos) << e.err;
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt.d"));
    EXPECT_FALSE(std::filesystem::exists(t / "fehlt.dat"));
}

TEST_F(AdminAbgleich, MarkierenWieEinZugMitHaelftenUndNotiz) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans", "--nr", "7"}).rc, 0);
    // Across the clock change of 30 March 2025, from the second half of the 28th to the first of 1 April.
    auto e = Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--nr", "7", "--von", "2025-03-28:2",
                     "--bis", "2025-04-01:1", "--art", "3", "--notiz", "Kur in Bad Tölz"});
    ASSERT_EQ(e.rc, 0) << e.err;
    EXPECT_EQ(e.out, "8 Halbtage markiert: Huber, Hans (Nr. 7)\n");
    // Defaults: first half for --von, second for --bis; right to left marks the same.
    ASSERT_EQ(Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--nr", "7", "--von", "2025-05-06",
                      "--bis", "2025-05-05", "--art", "16"})
                  .rc,
              0);
    // Clearing one half keeps the other and the note.
    ASSERT_EQ(Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--nr", "7", "--von", "2025-03-30:2",
                      "--bis", "2025-03-30:2", "--art", "0"})
                  .rc,
              0);
    EXPECT_EQ(DateiInhalt(stempel), "0 4");
    const auto plan = Plan();
    const CRessource& r = *plan[0];
    const auto tag = [&](int m, int d) { return r.FindeTag(CTime(2025, m, d, 12, 0, 0)); };
    ASSERT_NE(tag(3, 28), nullptr);
    EXPECT_EQ(tag(3, 28)->m_nArtVormittag, 0);
    EXPECT_EQ(tag(3, 28)->m_nArtNachmittag, 3);
    EXPECT_EQ(tag(3, 28)->m_strNotiz, "Kur in Bad T\xF6lz");
    EXPECT_EQ(tag(3, 30)->m_nArtVormittag, 3);
    EXPECT_EQ(tag(3, 30)->m_nArtNachmittag, 0);
    EXPECT_EQ(tag(3, 30)->m_strNotiz, "Kur in Bad T\xF6lz");
    EXPECT_EQ(tag(4, 1)->m_nArtVormittag, 3);
    EXPECT_EQ(tag(4, 1)->m_nArtNachmittag, 0);
    EXPECT_EQ(tag(4, 2), nullptr);
    // --von 6 May means its first half, --bis 5 May its second: the run goes back over two halves.
    EXPECT_EQ(tag(5, 5)->m_nArtVormittag, 0);
    EXPECT_EQ(tag(5, 5)->m_nArtNachmittag, 16);
    EXPECT_EQ(tag(5, 6)->m_nArtVormittag, 16);
    EXPECT_EQ(tag(5, 6)->m_nArtNachmittag, 0);
    EXPECT_EQ(r.AnzahlEintraege(), 7u);
}

TEST_F(AdminAbgleich, MarkierenVerweigert) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Alt", "--b2", "Weg"}).rc, 0);
    {
        // Deleted resources count as missing.
        RessourcenListe plan = Plan();
        plan[0]->m_bGeloescht = true;
        DateiSchreibenTest(datei, DatenbankSchreiben(plan));
    }
    const std::string db = DateiInhalt(datei), st = DateiInhalt(stempel);
    const auto markieren = [&](const std::string& b1, const std::string& von, const std::string& bis,
                               const std::string& art) {
        return Aufruf({"markieren", "--b1", b1, "--b2", b1 == "Alt" ? "Weg" : "Hans", "--von", von, "--bis",
                       bis, "--art", art});
    };
    NichtsGeaendert(markieren("Niemand", "2025-01-01", "2025-01-01", "1"), db, st, "existiert nicht");
    NichtsGeaendert(markieren("Alt", "2025-01-01", "2025-01-01", "1"), db, st, "existiert nicht");
    for (const char* art : {"17", "-1", "x", "", "1.5"})
        NichtsGeaendert(markieren("Huber", "2025-01-01", "2025-01-01", art), db, st, "--art");
    for (const char* datum :
         {"2025-02-29", "2025-13-01", "2025-1-1", "2025-01-01:3", "1970-01-01", "2037-01-01", "01.01.2025"})
        NichtsGeaendert(markieren("Huber", datum, "2025-01-01", "1"), db, st, "--von");
    NichtsGeaendert(
        Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--art", "1"}), db, st,
        "--bis fehlt");
    NichtsGeaendert(Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--bis",
                            "2025-01-01", "--art", "1", "--notiz", std::string(201, 'x')}),
                    db, st, "200 Zeichen");
    NichtsGeaendert(Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--bis",
                            "2025-01-01", "--art", "1", "--notiz", "Ω"}),
                    db, st, "--notiz");
    EXPECT_EQ(Aufruf({"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--bis",
                      "2025-01-01", "--art", "1", "--notiz", std::string(200, 'x')})
                  .rc,
              0);
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
