// Our own messages: French with their accents, numbers written plainly.
#include <gtest/gtest.h>
#include <string>

#include "model/Carene.h"
#include "model/Integration_Gite.h"
#include "support/Coques_Essai.h"
#include "support/Separateur_Essai.h"

using namespace gabarit;

namespace {
std::string Message(void (*f)(Etat_Projet &), Etat_Projet e) {
    try {
        f(e);
    } catch (const Erreur_Gabarit &x) {
        return x.what();
    }
    return "";
}
} // namespace

TEST(Messages, NombresSimples) {
    // Plain digits with the user's decimal separator: a point under C, a comma under the French
    // locale the windows give the C library, as the user types it in the editor.
    const struct {
        double v;
        const char *c, *francais;
    } cas[] = {{1.00001e8, "100001000", "100001000"},
               {2000.5, "2000.5", "2000,5"},
               {-0.0025, "-0.003", "-0,003"},
               {-0.0001, "0", "0"},
               {1e20, "100000000000000000000", "100000000000000000000"},
               {7.5, "7.5", "7,5"},
               {2.4, "2.4", "2,4"}};
    for (const auto &k : cas)
        EXPECT_EQ(Nombre_Message(k.v), k.c);
    EXPECT_EQ(Valeur_Message(-4.52612e298), "-4.52612e+298");
    test::Locale_C_Essai francais("fr_FR.UTF-8");
    if (!francais.Pris())
        GTEST_SKIP() << "fr_FR.UTF-8 locale not generated on this machine";
    for (const auto &k : cas)
        EXPECT_EQ(Nombre_Message(k.v), k.francais);
    EXPECT_EQ(Valeur_Message(-4.52612e298), "-4,52612e+298");
}

TEST(Messages, AccentsEtNombresDesRefus) {
    Etat_Projet e = test::Coque_Caisson(1000);
    e.P(2) = 1.00001e8; // a hull from a damaged file
    EXPECT_EQ(Message(Calcul_Tab, e),
              "Carène trop longue pour la table : L = 100001000 mm (2000 mm au plus)");
    e = test::Coque_Caisson(1000);
    e.P(37) = 0;
    e.X_Couple = 500;
    e.Gite_Couple = 0;
    EXPECT_EQ(Message(Calcul_Surface_Couple, e), "Pas vertical nul ou négatif");
}
