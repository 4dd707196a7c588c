#pragma once
// The master project: the one of data/, read as the start-up reads it, and a small box-hull
// master written in a fresh program folder for the assistant's tests.
#include <string>

#include "interfaces/Interface_Shell.h"
#include "model/Carene.h"
#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"
#include "model/Initialisation.h"
#include "rig/Table_Naca.h"
#include "support/Chemins_Test.h"
#include "support/Coques_Essai.h"

namespace gabarit::test {

inline std::string Chemin_Maitre() { return Dossier_Donnees() + "/tov0.mas"; }

// data/ as the program folder, its master project read into e.
inline void Lit_Maitre(Etat_Projet &e) {
    e.Dossier_Programme = Dossier_Donnees();
    Lit_Fichier_Projet(e.Fichier_Programme("tov0.mas"), Projet_Courant(e));
}

// The master as the start-up leaves it before floating it: the NACA table read, the master
// read, initialised, tabulated.
inline void Prepare_Maitre(Etat_Projet &e, Interface_Shell &s) {
    e.Dossier_Programme = Dossier_Donnees();
    Lit_Table_Naca(e);
    Lit_Maitre(e);
    Init_Projet(e, s);
    Init_Variables(e, s);
    Calcul_Tab(e);
}

// A fresh folder holding a box-sectioned master (the shape values the assistant keeps, a hull
// weight, and a comment on every line) as tov0.mas.
inline std::string Dossier_Maitre_Caisson() {
    Etat_Projet m = Coque_Caisson();
    m.P(162) = 50;
    m.P(57) = 500; // a hull weight: a master always floats something
    m.P(37) = 2;   // the vertical step every read puts back
    m.P(250) = 12.345;
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i)
        m.Texte_Projet[static_cast<std::size_t>(i)] = "Maitre " + std::to_string(i);
    const std::string d = Dossier_Temporaire();
    Ecrit_Fichier_Projet(d + "/tov0.mas", m);
    return d;
}

} // namespace gabarit::test
