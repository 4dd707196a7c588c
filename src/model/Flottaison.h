#pragma once
// The upright waterline: the upright freeboards (stern and bow) are moved 1 mm at a time until
// the volume read from the hull table matches the total weight.
#include "model/Etat_Projet.h"
#include "interfaces/Interface_Shell.h"

namespace gabarit {

// Returns false when the hull cannot be floated ("Calcul de flottaison impossible" shown,
// freeboards put back as they were).
bool Calcul_Flottaison(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
