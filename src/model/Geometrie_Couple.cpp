#include "model/Geometrie_Couple.h"

#include "model/Numeros.h"

namespace gabarit {

namespace {

// Freeboard pair (stern, bow) for one of the seven heels the record holds results for.
// Any other heel has no stored waterline: refuse it rather than reuse a stale freeboard.
void Francs_Bords_Gite(const Etat_Projet &e, double gite, double &arriere, double &avant) {
    const int k = Indice_Gite(gite);
    if (k < 0)
        throw Erreur_Gabarit("Calcul impossible : angle de gîte non prévu (" +
                             Nombre_Message(gite) + ")");
    arriere = e.P(Franc_Bord_AR(k));
    avant = e.P(Franc_Bord_AV(k));
}

} // namespace

void Calcul_Couple(Etat_Projet &e) {
    const double X = e.X_Couple;
    const double L = e.L();
    // Stations from the stern: the widest, the deepest, and the ends of the inclined transom
    // and of the raked stem.
    const double x_large = e.P(LONGUEUR_AR), x_creux = e.P(POSITION_COUPLE_HAUT);
    const double report_ta = e.P(REPORT_TA), etrave = e.P(LONGUEUR_ETRAVE);
    const double creux = e.P(HAUTEUR_MAX);

    double fb_ar = 0, fb_av = 0;
    Francs_Bords_Gite(e, e.Gite_Couple, fb_ar, fb_av);

    // Freeboard: a straight waterline from the stern value to the bow value.
    const double F = Divise(fb_av - fb_ar, L) * X + fb_ar;
    e.Franc_Bord = F;

    // Section-shape coefficients: the deepest section's pair, blended towards the bow pair
    // or the transom pair. Quotient of two powers, as the shape-variation window expects.
    const double a_mc = e.P(FORME_MC_A), b_mc = e.P(FORME_MC_B);
    if (X >= x_creux) {
        const double n = e.P(VARIATION_FORME_AV);
        const double u = Divise(Puissance(X - x_creux, n), Puissance(e.P(LONGUEUR_AV_HAUT), n));
        e.Exp_Forme_A = a_mc + (e.P(FORME_AV_A) - a_mc) * u;
        e.Exp_Forme_B = b_mc + (e.P(FORME_AV_B) - b_mc) * u;
    } else {
        const double n = e.P(VARIATION_FORME_AR);
        const double u = Divise(Puissance(x_creux - X, n), Puissance(x_creux, n));
        e.Exp_Forme_A = a_mc + (e.P(FORME_TA_A) - a_mc) * u;
        e.Exp_Forme_B = b_mc + (e.P(FORME_TA_B) - b_mc) * u;
    }
    const double a = e.Exp_Forme_A;
    const double b = e.Exp_Forme_B;

    // Half-breadth at the sheer, about the widest station.
    const double largeur = e.P(DEMI_LARGEUR_MAX);
    double B;
    if (X <= x_large) {
        const double n = e.P(EXP_LIVET_AR);
        double diviseur = Puissance(x_large, n);
        if (diviseur == 0.0)
            diviseur = 1.0; // widest station at the transom: the aft law has no length
        B = largeur -
            Divise((largeur - e.P(DEMI_LARGEUR_TA)) * Puissance(x_large - X, n), diviseur);
    } else {
        const double n = e.P(EXP_LIVET_AV);
        B = largeur - Divise(largeur * Puissance(X - x_large, n), Puissance(e.P(LONGUEUR_AV), n));
    }
    e.Demi_Largeur_Couple = B;
    e.Demi_Largeur_Pont = B;

    // Depth, about the deepest station. Forward, the curve is shifted aft by the stem length
    // so that it meets the stem foot depth at X = L - stem length.
    double D;
    if (X <= x_creux) {
        const double n = e.P(EXP_QUILLE_AR);
        D = creux -
            Divise((creux - e.P(HAUTEUR_TA)) * Puissance(x_creux - X, n), Puissance(x_creux, n));
    } else {
        const double n = e.P(EXP_QUILLE_AV);
        D = creux - Divise((creux - e.P(HAUTEUR_ETRAVE)) * Puissance(X - x_creux + etrave, n),
                           Puissance(e.P(LONGUEUR_AV_HAUT), n));
    }
    e.Hauteur_Couple = D;

    double T = D - F;
    e.Tirant_Eau_Couple = T;
    e.Cote_Livet = -F;

    // Inclined transom: a plane from the keel at X = 0 to the sheer at X = report_ta cuts the
    // stern sections; their top edge is lowered by the cut depth h, and the deck's
    // half-breadth is the section's at the cut edge, D - h above the keel.
    if (report_ta != 0.0 && X <= report_ta) {
        const double n = e.P(EXP_QUILLE_AR);
        const double D0 = creux - Divise((creux - e.P(HAUTEUR_TA)) * Puissance(x_creux, n),
                                         Puissance(x_creux, n));
        const double h = D0 - Divise(D0, report_ta) * X;
        e.Cote_Livet = -(D - T - h);
        e.Demi_Largeur_Pont = Demi_Largeur_Niveau(D - h, D, B, a, b, Quotient::Verifie);
    }

    // Raked stem: a straight line from the stem foot depth to nothing at the bow; the section
    // keeps its top edge and its keel rises along the stem.
    if (etrave != 0.0 && X >= L - etrave) {
        const double Ds = Divise(e.P(HAUTEUR_ETRAVE), etrave) * (L - X);
        T = Ds + e.Cote_Livet;
        e.Tirant_Eau_Couple = T;
        // The depth is the stem's own, not worked back through the waterline: the hull table
        // built from it must not depend on where the hull floated when it was built.
        e.Hauteur_Couple = Ds;
    }
}

} // namespace gabarit
