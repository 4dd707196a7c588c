#include "rig/Saisie_Voile.h"

#include "model/Fichier_Projet.h"

#include <algorithm>
#include <cmath>

#include "model/Numeros.h"
#include "rig/Voilure.h"

namespace gabarit {

namespace {
// A spin limit from a record value, rounded half to even. A value beyond any sail plan's size
// (a mast of 1e300 from a file) is held at that size: the spinner holds an int, and the
// sail computation refuses such a plan anyway.
int Entier(double v) {
    return static_cast<int>(std::clamp(Arrondi(Fini(v, "borne")), -DIMENSION_MAXIMUM_VOILURE,
                                       DIMENSION_MAXIMUM_VOILURE));
}

// a / b when b is not zero and the result finite.
std::optional<double> Quotient(double a, double b) {
    if (b == 0)
        return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

std::optional<double> Applique(std::optional<double> v, double (*f)(double), double avant,
                               double apres) {
    if (!v)
        return std::nullopt;
    const double r = f(*v * avant) / apres;
    if (!std::isfinite(r))
        return std::nullopt;
    return r;
}
} // namespace

double Fix_Net(double x) { return Fix(x + std::copysign(1e-7, x)); }

std::array<Bornes, NB_CHAMPS_VOILE> Bornes_Voile(const Etat_Projet &e) {
    const int mat = Entier(e.P(HAUTEUR_MAT)), l = Entier(e.L());
    std::array<Bornes, NB_CHAMPS_VOILE> b{};
    b[0] = {20, mat};
    b[1] = {1, l};
    b[2] = {0, 300};
    b[4] = {1, mat};
    b[5] = {1, l};
    b[6] = {0, 300};
    b[7] = {100, Entier(1.8 * e.L())};
    b[8] = {0, l};
    b[9] = {0, l};
    b[10] = {0, 300};
    return b;
}

double Pas_Exposant(double valeur, double pas) {
    const double v = valeur + pas;
    if (v < EXPOSANT_MIN)
        return EXPOSANT_MIN;
    if (v > EXPOSANT_MAX)
        return EXPOSANT_MAX;
    return v;
}

void Lire_Voile(Etat_Projet &e, const Saisie_Voile &s) {
    // Checked on a copy of the sail values, so a refused plan leaves the record whole.
    std::array<double, NB_CHAMPS_VOILE> v = s.valeurs;
    // The leech law takes any exponent above 0; the step buttons alone keep it within 1-12.
    // The CLASS plan does not use it: there an unusable one stays as the record has it.
    if (!(std::isfinite(v[3]) && v[3] > 0)) {
        if (!s.plan_class)
            throw Erreur_Gabarit("L'exposant de chute doit être supérieur à 0.");
        v[3] = e.P(EXP_CHUTE_GV);
    }
    for (double x : v)
        Fini(x, "valeur de voilure");
    const double mat = v[7];
    if (v[0] + v[2] > mat)
        v[0] = mat;
    if (v[4] + v[6] > mat)
        v[4] = mat;
    const auto avant = e.Tab_Param;
    for (int i = 0; i < NB_CHAMPS_VOILE; ++i)
        e.P(ELEMENT_VOILE[static_cast<std::size_t>(i)]) =
            Valeur_Fichier(v[static_cast<std::size_t>(i)]);
    try {
        Verifie_Voilure(e);
    } catch (...) {
        e.Tab_Param = avant;
        throw;
    }
}

std::optional<double> Decalage_Centres(const Etat_Projet &e) {
    return Applique(Quotient(e.P(CENTRE_VELIQUE_X) - e.P(CENTRE_ANTI_DERIVE), e.L()), Fix, 100, 1);
}

Chiffres_Voile Calcule_Chiffres_Voile(const Etat_Projet &e) {
    const double a = e.P(SURFACE_GV), j = e.P(SURFACE_FOC), l = e.L();
    const double lm = e.P(HAUTEUR_GV) - e.P(ENTRE_PONT_GV);
    const double hj = e.P(HAUTEUR_FOC) - e.P(ENTRE_PONT_FOC);
    Chiffres_Voile c;
    c.mat_hauteur = Applique(Quotient(e.P(HAUTEUR_MAT), l), Int, 100, 1);
    c.mat_position = Applique(Quotient(e.P(POSITION_MAT), l), Int, 100, 1);
    // The head height over the area, not the luff. The ratios are cut to hundredths as the
    // overall figures are: fifteen digits would not fit their labels.
    c.gv_allongement = Applique(Quotient(e.P(HAUTEUR_GV) * e.P(HAUTEUR_GV), a), Fix_Net, 100, 100);
    c.gv_surface = a / 10000;
    c.gv_part = Applique(Quotient(a, a + j), Int, 100, 1);
    c.foc_allongement = Applique(Quotient(hj * hj, j), Fix_Net, 100, 100);
    c.foc_surface = j / 10000;
    c.foc_part = Applique(Quotient(j, a + j), Int, 100, 1);
    c.surface_totale = Fix_Net((a / 10000 + j / 10000) * 100) / 100;
    c.surface_foc = Fix_Net(j / 10000 * 100) / 100;
    c.surface_gv = Fix_Net(a / 10000 * 100) / 100;
    c.voilure_deplacement = Applique(Quotient(a + j, e.P(POIDS_TOTAL)), Fix_Net, 10, 100);
    c.voilure_mouillee =
        Applique(Quotient(a + j, e.P(Surface_Mouillee_Gite(0)) * 1000), Fix_Net, 100, 100);
    c.centre_velique = Fix_Net(e.P(CENTRE_VELIQUE_X) * 100) / 100;
    c.guindant_gv = lm;
    c.bordure_gv = e.P(LARGEUR_GV);
    c.decalage_centres = Decalage_Centres(e);
    c.diagonale_gv = Fix(std::sqrt(lm * lm + e.P(LARGEUR_GV) * e.P(LARGEUR_GV)));
    c.diagonale_foc = Fix(std::sqrt(hj * hj + e.P(LARGEUR_FOC) * e.P(LARGEUR_FOC)));
    return c;
}

} // namespace gabarit
