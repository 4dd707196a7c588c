#include "stability/Centrage.h"

#include <cmath>

#include "model/Flottaison.h"

namespace gabarit {

namespace {
// The program's own value of pi for the keel rake.
constexpr double PI_QUILLE = 3.14116;

struct Masse {
    int position; // record number of the station or height
    int poids;    // record number of the weight
};

// Station and weight of the eight masses: servo 1, hull, servo 2, battery, winch, receiver,
// free weight, bulb.
constexpr Masse MASSES_X[] = {{58, 60}, {32, 57}, {61, 63}, {64, 66},
                              {67, 69}, {70, 72}, {73, 75}, {180, 170}};
// Height and weight of the seven onboard masses; the hull has no height.
constexpr Masse MASSES_Z[] = {{62, 63}, {59, 60}, {65, 66},  {68, 69},
                              {71, 72}, {74, 75}, {181, 170}};
} // namespace

void Calcul_Centre_Gravite(Etat_Projet &e) {
    // The keel tip moves aft with the rake; the bulb sits on it at P(162) % of its length.
    const double tip = e.P(110) - e.P(113) * std::sin(e.P(115) * PI_QUILLE / 180);
    const double x_bulbe = Fini((50 - e.P(162)) / 100 * e.P(165) + tip, "X_Bulbe");

    double poids = 0, moment_x = 0;
    for (const Masse &m : MASSES_X) {
        const double p = m.position == 180 ? x_bulbe : e.P(m.position);
        poids += e.P(m.poids);
        moment_x += p * e.P(m.poids);
    }
    // Weights summing to zero leave no centre to find and nothing for the waterline to carry.
    if (poids == 0)
        throw Erreur_Gabarit(MESSAGE_POIDS_NUL);
    const double cg_x = Int(Divise(moment_x, poids));

    double poids_z = 0, moment_z = 0;
    for (const Masse &m : MASSES_Z) {
        poids_z += e.P(m.poids);
        moment_z += e.P(m.position) * e.P(m.poids);
    }
    // With only the hull carrying weight the onboard items have no height: 0.
    const double cg_z = poids_z == 0 ? 0.0 : Int(Divise(moment_z, poids_z));

    e.P(180) = x_bulbe;
    e.P(42) = Fini(poids, "Poids_Total");
    e.P(23) = cg_x;
    e.P(28) = cg_z;
}

void Calcul_Centrage(Etat_Projet &e, Interface_Shell &shell) {
    try {
        Calcul_Centre_Gravite(e);
    } catch (const Erreur_Gabarit &err) {
        if (std::string(err.what()) != MESSAGE_POIDS_NUL)
            throw;
        shell.Message(MESSAGE_POIDS_NUL, MB_EXCLAMATION, "Attention");
        throw Erreur_Gabarit(MESSAGE_POIDS_NUL, true);
    }

    // The waterline is found upright, whatever heel the user chose.
    const double angle = e.P(26);
    e.P(26) = 0;
    e.Angle_Vue = 0;
    e.Gite_Couple = 0;
    shell.Texte_Statut(1, "Calcul en Cours");
    shell.Laisse_Evenements();
    e.P(130) = 0;
    e.P(26) = angle;
    shell.Texte_Statut(1, "Pret");
    Calcul_Flottaison(e, shell);
}

} // namespace gabarit
