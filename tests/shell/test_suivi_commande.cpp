// What a command leaves behind: the height of the centre of gravity follows the hull's form
// and the upright waterline the bulb hangs from.
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "interfaces/Shell_Enregistreur.h"
#include "shell/Suivi_Commande.h"
#include "stability/Centrage.h"
#include "support/Coques_Essai.h"

using namespace gabarit;

TEST(Suit_Commande, HauteurDuCentreSuitLaCoqueEtLaFlottaisonDroite) {
    struct Cas {
        const char *quoi;
        std::vector<std::pair<int, double>> valeurs;
        double z;
    };
    // The bulb 330 mm down, the centre 304 (test::Caisson_Bulbe). 120 mm deep, the hull has 90
    // under water: floor((5000 + 1000 x 350) / 1100). Floated 20 mm below the sheer (a
    // flotation stores the freeboards): 80 under water, floor(345000 / 1100).
    for (const Cas &k :
         {Cas{"creux", {{6, 120}}, 322}, Cas{"flottaison droite", {{43, 20}, {49, 20}}, 313}}) {
        SCOPED_TRACE(k.quoi);
        Etat_Projet e = test::Caisson_Bulbe();
        Calcul_Centre_Gravite(e);
        ASSERT_EQ(e.P(28), 304);
        const Avant_Commande avant = Avant(e);
        for (auto [n, v] : k.valeurs)
            e.P(n) = v;
        Shell_Enregistreur s;
        Suit_Commande(e, s, avant);
        EXPECT_EQ(e.P(28), k.z);
    }
}
