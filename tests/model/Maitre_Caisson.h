#pragma once
// A small master project for the assistant's tests: a box-sectioned hull whose shape values
// the assistant keeps, written as tov0.mas in a fresh folder.
#include <string>

#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"
#include "support/Chemins_Test.h"

namespace gabarit::test {

inline std::string Dossier_Maitre_Caisson() {
    Etat_Projet m;
    m.P(1) = 0;
    m.P(2) = 1000;
    m.P(3) = 2, m.P(4) = 2, m.P(11) = 2, m.P(12) = 2;
    m.P(5) = 50, m.P(14) = 50;
    m.P(6) = 100, m.P(15) = 100, m.P(21) = 100;
    m.P(10) = 500, m.P(9) = 500;
    m.P(107) = 1, m.P(108) = 1;
    m.P(162) = 50;
    m.P(250) = 12.345;
    for (int i = 1; i <= NB_VALEURS_PROJET; ++i)
        m.Texte_Projet[static_cast<std::size_t>(i)] = "Maitre " + std::to_string(i);
    const std::string d = Dossier_Temporaire();
    Ecrit_Fichier_Projet(d + "/tov0.mas", m);
    return d;
}

} // namespace gabarit::test
