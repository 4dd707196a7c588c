#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "stability/Centrage.h"
#include "support/Coques_Essai.h"
#include "support/Poids_Essai.h"

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

TEST(Centrage, HuitMassesChacuneASaPlace) {
    // The weights fixture, its centres worked by hand; what the record held is marked first.
    // Its bulb hangs 330 mm down: the 250 mm keel under a hull 80 mm deep at the keel station
    // (the stem foot depth, every exponent 0), the waterline at the sheer, no table. The depth
    // a drawing left is not read.
    Etat_Projet e;
    test::Poids_Distincts(e);
    e.P(1) = e.P(2) = 500;
    e.P(21) = 80;
    e.P(42) = e.P(23) = e.P(28) = e.P(180) = e.P(181) = -1;
    Calcul_Centre_Gravite(e);
    EXPECT_EQ(e.P(42), 3482);
    EXPECT_EQ(e.P(23), 488);
    EXPECT_EQ(e.P(28), 281);
    EXPECT_DOUBLE_EQ(e.P(180), 500); // centred under a straight keel: at the keel station
}

TEST(Centrage, PetitsCasALaMain) {
    struct Cas {
        const char *quoi;
        std::vector<std::pair<int, double>> valeurs;
        double poids, x, z;
    };
    const Cas cas[] = {
        // floor(520000 / 1100); servo 1 at height 0.
        {"servo 1 et carene", {{60, 100}, {58, 200}, {57, 1000}, {32, 500}}, 1100, 472, 0},
        // Servo and hull at 0, bulb at 500: floor(500000 / 2600); the hull weighs nothing in
        // the heights, the bulb hangs from the 250 mm keel under a hull 83 mm deep (the stem
        // foot depth): floor(338000 / 1100).
        {"bulbe", {{60, 100}, {59, 50}, {170, 1000}, {21, 83}, {57, 1500}}, 2600, 192, 307},
        // The upright waterline 10 mm below the sheer aft and 30 forward: 20 at the keel, so
        // the hull bottom is 63 down; the upper profile (row 3) half 5 % thick over 2 mm per
        // per cent; the lower profile and the heel shown (30 degrees) do not count:
        // floor((5000 + 323000) / 1100).
        {"bulbe sous la flottaison droite",
         {{60, 100}, {59, 50}, {170, 1000}, {21, 83}, {43, 10}, {49, 30}, {159, 3}, {161, 4}},
         1100,
         454,
         298},
        // The hull alone has no height: 0, not 0 / 0.
        {"carene seule", {{57, 800}, {32, 420}, {28, 55}}, 800, 420, 0},
        // No bulb weight, no bulb to hang: a keel station behind the inclined transom, where
        // the hull has no section (u^0.5 of a negative u), leaves the servo's height:
        // floor(600000 / 1600) along, floor(5000 / 100) down.
        {"quille hors de la coque sans bulbe",
         {{60, 100}, {59, 50}, {57, 1500}, {32, 400}, {35, 25}, {15, 80}, {16, 0.5}, {110, -10}},
         1600,
         375,
         50}};
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.quoi);
        Etat_Projet e = Projet_Vide();
        e.Table_Naca[3][26] = 5;
        e.Table_Naca[4][26] = 7;
        e.Gite_Couple = 30;
        test::Francs_Bords(e, 40, 40);
        e.P(43) = e.P(49) = 0;
        for (auto [n, v] : c.valeurs)
            e.P(n) = v;
        Calcul_Centre_Gravite(e);
        EXPECT_EQ(e.P(42), c.poids);
        EXPECT_EQ(e.P(23), c.x);
        EXPECT_EQ(e.P(28), c.z);
        EXPECT_DOUBLE_EQ(e.P(180), e.P(110)); // under a straight keel: at the keel station
    }
}

TEST(Centrage, StationDuBulbeSurQuilleInclinee) {
    Etat_Projet e = Projet_Vide();
    e.P(57) = 1000;
    e.P(115) = 10; // keel rake
    e.P(162) = 30; // keel tip at 30 % of the bulb: the bulb's middle lies forward of it
    const double tip = 500 - 250 * std::sin(10 * 3.14116 / 180);
    Calcul_Centre_Gravite(e);
    // 496.593873...: stored to the thousandth a file keeps.
    EXPECT_EQ(e.P(180), 496.593);
    EXPECT_GT(0.2 * 200 + tip, 496.5938);
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

TEST(Centrage, GiteRemiseEtFlottaisonDroiteDuCaisson) {
    // A box 1000 mm long, 100 mm wide and 100 mm deep: level at 40 mm below the sheer it
    // holds 6222 cm3, the weight of its hull. The waterline is found upright whatever heel
    // the user chose, and that heel is kept.
    Etat_Projet e = test::Caisson_Tabule(0, 500);
    e.P(57) = 6222;
    e.P(32) = 500;
    e.P(162) = 50;
    e.P(26) = 20;
    e.P(130) = 9;
    e.Gite_Couple = 20;
    e.Angle_Vue = 15;
    Shell_Enregistreur s;
    Calcul_Centrage(e, s);
    EXPECT_EQ(s.historique_statut1, (std::vector<std::string>{"Calcul en Cours", "Pret"}));
    EXPECT_EQ(s.evenements, 1);
    EXPECT_EQ(e.P(26), 20);
    EXPECT_EQ(e.P(130), 0);
    EXPECT_EQ(e.Gite_Couple, 0);
    EXPECT_EQ(e.Angle_Vue, 0);
    EXPECT_EQ(e.P(42), 6222);
    EXPECT_EQ(e.P(23), 500);
    EXPECT_EQ(e.P(43), 40);
    EXPECT_DOUBLE_EQ(e.P(13), 62.22);
    EXPECT_EQ(e.P(186), 0);
    EXPECT_EQ(s.voyants[0], COULEUR_VERTE);
    EXPECT_TRUE(s.messages.empty());
}
