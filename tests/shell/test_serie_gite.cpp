// The heel series on a small box hull.
#include <cmath>
#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Flottaison.h"
#include "model/Integration_Gite.h"
#include "model/Numeros.h"
#include "shell/Serie_Gite.h"
#include "support/Affichage_Essai.h"
#include "support/Coques_Essai.h"
#include "support/Equilibre_Modele.h"
#include "support/Maitre.h"

using namespace gabarit;

namespace {

// Remembers every painting of the lights and the heel each one came at.
struct Shell_Voyants : Shell_Enregistreur {
    std::vector<std::array<int, 7>> peintures;
    void Peint_Voyants(const std::array<int, 7> &c) override {
        Shell_Enregistreur::Peint_Voyants(c);
        peintures.push_back(c);
    }
};

// A box 100 wide and 100 deep carrying 3 kg (30 mm of draught), afloat upright, its keel
// and bulb amidships, its gear in the middle, the user's heel at 20 degrees.
Etat_Projet Caisson(double L = 1000) {
    Etat_Projet e = test::Caisson_Tabule(3000, 500, L);
    e.P(57) = 1000;
    e.P(170) = 2000;
    e.P(110) = 480;
    e.P(113) = 250;
    e.P(166) = 30;
    e.P(37) = 2;
    e.P(27) = L / 10;
    e.P(231) = 10;
    e.P(26) = 20;
    e.P(200) = 77.7;
    return e;
}

// The pass's own arithmetic: girths every 10 mm summed, over L / 10 + 1, times L.
double Surface_Attendue(Etat_Projet e, double gite) {
    const double L = e.L();
    double S = 0;
    for (double X = 0; X <= L; X += 10) {
        e.X_Couple = X;
        e.Gite_Couple = gite;
        Calcul_Surface_Couple(e);
        if (X < e.P(35))
            EXPECT_EQ(e.Perimetre_Mouille, 0) << X;
        S += e.Perimetre_Mouille;
    }
    return std::trunc(S / (L / 10 + 1) * L) / 1000;
}

} // namespace

TEST(Serie_Gite, CaissonToutesLesPasses) {
    const Etat_Projet depart = Caisson();
    Etat_Projet e = depart;
    Shell_Voyants s;
    test::Affichage_Essai f;
    Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes);

    // All red first, then green from 30 down to 0.
    ASSERT_EQ(s.peintures.size(), 8u);
    for (std::size_t p = 0; p < 8; ++p)
        for (std::size_t k = 0; k < 7; ++k)
            EXPECT_EQ(s.peintures[p][k], p > 0 && k + p >= 7 ? COULEUR_VERTE : COULEUR_ROUGE)
                << p << " " << k;
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), 0);
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(e.P(200), 77.7);
    // Every heel floats where the search floats it; the surfaces pass then measures each.
    for (int k = 1; k < 7; ++k) {
        test::Compare_Modele(e, k, test::Equilibre_Modele(depart).Cherche(5 * k), false);
        EXPECT_EQ(e.P(Surface_Mouillee_Gite(k)), Surface_Attendue(e, 5 * k)) << k;
    }
    // Everything on the centre line: no moment upright, one at every heel.
    EXPECT_EQ(e.P(Moment_Redressement(0)), 0);
    for (int k = 0; k < 7; ++k) {
        EXPECT_GT(e.P(Coef_Prismatique_Gite(k)), 0) << k;
        if (k > 0)
            EXPECT_GT(e.P(Moment_Redressement(k)), e.P(Moment_Redressement(k - 1))) << k;
    }
    EXPECT_EQ(f.coefficients.size(), 7u);
    EXPECT_EQ(f.caches, 1);
    EXPECT_EQ(s.sons, std::vector<std::string>{"stream2.wav"});
    EXPECT_EQ(s.historique_statut1.front(), "Calcul");
    EXPECT_EQ((std::array<std::string, 3>{s.statuts[1], s.statuts[2], s.statuts[3]}),
              (std::array<std::string, 3>{"Pret", "", "Gite  30"}));
    EXPECT_TRUE(s.menus_actifs);
    EXPECT_FALSE(s.attente_visible);
    EXPECT_TRUE(s.messages.empty());

    // The sections toolbar's run leaves the floating search's surfaces.
    Etat_Projet sans = depart;
    Shell_Voyants s2;
    test::Affichage_Essai f2;
    Calcul_Gite_Serie(sans, s2, f2, Passes_Gite::Sans_Surfaces);
    EXPECT_EQ(s2.statuts[3], "Gite  0");
    for (int k = 1; k < 7; ++k) {
        test::Compare_Modele(sans, k, test::Equilibre_Modele(depart).Cherche(5 * k));
        EXPECT_EQ(sans.P(Moment_Redressement(k)), e.P(Moment_Redressement(k)));
    }
}

TEST(Serie_Gite, UnBoutonDeGitePendantLaSerieNeLaDetournePas) {
    // Every yield presses the 20 degree button.
    struct Shell_Bouton : Shell_Enregistreur {
        Etat_Projet *e = nullptr;
        void Laisse_Evenements() override {
            Shell_Enregistreur::Laisse_Evenements();
            e->P(26) = 20;
        }
    } s;
    Etat_Projet e = Caisson(), temoin = Caisson();
    s.e = &e;
    test::Affichage_Essai f, g;
    Shell_Enregistreur calme;
    Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes);
    Calcul_Gite_Serie(temoin, calme, g, Passes_Gite::Toutes);
    for (int n : {26, 43, 49, 55, 56, 186, 192, 193, 199, 201, 206, 207, 213, 214, 220, 229})
        EXPECT_EQ(e.P(n), temoin.P(n)) << n;
}

TEST(Serie_Gite, SurfacesDiviseurNonArrondi) {
    // L = 1000: 101 stations, divisor 101. L = 1005 with an inclined transom over 25 mm:
    // the same 101 stations, divisor 101.5, the three stations in the cut adding nothing.
    for (double L : {1000.0, 1005.0}) {
        Etat_Projet e = Caisson(L);
        if (L == 1005)
            e.P(35) = 25;
        for (int k = 0; k < 7; ++k) {
            e.P(Franc_Bord_AR(k)) = 60 + k;
            e.P(Franc_Bord_AV(k)) = 75 - k;
        }
        Shell_Enregistreur s;
        Calcul_Surfaces_Mouillees(e, s);
        for (int k = 1; k < 7; ++k)
            EXPECT_EQ(e.P(Surface_Mouillee_Gite(k)), Surface_Attendue(e, 5 * k)) << L << " " << k;
        EXPECT_EQ(s.evenements, 0);
        EXPECT_EQ(s.historique_statut1, std::vector<std::string>{"Calcul Surface"});
    }
}

TEST(Serie_Gite, FlottaisonDroiteImpossibleSeulLeFeuZeroResteRouge) {
    // 3.4 kg with the centre of gravity 150 mm from the stern: upright, the stern would have
    // to go under water; heeled, the search floats it.
    Etat_Projet e = Caisson();
    e.P(23) = 150;
    e.P(42) = 3400;
    e.P(43) = e.P(49) = 50;
    Shell_Voyants s;
    test::Affichage_Essai f;
    Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "Calcul de flottaison impossible");
    EXPECT_EQ(e.P(186), 1);
    for (int k = 1; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), 0) << k;
    EXPECT_EQ(s.voyants,
              (std::array<int, 7>{COULEUR_ROUGE, COULEUR_VERTE, COULEUR_VERTE, COULEUR_VERTE,
                                  COULEUR_VERTE, COULEUR_VERTE, COULEUR_VERTE}));
    EXPECT_EQ(e.P(43), 50);
    EXPECT_EQ(e.P(49), 50);
    // The series went on to its end.
    EXPECT_EQ(f.coefficients.size(), 7u);
    EXPECT_EQ(s.statuts[3], "Gite  30");
    EXPECT_TRUE(s.menus_actifs);
}

TEST(Serie_Gite, EchecDansUnePasseRendLesMenus) {
    // A zero vertical step: the righting moments cannot walk the keel section.
    Etat_Projet e = Caisson();
    e.P(37) = 0;
    Shell_Enregistreur s;
    test::Affichage_Essai f;
    EXPECT_THROW(Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes), Erreur_Gabarit);
    EXPECT_TRUE(s.menus_actifs);
    EXPECT_FALSE(s.attente_visible);
    EXPECT_EQ(s.statuts[1], "Pret");
}

TEST(Serie_Gite, DeriveHorsCoqueSignaleeLaSerieContinue) {
    Etat_Projet e = Caisson();
    e.P(35) = 25;
    e.P(110) = 20;
    e.P(214) = 5;
    Shell_Enregistreur s;
    test::Affichage_Essai f;
    Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, MESSAGE_DERIVE_HORS_COQUE);
    EXPECT_EQ(e.P(214), 5);
    EXPECT_EQ(f.coefficients.size(), 7u);
    EXPECT_EQ(e.P(206), Surface_Attendue(e, 30)); // the surfaces pass ran to its end
}

TEST(Serie_Gite, LeMaitreGardeCeQueLaSerieCalcule) {
    Etat_Projet e;
    Shell_Enregistreur s;
    test::Prepare_Maitre(e, s);
    ASSERT_TRUE(Calcul_Flottaison(e, s));
    const Etat_Projet stocke = e;
    test::Affichage_Essai f;
    Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes);
    EXPECT_TRUE(s.messages.empty());
    for (int k = 0; k < 7; ++k)
        for (int n : {Franc_Bord_AR(k), Franc_Bord_AV(k), Etat_Gite(k), Coef_Prismatique_Gite(k),
                      Surface_Mouillee_Gite(k), Volume_Gite(k), Moment_Redressement(k)})
            EXPECT_EQ(e.P(n), stocke.P(n)) << n;
    EXPECT_EQ(e.P(229), stocke.P(229));
    EXPECT_EQ(e.P(39), stocke.P(39));
}
