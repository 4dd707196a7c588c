#pragma once
// Stand-ins for the project and settings operations, so the shell's sequences can be driven
// with files that are missing, damaged or unwritable. A fake project file holds one number
// (value 1) and the flags line; a fake settings file holds eleven thousandths.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "shell/Services_Projet.h"
#include "support/Chemins_Test.h"
#include "support/Coques_Essai.h"

namespace gabarit::test {

struct Faux_Services {
    std::vector<std::string> journal;
    bool naca_absent = false;
    bool reglages_bloques = false; // every settings write fails
    bool projet_bloque = false;    // every project write fails

    static void Ecrit_Projet_Faux(const std::string &chemin, double valeur1) {
        std::ofstream f(chemin, std::ios::binary);
        f << valeur1 << "\n";
    }

    void Installe() {
        Services_Projet &s = Services();
        s.lit_projet = [this](const std::string &chemin, Etat_Projet &p) {
            journal.push_back("lit_projet " + std::filesystem::path(chemin).filename().string());
            std::ifstream f(chemin, std::ios::binary);
            double v = 0;
            if (!f || !(f >> v))
                throw Erreur_Gabarit("Fichier projet illisible : " + chemin);
            p.P(1) = v;
            p.P(POIDS_CARENE) = 1000; // a weight to float, as every project has
            p.Texte_Projet[300] = "Version 2.2.9";
        };
        s.ecrit_projet = [this](const std::string &chemin, Etat_Projet &e) {
            journal.push_back("ecrit_projet");
            if (projet_bloque)
                throw Erreur_Gabarit("Ecriture impossible : " + chemin);
            Ecrit_Projet_Faux(chemin, e.P(1));
        };
        s.lit_reglages = [this](const std::string &chemin, Etat_Projet &e) {
            journal.push_back("lit_reglages");
            std::ifstream f(chemin);
            double v[11];
            for (double &x : v)
                if (!(f >> x))
                    throw Erreur_Gabarit("Fichier de reglages illisible : " + chemin);
            for (int j = 0; j < 11; ++j)
                e.P(301 + j) = v[j] / 1000;
        };
        s.ecrit_reglages = [this](const std::string &chemin, const Etat_Projet &e) {
            journal.push_back("ecrit_reglages");
            if (reglages_bloques)
                throw Erreur_Gabarit("Ecriture impossible : " + chemin);
            std::ofstream f(chemin, std::ios::binary);
            for (int j = 0; j < 11; ++j)
                f << " " << static_cast<long long>(e.P(301 + j) * 1000 + 1e-6) << " \r\n";
        };
        s.init_projet = [this](Etat_Projet &, Interface_Shell &) {
            journal.push_back("init_projet");
        };
        s.init_variables = [this](Etat_Projet &e, Interface_Shell &sh) {
            journal.push_back("init_variables");
            e.Nom_Compar = "tov0.mas";
            sh.Texte_Statut(2, "TB_ET");
            if (naca_absent)
                throw Erreur_Gabarit("Fichier introuvable : nacaa.ini");
        };
        s.calcul_tab = [this](Etat_Projet &) { journal.push_back("calcul_tab"); };
        // The check of a project just read: the file's lights stand as they are.
        s.verifie_projet_lu = [this](Etat_Projet &, Interface_Shell &) {
            journal.push_back("verifie_projet_lu");
        };
    }
    ~Faux_Services() { Services() = Services_Projet::Reels(); }

    bool A_Fait(const std::string &quoi) const {
        for (const auto &j : journal)
            if (j == quoi)
                return true;
        return false;
    }
};

// A temporary program folder with a fake master and the settings given, the fakes in place,
// every floating result out of date.
class Dossier_Faux : public ::testing::Test {
protected:
    void Prepare(const std::string &reglages) {
        dossier = Dossier_Temporaire();
        e.Dossier_Programme = dossier;
        faux.Installe();
        Faux_Services::Ecrit_Projet_Faux(dossier + "/tov0.mas", 1);
        Ecrit_Octets(ini(), reglages);
        Resultats_Perimes(e);
    }
    std::string ini() const { return dossier + "/tov.ini"; }
    bool A_Fait(const std::string &quoi) const { return faux.A_Fait(quoi); }

    std::string dossier;
    Etat_Projet e;
    Faux_Services faux;
};

} // namespace gabarit::test
