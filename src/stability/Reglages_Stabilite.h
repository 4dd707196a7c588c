#pragma once
// What the stability window decides without a screen: the onboard item it edits, the picture
// of that item on its section, and the bar chart of the prismatic coefficient per heel.
#include <array>

#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

// The six onboard items in the window's option order (not the record's): caption and the
// record numbers of their station, height, weight and lateral place.
struct Item_Stabilite {
    const char *legende;
    int x, z, poids, y;
};
// The record numbers of onboard item i (ITEM_SERVO1 ...), under its caption.
inline constexpr Item_Stabilite Item_Numeros(const char *legende, int i) {
    return {legende, X_Item(i), Z_Item(i), Poids_Item(i), Y_Item(i)};
}
inline constexpr std::array<Item_Stabilite, 6> ITEMS_STABILITE{{
    Item_Numeros("Servo 1", ITEM_SERVO1),
    Item_Numeros("Servo 2", ITEM_SERVO2),
    Item_Numeros("Recepteur", ITEM_RECEPTEUR),
    Item_Numeros("Batterie", ITEM_BATTERIE),
    Item_Numeros("Winch", ITEM_WINCH),
    Item_Numeros("Libre", ITEM_LIBRE),
}};

// The option the project names in ITEM_HAUTEUR (station number) and ITEM_LATERAL (lateral
// number); a pair that names none of the six gives "Servo 1", so the record is never indexed
// by them.
int Item_Du_Projet(const Etat_Projet &e);
// Chooses item i: ITEM_HAUTEUR, ITEM_LATERAL and X_Couple take its numbers and station.
void Choisit_Item(Etat_Projet &e, int i);

// The chosen item on the section at its station (X_Couple is left there): the picture scaled about
// its centre to the half-beam, the section at Gite_Couple, and a red cross at (y across, its
// height).
void Trace_Item_Stabilite(Etat_Projet &e, Interface_Shell &shell, Canvas &picture, int i, double y);

// Every heel result of this project and of the compared one is current (no flag at 1).
bool Calculs_Gite_A_Jour(const Etat_Projet &e);
inline constexpr const char *MESSAGE_CALCULS_GITE =
    "AFFICHAGE IMPOSSIBLE\rLes calculs de gite ne sont pas effectués\r";

// One heel's bars of the chart, in twips: the upper bar stands on 840 and grows up while ten
// times the coefficient is under 5.5; the lower bar hangs from 1080 and shrinks to nothing at
// 7. A value above 7 leaves the lower bar empty.
struct Barre_Gite {
    double haut1, hauteur1; // Shape1(i)
    double haut2, hauteur2; // Shape2(i)
};
Barre_Gite Calcul_Barre_Gite(double coefficient);

} // namespace gabarit
