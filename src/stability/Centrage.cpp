#include "stability/Centrage.h"

namespace gabarit {

void Calcul_Centrage(Etat_Projet&, Interface_Shell&) {
    throw Erreur_Gabarit("Calcul_Centrage : en construction");
}

} // namespace gabarit
