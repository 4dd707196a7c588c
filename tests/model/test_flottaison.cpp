#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Flottaison.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

// A box 1000 mm long, 100 mm wide and 100 mm deep (unless said) with its table: every
// station reads the area 100 x (Int(D) + 1 - d) mm2 below depth d (1-mm strips, keel sample
// included). Centre of gravity at 500 unless said.
using test::Caisson_Tabule;

TEST(Calcul_Flottaison, CaissonCentre) {
    // Level at 40 mm below the sheer the box holds 102 station areas of 6100 mm2 (the
    // station at the centre of gravity counts twice): 6222 cm3. The rise stops once that
    // volume is measured, still lifting the bow to 41; the sink measures 6172 there, lowers
    // the bow, measures 6222 level and lowers the bow once more on the tie.
    Etat_Projet e = Caisson_Tabule(6222, 500);
    e.P(26) = 0;
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_EQ(e.P(43), 40);
    EXPECT_EQ(e.P(49), 39);
    EXPECT_DOUBLE_EQ(e.P(13), 62.22);
    EXPECT_EQ(e.P(207), 622200);
    EXPECT_EQ(e.P(186), 0);
    EXPECT_EQ(shell.peintures_voyants, 1);
    EXPECT_EQ(shell.voyants[0], COULEUR_VERTE);
    EXPECT_EQ(shell.voyants[1], COULEUR_ROUGE);
    EXPECT_TRUE(shell.messages.empty());
}

TEST(Calcul_Flottaison, BateauLeger) {
    // 1000 g: the rise goes on until the level state (91, 91) has been measured at 1020 cm3
    // and (91, 92) at 968; the sink then comes back through (92, 91) and (91, 91).
    Etat_Projet e = Caisson_Tabule(1000, 500);
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_EQ(e.P(43), 91);
    EXPECT_EQ(e.P(49), 90);
    EXPECT_EQ(e.P(207), 102000);
    EXPECT_DOUBLE_EQ(e.P(13), 10.2);
}

TEST(Calcul_Flottaison, EchecRendLesFrancsBords) {
    // 20 kg in a box that holds 10.3 litres: the bow sinks below the sheer. A centre of
    // gravity far off the hull, from a file: from -1.67e68, stepping to the stern by whole
    // tens lands at -2.4e52, where adding 10 no longer moves the walk; off the hull at either
    // end, the rise lifts the other end, then the sink drives the empty end below the sheer.
    // Without a table nothing floats either.
    struct Cas {
        double poids, centre;
        bool table;
    };
    for (Cas c :
         {Cas{20000, 500, true}, Cas{4000, -5.9e50, true}, Cas{4000, -1.6671125353931907e68, true},
          Cas{4000, 5.9e50, true}, Cas{10, 500, false}}) {
        SCOPED_TRACE(testing::Message() << c.poids << " g at " << c.centre);
        Etat_Projet e = Caisson_Tabule(c.poids, c.centre);
        if (!c.table)
            Init_Tab(e);
        e.P(43) = 12;
        e.P(49) = 13;
        e.P(13) = 7;
        e.P(207) = 8;
        e.P(186) = 0; // green over the previous weight's results
        Shell_Enregistreur shell;
        EXPECT_FALSE(Calcul_Flottaison(e, shell));
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].texte, "Calcul de flottaison impossible");
        EXPECT_EQ(shell.messages[0].titre, "Attention !");
        EXPECT_EQ(shell.messages[0].style, MB_STOP);
        // Freeboards put back, no result stored; what the record holds for 0 degrees belongs
        // to another weight: its light turns red, the others stay as they were.
        EXPECT_EQ(e.P(43), 12);
        EXPECT_EQ(e.P(49), 13);
        EXPECT_EQ(e.P(13), 7);
        EXPECT_EQ(e.P(207), 8);
        EXPECT_EQ(e.P(186), 1);
        EXPECT_EQ(shell.peintures_voyants, 1);
        EXPECT_EQ(shell.voyants[0], COULEUR_ROUGE);
        // Told by the caller instead, within a series.
        Shell_Enregistreur muet;
        e.P(186) = 0;
        EXPECT_FALSE(Calcul_Flottaison_Muette(e, muet));
        EXPECT_TRUE(muet.messages.empty());
        EXPECT_EQ(e.P(186), 1);
        EXPECT_EQ(muet.voyants[0], COULEUR_ROUGE);
    }
}

TEST(Calcul_Flottaison, CentreDeGraviteHorsDizaine) {
    // P(23) = 455: the last sink turn is at (54, 68), split at 455 itself. Row read is the
    // nearest to z = 54 + 0.014 X (57.5 at X = 250 goes to the even 58, 64.5 at 750 to 64).
    // Aft, X = 0 ... 450: rows 54 (4 stations), 55, 56, 57 (7 each), 58 (8), 59 (7), 60 (6):
    // S1 = 201700. Forward, X = 455, 465 ... 995 (indices 45 to 99): rows 60 (1), 61 (8),
    // 62 to 67 (7 each), 68 (4): S2 = 202600. S1 < S2 lowers the stern; 4043 cm3 >= 4000 g.
    Etat_Projet e = Caisson_Tabule(4000, 455);
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_EQ(e.P(43), 53);
    EXPECT_EQ(e.P(49), 68);
    EXPECT_EQ(e.P(207), 201700 + 202600);
    // Split at 450 or 460 instead, the boat trims differently.
    for (double cg : {450.0, 460.0}) {
        Etat_Projet autre = Caisson_Tabule(4000, cg);
        ASSERT_TRUE(Calcul_Flottaison(autre, shell));
        EXPECT_NE(autre.P(43) * 1000 + autre.P(49), 53 * 1000 + 68) << cg;
    }
}

TEST(Calcul_Flottaison, GiteNonNulleEcritAussiLeVolumeDroit) {
    // Whatever the user's heel, the green 0 degree light stands for the upright volume too.
    Etat_Projet e = Caisson_Tabule(6222, 500);
    e.P(26) = 15;
    e.P(207) = 3;
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_EQ(e.P(207), 622200);
    EXPECT_DOUBLE_EQ(e.P(13), 62.22);
    EXPECT_EQ(e.P(186), 0);
}

TEST(Calcul_Flottaison, FlottaisonAuFondDeLaTable) {
    // A 1 g boat on the deepest hull the table holds (299.5 mm): rows 0 to 299 hold
    // 100 (300 - d) mm2, the keel row 300 nothing, and there is no row 301. The rise lifts
    // the bow then the stern in turn, measuring 102 x (300 - d) cm3 level, until it measures
    // 0 at (300, 300) and leaves (300, 301). The sink reads 0 there and at (300, 300),
    // lowering the bow; at (300, 299) the forward 50 stations read row 299 (station 50, at
    // 299.5, goes to the even 300): 5000 mm2 against 0 aft, the stern goes down, 50 cm3.
    Etat_Projet e = Caisson_Tabule(1, 500, 1000, 50, 299.5);
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_EQ(e.P(43), 299);
    EXPECT_EQ(e.P(49), 299);
    EXPECT_EQ(e.P(207), 5000);
    EXPECT_DOUBLE_EQ(e.P(13), 0.5);
}

TEST(Calcul_Flottaison, CarenesRefusees) {
    Shell_Enregistreur shell;
    for (double poids : {0.0, -5.0}) {
        Etat_Projet e = Caisson_Tabule(poids, 500);
        e.P(43) = 4;
        e.P(186) = 0;
        EXPECT_THROW(Calcul_Flottaison(e, shell), Erreur_Gabarit);
        EXPECT_EQ(e.P(43), 4);
        // No waterline for this weight: the 0 degree light goes red.
        EXPECT_EQ(e.P(186), 1);
        EXPECT_EQ(shell.voyants[0], COULEUR_ROUGE);
    }
    Etat_Projet e = Caisson_Tabule(100, 500);
    e.P(1) = 1500; // 2500 mm: longer than the table
    EXPECT_THROW(Calcul_Flottaison(e, shell), Erreur_Gabarit);
    EXPECT_TRUE(shell.messages.empty());
}
