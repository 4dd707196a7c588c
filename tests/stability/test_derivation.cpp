// The derivation follows every input it reads, and nothing else: a command that changes a
// record outside its sources leaves every derived value as it was, so the runner that works
// them out again only when a source moved never leaves one behind its inputs.
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

#include "interfaces/Shell_Muet.h"
#include "model/Projet_Enregistre.h"
#include "model/Resultats.h"
#include "stability/Derivation.h"
#include "support/Maitre.h"

using namespace gabarit;

TEST(Derivation, RienQueSesSources) {
    auto maitre = std::make_unique<Etat_Projet>();
    Shell_Muet muet;
    test::Prepare_Maitre(*maitre, muet);
    ASSERT_TRUE(Derive_Valeurs(*maitre).empty()); // the master holds its own figures
    const std::vector<int> &sources = Sources_Derives();
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n) {
        if (Valeur_De_Travail(n) || !Nom_Resultat(n).empty() ||
            std::find(sources.begin(), sources.end(), n) != sources.end())
            continue;
        auto e = std::make_unique<Etat_Projet>(*maitre);
        e->P(n) = e->P(n) * 1.5 + 7; // any other value, a profile row among them
        try {
            EXPECT_TRUE(Derive_Valeurs(*e).empty()) << n;
        } catch (const Erreur_Gabarit &err) {
            ADD_FAILURE() << n << " : " << err.what();
        }
    }
}
