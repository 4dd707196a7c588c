#include "shell/Fichier_Reglages.h"

namespace gabarit {

void Lit_Reglages(const std::string&, Etat_Projet&) { throw Erreur_Gabarit("Lit_Reglages : en construction"); }
void Ecrit_Reglages(const std::string&, const Etat_Projet&) {
    throw Erreur_Gabarit("Ecrit_Reglages : en construction");
}

} // namespace gabarit
