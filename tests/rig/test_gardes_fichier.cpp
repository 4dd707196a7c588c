// Values a project file cannot hold (finite, but not once written as whole thousandths, beyond
// 1.8e305) are refused before they reach the record, and nothing of the refused command is
// stored. Each case is worked out by hand so that only the guard named stops it.
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Numeros.h"
#include "rig/Appendices.h"
#include "stability/Centrage.h"
#include "stability/Redressement.h"
#include "support/Affichage_Essai.h"
#include "support/Coques_Essai.h"
#include "support/Greement_Essai.h"
#include "support/Poids_Essai.h"
#include "views/Dessins.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

struct Cas {
    const char *quoi;
    std::function<Etat_Projet()> projet;
    std::function<void(Etat_Projet &)> calcul;
    std::vector<int> gardes; // records that must keep the distinct values the case gives them
};

// Distinct values 1001, 1002, ... in the guarded records, so a swapped store shows.
void Marque(Etat_Projet &e, const std::vector<int> &numeros) {
    for (std::size_t i = 0; i < numeros.size(); ++i)
        e.P(numeros[i]) = 1001 + static_cast<double>(i);
}

// The loaded box of the righting-moment tests: 1000 x 100 x 100, the waterline 45 mm above
// the keel, the keel at mid-length, bulb 40 high; upright.
Etat_Projet Caisson_Pese() {
    Etat_Projet e = Coque_Caisson(1000, 50, 100);
    Poids_Distincts(e);
    Francs_Bords(e, 55, 55);
    e.P(PAS_VERTICAL) = 10;
    e.P(HAUTEUR_BULBE) = 40;
    e.P(ANGLE_GITE) = 0;
    return e;
}

} // namespace

TEST(Gardes_Fichier, ValeurTropGrandePourLeFichierRefuseeRienStocke) {
    // The free sail plan drawn, and the records its drawing stores.
    const auto Trace_Voile = [](Etat_Projet &e) {
        Shell_Enregistreur s;
        Canvas_Enregistreur c(300, 200);
        Trace_Voilure(e, s, c);
    };
    const std::vector<int> VOILURE = {SURFACE_FOC, SURFACE_GV, SURFACE_VOILURE, CENTRE_GV_X,
                                      CENTRE_GV_Z};
    const std::vector<Cas> cas = {
        // Upright, the bulb centre lies keel + draught + half the bulb = 1e306 + 65 mm down:
        // finite, but 1e309 thousandths. Its sideways place (0) and the moment are storable.
        {"profondeur du bulbe a 0 degre, derive de 1e306",
         [] {
             Etat_Projet e = Caisson_Pese();
             e.P(LONGUEUR_DERIVE) = 1e306;
             return e;
         },
         [](Etat_Projet &e) {
             Affichage_Essai a;
             Calcul_Redressement(e, a);
         },
         {Z_BULBE, Y_BULBE, CENTRE_GRAVITE_Y, Moment_Redressement(0)}},
        // A hull of -1e300 mm: no spin limit holds it; refused rather than cast.
        {"bornes des appendices, coque de -1e300",
         [] {
             Etat_Projet e;
             e.P(LONGUEUR_AV) = 0;
             e.P(LONGUEUR_AR) = -1e300;
             return e;
         },
         [](Etat_Projet &e) { Bornes_Appendice(e); },
         {}},
        // Jib: luff 600 - 20 = 580, foot 1e305 / 290, so 1e305 mm2. Mainsail with a straight
        // leech (exponent 1): widths F x (0, 1/8, ..., 1) sum to 4.5 F; 4.5 F / 11 x 800 with
        // F = 3e302 gives 9.82e304 mm2. Each is storable, their sum 1.98e305 is not.
        {"grand-voile et foc de 1e305 mm2 chacun",
         [] {
             Etat_Projet e = Grand_Greement(1);
             e.P(LARGEUR_FOC) = 1e305 / 290;
             e.P(LARGEUR_GV) = 3e302;
             return e;
         },
         Trace_Voile, VOILURE},
        // Jib: 580 x 1e303 / 2 = 2.9e305 mm2, beyond the file. A mainsail typed upside down
        // (head 800 below the tack) with F = 4.4e302 has 4.5 F / 11 x -800 = -1.44e305 mm2:
        // it, its centroid and the sum 1.46e305 are storable, so only the jib's check stops it.
        {"foc de 2.9e305 mm2, grand-voile de -1.44e305",
         [] {
             Etat_Projet e = Grand_Greement(1);
             e.P(LARGEUR_FOC) = 1e303;
             e.P(HAUTEUR_GV) = 50;
             e.P(ENTRE_PONT_GV) = 850;
             e.P(LARGEUR_GV) = 4.4e302;
             return e;
         },
         Trace_Voile, VOILURE},
        // The bulb 5e305 % of its 200 mm length ahead of the keel tip: its middle at
        // (50 + 5e305) / 100 x 200 + 500 = 1e306 from the stern. A 100 g bulb keeps the
        // moment of the weights (1e308 g mm) finite, so only the station's own check stops it.
        {"station du bulbe de 1e306, centre de gravite",
         [] {
             Etat_Projet e;
             Poids_Distincts(e);
             e.P(POIDS_BULBE) = 100;
             e.P(POSITION_BULBE) = -5e305;
             return e;
         },
         [](Etat_Projet &e) { Calcul_Centre_Gravite(e); },
         {X_BULBE, POIDS_TOTAL, CENTRE_GRAVITE_X, CENTRE_GRAVITE_Z}},
    };
    for (const Cas &k : cas) {
        SCOPED_TRACE(k.quoi);
        Etat_Projet e = k.projet();
        Marque(e, k.gardes);
        EXPECT_THROW(k.calcul(e), Erreur_Gabarit);
        for (std::size_t i = 0; i < k.gardes.size(); ++i)
            EXPECT_EQ(e.P(k.gardes[i]), 1001 + static_cast<double>(i)) << k.gardes[i];
    }
}
