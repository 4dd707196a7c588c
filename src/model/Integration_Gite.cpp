#include "model/Integration_Gite.h"

#include <cmath>
#include <vector>

#include "model/Carene.h"
#include "model/Geometrie_Couple.h"
#include "model/Memoire_Niveaux.h"
#include "model/Numeros.h"

namespace gabarit {

namespace {

constexpr double PI_ANGLES = 3.141593;

double Radians(double degres) { return degres * PI_ANGLES / 180.0; }

struct Point {
    double y = 0, h = 0;
};

// A level's point (y, h) turned by the heel: side 1 rises, side 2 sinks.
Point Tourne(double y, double h, double cos_phi, double sin_phi) {
    return {y * cos_phi - h * sin_phi, y * sin_phi + h * cos_phi};
}

double Distance(const Point &a, const Point &b) {
    return std::sqrt((a.y - b.y) * (a.y - b.y) + (a.h - b.h) * (a.h - b.h));
}

} // namespace

void Parcourt_Couple_Gite(Etat_Projet &e, double gite_corde, double pas, bool aires,
                          Memoire_Niveaux *memoire) {
    e.Cos_Angle_Vue = std::cos(Radians(e.Angle_Vue));
    e.Decalage_Vue = std::sin(Radians(e.Angle_Vue)) * e.X_Couple * e.P(ECHELLE_VUE);

    e.Surface_Immergee = e.Surface_Immergee_1 = e.Surface_Immergee_2 = 0;
    e.Perimetre_Mouille = e.Perimetre_Mouille_1 = e.Perimetre_Mouille_2 = 0;

    // The bow has no breadth and the stations cut by an inclined transom are not measured.
    const double X = e.X_Couple;
    if (X < e.P(REPORT_TA) || X == e.L())
        return;
    // A step of zero or less would never reach the keel.
    if (!(pas > 0))
        throw Erreur_Gabarit("Pas vertical nul ou négatif");

    const double D = e.Hauteur_Couple;
    // Nor would a step so small that subtracting it leaves the level where it was: the
    // levels are counted against the table's depth at the finest step.
    if (!(std::fabs(D) / pas <= NB_PAS_HAUTEUR_MAX))
        throw Erreur_Gabarit("Pas vertical trop petit");
    const double B = e.Demi_Largeur_Couple;
    const double a = e.Exp_Forme_A;
    const double b = e.Exp_Forme_B;
    const double T = e.Tirant_Eau_Couple;

    const double phi = Radians(e.Gite_Couple);
    const double cos_phi = std::cos(phi), sin_phi = std::sin(phi);
    const double psi = Radians(gite_corde);
    const double cos_psi = std::cos(psi), sin_psi = std::sin(psi);

    // Every level's half-breadth, the keel's last: from the memory when the caller keeps one.
    std::vector<double> largeurs_calculees;
    if (!memoire)
        Largeurs_Niveaux(largeurs_calculees, D, B, a, b, pas);
    const std::vector<double> &largeurs =
        memoire ? memoire->Largeurs(D, B, a, b, pas) : largeurs_calculees;

    double S = 0, S1 = 0, S2 = 0, G1 = 0, G2 = 0;
    int N = 0, N1 = 0, N2 = 0;
    double s1 = 0, s2 = 0;
    float W = 0; // the immersed chord is held in single precision
    Point p1, p2, prec1, prec2;
    bool premier = true;

    auto niveau = [&](double z, double w) {
        const double h = z - T;
        p1 = Tourne(w, h, cos_phi, sin_phi);
        p2 = Tourne(-w, h, cos_phi, sin_phi);
    };
    auto perimetres = [&]() {
        // The sheer level has no level above it: nothing is added there.
        if (!premier) {
            if (p1.h <= 0)
                G1 += Distance(p1, prec1);
            if (p2.h <= 0)
                G2 += Distance(p2, prec2);
        }
        prec1 = p1;
        prec2 = p2;
        premier = false;
    };

    // The level runs down by repeated subtraction, as the old For loop did.
    std::size_t j = 0;
    for (double z = D; z >= 0; z -= pas, ++j) {
        niveau(z, largeurs[j]);
        if (aires && p2.h < 0) {
            if (psi != 0) {
                W = static_cast<float>(p1.h > 0 ? std::fabs(p2.h) / sin_psi
                                                : std::fabs(p1.h - p2.h) / sin_psi);
                ++N;
                // Chord split about the centre vertical, kept as the system defines it.
                const double k = std::sqrt((p2.y / cos_psi) * (p2.y / cos_psi) - p2.y * p2.y);
                s2 = std::fabs(p2.h) > k ? std::fabs(p2.y / cos_psi) : std::fabs(p2.h / sin_psi);
                ++N2;
                if (static_cast<float>(s2) < W) {
                    s1 = W - s2;
                    ++N1;
                }
            } else {
                s2 = std::fabs(p2.y);
                s1 = std::fabs(p1.y);
                W = static_cast<float>(s1 + s2);
                ++N;
                ++N1;
                ++N2;
            }
        }
        S += s1 + s2;
        S1 += s1;
        S2 += s2;
        perimetres();
    }

    // The keel point, for the girths only (adds nothing when the walk ended on it).
    niveau(0, largeurs.back());
    perimetres();
    // Closing segment to where the keel lies upright, (0, -T).
    const Point quille_droite{0, -T};
    if (p1.h < 0)
        G1 += Distance(p1, quille_droite);
    if (p2.h < 0)
        G2 += Distance(p2, quille_droite);

    if (aires) {
        e.Surface_Immergee = N == 0 ? 0 : S / N * (N - 1) * pas;
        e.Surface_Immergee_1 = N1 == 0 ? 0 : S1 / N1 * (N1 - 1) * pas;
        e.Surface_Immergee_2 = N2 == 0 ? 0 : S2 / N2 * (N2 - 1) * pas;
    }
    e.Perimetre_Mouille_1 = Fini(G1, "perimetre mouille");
    e.Perimetre_Mouille_2 = Fini(G2, "perimetre mouille");
    e.Perimetre_Mouille = G1 + G2;
    Fini(e.Surface_Immergee, "surface immergee");
}

void Integre_Couple_Gite(Etat_Projet &e, double gite_corde, double pas, bool aires,
                         Memoire_Niveaux *memoire) {
    Calcul_Couple(e);
    Parcourt_Couple_Gite(e, gite_corde, pas, aires, memoire);
}

void Integre_Couple(Etat_Projet &e) {
    Integre_Couple_Gite(e, e.P(ANGLE_GITE), e.P(PAS_VERTICAL), true);
}

void Calcul_Surface_Couple(Etat_Projet &e) { Calcul_Surface_Couple(e, nullptr); }

void Calcul_Surface_Couple(Etat_Projet &e, Memoire_Niveaux *memoire) {
    Integre_Couple_Gite(e, e.P(ANGLE_GITE), e.P(PAS_VERTICAL), false, memoire);
}

} // namespace gabarit
