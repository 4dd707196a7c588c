// Our own messages: French with their accents, numbers written plainly.
#include <clocale>
#include <gtest/gtest.h>
#include <string>

#include "model/Carene.h"
#include "model/Integration_Gite.h"
#include "support/Coques_Essai.h"

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
    EXPECT_EQ(Nombre_Message(1.00001e8), "100001000");
    EXPECT_EQ(Nombre_Message(2000.5), "2000.5");
    EXPECT_EQ(Nombre_Message(-0.0025), "-0.003");
    EXPECT_EQ(Nombre_Message(-0.0001), "0");
    EXPECT_EQ(Nombre_Message(1e20), "100000000000000000000");
    EXPECT_EQ(Nombre_Message(7.5), "7.5");
    EXPECT_EQ(Valeur_Message(-4.52612e298), "-4.52612e+298");
    // A French user's locale, which the windows give the C library: the comma he types.
    const std::string avant = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_EQ(Nombre_Message(45), "45");
        EXPECT_EQ(Nombre_Message(2000.5), "2000,5");
        EXPECT_EQ(Nombre_Message(-0.0025), "-0,003");
        EXPECT_EQ(Valeur_Message(-4.52612e298), "-4,52612e+298");
    }
    std::setlocale(LC_NUMERIC, avant.c_str());
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
