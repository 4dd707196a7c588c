// One transverse section of the body plan, walked from its top down to the keel, turned by
// the heel and, in the oblique view, narrowed and shifted by its station.
#include <cmath>

#include "model/Garde_Station.h"
#include "model/Geometrie_Couple.h"
#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

using namespace vues;

void Trace_Couple(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double pas = e.P(PAS_VERTICAL);
    // The vertical step is refused before anything is drawn: the walk would never end.
    Verifie_Pas_Projet(e, PAS_VERTICAL, "Le pas vertical", 0, NB_PAS_HAUTEUR_MAX);

    e.Angle_Vue = e.P(ANGLE_ROTATION);
    // Waterline reference, 610 screen mm long, never shifted by the oblique view.
    c.Segment(0, e.P(ORIGINE_Y), 610, e.P(ORIGINE_Y), VERT);

    Calcul_Couple(e);
    const double x = e.X_Couple;
    const double gite = e.Gite_Couple;
    e.Cos_Angle_Vue = std::cos(Radians(e.Angle_Vue));
    e.Decalage_Vue = std::sin(Radians(e.Angle_Vue)) * x * e.P(ECHELLE_VUE);
    const double dec = e.Decalage_Vue;
    const double d = e.Hauteur_Couple, b = e.Demi_Largeur_Couple, f = e.Franc_Bord;
    const double t = e.Tirant_Eau_Couple, a = e.Exp_Forme_A, bb = e.Exp_Forme_B;
    const double report_ta = e.P(REPORT_TA), x_large = e.P(LONGUEUR_AR);

    auto trace = [&](Point_Couple p1, Point_Couple p2, std::uint32_t couleur) {
        c.Segment(Abscisse_Couple(e, p1.y, dec), Ordonnee_Couple(e, p1.h),
                  Abscisse_Couple(e, p2.y, dec), Ordonnee_Couple(e, p2.h), couleur);
    };

    // The bow is a single line from the stem head to the keel.
    if (x == e.L()) {
        trace(Tourne({0, f}, gite), Tourne({0, -t}, gite), BLEU);
        return;
    }

    // Stern station and inclined-transom region start at the top of the cut section.
    const double z0 = (x != 0 && x >= report_ta) ? d : t - e.Cote_Livet;
    // At the stern of an inclined transom the transom drawing takes over.
    const bool contour = !(x <= 0 && report_ta != 0);
    Verifie_Pas_Projet(e, PAS_VERTICAL, "Le pas vertical", z0, NB_PAS_HAUTEUR_MAX);
    const bool vue_x = e.Cle_Vue == "X";
    const bool complet = e.Mode_Couple == "Complet";
    const bool demi = e.Mode_Couple == "Demi";

    bool premier = true, a_points = false;
    Point_Couple prec1{}, prec2{};
    for (double z = z0; z >= 0; z -= pas) {
        const double w = Demi_Largeur_Niveau(z, d, b, a, bb);
        const double h = z - d + f;
        const Point_Couple p1 = Tourne({w, h}, gite);
        const Point_Couple p2 = Tourne({-w, h}, gite);

        if (vue_x && premier) {
            if (report_ta == 0 || x >= report_ta) {
                trace(p1, p2, BLEU);
                if (gite == 0)
                    c.Segment(e.P(ORIGINE_X), e.P(ORIGINE_Y) - f * e.P(ECHELLE_VUE), e.P(ORIGINE_X),
                              e.P(ORIGINE_Y) + t * e.P(ECHELLE_VUE), BLEU);
            } else if (x > 0 && x < report_ta) {
                trace(p1, p2, BLEU);
                if (gite == 0)
                    c.Segment(e.P(ORIGINE_X), e.P(ORIGINE_Y) + e.Cote_Livet * e.P(ECHELLE_VUE),
                              e.P(ORIGINE_X), e.P(ORIGINE_Y) + t * e.P(ECHELLE_VUE), BLEU);
            }
        }

        if (contour && !premier) {
            if (complet) {
                trace(p1, prec1, BLEU);
                trace(p2, prec2, BLEU);
            } else if (demi) {
                if (x >= x_large)
                    trace(p1, prec1, BLEU);
                if (x <= x_large)
                    trace(p2, prec2, BLEU);
            }
        }
        prec1 = p1;
        prec2 = p2;
        premier = false;
        a_points = true;
    }

    // Closing lines to the keel point.
    if (contour && a_points) {
        const double kx = Abscisse_Quille(e, t, gite, dec);
        const double ky = Ordonnee_Quille(e, t, gite);
        auto vers = [&](Point_Couple p) {
            c.Segment(kx, ky, Abscisse_Couple(e, p.y, dec), Ordonnee_Couple(e, p.h), BLEU);
        };
        if (complet) {
            vers(prec2);
            vers(prec1);
        } else if (demi) {
            if (x <= x_large)
                vers(prec2);
            if (x >= x_large)
                vers(prec1);
        }
    }
}

namespace {
// The two ends of a station's top, turned by the heel: sheer points outside the transom
// region, points of the transom plane's edges inside it.
void Coins(const Etat_Projet &e, Point_Couple &c1, Point_Couple &c2) {
    c1 = Tourne({e.Demi_Largeur_Pont, -e.Cote_Livet}, e.Gite_Couple);
    c2 = Tourne({-e.Demi_Largeur_Pont, -e.Cote_Livet}, e.Gite_Couple);
}
} // namespace

// The inclined transom: its cut edges from the stern to P(REPORT_TA), seen along the hull.
void Trace_Tableau_AR(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double report_ta = e.P(REPORT_TA);
    if (report_ta == 0)
        return; // vertical transom: the sections show it
    Garde_Station garde(e);

    e.Angle_Vue = e.P(ANGLE_ROTATION);
    e.Cos_Angle_Vue = std::cos(Radians(e.Angle_Vue));
    const bool demi = e.Mode_Couple == "Demi";
    const double pas = report_ta / 100;

    bool a_points = false;
    Point_Couple prec1{}, prec2{};
    double h_pied = 0, dec = 0;
    if (pas > 0) {
        for (double x = 0; x <= report_ta; x += pas) {
            Section(e, x);
            e.Decalage_Vue = std::sin(Radians(e.Angle_Vue)) * x * e.P(ECHELLE_VUE);
            dec = e.Decalage_Vue;
            Point_Couple c1, c2;
            Coins(e, c1, c2);
            auto trace = [&](Point_Couple p, Point_Couple q) {
                c.Segment(Abscisse_Couple(e, p.y, dec), Ordonnee_Couple(e, p.h),
                          Abscisse_Couple(e, q.y, dec), Ordonnee_Couple(e, q.h), BLEU);
            };
            if (x != 0) {
                if (!demi)
                    trace(c1, prec1);
                trace(c2, prec2);
            } else {
                h_pied = c1.h;
            }
            prec1 = c1;
            prec2 = c2;
            a_points = true;
        }
    }

    if (e.Cle_Vue == "X" && a_points) {
        c.Segment(Abscisse_Couple(e, prec1.y, dec), Ordonnee_Couple(e, prec1.h),
                  Abscisse_Couple(e, prec2.y, dec), Ordonnee_Couple(e, prec2.h), BLEU);
        if (e.Gite_Couple == 0)
            c.Segment(e.P(ORIGINE_X), e.P(ORIGINE_Y) - prec1.h * e.P(ECHELLE_VUE), e.P(ORIGINE_X),
                      e.P(ORIGINE_Y) - h_pied * e.P(ECHELLE_VUE), BLEU);
    }
}

// The sheer lines and the keel line from X_Debut_Lignes to X_Fin_Lignes in 80 steps, through
// the sections already drawn (same heel, same oblique shift per station).
void Trace_Lignes(Etat_Projet &e, Interface_Shell &, Canvas &c) {
    const double debut = e.X_Debut_Lignes, fin = e.X_Fin_Lignes;
    const double pas = (fin - debut) / 80;
    // Equal bounds leave no line to draw (the transom ends at the master section).
    if (!(pas > 0))
        return;
    Verifie_Pas(pas, fin - debut, "Pas des lignes", NB_PAS_LONGUEUR_MAX);

    const double l = e.L(), report_ta = e.P(REPORT_TA), x_large = e.P(LONGUEUR_AR);
    const bool complet = e.Mode_Couple == "Complet";
    const bool demi = e.Mode_Couple == "Demi";

    bool precedent = false;
    Point_Couple prec1{}, prec2{};
    double t_prec = 0, dec_prec = 0;
    double x = debut;
    for (; x <= fin; x += pas) {
        Section(e, x);
        const double gite = e.Gite_Couple;
        e.Cos_Angle_Vue = std::cos(Radians(e.Angle_Vue));
        e.Decalage_Vue = std::sin(Radians(e.Angle_Vue)) * x * e.P(ECHELLE_VUE);
        const double dec = e.Decalage_Vue;
        Point_Couple c1, c2;
        if (x == l) {
            c1 = c2 = Tourne({0, e.Franc_Bord}, gite); // stem head
        } else {
            Coins(e, c1, c2);
        }
        const double t = e.Tirant_Eau_Couple;

        if (precedent) {
            auto trace = [&](Point_Couple p, Point_Couple q) {
                c.Segment(Abscisse_Couple(e, p.y, dec), Ordonnee_Couple(e, p.h),
                          Abscisse_Couple(e, q.y, dec_prec), Ordonnee_Couple(e, q.h), BLEU);
            };
            if (x >= report_ta) {
                if (complet) {
                    trace(c1, prec1);
                    trace(c2, prec2);
                } else if (demi) {
                    if (x >= x_large)
                        trace(c1, prec1);
                    if (x <= x_large)
                        trace(c2, prec2);
                }
            }
            c.Segment(Abscisse_Quille(e, t_prec, gite, dec_prec), Ordonnee_Quille(e, t_prec, gite),
                      Abscisse_Quille(e, t, gite, dec), Ordonnee_Quille(e, t, gite), BLEU);
        }
        prec1 = c1;
        prec2 = c2;
        t_prec = t;
        dec_prec = dec;
        precedent = true;
    }
    e.X_Couple = x; // the first station past the range
}

} // namespace gabarit
