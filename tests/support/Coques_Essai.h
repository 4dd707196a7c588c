#pragma once
// Small hulls whose sections are worked out by hand, for the computation and drawing tests.
#include "model/Carene.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit::test {

// Every boat carries sails: the derivation works their figures out whenever the hull or the
// waterline moves. A plain rig in proportion to the hull length L, the mast at 0.55 L: its
// figures are worked out where a test needs them, never pinned here.
inline void Greement_Simple(Etat_Projet &e, double L) {
    e.P(HAUTEUR_MAT) = 1.5 * L;
    e.P(POSITION_MAT) = 0.55 * L;
    e.P(HAUTEUR_GV) = 1.4 * L;
    e.P(LARGEUR_GV) = 0.3 * L;
    e.P(ENTRE_PONT_GV) = 0.05 * L;
    e.P(EXP_CHUTE_GV) = 1.5;
    e.P(HAUTEUR_FOC) = 1.1 * L;
    e.P(LARGEUR_FOC) = 0.25 * L;
    e.P(ENTRE_PONT_FOC) = 0.04 * L;
}

// A box-like hull L mm long: the plan and depth laws have the same value at both ends and at
// their widest and deepest stations (mid-length), so every station has the half-breadth B and
// the depth D, and one section shape (a, b) runs from stern to bow: a = b = 0 is a rectangle.
// The shape-blend exponents P(107), P(108) are 1.
inline Etat_Projet Coque_Caisson(double L = 1000, double B = 50, double D = 100, double a = 0,
                                 double b = 0) {
    Etat_Projet e;
    e.P(1) = 0;
    e.P(2) = L;
    e.P(3) = e.P(4) = e.P(11) = e.P(12) = 2;
    e.P(5) = e.P(14) = B;
    e.P(6) = e.P(15) = e.P(21) = D;
    e.P(10) = e.P(9) = L / 2;
    for (int n : {7, 16, 19})
        e.P(n) = a;
    for (int n : {8, 17, 20})
        e.P(n) = b;
    e.P(107) = e.P(108) = 1;
    Greement_Simple(e, L);
    return e;
}

// The waterline ar mm below the sheer at the stern and av at the bow, at every heel.
inline void Francs_Bords(Etat_Projet &e, double ar, double av) {
    for (int k = 0; k < NB_GITES; ++k) {
        e.P(Franc_Bord_AR(k)) = ar;
        e.P(Franc_Bord_AV(k)) = av;
    }
}

// The box hull (sections u^0.5) floating upright 30 mm below its sheer, 60 at the other heels:
// 70 mm of it under water upright. At its middle a 250 mm keel carries a 1000 g bulb 200 mm
// long whose upper profile (row 3) is 5 % thick at most: its axis 250 + 70 + 10 = 330 mm down.
// A servo of 100 g 50 mm down: the centre of gravity is floor(335000 / 1100) = 304 mm down.
inline Etat_Projet Caisson_Bulbe() {
    Etat_Projet e = Coque_Caisson(1000, 50, 100, 0.5);
    Francs_Bords(e, 60, 60);
    e.P(Franc_Bord_AR(0)) = e.P(Franc_Bord_AV(0)) = 30;
    e.P(POSITION_DERIVE) = 500, e.P(LONGUEUR_DERIVE) = 250;
    e.P(POIDS_BULBE) = 1000, e.P(LONGUEUR_BULBE) = 200, e.P(POSITION_BULBE) = 50;
    e.P(NACA_BULBE_HAUT) = 3;
    e.Table_Naca[3][26] = 5;
    e.P(Poids_Item(ITEM_SERVO1)) = 100, e.P(Z_Item(ITEM_SERVO1)) = 50;
    return e;
}

// Every floating result, upright and at the six heels, out of date.
inline void Resultats_Perimes(Etat_Projet &e) {
    for (int k = 0; k < NB_GITES; ++k)
        e.P(Etat_Gite(k)) = 1;
}

// The box loaded for the flotation tests: weight P(42) (g) with its centre of gravity P(23)
// (mm from the stern), the user's steps (0.1 mm vertical, L / 40 along), every floating
// result out of date.
inline Etat_Projet Caisson_Charge(double poids, double centre, double L = 1000, double B = 50,
                                  double D = 100) {
    Etat_Projet e = Coque_Caisson(L, B, D);
    e.P(42) = poids;
    e.P(23) = centre;
    e.P(37) = 0.1;
    e.P(27) = L / 40;
    Resultats_Perimes(e);
    return e;
}

// The loaded box with its hull table, ready to float.
inline Etat_Projet Caisson_Tabule(double poids, double centre, double L = 1000, double B = 50,
                                  double D = 100) {
    Etat_Projet e = Caisson_Charge(poids, centre, L, B, D);
    Calcul_Tab(e);
    return e;
}

// A 1000 mm model for the hull-form windows: widest station 450 mm and deepest 500 mm from
// the stern, transom 2 x 60 wide and 65 deep, section shapes changing along the hull (their
// variation exponents 3 forward, 2 aft), steps and view as after a load.
inline void Charge_Carene(Etat_Projet &e) {
    auto &p = e.Tab_Param;
    p[1] = 550, p[2] = 450, p[3] = 2, p[4] = 1.5, p[5] = 100, p[6] = 120;
    p[7] = 0.6, p[8] = 0.5, p[9] = 500, p[10] = 500, p[11] = 2.5, p[12] = 3;
    p[14] = 60, p[15] = 65, p[16] = 0.8, p[17] = 0.6, p[19] = 0.5, p[20] = 0.3, p[21] = 70;
    p[26] = 0, p[27] = 100, p[107] = 3, p[108] = 2, p[43] = 40, p[49] = 50;
    p[42] = 3000, p[170] = 1500;
    p[37] = 2, p[231] = 10; // vertical step and station count, as after a load
    Greement_Simple(e, 1000);
    e.Ech_Couple = 1;
    e.Cle_Vue = "TB_ET";
}

// L = 200 mm. Every section is a V, y = B z / D (a = 1, b = 0), depth D = 40 everywhere,
// freeboard 10 at every heel, so the draught is 30 everywhere. Half-breadth 50 from the stern
// to the widest station X = 100, then straight in to 0 at the bow. Vertical transom, no
// rake.
inline Etat_Projet Coque_V() {
    Etat_Projet e;
    e.P(1) = 100;
    e.P(2) = 100;
    e.P(3) = 1;
    e.P(4) = 1;
    e.P(5) = 50;
    e.P(14) = 50;
    e.P(6) = 40;
    e.P(15) = 40;
    e.P(21) = 40;
    e.P(9) = 100;
    e.P(10) = 100;
    e.P(11) = 1;
    e.P(12) = 1;
    e.P(7) = e.P(16) = e.P(19) = 1;
    e.P(8) = e.P(17) = e.P(20) = 0;
    e.P(107) = e.P(108) = 1;
    Francs_Bords(e, 10, 10);
    Greement_Simple(e, 200);
    e.P(37) = 2;
    e.P(27) = 20;
    return e;
}

// The same hull with an inclined transom over 25 mm and a raked stem over 20 mm. In the
// transom region the cut lies h = 40 - 1.6 X below the sheer: top level Cote_Livet =
// 30 - 1.6 X, top half-breadth 2 X. Forward of 180 the keel rises along the stem: draught
// 2 (200 - X) - 10.
inline Etat_Projet Coque_Tableau() {
    Etat_Projet e = Coque_V();
    e.P(35) = 25;
    e.P(36) = 20;
    return e;
}

} // namespace gabarit::test
