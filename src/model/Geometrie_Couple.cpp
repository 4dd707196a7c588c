#include "model/Geometrie_Couple.h"

namespace gabarit {

namespace {

// Freeboard pair (stern, bow) for one of the seven heels the record holds results for.
// Any other heel has no stored waterline: refuse it rather than reuse a stale freeboard.
void Francs_Bords_Gite(const Etat_Projet &e, double gite, double &arriere, double &avant) {
    static constexpr int ARRIERE[7] = {43, 44, 45, 46, 47, 48, 55};
    static constexpr int AVANT[7] = {49, 50, 51, 52, 53, 54, 56};
    for (int k = 0; k < 7; ++k) {
        if (gite == 5.0 * k) {
            arriere = e.P(ARRIERE[k]);
            avant = e.P(AVANT[k]);
            return;
        }
    }
    throw Erreur_Gabarit("Calcul impossible : angle de gîte non prévu (" + Nombre_Message(gite) +
                         ")");
}

} // namespace

void Calcul_Couple(Etat_Projet &e) {
    const double X = e.X_Couple;
    const double L = e.L();

    double fb_ar = 0, fb_av = 0;
    Francs_Bords_Gite(e, e.Gite_Couple, fb_ar, fb_av);

    // Freeboard: a straight waterline from the stern value to the bow value.
    const double F = Divise(fb_av - fb_ar, L) * X + fb_ar;
    e.Franc_Bord = F;

    // Section-shape coefficients: the master section's pair, blended towards the bow pair
    // or the transom pair. Quotient of two powers, as the shape-variation window expects.
    if (X >= e.P(10)) {
        const double u = Divise(Puissance(X - e.P(10), e.P(107)), Puissance(e.P(9), e.P(107)));
        e.Exp_Forme_A = e.P(7) + (e.P(19) - e.P(7)) * u;
        e.Exp_Forme_B = e.P(8) + (e.P(20) - e.P(8)) * u;
    } else {
        const double u = Divise(Puissance(e.P(10) - X, e.P(108)), Puissance(e.P(10), e.P(108)));
        e.Exp_Forme_A = e.P(7) + (e.P(16) - e.P(7)) * u;
        e.Exp_Forme_B = e.P(8) + (e.P(17) - e.P(8)) * u;
    }
    const double a = e.Exp_Forme_A;
    const double b = e.Exp_Forme_B;

    // Half-breadth at the sheer, about the widest station P(2).
    double B;
    if (X <= e.P(2)) {
        double diviseur = Puissance(e.P(2), e.P(4));
        if (diviseur == 0.0)
            diviseur = 1.0; // widest station at the transom: the aft law has no length
        B = e.P(5) - Divise((e.P(5) - e.P(14)) * Puissance(e.P(2) - X, e.P(4)), diviseur);
    } else {
        B = e.P(5) - Divise(e.P(5) * Puissance(X - e.P(2), e.P(3)), Puissance(e.P(1), e.P(3)));
    }
    e.Demi_Largeur_Couple = B;
    e.Demi_Largeur_Pont = B;

    // Depth, about the deepest station P(10). Forward, the curve is shifted aft by the stem
    // length P(36) so that it meets the stem foot depth P(21) at X = L - P(36).
    double D;
    if (X <= e.P(10)) {
        D = e.P(6) - Divise((e.P(6) - e.P(15)) * Puissance(e.P(10) - X, e.P(12)),
                            Puissance(e.P(10), e.P(12)));
    } else {
        D = e.P(6) - Divise((e.P(6) - e.P(21)) * Puissance(X - e.P(10) + e.P(36), e.P(11)),
                            Puissance(e.P(9), e.P(11)));
    }
    e.Hauteur_Couple = D;

    double T = D - F;
    e.Tirant_Eau_Couple = T;
    e.Cote_Livet = -F;

    // Inclined transom: a plane from the keel at X = 0 to the sheer at X = P(35) cuts the
    // stern sections; their top edge is lowered by the cut depth h.
    if (e.P(35) != 0.0 && X <= e.P(35)) {
        const double D0 = e.P(6) - Divise((e.P(6) - e.P(15)) * Puissance(e.P(10), e.P(12)),
                                          Puissance(e.P(10), e.P(12)));
        const double h = D0 - Divise(D0, e.P(35)) * X;
        e.Cote_Livet = -(D - T - h);
        const double r = D == 0.0 ? D - h : Divise(D - h, D);
        e.Demi_Largeur_Pont = B * Puissance(r, a + b * r);
    }

    // Raked stem: a straight line from the stem foot depth P(21) to nothing at the bow; the
    // section keeps its top edge and its keel rises along the stem.
    if (e.P(36) != 0.0 && X >= L - e.P(36)) {
        const double Ds = Divise(e.P(21), e.P(36)) * (L - X);
        T = Ds + e.Cote_Livet;
        e.Tirant_Eau_Couple = T;
        e.Hauteur_Couple = T - e.Cote_Livet;
    }
}

} // namespace gabarit
