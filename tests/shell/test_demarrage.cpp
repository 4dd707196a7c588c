#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Fichier_Projet.h"
#include "shell/Demarrage.h"
#include "shell/Fichier_Reglages.h"
#include "shell/Services_Projet.h"
#include "support/Chemins_Test.h"
#include "support/Faux_Services.h"

using namespace gabarit;
using gabarit::test::Ecrit_Octets;
using gabarit::test::Faux_Services;
using gabarit::test::Octets;
namespace fs = std::filesystem;

namespace {

class Demarrage : public test::Dossier_Faux {
protected:
    void SetUp() override {
        // Calibrations 56.7 and 57.3 twips per mm, tip switched off, line 3 carried through.
        Prepare(" 56700 \r\n 57300 \r\n 42 \r\n 0 \r\n 1000 \r\n 0 \r\n"
                " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    }

    Shell_Enregistreur s;
};

TEST_F(Demarrage, FichierChoisiLuReglagesLusEtReecrits) {
    const std::string choisi = dossier + "/ailleurs.cot";
    Faux_Services::Ecrit_Projet_Faux(choisi, 2);
    const std::string avant = Octets(ini());

    const Resultat_Demarrage r = Demarrage_Projet(e, s, choisi);
    EXPECT_EQ(r.nom_projet, choisi);
    EXPECT_EQ(e.Nom_Projet, choisi);
    EXPECT_EQ(e.P(1), 2);
    EXPECT_TRUE(r.reglages_ecrivables);
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_H, 56.7);
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_V, 57.3);
    EXPECT_DOUBLE_EQ(e.P(305), 1);
    EXPECT_EQ(Octets(ini()), avant); // written back as read
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(faux.journal,
              (std::vector<std::string>{"lit_projet ailleurs.cot", "lit_reglages", "ecrit_reglages",
                                        "init_projet", "init_variables"}));
    EXPECT_EQ(s.Lit_Statut(2), "TB_ET");

    // The lights as the file has them, once checked.
    e.P(187) = 0;
    Demarrage_Calculs(e, s, r);
    EXPECT_TRUE(A_Fait("calcul_tab"));
    EXPECT_TRUE(A_Fait("verifie_projet_lu"));
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_EQ(s.voyants[k], k == 1 ? COULEUR_VERTE : COULEUR_ROUGE) << k;
}

TEST_F(Demarrage, DialogueAnnuleChargeLeMaitre) {
    const Resultat_Demarrage r = Demarrage_Projet(e, s, "");
    EXPECT_EQ(r.nom_projet, "tov0.mas");
    EXPECT_EQ(e.Nom_Projet, "tov0.mas");
    EXPECT_EQ(e.P(1), 1);
    EXPECT_TRUE(s.messages.empty());
}

TEST_F(Demarrage, ProjetAbimeSignaleEtMaitreCharge) {
    const std::string abime = dossier + "/abime.cot";
    Ecrit_Octets(abime, "pas un nombre");
    e.P(1) = 77;
    const Resultat_Demarrage r = Demarrage_Projet(e, s, abime);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].texte.find("abime.cot"), std::string::npos);
    EXPECT_NE(s.messages[0].texte.find("tov0.mas"), std::string::npos);
    EXPECT_EQ(r.nom_projet, "tov0.mas");
    EXPECT_EQ(e.P(1), 1);
    EXPECT_TRUE(A_Fait("init_projet"));
}

TEST_F(Demarrage, CareneQueLaTableNeTientPasRemplaceeParLeMaitre) {
    // The real reader: the chosen project's hull is 1e8 mm long; the master takes its place.
    Services().lit_projet = Services_Projet::Reels().lit_projet;
    Etat_Projet maitre = test::Coque_Caisson(1000, 50, 100);
    maitre.P(57) = 1000; // a hull weight: a master with nothing to float is refused too
    Ecrit_Fichier_Projet(dossier + "/tov0.mas", maitre);
    Etat_Projet lu = test::Coque_Caisson(1000, 50, 100);
    lu.P(1) = 1e8;
    const std::string choisi = dossier + "/demesure.cot";
    Ecrit_Fichier_Projet(choisi, lu);
    const Resultat_Demarrage r = Demarrage_Projet(e, s, choisi);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].texte.find("demesure.cot"), std::string::npos);
    EXPECT_NE(s.messages[0].texte.find("trop longue"), std::string::npos);
    EXPECT_EQ(r.nom_projet, "tov0.mas");
    EXPECT_EQ(e.P(1), 0);
    EXPECT_EQ(e.P(2), 1000);
}

TEST_F(Demarrage, MaitreAbsentSignaleParSonNomEtLampesRouges) {
    fs::remove(dossier + "/tov0.mas");
    const Resultat_Demarrage r = Demarrage_Projet(e, s, "");
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].style, MB_STOP);
    EXPECT_NE(s.messages[0].texte.find("tov0.mas"), std::string::npos);
    EXPECT_TRUE(r.nom_projet.empty());
    EXPECT_FALSE(A_Fait("init_projet"));
    // The settings still come in and go back.
    EXPECT_TRUE(r.reglages_ecrivables);
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_H, 56.7);

    e.P(186) = 0;
    Demarrage_Calculs(e, s, r);
    EXPECT_FALSE(A_Fait("calcul_tab"));
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_EQ(s.voyants[k], COULEUR_ROUGE);
}

TEST_F(Demarrage, ReglagesAbsentsCreesAvecLesValeursParDefaut) {
    fs::remove(ini());
    e.P(305) = 1;
    const Resultat_Demarrage r = Demarrage_Projet(e, s, "");
    EXPECT_TRUE(r.reglages_ecrivables);
    EXPECT_TRUE(s.messages.empty());
    ASSERT_TRUE(fs::exists(ini()));
    EXPECT_DOUBLE_EQ(e.P(301), 56.7);
    EXPECT_DOUBLE_EQ(e.P(302), 56.7);
    EXPECT_DOUBLE_EQ(e.P(305), 0); // the tip is on with a fresh file
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_V, 56.7);
    EXPECT_EQ(Octets(ini()).substr(0, 16), " 56700 \r\n 56700 ");
}

TEST_F(Demarrage, ReglagesIllisiblesJamaisReecrits) {
    Ecrit_Octets(ini(), " 56700 \r\n 1 \r\n");
    const Resultat_Demarrage r = Demarrage_Projet(e, s, "");
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].texte.find("tov.ini"), std::string::npos);
    EXPECT_FALSE(r.reglages_ecrivables);
    EXPECT_FALSE(A_Fait("ecrit_reglages"));
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_H, 56.7); // defaults in memory, so printing still works
    // Nor at shut-down.
    EXPECT_TRUE(Ecrit_Reglages_Arret(e, s, r.reglages_ecrivables));
    EXPECT_EQ(Octets(ini()), " 56700 \r\n 1 \r\n");
    EXPECT_EQ(r.nom_projet, "tov0.mas");
}

TEST_F(Demarrage, ReglagesEndommagesSignalesEtJamaisReecrits) {
    // The real reader and writer: a calibration line that is not a number.
    Services().lit_reglages = Lit_Reglages;
    Services().ecrit_reglages = Ecrit_Reglages;
    Ecrit_Octets(ini(), " 60000 \r\n 57x00 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                        " 0 \r\n 0 \r\n 0 \r\n");
    const std::string avant = Octets(ini());
    const Resultat_Demarrage r = Demarrage_Projet(e, s, "");
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].texte.find("endommagé"), std::string::npos) << s.messages[0].texte;
    EXPECT_EQ(s.messages[0].style, MB_EXCLAMATION);
    EXPECT_FALSE(r.reglages_ecrivables);
    // The defaults for this run, not the first line of the damaged file.
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_H, 56.7);
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_V, 56.7);
    EXPECT_TRUE(Ecrit_Reglages_Arret(e, s, r.reglages_ecrivables));
    EXPECT_EQ(Octets(ini()), avant);
}

TEST_F(Demarrage, TableNacaAbsenteSignaleeEtDemarrageTermine) {
    faux.naca_absent = true;
    const Resultat_Demarrage r = Demarrage_Projet(e, s, "");
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].texte.find("nacaa.ini"), std::string::npos);
    EXPECT_EQ(r.nom_projet, "tov0.mas");
    // The lights are still checked without the table.
    Demarrage_Calculs(e, s, r);
    EXPECT_TRUE(A_Fait("verifie_projet_lu"));
}

TEST_F(Demarrage, EcritureDesReglagesALArret) {
    e.P(301) = 60;
    EXPECT_TRUE(Ecrit_Reglages_Arret(e, s, true));
    EXPECT_EQ(Octets(ini()).substr(0, 9), " 60000 \r\n");
    faux.reglages_bloques = true;
    EXPECT_FALSE(Ecrit_Reglages_Arret(e, s, true));
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].style, MB_STOP);
    EXPECT_NE(s.messages[0].texte.find("tov.ini"), std::string::npos);
}

TEST(Maitre, ReconnuSousToutCheminDuDossierProgramme) {
    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Temporaire();
    const std::string d = e.Dossier_Programme;
    fs::create_directories(d + "/sous");
    Ecrit_Octets(d + "/tov0.mas", "1\n");
    EXPECT_TRUE(Est_Maitre(e, "tov0.mas"));
    EXPECT_TRUE(Est_Maitre(e, d + "/tov0.mas"));
    EXPECT_TRUE(Est_Maitre(e, d + "/./tov0.mas"));
    EXPECT_TRUE(Est_Maitre(e, d + "/sous/../tov0.mas"));
    fs::create_symlink(d + "/tov0.mas", d + "/sous/lien.mas");
    EXPECT_TRUE(Est_Maitre(e, d + "/sous/lien.mas"));
    EXPECT_FALSE(Est_Maitre(e, d + "/sous/tov0.mas"));
    EXPECT_FALSE(Est_Maitre(e, d + "/tov1.mas"));
    EXPECT_FALSE(Est_Maitre(e, "MonProjet.cot"));
    EXPECT_EQ(Chemin_Projet(e, "MonProjet.cot"), d + "/MonProjet.cot");
    EXPECT_EQ(Chemin_Projet(e, "/x/y.cot"), "/x/y.cot");
    // A name typed without an extension is written as a project; the master's own bare name
    // becomes another file.
    EXPECT_EQ(Nom_Avec_Extension(d + "/x.y/mon_bateau"), d + "/x.y/mon_bateau.cot");
    EXPECT_EQ(Nom_Avec_Extension(d + "/mon.bateau"), d + "/mon.bateau");
    EXPECT_EQ(Nom_Avec_Extension("x.mas"), "x.mas");
    EXPECT_EQ(Nom_Avec_Extension(d + "/.bateau"), d + "/.bateau.cot");
    EXPECT_EQ(Nom_Avec_Extension("bateau."), "bateau.cot");
    // Final dots dropped; dots, or an extension alone, name no file.
    EXPECT_EQ(Nom_Avec_Extension("bateau.cot."), "bateau.cot");
    EXPECT_EQ(Nom_Avec_Extension("cot"), "cot.cot");
    EXPECT_EQ(Nom_Avec_Extension("..MAS."), "");
    EXPECT_EQ(Nom_Avec_Extension(d + "/.."), "");
    EXPECT_EQ(Nom_Avec_Extension(""), "");
    EXPECT_FALSE(Est_Maitre(e, Nom_Avec_Extension(d + "/tov0")));
}

} // namespace
