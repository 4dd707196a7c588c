// Weights and centre of gravity, the prismatic coefficient and the assistant's whole build,
// on the master project.
#include <benchmark/benchmark.h>

#include <memory>

#include "interfaces/Canvas.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Flottaison.h"
#include "shell/Assistant.h"
#include "stability/Centrage.h"
#include "stability/Coef_Prismatique.h"

using namespace gabarit;

namespace {

std::unique_ptr<Etat_Projet> Maitre_Flottant() {
    auto e = std::make_unique<Etat_Projet>();
    e->Dossier_Programme = GABARIT_DATA_DIR;
    Lit_Fichier_Projet(e->Fichier_Programme("tov0.mas"), Projet_Courant(*e));
    Shell_Enregistreur shell;
    Calcul_Tab(*e);
    Calcul_Flottaison(*e, shell);
    return e;
}

// Every weights, hull-form and appendage validation runs it.
void BM_Calcul_Centrage(benchmark::State &state) {
    auto e = Maitre_Flottant();
    Shell_Enregistreur shell;
    for (auto _ : state) {
        Calcul_Centrage(*e, shell);
        shell.historique_statut1.clear();
    }
}
BENCHMARK(BM_Calcul_Centrage)->Unit(benchmark::kMicrosecond);

// One heel of the series: 81 stations and the scale section; the events are stubbed.
void BM_Calcul_Coef_Pris(benchmark::State &state) {
    auto e = Maitre_Flottant();
    Shell_Enregistreur shell;
    Canvas_Enregistreur image(120, 60);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calcul_Coef_Pris(*e, shell, &image, state.range(0) != 0));
        shell.historique_statut1.clear();
    }
}
BENCHMARK(BM_Calcul_Coef_Pris)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// "Terminer": master read, derived values, initialisation, table, weights and waterline.
void BM_Assistant(benchmark::State &state) {
    auto e = Maitre_Flottant();
    Shell_Enregistreur shell;
    for (auto _ : state) {
        const Resultat_Assistant r = Cree_Nouveau_Projet(*e, shell, 1234, Type_Carene::Normal);
        benchmark::DoNotOptimize(r.etat);
        shell.historique_statut1.clear();
    }
}
BENCHMARK(BM_Assistant)->Unit(benchmark::kMicrosecond);

} // namespace
