#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Fichier_Projet.h"
#include "model/Flottaison.h"
#include "model/Geometrie_Couple.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"

using namespace gabarit;

using test::Octets;

namespace {

Etat_Projet Maitre() {
    Etat_Projet e;
    test::Lit_Maitre(e);
    return e;
}

// Sink-phase sums read from the table for the freeboards (ar, av): aft stations 0, 10, ...
// up to the centre of gravity P(23), forward ones at P(23), P(23) + 10, ...; each area at
// the row nearest the waterline there. Single precision, as the flotation sums.
float Volume_Table(const Etat_Projet &e, double ar, double av) {
    const double L = e.L(), cg = e.P(23);
    auto aire = [&](double X) {
        const float z = static_cast<float>((av - ar) / L * X + ar);
        return e.Tab_Carene(static_cast<int>(X / 10), static_cast<int>(std::nearbyint(z)), 2);
    };
    float s1 = 0, s2 = 0;
    for (double X = 0; X <= cg; X += 10)
        s1 += aire(X);
    for (double X = cg; X <= L; X += 10)
        s2 += aire(X);
    return s1 + s2;
}

} // namespace

TEST(Projet_Maitre, FlotteTelQuEnregistre) {
    // The start-up sequence: read, initialise, table, flotation.
    const Etat_Projet stocke = Maitre();
    Etat_Projet e;
    Shell_Enregistreur shell;
    test::Prepare_Maitre(e, shell);
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(e.P(43), stocke.P(43));
    EXPECT_EQ(e.P(49), stocke.P(49));
    EXPECT_EQ(e.P(207), stocke.P(207));
    EXPECT_DOUBLE_EQ(e.P(13), stocke.P(207) / 10000); // the file keeps P(13) to thousandths
    // The wetted surface stored belongs to the stored waterline.
    EXPECT_EQ(e.P(200), stocke.P(200));
    // The initialisation changes none of the working settings the master carries.
    for (int n : {27, 33, 37, 38, 107, 108, 186, 187, 192, 231})
        EXPECT_EQ(e.P(n), stocke.P(n)) << n;
    // Afloat level, its sheer 55 mm above the water at both ends, as the file holds.
    EXPECT_EQ(e.P(43), 55);
    EXPECT_EQ(e.P(49), 55);
}

TEST(Projet_Maitre, PoidsJusteAuDessusDuVolumeEnSimplePrecision) {
    // Sinking towards 55/55, the master's table measures V = 3948.827881 cm3 (single) at
    // 56/55 and the stern goes down to 55. A weight of 3948.828 g has that very single value,
    // yet as stored it lies above V: the sink goes on, measures 55/55 and still lowers the
    // bow (S1 < S2 does not hold there), ending at 55/54 with the volume of 55/55.
    Etat_Projet e;
    Shell_Enregistreur shell;
    test::Prepare_Maitre(e, shell);
    e.P(42) = 3948.828;
    const float v = Volume_Table(e, 56, 55) / 100.0f;
    ASSERT_EQ(v, static_cast<float>(e.P(42)));
    ASSERT_GT(e.P(42), v);
    ASSERT_TRUE(Calcul_Flottaison(e, shell));
    EXPECT_EQ(e.P(43), 55);
    EXPECT_EQ(e.P(49), 54);
    const float s55 = Volume_Table(e, 55, 55);
    EXPECT_EQ(e.P(207), std::floor(s55));
    EXPECT_DOUBLE_EQ(e.P(13), std::floor(static_cast<double>(s55)) / 10000);
    EXPECT_DOUBLE_EQ(e.P(13), 40.092);
}

TEST(Projet_Maitre, ValeursCoherentes) {
    Etat_Projet e = Maitre();
    const double L = e.L();
    EXPECT_EQ(L, 1000);
    EXPECT_EQ(e.P(9), L - e.P(10));
    EXPECT_EQ(e.P(27), L / 10);
    EXPECT_EQ(e.P(37), 2);
    EXPECT_EQ(e.P(231), 10);
    EXPECT_EQ(e.P(107), 2);
    EXPECT_EQ(e.P(108), 2);
    // Every heel result computed: the seven lights open green.
    for (int n = 186; n <= 192; ++n)
        EXPECT_EQ(e.P(n), 0) << n;

    // Weights and centre of gravity as the weights window computes them; the bulb stands
    // at the station the bulb position and keel give.
    const double t = e.P(110) - e.P(113) * std::sin(e.P(115) * 3.14116 / 180);
    EXPECT_NEAR(e.P(180), (50 - e.P(162)) / 100 * e.P(165) + t, 0.001);
    const int items[8][2] = {{58, 60}, {32, 57}, {61, 63}, {64, 66},
                             {67, 69}, {70, 72}, {73, 75}, {180, 170}};
    double poids = 0, moment = 0;
    for (auto [x, p] : items) {
        poids += e.P(p);
        moment += e.P(x) * e.P(p);
    }
    EXPECT_EQ(e.P(42), poids);
    EXPECT_EQ(e.P(23), std::floor(moment / poids));

    // Profile numbers that the NACA table holds.
    for (int n : {18, 25, 88, 92, 159, 160, 161}) {
        EXPECT_GE(e.P(n), 0) << n;
        EXPECT_LE(e.P(n), 39) << n;
        EXPECT_EQ(e.P(n), std::floor(e.P(n))) << n;
    }

    // Every section the table samples is shallower than 300 mm.
    e.Gite_Couple = 0;
    for (double X = 0; X <= L; X += 10) {
        e.X_Couple = X;
        Calcul_Couple(e);
        EXPECT_GE(e.Hauteur_Couple, 0) << X;
        EXPECT_LT(e.Hauteur_Couple, 300) << X;
    }
}

TEST(Projet_Maitre, CommentairesEtFormat) {
    Etat_Projet e = Maitre();
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");
    for (int i = 1; i <= 300; ++i) {
        const std::string &c = e.Texte_Projet[static_cast<std::size_t>(i)];
        ASSERT_FALSE(c.empty()) << i;
        EXPECT_EQ(c.find(','), std::string::npos) << i;
        EXPECT_EQ(c.find('"'), std::string::npos) << i;
        EXPECT_NE(c.front(), ' ') << i;
        EXPECT_NE(c.back(), ' ') << i;
        if (c == "Non utilise")
            EXPECT_EQ(e.P(i), 0) << i;
        EXPECT_EQ(e.Num_Enreg[static_cast<std::size_t>(i)], std::to_string(i));
    }

    // 900 lines ended by CR LF: number, thousandths with the sign place and a trailing blank,
    // comment; plain ASCII, so Windows-1252 reads it alike.
    const std::string octets = Octets(test::Chemin_Maitre());
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = octets.find("\r\n", debut)) != std::string::npos; debut = fin + 2)
        lignes.push_back(octets.substr(debut, fin - debut));
    EXPECT_EQ(debut, octets.size()); // nothing after the last CR LF
    ASSERT_EQ(lignes.size(), 900u);
    for (int i = 1; i <= 300; ++i) {
        const std::string &numero = lignes[static_cast<std::size_t>(3 * i - 3)];
        const std::string &valeur = lignes[static_cast<std::size_t>(3 * i - 2)];
        EXPECT_EQ(numero, " " + std::to_string(i) + " ");
        const long long k = std::llround(e.P(i) * 1000);
        EXPECT_EQ(valeur, (k < 0 ? "" : " ") + std::to_string(k) + " ") << i;
    }
    for (char c : octets)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(Projet_Maitre, RelueEtReecriteALIdentique) {
    Etat_Projet e = Maitre();
    const std::string copie = test::Dossier_Temporaire() + "/copie.mas";
    Ecrit_Fichier_Projet(copie, e);
    EXPECT_EQ(Octets(copie), Octets(test::Chemin_Maitre()));
}
