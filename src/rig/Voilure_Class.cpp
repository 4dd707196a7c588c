#include "rig/Voilure_Class.h"

#include <cmath>
#include <string>

#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "rig/Voilure.h"

namespace gabarit {

namespace {
double Guindant(const Etat_Projet &e) { return e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV); }

void Verifie_Guindant(double lm) {
    if (!(lm > 0))
        throw Erreur_Gabarit("Le guindant de la grand-voile (hauteur moins entre pont) doit "
                             "être supérieur à 0.");
}
} // namespace

double Largeur_Class(const Coefs_Roof &k, double f, double u) {
    return f * Puissance(u, k.a + k.b * u + k.c * u * u);
}

double Avancee_Class(const Coefs_Roof &k, double f, double u) {
    return f * (1 - Puissance(u, k.a + k.b * u + k.c * u * u));
}

Coefs_Roof Coefs_Roof_Projet(const Etat_Projet &e) {
    return {e.P(COEF_ROOF_A), e.P(COEF_ROOF_B), e.P(COEF_ROOF_C)};
}

std::array<double, 3> Lattes_Loi(const Etat_Projet &e) {
    const Coefs_Roof k = Coefs_Roof_Projet(e);
    std::array<double, 3> lattes{};
    for (std::size_t i = 0; i < 3; ++i)
        lattes[i] = Fix(Largeur_Class(k, e.P(LARGEUR_GV), U_LATTES[i]) * 100) / 100;
    return lattes;
}

std::array<double, 3> Calcul_Lattes(const Etat_Projet &e) {
    const double lm = Guindant(e);
    Verifie_Guindant(lm);
    const double f = e.P(LARGEUR_GV), n = e.P(EXP_CHUTE_GV);
    std::array<double, 3> lattes{};
    // Five heights from the head down by quarters; the three inner ones are the battens.
    const double pas = -lm / 4;
    double h = lm;
    for (int k = 0; k < 5; ++k, h += pas)
        if (k >= 1 && k <= 3)
            lattes[static_cast<std::size_t>(k - 1)] = Largeur_GV_Libre(f, lm, n, h);
    return lattes;
}

Coefs_Roof Ajuste_Roof(double f, const std::array<double, 3> &lattes) {
    if (!(f > 0) || !std::isfinite(f))
        throw Erreur_Gabarit("Bordure de grand-voile nulle : ajustement impossible");
    // The exponent that makes F u^b pass through each batten.
    std::array<double, 3> b{};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!(lattes[i] > 0) || !std::isfinite(lattes[i]))
            throw Erreur_Gabarit("Latte nulle ou négative : ajustement impossible");
        b[i] = std::log(lattes[i] / f) / std::log(U_LATTES[i]);
    }
    const double u0 = U_LATTES[0], u1 = U_LATTES[1], u2 = U_LATTES[2];
    const double d02 = (b[0] - b[2]) / (u0 - u2);
    const double d01 = (b[0] - b[1]) / (u0 - u1);
    const double c = (d02 - d01) / (u2 - u1);
    const double bb = d01 - c * (u0 + u1);
    const double a = b[0] - bb * u0 - c * u0 * u0;
    const Coefs_Roof k{Fini(a, "coefficient A"), Fini(bb, "coefficient B"),
                       Fini(c, "coefficient C")};
    // The drawing samples the law at the head, the foot and every eighth of the luff between:
    // a law it cannot draw is refused here, before it takes the place of one it can.
    try {
        for (int j = 0; j <= 8; ++j)
            Largeur_Class(k, f, j / 8.0);
    } catch (const Erreur_Gabarit &) {
        throw Erreur_Gabarit("Loi de rond sans largeur finie : ajustement impossible");
    }
    return k;
}

void Verifie_Loi_Roof(const Etat_Projet &e) {
    const Coefs_Roof k = Coefs_Roof_Projet(e);
    for (int j = 0; j <= 8; ++j) {
        try {
            Fini(Largeur_Class(k, e.P(LARGEUR_GV), j / 8.0));
        } catch (const Erreur_Gabarit &) {
            throw Erreur_Gabarit(
                "La loi de rond de chute CLASS (A = " + Valeur_Message(k.a) +
                ", B = " + Valeur_Message(k.b) + ", C = " + Valeur_Message(k.c) + ", n° " +
                std::to_string(COEF_ROOF_A) + " à " + std::to_string(COEF_ROOF_C) +
                ") ne donne pas de largeur finie à la grand-voile : elle ne peut pas être "
                "calculée. Ajuster de nouveau les lattes du plan CLASS.");
        }
    }
}

void Calcul_Roof_Lattes(Etat_Projet &e, const std::array<double, 3> &lattes) {
    const Coefs_Roof k = Ajuste_Roof(e.P(LARGEUR_GV), lattes);
    e.P(COEF_ROOF_C) = k.c;
    e.P(COEF_ROOF_B) = k.b;
    e.P(COEF_ROOF_A) = k.a;
}

} // namespace gabarit
