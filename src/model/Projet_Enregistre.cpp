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

namespace {
// Whether value n of two records differ as `meme` tells, or comment n; working settings
// aside.
template <class Valeurs_A, class Valeurs_B, class Textes, class Meme>
bool Differe(const Valeurs_A &a, const Textes &ta, const Valeurs_B &b, const Textes &tb,
             Meme meme) {
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (!Valeur_De_Travail(n) && !meme(a[i], b[i]))
            return true;
        // Record 300's comment is the version stamp, set again at every read and save.
        if (n < NB_VALEURS_PROJET && ta[i] != tb[i])
            return true;
    }
    return false;
}
} // namespace

bool Projet_Change(const Etat_Projet &avant, const Etat_Projet &apres) {
    return Differe(avant.Tab_Param, avant.Texte_Projet, apres.Tab_Param, apres.Texte_Projet,
                   [](double a, double b) { return a == b; });
}

bool Reglage_Des_Calculs(int n) {
    switch (n) {
    case ANGLE_GITE:
    case PAS_HORIZONTAL:
    case PAS_VERTICAL:
    case NB_PAS_HORIZONTAL:
        return true;
    default:
        return false;
    }
}

bool Change_Sous_Calcul(const Etat_Projet &avant, const Etat_Projet &apres) {
    if (Projet_Change(avant, apres))
        return true;
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n)
        if (Reglage_Des_Calculs(n) && avant.P(n) != apres.P(n))
            return true;
    return false;
}

void Marque_Enregistre(Etat_Projet &e) {
    e.Enregistre.pris = true;
    e.Enregistre.sans_fichier = false;
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        const auto i = static_cast<std::size_t>(n);
        e.Enregistre.valeurs[i] = e.Tab_Param[i];
        e.Enregistre.textes[i] = e.Texte_Projet[i];
    }
}

void Marque_Non_Enregistre(Etat_Projet &e) {
    Marque_Enregistre(e);
    e.Enregistre.sans_fichier = true;
}

bool Projet_Modifie(const Etat_Projet &e) {
    return e.Enregistre.pris &&
           (e.Enregistre.sans_fichier || Differe(e.Enregistre.valeurs, e.Enregistre.textes,
                                                 e.Tab_Param, e.Texte_Projet, Meme_Milliemes));
}

bool Projet_Sans_Fichier(const Etat_Projet &e) {
    return e.Enregistre.pris && e.Enregistre.sans_fichier;
}

} // namespace gabarit
