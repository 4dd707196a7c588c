// The full-size section and the reduced sheer line of the master project onto the recording
// print surface (budget 100 ms each). Neither template lets events run beyond the recorder.
#include <benchmark/benchmark.h>
#include <stdexcept>

#include "interfaces/Shell_Enregistreur.h"
#include "interfaces/Surface_Impression.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Initialisation.h"
#include "printing/Calibration.h"
#include "printing/Impression_Couple.h"
#include "printing/Impression_Profils.h"

using namespace gabarit;

namespace {

Etat_Projet Maitre() {
    Etat_Projet e;
    e.Dossier_Programme = GABARIT_DATA_DIR;
    Shell_Enregistreur shell;
    Lit_Fichier_Projet(e.Fichier_Programme("tov0.mas"), Projet_Courant(e));
    Init_Projet(e, shell);
    Init_Variables(e, shell);
    Calcul_Tab(e);
    e.Nom_Projet = "tov0.mas";
    e.P(301) = e.P(302) = e.Echelle_Imp_H = e.Echelle_Imp_V = 56.7;
    return e;
}

// The widest section at the "bonne" step, 0.1 mm: the longest section walk.
void Couple_Pleine_Echelle(benchmark::State &state) {
    Etat_Projet e = Maitre();
    Shell_Enregistreur shell;
    for (auto _ : state) {
        Surface_Enregistreur s;
        e.X_Couple = e.P(2);
        if (!Lance_Impression_Couple(e, shell, s, true))
            throw std::runtime_error("section print failed");
        benchmark::DoNotOptimize(s.feuilles.back().traits.size());
    }
}
BENCHMARK(Couple_Pleine_Echelle)->Unit(benchmark::kMillisecond);

// The sheer line reduced onto 260 mm: one section every millimetre of the hull.
void Livet_Echelle_Reduite(benchmark::State &state) {
    Etat_Projet e = Maitre();
    for (auto _ : state) {
        Surface_Enregistreur s;
        Echelles_Reduites reduites(e);
        Imprime_Livet_Echelle(e, s);
        s.Fin_Document();
        benchmark::DoNotOptimize(s.feuilles.back().traits.size());
    }
}
BENCHMARK(Livet_Echelle_Reduite)->Unit(benchmark::kMillisecond);

} // namespace
