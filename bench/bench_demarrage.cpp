// Start-up of the main frame, splash excluded, to a checked master project: the frame built,
// the master and the settings read, the project initialised, the hull table built, the
// master's results worked out again on a copy and its lights painted. And that check alone,
// as every open runs it.
#include <QApplication>

#include "Application_Banc.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>

#include "Maitre_Banc.h"
#include "interfaces/Interface_Shell.h"
#include "interfaces/Shell_Muet.h"
#include "model/Carene.h"
#include "model/Initialisation.h"
#include "platform/Boite_Message.h"
#include "platform/Dialogue_Fichier.h"
#include "shell/Projet_Lu.h"
#include "shell/fenetres/MDIForm1.h"

namespace {

struct Dialogue_Annule : gabarit::Dialogue_Fichier {
    QString Ouvre(QWidget *) override { return {}; }
    QString Sauve(QWidget *, const gabarit::Refus_Fichier &) override { return {}; }
};

void BM_Demarrage_Maitre(benchmark::State &state) {
    namespace fs = std::filesystem;
    const fs::path donnees = GABARIT_DATA_DIR;
    if (!fs::exists(donnees / "tov0.mas")) {
        state.SkipWithError("tov0.mas absent de data/");
        return;
    }
    // A program folder of its own, so the settings written back never touch data/.
    const fs::path dossier = fs::temp_directory_path() / "gabarit_bench_demarrage";
    fs::create_directories(dossier);
    for (const char *f : {"tov0.mas", "tov.ini", "nacaa.ini"})
        fs::copy_file(donnees / f, dossier / f, fs::copy_options::overwrite_existing);

    gabarit::banc::Application();
    Dialogue_Annule annule;
    gabarit::Installe_Dialogue_Fichier(&annule);
    int messages = 0;
    gabarit::Remplace_Boite_Message([&messages](const QString &t, int, const QString &) {
        ++messages;
        if (messages == 1)
            std::fprintf(stderr, "message : %s\n", qPrintable(t));
        return gabarit::REPONSE_OK;
    });

    for (auto _ : state) {
        gabarit::Etat_Projet etat;
        etat.Dossier_Programme = dossier.string();
        etat.P(305) = 1;
        {
            gabarit::MDIForm1 cadre(etat);
            cadre.MDIForm1_MDIForm_Load();
            benchmark::DoNotOptimize(etat.P(13));
        }
    }
    if (messages > 0)
        state.SkipWithError("le demarrage a affiche un message");
    gabarit::Installe_Dialogue_Fichier(nullptr);
    gabarit::Remplace_Boite_Message({});
    fs::remove_all(dossier);
}
BENCHMARK(BM_Demarrage_Maitre)->Unit(benchmark::kMillisecond);

// The open's check of the master's seven green lights: the upright flotation and the heel
// series on a copy, every result compared with the file's.
void BM_Verifie_Gites_Lus(benchmark::State &state) {
    auto e = gabarit::banc::Maitre();
    e->Dossier_Programme = GABARIT_DATA_DIR;
    gabarit::Shell_Muet muet;
    gabarit::Init_Projet(*e, muet);
    gabarit::Init_Variables(*e, muet);
    gabarit::Calcul_Tab(*e);
    int vertes = 0;
    for (auto _ : state) {
        gabarit::Etat_Projet lu = *e;
        gabarit::Verifie_Gites_Lus(lu, muet);
        vertes = 0;
        for (int k = 0; k < gabarit::NB_GITES; ++k)
            vertes += lu.P(gabarit::Etat_Gite(k)) == 0;
    }
    state.counters["voyants_verts"] = vertes;
}
BENCHMARK(BM_Verifie_Gites_Lus)->Unit(benchmark::kMillisecond);

} // namespace
