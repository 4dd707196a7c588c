#include "views/Trace_Commun.h"

#include <cmath>

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

std::string Numero(int n) { return "n° " + std::to_string(n); }

void Verifie_Pas_Projet(const Etat_Projet &e, int numero, const char *nom, double etendue,
                        double nb_max) {
    const double pas = e.P(numero);
    const std::string debut = std::string(nom) + " (" + Numero(numero) + ")";
    if (!(pas > 0))
        throw Erreur_Gabarit(debut + " vaut " + Valeur_Message(pas) +
                             " mm : les couples ne peuvent pas être dessinés. Donner un pas "
                             "supérieur à 0.");
    if (!(std::fabs(etendue) / pas <= nb_max)) {
        // Files keep thousandths: the least step a file can hold that the walk takes.
        const double minimum = std::ceil(std::fabs(etendue) / nb_max * 1000) / 1000;
        throw Erreur_Gabarit(
            debut + " de " + Valeur_Message(pas) + " mm est trop petit : il demanderait plus de " +
            Valeur_Message(nb_max) + " pas sur " + Valeur_Message(std::fabs(etendue)) +
            " mm. Donner un pas d'au moins " + Valeur_Message(minimum) + " mm.");
    }
}

void Verifie_Sur_Coque(const Etat_Projet &e, double x, const std::string &sujet,
                       const std::string &point, const std::string &avancer,
                       const std::string &reculer) {
    const double L = e.L();
    const bool arriere = x < 0;
    if (!arriere && !(x > L))
        return;
    throw Erreur_Gabarit(sujet + " dépasse en " + (arriere ? "arrière" : "avant") +
                         " de la coque : " + point + " tombe à " +
                         Valeur_Message(arriere ? -x : x - L) + " mm " +
                         (arriere ? "en arrière du tableau arrière. " : "en avant de l'étrave. ") +
                         (arriere ? avancer : reculer) + ".");
}

// Off the hull the laws do not hold: behind the stern the inclined transom's cut falls below
// the keel (a fractional power of a negative number), past the bow with no forward length the
// half-breadth divides by zero.
void Verifie_Couple_Haut(const Etat_Projet &e) {
    if (!(e.L() > 0))
        return;
    const std::string creux = "le couple le plus haut (" + Numero(POSITION_COUPLE_HAUT) + ")";
    Verifie_Sur_Coque(e, e.P(POSITION_COUPLE_HAUT), "Le couple le plus haut",
                      "sa position (" + Numero(POSITION_COUPLE_HAUT) + ")", "Avancer " + creux,
                      "Reculer " + creux + " ou allonger l'avant (" + Numero(LONGUEUR_AV) + ")");
}

void Verifie_Stations_Coque(const Etat_Projet &e) {
    Verifie_Longueur(e);
    Verifie_Couple_Haut(e);
    const std::string tableau = "Raccourcir le tableau incliné (" + Numero(REPORT_TA) + ")";
    Verifie_Sur_Coque(e, e.P(REPORT_TA), "Le tableau arrière incliné",
                      "son haut (" + Numero(REPORT_TA) + ")", tableau, tableau);
    // The stem's length is counted back from the bow: only its foot can leave the hull.
    const std::string etrave = "Raccourcir l'étrave inclinée (" + Numero(LONGUEUR_ETRAVE) + ")";
    Verifie_Sur_Coque(e, e.L() - e.P(LONGUEUR_ETRAVE), "L'étrave inclinée",
                      "son pied (longueur de coque moins " + Numero(LONGUEUR_ETRAVE) + ")", etrave,
                      etrave);
}

} // namespace gabarit::vues
