#include "rig/Voilure.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "model/Fichier_Projet.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "rig/Voilure_Class.h"
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

namespace {

// The sail plan's dimensions the sweeps walk, and what the messages call them.
struct Dimension {
    int n;
    const char *nom;
};
constexpr Dimension DIMENSIONS[] = {
    {HAUTEUR_MAT, "La hauteur du mât"},        {HAUTEUR_GV, "La hauteur de grand-voile"},
    {LARGEUR_GV, "La bordure de grand-voile"}, {ENTRE_PONT_GV, "L'entre pont de grand-voile"},
    {HAUTEUR_FOC, "La hauteur du foc"},        {LARGEUR_FOC, "La bordure du foc"},
    {ENTRE_PONT_FOC, "L'entre pont du foc"},
};

// A luff from the tack at `amure` up to the head at `tete` (records), refused at zero or less.
void Verifie_Guindant(const Etat_Projet &e, int tete, int amure, const char *voile,
                      const char *de_la_voile, const char *monter) {
    using vues::Numero;
    const double l = e.P(tete) - e.P(amure);
    if (l > 0)
        return;
    throw Erreur_Gabarit(std::string("Le guindant ") + voile + " (" + Numero(tete) + " moins " +
                         Numero(amure) + ") " +
                         (l == 0 ? std::string("est nul : ") + de_la_voile + " n'a pas de hauteur."
                                 : "vaut " + Valeur_Message(l) + " mm : la tête " + voile +
                                       " doit être au-dessus de son amure.") +
                         " " + monter + " (" + Numero(tete) + ") ou baisser son amure (" +
                         Numero(amure) + ").");
}

} // namespace

void Verifie_Voilure(const Etat_Projet &e, bool plan_class) {
    using vues::Numero;
    for (const Dimension &d : DIMENSIONS)
        if (!(std::fabs(e.P(d.n)) <= DIMENSION_MAXIMUM_VOILURE))
            throw Erreur_Gabarit(std::string(d.nom) + " (" + Numero(d.n) + ") vaut " +
                                 Valeur_Message(e.P(d.n)) +
                                 " mm : une dimension de la voilure ne peut pas dépasser " +
                                 Valeur_Message(DIMENSION_MAXIMUM_VOILURE) + " mm.");
    const std::string mat = "le mât (" + Numero(POSITION_MAT) + ")";
    vues::Verifie_Sur_Coque(e, e.P(POSITION_MAT), "Le mât",
                            "son pied (" + Numero(POSITION_MAT) + ")", "Avancer " + mat,
                            "Reculer " + mat);
    Verifie_Guindant(e, HAUTEUR_GV, ENTRE_PONT_GV, "de grand-voile", "la grand-voile",
                     "Monter la grand-voile");
    if (!(e.P(LARGEUR_GV) > 0))
        throw Erreur_Gabarit("La bordure de grand-voile (" + Numero(LARGEUR_GV) + ") vaut " +
                             Valeur_Message(e.P(LARGEUR_GV)) +
                             " mm : la grand-voile n'a pas de largeur et son centre ne peut pas "
                             "être placé. Donner une bordure supérieure à 0.");
    if (plan_class)
        Verifie_Loi_Roof(e);
    else if (!(e.P(EXP_CHUTE_GV) > 0))
        throw Erreur_Gabarit("L'exposant de chute de grand-voile (" + Numero(EXP_CHUTE_GV) +
                             ") vaut " + Valeur_Message(e.P(EXP_CHUTE_GV)) +
                             " : la chute ne peut pas être calculée. Donner un exposant "
                             "supérieur à 0.");
    Verifie_Guindant(e, HAUTEUR_FOC, ENTRE_PONT_FOC, "du foc", "le foc", "Monter le foc");
    if (!(e.P(LARGEUR_FOC) > 0))
        throw Erreur_Gabarit("La bordure du foc (" + Numero(LARGEUR_FOC) + ") vaut " +
                             Valeur_Message(e.P(LARGEUR_FOC)) +
                             " mm : le foc n'a pas de largeur. Donner une bordure supérieure à "
                             "0.");
}

void Verifie_Voilure(const Etat_Projet &e) { Verifie_Voilure(e, e.P(OPTION_CLASS) == 1); }

void Verifie_Trace_Voilure(const Etat_Projet &e, bool plan_class) {
    using vues::Numero;
    Verifie_Voilure(e, plan_class);
    const std::string retour = "le retour de la tête au pont (" + Numero(RETOUR_BASTA) + ")";
    vues::Verifie_Sur_Coque(e, e.P(RETOUR_BASTA), "La ligne de tête de grand-voile",
                            "son retour au pont (" + Numero(RETOUR_BASTA) + ")",
                            "Avancer " + retour, "Reculer " + retour);
}

Centre_Velique Centre_Effort(const Etat_Projet &e, double pont_mat,
                             const std::function<double(double)> &largeur,
                             const std::function<double(double)> &avancee) {
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

std::function<double(double)> Largeur_GV_Plan(const Etat_Projet &e, bool plan_class) {
    const double lm = e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV), f = e.P(LARGEUR_GV);
    if (plan_class) {
        const Coefs_Roof k = Coefs_Roof_Projet(e);
        return [k, f, lm](double h) { return Largeur_Class(k, f, 1 - h / lm); };
    }
    const double n = e.P(EXP_CHUTE_GV);
    return [f, lm, n](double h) { return f * (1 - Puissance(Divise(h, lm), n)); };
}

Figures_Voilure Mesure_Voilure(Etat_Projet &e) {
    const bool plan_class = e.P(OPTION_CLASS) == 1;
    Verifie_Voilure(e, plan_class);
    const double lm = e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV), f = e.P(LARGEUR_GV);
    const double mat = e.P(POSITION_MAT);
    // The deck at the mast on the upright waterline; the section in work is put back.
    struct Section_Gardee {
        Etat_Projet &e;
        const Etat_Projet::Sortie_Couple section = e.Sortie_Couple_Actuelle();
        ~Section_Gardee() { e.Remet_Sortie_Couple(section); }
    } garde{e};
    e.Gite_Couple = 0;
    vues::Section(e, mat);
    const double d = e.Cote_Livet;
    try {
        const Echantillons_GV gv = Echantillonne_GV(lm, Largeur_GV_Plan(e, plan_class));
        Figures_Voilure r{};
        r.surface_foc = Surface_Foc(e);
        r.surface_gv = Surface_GV(gv, lm);
        r.centre_gv_x = mat - Divise(gv.moment, gv.hauteurs);
        r.centre_gv_z = (e.P(ENTRE_PONT_GV) - d) + Divise(gv.moment, gv.largeurs);
        r.surface_voilure = r.surface_gv + r.surface_foc;
        if (plan_class) {
            const Coefs_Roof k = Coefs_Roof_Projet(e);
            r.centre = Centre_Effort(
                e, d, [&](double h) { return Largeur_Class(k, f, 1 - h / lm); },
                [&](double h) { return Avancee_Class(k, f, 1 - h / lm); });
        } else {
            // The free leech reaches F - w(h) forward of the clew.
            const double n = e.P(EXP_CHUTE_GV);
            const auto largeur = [&](double h) { return Largeur_GV_Libre(f, lm, n, h); };
            r.centre = Centre_Effort(e, d, largeur, [&](double h) { return f - largeur(h); });
        }
        for (double *v : {&r.surface_gv, &r.centre_gv_x, &r.centre_gv_z, &r.surface_foc,
                          &r.surface_voilure, &r.centre.x, &r.centre.z})
            *v = Valeur_Fichier(Stockable(*v));
        return r;
    } catch (const Erreur_Gabarit &err) {
        // Dimensions and luffs are checked above: what is left is the leech law.
        throw Erreur_Gabarit(std::string(plan_class
                                             ? "La loi de rond de chute CLASS (n° 284 à 286)"
                                             : "L'exposant de chute de grand-voile (n° 87)") +
                             " ne donne pas de voilure calculable (" + err.what() + ").");
    }
}

void Calcul_Figures_Voilure(Etat_Projet &e) {
    const Figures_Voilure f = Mesure_Voilure(e);
    e.P(SURFACE_GV) = f.surface_gv;
    e.P(CENTRE_GV_X) = f.centre_gv_x;
    e.P(CENTRE_GV_Z) = f.centre_gv_z;
    e.P(SURFACE_FOC) = f.surface_foc;
    e.P(SURFACE_VOILURE) = f.surface_voilure;
    e.P(CENTRE_VELIQUE_X) = f.centre.x;
    e.P(CENTRE_VELIQUE_Z) = f.centre.z;
}

} // namespace gabarit
