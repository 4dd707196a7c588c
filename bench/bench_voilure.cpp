// The free sail plan's centre of effort, the CLASS plan's, and the keel and rudder figures,
// on the master project.
#include <benchmark/benchmark.h>

#include <memory>

#include "Maitre_Banc.h"

#include "model/Numeros.h"
#include "rig/Appendices.h"
#include "rig/Voilure.h"
#include "rig/Voilure_Class.h"

using namespace gabarit;

namespace {

// The two strip sweeps of the master's mainsail (luff 1520, foot 340) and jib.
void BM_Calcul_Voilure(benchmark::State &state) {
    auto e = banc::Maitre();
    for (auto _ : state) {
        Calcul_Voilure(*e);
        benchmark::DoNotOptimize(e->P(CENTRE_VELIQUE_X));
    }
}
BENCHMARK(BM_Calcul_Voilure)->Unit(benchmark::kMicrosecond);

// The same sweeps with the roach law fitted through the master's free leech.
void BM_Calcul_GV_Class(benchmark::State &state) {
    auto e = banc::Maitre();
    Calcul_Roof_Lattes(*e, Calcul_Lattes(*e));
    for (auto _ : state) {
        Calcul_GV_Class(*e);
        benchmark::DoNotOptimize(e->P(CENTRE_VELIQUE_X));
    }
}
BENCHMARK(BM_Calcul_GV_Class)->Unit(benchmark::kMicrosecond);

void BM_Calcul_Appendices(benchmark::State &state) {
    auto e = banc::Maitre();
    for (auto _ : state) {
        Calcul_Appendices(*e);
        benchmark::DoNotOptimize(e->P(CENTRE_ANTI_DERIVE));
    }
}
BENCHMARK(BM_Calcul_Appendices)->Unit(benchmark::kNanosecond);

} // namespace
