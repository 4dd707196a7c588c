#include "shell/Services_Projet.h"

#include "model/Acceptation_Projet.h"
#include "model/Carene.h"
#include "model/Flottaison.h"
#include "model/Initialisation.h"
#include "shell/Fichier_Reglages.h"

namespace gabarit {

Services_Projet Services_Projet::Reels() {
    Services_Projet s;
    // An opened project replaces the current one only if the hull table can hold it.
    s.lit_projet = Lit_Projet_Accepte;
    s.ecrit_projet = Ecrit_Fichier_Projet;
    s.lit_reglages = Lit_Reglages;
    s.ecrit_reglages = Ecrit_Reglages;
    s.init_projet = Init_Projet;
    s.init_variables = Init_Variables;
    s.calcul_tab = Calcul_Tab;
    s.calcul_flottaison = Calcul_Flottaison;
    return s;
}

Services_Projet &Services() {
    static Services_Projet s = Services_Projet::Reels();
    return s;
}

} // namespace gabarit
