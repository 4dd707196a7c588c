// Heeled equilibrium on a wall-sided box hull.
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "model/Carene.h"
#include "model/Equilibre.h"
#include "model/Geometrie_Couple.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Voyants.h"
#include "stability/Centrage.h"
#include "support/Coques_Essai.h"
#include "support/Maitre.h"

using namespace gabarit;

namespace {

// A box 1000 mm long, 200 mm wide and 100 mm deep (a = b = 0: every level has the full
// breadth), the centre of gravity amidships, all heel results out of date. Upright it would
// float 20 mm deep under 4 kg (200 cm3 per mm of draught).
std::unique_ptr<Etat_Projet> Caisson(double poids = 4000, double longueur = 1000,
                                     double demi_largeur = 100, double creux = 100) {
    auto e = std::make_unique<Etat_Projet>(test::Coque_Caisson(longueur, demi_largeur, creux));
    e->P(107) = e->P(108) = 2;
    e->P(23) = longueur / 2;
    e->P(42) = poids;
    e->P(37) = 0.1;
    e->P(27) = longueur / 40;
    test::Resultats_Perimes(*e);
    return e;
}

// A shell whose event yields press a heel button in the middle of the search.
class Shell_Bouton_Gite : public Shell_Enregistreur {
public:
    explicit Shell_Bouton_Gite(Etat_Projet &e) : e_(e) {}
    void Laisse_Evenements() override {
        Shell_Enregistreur::Laisse_Evenements();
        if (evenements == 3)
            e_.P(26) = 20;
    }

private:
    Etat_Projet &e_;
};

} // namespace

TEST(Equilibre, Box_At_10_Degrees) {
    // 8 kg: upright the box would float 40 mm deep, freeboard 60; at 10 degrees its high
    // bottom corner (100 sin 10 = 17 mm above the centre of the bottom) stays under water.
    auto e = Caisson(8000);
    e->P(26) = 10;
    e->P(44) = 33; // another heel's freeboards stay as they were
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));

    // Each half divides its station sum by its number of steps: the aft half walks its 41
    // fine stations, the fore half 40 (the bow has no section), so the aft half is counted
    // 1/40 heavier and the stern ends higher. Both stay within a few mm of the upright 60.
    EXPECT_GT(e->P(45), e->P(51));
    EXPECT_GE(e->P(51), 55);
    EXPECT_LE(e->P(45), 65);
    // The stored volume is the last walked volume, just over the weight: a fine pass sinks
    // each end by 1 mm at most, some 200 cm3 on this box.
    EXPECT_GT(e->P(209), 8000);
    EXPECT_LT(e->P(209), 8210);
    EXPECT_GT(e->Volume_AR + e->Volume_AV, 8000);
    // Wetted surface from the last coarse pass, thousands of mm2 with two decimals. A
    // station's girth is both immersed walls (about 2 x 40) and the two closing segments
    // from the bottom corners to the keel's centre (about 2 x 100), some 280 mm; the aft
    // half takes 6 of 6 stations, the fore half 5 of 6: 280 x (0.5 + 0.5 x 5 / 6) = 257.
    EXPECT_GT(e->P(202), 230);
    EXPECT_LT(e->P(202), 290);
    EXPECT_DOUBLE_EQ(e->P(202) * 100, std::round(e->P(202) * 100));
    // State, light, panel, window, steps.
    EXPECT_EQ(e->P(188), 0);
    EXPECT_EQ(shell.voyants[2], COULEUR_VERTE);
    EXPECT_EQ(shell.voyants[1], COULEUR_ROUGE);
    EXPECT_EQ(shell.statuts[3], "Gite :10");
    EXPECT_EQ(shell.attente_montree, 1);
    EXPECT_FALSE(shell.attente_visible);
    EXPECT_GT(shell.evenements, 20);
    EXPECT_EQ(shell.progression_max, 500);
    EXPECT_EQ(e->P(37), 0.1);
    EXPECT_EQ(e->P(27), 25);
    EXPECT_EQ(e->P(44), 33);
    EXPECT_EQ(e->Gite_Couple, 10);
    EXPECT_GT(e->X_Couple, 1000); // left past the bow
    EXPECT_EQ(e->Angle_Vue, 0);
    EXPECT_TRUE(shell.messages.empty());

    // Up to date now: a second call returns at once.
    Shell_Enregistreur shell2;
    EXPECT_TRUE(Calcul_Equilibre(*e, shell2));
    EXPECT_EQ(shell2.attente_montree, 0);
    EXPECT_EQ(shell2.evenements, 0);
}

TEST(Equilibre, Thirty_Degrees_Uses_Its_Own_Slots) {
    auto e = Caisson(8000);
    e->P(26) = 30;
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    EXPECT_EQ(e->P(192), 0);
    EXPECT_GT(e->P(213), 8000);
    EXPECT_GT(e->P(206), 0);
    EXPECT_GT(e->P(55), 50);
    EXPECT_GT(e->P(56), 50);
    EXPECT_EQ(e->P(48), 0);
    EXPECT_EQ(e->P(212), 0);
    EXPECT_EQ(shell.voyants[6], COULEUR_VERTE);
    EXPECT_EQ(shell.statuts[3], "Gite :30");
}

TEST(Equilibre, Heavy_Boat_Still_Measures_Its_Wetted_Surface) {
    // 25 kg in a 2000 x 300 x 200 box: the coarse phase must run even though the weight is
    // over 20 kg, so the wetted surface is measured (it would stay 0 otherwise).
    auto e = Caisson(25000, 2000, 150, 200);
    e->P(26) = 15;
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    EXPECT_GT(e->P(203), 300);
    EXPECT_GT(e->P(210), 25000);
    EXPECT_EQ(e->P(189), 0);
}

TEST(Equilibre, Heel_Is_Taken_When_The_Search_Starts) {
    auto e = Caisson();
    e->P(26) = 10;
    Shell_Bouton_Gite shell(*e);
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    // The button set 20 during the search: the results still belong to 10.
    EXPECT_EQ(e->P(188), 0);
    EXPECT_GT(e->P(209), 4000);
    EXPECT_EQ(e->P(190), 1);
    EXPECT_EQ(e->P(211), 0);
    EXPECT_EQ(e->P(47), 0);
    EXPECT_EQ(e->P(53), 0);
}

TEST(Equilibre, Refusals_Put_Everything_Back) {
    struct Cas {
        const char *nom;
        double poids, centre;
    };
    // Heavier than the whole box (20 kg at the sheer); a weight of nothing; a centre of
    // gravity too near the stern or the bow for a whole coarse step on each side.
    for (Cas c : {Cas{"trop lourd", 30000, 500}, Cas{"sans poids", 0, 500},
                  Cas{"centre AR", 4000, 95}, Cas{"centre AV", 4000, 905}}) {
        SCOPED_TRACE(c.nom);
        auto e = Caisson(c.poids);
        e->P(23) = c.centre;
        e->P(26) = 20;
        e->P(47) = 7;
        e->P(53) = 9;
        e->P(211) = 1234;
        Shell_Enregistreur shell;
        EXPECT_FALSE(Calcul_Equilibre(*e, shell));
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].texte, "Calcul de flottaison impossible");
        EXPECT_EQ(shell.messages[0].style, MB_STOP);
        EXPECT_EQ(e->P(47), 7);
        EXPECT_EQ(e->P(53), 9);
        EXPECT_EQ(e->P(211), 1234);
        EXPECT_EQ(e->P(190), 1);
        EXPECT_EQ(e->P(37), 0.1);
        EXPECT_EQ(e->P(27), 25);
        EXPECT_FALSE(shell.attente_visible);
    }
}

TEST(Equilibre, Unknown_Heel_And_Upstream_Errors) {
    auto e = Caisson();
    e->P(26) = 7;
    Shell_Enregistreur shell;
    EXPECT_THROW(Calcul_Equilibre(*e, shell), Erreur_Gabarit);
    EXPECT_EQ(shell.attente_montree, 0);

    // An error inside the section walk still hides the window and puts the steps back.
    auto f = Caisson();
    f->P(26) = 5;
    f->P(10) = 0; // every station lies forward of the deepest one, whose length P(9) is 0
    f->P(9) = 0;
    f->P(44) = 3;
    Shell_Enregistreur shell2;
    EXPECT_THROW(Calcul_Equilibre(*f, shell2), Erreur_Gabarit);
    EXPECT_FALSE(shell2.attente_visible);
    EXPECT_EQ(f->P(37), 0.1);
    EXPECT_EQ(f->P(44), 3);
}

TEST(Equilibre, Master_Project_Floats_At_Every_Heel) {
    auto e = std::make_unique<Etat_Projet>();
    Shell_Enregistreur shell;
    test::Prepare_Maitre(*e, shell);
    Calcul_Centrage(*e, shell);
    Invalide_Calculs(*e, shell);
    const double poids = e->P(42);
    ASSERT_GT(poids, 0);
    const double pas_v = e->P(37), pas_h = e->P(27);
    // The heel series' order, 30 down to 0.
    for (int gite = 30; gite >= 0; gite -= 5) {
        SCOPED_TRACE(gite);
        e->P(26) = gite;
        ASSERT_TRUE(Calcul_Equilibre(*e, shell));
        EXPECT_EQ(e->P(186 + gite / 5), 0);
        if (gite > 0) {
            EXPECT_GE(e->P(207 + gite / 5), poids); // the integer part of a volume above it
            EXPECT_LT(e->P(207 + gite / 5), poids * 1.1);
            EXPECT_GT(e->P(200 + gite / 5), 0);
        }
    }
    EXPECT_TRUE(shell.messages.empty());
    for (int c : shell.voyants)
        EXPECT_EQ(c, COULEUR_VERTE);
    EXPECT_EQ(e->P(37), pas_v);
    EXPECT_EQ(e->P(27), pas_h);
}
