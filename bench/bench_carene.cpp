// Hull table and upright flotation of the master project, and the section geometry alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "Maitre_Banc.h"

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Flottaison.h"
#include "model/Geometrie_Couple.h"

using namespace gabarit;

namespace {

// What every project read and every hull edit runs: the table, then the waterline.
void BM_Table_Et_Flottaison(benchmark::State &state) {
    auto e = banc::Maitre();
    Shell_Enregistreur shell;
    for (auto _ : state) {
        Calcul_Tab(*e);
        benchmark::DoNotOptimize(Calcul_Flottaison(*e, shell));
        shell.peintures_voyants = 0;
    }
}
BENCHMARK(BM_Table_Et_Flottaison)->Unit(benchmark::kMicrosecond);

void BM_Calcul_Tab(benchmark::State &state) {
    auto e = banc::Maitre();
    for (auto _ : state) {
        Calcul_Tab(*e);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Calcul_Tab)->Unit(benchmark::kMicrosecond);

void BM_Calcul_Flottaison(benchmark::State &state) {
    auto e = banc::Maitre();
    Shell_Enregistreur shell;
    Calcul_Tab(*e);
    for (auto _ : state)
        benchmark::DoNotOptimize(Calcul_Flottaison(*e, shell));
}
BENCHMARK(BM_Calcul_Flottaison)->Unit(benchmark::kMicrosecond);

// One section per call, walking the hull every 10 mm as the station walks do.
void BM_Calcul_Couple(benchmark::State &state) {
    auto e = banc::Maitre();
    e->Gite_Couple = 0;
    const double L = e->L();
    double X = 0;
    for (auto _ : state) {
        e->X_Couple = X;
        Calcul_Couple(*e);
        benchmark::DoNotOptimize(e->Demi_Largeur_Pont);
        X = X + 10 > L ? 0 : X + 10;
    }
}
BENCHMARK(BM_Calcul_Couple)->Unit(benchmark::kNanosecond);

} // namespace
