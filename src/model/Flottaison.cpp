#include "model/Flottaison.h"

namespace gabarit {

bool Calcul_Flottaison(Etat_Projet&, Interface_Shell&) {
    throw Erreur_Gabarit("Calcul_Flottaison : en construction");
}

} // namespace gabarit
