#include "rig/Voilure.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "views/Trace_Commun.h"

namespace gabarit {

namespace {
constexpr double BANDE = 10; // strip width, mm; it cancels in every ratio
} // namespace

Echantillons_GV Echantillonne_GV(double lm, const std::function<double(double)> &largeur) {
    if (lm == 0 || !std::isfinite(lm))
        throw Erreur_Gabarit("Guindant de grand-voile nul : calcul de la voilure impossible");
    Echantillons_GV s;
    const double pas = -lm / 8;
    // Nine samples for a whole-millimetre luff; the count bound only guards the fraction.
    for (double h = lm; (pas < 0 ? h >= 0 : h <= 0) && s.points.size() < 10; h += pas) {
        const double w = Fini(largeur(h), "largeur de grand-voile");
        s.points.push_back({h, w});
        s.somme = Fix(s.somme + w);
        s.moment += h * w;
        s.hauteurs += h;
        s.largeurs += w;
    }
    return s;
}

double Surface_GV(const Echantillons_GV &s, double lm) { return Fix(lm * (s.somme / 11)); }

double Surface_Foc(const Etat_Projet &e) {
    return Int((e.P(HAUTEUR_FOC) - e.P(ENTRE_PONT_FOC)) * e.P(LARGEUR_FOC) / 2);
}

double Largeur_GV_Libre(double f, double lm, double n, double h) {
    return f - Divise(f * Puissance(h, n), Puissance(lm, n));
}

void Verifie_Plan_Voilure(const Etat_Projet &e) {
    for (int n : {HAUTEUR_MAT, HAUTEUR_GV, LARGEUR_GV, ENTRE_PONT_GV, HAUTEUR_FOC, LARGEUR_FOC,
                  ENTRE_PONT_FOC})
        if (!(std::fabs(e.P(n)) <= DIMENSION_MAXIMUM_VOILURE))
            throw Erreur_Gabarit("Dimension de la voilure hors limites : calcul impossible");
    if (!(e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV) > 0))
        throw Erreur_Gabarit("Le guindant de la grand-voile (hauteur moins entre pont) doit "
                             "être supérieur à 0.");
    if (!(e.P(LARGEUR_GV) > 0))
        throw Erreur_Gabarit("La bordure de la grand-voile doit être supérieure à 0.");
    if (!(e.P(HAUTEUR_FOC) - e.P(ENTRE_PONT_FOC) > 0))
        throw Erreur_Gabarit("Le guindant du foc (hauteur moins entre pont) doit être "
                             "supérieur à 0.");
    if (!(e.P(LARGEUR_FOC) > 0))
        throw Erreur_Gabarit("La bordure du foc doit être supérieure à 0.");
}

void Verifie_Trace_Voilure(const Etat_Projet &e, bool plan_class) {
    using vues::Numero;
    const std::string mat = "le mât (" + Numero(POSITION_MAT) + ")";
    vues::Verifie_Sur_Coque(e, e.P(POSITION_MAT), "Le mât",
                            "son pied (" + Numero(POSITION_MAT) + ")", "Avancer " + mat,
                            "Reculer " + mat);
    const std::string retour = "le retour de la tête au pont (" + Numero(RETOUR_BASTA) + ")";
    vues::Verifie_Sur_Coque(e, e.P(RETOUR_BASTA), "La ligne de tête de grand-voile",
                            "son retour au pont (" + Numero(RETOUR_BASTA) + ")",
                            "Avancer " + retour, "Reculer " + retour);
    const double lm = e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV);
    if (lm == 0 || (plan_class && lm < 0))
        throw Erreur_Gabarit(
            "Le guindant de grand-voile (" + Numero(HAUTEUR_GV) + " moins " +
            Numero(ENTRE_PONT_GV) + ") " +
            (lm == 0 ? "est nul : la grand-voile ne peut pas être dessinée."
                     : "vaut " + Valeur_Message(lm) +
                           " mm : le plan CLASS demande une tête au-dessus de l'amure.") +
            " Monter la grand-voile (" + Numero(HAUTEUR_GV) + ") ou baisser son amure (" +
            Numero(ENTRE_PONT_GV) + ").");
    if (!(e.P(LARGEUR_GV) > 0))
        throw Erreur_Gabarit("La bordure de grand-voile (" + Numero(LARGEUR_GV) + ") vaut " +
                             Valeur_Message(e.P(LARGEUR_GV)) +
                             " mm : la grand-voile n'a pas de largeur et son centre ne peut pas "
                             "être placé. Donner une bordure supérieure à 0.");
    if (!plan_class && !(e.P(EXP_CHUTE_GV) > 0))
        throw Erreur_Gabarit("L'exposant de chute de grand-voile (" + Numero(EXP_CHUTE_GV) +
                             ") vaut " + Valeur_Message(e.P(EXP_CHUTE_GV)) +
                             " : la chute ne peut pas être dessinée. Donner un exposant "
                             "supérieur à 0.");
}

Centre_Velique Centre_Effort(const Etat_Projet &e, double pont_mat,
                             const std::function<double(double)> &largeur,
                             const std::function<double(double)> &avancee) {
    Verifie_Plan_Voilure(e);
    const double amure_gv = e.P(ENTRE_PONT_GV), tete_gv = e.P(HAUTEUR_GV);
    const double amure_foc = e.P(ENTRE_PONT_FOC), tete_foc = e.P(HAUTEUR_FOC);
    const double f = e.P(LARGEUR_GV), bordure_foc = e.P(LARGEUR_FOC);
    const double lm = tete_gv - amure_gv, hj = tete_foc - amure_foc;

    // Height: horizontal strips up the mast, each sail's width at the strip's lower edge.
    double aire = 0, moment_y = 0;
    const double mat = e.P(HAUTEUR_MAT);
    for (double y = 0; y <= mat; y += BANDE) {
        double w = 0;
        if (y >= amure_gv && y <= tete_gv)
            w += largeur(y - amure_gv);
        if (y >= amure_foc && y <= tete_foc)
            w += bordure_foc - (y - amure_foc) * bordure_foc / hj;
        aire += w;
        moment_y += y * w;
    }

    // Station: vertical strips forward from the clew. Over the mainsail the chord is the
    // height at which the leech reaches the strip; the leech only moves forward as it rises,
    // so each search resumes where the previous one stopped.
    double cordes = 0, moment_x = 0, depart = 0;
    for (double x = 0; x <= f + bordure_foc; x += BANDE) {
        double corde;
        if (x <= f) {
            // A leech that never reaches the strip below the head (a fractional luff, a CLASS
            // law still wide at the head) gives the whole luff, and the next searches start
            // at the head.
            corde = lm;
            double h = depart;
            for (; h <= lm; h += 1)
                if (avancee(h) >= x) {
                    corde = h;
                    break;
                }
            depart = std::min(h, lm);
        } else {
            corde = hj - (x - f) * hj / bordure_foc;
        }
        cordes += corde;
        moment_x += x * corde;
    }
    if (aire == 0 || cordes == 0)
        throw Erreur_Gabarit("Aucune surface de voile : centre vélique impossible");
    return {Fini((e.P(POSITION_MAT) - f) + moment_x / cordes, "centre vélique"),
            Fini(moment_y / aire - pont_mat, "centre vélique")};
}

void Calcul_Voilure(Etat_Projet &e) {
    Verifie_Plan_Voilure(e);
    e.X_Couple = e.P(POSITION_MAT);
    Calcul_Couple(e);
    const double pont_mat = e.Cote_Livet;
    const double f = e.P(LARGEUR_GV), n = e.P(EXP_CHUTE_GV);
    const double lm = e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV);
    // The free leech reaches F - w(h) forward of the clew.
    const auto largeur = [&](double h) { return Largeur_GV_Libre(f, lm, n, h); };
    const Centre_Velique c =
        Centre_Effort(e, pont_mat, largeur, [&](double h) { return f - largeur(h); });
    e.Hauteur_Pont_Mat = pont_mat;
    e.P(CENTRE_VELIQUE_X) = c.x;
    e.P(CENTRE_VELIQUE_Z) = c.z;
}

} // namespace gabarit
