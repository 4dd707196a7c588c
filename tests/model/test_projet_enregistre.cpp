// What counts as a change of the project since it was last read, created or saved: what a file
// keeps of the boat, not the working settings nor the version stamp.
#include <functional>
#include <memory>
#include <gtest/gtest.h>

#include "model/Numeros.h"
#include "model/Projet_Enregistre.h"
#include "model/Resultats.h"

using namespace gabarit;

TEST(Projet_Enregistre, CeQuiCompteCommeUnChangement) {
    struct Cas {
        const char *quoi;
        std::function<void(Etat_Projet &)> change;
        bool modifie;
    };
    const Cas cas[] = {
        {"rien", [](Etat_Projet &) {}, false},
        {"poids d'un millième", [](Etat_Projet &e) { e.P(POIDS_TOTAL) += 0.001; }, true},
        // 2345.6784 and 2345.6788 are both 2345678 thousandths in the file.
        {"poids sous le millième", [](Etat_Projet &e) { e.P(POIDS_TOTAL) += 0.0004; }, false},
        {"echelle de la vue", [](Etat_Projet &e) { e.P(ECHELLE_VUE) = 9.5; }, false},
        {"pas vertical", [](Etat_Projet &e) { e.P(PAS_VERTICAL) = 7; }, false},
        {"reglage", [](Etat_Projet &e) { e.P(CALIBRE_IMP_H) = 60; }, false},
        {"commentaire", [](Etat_Projet &e) { e.Texte_Projet[42] = "Poids en ordre de marche"; },
         true},
        {"version", [](Etat_Projet &e) { e.Texte_Projet[300] = "Version 2.2.9"; }, false},
    };
    auto projet = [](Etat_Projet &e) {
        e.P(POIDS_TOTAL) = 2345.6784;
        e.Texte_Projet[42] = "Poids total";
        e.Texte_Projet[300] = "Version 2.1.4";
    };
    for (const Cas &c : cas) {
        Etat_Projet e;
        projet(e);
        Marque_Enregistre(e);
        c.change(e);
        EXPECT_EQ(Projet_Modifie(e), c.modifie) << c.quoi;
    }
    // What the program sets itself (results, derived values, the zeros of every read) is the
    // project like any other value.
    for (int n : Numeros_Resultats()) {
        auto e = std::make_unique<Etat_Projet>();
        Marque_Enregistre(*e);
        e->P(n) = 0.5;
        EXPECT_TRUE(Projet_Modifie(*e)) << n;
    }
    // Before any project was read there is nothing to lose.
    Etat_Projet neuf;
    neuf.P(POIDS_TOTAL) = 1;
    EXPECT_FALSE(Projet_Modifie(neuf));
}
