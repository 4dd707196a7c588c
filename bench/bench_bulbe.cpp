// The bulb window's volume and mass ("Calcul") on the master project, with the NACA table of
// the program folder; the figures themselves are reported as counters.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/Fichier_Projet.h"
#include "rig/Bulbe.h"
#include "rig/Table_Naca.h"

using namespace gabarit;

namespace {

void BM_Volume_Et_Masse_Bulbe(benchmark::State &state) {
    auto e = std::make_unique<Etat_Projet>();
    e->Dossier_Programme = GABARIT_DATA_DIR;
    Lit_Fichier_Projet(e->Fichier_Programme("tov0.mas"), Projet_Courant(*e));
    Lit_Table_Naca(*e);
    float volume = 0;
    double masse = 0;
    for (auto _ : state) {
        volume = Volume_Bulbe(*e);
        masse = Masse_Bulbe(volume, REFERENCE_PLOMB);
        benchmark::DoNotOptimize(masse);
    }
    state.counters["volume_regle"] = volume;
    state.counters["masse_gmm"] = masse;
}
BENCHMARK(BM_Volume_Et_Masse_Bulbe)->Unit(benchmark::kNanosecond);

} // namespace
