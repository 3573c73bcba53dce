// One sync (stamp lock, load, merge, save, release) on the 2.5-million-entry plan with 1 % of
// its entries changed on disk by another instance, against a plain load and save of the same file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "PlanErzeugen.h"
#include "app/Meldungen.h"
#include "data/Abgleich.h"
#include "data/DateiZugriff.h"
#include "data/DatenbankFormat.h"
#include "data/Speicher.h"
#include "data/StempelSperre.h"
#include "data/Zusammenfuehren.h"
#include "view/Anzeige.h"

using namespace kalvora;

namespace {

class KeineAnzeige final : public AbgleichAnzeige {
public:
    void AnzeigeAufbauen() override {}
    void SetzeTitel(const std::string&) override {}
};

struct Daten {
    std::filesystem::path ordner;
    std::string datei, stempel;
    RessourcenListe plan;  // what this instance holds before the sync
    std::string geaendert; // the file after another instance changed 1 % of the entries
    std::size_t eintraege = 0, geaenderteEintraege = 0;

    Daten() {
        ordner =
            std::filesystem::temp_directory_path() / ("kalvora-bench-abgleich-" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
        datei = (ordner / "Ressource.dat").string();
        stempel = (ordner / "Ressource.d").string();
        plan = bench::PlanErzeugen();
        RessourcenListe anders = KopiereListe(plan);
        std::mt19937 rng(7);
        for (auto& r : anders)
            for (CTagEintrag& e : r->m_pTage.Alle()) {
                ++eintraege;
                if (rng() % 100 != 0) continue;
                ++geaenderteEintraege;
                e.m_nArtVormittag = e.m_nArtVormittag % 16 + 1;
                e.m_nArtNachmittag = 0;
                e.m_timeGeaendert = CTime(1800000000);
                if (rng() % 4 == 0) e.m_strNotiz = "geändert";
            }
        geaendert = DatenbankSchreiben(anders);
    }
    ~Daten() { std::filesystem::remove_all(ordner); }

    void DateiZuruecksetzen() const {
        if (!bench::SchlichtSchreiben(datei, geaendert)) std::abort();
    }
};

Daten& D() {
    static Daten d;
    return d;
}

double g_grundlinieMs = 0; // mean of the baseline, measured first in the same run

double Ms(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Grundlinie_LadenUndSpeichern(benchmark::State& s) {
    D().DateiZuruecksetzen();
    double summe = 0;
    for (auto _ : s) {
        const auto start = std::chrono::steady_clock::now();
        RessourcenListe liste;
        if (DatenbankLaden(D().datei, liste)) s.SkipWithError("load failed");
        DateiFehler f;
        if (!DateiSicherErsetzen(D().datei, DatenbankSchreiben(liste), f)) s.SkipWithError("save failed");
        summe += Ms(std::chrono::steady_clock::now() - start);
        s.PauseTiming();
        liste.clear();
        s.ResumeTiming();
    }
    g_grundlinieMs = summe / static_cast<double>(s.iterations());
    s.counters["MB"] = static_cast<double>(D().geaendert.size()) / 1e6;
    s.counters["Eintraege"] = static_cast<double>(D().eintraege);
}

void Abgleichen_1Prozent(benchmark::State& s) {
    StilleMeldungen still;
    KeineAnzeige anzeige;
    double summe = 0;
    for (auto _ : s) {
        s.PauseTiming();
        D().DateiZuruecksetzen();
        SperreFreigeben(D().stempel, 41);
        CUrlaubDoc doc(still);
        doc.m_pRessourcen = KopiereListe(D().plan);
        bool offen = false;
        Abgleich abgleich(doc, D().datei, D().stempel, offen, anzeige);
        s.ResumeTiming();

        const auto start = std::chrono::steady_clock::now();
        if (abgleich.Abgleichen(false) != AbgleichStand::Fertig) s.SkipWithError("sync failed");
        summe += Ms(std::chrono::steady_clock::now() - start);

        s.PauseTiming();
        doc.m_pRessourcen.clear();
        s.ResumeTiming();
    }
    const double mittel = summe / static_cast<double>(s.iterations());
    s.counters["GeaenderteEintraege"] = static_cast<double>(D().geaenderteEintraege);
    if (g_grundlinieMs > 0) s.counters["xGrundlinie"] = mittel / g_grundlinieMs;
}

// The merge alone, for where the time goes.
void Zusammenfuehren_1Prozent(benchmark::State& s) {
    for (auto _ : s) {
        s.PauseTiming();
        RessourcenListe arbeit = KopiereListe(D().plan);
        RessourcenListe geladen;
        if (DatenbankLesen(D().geaendert, geladen)) s.SkipWithError("parse failed");
        AenderungsBasis basis; // argument 1: three-way, as the program merges; 0: the two-way rule
        s.ResumeTiming();
        Zusammenfuehren(arbeit, geladen, CTime(1800000100), s.range(0) ? &basis : nullptr);
        s.PauseTiming();
        arbeit.clear();
        geladen.clear();
        s.ResumeTiming();
    }
}

// The display rebuild that follows every sync: all 1,000 resources shown.
void AnzeigeNeuAufbauen(benchmark::State& s) {
    StilleMeldungen still;
    RessourcenListe arbeit = KopiereListe(D().plan);
    for (auto _ : s) {
        RessourcenListe anzeige;
        AnzeigeAufbauen(arbeit, "", false, anzeige, still);
        benchmark::DoNotOptimize(anzeige.data());
        s.PauseTiming();
        anzeige.clear();
        s.ResumeTiming();
    }
}

} // namespace

BENCHMARK(Grundlinie_LadenUndSpeichern)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(Abgleichen_1Prozent)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(Zusammenfuehren_1Prozent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(AnzeigeNeuAufbauen)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
int main(int argc, char** argv) {
    // As the program runs: the plan is loaded again on every tick.
    SpeicherFuerNeuladenEinrichten();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
