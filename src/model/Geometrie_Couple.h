#pragma once
// The section geometry: the hull is defined by formulas, and this computes the transverse
// section at station X_Couple for the heel Gite_Couple from the record.
#include "model/Erreur.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// Sets Franc_Bord, Hauteur_Couple, Demi_Largeur_Couple, Demi_Largeur_Pont,
// Tirant_Eau_Couple, Cote_Livet, Exp_Forme_A and Exp_Forme_B of the state.
// Leaves X_Couple and Gite_Couple unchanged. Throws Erreur_Gabarit when the section
// cannot be computed (zero length, fractional power of a negative number, unknown heel).
void Calcul_Couple(Etat_Projet &e);

// How Demi_Largeur_Niveau takes the height ratio u = z / D: as it comes (a ratio that is not
// finite is left to the power), or refused at once when it is not finite (Divise's message).
enum class Quotient { Libre, Verifie };

// The section law: the half-breadth at the height z above the keel of a section of depth D,
// sheer half-breadth B and shape coefficients (a, b) is B u^(a + b u), with u = z / D. A
// section of no depth (the bow point) has no height to scale by: u is then z itself. Throws
// Erreur_Gabarit, as Puissance does, when the power cannot be computed.
inline double Demi_Largeur_Niveau(double z, double D, double B, double a, double b,
                                  Quotient quotient = Quotient::Libre) {
    const double u = D == 0 ? z : quotient == Quotient::Verifie ? Divise(z, D) : z / D;
    return B * Puissance(u, a + b * u);
}

} // namespace gabarit
