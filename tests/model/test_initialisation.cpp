#include <gtest/gtest.h>

#include <filesystem>

#include "model/Fichier_Projet.h"
#include "model/Initialisation.h"
#include "interfaces/Shell_Enregistreur.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

namespace {

// Records the window steps' calls as well.
struct Shell_Init : Shell_Enregistreur {
    std::vector<std::pair<double, double>> fenetres_projet;
    int fenetres_variables = 0;
    void Init_Projet_Fenetres(double angle, double qualite) override {
        fenetres_projet.emplace_back(angle, qualite);
    }
    void Init_Variables_Fenetres() override { ++fenetres_variables; }
};

// A freshly read record: L = 1000, profile numbers, shape indices and heel states set.
Etat_Projet Projet_Lu(const std::string &tampon) {
    Etat_Projet e;
    e.P(1) = 600;
    e.P(2) = 400;
    const int profils[] = {18, 25, 88, 92, 158, 159, 160, 161};
    for (int k : profils)
        e.P(k) = 7;
    e.P(107) = 5;
    e.P(108) = 6;
    for (int k = 186; k <= 192; ++k)
        e.P(k) = 0;
    e.P(27) = 33;
    e.P(231) = 4;
    e.P(37) = 0.5;
    e.P(33) = 12;
    e.P(38) = 4;
    e.Texte_Projet[300] = tampon;
    e.Dossier_Programme = test::Dossier_Donnees();
    return e;
}

struct Attendu {
    bool profils_a_zero;
    bool formes_et_gite;
    bool pas_horizontal;
};

void Verifie(const std::string &tampon, Attendu a) {
    SCOPED_TRACE("texte 300 : \"" + tampon + "\"");
    Etat_Projet e = Projet_Lu(tampon);
    Shell_Init s;
    Init_Projet(e, s);
    for (int k : {18, 25, 88, 92, 158, 159, 160, 161})
        EXPECT_EQ(e.P(k), a.profils_a_zero ? 0 : 7) << k;
    EXPECT_EQ(e.P(107), a.formes_et_gite ? 2 : 5);
    EXPECT_EQ(e.P(108), a.formes_et_gite ? 2 : 6);
    for (int k = 186; k <= 192; ++k)
        EXPECT_EQ(e.P(k), a.formes_et_gite ? 1 : 0) << k;
    EXPECT_EQ(e.P(27), a.pas_horizontal ? 100 : 33);
    EXPECT_EQ(e.P(33), 0);
    EXPECT_EQ(e.P(38), 0);
    EXPECT_EQ(e.P(231), 4); // Init_Projet leaves it to Init_Variables
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");
    EXPECT_EQ(s.activations, 1);
    EXPECT_TRUE(s.menus_actifs);
}

} // namespace

TEST(Init_Projet, MiseANiveauSelonLeTampon) {
    Verifie("Version 2.1.4", {true, true, true});
    Verifie("Version 2.1.9", {true, true, true});
    Verifie("Version 2.0.3", {true, true, true});
    Verifie("Version 2.2.8", {false, true, true});
    Verifie("Version 2.2.9", {false, false, true});
    Verifie("Version 2.2.10", {false, true, true}); // c13 is "1"
    Verifie("Version 2.3.0", {false, false, true}); // minor digit above 2
    Verifie("X", {false, true, true});              // c11 empty
    Verifie("", {false, false, false});
    Verifie("Version 2.29", {false, false, false}); // 12 characters
    Verifie("Version 2.2.9 ", {false, false, true});
    Verifie("Version 2.2.100", {false, false, false}); // 15 characters
    // Characters count, not bytes: "é" is one character of a 13-character stamp.
    Verifie("Version 2.2.é", {false, true, true});
}

TEST(Init_Projet, FenetresEtTableDeCarene) {
    Etat_Projet e = Projet_Lu("Version 2.2.9");
    e.P(228) = 12.5;
    e.P(306) = 0.5;
    e.Tab_Carene(3, 4, 2) = 9;
    Shell_Init s;
    s.menus_actifs = false;
    Init_Projet(e, s);
    ASSERT_EQ(s.fenetres_projet.size(), 1u);
    EXPECT_EQ(s.fenetres_projet[0].first, 12.5);
    EXPECT_EQ(s.fenetres_projet[0].second, 0.5);
    EXPECT_EQ(Option_Qualite_Impression(s.fenetres_projet[0].second), 1); // "bonne"
    EXPECT_EQ(Option_Qualite_Impression(0), 0);                           // "moyenne"
    EXPECT_EQ(e.Tab_Carene(3, 4, 2), 0);
    EXPECT_TRUE(s.menus_actifs);
}

TEST(Init_Variables, ValeursDeTravailRemisesADefaut) {
    Etat_Projet e = Projet_Lu("Version 2.2.9");
    e.P(1) = 700;
    e.P(2) = 550; // L = 1250
    e.Nom_Compar = "autre.cot";
    e.Ech_Couple = 1.7f;
    e.Item_Choisi = 4;
    e.Cle_Vue = "3D";
    e.X_Debut_Lignes = 100;
    Shell_Init s;
    Init_Variables(e, s);
    EXPECT_EQ(e.Nom_Compar, "tov0.mas");
    EXPECT_EQ(e.Ech_Couple, 1.f);
    EXPECT_EQ(e.P(27), 125);
    EXPECT_EQ(e.P(231), 10);
    EXPECT_EQ(e.P(37), 2);
    EXPECT_EQ(e.X_Debut_Lignes, 0);
    EXPECT_EQ(e.X_Fin_Lignes, 1250);
    EXPECT_EQ(e.Cle_Vue, "TB_ET");
    EXPECT_EQ(s.statuts[2], "TB_ET");
    EXPECT_EQ(e.Item_Choisi, 0);
    EXPECT_EQ(s.fenetres_variables, 1);
    EXPECT_NEAR(2 * e.Table_Naca[0][26], 12, 0.01);
    EXPECT_EQ(e.Stations_Naca[8], 15.f);
}

TEST(Init_Variables, TableNacaAbsenteSignaleeParSonNom) {
    Etat_Projet e = Projet_Lu("Version 2.2.9");
    e.Dossier_Programme = test::Dossier_Temporaire();
    Shell_Init s;
    try {
        Init_Variables(e, s);
        FAIL();
    } catch (const Erreur_Gabarit &err) {
        EXPECT_NE(std::string(err.what()).find("nacaa.ini"), std::string::npos);
    }
    // The steps before the table are kept.
    EXPECT_EQ(e.P(27), 100);
    EXPECT_EQ(e.P(37), 2);
    EXPECT_EQ(e.Cle_Vue, "TB_ET");
    EXPECT_EQ(s.fenetres_variables, 1);
}

TEST(Init_Variables, CoqueDeLongueurNulleRefusee) {
    Etat_Projet e = Projet_Lu("Version 2.2.9");
    e.P(1) = 0;
    e.P(2) = 0;
    Shell_Init s;
    EXPECT_THROW(Init_Variables(e, s), Erreur_Gabarit);
    EXPECT_TRUE(std::isfinite(e.P(231)));
}

TEST(Init_Projet, LectureDUnAncienFichierPuisEnregistrement) {
    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Donnees();
    Lit_Fichier_Projet(test::Dossier_Fixtures() + "/ancien_2_1_4.cot", Projet_Courant(e));
    EXPECT_EQ(e.P(18), 3);
    Shell_Init s;
    Init_Projet(e, s);
    Init_Variables(e, s);
    EXPECT_EQ(e.P(18), 0);
    EXPECT_EQ(e.P(161), 0);
    EXPECT_EQ(e.P(107), 2);
    EXPECT_EQ(e.P(192), 1);
    EXPECT_EQ(e.P(27), 100);
    EXPECT_EQ(e.P(231), 10);
    EXPECT_EQ(e.P(173), 2.75); // no fixed meaning: carried through
    const std::string chemin = test::Dossier_Temporaire() + "/projet.cot";
    Ecrit_Fichier_Projet(chemin, e);
    Etat_Projet r;
    Lit_Fichier_Projet(chemin, Projet_Courant(r));
    EXPECT_EQ(r.Texte_Projet[300], "Version 2.2.9");
    for (int i = 1; i <= 300; ++i)
        ASSERT_EQ(r.P(i), e.P(i)) << i;
}
