// Heeled equilibrium: box hulls and the master, pinned against an independent replay of the
// search (tests/support/Equilibre_Modele.h).
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Equilibre.h"
#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/Voyants.h"
#include "stability/Centrage.h"
#include "support/Coques_Essai.h"
#include "support/Equilibre_Modele.h"
#include "support/Maitre.h"

using namespace gabarit;
using test::Compare_Modele;

namespace {

// A wall-sided box 1000 mm long, 200 mm wide and 100 mm deep at the bow, narrowing to 140 mm
// and shoaling to 90 mm at the transom, centre of gravity at 430 mm (aft of amidships). It
// holds some 18.7 kg with its sheer at the water.
std::unique_ptr<Etat_Projet> Caisson(double poids = 4000) {
    auto e = std::make_unique<Etat_Projet>(test::Caisson_Charge(poids, 430, 1000, 100, 100));
    e->P(14) = 70;
    e->P(15) = 90;
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
    auto e = Caisson(8000);
    e->P(26) = 10;
    e->P(44) = 33; // another heel's freeboards stay as they were
    const test::Resultat_Modele m = test::Equilibre_Modele(*e).Cherche(10);
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    Compare_Modele(*e, 2, m);
    // The centre of gravity aft of amidships trims the box by the stern.
    EXPECT_LT(e->P(45), e->P(51));
    // The halves' volumes are those of the last walk.
    EXPECT_EQ(e->Volume_AR, m.volume_ar);
    EXPECT_EQ(e->Volume_AV, m.volume_av);
    // State, light, panel, window, steps.
    EXPECT_EQ(shell.voyants[2], COULEUR_VERTE);
    EXPECT_EQ(shell.voyants[1], COULEUR_ROUGE);
    EXPECT_EQ(shell.statuts[3], "Gite :10");
    EXPECT_EQ(shell.attente_montree, 1);
    EXPECT_FALSE(shell.attente_visible);
    EXPECT_EQ(shell.progression_max, 430);
    EXPECT_EQ(e->P(37), 0.1);
    EXPECT_EQ(e->P(27), 25);
    EXPECT_EQ(e->P(44), 33);
    EXPECT_EQ(e->Gite_Couple, 10);
    EXPECT_EQ(e->X_Couple, 430 + 46 * 12.5); // left past the bow by the fine forward walk
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
    const test::Resultat_Modele m = test::Equilibre_Modele(*e).Cherche(30);
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    Compare_Modele(*e, 6, m);
    EXPECT_EQ(e->P(48), 0);
    EXPECT_EQ(e->P(54), 0);
    EXPECT_EQ(e->P(212), 0);
    EXPECT_EQ(shell.voyants[6], COULEUR_VERTE);
    EXPECT_EQ(shell.statuts[3], "Gite :30");
}

TEST(Equilibre, Overloaded_Box_Floats_With_Its_Stern_Under_Water) {
    // 15 kg at 20 and 30 degrees: the low side's sheer goes under and the stern, which
    // carries the centre of gravity, sinks below the water: a floating position, not a
    // failure.
    for (int gite : {20, 30}) {
        SCOPED_TRACE(gite);
        auto e = Caisson(15000);
        e->P(26) = gite;
        const test::Resultat_Modele m = test::Equilibre_Modele(*e).Cherche(gite);
        Shell_Enregistreur shell;
        ASSERT_TRUE(Calcul_Equilibre(*e, shell));
        Compare_Modele(*e, gite / 5, m);
        EXPECT_LT(e->P(Franc_Bord_AR(gite / 5)), 0);
        EXPECT_TRUE(shell.messages.empty());
        // At 20 degrees the wetted surface is 314.59 in double but 314.589996 in single
        // precision: the file holds the single value's thousandths.
        if (gite == 20)
            EXPECT_EQ(Texte_Milliemes(e->P(204)), " 314589 ");
    }
}

TEST(Equilibre, Heavy_Boat_Still_Measures_Its_Wetted_Surface) {
    // 25 kg in a 2000 x 300 x 200 box: the coarse phase must run even though the weight is
    // over 20 kg, so the wetted surface is measured (it would stay 0 otherwise).
    auto e = std::make_unique<Etat_Projet>(test::Caisson_Charge(25000, 1010, 2000, 150, 200));
    e->P(26) = 15;
    const test::Resultat_Modele m = test::Equilibre_Modele(*e).Cherche(15);
    Shell_Enregistreur shell;
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    Compare_Modele(*e, 3, m);
    EXPECT_GT(m.surface, 0);
}

TEST(Equilibre, Heel_Is_Taken_When_The_Search_Starts) {
    auto e = Caisson();
    e->P(26) = 10;
    const test::Resultat_Modele m = test::Equilibre_Modele(*e).Cherche(10);
    Shell_Bouton_Gite shell(*e);
    ASSERT_TRUE(Calcul_Equilibre(*e, shell));
    // The button set 20 during the search: the results still belong to 10.
    Compare_Modele(*e, 2, m);
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
    // Heavier than the whole box even sunk by the table's depth; a weight of nothing; a
    // centre of gravity too near the stern or the bow for a whole coarse step on each side;
    // a box so wide that its sheer would stand higher than any hull the table holds.
    for (Cas c :
         {Cas{"trop lourd", 30000, 500}, Cas{"sans poids", 0, 500}, Cas{"centre AR", 4000, 95},
          Cas{"centre AV", 4000, 915}, Cas{"trop large", 100, 430}}) {
        SCOPED_TRACE(c.nom);
        auto e = Caisson(c.poids);
        e->P(23) = c.centre;
        if (std::string(c.nom) == "trop large")
            e->P(5) = e->P(14) = 1e6;
        e->P(26) = 20;
        e->P(47) = 7;
        e->P(53) = 9;
        e->P(211) = 1234;
        // A flag that is neither 0 nor 1 (from a file): the search runs, and its failure
        // leaves the heel out of date under a red light.
        e->P(190) = 2;
        Shell_Enregistreur shell;
        EXPECT_FALSE(Calcul_Equilibre(*e, shell));
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].texte, "Calcul de flottaison impossible");
        EXPECT_EQ(shell.messages[0].style, MB_STOP);
        EXPECT_EQ(e->P(47), 7);
        EXPECT_EQ(e->P(53), 9);
        EXPECT_EQ(e->P(211), 1234);
        EXPECT_EQ(e->P(190), 1);
        EXPECT_EQ(shell.voyants[4], COULEUR_ROUGE);
        // Within a series the series tells it: no box here, the light red all the same.
        e->P(190) = 2;
        Shell_Enregistreur muet;
        EXPECT_FALSE(Calcul_Equilibre(*e, muet, nullptr, Echec_Flottaison::Silence));
        EXPECT_TRUE(muet.messages.empty());
        EXPECT_EQ(e->P(190), 1);
        EXPECT_EQ(muet.voyants[4], COULEUR_ROUGE);
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

    // Hulls the table refuses are refused with its message before anything moves: a depth
    // typed x 1000, a hull longer than the table.
    for (int n : {6, 1}) {
        SCOPED_TRACE(n);
        auto g = Caisson(8000);
        g->P(26) = 25;
        g->P(n) = n == 6 ? 100000 : 1e8;
        g->P(48) = 4;
        g->X_Couple = 12;
        Shell_Enregistreur shell3;
        try {
            Calcul_Equilibre(*g, shell3);
            ADD_FAILURE() << "accepted";
        } catch (const Erreur_Gabarit &err) {
            EXPECT_NE(std::string(err.what()).find(n == 6 ? "trop haut" : "trop longue"),
                      std::string::npos)
                << err.what();
        }
        EXPECT_EQ(shell3.attente_montree, 0);
        EXPECT_EQ(g->P(48), 4);
        EXPECT_EQ(g->P(191), 1);
        EXPECT_EQ(g->X_Couple, 12);
        EXPECT_EQ(g->Gite_Couple, 25);
    }
}

TEST(Equilibre, Master_Project_Floats_At_Every_Heel) {
    auto e = std::make_unique<Etat_Projet>();
    Shell_Enregistreur shell;
    test::Prepare_Maitre(*e, shell);
    Calcul_Centrage(*e, shell);
    Invalide_Calculs(*e, shell);
    const double pas_v = e->P(37), pas_h = e->P(27);
    // The heel series' order, 30 down to 0.
    for (int gite = 30; gite >= 0; gite -= 5) {
        SCOPED_TRACE(gite);
        e->P(26) = gite;
        const test::Resultat_Modele m = test::Equilibre_Modele(*e).Cherche(gite);
        ASSERT_TRUE(Calcul_Equilibre(*e, shell));
        if (gite > 0)
            Compare_Modele(*e, gite / 5, m);
    }
    EXPECT_EQ(e->P(186), 0);
    EXPECT_TRUE(shell.messages.empty());
    for (int c : shell.voyants)
        EXPECT_EQ(c, COULEUR_VERTE);
    EXPECT_EQ(e->P(37), pas_v);
    EXPECT_EQ(e->P(27), pas_h);
}
