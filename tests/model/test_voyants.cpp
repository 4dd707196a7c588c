#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Voyants.h"

using namespace gabarit;

TEST(Voyants, CouleursDepuisLesDrapeauxEtInvalidation) {
    Etat_Projet e;
    Shell_Enregistreur s;
    e.P(186) = 0;
    e.P(187) = 1;
    e.P(192) = 0.5; // only exactly 1 is out of date
    Affiche_Voyants(e, s);
    EXPECT_EQ(s.voyants[0], COULEUR_VERTE);
    EXPECT_EQ(s.voyants[1], COULEUR_ROUGE);
    EXPECT_EQ(s.voyants[6], COULEUR_VERTE);
    Invalide_Calculs(e, s);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(e.P(186 + k), 1);
        EXPECT_EQ(s.voyants[static_cast<std::size_t>(k)], COULEUR_ROUGE);
    }
    EXPECT_EQ(s.peintures_voyants, 2);
}

// What a command changed, against the record as it was before it: the heels it leaves out of
// date (bit k for heel 5k), and whether the lights were painted again.
TEST(Voyants, PerimeSiChangeEnTable) {
    const struct {
        const char *cas;
        void (*commande)(Etat_Projet &);
        int rouges;
    } lignes[] = {
        // The file writes whole thousandths, floor(v x 1000 + 1e-6): 97.0009 is 97.000.
        {"half-breadth 97 -> 97.0009", [](Etat_Projet &e) { e.P(5) = 97.0009; }, 0},
        {"half-breadth 97 -> 97.001", [](Etat_Projet &e) { e.P(5) = 97.001; }, 0b1111111},
        {"hull weight 1100 -> 1099.9", [](Etat_Projet &e) { e.P(57) = 1099.9; }, 0b1111111},
        {"cant 0 -> 5", [](Etat_Projet &e) { e.P(228) = 5; }, 0b1111111},
        {"bulb height 48 -> 40", [](Etat_Projet &e) { e.P(166) = 40; }, 0b1111111},
        // The upright flotation after the change: the 0 degree heel was computed for it.
        {"servo 1 station 170 -> 180, then floated upright",
         [](Etat_Projet &e) {
             e.P(58) = 180;
             Gite_Calculee(e, 0);
         },
         0b1111110},
        {"keel length 320 -> 300, 10 and 30 degrees found again",
         [](Etat_Projet &e) {
             e.P(113) = 300;
             Gite_Calculee(e, 2);
             Gite_Calculee(e, 6);
         },
         0b0111011},
        // Outside the set: sails, results, steps, the heel shown, the item heights.
        {"mainsail foot 340 -> 330", [](Etat_Projet &e) { e.P(85) = 330; }, 0},
        {"moment at 30 degrees", [](Etat_Projet &e) { e.P(220) = 1; }, 0},
        {"vertical step", [](Etat_Projet &e) { e.P(37) = 0.1; }, 0},
        {"heel 20", [](Etat_Projet &e) { e.P(26) = 20; }, 0},
        {"servo 1 height", [](Etat_Projet &e) { e.P(59) = 40; }, 0},
    };
    for (const auto &l : lignes) {
        SCOPED_TRACE(l.cas);
        Etat_Projet e;
        Shell_Enregistreur s;
        e.P(5) = 97, e.P(57) = 1100, e.P(58) = 170, e.P(85) = 340, e.P(113) = 320;
        e.P(166) = 48, e.P(220) = 570155;
        const Empreinte_Gites avant = Empreinte(e);
        l.commande(e);
        EXPECT_EQ(Perime_Si_Change(e, s, avant), l.rouges != 0);
        int rouges = 0;
        for (int k = 0; k < 7; ++k)
            rouges |= e.P(186 + k) == 1 ? 1 << k : 0;
        EXPECT_EQ(rouges, l.rouges);
        EXPECT_EQ(s.peintures_voyants, l.rouges != 0 ? 1 : 0);
        if (l.rouges != 0)
            EXPECT_EQ(s.voyants[1], COULEUR_ROUGE);
    }
}

// A heel already out of date is not painted again.
TEST(Voyants, PerimeSiChangeNeRepeintQueCeQuiRougit) {
    Etat_Projet e;
    Shell_Enregistreur s;
    for (int k = 0; k < 7; ++k)
        e.P(186 + k) = 1;
    Empreinte_Gites avant = Empreinte(e);
    e.P(5) = 10;
    EXPECT_FALSE(Perime_Si_Change(e, s, avant));
    EXPECT_EQ(s.peintures_voyants, 0);
    e.P(186 + 3) = 0;
    avant = Empreinte(e);
    e.P(5) = 20;
    EXPECT_TRUE(Perime_Si_Change(e, s, avant));
    EXPECT_EQ(e.P(189), 1);
    EXPECT_EQ(s.peintures_voyants, 1);
    EXPECT_EQ(s.voyants[3], COULEUR_ROUGE);
}
