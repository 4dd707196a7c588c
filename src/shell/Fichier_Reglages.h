#pragma once
// The settings file tov.ini: eleven lines, line j holding P(300 + j) in whole thousandths.
#include <string>

#include "model/Etat_Projet.h"

namespace gabarit {

// Reads the 11 lines into P(301) to P(311) only when all were read and every one is a
// number; throws Erreur_Gabarit naming the file otherwise (the record is then unchanged).
void Lit_Reglages(const std::string& chemin, Etat_Projet& e);
// Writes P(301) to P(311) atomically; throws Erreur_Gabarit naming the file on failure.
void Ecrit_Reglages(const std::string& chemin, const Etat_Projet& e);

} // namespace gabarit
