#pragma once
// The heeled floating position at the heel P(26).
#include "model/Etat_Projet.h"
#include "shell/Interface_Shell.h"

namespace gabarit {

// Returns false when the hull cannot be floated at that heel (message shown, record
// restored).
bool Calcul_Equilibre(Etat_Projet& e, Interface_Shell& shell);

} // namespace gabarit
