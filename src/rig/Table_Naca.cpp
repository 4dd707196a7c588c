#include "rig/Table_Naca.h"

namespace gabarit {

void Lit_Table_Naca(Etat_Projet&) { throw Erreur_Gabarit("Lit_Table_Naca : en construction"); }

} // namespace gabarit
