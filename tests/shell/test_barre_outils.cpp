#include <clocale>
#include <gtest/gtest.h>
#include <string>

#include "interfaces/Garde_Menus.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Erreur.h"
#include "shell/Arrangements.h"
#include "shell/Chaine_Nombre.h"

using namespace gabarit;

TEST(Chaine_Nombre, BlancDevantLesNombresPositifsEtPasDeZeroAvantLePoint) {
    EXPECT_EQ(Chaine_Nombre(15), " 15");
    EXPECT_EQ(Chaine_Nombre(0), " 0");
    EXPECT_EQ(Chaine_Nombre(-0.0), " 0");
    EXPECT_EQ(Chaine_Nombre(0.5), " .5");
    EXPECT_EQ(Chaine_Nombre(-2.5), "-2.5");
    EXPECT_EQ(Chaine_Nombre(-0.25), "-.25");
    EXPECT_EQ(Chaine_Nombre(1.0 / 0.0), " 0");
    EXPECT_EQ("Gite:" + Chaine_Nombre(15), "Gite: 15");
    EXPECT_EQ("Gite " + Chaine_Nombre(0), "Gite  0");
}

TEST(Chaine_Nombre, UnPointQuelleQueSoitLaLangue) {
    // Qt puts the C library in the user's locale; the status texts keep their point.
    const std::string avant = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "fr_FR.UTF-8 locale not generated on this machine";
    const std::string a = Chaine_Nombre(7.5), b = Chaine_Nombre(-0.125),
                      c = Chaine_Nombre(1234567.25);
    std::setlocale(LC_NUMERIC, avant.c_str());
    EXPECT_EQ(a, " 7.5");
    EXPECT_EQ(b, "-.125");
    EXPECT_EQ(c, " 1234567.25");
}

TEST(Arrangements, VueGeneraleSurUneZoneDe12000Par8000) {
    const Arrangement_Vue_Generale a = Arrange_Vue_Generale(12000, 8000);
    EXPECT_EQ(a.profile, (Rect_Fenetre{0, 0, 6000, 4000}));
    EXPECT_EQ(a.coupe, (Rect_Fenetre{6000, 0, 6000, 4000}));
    EXPECT_EQ(a.voile, (Rect_Fenetre{9000, 4000, 3000, 4000}));
    EXPECT_EQ(a.deplacement, (Rect_Fenetre{0, 4000, 9000, 4000}));
}

TEST(Arrangements, FenetreOutilEnHautAGaucheEtVueAsaDroite) {
    // Hull form 5000 x 3000 on 12000 x 8000: sections below it, profile on its right.
    const Arrangement_Outil a = Arrange_Outil(12000, 8000, 5000, 3000);
    EXPECT_EQ(a.dessous, (Rect_Fenetre{0, 3000, 5000, 5000}));
    EXPECT_EQ(a.haut_bas, 5000);
    EXPECT_EQ(a.vue, (Rect_Fenetre{5000, 0, 7000, 8000}));
    EXPECT_EQ(Centre(12000, 8000, 4000, 2000), (Rect_Fenetre{4000, 3000, 4000, 2000}));
}

TEST(Garde_Menus, ToutCheminDeSortieRendLesMenusEtEcritPret) {
    Shell_Enregistreur s;
    s.Texte_Statut(1, "Calcul");
    try {
        Garde_Menus g(s);
        s.Montre_Attente(true);
        EXPECT_FALSE(s.menus_actifs);
        throw Erreur_Gabarit("division par zero");
    } catch (const Erreur_Gabarit &) {
    }
    EXPECT_TRUE(s.menus_actifs);
    EXPECT_FALSE(s.attente_visible);
    EXPECT_EQ(s.statuts[1], "Pret");
}
