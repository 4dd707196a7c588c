#include "shell/Services_Projet.h"

#include "model/Carene.h"
#include "model/Initialisation.h"
#include "shell/Fichier_Reglages.h"
#include "shell/Projet_Lu.h"
#include "shell/Suivi_Commande.h"

namespace gabarit {

Services_Projet Services_Projet::Reels() {
    Services_Projet s;
    // An opened project replaces the current one only if the hull table can hold it and its
    // derived values can be worked out.
    s.lit_projet = Lit_Projet_Pris;
    s.ecrit_projet = Ecrit_Fichier_Projet;
    s.lit_reglages = Lit_Reglages;
    s.ecrit_reglages = Ecrit_Reglages;
    s.init_projet = Init_Projet;
    s.init_variables = Init_Variables;
    s.calcul_tab = Calcul_Tab;
    s.verifie_projet_lu = [](Etat_Projet &e, Interface_Shell &sh) { Verifie_Gites_Lus(e, sh); };
    return s;
}

Services_Projet &Services() {
    static Services_Projet s = Services_Projet::Reels();
    return s;
}

} // namespace gabarit
