#include "model/Equilibre.h"

namespace gabarit {

bool Calcul_Equilibre(Etat_Projet&, Interface_Shell&) {
    throw Erreur_Gabarit("Calcul_Equilibre : en construction");
}

} // namespace gabarit
