#include "shell/Assistant.h"

#include <cmath>
#include <memory>

#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Initialisation.h"
#include "model/Numeros.h"
#include "model/Projet_Enregistre.h"
#include "model/Voyants.h"
#include "shell/Demarrage.h"
#include "shell/Projet_Lu.h"
#include "shell/Suivi_Commande.h"
#include "stability/Centrage.h"

namespace gabarit {

namespace {
// Per-type factors given in single precision: 1.2f is 1.2000000477, and that last digit
// decides roundings such as 120 / 1.2f = 99.9999960, which falls to 90.
double Simple(float f) { return static_cast<double>(f); }

struct Facteurs {
    double largeur_max, largeur_ta, hauteur_mat, chute_gv, largeur_gv, hauteur_foc, largeur_foc;
};

Facteurs Facteurs_Type(Type_Carene t) {
    switch (t) {
    case Type_Carene::Large:
        return {10, Simple(1.2f), Simple(1.4f), 4, Simple(2.8f), 7, Simple(0.4f)};
    case Type_Carene::Fin:
        return {5, 3, Simple(1.2f), 2, 3.5, 6, Simple(0.3f)};
    case Type_Carene::Normal:
    default:
        return {7, 2, Simple(1.3f), 2, 3, 6.5, Simple(0.35f)};
    }
}
} // namespace

namespace {
// Every value of the project, working settings aside, to the thousandth a file keeps.
void Coupe_Aux_Milliemes(Etat_Projet &e) {
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n)
        if (!Valeur_De_Travail(n))
            e.P(n) = Valeur_Fichier(e.P(n));
}
} // namespace

double Arrondi_Dizaine(double x) { return Fix(x / 10) * 10; }

Type_Carene Type_Impose(double longueur, Type_Carene choisi) {
    return longueur < 800 ? Type_Carene::Large : choisi;
}

bool Longueur_Acceptee(double longueur) {
    return longueur >= LONGUEUR_MIN_ASSISTANT && longueur <= LONGUEUR_MAX_ASSISTANT;
}

void Derive_Valeurs_Assistant(Etat_Projet &e, double L, Type_Carene type) {
    const auto F = Arrondi_Dizaine;
    const Facteurs k = Facteurs_Type(type);

    // Hull: widest station a little aft of mid-length, deepest station further forward.
    e.P(LONGUEUR_AR) = F(L / 2.1);
    e.P(LONGUEUR_AV) = F(L - e.P(LONGUEUR_AR));
    e.P(POSITION_COUPLE_HAUT) = F(e.P(LONGUEUR_AV) / 0.8);
    e.P(LONGUEUR_AV_HAUT) = L - e.P(POSITION_COUPLE_HAUT);

    // Half of the beam, not rounded after the halving (it may end in .5).
    e.P(DEMI_LARGEUR_MAX) = Fix(std::sqrt(L) * k.largeur_max) / 2;
    e.P(DEMI_LARGEUR_TA) = F(Divise(e.P(DEMI_LARGEUR_MAX), k.largeur_ta));
    e.P(POSITION_MAT) = F(L / 1.8);
    e.P(HAUTEUR_MAT) = F(L * k.hauteur_mat);
    e.P(EXP_CHUTE_GV) = k.chute_gv;
    e.P(LARGEUR_GV) = F(L / k.largeur_gv);
    e.P(HAUTEUR_GV) = e.P(HAUTEUR_MAT) - 100;
    e.P(HAUTEUR_FOC) = F(e.P(HAUTEUR_MAT) / 8 * k.hauteur_foc);
    e.P(LARGEUR_FOC) = F(L * k.largeur_foc);

    // Appendages and depths in proportion to the length.
    e.P(LONGUEUR_DERIVE) = L / 4;
    e.P(POSITION_DERIVE) = L / 2;
    e.P(CORDE_DERIVE_HAUT) = L / 13;
    e.P(CORDE_DERIVE_BAS) = L / 13;
    e.P(LONGUEUR_SAFRAN) = L / 7.6;
    e.P(CORDE_SAFRAN_HAUT) = L / 20;
    e.P(CORDE_SAFRAN_BAS) = L / 26.6;
    e.P(POSITION_SAFRAN) = e.P(CORDE_SAFRAN_HAUT);
    e.P(LONGUEUR_BULBE) = L / 4.4;
    // Until the profiles are known (Cree_Nouveau_Projet computes it from them) the height is a
    // proportion of the length.
    e.P(HAUTEUR_BULBE) = L / 29.6;
    e.P(HAUTEUR_MAX) = L / 10;
    e.P(HAUTEUR_TA) = F(L / 25);
    e.P(POIDS_CARENE) = L / 2;

    // Onboard weights, grams: a short boat carries one servo, a small battery and no winch.
    e.P(Poids_Item(0)) = 50;
    e.P(Poids_Item(4)) = 50;
    const bool court = L < 800;
    e.P(Poids_Item(1)) = court ? 0 : 50;
    e.P(Poids_Item(2)) = court ? 100 : 350;
    e.P(Poids_Item(3)) = court ? 0 : 350;

    e.P(POIDS_BULBE) = L / 0.72;
    e.P(X_CARENE) = L / 2;
    // The gear sits just aft of the keel.
    e.P(X_Item(0)) = e.P(POSITION_DERIVE) - 30;
    e.P(X_Item(1)) = e.P(POSITION_DERIVE) - 30;
    e.P(X_Item(2)) = e.P(POSITION_DERIVE) - 60;
    e.P(X_Item(3)) = e.P(POSITION_DERIVE) - 90;
    e.P(X_Item(4)) = e.P(POSITION_DERIVE) - 90;
    e.P(HAUTEUR_ETRAVE) = e.P(HAUTEUR_MAX);
}

Resultat_Assistant Cree_Nouveau_Projet(Etat_Projet &e, Interface_Shell &shell, double longueur,
                                       Type_Carene type) {
    Resultat_Assistant res;
    res.type = Type_Impose(longueur, type);
    if (!std::isfinite(longueur) || !Longueur_Acceptee(longueur))
        return res;

    // The new project grows in a copy: the current one stays whole until every step passed.
    auto nouveau = std::make_unique<Etat_Projet>(e);
    try {
        // The master as the open takes it: one the open refuses gives no new project.
        {
            const std::unique_ptr<Etat_Projet> maitre =
                Lit_Projet_Comme_Ouvert(*nouveau, nouveau->Fichier_Programme(NOM_MAITRE));
            nouveau->Tab_Param = maitre->Tab_Param;
            nouveau->Texte_Projet = maitre->Texte_Projet;
            nouveau->Num_Enreg = maitre->Num_Enreg;
        }
        const double L = Arrondi_Dizaine(longueur);
        res.longueur = L;
        Derive_Valeurs_Assistant(*nouveau, L, res.type);
        // The new boat is built from what its file will give back: saved, it reopens as it is.
        Coupe_Aux_Milliemes(*nouveau);
        nouveau->Nom_Projet = NOM_NOUVEAU_PROJET;
        // Only the upright result will be computed here.
        for (int k = 1; k < NB_GITES; ++k)
            nouveau->P(Etat_Gite(k)) = 1;
        nouveau->P(Etat_Gite(0)) = 0;
        Affiche_Voyants(*nouveau, shell);
        Init_Projet(*nouveau, shell);
        Calcul_Tab(*nouveau);
        // The centring works out the new boat's derived values on its floating hull (its own
        // sail plan, appendage figures and bulb height, not the master's).
        Calcul_Centrage(*nouveau, shell);
        // Its upright light stands for its own moment and coefficient too.
        if (nouveau->P(Etat_Gite(0)) == 0 && !Complete_Gite(*nouveau, 0, true, true))
            Affiche_Voyants(*nouveau, shell);
        // Its results too, as its file will give them back.
        Coupe_Aux_Milliemes(*nouveau);
        // Taken whole, its derived values worked out; made in memory, no file holds it yet.
        ++nouveau->Projets_Pris;
        Marque_Non_Enregistre(*nouveau);
    } catch (const std::exception &err) {
        res.etat = Resultat_Assistant::Etat::Echec;
        res.erreur = err.what();
        Affiche_Voyants(e, shell);
        return res;
    }
    e = std::move(*nouveau);
    res.etat = Resultat_Assistant::Etat::Reussie;
    return res;
}

} // namespace gabarit
