// The heel series on a small box hull.
#include <algorithm>
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

// The righting moment of the box at a heel, worked from the rules of the keel-section walk
// for a rectangle (half-breadth 50, depth 100, strips every 2 mm, draught T at the keel
// station): every strip has both ends at +-50, turned by the heel about the waterline centre.
double Moment_Caisson(double T, double gite) {
    const double B = 50, pas = 2, h = gite * 3.141593 / 180, C = std::cos(h), S = std::sin(h);
    double somme1 = 0, somme2 = 0, L1 = 0, L2 = 0, W1 = 0, W2 = 0;
    int n1 = 0, n2 = 0;
    bool vu1 = false, vu2 = false;
    for (double J = 100; J >= 0; J -= pas) {
        const double w = J - T;
        const double x1 = B * C - w * S, z1 = B * S + w * C;
        const double x2 = -B * C - w * S, z2 = -B * S + w * C;
        if (z2 < 0 && gite == 0) {
            L1 = L2 = B;
            ++n1, ++n2;
        } else if (z2 < 0) {
            // Low side up to the centre vertical or the water, the rest of the chord high.
            const float corde = static_cast<float>((z1 > 0 ? -z2 : z1 - z2) / S);
            L2 = -z2 > std::sqrt(x2 * x2 / (C * C) - x2 * x2) ? -x2 / C : -z2 / S;
            ++n2;
            if (static_cast<float>(L2) < corde)
                L1 = corde - L2, ++n1;
        }
        if (z2 < 0 && !vu2)
            W2 = x2, vu2 = true;
        if (z1 < 0 && !vu1)
            W1 = x1, vu1 = true;
        somme1 += L1;
        somme2 += L2;
    }
    const double A1 = somme1 / n1 * (n1 - 1) * pas, A2 = somme2 / n2 * (n2 - 1) * pas;
    const double Yb = (W2 / 2 * A2 + W1 / 2 * A1) / (A1 + A2);
    // The hull's 1000 g on the centre line; the 2000 g bulb 250 + T + 15 down the keel.
    const double Yg = 2000 * ((265 + T) * std::sin(gite * 3.14116 / 180)) / 3000;
    return std::trunc(3000 * (std::fabs(Yb) + Yg));
}

// Shows the coefficients, and refuses at the n-th as a failing pass would.
struct Affichage_Refus : test::Affichage_Essai {
    std::size_t refuse_a = 3;
    void Montre_Coef_Pris(double r) override {
        Affichage_Essai::Montre_Coef_Pris(r);
        if (coefficients.size() == refuse_a)
            throw Erreur_Gabarit("Coefficient refusé");
    }
};

std::array<int, 7> Feux(std::initializer_list<int> verts) {
    std::array<int, 7> c;
    c.fill(COULEUR_ROUGE);
    for (int k : verts)
        c[static_cast<std::size_t>(k)] = COULEUR_VERTE;
    return c;
}

// Runs the whole series, which must end on a refusal the series has already shown the user.
void Serie_Refusee_Deja_Dite(Etat_Projet &e, Interface_Shell &s, Fenetres_Serie &f) {
    try {
        Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes);
        ADD_FAILURE() << "no refusal reached the command";
    } catch (const Erreur_Gabarit &x) {
        EXPECT_TRUE(x.Signalee());
    }
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
    // The upright surface follows the waterline found (70 mm of freeboard): each of the 101
    // stations walks its 30 mm of wetted side, the whole-depth keel row not walked, so
    // 2 x 30 x 1000 / 1000.
    EXPECT_EQ(e.P(200), 60);
    // Every heel floats where the search floats it; the surfaces pass then measures each.
    for (int k = 1; k < 7; ++k) {
        test::Compare_Modele(e, k, test::Equilibre_Modele(depart).Cherche(5 * k), false);
        EXPECT_EQ(e.P(Surface_Mouillee_Gite(k)), Surface_Attendue(e, 5 * k)) << k;
    }
    // Turned about the waterline centre, a box section keeps its upright area 100 T; the
    // draught T runs straight from stern to bow, the bow station has none. The coefficient:
    // 81 stations every 12.5 mm, their mean times 80 steps, over the largest times L. The
    // moments follow the walk of the keel section (station 480) at its draught.
    for (int k = 0; k < 7; ++k) {
        const double ar = e.P(Franc_Bord_AR(k)), av = e.P(Franc_Bord_AV(k));
        auto tirant = [&](double X) { return 100 - ((av - ar) / 1000 * X + ar); };
        double somme = 0, plus_grande = 0;
        for (int i = 0; i < 80; ++i) {
            somme += 100 * tirant(12.5 * i);
            plus_grande = std::max(plus_grande, 100 * tirant(12.5 * i));
        }
        const double V = somme / 81 * 80 * 12.5;
        EXPECT_EQ(e.P(Coef_Prismatique_Gite(k)), std::trunc(1000 * V / (plus_grande * 1000)) / 100)
            << k;
        EXPECT_EQ(e.P(Moment_Redressement(k)), Moment_Caisson(tirant(480), 5 * k)) << k;
    }
    EXPECT_EQ(e.P(Moment_Redressement(0)), 0); // everything on the centre line
    EXPECT_EQ(e.P(229), std::floor(e.P(220) / 6200 * 10) / 10);
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
            e.P(Etat_Gite(k)) = 0;
        }
        // A heel under a red light has no floating position of this hull: nothing is measured.
        e.P(Etat_Gite(3)) = 1;
        e.P(Surface_Mouillee_Gite(3)) = 7;
        Shell_Enregistreur s;
        const std::array<bool, 7> faites = Calcul_Surfaces_Mouillees(e, s);
        for (int k = 1; k < 7; ++k) {
            EXPECT_EQ(faites[static_cast<std::size_t>(k)], k != 3);
            EXPECT_EQ(e.P(Surface_Mouillee_Gite(k)), k == 3 ? 7 : Surface_Attendue(e, 5 * k))
                << L << " " << k;
        }
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
    Serie_Refusee_Deja_Dite(e, s, f);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "Calcul de flottaison impossible à 0°");
    EXPECT_EQ(e.P(186), 1);
    for (int k = 1; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), 0) << k;
    EXPECT_EQ(s.voyants,
              (std::array<int, 7>{COULEUR_ROUGE, COULEUR_VERTE, COULEUR_VERTE, COULEUR_VERTE,
                                  COULEUR_VERTE, COULEUR_VERTE, COULEUR_VERTE}));
    EXPECT_EQ(e.P(43), 50);
    EXPECT_EQ(e.P(49), 50);
    // The series went on to its end, without a coefficient for the heel that did not float.
    EXPECT_EQ(f.coefficients.size(), 6u);
    EXPECT_EQ(s.statuts[3], "Gite  30");
    EXPECT_TRUE(s.menus_actifs);
}

TEST(Serie_Gite, EchecDansUnePasseRendLesMenus) {
    // A zero vertical step: the righting moments cannot walk the keel section. The series
    // stops, says why once, and no heel stands green over its old moment.
    Etat_Projet e = Caisson();
    e.P(37) = 0;
    Shell_Enregistreur s;
    test::Affichage_Essai f;
    Serie_Refusee_Deja_Dite(e, s, f);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "Pas vertical nul ou négatif");
    EXPECT_EQ(s.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(s.voyants, Feux({}));
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), 1) << k;
    EXPECT_EQ(e.P(26), 0);
    EXPECT_TRUE(s.menus_actifs);
    EXPECT_FALSE(s.attente_visible);
    EXPECT_EQ(s.statuts[1], "Pret");
}

TEST(Serie_Gite, UnePasseRefuseeLaisseRougeCeQuElleNAPasFini) {
    // The third coefficient (20 degrees) refused: 30 and 25 have every result of the
    // sections toolbar's run; the main toolbar's run has no heeled wetted surface yet.
    for (Passes_Gite passes : {Passes_Gite::Sans_Surfaces, Passes_Gite::Toutes}) {
        Etat_Projet e = Caisson();
        Shell_Voyants s;
        Affichage_Refus f;
        EXPECT_THROW(Calcul_Gite_Serie(e, s, f, passes), Erreur_Gabarit);
        ASSERT_EQ(s.messages.size(), 1u);
        EXPECT_EQ(s.messages[0].texte, "Coefficient refusé");
        EXPECT_EQ(s.voyants, passes == Passes_Gite::Toutes ? Feux({}) : Feux({5, 6}));
        EXPECT_EQ(e.P(Etat_Gite(6)), passes == Passes_Gite::Toutes ? 1 : 0);
        EXPECT_EQ(e.P(Etat_Gite(4)), 1);
        EXPECT_EQ(e.P(26), 0);
        EXPECT_TRUE(s.menus_actifs);
        EXPECT_FALSE(s.attente_visible);
    }
}

TEST(Serie_Gite, PoidsDUnMilligrammeDitPourquoi) {
    // Afloat a hair above the keel: no strip of the keel section under water, and the deepest
    // section leaves the coefficient's walk nothing to measure.
    Etat_Projet e = Caisson();
    e.P(42) = 0.001;
    Shell_Voyants s;
    test::Affichage_Essai f;
    EXPECT_THROW(Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes), Erreur_Gabarit);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "Coefficient prismatique : section la plus haute hors de l'eau");
    EXPECT_EQ(s.voyants, Feux({}));
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(s.statuts[1], "Pret");
}

TEST(Serie_Gite, SurfacesDuCaissonALaMain) {
    // Draught 40 at every station and heel. Turned by the heel, the low side is wet from the
    // keel up to 40 + 50 tan(h) and the high side up to 40 - 50 tan(h): one 2-mm strip of
    // side for each level at or under those heights below the sheer, then from the last
    // level (the keel corner) straight to where the keel lies upright, (0, -40). The bow
    // station adds nothing; 100 stations over the divisor 101.
    Etat_Projet e = Caisson();
    test::Francs_Bords(e, 60, 60);
    for (int k = 0; k < 7; ++k)
        e.P(Etat_Gite(k)) = 0;
    Shell_Enregistreur s;
    Calcul_Surfaces_Mouillees(e, s);
    for (int k = 1; k < 7; ++k) {
        const double h = 5 * k * 3.141593 / 180, C = std::cos(h), S = std::sin(h);
        const double n2 = std::floor((40 + 50 * std::tan(h)) / 2) + 1;
        const double n1 = std::floor((40 - 50 * std::tan(h)) / 2) + 1;
        const double coin2 = std::hypot(-50 * C + 40 * S, -50 * S - 40 * C + 40);
        const double coin1 = std::hypot(50 * C + 40 * S, 50 * S - 40 * C + 40);
        const double g = n1 * 2 + coin1 + n2 * 2 + coin2;
        EXPECT_NEAR(e.P(Surface_Mouillee_Gite(k)), std::trunc(100 * g / 101 * 1000) / 1000, 1e-9)
            << k;
    }
}

TEST(Serie_Gite, DeriveHorsCoqueSignaleeLaSerieContinue) {
    Etat_Projet e = Caisson();
    e.P(35) = 25;
    e.P(110) = 20;
    e.P(214) = 5;
    Shell_Enregistreur s;
    test::Affichage_Essai f;
    EXPECT_THROW(Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes), Erreur_Gabarit);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, MESSAGE_DERIVE_HORS_COQUE);
    // No moment computed: no heel stands green over the one the record still holds.
    EXPECT_EQ(e.P(214), 5);
    EXPECT_EQ(s.voyants, Feux({}));
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(e.P(Etat_Gite(k)), 1) << k;
    EXPECT_EQ(f.coefficients.size(), 7u);
    // Nor the surfaces pass's wetted surface beside its red light (the floating position
    // left its own).
    EXPECT_NE(e.P(206), Surface_Attendue(e, 30));
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

TEST(Serie_Gite, LeMessageNommeLesGites) {
    const std::pair<std::vector<int>, const char *> cas[] = {
        {{20}, "Calcul de flottaison impossible à 20°"},
        {{0, 30}, "Calcul de flottaison impossible à 0° et 30°"},
        {{20, 25, 30}, "Calcul de flottaison impossible à 20°, 25° et 30°"},
        {{5, 10, 15, 20}, "Calcul de flottaison impossible à 5°, 10°, 15° et 20°"},
    };
    for (const auto &[gites, texte] : cas)
        EXPECT_EQ(Message_Flottaison_Impossible(gites), texte);
}

TEST(Serie_Gite, UneSeuleBoiteNommeLesGitesQuiNeFlottentPas) {
    // A box 2000 wide, 100 deep and 1000 long holds 200 kg. The heeled search gives up with
    // both freeboards below -300 (the table's depth): the waterline then stands 400 above the
    // keel at the centre line, and the high side's deck comes out beyond 300 / tan(heel) from
    // it. That dry wedge leaves some 80 % of the box under water at 30 degrees, 88 % at 25,
    // 97 % at 20 and all of it at 15 and less; upright the box floats with its sheer dry.
    struct Cas {
        double poids;
        std::vector<int> echecs;
        const char *texte;
    };
    for (const Cas &c : {Cas{170000, {30}, "Calcul de flottaison impossible à 30°"},
                         Cas{185000, {25, 30}, "Calcul de flottaison impossible à 25° et 30°"}}) {
        SCOPED_TRACE(c.poids);
        Etat_Projet e = test::Caisson_Tabule(c.poids, 500, 1000, 1000);
        e.P(110) = 480;
        e.P(113) = 250;
        e.P(166) = 30;
        e.P(37) = 2;
        e.P(27) = 100;
        for (int k = 0; k < 7; ++k)
            e.P(Franc_Bord_AR(k)) = e.P(Franc_Bord_AV(k)) = 11 + k;
        Shell_Voyants s;
        test::Affichage_Essai f;
        Serie_Refusee_Deja_Dite(e, s, f);
        ASSERT_EQ(s.messages.size(), 1u);
        EXPECT_EQ(s.messages[0].texte, c.texte);
        EXPECT_EQ(s.messages[0].style, MB_STOP);
        std::vector<int> verts;
        for (int k = 0; k < 7; ++k) {
            const bool echec = std::find(c.echecs.begin(), c.echecs.end(), 5 * k) != c.echecs.end();
            EXPECT_EQ(e.P(Etat_Gite(k)), echec ? 1 : 0) << k;
            if (echec) {
                // Its freeboards put back.
                EXPECT_EQ(e.P(Franc_Bord_AR(k)), 11 + k);
                EXPECT_EQ(e.P(Franc_Bord_AV(k)), 11 + k);
            } else {
                verts.push_back(k);
            }
        }
        std::array<int, 7> feux;
        feux.fill(COULEUR_ROUGE);
        for (int k : verts)
            feux[static_cast<std::size_t>(k)] = COULEUR_VERTE;
        EXPECT_EQ(s.voyants, feux);
        // No coefficient for a heel without a waterline of this hull.
        EXPECT_EQ(f.coefficients.size(), verts.size());
        EXPECT_TRUE(s.menus_actifs);
        EXPECT_FALSE(s.attente_visible);
        EXPECT_EQ(e.P(26), 0);
    }
}

TEST(Serie_Gite, FlottaisonImpossiblePuisUnRefusUneSeuleBoite) {
    // Upright the box cannot float (centre of gravity 150 mm from the stern), then the
    // coefficient at 20 degrees is refused: both reasons in one box.
    Etat_Projet e = Caisson();
    e.P(23) = 150;
    e.P(42) = 3400;
    Shell_Voyants s;
    Affichage_Refus f;
    EXPECT_THROW(Calcul_Gite_Serie(e, s, f, Passes_Gite::Toutes), Erreur_Gabarit);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "Calcul de flottaison impossible à 0°\nCoefficient refusé");
    EXPECT_EQ(s.messages[0].style, MB_STOP);
    EXPECT_EQ(s.voyants, Feux({}));
    EXPECT_FALSE(s.attente_visible);
}
