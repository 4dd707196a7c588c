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
