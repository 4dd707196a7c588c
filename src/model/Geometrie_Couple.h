#pragma once
// The section geometry: the hull is defined by formulas, and this computes the transverse
// section at station X_Couple for the heel Gite_Couple from the record.
#include "model/Etat_Projet.h"

namespace gabarit {

// Sets Franc_Bord, Hauteur_Couple, Demi_Largeur_Couple, Demi_Largeur_Pont,
// Tirant_Eau_Couple, Cote_Livet, Exp_Forme_A and Exp_Forme_B of the state.
// Leaves X_Couple and Gite_Couple unchanged. Throws Erreur_Gabarit when the section
// cannot be computed (zero length, fractional power of a negative number, unknown heel).
void Calcul_Couple(Etat_Projet& e);

} // namespace gabarit
