// One repaint's worth of grid geometry: a 1920 × 1080 grid at zoom 10 with 100 rows, each row
// marked on most working days. Reported per frame next to a baseline that only computes
// the same number of cell rectangles (proFrame = time per frame).
#include <benchmark/benchmark.h>

#include <vector>

#include "PlanErzeugen.h"
#include "calendar/Feiertage.h"
#include "view/Band.h"
#include "view/GitterLayout.h"

namespace {

using namespace kalvora;

Regionen AlleRegionen() {
    Regionen r{};
    for (int i = 0; i < kAnzahlLaender; ++i) r[static_cast<std::size_t>(i)] = 1;
    AbgeleiteteFlagsSetzen(r);
    return r;
}

GitterEingabe Eingabe() {
    GitterEingabe e;
    e.m_nClientBreite = 1920;
    e.m_nClientHoehe = 1080;
    e.m_nZellgroesse = 10;
    e.m_nNamenBreite = 150;
    e.m_heute = {2020, 3, 2};
    e.m_nZeilen = 100;
    return e;
}

const RessourcenListe& Plan() {
    static const RessourcenListe plan = bench::PlanErzeugen(100, 250, 10);
    return plan;
}

void ProFrame(benchmark::State& state) {
    state.counters["proFrame"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Grundlinie(benchmark::State& state) {
    const Regionen regionen = AlleRegionen();
    GitterLayout l;
    GitterAnordnen(Eingabe(), CFeiertage(regionen), l);
    std::vector<Rechteck> zellen;
    zellen.reserve(static_cast<std::size_t>(l.AnzahlSpalten() * l.AnzahlZeilen()));
    for (auto _ : state) {
        zellen.clear();
        for (int j = 0; j < l.AnzahlSpalten(); ++j)
            for (int k = 0; k < l.AnzahlZeilen(); ++k) zellen.push_back(l.Tageszelle(j, k));
        benchmark::DoNotOptimize(zellen.data());
    }
    state.counters["zellen"] = static_cast<double>(zellen.size());
    ProFrame(state);
}
BENCHMARK(BM_Grundlinie);

void BM_GitterAnordnen(benchmark::State& state) {
    const Regionen regionen = AlleRegionen();
    const CFeiertage feiertage(regionen);
    const GitterEingabe e = Eingabe();
    GitterLayout l;
    for (auto _ : state) {
        GitterAnordnen(e, feiertage, l);
        benchmark::DoNotOptimize(l.m_spalten.data());
    }
    ProFrame(state);
}
BENCHMARK(BM_GitterAnordnen);

// Layout plus the entry lookup and bands of every shown cell: all the core work of a repaint.
void BM_GitterMitBaendern(benchmark::State& state) {
    const Regionen regionen = AlleRegionen();
    const CFeiertage feiertage(regionen);
    const GitterEingabe e = Eingabe();
    const auto arten = EintragsartTabelle::Standard();
    const CFarbschema schema;
    const auto& plan = Plan();
    GitterLayout l;
    std::size_t baender = 0;
    for (auto _ : state) {
        baender = 0;
        GitterAnordnen(e, feiertage, l);
        for (int j = 0; j < l.AnzahlSpalten(); ++j) {
            const TagSpalte& s = l.m_spalten[static_cast<std::size_t>(j)];
            for (int k = 0; k < l.AnzahlZeilen(); ++k) {
                const CRessource& r = *plan[static_cast<std::size_t>(l.m_nErsteZeile + k)];
                if (const CTagEintrag* eintrag = EintragAm(r, s)) {
                    const Baender b = BaenderEinesTages(*eintrag, l.Tageszelle(j, k), arten, schema);
                    baender += static_cast<std::size_t>(b.m_nAnzahl);
                }
            }
        }
        benchmark::DoNotOptimize(baender);
    }
    state.counters["baender"] = static_cast<double>(baender);
    ProFrame(state);
}
BENCHMARK(BM_GitterMitBaendern);

} // namespace

BENCHMARK_MAIN();
