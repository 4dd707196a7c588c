#include <gtest/gtest.h>

#include "stability/Reglages_Stabilite.h"

using namespace gabarit;

TEST(Reglages_Stabilite, BarresParGite) {
    // Ten times the coefficient: 4 fills the upper bar, 5.5 the lower, 6.25 half of it,
    // 7 nothing; above 7 the lower bar is empty rather than negative.
    struct Cas {
        double v, haut1, hauteur1, hauteur2;
    };
    for (const Cas &c : {Cas{4, 105, 735, 0}, Cas{5.5, 840, 0, 735}, Cas{6.25, 840, 0, 367.5},
                         Cas{7, 840, 0, 0}, Cas{8.2, 840, 0, 0}, Cas{5, 595, 245, 0}}) {
        const Barre_Gite b = Calcul_Barre_Gite(c.v);
        EXPECT_DOUBLE_EQ(b.hauteur1, c.hauteur1) << c.v;
        EXPECT_DOUBLE_EQ(b.haut1, c.haut1) << c.v;
        EXPECT_DOUBLE_EQ(b.hauteur2, c.hauteur2) << c.v;
        EXPECT_DOUBLE_EQ(b.haut2, 1080) << c.v;
    }
}

TEST(Reglages_Stabilite, ItemDuProjetEtChoix) {
    Etat_Projet e;
    e.P(70) = 360;
    e.P(171) = 70;
    e.P(172) = 80;
    EXPECT_EQ(Item_Du_Projet(e), 2); // "Recepteur": third option, receiver's records
    // A pair that names no item, or half of one, falls back to "Servo 1".
    for (auto [x, y] : {std::pair{0.0, 0.0}, {70.0, 79.0}, {400.0, 76.0}}) {
        e.P(171) = x;
        e.P(172) = y;
        EXPECT_EQ(Item_Du_Projet(e), 0);
    }
    Choisit_Item(e, 2);
    EXPECT_EQ(e.P(171), 70);
    EXPECT_EQ(e.P(172), 80);
    EXPECT_EQ(e.X_Couple, 360);
    EXPECT_EQ(e.Item_Choisi, 2);
}

TEST(Reglages_Stabilite, CalculsAJourDesDeuxProjets) {
    Etat_Projet e;
    EXPECT_TRUE(Calculs_Gite_A_Jour(e)); // nothing compared: its flags are 0
    e.P(190) = 0.5;                      // only 1 means out of date
    EXPECT_TRUE(Calculs_Gite_A_Jour(e));
    e.Tab_Param_Compar[192] = 1;
    EXPECT_FALSE(Calculs_Gite_A_Jour(e));
    e.Tab_Param_Compar[192] = 0;
    e.P(186) = 1;
    EXPECT_FALSE(Calculs_Gite_A_Jour(e));
}
