#include "model/Projet_Enregistre.h"

#include "model/Fichier_Projet.h"

namespace gabarit {

bool Valeur_De_Travail(int n) {
    switch (n) {
    case ECHELLE_VUE:
    case ANGLE_GITE:
    case PAS_HORIZONTAL:
    case ANGLE_ROTATION:
    case PAS_VERTICAL:
    case ORIGINE_Y:
    case ORIGINE_X:
    case NB_PAS_HORIZONTAL:
        return true;
    default:
        return false;
    }
}

bool Valeur_De_Dernier_Calcul(int n) {
    switch (n) {
    case CENTRE_GRAVITE_Y:
    case Y_BULBE:
    case COEF_PRISMATIQUE:
    case X_BULBE:
    case Z_BULBE:
    case Z_BULBE_BAS:
    case ITEM_HAUTEUR:
    case ITEM_LATERAL:
    case ZERO_EQUILIBRE:
    case ZERO_INITIALISATION:
    case ZERO_APPENDICES:
    case ZERO_CENTRAGE:
    case MARQUE_SERIE:
        return true;
    default:
        return false;
    }
}

void Marque_Enregistre(Etat_Projet &e) {
    e.Enregistre.pris = true;
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        const auto i = static_cast<std::size_t>(n);
        e.Enregistre.valeurs[i] = e.Tab_Param[i];
        e.Enregistre.textes[i] = e.Texte_Projet[i];
    }
}

bool Projet_Modifie(const Etat_Projet &e) {
    if (!e.Enregistre.pris)
        return false;
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (!Valeur_De_Travail(n) && !Valeur_De_Dernier_Calcul(n) &&
            !Meme_Milliemes(e.Tab_Param[i], e.Enregistre.valeurs[i]))
            return true;
        // Record 300's comment is the version stamp, set again at every read and save.
        if (n < NB_VALEURS_PROJET && e.Texte_Projet[i] != e.Enregistre.textes[i])
            return true;
    }
    return false;
}

} // namespace gabarit
