#pragma once
// Total weight and centre of gravity of the onboard items, then the upright waterline.
#include "model/Etat_Projet.h"
#include "shell/Interface_Shell.h"

namespace gabarit {

void Calcul_Centrage(Etat_Projet& e, Interface_Shell& shell);

} // namespace gabarit
