// One grid repaint: Neuzeichnen of a 1920 × 1080 grid at zoom 10 with 100 resources, each marked
// on 150 of the days in view. Reported in ms per frame next to a baseline that only fills the same
// number of cell rectangles with QPainter on the same back buffer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <random>
#include <vector>

#include "app/Uhr.h"
#include "calendar/Regionen.h"
#include "data/Ressource.h"
#include "view/Band.h"
#include "view/KalenderWnd.h"

namespace {

using namespace kalvora;

constexpr int kBreite = 1920;
constexpr int kHoehe = 1080;
constexpr int kZeilen = 100;
constexpr int kEintraege = 150;

struct Aufbau {
    FesteUhr uhr{CTime(2020, 3, 2, 10, 0, 0)};
    EintragsartTabelle arten = EintragsartTabelle::Standard();
    std::unique_ptr<CKalenderWnd> wnd;
    std::vector<std::pair<QRect, QColor>> zellen; // every cell the repaint paints

    Aufbau() {
        SetzeUhr(&uhr);
        for (int i : {2, 24})
            arten.m_nRegion[static_cast<std::size_t>(i)] = 1; // Bayern, Wien
        AbgeleiteteFlagsSetzen(arten.m_nRegion);
        for (int k = 1; k <= kAnzahlArten; ++k)
            arten.m_nAusrichtung[static_cast<std::size_t>(k)] = k % 4;

        wnd = std::make_unique<CKalenderWnd>(arten);
        wnd->resize(kBreite, kHoehe);
        wnd->SetNamenBreite(150);
        wnd->SetZellgroesse(10);
        std::mt19937 rng(7);
        for (int z = 0; z < kZeilen; ++z) {
            const int nr = wnd->AddZeile("Mitarbeiter " + std::to_string(z) + ", Vorname");
            for (int t = 0; t < kEintraege; ++t) {
                const CTime tag(2020, 3, 2 + t + t / 14, 9, 0, 0); // leaves a gap now and then
                const int a = 1 + static_cast<int>(rng() % 16);
                const int b = rng() % 4 == 0 ? 1 + static_cast<int>(rng() % 16) : a;
                wnd->SetTagAnzeige(nr, tag, a, b, t % 20 == 0 ? "Notiz" : "");
            }
        }
        wnd->Neuzeichnen();

        // The same cells as rectangles, each covering its pixels edges included.
        const GitterLayout& l = wnd->Layout();
        CFarbschema schema;
        auto zelle = [this](const Rechteck& r, QColor farbe) {
            zellen.emplace_back(QRect(QPoint(r.links, r.oben), QPoint(r.rechts, r.unten)), farbe);
        };
        zelle(l.m_geo.Ecke(), Qt::gray);
        for (const Rechteck& r : l.m_namen)
            zelle(r, Qt::lightGray);
        for (int j = 0; j < l.AnzahlSpalten(); ++j) {
            const TagSpalte& s = l.m_spalten[static_cast<std::size_t>(j)];
            if (s.m_bMonatsKopf) zelle(s.m_monat.m_rect, Qt::gray);
            zelle(s.m_kopf, Qt::gray);
            for (int k = 0; k < l.AnzahlZeilen(); ++k) {
                const Rechteck c = l.Tageszelle(j, k);
                zelle(c, Qt::white);
                const CRessource& r = *wnd->m_pZeilen[static_cast<std::size_t>(k)];
                if (const CTagEintrag* e = EintragAm(r, s))
                    for (const Band& b : BaenderEinesTages(*e, c, arten, schema))
                        zelle(b.m_rect, Qt::red);
            }
        }
    }
    ~Aufbau() { SetzeUhr(nullptr); }
};

Aufbau& Gemeinsam() {
    static Aufbau a;
    return a;
}

void Neuzeichnen(benchmark::State& state) {
    Aufbau& a = Gemeinsam();
    for (auto _ : state) {
        a.wnd->Neuzeichnen();
        benchmark::DoNotOptimize(a.wnd->Puffer().constBits());
    }
    state.counters["Zellen"] = static_cast<double>(a.zellen.size());
    state.counters["Spalten"] = a.wnd->Layout().AnzahlSpalten();
    state.counters["Zeilen"] = a.wnd->Layout().AnzahlZeilen();
}

void NurRechteckeFuellen(benchmark::State& state) {
    Aufbau& a = Gemeinsam();
    QImage& bild = const_cast<QImage&>(a.wnd->Puffer());
    for (auto _ : state) {
        QPainter p(&bild);
        for (const auto& [r, farbe] : a.zellen)
            p.fillRect(r, farbe);
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["Zellen"] = static_cast<double>(a.zellen.size());
}

BENCHMARK(Neuzeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(NurRechteckeFuellen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
