// What the weights window's buttons refuse and store, without a screen.
#include <gtest/gtest.h>

#include "stability/Saisie_Deplacement.h"
#include "support/Poids_Essai.h"

using namespace gabarit;
using M = Refus_Deplacement::Motif;

namespace {
// The weights fixture on a hull of L = 1000.
Etat_Projet Projet() {
    Etat_Projet e;
    e.P(1) = 520, e.P(2) = 480;
    test::Poids_Distincts(e);
    return e;
}
Saisie_Deplacement Comme_Affichee(const Etat_Projet &e) {
    Saisie_Deplacement s;
    for (int i = 0; i < 16; ++i)
        s[static_cast<std::size_t>(i)] = e.P(ELEMENT_DEPLACEMENT[i]);
    return s;
}
} // namespace

TEST(Saisie_Deplacement, PlagesDesChamps) {
    const Etat_Projet e = Projet();
    struct Cas {
        int champ;
        double refusee, acceptee, mn, mx;
    };
    for (const Cas &c : {Cas{3, 1001, 1000, 0, 1000}, Cas{5, 5001, 5000, 0, 5000},
                         Cas{6, -1, 0, 0, 5000}, Cas{0, 501, 500, 0, 500}, Cas{14, 19, 20, 20, 80},
                         Cas{14, 81, 80, 20, 80}, Cas{13, 1001, 1000, 0, 1000}}) {
        Saisie_Deplacement s = Comme_Affichee(e);
        s[static_cast<std::size_t>(c.champ)] = c.refusee;
        const auto r = Verifie_Deplacement(e, s);
        ASSERT_TRUE(r.has_value()) << c.champ;
        EXPECT_EQ(r->champ, c.champ);
        EXPECT_EQ(r->motif, M::Hors_Plage);
        EXPECT_EQ(r->minimum, c.mn);
        EXPECT_EQ(r->maximum, c.mx);
        s[static_cast<std::size_t>(c.champ)] = c.acceptee;
        EXPECT_FALSE(Verifie_Deplacement(e, s).has_value()) << c.champ;
    }
}

TEST(Saisie_Deplacement, PoidsNulsRefusesRienNEstStocke) {
    Etat_Projet e = Projet();
    Saisie_Deplacement s = Comme_Affichee(e);
    for (int i = 0; i < 7; ++i)
        s[static_cast<std::size_t>(i)] = 0;
    // The free weight, left as the record holds it (12 g), still carries the boat.
    s[7].reset();
    EXPECT_FALSE(Verifie_Deplacement(e, s).has_value());
    e.P(75) = 0;
    const auto r = Verifie_Deplacement(e, s);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->motif, M::Poids_Nul);
    // 0.4 g rounds to nothing: refused too.
    s[2] = 0.4;
    EXPECT_TRUE(Verifie_Deplacement(e, s).has_value());
    s[2] = 0.6;
    EXPECT_FALSE(Verifie_Deplacement(e, s).has_value());
}

TEST(Saisie_Deplacement, StockeArrondiAuPairEtGardeLesChampsLaisses) {
    Etat_Projet e = Projet();
    e.P(57) = 6000; // a hull heavier than the box goes, left untouched
    Saisie_Deplacement s = Comme_Affichee(e);
    s[5].reset();
    s[0] = 62.5;  // servo 1: to the even neighbour 62
    s[8] = 333.5; // its station: 334
    s[14] = 51;
    Stocke_Deplacement(e, s);
    EXPECT_EQ(e.P(60), 62);
    EXPECT_EQ(e.P(58), 334);
    EXPECT_EQ(e.P(162), 51);
    EXPECT_EQ(e.P(57), 6000);
    EXPECT_EQ(e.P(63), 30); // servo 2 as it was
    EXPECT_EQ(e.P(73), 700);
}
