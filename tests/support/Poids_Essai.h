#pragma once
// A loaded yacht whose weights and centres are worked out by hand: every mass with its own
// weight, station, height and lateral place, so a swapped record number moves a centre.
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit::test {

// Servo 1, servo 2, battery, winch, receiver, free item: weight (g), station, height,
// lateral place (mm).
inline constexpr double ITEMS[NB_ITEMS][4] = {{45, 170, 25, 30},   {30, 640, 60, -20},
                                              {100, 420, 15, -10}, {180, 560, 30, 15},
                                              {15, 360, 35, 40},   {12, 700, 5, -5}};

// The six items; the hull, 1100 g at 470 mm and 2 mm to port; a 2000 g bulb 200 mm
// long centred on the tip of a straight keel 250 mm long at 500 mm, its centre 330 mm down.
// Worked by hand, as the record then holds them:
//   total 382 (items) + 1100 + 2000 = 3482 g;
//   stations 183450 (items) + 470 x 1100 + 500 x 2000 = 1700450, / 3482 = 488.35: 488;
//   heights, the hull not counted: 10410 (items) + 330 x 2000 = 670410, / 2382 = 281.4: 281.
inline void Poids_Distincts(Etat_Projet &e) {
    for (int i = 0; i < NB_ITEMS; ++i) {
        e.P(Poids_Item(i)) = ITEMS[i][0];
        e.P(X_Item(i)) = ITEMS[i][1];
        e.P(Z_Item(i)) = ITEMS[i][2];
        e.P(Y_Item(i)) = ITEMS[i][3];
    }
    e.P(POIDS_CARENE) = 1100;
    e.P(X_CARENE) = 470;
    e.P(Y_CARENE) = 2;
    e.P(POIDS_BULBE) = 2000;
    e.P(POSITION_DERIVE) = 500;
    e.P(LONGUEUR_DERIVE) = 250;
    e.P(POSITION_BULBE) = 50;
    e.P(LONGUEUR_BULBE) = 200;
    e.P(Z_BULBE) = 330;
    e.P(X_BULBE) = 500;
    e.P(POIDS_TOTAL) = 3482;
    e.P(CENTRE_GRAVITE_X) = 488;
    e.P(CENTRE_GRAVITE_Z) = 281;
}

} // namespace gabarit::test
