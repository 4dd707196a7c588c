#include "model/Assistant.h"

#include <cmath>
#include <memory>

#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Initialisation.h"
#include "model/Voyants.h"
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
    e.P(2) = F(L / 2.1);
    e.P(1) = F(L - e.P(2));
    e.P(10) = F(e.P(1) / 0.8);
    e.P(9) = L - e.P(10);

    // Half of the beam, not rounded after the halving (it may end in .5).
    e.P(5) = Fix(std::sqrt(L) * k.largeur_max) / 2;
    e.P(14) = F(Divise(e.P(5), k.largeur_ta));
    e.P(83) = F(L / 1.8);
    e.P(82) = F(L * k.hauteur_mat);
    e.P(87) = k.chute_gv;
    e.P(85) = F(L / k.largeur_gv);
    e.P(84) = e.P(82) - 100;
    e.P(96) = F(e.P(82) / 8 * k.hauteur_foc);
    e.P(97) = F(L * k.largeur_foc);

    // Appendages and depths in proportion to the length.
    e.P(113) = L / 4;
    e.P(110) = L / 2;
    e.P(111) = L / 13;
    e.P(112) = L / 13;
    e.P(139) = L / 7.6;
    e.P(137) = L / 20;
    e.P(138) = L / 26.6;
    e.P(136) = e.P(137);
    e.P(165) = L / 4.4;
    e.P(166) = L / 29.6;
    e.P(6) = L / 10;
    e.P(15) = F(L / 25);
    e.P(57) = L / 2;

    // Onboard weights, grams: a short boat carries one servo, a small battery and no winch.
    e.P(60) = 50;
    e.P(72) = 50;
    const bool court = L < 800;
    e.P(63) = court ? 0 : 50;
    e.P(66) = court ? 100 : 350;
    e.P(69) = court ? 0 : 350;

    e.P(170) = L / 0.72;
    e.P(32) = L / 2;
    // The gear sits just aft of the keel.
    e.P(58) = e.P(110) - 30;
    e.P(61) = e.P(110) - 30;
    e.P(64) = e.P(110) - 60;
    e.P(67) = e.P(110) - 90;
    e.P(70) = e.P(110) - 90;
    e.P(21) = e.P(6);
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
        Lit_Fichier_Projet(nouveau->Fichier_Programme("tov0.mas"), Projet_Courant(*nouveau));
        const double L = Arrondi_Dizaine(longueur);
        res.longueur = L;
        Derive_Valeurs_Assistant(*nouveau, L, res.type);
        nouveau->Nom_Projet = NOM_NOUVEAU_PROJET;
        // Only the upright result will be computed here.
        for (int n = 187; n <= 192; ++n)
            nouveau->P(n) = 1;
        nouveau->P(186) = 0;
        Affiche_Voyants(*nouveau, shell);
        Init_Projet(*nouveau, shell);
        Calcul_Tab(*nouveau);
        Calcul_Centrage(*nouveau, shell);
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
