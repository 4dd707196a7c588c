#pragma once
// Two hand-made projects for the comparison, every compared value distinct, so a swapped
// record number shows. Gaps of the current project A against the compared project B,
// worked out by hand as floor(100 A / B) - 100:
//   length 1200 / 1000 -> 20 %, half-breadth 105 / 100 -> 5 %, depth 97 / 100 -> -3 %,
//   weight 1100 / 1000 -> 10 %, sail 4600 / 4000 -> 15 %,
//   sail per gram (4600 / 1100) / (4000 / 1000) = 1.04545 -> 4 %,
//   sail per moment: moments sum 255000 / 4600 = 55.43478 against 245000 / 4000 = 61.25
//   -> 90.506 - 100 -> -10 %.
// Righting moments 0..30 degrees (g mm) and their gaps:
//   A 0, 11000, 30000, 45000, 52000, 57000, 60000
//   B 0, 10000, 20000, 40000, 50000, 60000, 65000 -> 0 (1 / 1), 10, 50, 12, 4, -5, -8 %.
// Wetted surfaces (1000 mm2): A from 150.5 to 168.9, B from 145.2 to 162.4.
#include <memory>
#include <string>

#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/Version.h"
#include "stability/Derivation.h"
#include "support/Coques_Essai.h"

namespace gabarit::test {

inline constexpr double MOMENTS_A[7] = {0, 11000, 30000, 45000, 52000, 57000, 60000};
inline constexpr double MOMENTS_B[7] = {0, 10000, 20000, 40000, 50000, 60000, 65000};
inline constexpr double SURFACES_A[7] = {150.5, 152.25, 155, 158.75, 163, 166.5, 168.9};
inline constexpr double SURFACES_B[7] = {145.2, 147, 150, 154, 158, 161, 162.4};

// Fills a record of values 1 to 311 with the project A or B, every heel result computed: a
// box-like hull the open takes, its weight carried by the hull alone, its derived values
// worked out (so those the open works out are the ones written). The sail area: a mainsail of
// luff 110 and foot 8 with a straight leech (widths 0 to 8, summed 36, 110 x 36 / 11 = 360
// mm2) and a jib of foot 80 and luff 106 (A: 4240 mm2) or 91 (B: 3640 mm2).
inline void Remplit_Projet(std::array<double, NB_VALEURS + 1> &t, bool a) {
    auto e =
        std::make_unique<Etat_Projet>(Coque_Caisson(a ? 1200 : 1000, a ? 105 : 100, a ? 97 : 100));
    e->P(LONGUEUR_AV) = a ? 700 : 520;
    e->P(LONGUEUR_AR) = a ? 500 : 480;
    e->P(POIDS_CARENE) = a ? 1100 : 1000;
    e->P(X_CARENE) = a ? 600 : 500;
    e->P(HAUTEUR_GV) = 150, e->P(ENTRE_PONT_GV) = 40, e->P(LARGEUR_GV) = 8;
    e->P(EXP_CHUTE_GV) = 1;
    e->P(ENTRE_PONT_FOC) = 40, e->P(LARGEUR_FOC) = 80;
    e->P(HAUTEUR_FOC) = 40 + (a ? 106 : 91);
    Derive_Valeurs(*e);
    t = e->Tab_Param;
    for (int k = 0; k < NB_GITES; ++k) {
        t[static_cast<std::size_t>(Etat_Gite(k))] = 0;
        t[static_cast<std::size_t>(Moment_Redressement(k))] = a ? MOMENTS_A[k] : MOMENTS_B[k];
        t[static_cast<std::size_t>(Surface_Mouillee_Gite(k))] = a ? SURFACES_A[k] : SURFACES_B[k];
    }
}

// A as the current project, B as the compared one, both of this version.
inline void Projets_A_B(Etat_Projet &e) {
    Remplit_Projet(e.Tab_Param, true);
    Remplit_Projet(e.Tab_Param_Compar, false);
    e.Texte_Projet[NB_VALEURS_PROJET] = Texte_Version();
    e.Texte_Projet2[NB_VALEURS_PROJET] = Texte_Version();
}

// Writes project B as a project file with another weight, its results at heel 5k out of date
// when k >= 0.
inline void Ecrit_Projet_B(const std::string &chemin, double poids, int perime = -1) {
    Etat_Projet p;
    Remplit_Projet(p.Tab_Param, false);
    p.P(POIDS_TOTAL) = p.P(POIDS_CARENE) = poids;
    if (perime >= 0)
        p.P(Etat_Gite(perime)) = 1;
    Ecrit_Fichier_Projet(chemin, p);
}

// Writes project A (a) or B as a project file, its version text then replaced by `version`.
inline void Ecrit_Projet_Compare(const std::string &chemin, bool a,
                                 const std::string &version = Texte_Version()) {
    Etat_Projet p;
    Remplit_Projet(p.Tab_Param, a);
    Ecrit_Fichier_Projet(chemin, p);
    if (version != Texte_Version()) {
        p.Texte_Projet[NB_VALEURS_PROJET] = version;
        // The writer stamps its own version: write the text line by hand.
        std::string contenu;
        for (int i = 1; i <= NB_VALEURS_PROJET; ++i)
            contenu += Texte_Entier(i) + "\r\n" + Texte_Milliemes(p.P(i)) + "\r\n" +
                       (i == NB_VALEURS_PROJET ? version : "") + "\r\n";
        Ecrit_Fichier_Atomique(chemin, contenu);
    }
}

// A current as "bateau.cot", B written as the master of the program folder `dossier`, which
// is the compared file at start.
inline void A_Contre_B_Maitre(Etat_Projet &e, const std::string &dossier) {
    Projets_A_B(e);
    e.Nom_Projet = "bateau.cot";
    Ecrit_Projet_Compare(dossier + "/tov0.mas", false);
    e.Nom_Compar = "tov0.mas";
}

} // namespace gabarit::test
