// The assistant's whole build, from the master project of the program folder.
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Fichier_Projet.h"
#include "model/Projet_Enregistre.h"
#include "model/Version.h"
#include "rig/Table_Naca.h"
#include "shell/Assistant.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"

using namespace gabarit;

TEST(Assistant_Maitre, NouveauProjetDeMille234Normal) {
    Etat_Projet maitre;
    test::Lit_Maitre(maitre);

    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Donnees();
    e.Nom_Projet = "bateau.cot";
    e.P(250) = -77; // a value of the former project: replaced by the master's
    Shell_Enregistreur s;
    const Resultat_Assistant r = Cree_Nouveau_Projet(e, s, 1234, Type_Carene::Normal);
    ASSERT_EQ(r.etat, Resultat_Assistant::Etat::Reussie) << r.erreur;
    EXPECT_EQ(r.longueur, 1230);
    EXPECT_EQ(e.L(), 1230);
    EXPECT_EQ(e.Nom_Projet, "MonProjet.cot");
    // Master values and comments the assistant does not set stay as the master has them.
    EXPECT_EQ(e.P(250), maitre.P(250));
    EXPECT_EQ(e.P(3), maitre.P(3));
    EXPECT_EQ(e.Texte_Projet[1], maitre.Texte_Projet[1]);
    EXPECT_EQ(e.Texte_Projet[300], Texte_Version());
    // Upright result computed, the six heeled ones out of date.
    EXPECT_EQ(e.P(186), 0);
    for (int n = 187; n <= 192; ++n)
        EXPECT_EQ(e.P(n), 1);
    EXPECT_EQ(s.voyants[0], COULEUR_VERTE);
    EXPECT_EQ(s.voyants[6], COULEUR_ROUGE);
    // Weighed and floated.
    // Every weight as its file will give it back: the bulb's 1230 / 0.72 = 1708.333..., and the
    // total 50 + 50 + 350 + 350 + 50 + 615 + 1708.333 with the master's free weight.
    ASSERT_EQ(maitre.P(75), 0);
    EXPECT_EQ(e.P(170), 1708.333);
    EXPECT_EQ(e.P(42), 3173.333);
    EXPECT_GT(e.P(13), 0);
    EXPECT_EQ(e.P(27), 123);
    EXPECT_TRUE(s.messages.empty());
}

TEST(Assistant_Maitre, ChaqueTypeAuxLongueursExtremes) {
    for (double l : {500.0, 800.0, 2000.0})
        for (Type_Carene t : {Type_Carene::Large, Type_Carene::Normal, Type_Carene::Fin}) {
            Etat_Projet e;
            e.Dossier_Programme = test::Dossier_Donnees();
            Shell_Enregistreur s;
            const Resultat_Assistant r = Cree_Nouveau_Projet(e, s, l, t);
            EXPECT_EQ(r.etat, Resultat_Assistant::Etat::Reussie) << l << " " << r.erreur;
            EXPECT_EQ(e.L(), l);
            EXPECT_TRUE(s.messages.empty()) << l << " " << static_cast<int>(t);
        }
}

// The new boat's bulb height and appendage figures straight after the assistant, without
// opening the bulb or appendages windows. The master's bulb halves are both NACA row 6 of
// data/nacaa.ini, half-thickness 9.0026 %; the bulb is 1000 / 4.4 mm long.
TEST(Assistant_Maitre, HauteurDuBulbeEtAppendicesDuNouveauBateau) {
    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Donnees();
    Lit_Table_Naca(e); // as the start-up reads it
    Shell_Enregistreur s;
    ASSERT_EQ(Cree_Nouveau_Projet(e, s, 1000, Type_Carene::Normal).etat,
              Resultat_Assistant::Etat::Reussie);
    // (9.0026 + 9.0026) x 10 / 4.4 = 40.920909..., in single precision and to seven digits
    // as the side view's label writes it (40.92091), stored to the file's thousandth.
    EXPECT_EQ(e.P(166), 40.92);

    // Keel: chords 1000 / 13, span 250; rudder: chords 50 and 1000 / 26.6, span 1000 / 7.6.
    EXPECT_EQ(e.P(122), 19230); // 250000 / 13 = 19230.77
    EXPECT_EQ(e.P(123), 6.5);   // 62500 / 19230 x 200 = 650.03
    EXPECT_EQ(e.P(148), 5762);  // 87.594 x 131.579 / 2 = 5762.76
    EXPECT_EQ(e.P(149), 6);     // 17313.02 / 5762 x 200 = 600.94
    // Its own sail plan, not the master's 426063 mm2, from single-precision factors: mast
    // F(1000 x 1.3f) = F(1299.99995) = 1290, mainsail head 1190 over the master's tack 60
    // (luff 1130), foot 330, exponent 2; jib head F(1290 / 8 x 6.5) = 1040 over the tack 50,
    // foot F(1000 x 0.35f) = F(349.99999) = 340. Mainsail widths 330 (1 - (j/8)^2), j = 8 to
    // 0, summed with truncation: 0, 77, 221, 422, 669, 952, 1261, 1585, 1915; Fix(1130 x 1915
    // / 11) = 196722. Jib 990 x 340 / 2. The areas asked of the keel and rudder: 365022 /
    // 217382 = 1.679 and 365022 / 869519 = 0.4198, cut to hundredths.
    EXPECT_EQ(e.P(89), 196722);
    EXPECT_EQ(e.P(99), 168300);
    EXPECT_EQ(e.P(102), 365022);
    EXPECT_EQ(e.P(125), 1.67);
    EXPECT_EQ(e.P(151), 0.41);
    // Made as its file gives it back, every figure to the thousandth.
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n)
        if (!Valeur_De_Travail(n))
            EXPECT_EQ(e.P(n), Valeur_Fichier(e.P(n))) << n;
    // Keel reference 500 - 0.2 x 76.923 (1000 / 13 as its file holds it), rudder
    // 50 - 0.7 x 50 = 15.
    const double quille = 500 - 0.2 * 76.923;
    EXPECT_EQ(e.P(126), Valeur_Fichier((quille * 19230 + 15 * 5762) / (19230 + 5762)));
    EXPECT_EQ(e.P(109), 0);

    // The bulb its upright moment was worked from is its own, 451.733 mm down for a 1500 mm
    // boat, not the master's 413.346.
    ASSERT_EQ(Cree_Nouveau_Projet(e, s, 1500, Type_Carene::Normal).etat,
              Resultat_Assistant::Etat::Reussie);
    EXPECT_EQ(e.P(181), 451.733);
}
