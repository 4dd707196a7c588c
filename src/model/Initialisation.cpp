#include "model/Initialisation.h"

namespace gabarit {

void Init_Projet(Etat_Projet&, Interface_Shell&) { throw Erreur_Gabarit("Init_Projet : en construction"); }
void Init_Variables(Etat_Projet&, Interface_Shell&) {
    throw Erreur_Gabarit("Init_Variables : en construction");
}

} // namespace gabarit
