// Redrawing the four views at 1280x800, and the heeled equilibrium at each heel, with the
// shell's event yields stubbed by the recording shell.
#include <QApplication>
#include <QMdiArea>
#include <benchmark/benchmark.h>
#include <memory>

#include "../tests/views/fenetres/Projet_Essai.h"
#include "model/Equilibre.h"
#include "shell/fenetres/Contexte.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"
#include "views/fenetres/Redessine.h"

using namespace gabarit;

namespace {

QApplication &Application() {
    static int argc = 1;
    static char nom[] = "bench_vues";
    static char *argv[] = {nom, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

template <class W> void Ouvre(Contexte &ctx) {
    W &w = ctx.Fenetre<W>();
    w.Montre();
    // The picture fills the window: 1280 x 800 pixels of picture.
    w.Deplace(0, 0, 1280, 800);
    w.Cadre()->resize(w.Cadre()->size() + (QSize(1280, 800) - w.size()));
}

void BM_Redessine_Quatre_Vues(benchmark::State &state) {
    Application();
    auto e = essai::Projet_Essai();
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
    state.counters["largeur_px"] = ctx.Existante<ACoup>()->Picture1->width();
    state.counters["hauteur_px"] = ctx.Existante<ACoup>()->Picture1->height();
}
BENCHMARK(BM_Redessine_Quatre_Vues)->Unit(benchmark::kMillisecond);

void BM_Calcul_Equilibre(benchmark::State &state) {
    const double gite = static_cast<double>(state.range(0));
    auto e = essai::Projet_Essai();
    Shell_Enregistreur shell;
    e->P(26) = gite;
    const int k = static_cast<int>(gite / 5);
    for (auto _ : state) {
        e->P(186 + k) = 1;
        benchmark::DoNotOptimize(Calcul_Equilibre(*e, shell));
    }
    if (!shell.messages.empty())
        state.SetLabel(shell.messages.back().texte);
}
BENCHMARK(BM_Calcul_Equilibre)->DenseRange(0, 30, 5)->Unit(benchmark::kMillisecond);

} // namespace
