#include "stability/Coef_Prismatique.h"

namespace gabarit {

void Calcul_Coef_Pris(Etat_Projet&, Interface_Shell&) {
    throw Erreur_Gabarit("Calcul_Coef_Pris : en construction");
}

} // namespace gabarit
