// Holiday questions as the grid asks them: every day 1972..2035 with all 25 states selected.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/Feiertage.h"
#include "calendar/Kalender.h"

namespace {

struct Tag {
    int tag, monat, jahr;
};

const std::vector<Tag>& AlleTage() {
    static const std::vector<Tag> tage = [] {
        std::vector<Tag> v;
        for (int jahr = 1972; jahr <= 2035; ++jahr)
            for (int monat = 1; monat <= 12; ++monat)
                for (int tag = 1; tag <= kalvora::TageImMonat(monat, jahr); ++tag)
                    v.push_back({tag, monat, jahr});
        return v;
    }();
    return tage;
}

kalvora::Regionen AlleRegionen() {
    kalvora::Regionen r{};
    for (int i = 0; i < kalvora::kAnzahlLaender; ++i)
        r[static_cast<std::size_t>(i)] = 1;
    kalvora::AbgeleiteteFlagsSetzen(r);
    return r;
}

// Reports ns per call: `aufrufe` calls per day.
void Zaehlen(benchmark::State& state, int aufrufe) {
    const auto n = static_cast<double>(AlleTage().size()) * aufrufe;
    state.counters["proAufruf"] =
        benchmark::Counter(n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Baseline: the same loop over the days with a trivial question.
void BM_Grundlinie(benchmark::State& state) {
    for (auto _ : state)
        for (const Tag& t : AlleTage())
            benchmark::DoNotOptimize(t.tag == 24 && t.monat == 12);
    Zaehlen(state, 1);
}
BENCHMARK(BM_Grundlinie);

void BM_IstFeiertag(benchmark::State& state) {
    const kalvora::Regionen regionen = AlleRegionen();
    const CFeiertage f(regionen);
    for (auto _ : state)
        for (const Tag& t : AlleTage())
            benchmark::DoNotOptimize(f.IstFeiertag(t.tag, t.monat, t.jahr));
    Zaehlen(state, 1);
}
BENCHMARK(BM_IstFeiertag);

void BM_IstSchulferien(benchmark::State& state) {
    const kalvora::Regionen regionen = AlleRegionen();
    const CFeiertage f(regionen);
    for (auto _ : state)
        for (const Tag& t : AlleTage())
            benchmark::DoNotOptimize(f.IstSchulferien(t.tag, t.monat, t.jahr));
    Zaehlen(state, 1);
}
BENCHMARK(BM_IstSchulferien);

// Both questions per day, a new object per day as the grid creates one per column.
void BM_FeiertagUndSchulferien(benchmark::State& state) {
    const kalvora::Regionen regionen = AlleRegionen();
    for (auto _ : state)
        for (const Tag& t : AlleTage()) {
            const CFeiertage f(regionen);
            benchmark::DoNotOptimize(f.IstFeiertag(t.tag, t.monat, t.jahr));
            benchmark::DoNotOptimize(f.IstSchulferien(t.tag, t.monat, t.jahr));
        }
    Zaehlen(state, 2);
}
BENCHMARK(BM_FeiertagUndSchulferien);

// One state selected: the masks are scanned for a flag that is mostly unset.
void BM_FeiertagUndSchulferien_Bayern(benchmark::State& state) {
    kalvora::Regionen regionen{};
    regionen[2] = 1;
    kalvora::AbgeleiteteFlagsSetzen(regionen);
    const CFeiertage f(regionen);
    for (auto _ : state)
        for (const Tag& t : AlleTage()) {
            benchmark::DoNotOptimize(f.IstFeiertag(t.tag, t.monat, t.jahr));
            benchmark::DoNotOptimize(f.IstSchulferien(t.tag, t.monat, t.jahr));
        }
    Zaehlen(state, 2);
}
BENCHMARK(BM_FeiertagUndSchulferien_Bayern);

// The status bar's text, asked on every mouse move over a day: names and school-holiday states.
void BM_TagesText(benchmark::State& state) {
    const kalvora::Regionen regionen = AlleRegionen();
    for (auto _ : state)
        for (const Tag& t : AlleTage())
            benchmark::DoNotOptimize(kalvora::TagesText(t.tag, t.monat, t.jahr, regionen));
    Zaehlen(state, 1);
}
BENCHMARK(BM_TagesText);

} // namespace

BENCHMARK_MAIN();
