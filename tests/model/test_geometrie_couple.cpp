#include <gtest/gtest.h>

#include "model/Geometrie_Couple.h"

using namespace gabarit;

namespace {

// A 1000 mm hull with round numbers, widest at 400 and deepest at 500, so every law can be
// worked out by hand: B = 100 - 40 ((400 - X) / 400)^2 aft, 100 - 100 ((X - 400) / 600)^2
// forward; D = 120 - 40 ((500 - X) / 500)^2 aft, 120 - 80 ((X - 500) / 500)^2 forward.
Etat_Projet Carene_Exemple() {
    Etat_Projet e;
    e.P(1) = 600;
    e.P(2) = 400;
    e.P(3) = 2;
    e.P(4) = 2;
    e.P(5) = 100;
    e.P(14) = 60;
    e.P(6) = 120;
    e.P(10) = 500;
    e.P(9) = 500;
    e.P(11) = 2;
    e.P(12) = 2;
    e.P(15) = 80;
    e.P(21) = 40;
    e.P(7) = 1;
    e.P(8) = 0.5;
    e.P(16) = 2;
    e.P(17) = 0;
    e.P(19) = 0.5;
    e.P(20) = 1;
    e.P(107) = 1;
    e.P(108) = 2;
    e.P(43) = 20; // heel 0: stern, bow
    e.P(49) = 30;
    e.P(44) = 10; // heel 5
    e.P(50) = 40;
    e.P(55) = 5; // heel 30
    e.P(56) = 50;
    return e;
}

void Couple(Etat_Projet &e, double x, double gite = 0) {
    e.X_Couple = x;
    e.Gite_Couple = gite;
    Calcul_Couple(e);
}

} // namespace

TEST(Calcul_Couple, StationsRemarquablesDroit) {
    Etat_Projet e = Carene_Exemple();

    Couple(e, 0); // stern: transom values, transom shape pair
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 20);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 60);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Pont, 60);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 80);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 60);
    EXPECT_DOUBLE_EQ(e.Cote_Livet, -20);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_A, 2);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_B, 0);

    Couple(e, 400); // widest: u aft = (100/500)^2 = 0.04
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 24);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 100);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 118.4);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 94.4);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_A, 1.04);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_B, 0.48);

    Couple(e, 500); // deepest: master section pair
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 25);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 120);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 95);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 97.22222222222223);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_A, 1);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_B, 0.5);

    Couple(e, 1000); // bow: no breadth, stem foot depth, bow pair
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 30);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 0);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 40);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 10);
    EXPECT_DOUBLE_EQ(e.Cote_Livet, -30);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_A, 0.5);
    EXPECT_DOUBLE_EQ(e.Exp_Forme_B, 1);

    // The station and the heel are left as found.
    EXPECT_EQ(e.X_Couple, 1000);
    EXPECT_EQ(e.Gite_Couple, 0);
}

TEST(Calcul_Couple, LaGiteChoisitLaPaireDeFrancsBords) {
    Etat_Projet e = Carene_Exemple();
    Couple(e, 400, 5); // 10 + 30 x 0.4
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 22);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 118.4 - 22);
    Couple(e, 0, 30);
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 5);
    Couple(e, 1000, 30);
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 50);
    EXPECT_DOUBLE_EQ(e.Cote_Livet, -50);
    e.P(48) = 7;
    e.P(54) = 17;
    Couple(e, 500, 25);
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 12);
}

TEST(Calcul_Couple, GiteHorsDesSeptValeursRefusee) {
    Etat_Projet e = Carene_Exemple();
    Couple(e, 400);
    for (double gite : {7.5, -5.0, 35.0, 6.5}) {
        e.Gite_Couple = gite;
        EXPECT_THROW(Calcul_Couple(e), Erreur_Gabarit) << gite;
        // Nothing of the refused call reaches the outputs.
        EXPECT_DOUBLE_EQ(e.Franc_Bord, 24);
        EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 118.4);
    }
}

TEST(Calcul_Couple, TableauArriereIncline) {
    Etat_Projet e = Carene_Exemple();
    e.P(35) = 200; // the transom plane runs from the keel at X = 0 to the sheer at X = 200

    Couple(e, 0); // the cut meets the keel: no deck, top edge at the keel
    EXPECT_DOUBLE_EQ(e.Cote_Livet, 80 - 20);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Pont, 0);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 60);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 80);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 60);

    // Halfway: h = 40, D = 94.4, B = 77.5, a = 1.64, b = 0.18, r = 54.4 / 94.4.
    Couple(e, 100);
    EXPECT_DOUBLE_EQ(e.Franc_Bord, 21);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 94.4);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 73.4);
    EXPECT_NEAR(e.Cote_Livet, 19, 1e-12);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 77.5);
    EXPECT_NEAR(e.Demi_Largeur_Pont, 29.64148382731769, 1e-10);

    Couple(e, 200); // end of the cut: ordinary section
    EXPECT_DOUBLE_EQ(e.Cote_Livet, -22);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Pont, e.Demi_Largeur_Couple);

    // Heeled: the cut is measured from the heeled waterline.
    Couple(e, 100, 30); // F = 5 + 45 x 0.1
    EXPECT_NEAR(e.Cote_Livet, 40 - 9.5, 1e-12);
}

TEST(Calcul_Couple, EtraveInclinee) {
    Etat_Projet e = Carene_Exemple();
    e.P(36) = 100; // stem foot at X = 900

    Couple(e, 950); // on the stem: Ds = 40 / 100 x 50
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 20);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, 20 - 29.5);
    EXPECT_DOUBLE_EQ(e.Cote_Livet, -29.5);

    Couple(e, 1000); // stem head: no depth left
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 0);
    EXPECT_DOUBLE_EQ(e.Tirant_Eau_Couple, -30);
    EXPECT_DOUBLE_EQ(e.Cote_Livet, -30);

    Couple(e, 900); // stem foot: both laws give P(21)
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 40);

    // The forward curve is shifted aft: a step just forward of the deepest station.
    Couple(e, 501);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 116.73568);
    Couple(e, 500);
    EXPECT_DOUBLE_EQ(e.Hauteur_Couple, 120);
}

TEST(Calcul_Couple, LargeurMaxAuTableau) {
    Etat_Projet e = Carene_Exemple();
    e.P(2) = 0; // widest at the transom: 0^2 would divide by zero, 1 is used
    e.P(1) = 1000;
    Couple(e, 0);
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 100);
    Couple(e, 400); // 100 - 100 (400 / 1000)^2
    EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 84);
}

TEST(Calcul_Couple, CalculsImpossiblesRefuses) {
    {
        Etat_Projet e = Carene_Exemple();
        e.P(10) = 0; // deepest station at the transom: 0 / 0 aft
        e.P(9) = 1000;
        e.X_Couple = 0;
        EXPECT_THROW(Calcul_Couple(e), Erreur_Gabarit);
    }
    {
        Etat_Projet e = Carene_Exemple();
        e.P(9) = 0; // no length forward of the deepest station
        e.X_Couple = 1000;
        EXPECT_THROW(Calcul_Couple(e), Erreur_Gabarit);
    }
    {
        Etat_Projet e = Carene_Exemple();
        e.P(1) = 0; // no length forward of the widest station
        e.P(2) = 1000;
        e.X_Couple = 1000.5;
        EXPECT_THROW(Calcul_Couple(e), Erreur_Gabarit);
    }
    {
        Etat_Projet e; // empty record: L = 0
        EXPECT_THROW(Calcul_Couple(e), Erreur_Gabarit);
    }
    {
        // A transom cut deeper than the section: negative base under a fractional power.
        Etat_Projet e = Carene_Exemple();
        e.P(6) = 50;
        e.P(15) = 200;
        e.P(35) = 400;
        e.X_Couple = 100;
        EXPECT_THROW(Calcul_Couple(e), Erreur_Gabarit);
    }
    {
        // A transom cut reaching the bow over a deepest section 1e-307 deep: there the cut
        // edge lies h = 80 - 0.08 x 500 = 40 mm under the keel, -4e308 depths, beyond any
        // double. Unchecked, -inf would give the deck no breadth.
        Etat_Projet e = Carene_Exemple();
        e.P(6) = 1e-307;
        e.P(35) = 1000;
        e.X_Couple = 500;
        try {
            Calcul_Couple(e);
            ADD_FAILURE() << e.Demi_Largeur_Pont;
        } catch (const Erreur_Gabarit &err) {
            EXPECT_STREQ(err.what(), "Calcul impossible : quotient non fini");
        }
    }
}
