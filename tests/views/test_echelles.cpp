#include <gtest/gtest.h>

#include <cmath>

#include "views/Dessins.h"

using namespace gabarit;

TEST(Echelles, OriginesDesVuesDeCoteEtDeLaVoilure) {
    Etat_Projet e;
    e.P(22) = 7;
    Canvas_Enregistreur c(300, 200);
    Echelle_Profil(e, c);
    EXPECT_DOUBLE_EQ(e.P(40), 50);
    EXPECT_DOUBLE_EQ(e.P(41), 15);
    EXPECT_DOUBLE_EQ(e.P(22), 7); // the profile drawing sets the scale
    e.P(40) = e.P(41) = 0;
    Echelle_Deplacement(e, c);
    EXPECT_DOUBLE_EQ(e.P(40), 50);
    EXPECT_DOUBLE_EQ(e.P(41), 15);
    Echelle_Voilure(e, c);
    EXPECT_DOUBLE_EQ(e.P(40), 180);
    EXPECT_DOUBLE_EQ(e.P(41), 15);
    EXPECT_DOUBLE_EQ(e.P(22), 7);
}

TEST(Echelles, CoupeLaPlusPetiteDesDeuxEchellesGagne) {
    Etat_Projet e;
    e.Ech_Couple = 1;
    e.P(5) = 20; // full beam 40
    e.P(6) = 40; // depth twice the half-breadth
    Canvas_Enregistreur large(200, 100);
    Echelle_Coupe(e, large);
    EXPECT_DOUBLE_EQ(e.P(22), 50.0 / 40); // depth fit, not (200 - 10) / 40
    EXPECT_DOUBLE_EQ(e.P(40), 50);
    EXPECT_DOUBLE_EQ(e.P(41), 100);

    Canvas_Enregistreur haut(110, 400);
    e.P(5) = 50;
    Echelle_Coupe(e, haut);
    EXPECT_DOUBLE_EQ(e.P(22), 1.0); // beam fit (110 - 10) / 100
    e.Ech_Couple = 2;
    Echelle_Coupe(e, haut);
    EXPECT_DOUBLE_EQ(e.P(22), 0.5);

    e.P(5) = 0;
    EXPECT_THROW(Echelle_Coupe(e, haut), Erreur_Gabarit);
    e.P(5) = 50;
    e.P(6) = 0;
    EXPECT_THROW(Echelle_Coupe(e, haut), Erreur_Gabarit);
}

TEST(Echelles, LeZoomDesCouplesNeDescendJamaisSousUnDixieme) {
    Etat_Projet e;
    e.P(5) = 50;
    e.P(6) = 1000;
    Canvas_Enregistreur c(110, 4000);
    for (float z : {0.0f, -0.5f, 0.05f}) {
        e.Ech_Couple = z;
        Echelle_Coupe(e, c);
        EXPECT_FLOAT_EQ(e.Ech_Couple, 0.1f);
        EXPECT_NEAR(e.P(22), 10.0, 1e-6);
    }
    // Ten presses of the zoom-in button from 1.0, in single precision.
    float z = 1.0f;
    for (int k = 0; k < 10; ++k)
        z -= 0.1f;
    e.Ech_Couple = z;
    Echelle_3D(e, c);
    EXPECT_FLOAT_EQ(e.Ech_Couple, 0.1f);
    e.Ech_Couple = 1.3f; // above the floor: untouched
    Echelle_Coupe(e, c);
    EXPECT_FLOAT_EQ(e.Ech_Couple, 1.3f);
}

TEST(Echelles, Vue3DDroiteEtTournee) {
    Etat_Projet e;
    e.Ech_Couple = 1;
    e.P(1) = 600;
    e.P(2) = 400;
    e.P(5) = 100;
    e.P(6) = 50;
    e.P(14) = 60;
    Canvas_Enregistreur c(410, 300);
    e.P(29) = 0;
    Echelle_3D(e, c);
    EXPECT_DOUBLE_EQ(e.P(22), 2.0); // (410 - 10) / (2 * 100)
    EXPECT_DOUBLE_EQ(e.P(40), 150);
    EXPECT_DOUBLE_EQ(e.P(41), 2.0 * 60 + 5); // the origin stays at the left

    e.P(29) = 15;
    Echelle_Coupe(e, c);
    Echelle_3D(e, c);
    const double a = 15 * 3.141593 / 180;
    const float w = static_cast<float>(1000 * std::sin(a) + 60 * std::cos(a));
    EXPECT_NEAR(w, 0.2588 * 1000 + 0.9659 * 60, 0.1);
    EXPECT_DOUBLE_EQ(e.P(22), 400.0 / w);
    EXPECT_DOUBLE_EQ(e.P(40), 150);
    EXPECT_DOUBLE_EQ(e.P(41), 400.0 / w * 60 + 5);
}
