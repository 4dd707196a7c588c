#include <gtest/gtest.h>
#include <tuple>

#include "interfaces/Shell_Enregistreur.h"
#include "support/Coques_Essai.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;

namespace {
// The V hull (steps 20 along, 2 down) with a station left by an earlier drawing.
Etat_Projet Coque() {
    Etat_Projet e = test::Coque_V();
    e.X_Couple = 37;
    return e;
}
} // namespace

// A step that would never end the walk, a heel without waterline, a station off the hull (0 to
// 200), nothing to scale by: refused, naming the value and its record, before the equilibrium
// search, before the picture is cleared and before the status text or the scale changes.
TEST(Pas_Refuses, CadragesDesCouples) {
    using Cadrage = void (*)(Etat_Projet &, Interface_Shell &, Canvas &);
    const auto echelle = [](Etat_Projet &e, Interface_Shell &, Canvas &c) { Echelle_Coupe(e, c); };
    const std::string pas = " mm : les couples ne peuvent pas être dessinés. Donner un pas "
                            "supérieur à 0.";
    const std::string vue = " mm : la vue des couples ne peut pas être mise à l'échelle. Donner "
                            "à la coque une ";
    struct Cas {
        Cadrage trace;
        int n;
        double v;
        std::string message;
    };
    for (const Cas &k :
         {Cas{Trace_Couples_TB_ET, 27, 0, "Le pas horizontal (n° 27) vaut 0" + pas},
          Cas{static_cast<Cadrage>(Trace_Couple_X), 37, 0, "Le pas vertical (n° 37) vaut 0" + pas},
          Cas{Trace_Couples_MC_ET, 26, 7,
              "L'angle de gîte (n° 26) vaut 7° : les couples se dessinent à 0, 5, 10, 15, 20, "
              "25 ou 30° de gîte. Choisir l'un de ces angles."},
          Cas{Trace_Vue_Dessus, 10, 230,
              "Le couple le plus haut dépasse en avant de la coque : sa position (n° 10) tombe "
              "à 30 mm en avant de l'étrave. Reculer le couple le plus haut (n° 10) ou "
              "allonger l'avant (n° 1)."},
          Cas{Trace_Profile, 35, 210,
              "Le tableau arrière incliné dépasse en avant de la coque : son haut (n° 35) tombe "
              "à 10 mm en avant de l'étrave. Raccourcir le tableau incliné (n° 35)."},
          Cas{Trace_Couples_TB_MC, 36, 250,
              "L'étrave inclinée dépasse en arrière de la coque : son pied (longueur de coque "
              "moins n° 36) tombe à 50 mm en arrière du tableau arrière. Raccourcir l'étrave "
              "inclinée (n° 36)."},
          Cas{Trace_Couples_3D, 2, -100, "Longueur de carène nulle ou négative : tracé impossible"},
          Cas{Trace_Profile, 82, 0,
              "La hauteur du mât (n° 82) vaut 0 mm : la vue de voilure ne peut pas être mise à "
              "l'échelle. Donner au mât une hauteur supérieure à 0."},
          Cas{echelle, 5, 0,
              "La demi-largeur maximale au livet (n° 5) vaut 0" + vue + "largeur supérieure à 0."},
          Cas{echelle, 6, 0,
              "La hauteur maximale quille-livet (n° 6) vaut 0" + vue +
                  "hauteur supérieure à 0."}}) {
        SCOPED_TRACE(testing::Message() << k.n << " " << k.v);
        Etat_Projet e = Coque();
        e.P(k.n) = k.v;
        Shell_Enregistreur s;
        s.Texte_Statut(1, "avant");
        Canvas_Enregistreur c(300, 200, "Voilure");
        EXPECT_EQ(test::Refus_De([&] { k.trace(e, s, c); }), k.message);
        EXPECT_EQ(c.effacements, 0);
        EXPECT_TRUE(c.traits.empty());
        EXPECT_EQ(s.statuts[1], "avant");
        EXPECT_DOUBLE_EQ(e.X_Couple, 37);
        EXPECT_EQ(e.P(22), 0);
    }
    // Half-hull framings need a length on their side of the master section.
    Etat_Projet e = Coque();
    e.P(2) = 0;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 200);
    EXPECT_THROW(Trace_Couples_TB_MC(e, s, c), Erreur_Gabarit);
    EXPECT_THROW(Trace_Couples_TB_ET(e, s, c), Erreur_Gabarit);
    e = Coque();
    e.P(1) = 0;
    EXPECT_THROW(Trace_Couples_MC_ET(e, s, c), Erreur_Gabarit);
    EXPECT_THROW(Trace_Couples_TB_ET(e, s, c), Erreur_Gabarit);
    EXPECT_EQ(c.effacements, 0);
}

TEST(Pas_Refuses, PasVerticalDuCouple) {
    for (double p37 : {0.0, -1.0}) {
        Etat_Projet e = Coque();
        e.P(37) = p37;
        Shell_Enregistreur s;
        Canvas_Enregistreur c(300, 200);
        EXPECT_THROW(Trace_Couple(e, s, c), Erreur_Gabarit);
        EXPECT_TRUE(c.traits.empty());
        EXPECT_THROW(Trace_Couple_X(e, s, c, 50), Erreur_Gabarit);
        EXPECT_EQ(c.effacements, 0);
    }
}

TEST(Pas_Refuses, PasVerticalMinusculeRefuse) {
    // 40 mm in steps of a millionth of a millimetre would not end in any useful time.
    Etat_Projet e = test::Coque_V();
    e.X_Couple = 50;
    e.Mode_Couple = "Complet";
    e.P(37) = 1e-6;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 200);
    EXPECT_THROW(Trace_Couple(e, s, c), Erreur_Gabarit);
}

TEST(Pas_Refuses, CouplesTropSerres) {
    // The sections are counted against one per millimetre of the longest hull the table
    // holds: this 200 mm hull takes 2000 sections at 0.1 mm, not 4000 at 0.05 mm. The least
    // step advised is rounded up to a thousandth the walk takes: 201 mm over 2000 steps asks
    // 0.1005, so 0.101 (1990.1 steps), not 0.1 (2010).
    using Cadrage = void (*)(Etat_Projet &, Interface_Shell &, Canvas &);
    for (auto [L, p, p_min, longueur, pas, conseil] :
         {std::tuple{200.0, 0.05, 0.1, "200", "0.05", "0.1"},
          std::tuple{201.0, 0.1, 0.101, "201", "0.1", "0.101"}})
        for (Cadrage trace : {Trace_Couples_TB_ET, Trace_Couples_3D}) {
            Etat_Projet e = test::Coque_V();
            e.P(1) = e.P(9) = L - 100; // forward of the widest station
            e.P(26) = 5;
            e.P(187) = 0; // floated at 5 degrees already
            e.P(27) = p;
            Shell_Enregistreur s;
            Canvas_Enregistreur c(300, 200);
            EXPECT_EQ(test::Refus_De([&] { trace(e, s, c); }),
                      std::string("Le pas horizontal (n° 27) de ") + pas +
                          " mm est trop petit : il demanderait plus de 2000 pas sur " + longueur +
                          " mm. Donner un pas d'au moins " + conseil + " mm.");
            EXPECT_EQ(c.effacements, 0);
            e.P(27) = p_min;
            EXPECT_NO_THROW(trace(e, s, c));
        }
}

TEST(Pas_Refuses, LignesDEauSousUnTirantDEauMinuscule) {
    // Rows every fifth of the draught at the deepest station, down to 30 mm. With a draught
    // of 1e-300 mm the rows below the keel reach no station: the walk ends there instead of
    // stepping 2e-301 at a time towards 30 mm.
    Etat_Projet e = test::Coque_V();
    e.P(6) = e.P(15) = e.P(21) = 3e-300;
    for (int n = 43; n <= 56; ++n)
        e.P(n) = 2e-300;
    e.P(22) = 1;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(300, 200);
    Trace_Ligne_Flotte(e, s, c);
    const double T = 3e-300 - 2e-300;
    int rangees = 0;
    for (double z = 0; z < T; z += T / 5)
        ++rangees;
    // 50 steps of 4 mm per row, and the centre line.
    EXPECT_EQ(c.traits.size(), 50u * static_cast<unsigned>(rangees) + 1);

    // Trimmed so that the draught is 0.001 mm amidships and 30 mm at the stern: rows every
    // 0.0002 mm down to 30 mm would be 150000, past the 3000 of the table's depth at its
    // finest step.
    e = test::Coque_V();
    e.P(43) = 10;
    e.P(49) = 69.998;
    e.P(231) = 20;
    Canvas_Enregistreur d(300, 200);
    EXPECT_EQ(test::Refus_De([&] { Trace_Ligne_Flotte(e, s, d); }),
              "Pas des lignes d'eau trop petit : tracé impossible");
    EXPECT_EQ(e.P(231), 20); // given back
}
