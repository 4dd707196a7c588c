#include "views/Trace_Commun.h"

#include <cmath>
#include <cstdio>

#include "model/Geometrie_Couple.h"

namespace gabarit::vues {

void Section(Etat_Projet &e, double x) {
    e.X_Couple = x;
    Calcul_Couple(e);
}

Point_Couple Tourne(Point_Couple p, double gite) {
    const double phi = Radians(gite);
    return {p.y * std::cos(phi) - p.h * std::sin(phi), p.y * std::sin(phi) + p.h * std::cos(phi)};
}

double Abscisse_Couple(const Etat_Projet &e, double y, double decalage) {
    return e.P(ORIGINE_X) + decalage + y * e.Cos_Angle_Vue * e.P(ECHELLE_VUE);
}

double Ordonnee_Couple(const Etat_Projet &e, double h) {
    return e.P(ORIGINE_Y) - h * e.P(ECHELLE_VUE);
}

double Abscisse_Quille(const Etat_Projet &e, double t, double gite, double decalage) {
    return e.P(ORIGINE_X) + decalage + t * std::sin(Radians(gite)) * e.P(ECHELLE_VUE);
}

double Ordonnee_Quille(const Etat_Projet &e, double t, double gite) {
    return e.P(ORIGINE_Y) + t * std::cos(Radians(gite)) * e.P(ECHELLE_VUE);
}

void Verifie_Pas(double pas, double etendue, const std::string &quoi, double nb_max) {
    if (!(pas > 0) || !std::isfinite(pas))
        throw Erreur_Gabarit(quoi + " nul ou négatif : tracé impossible");
    if (!(std::fabs(etendue) / pas <= nb_max))
        throw Erreur_Gabarit(quoi + " trop petit : tracé impossible");
}

void Verifie_Longueur(const Etat_Projet &e) {
    if (!(e.L() > 0))
        throw Erreur_Gabarit("Longueur de carène nulle ou négative : tracé impossible");
}

std::string Texte_General(double v) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.15g", v == 0 ? 0.0 : v); // no "-0"
    return texte;
}

} // namespace gabarit::vues
