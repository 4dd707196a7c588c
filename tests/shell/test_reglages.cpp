#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/Fichier_Reglages.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

using test::Ecrit_Octets;
using test::Octets;

TEST(Fichier_Reglages, EcritOctetPourOctet) {
    Etat_Projet e;
    e.P(301) = 56.7;
    e.P(302) = 56.78954;
    e.P(303) = -0.0004;
    e.P(304) = 1.001;
    e.P(305) = 1;
    e.P(306) = 0.5;
    const std::string chemin = test::Dossier_Temporaire() + "/tov.ini";
    Ecrit_Reglages(chemin, e);
    EXPECT_EQ(Octets(chemin), " 56700 \r\n 56789 \r\n-1 \r\n 1001 \r\n 1000 \r\n 500 \r\n"
                              " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_FALSE(std::filesystem::exists(chemin + ".tmp"));
}

TEST(Fichier_Reglages, AllerRetourSansToucherAuProjet) {
    const std::string chemin = test::Dossier_Temporaire() + "/tov.ini";
    Etat_Projet e;
    for (int j = 301; j <= 311; ++j)
        e.P(j) = (j - 305) * 1.125;
    Ecrit_Reglages(chemin, e);
    Etat_Projet r;
    r.P(1) = 7;
    r.P(300) = 8;
    Lit_Reglages(chemin, r);
    for (int j = 301; j <= 311; ++j)
        EXPECT_EQ(r.P(j), e.P(j)) << j;
    EXPECT_EQ(r.P(1), 7);
    EXPECT_EQ(r.P(300), 8);
}

TEST(Fichier_Reglages, FichierLivreEtBlancsEtLF) {
    Etat_Projet e;
    Lit_Reglages(test::Dossier_Donnees() + "/tov.ini", e);
    EXPECT_EQ(e.P(301), 56.7);
    EXPECT_EQ(e.P(302), 56.7);
    for (int j = 303; j <= 311; ++j)
        EXPECT_EQ(e.P(j), 0);

    const std::string chemin = test::Dossier_Temporaire() + "/tov.ini";
    Ecrit_Octets(chemin, "\t56700\n  2 \n3\n4\n5\n6\n7\n8\n9\n10\n-11\nligne en trop\n");
    Lit_Reglages(chemin, e);
    EXPECT_EQ(e.P(301), 56.7);
    EXPECT_EQ(e.P(302), 0.002);
    EXPECT_EQ(e.P(310), 0.01);
    EXPECT_EQ(e.P(311), -0.011);
}

TEST(Fichier_Reglages, LigneQuiNEstPasUnNombreRefuseLeFichier) {
    // Read as 0, the damaged calibration line would be written back at once: the file is
    // refused instead, naming the file and the line, and the record keeps its values.
    const std::string chemin = test::Dossier_Temporaire() + "/tov.ini";
    for (const char *ligne : {"56,7", "", "abc", "1e999", "inf"}) {
        SCOPED_TRACE(ligne);
        Ecrit_Octets(chemin,
                     std::string(" 56700 \r\n") + ligne +
                         "\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
        Etat_Projet e;
        e.P(302) = 57.3;
        const auto avant = e.Tab_Param;
        try {
            Lit_Reglages(chemin, e);
            ADD_FAILURE() << "accepted";
        } catch (const Erreur_Gabarit &err) {
            const std::string m = err.what();
            EXPECT_NE(m.find(chemin), std::string::npos) << m;
            EXPECT_NE(m.find("ligne 2"), std::string::npos) << m;
        }
        EXPECT_EQ(e.Tab_Param, avant);
    }
}

TEST(Fichier_Reglages, FichierCourtOuAbsentNeChangeRien) {
    const std::string chemin = test::Dossier_Temporaire() + "/tov.ini";
    Ecrit_Octets(chemin, " 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 10 \r\n");
    Etat_Projet e;
    e.P(301) = 56.7;
    const auto avant = e.Tab_Param;
    try {
        Lit_Reglages(chemin, e);
        FAIL();
    } catch (const Erreur_Gabarit &err) {
        EXPECT_NE(std::string(err.what()).find(chemin), std::string::npos);
    }
    EXPECT_EQ(e.Tab_Param, avant);
    EXPECT_THROW(Lit_Reglages(chemin + ".absent", e), Erreur_Gabarit);
    EXPECT_EQ(e.Tab_Param, avant);
}

TEST(Fichier_Reglages, EcritureRateeGardeLAncienFichier) {
    const std::string chemin = test::Dossier_Temporaire() + "/tov.ini";
    Etat_Projet e;
    e.P(301) = 56.7;
    Ecrit_Reglages(chemin, e);
    const std::string avant = Octets(chemin);
    e.P(305) = std::nan("");
    EXPECT_THROW(Ecrit_Reglages(chemin, e), Erreur_Gabarit);
    EXPECT_EQ(Octets(chemin), avant);
    e.P(305) = 1;
    std::filesystem::create_directory(chemin + ".tmp");
    EXPECT_THROW(Ecrit_Reglages(chemin, e), Erreur_Gabarit);
    EXPECT_EQ(Octets(chemin), avant);
}
