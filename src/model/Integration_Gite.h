#pragma once
// Heeled sections: immersed area and wetted girth of the section at X_Couple, heel
// Gite_Couple, at that heel's waterline.
#include "model/Etat_Projet.h"

namespace gabarit {

// Sets Surface_Immergee, Surface_Immergee_1 and Surface_Immergee_2.
void Integre_Couple(Etat_Projet& e);
// Sets Perimetre_Mouille(_1, _2) and the immersed areas.
void Calcul_Surface_Couple(Etat_Projet& e);

} // namespace gabarit
