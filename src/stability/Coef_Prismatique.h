#pragma once
// Prismatic coefficient of the immersed hull at the heel P(26).
#include "model/Etat_Projet.h"
#include "shell/Interface_Shell.h"

namespace gabarit {

void Calcul_Coef_Pris(Etat_Projet& e, Interface_Shell& shell);

} // namespace gabarit
