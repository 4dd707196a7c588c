// The assistant's whole build, from the master project of the program folder.
#include <gtest/gtest.h>

#include "model/Assistant.h"
#include "model/Version.h"
#include "interfaces/Shell_Enregistreur.h"
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
    EXPECT_DOUBLE_EQ(e.P(42), 50 + 50 + 350 + 350 + 50 + maitre.P(75) + 615 + 1230 / 0.72);
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
