// Four real kalvora-admin processes mark half days in one database at the same time; not one
// marking and not one counter step may be lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <random>
#include <thread>

#include "AdminProzess.h"
#include "TestHilfen.h"
#include "data/Time.h"

using namespace kalvora;
using namespace kalvora::test;

namespace {

constexpr int kSchreiber = 4;
constexpr int kJeSchreiber = 200;
const char* const kVornamen[] = {"Eins", "Zwei"};

std::string DatumText(int tag) { // days from 2025-01-01
    const kalvora::Datum d = DatumAusTagen(TageAusDatum(2025, 1, 1) + tag);
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%04d-%02d-%02d", d.jahr, d.monat, d.tag);
    return puffer;
}

struct Markierung {
    int ressource, tag, haelfte, art;
};

// Each writer owns the (resource, day) pairs with (2 * day + resource) % 4 == writer and marks one
// half of each, so no two markings share a day. (Two changes of one day race by change time,
// which is the protocol's rule, not a lost update.)
std::vector<std::vector<Markierung>> Plaene(unsigned saat) {
    std::mt19937 rng(saat);
    std::vector<std::vector<Markierung>> plaene(kSchreiber);
    for (int s = 0; s < kSchreiber; ++s) {
        auto& plan = plaene[static_cast<std::size_t>(s)];
        for (int tag = 0; tag < 730; ++tag)
            for (int r = 0; r < 2; ++r)
                if ((2 * tag + r) % kSchreiber == s)
                    plan.push_back({r, tag, 1 + static_cast<int>(rng() % 2), 1 + static_cast<int>(rng() % 16)});
        std::shuffle(plan.begin(), plan.end(), rng);
        plan.resize(kJeSchreiber);
    }
    return plaene;
}

TEST(Stresstest, VierSchreiberGleichzeitigVerlierenNichts) {
    KALVORA_ADMIN_NOETIG();
    TempOrdner t;
    const std::string datei = t / "Ressource.dat";
    DateiSchreibenTest(datei, "");
    const auto start = std::chrono::steady_clock::now();
    const auto frist = start + std::chrono::seconds(100);
    for (const char* vorname : kVornamen)
        ASSERT_EQ(AdminAufrufen({"anlegen", datei, "--b1", "Stress", "--b2", vorname}, t.pfad(), frist).rc, 0);
    const unsigned saat = std::random_device{}();
    const auto plaene = Plaene(saat);

    std::mutex mutex;
    std::vector<std::string> fehler;
    std::vector<std::thread> schreiber;
    for (const auto& plan : plaene)
        schreiber.emplace_back([&] {
            for (const Markierung& m : plan) {
                const std::string halbtag = DatumText(m.tag) + ":" + std::to_string(m.haelfte);
                const auto e =
                    AdminAufrufen({"markieren", datei, "--b1", "Stress", "--b2", kVornamen[m.ressource],
                                   "--von", halbtag, "--bis", halbtag, "--art", std::to_string(m.art)},
                                  t.pfad(), frist);
                std::lock_guard lock(mutex);
                if (e.rc != 0) fehler.push_back(halbtag + " rc " + std::to_string(e.rc) + ": " + e.err);
            }
        });
    for (auto& s : schreiber)
        s.join();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    ASSERT_TRUE(fehler.empty()) << fehler.size() << " failed, first: " << fehler.front() << " (seed " << saat << ")";
    std::cout << "[          ] 800 markings in " << ms << " ms, seed " << saat << '\n';

    // Every marking is in the export as its own day, the other half 0, and nothing else is.
    const auto exp = AdminAufrufen({"export", datei}, t.pfad(), frist);
    ASSERT_EQ(exp.rc, 0) << exp.err;
    const auto zweite = exp.out.find("\"benennung2\":\"Zwei\"");
    ASSERT_NE(zweite, std::string::npos);
    const std::string tage[] = {exp.out.substr(0, zweite), exp.out.substr(zweite)};
    for (const auto& plan : plaene)
        for (const Markierung& m : plan) {
            const std::string eintrag = "\"datum\":\"" + DatumText(m.tag) + "\",\"vormittag\":" +
                                        std::to_string(m.haelfte == 1 ? m.art : 0) +
                                        ",\"nachmittag\":" + std::to_string(m.haelfte == 2 ? m.art : 0) + ',';
            EXPECT_NE(tage[m.ressource].find(eintrag), std::string::npos)
                << "lost: " << kVornamen[m.ressource] << ' ' << eintrag << " (seed " << saat << ")";
        }
    std::size_t anzahl = 0;
    for (auto p = exp.out.find("\"datum\":"); p != std::string::npos; p = exp.out.find("\"datum\":", p + 1))
        ++anzahl;
    EXPECT_EQ(anzahl, std::size_t{kSchreiber * kJeSchreiber});
    EXPECT_EQ(DateiInhalt(t / "Ressource.d"), "0 " + std::to_string(2 + kSchreiber * kJeSchreiber))
        << "one counter step per save";
}

} // namespace
