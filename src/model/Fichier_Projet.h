#pragma once
// The project file (*.cot, master *.mas): 300 records of three lines (number, value in
// whole thousandths, comment), CR LF, Windows-1252.
#include <array>
#include <string>

#include "model/Etat_Projet.h"

namespace gabarit {

// The three arrays a project file fills: the current project or the compared one.
struct Cible_Projet {
    std::array<double, NB_VALEURS + 1>& valeurs;
    std::array<std::string, NB_VALEURS_PROJET + 1>& textes;
    std::array<std::string, NB_VALEURS_PROJET + 1>& numeros;
};
inline Cible_Projet Projet_Courant(Etat_Projet& e) {
    return {e.Tab_Param, e.Texte_Projet, e.Num_Enreg};
}
inline Cible_Projet Projet_Compare(Etat_Projet& e) {
    return {e.Tab_Param_Compar, e.Texte_Projet2, e.Num_Enreg2};
}

// Reads the file into a temporary record and replaces values 1 to 300, the texts and the
// record numbers of the target only when all 900 lines were read. Throws Erreur_Gabarit
// with a French message naming the file otherwise; the target is then unchanged.
void Lit_Fichier_Projet(const std::string& chemin, Cible_Projet cible);
// Stamps text 300 with the version, then writes atomically (temporary file, rename).
// Throws Erreur_Gabarit naming the file on failure; the old file stays whole.
void Ecrit_Fichier_Projet(const std::string& chemin, Etat_Projet& e);

} // namespace gabarit
