#include <cmath>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "rig/Table_Naca.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {
// The V hull (hull bottom 30 mm below the waterline everywhere) drawn at 1 unit per mm from
// the picture's corner, so picture points are model points.
Etat_Projet Appendices() {
    Etat_Projet e = Coque_V();
    e.P(22) = 1;
    e.P(40) = 0;
    e.P(41) = 0;
    e.P(110) = 100;
    e.P(111) = 101;
    e.P(112) = 60;
    e.P(113) = 300;
    e.P(115) = 10;
    e.P(136) = 50;
    e.P(137) = 51;
    e.P(138) = 30;
    e.P(139) = 200;
    e.P(141) = 15;
    return e;
}
// Angles through the drawings' pi 3.141593, which shows at the fifth decimal over a 300 mm span.
constexpr double SIN10 = 0.1736481966, COS10 = 0.9848077497;
const double SIN15 = std::sin(15 * 3.141593 / 180), COS15 = std::cos(15 * 3.141593 / 180);
} // namespace

TEST(Trace_Derive, QuilleInclinee) {
    Etat_Projet e = Appendices();
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 400);
    Trace_Derive(e, s, c);
    ASSERT_EQ(c.traits.size(), 3u);
    const double decal = 300 * SIN10;
    const double zt = (300 + 30) * COS10; // span plus hull depth, scaled by cos a
    Compare(c.traits[0], {100, 30, 100 - decal, zt, JAUNE}, 1e-7);
    // Root ends 400 + 30.3 and 400 - 70.7 truncated (here about 100): 130 and 29.
    Compare(c.traits[1], {130, 30, 118 - decal, zt, BLEU}, 1e-7);
    Compare(c.traits[2], {29, 30, 58 - decal, zt, BLEU}, 1e-7);

    e.P(115) = 0;
    Canvas_Enregistreur d(300, 400);
    Trace_Derive(e, s, d);
    Compare(d.traits[0], {100, 30, 100, 330, JAUNE}, 1e-9);
}

TEST(Trace_Safran, SafranInclineAvecCordeDeBout) {
    Etat_Projet e = Appendices();
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 400);
    Trace_Safran(e, s, c);
    ASSERT_EQ(c.traits.size(), 4u);
    const double decal = 200 * SIN15;
    const double zt = 230 * COS15;
    Compare(c.traits[0], {50, 30, 50 - decal, zt, JAUNE}, 1e-7);
    Compare(c.traits[1], {50 - 21 - decal, zt, 50 + 9 - decal, zt, BLEU}, 1e-7);
    // Root ends not truncated, on the hull bottom scaled by cos a.
    Compare(c.traits[2], {50 - 35.7, 30 * COS15, 50 - 21 - decal, zt, BLEU}, 1e-7);
    Compare(c.traits[3], {50 + 15.3, 30 * COS15, 50 + 9 - decal, zt, BLEU}, 1e-7);
}

TEST(Trace_Bulbe, BulbeSousLaQuilleEtValeursStockees) {
    Etat_Projet e = Appendices();
    e.P(115) = 0;
    e.P(159) = 3.4; // rounded to 3
    e.P(161) = 4.5; // rounded to 4, the even neighbour
    e.P(162) = 50;
    e.P(165) = 200; // 2 mm per per cent
    Pose_Stations_Naca(e);
    for (int k = 0; k < 26; ++k) {
        e.Table_Naca[3][k] = static_cast<float>(k) / 2;
        e.Table_Naca[4][k] = static_cast<float>(k) / 4;
    }
    e.Table_Naca[3][26] = 10;
    e.Table_Naca[4][26] = 8;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 400);
    // The drawing stores nothing: the bulb's station is the derivation's, its depth the
    // righting moment's.
    const auto avant = e.Tab_Param;
    Trace_Bulbe(e, s, c);
    EXPECT_EQ(e.Tab_Param, avant);
    ASSERT_EQ(c.traits.size(), 50u);
    // Nose at 100 + 100 = 200, tail at 0.
    Compare(c.traits[0], {200, 350, 199, 350 + 0.5, BLEU}, 1e-6);
    Compare(c.traits[1], {200, 350, 199, 350 - 1, BLEU}, 1e-6);
    Compare(c.traits[48], {10, 350 + 24 * 0.5, 0, 350 + 25 * 0.5, BLEU}, 1e-6);
    Compare(c.traits[49], {10, 350 - 24.0, 0, 350 - 25.0, BLEU}, 1e-6);

    // The keel tip at 80 % of the bulb from its tail: the nose 0.2 x 200 ahead of it.
    e.P(162) = 80;
    Trace_Bulbe(e, s, c);
    EXPECT_DOUBLE_EQ(c.traits[50].x1, 140);
}

TEST(Trace_Appendices, RefuseAvantDeDessinerOuStocker) {
    // Bulb profiles outside the table (39.6 rounds to 40), either half, refused with the reason
    // the bulb window shows; a bulb 1e308 mm long, whose depths would be infinite in single
    // precision. An appendage outside the hull, which runs from 0 to 200 with an inclined
    // transom over 25 mm: rudder root 50 +- 51, at 30 its aft end is at -5.7, at 190 its fore
    // end at 205.3; keel root 100 +- 101 (tip 60, raked 300 sin 10 = 52.094), at 80 the tip's
    // aft end Fix(38) - 52.094 lies behind.
    using Trace = void (*)(Etat_Projet &, Interface_Shell &, Canvas &);
    struct Cas {
        Trace trace;
        int n;
        double v;
        const char *message; // "" for a profile's refusal
    };
    for (const Cas &k :
         {Cas{Trace_Bulbe, 159, -1, ""}, Cas{Trace_Bulbe, 159, 40, ""},
          Cas{Trace_Bulbe, 159, 39.6, ""}, Cas{Trace_Bulbe, 161, -1, ""},
          Cas{Trace_Bulbe, 161, 40, ""}, Cas{Trace_Bulbe, 161, 39.6, ""},
          Cas{Trace_Bulbe, 165, 1e308,
              "Calcul impossible : profondeur du bulbe non finie ou trop grande pour le fichier"},
          Cas{Trace_Safran, 136, 30,
              "Le pied du safran dépasse en arrière de la coque : le bord de fuite de sa "
              "corde haute (n° 136 moins 70 % du n° 137) tombe à 5.7 mm en arrière du "
              "tableau arrière. Avancer le safran (n° 136) ou réduire sa corde haute "
              "(n° 137)."},
          Cas{Trace_Safran, 136, 190,
              "Le pied du safran dépasse en avant de la coque : le bord d'attaque de sa "
              "corde haute (n° 136 plus 30 % du n° 137) tombe à 5.3 mm en avant de "
              "l'étrave. Reculer le safran (n° 136) ou réduire sa corde haute (n° 137)."},
          Cas{Trace_Derive, 110, 80,
              "Le bout de la dérive dépasse en arrière de la coque : le bord de fuite de "
              "sa corde basse (n° 110 moins 70 % du n° 112, moins n° 113 × sin n° 115) "
              "tombe à 14.094 mm en arrière du tableau arrière. Avancer la dérive "
              "(n° 110), réduire sa corde basse (n° 112) ou son inclinaison (n° 115)."},
          Cas{Trace_Bulbe, 110, 250,
              "La dérive dépasse en avant de la coque : son axe (n° 110) tombe à 50 mm en "
              "avant de l'étrave. Reculer la dérive (n° 110)."}}) {
        SCOPED_TRACE(testing::Message() << k.n << " " << k.v);
        Etat_Projet e = Appendices();
        e.Table_Naca[0][26] = 6;
        e.P(35) = 25;
        e.P(165) = 200;
        e.P(k.n) = k.v;
        Shell_Enregistreur s;
        Canvas_Enregistreur c(300, 400);
        if (*k.message == 0)
            EXPECT_THROW(k.trace(e, s, c), Refus_Profil);
        else
            EXPECT_EQ(Refus_De([&] { k.trace(e, s, c); }), k.message);
        EXPECT_TRUE(c.traits.empty());
        EXPECT_EQ(s.effacements_bulbe_cote, 0);
    }
}
