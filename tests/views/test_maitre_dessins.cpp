#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Flottaison.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"
#include "support/Traits_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;

namespace {
// The master project as the start-up leaves it: read, initialised, tabulated and floated.
bool Maitre(Etat_Projet &e, Etat_Projet &stocke) {
    Shell_Enregistreur s;
    test::Lit_Maitre(stocke);
    test::Prepare_Maitre(e, s);
    return Calcul_Flottaison(e, s);
}

void Tous_Finis(const Canvas_Enregistreur &c) {
    for (const auto &t : c.traits) {
        ASSERT_TRUE(std::isfinite(t.x1) && std::isfinite(t.y1) && std::isfinite(t.x2) &&
                    std::isfinite(t.y2));
    }
}
} // namespace

// The master file carries the sail and bulb figures of its last drawing, written as whole
// thousandths: drawing the sail view again gives them back.
TEST(Dessins_Maitre, LaVueVoilureRetrouveLesValeursDuFichier) {
    auto e = std::make_unique<Etat_Projet>();
    auto stocke = std::make_unique<Etat_Projet>();
    ASSERT_TRUE(Maitre(*e, *stocke));
    ASSERT_EQ(e->P(279), 0); // the free sail plan
    Shell_Enregistreur s;
    Canvas_Enregistreur c(338, 211, "Voilure");
    Echelle_Voilure(*e, c);
    Trace_Profile(*e, s, c);
    Trace_Safran(*e, s, c);
    Trace_Derive(*e, s, c);
    Trace_Bulbe(*e, s, c);
    Trace_Voilure(*e, s, c);
    for (int n : {89, 90, 91, 99, 102, 180, 181, 182}) {
        EXPECT_GE(e->P(n), stocke->P(n)) << n;
        EXPECT_LT(e->P(n), stocke->P(n) + 0.001) << n;
    }
    EXPECT_EQ(e->Liste_Voile.size(), 9u);
    Tous_Finis(c);
}

TEST(Dessins_Maitre, ToutesLesVuesSeDessinent) {
    auto e = std::make_unique<Etat_Projet>();
    auto stocke = std::make_unique<Etat_Projet>();
    ASSERT_TRUE(Maitre(*e, *stocke));
    Shell_Enregistreur s;
    Canvas_Enregistreur profil(338, 211, "Forme Carene");
    Echelle_Profil(*e, profil);
    Trace_Profile(*e, s, profil);
    Trace_Vue_Dessus(*e, s, profil);
    Tous_Finis(profil);

    Canvas_Enregistreur depl(338, 211, "Deplacement/Appendice");
    Echelle_Deplacement(*e, depl);
    Trace_Profile(*e, s, depl);
    Trace_Safran(*e, s, depl);
    Trace_Derive(*e, s, depl);
    Trace_Voilure(*e, s, depl);
    Trace_Bulbe(*e, s, depl);
    Trace_Axe_Centres(*e, s, depl);
    Tous_Finis(depl);

    // Upright, with the step L/10 the master carries: 6 sections aft, 6 forward.
    const struct {
        const char *cle;
        void (*trace)(Etat_Projet &, Interface_Shell &, Canvas &);
        int couples;
    } cadrages[] = {{"TB_ET", Trace_Couples_TB_ET, 12},
                    {"TB_MC", Trace_Couples_TB_MC, 6},
                    {"MC_ET", Trace_Couples_MC_ET, 6},
                    {"3D", Trace_Couples_3D, 11}};
    for (const auto &k : cadrages) {
        Canvas_Enregistreur c(338, 211, "Couples");
        e->Cle_Vue = k.cle;
        Echelle_Coupe(*e, c);
        if (std::string(k.cle) == "3D")
            Echelle_3D(*e, c);
        k.trace(*e, s, c);
        int references = 0;
        for (const auto &t : c.traits)
            references += t.couleur == RGB(0, 255, 0);
        EXPECT_EQ(references, k.couples) << k.cle;
        Tous_Finis(c);
    }
}

TEST(Dessins_Maitre, UnFrancBordDemesureEstNommeParLesLignesDEau) {
    // An upright freeboard of -1e303 (the master's are 55) lifts the waterline past any finite
    // half-breadth of the section law: at the stern for n° 43, at the next station (4 mm, the
    // line 4e300 above the sheer) for n° 49.
    for (auto [n, x, ar, av] : {std::tuple{43, "0", "-1e+303", "55"}, {49, "4", "55", "-1e+303"}}) {
        auto e = std::make_unique<Etat_Projet>(), stocke = std::make_unique<Etat_Projet>();
        ASSERT_TRUE(Maitre(*e, *stocke));
        e->P(n) = -1e303;
        Shell_Enregistreur s;
        Canvas_Enregistreur c(338, 211);
        EXPECT_EQ(test::Refus_De([&] { Trace_Vue_Dessus(*e, s, c); }),
                  std::string("Ligne d'eau incalculable à X = ") + x +
                      " mm, 0 mm sous la flottaison droite (n° 43 = " + ar +
                      " à l'arrière, n° 49 = " + av +
                      " à l'avant) : Calcul impossible : puissance non finie");
    }
}
