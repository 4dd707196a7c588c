#pragma once
// Total weight and centre of gravity of the onboard items, then the upright waterline.
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// Message shown when every weight is zero: there is nothing to float.
inline constexpr const char *MESSAGE_POIDS_NUL =
    "Le poids total est nul : indiquez au moins un poids avant le calcul du centrage.";

// Bulb station X_BULBE, total weight POIDS_TOTAL, centres of gravity CENTRE_GRAVITE_X along
// the hull and CENTRE_GRAVITE_Z in height, in that order. The bulb's height in the centre is
// its axis depth under the upright waterline the record holds (Profondeur_Axe_Bulbe), never
// the figure a drawing left. Refuses weights summing to zero, a bulb that cannot be placed
// (Erreur_Gabarit, nothing stored). Leaves the waterline alone.
void Calcul_Centre_Gravite(Etat_Projet &e);

// The derived values (Derive_Valeurs: the weights and centre of gravity among them), then the
// upright waterline for the new weight, and the derived values again on that waterline (the
// height of the centre, the sails' heights above the water), so the views drawn after it show
// the boat as it floats. A zero total weight is reported in a message box and ends the
// caller's chain (Erreur_Gabarit); another refusal of the derivation ends it untold.
void Calcul_Centrage(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
