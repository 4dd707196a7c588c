#pragma once
// The upright waterline: the upright freeboards (stern and bow) are moved 1 mm at a time until
// the volume read from the hull table matches the total weight.
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// Who tells the user that a floating position could not be found: the run itself, with its box
// "Calcul de flottaison impossible", or the series it belongs to, which names every heel that
// could not float in one box.
enum class Echec_Flottaison { Message, Silence };

// Returns false when the hull cannot be floated ("Calcul de flottaison impossible" shown,
// freeboards put back as they were). On every way out but success (a refusal included) the
// upright results are out of date: Etat_Gite(0) is 1 and its light red.
bool Calcul_Flottaison(Etat_Projet &e, Interface_Shell &shell);
// The same, telling nothing when no position is found (the caller tells it).
bool Calcul_Flottaison_Muette(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
