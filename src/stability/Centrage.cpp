#include "stability/Centrage.h"

#include <cmath>

#include "model/Fichier_Projet.h"
#include "model/Flottaison.h"
#include "model/Numeros.h"
#include "rig/Bulbe.h"
#include "stability/Derivation.h"

namespace gabarit {

namespace {

struct Masse {
    int position; // record number of the station or height
    int poids;    // record number of the weight
};

// Station and weight of the eight masses: servo 1, hull, servo 2, battery, winch, receiver,
// free weight, bulb.
constexpr Masse MASSES_X[] = {{X_Item(ITEM_SERVO1), Poids_Item(ITEM_SERVO1)},
                              {X_CARENE, POIDS_CARENE},
                              {X_Item(ITEM_SERVO2), Poids_Item(ITEM_SERVO2)},
                              {X_Item(ITEM_BATTERIE), Poids_Item(ITEM_BATTERIE)},
                              {X_Item(ITEM_WINCH), Poids_Item(ITEM_WINCH)},
                              {X_Item(ITEM_RECEPTEUR), Poids_Item(ITEM_RECEPTEUR)},
                              {X_Item(ITEM_LIBRE), Poids_Item(ITEM_LIBRE)},
                              {X_BULBE, POIDS_BULBE}};
// Height and weight of the six onboard items; the bulb hangs below them, the hull has no
// height.
constexpr Masse MASSES_Z[] = {{Z_Item(ITEM_SERVO2), Poids_Item(ITEM_SERVO2)},
                              {Z_Item(ITEM_SERVO1), Poids_Item(ITEM_SERVO1)},
                              {Z_Item(ITEM_BATTERIE), Poids_Item(ITEM_BATTERIE)},
                              {Z_Item(ITEM_WINCH), Poids_Item(ITEM_WINCH)},
                              {Z_Item(ITEM_RECEPTEUR), Poids_Item(ITEM_RECEPTEUR)},
                              {Z_Item(ITEM_LIBRE), Poids_Item(ITEM_LIBRE)}};

// Vertical centre of the items and the bulb, floor(sum z x weight / sum of weights); with only
// the hull carrying weight the onboard items have no height: 0.
double Hauteur_Centre(Etat_Projet &e) {
    double poids_z = 0, moment_z = 0;
    for (const Masse &m : MASSES_Z) {
        poids_z += e.P(m.poids);
        moment_z += e.P(m.position) * e.P(m.poids);
    }
    if (e.P(POIDS_BULBE) != 0) {
        poids_z += e.P(POIDS_BULBE);
        moment_z += Profondeur_Axe_Bulbe(e) * e.P(POIDS_BULBE);
    }
    return poids_z == 0 ? 0.0 : Int(Divise(moment_z, poids_z));
}
} // namespace

void Calcul_Centre_Gravite(Etat_Projet &e) {
    // The keel tip moves aft with the rake; the bulb sits on it at POSITION_BULBE % of its
    // length.
    const double tip =
        e.P(POSITION_DERIVE) - e.P(LONGUEUR_DERIVE) * std::sin(e.P(ANGLE_DERIVE) * PI_QUILLE / 180);
    // Checked against what the project file can hold: a light bulb far away leaves the
    // moment of the weights finite.
    const double x_bulbe = Stockable((50 - e.P(POSITION_BULBE)) / 100 * e.P(LONGUEUR_BULBE) + tip,
                                     "position du bulbe");

    double poids = 0, moment_x = 0;
    for (const Masse &m : MASSES_X) {
        const double p = m.position == X_BULBE ? x_bulbe : e.P(m.position);
        poids += e.P(m.poids);
        moment_x += p * e.P(m.poids);
    }
    // Weights summing to zero leave no centre to find and nothing for the waterline to carry.
    if (poids == 0)
        throw Erreur_Gabarit(MESSAGE_POIDS_NUL);
    const double cg_x = Int(Divise(moment_x, poids));

    const double cg_z = Hauteur_Centre(e);

    // As a project file gives them back: a saved project floats the same weight.
    e.P(X_BULBE) = Valeur_Fichier(x_bulbe);
    e.P(POIDS_TOTAL) = Valeur_Fichier(Fini(poids, "poids total"));
    e.P(CENTRE_GRAVITE_X) = cg_x;
    e.P(CENTRE_GRAVITE_Z) = cg_z;
}

void Calcul_Centrage(Etat_Projet &e, Interface_Shell &shell) {
    try {
        Derive_Valeurs(e);
    } catch (const Erreur_Gabarit &err) {
        if (std::string(err.what()) != MESSAGE_POIDS_NUL)
            throw;
        shell.Message(MESSAGE_POIDS_NUL, MB_EXCLAMATION, "Attention");
        throw Erreur_Gabarit(err.what(), true); // told: no second box
    }

    // The waterline is found upright, whatever heel the user chose.
    const double angle = e.P(ANGLE_GITE);
    e.P(ANGLE_GITE) = 0;
    e.Angle_Vue = 0;
    e.Gite_Couple = 0;
    shell.Texte_Statut(1, "Calcul en Cours");
    shell.Laisse_Evenements();
    e.P(ZERO_CENTRAGE) = 0;
    e.P(ANGLE_GITE) = angle;
    shell.Texte_Statut(1, "Pret");
    // The bulb hangs from the hull bottom, and the sails stand on the deck, at the waterline
    // just found.
    if (Calcul_Flottaison(e, shell))
        Derive_Valeurs(e);
}

} // namespace gabarit
