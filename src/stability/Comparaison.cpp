#include "stability/Comparaison.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model/Fichier_Projet.h"
#include "shell/Demarrage.h"
#include "shell/Projet_Lu.h"
#include "stability/Reglages_Stabilite.h"

namespace gabarit {

namespace {

using Valeurs = std::array<double, NB_VALEURS + 1>;

double V(const Valeurs &t, int n) { return t.at(static_cast<std::size_t>(n)); }

// The floor of a per cent figure, where a quotient lying a rounding away from a whole number
// is that number: 100 x r / r comes out at 99.99999999999999 for some ratios r (sail area
// over a weight of 4920 g), and two equal ratios must read 0 %, not -1 %.
double Plancher_Pourcent(double q) {
    const double n = std::nearbyint(q);
    return std::fabs(q - n) <= 1e-12 * std::max(1.0, std::fabs(q)) ? n : std::floor(q);
}

// floor(100 a / b) - 100: how many per cent the current value a lies above the compared b.
Chiffre Pourcent(double a, double b) {
    if (b == 0 || !std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    const double q = 100 * a / b;
    if (!std::isfinite(q))
        return std::nullopt;
    return Plancher_Pourcent(q) - 100;
}

Chiffre Quotient(double a, double b) {
    if (b == 0)
        return std::nullopt;
    const double q = a / b;
    return std::isfinite(q) ? Chiffre(q) : std::nullopt;
}

// Top of a bar of value v in a picture of height h scaled so that m fills it; no scale (m not
// positive) or no finite top leaves the bar out of sight.
double Haut_Barre(double v, double m, double h) {
    if (!(m > 0))
        return h;
    const double t = h - v / (m / h);
    return std::isfinite(t) ? t : h;
}

// Sum over the heels of moment / sail area of the compared project, accumulated in single
// precision as the figure always was (an identical copy may so read -1 %).
std::optional<float> Somme_Simple(const Valeurs &t) {
    const double sv = V(t, SURFACE_VOILURE);
    float s = 0;
    for (int k = 0; k < NB_GITES; ++k) {
        const double x = static_cast<double>(s) + V(t, Moment_Redressement(k)) / sv;
        if (!std::isfinite(x) || std::fabs(x) > FLT_MAX)
            return std::nullopt;
        s = static_cast<float>(x);
    }
    return s;
}

Chiffre Ecart_Voilure_Stabilite(const Valeurs &p, const Valeurs &c) {
    const double sv = V(p, SURFACE_VOILURE), sv2 = V(c, SURFACE_VOILURE);
    if (sv == 0 || sv2 == 0)
        return std::nullopt;
    double s = 0;
    for (int k = 0; k < NB_GITES; ++k)
        s += V(p, Moment_Redressement(k)) / sv;
    const std::optional<float> s2 = Somme_Simple(c);
    if (!s2 || *s2 == 0)
        return std::nullopt;
    const double q = 100 * (s / 7) / static_cast<double>(*s2 / 7.0f) - 100;
    return std::isfinite(q) ? Chiffre(std::floor(q)) : std::nullopt;
}

// Largest (from 0) and smallest (from 100000) wetted surface of a record over the heels.
struct Extremes {
    double max = 0, min = 100000;
};
Extremes Extremes_Surface(const Valeurs &t) {
    Extremes x;
    for (int k = 0; k < NB_GITES; ++k) {
        const double v = V(t, Surface_Mouillee_Gite(k));
        if (v > x.max)
            x.max = v;
        if (v < x.min)
            x.min = v;
    }
    return x;
}

Surface_Compar Labels_Surface(const Extremes &courant, const Extremes &compare) {
    return {Fix(courant.max), Fix(compare.max), Fix(courant.min), Fix(compare.min)};
}

Teinte Teinte_Si(const Chiffre &pct, bool vert) {
    if (!pct)
        return Teinte::Neutre;
    return vert ? Teinte::Vert : Teinte::Rouge;
}

} // namespace

bool Version_Comparable(const std::string &texte) {
    if (texte.size() < 13)
        return false;
    const char c13 = texte[12];
    const auto c11 = static_cast<unsigned char>(texte[10]);
    if (c13 < '0' || c13 > '9')
        return false;
    return !(c13 - '0' <= 2 && c13 != '9' && c11 <= '2');
}

bool Comparaison_Possible(const Etat_Projet &e) {
    return Calculs_Gite_A_Jour(e) && Version_Comparable(e.Texte_Projet[NB_VALEURS_PROJET]) &&
           Version_Comparable(e.Texte_Projet2[NB_VALEURS_PROJET]);
}

void Lit_Projet_Compare(Etat_Projet &e) {
    if (e.Nom_Compar.empty())
        throw Erreur_Gabarit("Aucun projet à comparer n'a été choisi.");
    // As the open reads it: the same refusals and messages, the same derived values.
    const std::unique_ptr<Etat_Projet> lu =
        Lit_Projet_Comme_Ouvert(e, Chemin_Projet(e, e.Nom_Compar));
    const Cible_Projet compare = Projet_Compare(e);
    for (std::size_t i = 1; i <= NB_VALEURS_PROJET; ++i) {
        compare.valeurs[i] = lu->Tab_Param[i];
        compare.textes[i] = lu->Texte_Projet[i];
        compare.numeros[i] = lu->Num_Enreg[i];
    }
}

Figures_Comparaison Calcul_Comparaison(const Etat_Projet &e) {
    const Valeurs &p = e.Tab_Param;
    const Valeurs &c = e.Tab_Param_Compar;
    Figures_Comparaison f;

    const double L = V(p, LONGUEUR_AV) + V(p, LONGUEUR_AR);
    const double L2 = V(c, LONGUEUR_AV) + V(c, LONGUEUR_AR);
    f.ecarts[ECART_LONGUEUR] = Pourcent(L, L2);
    f.ecarts[ECART_LARGEUR] = Pourcent(V(p, DEMI_LARGEUR_MAX), V(c, DEMI_LARGEUR_MAX));
    f.ecarts[ECART_HAUTEUR] = Pourcent(V(p, HAUTEUR_MAX), V(c, HAUTEUR_MAX));
    f.ecarts[ECART_POIDS] = Pourcent(V(p, POIDS_TOTAL), V(c, POIDS_TOTAL));
    f.ecarts[ECART_VOILURE] = Pourcent(V(p, SURFACE_VOILURE), V(c, SURFACE_VOILURE));
    const Chiffre rapport = Quotient(V(p, SURFACE_VOILURE), V(p, POIDS_TOTAL));
    const Chiffre rapport2 = Quotient(V(c, SURFACE_VOILURE), V(c, POIDS_TOTAL));
    if (rapport && rapport2)
        f.ecarts[ECART_VOILURE_POIDS] = Pourcent(*rapport, *rapport2);
    f.ecarts[ECART_VOILURE_STABILITE] = Ecart_Voilure_Stabilite(p, c);

    // A lighter boat is the better one; for sail area, and sail per gram or per moment, the
    // larger.
    const auto &g = f.ecarts;
    f.teintes[ECART_POIDS] = Teinte_Si(g[ECART_POIDS], g[ECART_POIDS] && *g[ECART_POIDS] <= 0);
    for (int k : {ECART_VOILURE, ECART_VOILURE_POIDS, ECART_VOILURE_STABILITE})
        f.teintes[static_cast<std::size_t>(k)] =
            Teinte_Si(g[static_cast<std::size_t>(k)],
                      g[static_cast<std::size_t>(k)] && *g[static_cast<std::size_t>(k)] >= 0);

    // Righting moments: one scale for both projects, the largest moment filling the picture.
    double m = 0;
    for (int k = 0; k < NB_GITES; ++k)
        m = std::max({m, V(p, Moment_Redressement(k)), V(c, Moment_Redressement(k))});
    for (int k = 0; k < NB_GITES; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double a = V(p, Moment_Redressement(k)), b = V(c, Moment_Redressement(k));
        f.haut_moment[i] = Haut_Barre(a, m, HAUTEUR_BARRES_MOMENT);
        f.haut_moment_compare[i] = Haut_Barre(b, m, HAUTEUR_BARRES_MOMENT);
        // A moment of 0 (upright, say) counts as 1, so two zeros read 0 %.
        const Chiffre q = Quotient(100 * (a == 0 ? 1 : a), b == 0 ? 1 : b);
        f.ecarts_moments[i] = q ? Chiffre(std::floor(*q - 100)) : std::nullopt;
    }

    // Moment per unit of sail area, one scale for both; no bar without both sail areas.
    std::array<double, NB_GITES> r{}, r2{};
    bool rapports = V(p, SURFACE_VOILURE) != 0 && V(c, SURFACE_VOILURE) != 0;
    double m2 = 0;
    for (int k = 0; rapports && k < NB_GITES; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Chiffre x = Quotient(V(p, Moment_Redressement(k)), V(p, SURFACE_VOILURE));
        const Chiffre y = Quotient(V(c, Moment_Redressement(k)), V(c, SURFACE_VOILURE));
        rapports = x && y;
        r[i] = x.value_or(0);
        r2[i] = y.value_or(0);
        m2 = std::max({m2, r[i], r2[i]});
    }
    for (std::size_t i = 0; i < NB_GITES; ++i) {
        f.haut_rapport[i] = Haut_Barre(r[i], rapports ? m2 : 0, HAUTEUR_BARRES_RAPPORT);
        f.haut_rapport_compare[i] = Haut_Barre(r2[i], rapports ? m2 : 0, HAUTEUR_BARRES_RAPPORT);
    }

    f.surface = Labels_Surface(Extremes_Surface(p), Extremes_Surface(c));
    return f;
}

Surface_Compar Trace_Surface_Compar(const Etat_Projet &e, Canvas &c) {
    const Extremes compare = Extremes_Surface(e.Tab_Param_Compar);
    const Extremes courant = Extremes_Surface(e.Tab_Param);
    const double max = std::max(compare.max, courant.max);
    const double min = std::min(compare.min, courant.min);
    const double r = max - min;
    const double h = c.Hauteur();
    const double sx = c.Largeur() / 6;
    double sy = r > 0 ? h / r : 0;
    // Equal surfaces at every heel give a flat chart: both curves across the middle.
    double base = h;
    if (!(sy > 0) || !std::isfinite(sy)) {
        sy = 0;
        base = h / 2;
    }
    c.Efface();
    const auto courbe = [&](const Valeurs &t, std::uint32_t couleur) {
        const auto y = [&](int k) { return base - sy * Fix(V(t, Surface_Mouillee_Gite(k)) - min); };
        for (int k = 1; k < NB_GITES; ++k)
            c.Segment(sx * (k - 1), y(k - 1), sx * k, y(k), couleur);
    };
    courbe(e.Tab_Param, RGB(255, 255, 0));
    // A green light enough to read on the window's dark ground.
    courbe(e.Tab_Param_Compar, RGB(0, 176, 0));
    return Labels_Surface(courant, compare);
}

std::optional<Figures_Comparaison> Comparer_Projets(Etat_Projet &e, Interface_Shell &s,
                                                    Canvas &surface,
                                                    const std::function<void()> &cache) {
    if (!Comparaison_Possible(e)) {
        s.Joue_Son(SON_REFUS_COMPARAISON);
        if (cache)
            cache();
        s.Message(MESSAGE_REFUS_COMPARAISON, MB_EXCLAMATION, TITRE_REFUS_COMPARAISON);
        e.Nom_Compar = NOM_MAITRE;
        return std::nullopt;
    }
    Lit_Projet_Compare(e);
    Figures_Comparaison f = Calcul_Comparaison(e);
    f.surface = Trace_Surface_Compar(e, surface);
    return f;
}

} // namespace gabarit
