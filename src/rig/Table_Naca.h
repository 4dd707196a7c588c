#pragma once
// The NACA profile table nacaa.ini: 40 profiles of 29 numbers.
#include <string>

#include "model/Etat_Projet.h"

namespace gabarit {

// Reads "nacaa.ini" of the program folder into Table_Naca; fills Stations_Naca always.
// A missing or short file leaves Table_Naca as it was and throws Erreur_Gabarit naming it.
void Lit_Table_Naca(Etat_Projet &e);
// Puts the 26 chord stations of the ordinates (% of chord from the nose) in Stations_Naca.
void Pose_Stations_Naca(Etat_Projet &e);

} // namespace gabarit
