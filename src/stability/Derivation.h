#pragma once
// The values the project derives from others (the list Numeros_Derives of model/Resultats.h),
// worked out in this one place, on every path: after a command that changed what they follow
// from, at every read of a file, for the assistant's new boat, and around the upright
// flotation of the centring. The same boat gives the same figures, whatever window is open or
// was drawn before.
#include <vector>

#include "model/Etat_Projet.h"

namespace gabarit {

// Works out every derived value from the record, each to the thousandth a file keeps: the
// total weight and the centres of gravity with the bulb's station (the height from the bulb's
// depth under the upright waterline, never from the depth a drawing left), the bulb height its
// side-view profiles and length give, the sail plan's areas, centroids and centre of effort
// for the plan the record uses (Calcul_Figures_Voilure), and the appendages' areas, aspect
// ratios, the areas the sail asks of them and the centre of lateral resistance
// (Calcul_Appendices). Refuses (Erreur_Gabarit naming what to change, nothing stored) weights
// summing to zero, a bulb profile outside the table, a sail plan whose figures cannot be worked
// out (Verifie_Voilure), a figure no file can hold. Returns the records it changed, to the
// thousandth, in increasing order.
std::vector<int> Derive_Valeurs(Etat_Projet &e);

// The records the derived values are worked from, and the derived ones themselves
// (Sources_Derives and Numeros_Derives): when a command changed one of them, the derived values
// are worked out again.
const std::vector<int> &Numeros_Derivation();

} // namespace gabarit
