#pragma once
// A small sailing yacht set by hand, for the view tests and the view benchmark: 1 m long,
// 180 mm beam, a fin keel with its bulb, a rudder and a free sail plan.
#include <cmath>
#include <memory>
#include <string>

#include "interfaces/Canvas.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Flottaison.h"
#include "rig/Table_Naca.h"
#include "views/Dessins.h"

namespace gabarit::essai {

inline std::unique_ptr<Etat_Projet> Projet_Essai() {
    auto e = std::make_unique<Etat_Projet>();
    Etat_Projet &p = *e;
    // Hull form.
    p.P(1) = 600;
    p.P(2) = 400;
    p.P(3) = 1.8;
    p.P(4) = 2;
    p.P(5) = 90;
    p.P(6) = 110;
    p.P(7) = 0.8;
    p.P(8) = 0.3;
    p.P(10) = 550;
    p.P(9) = 450;
    p.P(11) = 2;
    p.P(12) = 2;
    p.P(14) = 50;
    p.P(15) = 60;
    p.P(16) = 1;
    p.P(17) = 0.2;
    p.P(19) = 0.8;
    p.P(20) = 0.2;
    p.P(21) = 90;
    p.P(107) = 2;
    p.P(108) = 2;
    // Steps and working settings.
    p.P(27) = 100;
    p.P(231) = 10;
    p.P(37) = 2;
    p.Ech_Couple = 1;
    p.Cle_Vue = "TB_ET";
    p.Mode_Couple = "Complet";
    p.X_Item_Choisi = -1;
    // Weights and centres.
    p.P(42) = 3000;
    p.P(23) = 500;
    p.P(28) = -40;
    p.P(103) = 450;
    p.P(104) = 500;
    p.P(126) = 480;
    p.P(43) = p.P(49) = 50;
    for (int k = 0; k < 7; ++k)
        p.P(186 + k) = 1;
    // Rig.
    p.P(82) = 1500;
    p.P(83) = 420;
    p.P(84) = 1450;
    p.P(85) = 350;
    p.P(86) = 40;
    p.P(87) = 1.5;
    p.P(93) = 60;
    p.P(94) = 900;
    p.P(96) = 1200;
    p.P(97) = 300;
    p.P(98) = 40;
    // Keel, rudder, bulb.
    p.P(18) = p.P(25) = 10;
    p.P(88) = p.P(92) = 10;
    p.P(110) = 500;
    p.P(111) = 110;
    p.P(112) = 80;
    p.P(113) = 420;
    p.P(136) = 50; // the root chord's aft end 1 mm ahead of the transom
    p.P(137) = 70;
    p.P(138) = 45;
    p.P(139) = 160;
    p.P(159) = p.P(160) = p.P(161) = 12;
    p.P(162) = 50;
    p.P(165) = 220;
    p.P(166) = 45;
    // A plausible NACA table: every profile 12 % thick, elliptic-ish along the chord.
    Pose_Stations_Naca(p);
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 26; ++j) {
            const float u = p.Stations_Naca[j] / 100.f;
            p.Table_Naca[i][j] = 6.f * 2.f * std::sqrt(u * (1 - u));
        }
        p.Table_Naca[i][26] = 6.f;
    }
    // The hull table and the upright waterline.
    Shell_Enregistreur s;
    Calcul_Tab(p);
    Calcul_Flottaison(p, s);
    return e;
}

} // namespace gabarit::essai
