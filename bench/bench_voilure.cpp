// The sail plan's figures (areas, centroid, centre of effort) of the free plan and of the CLASS
// plan, the keel and rudder figures, and the whole derivation every command and read runs, on
// the master project.
#include <benchmark/benchmark.h>

#include <memory>

#include "Maitre_Banc.h"

#include "model/Numeros.h"
#include "rig/Appendices.h"
#include "rig/Voilure.h"
#include "rig/Voilure_Class.h"
#include "stability/Derivation.h"

using namespace gabarit;

namespace {

// The nine samples and the two strip sweeps of the master's mainsail (luff 1520, foot 340) and
// jib.
void BM_Calcul_Figures_Voilure(benchmark::State &state) {
    auto e = banc::Maitre();
    for (auto _ : state) {
        Calcul_Figures_Voilure(*e);
        benchmark::DoNotOptimize(e->P(CENTRE_VELIQUE_X));
    }
}
BENCHMARK(BM_Calcul_Figures_Voilure)->Unit(benchmark::kMicrosecond);

// The same sweeps with the roach law fitted through the master's free leech.
void BM_Calcul_Figures_Voilure_Class(benchmark::State &state) {
    auto e = banc::Maitre();
    Calcul_Roof_Lattes(*e, Calcul_Lattes(*e));
    e->P(OPTION_CLASS) = 1;
    for (auto _ : state) {
        Calcul_Figures_Voilure(*e);
        benchmark::DoNotOptimize(e->P(CENTRE_VELIQUE_X));
    }
}
BENCHMARK(BM_Calcul_Figures_Voilure_Class)->Unit(benchmark::kMicrosecond);

void BM_Calcul_Appendices(benchmark::State &state) {
    auto e = banc::Maitre();
    for (auto _ : state) {
        Calcul_Appendices(*e);
        benchmark::DoNotOptimize(e->P(CENTRE_ANTI_DERIVE));
    }
}
BENCHMARK(BM_Calcul_Appendices)->Unit(benchmark::kNanosecond);

// Weights, centres, bulb, sails and appendages: what follows a command that changed their
// inputs, and every read.
void BM_Derive_Valeurs(benchmark::State &state) {
    auto e = banc::Maitre();
    for (auto _ : state)
        benchmark::DoNotOptimize(Derive_Valeurs(*e));
}
BENCHMARK(BM_Derive_Valeurs)->Unit(benchmark::kMicrosecond);

} // namespace
