#include "model/Voyants.h"

namespace gabarit {

void Affiche_Voyants(const Etat_Projet &e, Interface_Shell &shell) {
    std::array<int, 7> couleurs{};
    for (int k = 0; k < 7; ++k)
        couleurs[static_cast<std::size_t>(k)] =
            e.P(Etat_Gite(k)) == 1 ? COULEUR_ROUGE : COULEUR_VERTE;
    shell.Peint_Voyants(couleurs);
}

void Invalide_Calculs(Etat_Projet &e, Interface_Shell &shell) {
    for (int k = 0; k < 7; ++k)
        e.P(Etat_Gite(k)) = 1;
    Affiche_Voyants(e, shell);
}

} // namespace gabarit
