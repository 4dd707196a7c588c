#include "model/Etat_Projet.h"

namespace gabarit {

// The refusals of the checked accesses, out of line so the accesses themselves inline.
void Table_Carene::Refuse_Indice() {
    throw Erreur_Gabarit("Table de carène : indice hors limites");
}

void Etat_Projet::Refuse_Numero(int n) {
    throw Erreur_Gabarit("Numéro de valeur hors limites : " + std::to_string(n));
}

} // namespace gabarit
