// A writer killed at any moment of its save leaves the database as before or as after, never torn.
#include <csignal>
#include <random>

#include "AdminProzess.h"
#include "TestHilfen.h"
#include "data/DatenbankFormat.h"
#include "data/StempelSperre.h"

using namespace kalvora;
using namespace kalvora::test;
namespace fs = std::filesystem;

namespace {

// Under the sanitizers a marking runs some ten times slower: a few kills keep the test within its
// time there; the plain build runs the full count.
#ifdef KALVORA_SANITIZE
constexpr int kToetungen = 8;
#else
constexpr int kToetungen = 60;
#endif

// `ressourcen` resources "R<i>", "x", each with every day of 2024 marked.
std::string PlanBytes(int ressourcen) {
    RessourcenListe liste;
    for (int i = 0; i < ressourcen; ++i) {
        liste.push_back(NeueRessource("R" + std::to_string(i), "x"));
        for (int tag = 0; tag < 366; ++tag)
            SetTag(liste.back().get(), CTime(Um(2024, 1, 1, 9).GetTime() + tag * 86400LL), 1 + tag % 16, 0, "",
                   CTime(1700000000));
    }
    return DatenbankSchreiben(liste);
}

std::vector<fs::path> Reste(const fs::path& ordner) { // temporary files of a save
    std::vector<fs::path> reste;
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.path().filename().string().starts_with(".Ressource.dat.")) reste.push_back(e.path());
    return reste;
}

TEST(Absturz, SechzigGetoeteteSchreiberLassenDieDatenbankGanz) {
    KALVORA_ADMIN_NOETIG();
    TempOrdner t;
    const std::string db = t / "Ressource.dat", stempel = t / "Ressource.d";
    DateiSchreibenTest(db, PlanBytes(1000));
    const auto markieren = [&](int i) {
        const std::string tag = "2025-01-" + std::string(i % 31 < 9 ? "0" : "") + std::to_string(i % 31 + 1);
        return std::vector<std::string>{AdminPfad(), "markieren", db,  "--b1",  "R" + std::to_string(i % 1000),
                                        "--b2",      "x",         "--von", tag, "--bis", tag, "--art", "5"};
    };
    // How long an undisturbed marking takes: the kills spread over that time.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(ProzessAufrufen(markieren(999), t.pfad(), start + std::chrono::seconds(30)).rc, 0);
    const auto dauer = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

    const unsigned saat = std::random_device{}();
    std::mt19937 rng(saat);
    int unveraendert = 0, imSpeichern = 0;
    for (int i = 0; i < kToetungen; ++i) {
        const std::string vorher = DateiInhalt(db);
        const pid_t pid = ProzessStarten(markieren(i), t / "out", t / "err");
        ASSERT_NE(pid, 0);
        // Every other kill aims at the last part of the run, where the save is.
        const auto d = static_cast<unsigned>(dauer.count());
        std::this_thread::sleep_for(std::chrono::microseconds(i % 2 ? d / 2 + rng() % (d * 6 / 10) : rng() % d));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        for (const auto& rest : Reste(t.pfad())) ++imSpeichern, fs::remove(rest);

        const std::string nachher = DateiInhalt(db);
        RessourcenListe liste;
        const auto fehler = DatenbankLesen(nachher, liste);
        ASSERT_FALSE(fehler) << "kill " << i << ": " << fehler->grund << " (seed " << saat << ")";
        ASSERT_EQ(liste.size(), 1000u) << "kill " << i << " (seed " << saat << ")";
        if (nachher == vorher) {
            ++unveraendert;
        } else { // the whole marking is in, as after an undisturbed run
            const CTagEintrag* e = liste[static_cast<std::size_t>(i)]->FindeTag(Um(2025, 1, i % 31 + 1, 9));
            ASSERT_TRUE(e && e->m_nArtVormittag == 5) << "kill " << i << " (seed " << saat << ")";
        }
        // The killed writer's stamp lock is broken at once instead of after 70 s.
        if (const auto s = StempelGeschuetztLesen(stempel); s && s->sperre != 0) SperreFreigeben(stempel, s->zaehler);
    }
    std::cout << "[          ] marking takes " << dauer.count() / 1000 << " ms; of " << kToetungen << " kills " << imSpeichern
              << " hit a save in progress, " << unveraendert << " left the file as before, " << kToetungen - unveraendert
              << " as after (seed " << saat << ")\n";
}

} // namespace
