// kalvora-admin anlegen, markieren and optimieren as real processes, and four of them marking at once.
#include <algorithm>
#include <cstdio>
#include <mutex>
#include <random>

#include "AdminProzess.h"
#include "TestHilfen.h"
#include "data/StempelSperre.h"
#include "data/UrlaubDoc.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

using AdminAbgleich = AdminDatenbank;

TEST_F(AdminAbgleich, AnlegenUndMarkierenWieImProgramm) {
    auto e = Aufruf({"anlegen", "--b1", "Müller", "--b2", "Jürgen", "--gruppe", "Büro", "--nr", "4711"});
    // The stamp is prepared as "0 0", then counts one save.
    EXPECT_EQ(std::tuple(e.rc, e.out, DateiInhalt(stempel)),
              std::tuple(0, "Ressource angelegt: Müller, Jürgen (Nr. 4711)\n", "0 1")) << e.err;
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Euro€", "--b2", "x"}).rc, 0); // "€" is 0x80 in Windows-1252

    const auto markieren = [&](const std::string& von, const std::string& bis, const std::string& art,
                               std::vector<std::string> mehr = {}) {
        mehr.insert(mehr.begin(), {"markieren", "--b1", "Müller", "--b2", "Jürgen", "--nr", "4711", "--von", von,
                                   "--bis", bis, "--art", art});
        return Aufruf(mehr);
    };
    // Across the clock change of 30 March 2025, from the second half of the 28th to the first of 1 April.
    e = markieren("2025-03-28:2", "2025-04-01:1", "3", {"--notiz", "Kur in Bad Tölz"});
    EXPECT_EQ(std::tuple(e.rc, e.out), std::tuple(0, std::string("8 Halbtage markiert: Müller, Jürgen (Nr. 4711)\n")))
        << e.err;
    // Defaults: --von 5 May is its first half, --bis 6 May its second.
    ASSERT_EQ(markieren("2025-05-05", "2025-05-06", "16").rc, 0);
    e = markieren("2025-03-30:2", "2025-03-30:2", "0"); // clears one half, keeps the note
    EXPECT_EQ(e.out, "1 Halbtag markiert: Müller, Jürgen (Nr. 4711)\n");
    EXPECT_EQ(DateiInhalt(stempel), "0 6");

    const auto plan = AufPlatte(datei);
    ASSERT_EQ(plan.size(), 3u);
    const CRessource& r = *plan[2]; // its change time is now
    EXPECT_EQ(plan[0]->m_strBenennung1 + " " + plan[1]->m_strBenennung1 + " " + r.m_strBenennung1 +
                  r.m_strBenennung2 + r.m_strGruppe + r.m_strIdentNr + (r.m_bGeloescht ? " geloescht" : ""),
              "Abel Euro\x80 M\xFCllerJ\xFCrgenB\xFCro4711");
    EXPECT_GT(r.m_timeGeaendert.GetTime(), 1700000000);
    EXPECT_EQ(Haelften(r, {Um(2025, 3, 28), Um(2025, 3, 29), Um(2025, 3, 30), Um(2025, 3, 31), Um(2025, 4, 1),
                           Um(2025, 5, 5), Um(2025, 5, 6)}),
              "0/3 3/3 3/0 3/3 3/0 16/16 16/16 ");
    EXPECT_EQ(std::tuple(r.FindeTag(Um(2025, 3, 30))->m_strNotiz.Text(), r.AnzahlEintraege()),
              std::tuple(std::string("Kur in Bad T\xF6lz"), std::size_t{7}));
}

TEST_F(AdminAbgleich, VerweigertMitMeldungUndAendertKeineDatei) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Alt", "--b2", "Hans"}).rc, 0);
    RessourcenListe plan = AufPlatte(datei); // deleted resources count as missing
    plan[0]->m_bGeloescht = true;
    DateiSchreibenTest(datei, DatenbankSchreiben(plan));
    const std::string db = DateiInhalt(datei), st = DateiInhalt(stempel);
    const auto markieren = [](const std::string& b1, const std::string& von, const std::string& art,
                              const std::string& notiz = "x") {
        auto args = MarkierArgs(b1, "Hans", von, "2025-01-01", art);
        return args.insert(args.end(), {"--notiz", notiz}), args;
    };
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"anlegen", "--b1", "Huber", "--b2", "Hans", "--gruppe", "X"}, "Ressource existiert bereits!"},
        {{"anlegen", "--b1", "Abel"}, "--b2 fehlt"}, {{"anlegen", "--b1", "Abel", "--b2", "A", "--b1", "B"}, "doppelt"},
        {{"anlegen", "--b1", "Abel", "--b2", "A", "--farbe", "rot"}, "--farbe"},
        {markieren("Niemand", "2025-01-01", "1"), "existiert nicht"},
        {markieren("Alt", "2025-01-01", "1"), "existiert nicht"},
        {markieren("Huber", "2025-01-01", "17"), "--art"}, {markieren("Huber", "2025-02-29", "1"), "--von"},
        {markieren("Huber", "2025-01-02", "1"), "Fehler: --bis liegt vor --von\n"},
        {markieren("Huber", "1970-12-31", "1"), "--von ist kein Datum JJJJ-MM-TT[:1|:2] von 1971 bis 2036"},
        {{"markieren", "--b1", "Huber", "--b2", "Hans", "--von", "2025-01-01", "--art", "1"}, "--bis fehlt"},
        {markieren("Huber", "2025-01-01", "1", std::string(201, 'x')), "200 Zeichen"},
        {markieren("Huber", "2025-01-01", "1", "Ω"), "--notiz"},
    };
    for (const auto& [args, meldung] : faelle) {
        const auto e = Aufruf(args);
        EXPECT_EQ(std::tuple(e.rc, e.err.find(meldung) != std::string::npos, DateiInhalt(datei), DateiInhalt(stempel)),
                  std::tuple(1, true, db, st)) << meldung << ": " << e.err;
    }
    EXPECT_EQ(Aufruf(markieren("Huber", "2025-01-01", "1", std::string(200, 'x'))).rc, 0);
    const auto e = AdminAufrufen({"anlegen", (t / "fehlt.dat"), "--b1", "A", "--b2", "B"}, t.pfad());
    EXPECT_EQ(std::tuple(e.rc, e.err.find("gibt es nicht") != std::string::npos, std::filesystem::exists(t / "fehlt.d"),
                         std::filesystem::exists(t / "fehlt.dat")),
              std::tuple(1, true, false, false)) << e.err;
}

// The tool's own questions, and pruefen's counts and missing file.
TEST_F(AdminAbgleich, VersionHilfeUndPruefen) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    ASSERT_EQ(Aufruf(MarkierArgs("Huber", "Hans", "2025-01-01", "2025-01-01", "1")).rc, 0);
    const std::string fehlt = t / "fehlt.dat";
    const std::tuple<std::vector<std::string>, int, std::string, std::string> faelle[] = {
        // arguments, exit code, start of stdout, part of stderr
        {{"--version"}, 0, "kalvora-admin " KALVORA_VERSION "\n", ""},
        {{"anlegen", "--help"}, 0, "Aufruf: kalvora-admin anlegen DATEI --b1", ""},
        {{"markieren", datei, "--b1", "-h"}, 0, "Aufruf: kalvora-admin markieren DATEI", ""},
        {{"pruefen", datei}, 0, "OK: 1 Ressource, 1 Tageintrag\n", ""},
        {{"pruefen", fehlt}, 1, "", "Fehler: Die Datei \"" + fehlt + "\" kann nicht geöffnet werden. Die Datei oder ihr"},
        {{"pruefen"}, 1, "", "Fehler: Aufruf: kalvora-admin pruefen DATEI\n"},
    };
    for (const auto& [args, rc, out, err] : faelle) {
        const auto e = AdminAufrufen(args, t.pfad());
        EXPECT_EQ(std::tuple(e.rc, e.out.starts_with(out), e.err.find(err) != std::string::npos, e.err.empty()),
                  std::tuple(rc, true, true, err.empty())) << args[0] << ": " << e.out << e.err;
    }
}

// optimieren refuses a held or unreadable lock; markieren waits for a held one and then counts on. A lock
// unchanged for seven ticks is broken; one that changes restarts the observation; entsperren frees one at once.
TEST_F(AdminAbgleich, GehalteneVerwaisteUndAufgehobeneSperre) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    const auto markieren = MarkierArgs("Huber", "Hans", "2025-01-01", "2025-01-01", "2");
    AdminErgebnis e;
    const auto dauer = [&](const std::vector<std::string>& args) { // ms
        const auto start = std::chrono::steady_clock::now();
        e = Aufruf(args);
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    };
    for (const auto& [gesperrt, meldung] : {std::pair{"1 5", "gesperrt"}, {"kaputt", "keinen gültigen Inhalt"}}) {
        DateiSchreibenTest(stempel, gesperrt);
        e = Aufruf({"optimieren"});
        EXPECT_EQ(std::tuple(e.rc, e.err.find(meldung) != std::string::npos), std::tuple(2, true)) << e.err;
    }
    DateiSchreibenTest(stempel, "0 5");
    e = Aufruf({"optimieren"}); // released with the counter unchanged
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel)), std::tuple(0, std::string("0 5"))) << e.err;

    DateiSchreibenTest(stempel, "1 5"); // another instance is saving
    std::thread anderer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        SperreFreigeben(stempel, 6);
    });
    long ms = dauer(markieren);
    anderer.join();
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel), AufPlatte(datei)[0]->AnzahlEintraege()), std::tuple(0, "0 7", 1u))
        << e.err;
    EXPECT_TRUE(ms >= 700 && ms < 5000) << ms;

    std::optional<Umgebung> takt(std::in_place, "KALVORA_ADMIN_TAKT_MS", "100");
    DateiSchreibenTest(stempel, "1 5");
    ms = dauer(markieren);
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel), e.err.find("aufgehoben") != std::string::npos),
              std::tuple(0, "0 6", true)) << e.err;
    EXPECT_TRUE(ms >= 700 && ms < 5000) << ms;
    DateiSchreibenTest(stempel, "1 10");
    std::thread lebendig([&] { // another writer takes the lock again and again for 0.8 s
        for (int c = 11; c < 15; ++c) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            DateiSchreibenTest(stempel, "1 " + std::to_string(c));
        }
    });
    ms = dauer(markieren);
    lebendig.join();
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel)), std::tuple(0, "0 15")) << e.err;
    EXPECT_GE(ms, 800 + 700) << "broken while it still changed";
    takt.reset(); // from here a held lock would keep a marking waiting for 70 s

    const std::tuple<const char*, int, const char*, const char*> faelle[] = {
        // stamp before, exit code, stamp after, message
        {"1 41", 0, "0 41", "Sperre aufgehoben"},
        {"0 41", 0, "0 41", "nicht gesperrt"},
        {"1", 1, "1", "keinen gültigen Inhalt"},
    };
    for (const auto& [vorher, rc, nachher, meldung] : faelle) {
        DateiSchreibenTest(stempel, vorher);
        e = Aufruf({"entsperren"});
        EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel), (e.out + e.err).find(meldung) != std::string::npos),
                  std::tuple(rc, std::string(nachher), true)) << vorher << ": " << e.out << e.err;
    }
    // A stamp without a counter is not taken for a held lock.
    ms = dauer(markieren);
    EXPECT_EQ(std::tuple(e.rc, e.err.find("enthält keinen gültigen Inhalt") != std::string::npos), std::tuple(2, true))
        << e.err;
    EXPECT_LT(ms, 5000);
    DateiSchreibenTest(stempel, "1 41");
    ASSERT_EQ(Aufruf({"entsperren"}).rc, 0);
    ms = dauer(markieren);
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel)), std::tuple(0, "0 42")) << e.err;
    EXPECT_LT(ms, 5000);
}

// optimieren keeps a backup first; pruefen warns about an empty or broken database and names the
// newest loadable backup; wiederherstellen brings it back under the lock and counts one change.
TEST_F(AdminAbgleich, SicherungVorDemOptimierenWarnungUndWiederherstellen) {
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Huber", "--b2", "Hans"}).rc, 0);
    ASSERT_EQ(Aufruf({"anlegen", "--b1", "Abel", "--b2", "Anna"}).rc, 0);
    const std::string plan = DateiInhalt(datei), bk1 = t / "Ressource.BK1";
    ASSERT_EQ(Aufruf({"optimieren"}).rc, 0);
    ASSERT_EQ(DateiInhalt(bk1), plan);

    const std::tuple<std::string, int, const char*> faelle[] = {
        // database, exit code of pruefen, warning
        {plan, 0, ""},
        {"", 3, "ist leer (0 Bytes)"},
        {std::string("\x05\0\0\0", 4), 1, "Fehler: Zahl der Ressourcen (5) größer als die Daten"},
    };
    for (const auto& [inhalt, rc, warnung] : faelle) {
        DateiSchreibenTest(datei, inhalt);
        const auto e = Aufruf({"pruefen"});
        EXPECT_EQ(std::tuple(e.rc, e.err.find("Warnung: ") != std::string::npos), std::tuple(rc, *warnung != '\0'))
            << e.err;
        if (*warnung)
            EXPECT_TRUE(e.err.find(warnung) != std::string::npos &&
                        e.err.find("Neueste ladbare Sicherung: \"" + bk1 + "\" vom ") != std::string::npos &&
                        e.err.find("mit 2 Ressourcen") != std::string::npos) << e.err;
    }
    DateiSchreibenTest(stempel, "0 7");
    auto e = Aufruf({"wiederherstellen"});
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(datei), DateiInhalt(stempel)), std::tuple(0, plan, "0 8")) << e.err;
    EXPECT_TRUE(e.out.starts_with("Wiederhergestellt: \"" + bk1 + "\" vom ") &&
                e.out.find("mit 2 Ressourcen") != std::string::npos) << e.out;
    for (const auto& args : {std::vector<std::string>{"wiederherstellen", "--aus", "BK3"},
                             std::vector<std::string>{"wiederherstellen", "--aus", "BK9"}}) {
        e = Aufruf(args);
        EXPECT_EQ(std::tuple(e.rc, DateiInhalt(stempel)), std::tuple(1, "0 8")) << e.err;
    }
}

// A save the file system refuses (file size limit) leaves the database as it was, releases the
// lock and does not count a change.
TEST_F(AdminAbgleich, GescheiterteSpeicherungLaesstDatenbankUndZaehler) {
    RessourcenListe liste;
    for (int i = 0; i < 40; ++i) liste.push_back(NeueRessource("R" + std::to_string(i), "x", "", std::string(8000, 'n')));
    DateiSchreibenTest(datei, DatenbankSchreiben(liste)); // 320 KB, over the limit below (256 or 512 blocks)
    DateiSchreibenTest(stempel, "0 17");
    const std::string vorher = DateiInhalt(datei);
    const auto e = ProzessAufrufen({"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 256; exec \"$0\" \"$@\"", AdminPfad(),
                                    "markieren", datei, "--b1", "R3", "--b2", "x", "--nr", std::string(8000, 'n'),
                                    "--von", "2025-01-01", "--bis", "2025-01-01", "--art", "2"},
                                   t.pfad(), std::chrono::steady_clock::now() + std::chrono::seconds(30));
    EXPECT_EQ(std::tuple(e.rc, DateiInhalt(datei) == vorher, DateiInhalt(stempel)), std::tuple(1, true, "0 17"));
    EXPECT_NE(e.err.find("Die Datei wird zu groß für das Dateisystem"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find(datei), std::string::npos) << e.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.pfad()), std::filesystem::directory_iterator()), 2)
        << "no temporary file left";
}

// Four writers mark half days, two of them through a symbolic link from another folder; no marking,
// no counter step may be lost. No two share a day, since two changes of one day race by change time.
using Stresstest = AdminDatenbank;
TEST_F(Stresstest, VierSchreiberGleichzeitigAuchUeberEinenLinkVerlierenNichts) {
    constexpr int kSchreiber = 4, kJeSchreiber = 12;
    std::filesystem::create_directories(t.pfad() / "anderswo");
    const std::string link = t / "anderswo/Plan.dat";
    std::filesystem::create_symlink(datei, link);
    const char* const vornamen[] = {"Eins", "Zwei"};
    struct Markierung { int ressource; Datum tag; int haelfte, art; };
    const auto start = std::chrono::steady_clock::now();
    const auto frist = start + std::chrono::seconds(100);
    for (const char* vorname : vornamen) ASSERT_EQ(Aufruf({"anlegen", "--b1", "Stress", "--b2", vorname}).rc, 0);
    const unsigned saat = std::random_device{}();
    std::mt19937 rng(saat);
    std::vector<std::vector<Markierung>> plaene(kSchreiber);
    for (int tag = 0; tag < 730; ++tag) // from 2025-01-01, each writer its own days
        for (int r = 0; r < 2; ++r)
            plaene[(2 * tag + r) % kSchreiber].push_back({r, DatumAusTagen(TageAusDatum(2025, 1, 1) + tag),
                                                         1 + static_cast<int>(rng() % 2), 1 + static_cast<int>(rng() % 16)});
    for (auto& plan : plaene) std::shuffle(plan.begin(), plan.end(), rng), plan.resize(kJeSchreiber);

    std::mutex mutex;
    std::vector<std::string> fehler;
    std::vector<std::thread> schreiber;
    for (std::size_t w = 0; w < plaene.size(); ++w)
        schreiber.emplace_back([&, w] {
            for (const Markierung& m : plaene[w]) {
                char halbtag[16];
                std::snprintf(halbtag, sizeof halbtag, "%04d-%02d-%02d:%d", m.tag.jahr, m.tag.monat, m.tag.tag, m.haelfte);
                auto args = MarkierArgs("Stress", vornamen[m.ressource], halbtag, halbtag, std::to_string(m.art));
                args.insert(args.begin() + 1, w < 2 ? datei : link);
                const auto e = AdminAufrufen(args, t.pfad(), frist);
                std::lock_guard lock(mutex);
                if (e.rc != 0) fehler.push_back(std::string(halbtag) + " rc " + std::to_string(e.rc) + ": " + e.err);
            }
        });
    for (auto& s : schreiber) s.join();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    ASSERT_TRUE(fehler.empty()) << fehler.size() << " failed, first: " << fehler.front() << " (seed " << saat << ")";
    std::cout << "[          ] " << kSchreiber * kJeSchreiber << " markings in " << ms.count() << " ms, seed " << saat << '\n';

    // Every marking is there as its own day, the other half 0, and nothing else is; one counter step per save.
    const auto plan = AufPlatte(datei);
    ASSERT_EQ(plan.size(), 2u);
    for (const auto& p : plaene)
        for (const Markierung& m : p)
            EXPECT_EQ(Haelften(*plan[static_cast<std::size_t>(m.ressource)], {Um(m.tag.jahr, m.tag.monat, m.tag.tag)}),
                      m.haelfte == 1 ? std::to_string(m.art) + "/0 " : "0/" + std::to_string(m.art) + " ")
                << "lost: " << vornamen[m.ressource] << ' ' << m.tag.tag << '.' << m.tag.monat << '.' << m.tag.jahr
                << " (seed " << saat << ")";
    EXPECT_EQ(std::tuple(plan[0]->AnzahlEintraege() + plan[1]->AnzahlEintraege(), DateiInhalt(stempel)),
              std::tuple(std::size_t{kSchreiber * kJeSchreiber}, "0 " + std::to_string(2 + kSchreiber * kJeSchreiber)));
    EXPECT_TRUE(std::filesystem::is_symlink(link) && !std::filesystem::exists(t / "anderswo/Plan.d"));
}

} // namespace
