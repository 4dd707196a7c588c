#pragma once
// The settings file tov.ini: eleven lines, line j holding the record's value
// NB_VALEURS_PROJET + j (CALIBRE_IMP_H is line 1) in whole thousandths.
#include <string>

#include "model/Etat_Projet.h"

namespace gabarit {

// Reads the 11 lines into the settings values only when all were read and every one is a
// number; throws Erreur_Gabarit naming the file otherwise (the record is then unchanged).
void Lit_Reglages(const std::string &chemin, Etat_Projet &e);
// Writes the 11 settings values atomically; throws Erreur_Gabarit naming the file on failure.
void Ecrit_Reglages(const std::string &chemin, const Etat_Projet &e);

} // namespace gabarit
