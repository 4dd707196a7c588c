// The heel series on the master project: in the core with its event yields stubbed, and from
// the main frame offscreen with real yields, the please-wait window and the lights.
#include <QApplication>

#include "Application_Banc.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Flottaison.h"
#include "platform/Boite_Message.h"
#include "platform/Dialogue_Fichier.h"
#include "shell/Serie_Gite.h"
#include "shell/fenetres/MDIForm1.h"

using namespace gabarit;

namespace {

// The stability window's two pictures, recorded.
struct Fenetres_Bench : Fenetres_Serie {
    Canvas_Enregistreur picture2{45, 38}, picture3{57, 38};
    Canvas &Picture2() override { return picture2; }
    Canvas *Picture3() override { return &picture3; }
};

void BM_Calcul_Gite_Serie(benchmark::State &state) {
    Etat_Projet maitre;
    maitre.Dossier_Programme = GABARIT_DATA_DIR;
    Lit_Fichier_Projet(maitre.Fichier_Programme("tov0.mas"), Projet_Courant(maitre));
    Shell_Enregistreur shell;
    Calcul_Tab(maitre);
    Calcul_Flottaison(maitre, shell);
    auto e = std::make_unique<Etat_Projet>();
    Fenetres_Bench f;
    for (auto _ : state) {
        state.PauseTiming();
        *e = maitre;
        shell.historique_statut1.clear();
        state.ResumeTiming();
        Calcul_Gite_Serie(*e, shell, f, Passes_Gite::Toutes);
        benchmark::DoNotOptimize(e->P(229));
    }
    state.counters["evenements"] =
        benchmark::Counter(shell.evenements, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Calcul_Gite_Serie)->Unit(benchmark::kMillisecond);

struct Dialogue_Annule : Dialogue_Fichier {
    QString Ouvre(QWidget *) override { return {}; }
    QString Sauve(QWidget *, const Refus_Fichier &) override { return {}; }
};

// What the user waits for: the toolbar key on the master, from the click to "Pret".
void BM_Calcul_Gite_Cadre(benchmark::State &state) {
    namespace fs = std::filesystem;
    const fs::path donnees = GABARIT_DATA_DIR;
    const fs::path dossier = fs::temp_directory_path() / "gabarit_bench_gite";
    fs::create_directories(dossier);
    for (const char *f : {"tov0.mas", "tov.ini", "nacaa.ini"})
        fs::copy_file(donnees / f, dossier / f, fs::copy_options::overwrite_existing);
    gabarit::banc::Application();
    Dialogue_Annule annule;
    Installe_Dialogue_Fichier(&annule);
    int messages = 0;
    Remplace_Boite_Message([&messages](const QString &t, int, const QString &) {
        if (++messages == 1)
            std::fprintf(stderr, "message : %s\n", qPrintable(t));
        return REPONSE_OK;
    });
    {
        Etat_Projet etat;
        etat.Dossier_Programme = dossier.string();
        etat.P(305) = 1;
        MDIForm1 cadre(etat);
        cadre.resize(1280, 800);
        cadre.MDIForm1_MDIForm_Load();
        QApplication::processEvents();
        for (auto _ : state) {
            cadre.MDIForm1_Toolbar1_ButtonClick(QStringLiteral("Calcul_Gite"));
            benchmark::DoNotOptimize(etat.P(229));
        }
    }
    if (messages > 0)
        state.SkipWithError("la serie a affiche un message");
    Installe_Dialogue_Fichier(nullptr);
    Remplace_Boite_Message({});
    fs::remove_all(dossier);
}
BENCHMARK(BM_Calcul_Gite_Cadre)->Unit(benchmark::kMillisecond);

} // namespace
