#include <gtest/gtest.h>

#include "model/Erreur.h"
#include "model/Etat_Projet.h"

using namespace gabarit;

TEST(Calculs_Verifies, RefusentLesOperationsImpossibles) {
    EXPECT_THROW(Divise(1, 0), Erreur_Gabarit);
    EXPECT_THROW(Puissance(-2, 0.5), Erreur_Gabarit);
    EXPECT_THROW(Puissance(0, -1), Erreur_Gabarit);
    EXPECT_DOUBLE_EQ(Puissance(-2, 2), 4);
    EXPECT_DOUBLE_EQ(Puissance(0, 0), 1);
    EXPECT_DOUBLE_EQ(Divise(1, 4), 0.25);
}

TEST(Calculs_Verifies, ArrondiAuPairLePlusProche) {
    EXPECT_EQ(Arrondi(2.5), 2);
    EXPECT_EQ(Arrondi(3.5), 4);
    EXPECT_EQ(Arrondi(-2.5), -2);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Fix(-0.5), 0);
}

TEST(Etat_Projet, BornesDuRecordEtDeLaTable) {
    Etat_Projet e;
    EXPECT_THROW(e.P(0), Erreur_Gabarit);
    EXPECT_THROW(e.P(312), Erreur_Gabarit);
    e.P(311) = 3;
    EXPECT_EQ(e.Tab_Param[311], 3);
    EXPECT_THROW(e.Tab_Carene(201, 0, 0), Erreur_Gabarit);
    EXPECT_THROW(e.Tab_Carene(0, 301, 0), Erreur_Gabarit);
    EXPECT_THROW(e.Tab_Carene(0, -1, 0), Erreur_Gabarit);
    e.Tab_Carene(200, 300, 3) = 1.5f;
    EXPECT_EQ(e.Tab_Carene(200, 300, 3), 1.5f);
}
