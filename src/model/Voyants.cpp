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

Garde_Gites::~Garde_Gites() {
    try {
        bool repeint = false;
        for (int k = 0; k < NB_GITES; ++k)
            if (!fait[static_cast<std::size_t>(k)] && e_.P(Etat_Gite(k)) != 1) {
                e_.P(Etat_Gite(k)) = 1;
                repeint = true;
            }
        if (repeint)
            Affiche_Voyants(e_, s_);
    } catch (...) {
        // A guard runs while a refusal unwinds: painting the lights must not end the program.
    }
}

} // namespace gabarit
