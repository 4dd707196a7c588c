#include "model/Geometrie_Couple.h"

namespace gabarit {

void Calcul_Couple(Etat_Projet&) { throw Erreur_Gabarit("Calcul_Couple : en construction"); }

} // namespace gabarit
