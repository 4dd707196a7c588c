#include "model/Carene.h"

namespace gabarit {

void Init_Tab(Etat_Projet& e) { e.Tab_Carene.Vide(); }
void Calcul_Tab(Etat_Projet&) { throw Erreur_Gabarit("Calcul_Tab : en construction"); }

} // namespace gabarit
