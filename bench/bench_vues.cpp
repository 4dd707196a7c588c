// Redrawing the four views at 1280x800, and the heeled equilibrium at each heel, with the
// shell's event yields stubbed by the recording shell.
#include <QApplication>

#include "Application_Banc.h"
#include <QMdiArea>
#include <benchmark/benchmark.h>
#include <memory>

#include "../tests/views/fenetres/Projet_Essai.h"
#include "fenetres/Contexte.h"
#include "model/Equilibre.h"
#include "model/Fichier_Projet.h"
#include "model/Initialisation.h"
#include "stability/Centrage.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"
#include "views/fenetres/Redessine.h"

using namespace gabarit;

namespace {

// One application object for the whole benchmark program (another benchmark may have made it).
// The master project, read and floated as the start-up does; the hand-made yacht of the
// view tests when the master cannot be read.
std::unique_ptr<Etat_Projet> Projet(bool &maitre) {
    auto e = std::make_unique<Etat_Projet>();
    e->Dossier_Programme = GABARIT_DATA_DIR;
    Shell_Enregistreur shell;
    try {
        Lit_Fichier_Projet(e->Fichier_Programme("tov0.mas"), Projet_Courant(*e));
        Init_Projet(*e, shell);
        Init_Variables(*e, shell);
        Calcul_Tab(*e);
        Calcul_Centrage(*e, shell);
        maitre = shell.messages.empty();
        if (maitre)
            return e;
    } catch (const std::exception &) {
    }
    maitre = false;
    return essai::Projet_Essai();
}

template <class W> void Ouvre(Contexte &ctx) {
    W &w = ctx.Fenetre<W>();
    w.Montre();
    // The picture fills the window: 1280 x 800 pixels of picture.
    w.Deplace(0, 0, 1280, 800);
    w.Cadre()->resize(w.Cadre()->size() + (QSize(1280, 800) - w.size()));
}

void BM_Redessine_Quatre_Vues(benchmark::State &state) {
    banc::Application();
    bool maitre = false;
    auto e = Projet(maitre);
    Shell_Enregistreur shell;
    QMdiArea zone;
    zone.resize(1400, 900);
    zone.show();
    Contexte ctx(*e, shell, &zone);
    Ouvre<AVoile>(ctx);
    Ouvre<AProfile>(ctx);
    Ouvre<ADeplacement>(ctx);
    Ouvre<ACoup>(ctx);
    QApplication::processEvents();
    bool echec = false;
    for (auto _ : state) {
        try {
            Redessine_Tout(ctx);
        } catch (const Erreur_Gabarit &err) {
            // Placeholder drawings stop at their first step.
            echec = true;
        }
    }
    if (echec)
        state.SetLabel("drawings not all built");
    else
        state.SetLabel(maitre ? "tov0.mas" : "test yacht");
    state.counters["largeur_px"] = ctx.Existante<ACoup>()->Picture1->width();
    state.counters["hauteur_px"] = ctx.Existante<ACoup>()->Picture1->height();
}
BENCHMARK(BM_Redessine_Quatre_Vues)->Unit(benchmark::kMillisecond);

void BM_Calcul_Equilibre(benchmark::State &state) {
    const double gite = static_cast<double>(state.range(0));
    bool maitre = false;
    auto e = Projet(maitre);
    Shell_Enregistreur shell;
    e->P(26) = gite;
    const int k = static_cast<int>(gite / 5);
    for (auto _ : state) {
        e->P(186 + k) = 1;
        benchmark::DoNotOptimize(Calcul_Equilibre(*e, shell));
    }
    state.SetLabel(!shell.messages.empty() ? shell.messages.back().texte
                   : maitre                ? "tov0.mas"
                                           : "test yacht");
}
BENCHMARK(BM_Calcul_Equilibre)->DenseRange(0, 30, 5)->Unit(benchmark::kMillisecond);

} // namespace
