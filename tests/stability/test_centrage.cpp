#include <cmath>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "stability/Centrage.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

namespace {
// Every weight zero, keel straight under the hull at 500 mm.
Etat_Projet Projet_Vide() {
    Etat_Projet e;
    e.P(1) = 500;
    e.P(2) = 500;
    e.P(110) = 500;
    e.P(113) = 250;
    e.P(162) = 50;
    e.P(165) = 200;
    return e;
}
} // namespace

TEST(Centrage, CentreLongitudinalSurPoidsTravailles) {
    Etat_Projet e = Projet_Vide();
    e.P(60) = 100; // servo 1
    e.P(58) = 200;
    e.P(57) = 1000; // hull
    e.P(32) = 500;
    Calcul_Centre_Gravite(e);
    EXPECT_EQ(e.P(42), 1100);
    EXPECT_EQ(e.P(23), 472); // floor(520000 / 1100)
}

TEST(Centrage, SixItemsChacunASaPlace) {
    // Servo 1, servo 2, battery, winch, receiver, free weight, each with its own station,
    // height and weight: a swapped record number moves one centre or the other.
    Etat_Projet e = Projet_Vide();
    const double items[6][3] = {{170, 25, 45},  {640, 60, 30}, {420, 15, 100},
                                {560, 30, 180}, {360, 35, 15}, {700, 5, 12}};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 3; ++j)
            e.P(58 + 3 * i + j) = items[i][j];
    e.P(57) = 1100; // hull, at 470, no height
    e.P(32) = 470;
    Calcul_Centre_Gravite(e);
    EXPECT_EQ(e.P(42), 1482);
    // (170 x 45 + 640 x 30 + 420 x 100 + 560 x 180 + 360 x 15 + 700 x 12 + 470 x 1100) / 1482
    // = 700450 / 1482 = 472.6
    EXPECT_EQ(e.P(23), 472);
    // (25 x 45 + 60 x 30 + 15 x 100 + 30 x 180 + 35 x 15 + 5 x 12) / 382 = 10410 / 382 = 27.3
    EXPECT_EQ(e.P(28), 27);
}

TEST(Centrage, CentreVerticalSansLaCarene) {
    Etat_Projet e = Projet_Vide();
    e.P(60) = 100;
    e.P(59) = 50;
    e.P(170) = 1000; // bulb
    e.P(181) = 333;
    e.P(57) = 1500;
    Calcul_Centre_Gravite(e);
    EXPECT_EQ(e.P(28), 307); // floor(338000 / 1100): the hull weighs nothing here
    EXPECT_EQ(e.P(42), 2600);
    // Bulb centred under a straight keel: at the keel station.
    EXPECT_DOUBLE_EQ(e.P(180), 500);
    // Servo at 0, hull at 0, bulb at 500: floor(500000 / 2600).
    EXPECT_EQ(e.P(23), 192);
}

TEST(Centrage, StationDuBulbeSurQuilleInclinee) {
    Etat_Projet e = Projet_Vide();
    e.P(57) = 1000;
    e.P(115) = 10; // keel rake
    e.P(162) = 30; // keel tip at 30 % of the bulb: the bulb's middle lies forward of it
    const double tip = 500 - 250 * std::sin(10 * 3.14116 / 180);
    Calcul_Centre_Gravite(e);
    EXPECT_DOUBLE_EQ(e.P(180), 0.2 * 200 + tip);
    EXPECT_GT(e.P(180), tip);
}

TEST(Centrage, CareneSeuleDonneUnCentreVerticalNul) {
    Etat_Projet e = Projet_Vide();
    e.P(57) = 800;
    e.P(32) = 420;
    e.P(28) = 55;
    Calcul_Centre_Gravite(e);
    EXPECT_EQ(e.P(23), 420);
    EXPECT_EQ(e.P(28), 0);
    EXPECT_TRUE(std::isfinite(e.P(28)));
}

TEST(Centrage, PoidsNulsRefusesSansRienEcrire) {
    Etat_Projet e = Projet_Vide();
    e.P(42) = 1234;
    e.P(23) = 321;
    e.P(28) = 12;
    e.P(180) = 77;
    e.P(26) = 15;
    EXPECT_THROW(Calcul_Centre_Gravite(e), Erreur_Gabarit);
    EXPECT_EQ(e.P(42), 1234);
    EXPECT_EQ(e.P(23), 321);
    EXPECT_EQ(e.P(28), 12);
    EXPECT_EQ(e.P(180), 77);

    Shell_Enregistreur s;
    EXPECT_THROW(Calcul_Centrage(e, s), Erreur_Gabarit);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, MESSAGE_POIDS_NUL);
    EXPECT_EQ(s.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(s.messages[0].titre, "Attention");
    EXPECT_TRUE(s.historique_statut1.empty());
    EXPECT_EQ(e.P(42), 1234);
    EXPECT_EQ(e.P(26), 15);
}

TEST(Centrage, GiteRemiseEtFlottaisonDroite) {
    Etat_Projet e = Projet_Vide();
    e.P(57) = 1000;
    e.P(32) = 500;
    e.P(26) = 20;
    e.P(130) = 9;
    e.Gite_Couple = 20;
    e.Angle_Vue = 15;
    Shell_Enregistreur s;
    // The upright flotation that ends the chain may refuse this box-less hull; what comes
    // before it must have happened in any case.
    try {
        Calcul_Centrage(e, s);
    } catch (const Erreur_Gabarit &) {
    }
    ASSERT_GE(s.historique_statut1.size(), 2u);
    EXPECT_EQ(s.historique_statut1[0], "Calcul en Cours");
    EXPECT_EQ(s.historique_statut1[1], "Pret");
    EXPECT_GE(s.evenements, 1);
    EXPECT_EQ(e.P(26), 20);
    EXPECT_EQ(e.P(130), 0);
    EXPECT_EQ(e.Gite_Couple, 0);
    EXPECT_EQ(e.Angle_Vue, 0);
    EXPECT_EQ(e.P(42), 1000);
}

TEST(Centrage, PuisFlottaisonDroiteDuCaisson) {
    // A box 1000 mm long, 100 mm wide and 100 mm deep: level at 40 mm below the sheer it
    // holds 6222 cm3, the weight of its hull.
    Etat_Projet e = test::Caisson_Tabule(0, 500);
    e.P(57) = 6222;
    e.P(32) = 500;
    e.P(162) = 50;
    Shell_Enregistreur s;
    Calcul_Centrage(e, s);
    EXPECT_EQ(e.P(42), 6222);
    EXPECT_EQ(e.P(23), 500);
    EXPECT_EQ(e.P(43), 40);
    EXPECT_DOUBLE_EQ(e.P(13), 62.22);
    EXPECT_EQ(e.P(186), 0);
    EXPECT_EQ(s.voyants[0], COULEUR_VERTE);
    EXPECT_TRUE(s.messages.empty());
}
