#include "model/Fichier_Projet.h"

namespace gabarit {

void Lit_Fichier_Projet(const std::string&, Cible_Projet) {
    throw Erreur_Gabarit("Lit_Fichier_Projet : en construction");
}
void Ecrit_Fichier_Projet(const std::string&, Etat_Projet&) {
    throw Erreur_Gabarit("Ecrit_Fichier_Projet : en construction");
}

} // namespace gabarit
