// Load and save of a 2.5-million-entry plan against plain reads and writes of the same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sys/resource.h>

#include "PlanErzeugen.h"
#include "data/DateiZugriff.h"
#include "data/DatenbankFormat.h"
#include "data/Speicher.h"
#include "data/UrlaubDoc.h"

using namespace kalvora;

namespace {

struct Daten {
    std::filesystem::path pfad;
    std::string bytes;
    Daten() {
        pfad = std::filesystem::temp_directory_path() / "kalvora-bench.dat";
        bytes = DatenbankSchreiben(bench::PlanErzeugen());
        bench::SchlichtSchreiben(pfad, bytes);
    }
    ~Daten() { std::filesystem::remove(pfad); }
};

Daten& Plan() {
    static Daten d;
    return d;
}

void Durchsatz(benchmark::State& s) {
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) * static_cast<std::int64_t>(Plan().bytes.size()));
}

void Grundlinie_Lesen(benchmark::State& s) {
    for (auto _ : s) {
        std::string inhalt;
        DateiFehler f;
        DateiLesen(Plan().pfad, inhalt, f);
        benchmark::DoNotOptimize(inhalt.data());
    }
    Durchsatz(s);
}

void Laden(benchmark::State& s) {
    std::size_t eintraege = 0;
    for (auto _ : s) {
        RessourcenListe liste;
        if (DatenbankLaden(Plan().pfad, liste)) s.SkipWithError("load failed");
        s.PauseTiming();
        eintraege = 0;
        for (const auto& r : liste) eintraege += r->AnzahlEintraege();
        liste.clear();
        s.ResumeTiming();
    }
    s.counters["Eintraege"] = static_cast<double>(eintraege);
    s.counters["MB"] = static_cast<double>(Plan().bytes.size()) / 1e6;
    Durchsatz(s);
}

void Grundlinie_Schreiben(benchmark::State& s) {
    const auto ziel = Plan().pfad.string() + ".kopie";
    for (auto _ : s) {
        bench::SchlichtSchreiben(ziel, Plan().bytes);
    }
    std::filesystem::remove(ziel);
    Durchsatz(s);
}

// The same bytes through the safe replace: temporary file, flush, rename, folder flush.
void SicherErsetzen(benchmark::State& s) {
    const auto ziel = Plan().pfad.string() + ".kopie";
    for (auto _ : s) {
        DateiFehler f;
        if (!DateiSicherErsetzen(ziel, Plan().bytes, f)) s.SkipWithError(f.grund.c_str());
    }
    std::filesystem::remove(ziel);
    Durchsatz(s);
}

// What a sync does: the plan turned into bytes and saved safely.
void Speichern(benchmark::State& s) {
    RessourcenListe liste;
    DatenbankLaden(Plan().pfad, liste);
    const auto ziel = Plan().pfad.string() + ".kopie";
    for (auto _ : s) {
        DateiFehler f;
        if (!DateiSicherErsetzen(ziel, DatenbankSchreiben(liste), f)) s.SkipWithError(f.grund.c_str());
    }
    std::filesystem::remove(ziel);
    Durchsatz(s);
}

void Spitzenspeicher(benchmark::State& s) {
    // Peak resident size of the process after loading once, against the file size.
    for (auto _ : s) {
        RessourcenListe liste;
        DatenbankLaden(Plan().pfad, liste);
        benchmark::DoNotOptimize(liste.data());
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    s.counters["SpitzeMB"] = static_cast<double>(ru.ru_maxrss) / 1024.0;
    s.counters["DateiMB"] = static_cast<double>(Plan().bytes.size()) / 1e6;
}

} // namespace

BENCHMARK(Spitzenspeicher)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Grundlinie_Lesen)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Laden)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Grundlinie_Schreiben)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(SicherErsetzen)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Speichern)->Unit(benchmark::kMillisecond)->MinTime(2);
int main(int argc, char** argv) {
    // As the program runs: the plan is loaded again on every tick.
    SpeicherFuerNeuladenEinrichten();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
