#include "model/Integration_Gite.h"

namespace gabarit {

void Integre_Couple(Etat_Projet&) { throw Erreur_Gabarit("Integre_Couple : en construction"); }
void Calcul_Surface_Couple(Etat_Projet&) {
    throw Erreur_Gabarit("Calcul_Surface_Couple : en construction");
}

} // namespace gabarit
