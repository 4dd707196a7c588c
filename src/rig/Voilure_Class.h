#pragma once
// The CLASS sail plan: the mainsail's roach law w(u) = F u^(A + B u + C u^2), u = 1 - h/luff,
// fitted through three reference battens at 3/4, 2/4 and 1/4 of the luff, and its centre of
// effort. The jib and the mast are those of the free plan.
#include <array>

#include "model/Etat_Projet.h"

namespace gabarit {

// What the sail window shows when a CLASS computation is refused (exclamation, "Attention").
inline constexpr const char *MESSAGE_CALCUL_IMPOSSIBLE = "Calcul Impossible";

// The batten heights as values of u: 3/4, 2/4 and 1/4 of the luff above the tack.
inline constexpr std::array<double, 3> U_LATTES = {0.25, 0.5, 0.75};

struct Coefs_Roof {
    double a, b, c; // COEF_ROOF_A, COEF_ROOF_B, COEF_ROOF_C
};

// Width aft of the mast at u (1 at the foot, 0 at the head) for a foot f. Throws where the
// power is not defined (0 to a negative power).
double Largeur_Class(const Coefs_Roof &k, double f, double u);
// How far forward of the clew the leech lies at u, for a foot f: F (1 - u^b(u)), written so,
// not as F - w(u), which falls on the other side of a strip's edge when the leech lies on it.
double Avancee_Class(const Coefs_Roof &k, double f, double u);
// The stored law of the record.
Coefs_Roof Coefs_Roof_Projet(const Etat_Projet &e);

// The stored law's widths at the three battens, cut to hundredths as a drawing shows them.
std::array<double, 3> Lattes_Loi(const Etat_Projet &e);

// Calcul_Lattes: the three batten lengths of the free mainsail (leech exponent EXP_CHUTE_GV), at
// 3H'/4, H'/2 and H'/4. Refuses a luff of zero or less.
std::array<double, 3> Calcul_Lattes(const Etat_Projet &e);

// The exact quadratic exponent through the three battens of a mainsail of foot f. Refuses a
// foot or a batten of zero or less, any fit that is not finite, and a law the sail drawing
// cannot draw (no finite width at one of its nine samples: a batten longer than the foot can
// give A < 0, a width without end at the head).
Coefs_Roof Ajuste_Roof(double f, const std::array<double, 3> &lattes);
// Refuses, naming the law's records, a stored roach law that gives the mainsail no finite
// width at one of the drawing's nine samples (A below 0 has none at the head).
void Verifie_Loi_Roof(const Etat_Projet &e);
// Calcul_Roof_Lattes: fits the battens and stores C, B, A; a refused fit stores nothing.
void Calcul_Roof_Lattes(Etat_Projet &e, const std::array<double, 3> &lattes);

} // namespace gabarit
