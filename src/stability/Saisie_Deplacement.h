#pragma once
// What the weights window's buttons check and store: the eight weights and the stations of
// the eight masses, in whole grams and millimetres. The window reads its boxes; the rules
// live here, where they are tested without a screen.
#include <array>
#include <optional>

#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

inline constexpr int NB_CHAMPS_DEPLACEMENT = 16;
// Record number edited by each box: weights 0 to 7 (servo 1, servo 2, receiver, battery,
// winch, hull, bulb, free weight), their stations 8 to 15 (box 14 holds the keel tip's place
// along the bulb, in per cent).
inline constexpr int ELEMENT_DEPLACEMENT[NB_CHAMPS_DEPLACEMENT] = {
    Poids_Item(ITEM_SERVO1),
    Poids_Item(ITEM_SERVO2),
    Poids_Item(ITEM_RECEPTEUR),
    Poids_Item(ITEM_BATTERIE),
    Poids_Item(ITEM_WINCH),
    POIDS_CARENE,
    POIDS_BULBE,
    Poids_Item(ITEM_LIBRE),
    X_Item(ITEM_SERVO1),
    X_Item(ITEM_SERVO2),
    X_Item(ITEM_RECEPTEUR),
    X_Item(ITEM_BATTERIE),
    X_Item(ITEM_WINCH),
    X_CARENE,
    POSITION_BULBE,
    X_Item(ITEM_LIBRE),
};

struct Plage_Deplacement {
    double minimum, maximum;
};
// The range of a box's spin control for a hull of length L.
Plage_Deplacement Plage_Champ_Deplacement(int champ, double L);

// One value per box: the number to store, or nothing to leave the record as it is (a box the
// user did not touch whose record value lies outside its range).
using Saisie_Deplacement = std::array<std::optional<double>, NB_CHAMPS_DEPLACEMENT>;

struct Refus_Deplacement {
    enum class Motif {
        Hors_Plage, // a box outside its range [minimum, maximum]
        Poids_Nul,  // the eight weights would sum to zero or less: nothing to float
    };
    int champ = 0;
    Motif motif = Motif::Hors_Plage;
    double minimum = 0, maximum = 0;
};

// The first box refused in the reading order of the window, or nothing.
std::optional<Refus_Deplacement> Verifie_Deplacement(const Etat_Projet &e,
                                                     const Saisie_Deplacement &s);
// Stores a checked entry, each value the whole number nearest it (an exact half to the even
// neighbour).
void Stocke_Deplacement(Etat_Projet &e, const Saisie_Deplacement &s);

} // namespace gabarit
