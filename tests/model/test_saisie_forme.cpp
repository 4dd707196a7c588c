// What the hull-form window's "Valide" refuses and stores, without a screen.
#include <gtest/gtest.h>

#include "model/Carene.h"
#include "model/Geometrie_Couple.h"
#include "model/Saisie_Forme.h"
#include "support/Coques_Essai.h"

using namespace gabarit;
using M = Refus_Forme::Motif;

namespace {

// The window as the display fills it from the 1000 mm model: nothing changed yet.
Saisie_Forme Saisie_Affichee(const Etat_Projet &e) {
    Saisie_Forme s;
    s.v = {e.P(15), 2 * e.P(14), e.P(21), e.P(36), e.P(6), 2 * e.P(5), e.P(10), e.P(2)};
    s.v[13] = e.L();
    s.v[14] = e.P(35);
    s.t[8] = e.P(3), s.t[9] = e.P(4), s.t[10] = e.P(12), s.t[11] = e.P(11);
    return s;
}

Etat_Projet Modele() {
    Etat_Projet e;
    test::Charge_Carene(e); // L 1000, widest station 450, deepest 500
    return e;
}

} // namespace

TEST(Saisie_Forme, StationLaPlusLargeALArriereOuALEtrave) {
    for (double p2 : {0.0, 1000.0}) {
        // Typed in the box, then validated again untouched: both are taken.
        Etat_Projet e = Modele();
        Saisie_Forme s = Saisie_Affichee(e);
        s.v[7] = p2;
        s.change[7] = true;
        ASSERT_FALSE(Verifie_Saisie_Forme(e, s).has_value()) << p2;
        Stocke_Saisie_Forme(e, s);
        EXPECT_EQ(e.P(2), p2);
        EXPECT_EQ(e.P(1), 1000 - p2);
        EXPECT_EQ(e.P(10), 500);
        EXPECT_EQ(e.P(9), 500);
        EXPECT_FALSE(Verifie_Saisie_Forme(e, Saisie_Affichee(e)).has_value()) << p2;
        // The hull stays computable: full beam 2 x 100 at the station, 2 x 60 at the transom
        // when the widest lies at the bow, nothing at the bow when it lies at the transom.
        EXPECT_NO_THROW(Calcul_Tab(e));
        e.Gite_Couple = 0;
        e.X_Couple = p2;
        Calcul_Couple(e);
        EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, 100);
        e.X_Couple = 1000 - p2;
        Calcul_Couple(e);
        EXPECT_DOUBLE_EQ(e.Demi_Largeur_Couple, p2 == 0 ? 0 : 60);
    }
}

TEST(Saisie_Forme, LongueurAvecLaStationLaPlusLargeALArriere) {
    Etat_Projet e = Modele();
    e.P(2) = 0, e.P(1) = 1000;
    Saisie_Forme s = Saisie_Affichee(e);
    s.change[13] = true;
    s.v[13] = 1200; // the hull grows at the stern: the widest station moves off the transom
    ASSERT_FALSE(Verifie_Saisie_Forme(e, s).has_value());
    Stocke_Saisie_Forme(e, s);
    EXPECT_EQ(e.P(2), 200);
    EXPECT_EQ(e.P(10), 700);
    s = Saisie_Affichee(e);
    s.change[13] = true;
    s.v[13] = 1000; // back: at the transom again, still allowed
    ASSERT_FALSE(Verifie_Saisie_Forme(e, s).has_value());
    s.v[13] = 990; // the part forward of the widest station no longer fits
    const auto r = Verifie_Saisie_Forme(e, s);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->boite, 13);
    EXPECT_EQ(r->motif, M::Longueur_Courte);
    EXPECT_EQ(r->avant_large, 1000);
    EXPECT_EQ(r->avant_haut, 500);
}

TEST(Saisie_Forme, RefusQuiProtegentLaCarene) {
    struct Cas {
        int boite;
        double valeur;
        int refusee;
        M motif;
    };
    const Cas cas[] = {
        {6, 0, 6, M::Station_Hors},    // deepest station at the stern: the aft law divides by it
        {6, 1000, 6, M::Station_Hors}, // at the bow: the forward law divides by P(9) = 0
        {7, -10, 7, M::Hors_Plage},    // widest station off the hull
        {7, 1010, 7, M::Hors_Plage},
        {13, 500, 13, M::Longueur_Courte}, // no room aft of the deepest station
        {4, 300, 4, M::Trop_Profond},      // beyond the hull table
        {13, 2010, 13, M::Trop_Long},      // beyond the hull table
        {0, 130, 0, M::Hors_Plage},        // transom deeper than the greatest depth 120
        {3, -10, 3, M::Hors_Plage},        // negative stem rake
        {14, -5, 14, M::Negatif},          // negative transom length
    };
    for (const Cas &c : cas) {
        Etat_Projet e = Modele();
        Saisie_Forme s = Saisie_Affichee(e);
        s.v[c.boite] = c.valeur;
        s.change[c.boite] = true;
        const auto r = Verifie_Saisie_Forme(e, s);
        ASSERT_TRUE(r.has_value()) << c.boite << " " << c.valeur;
        EXPECT_EQ(r->boite, c.refusee) << c.boite << " " << c.valeur;
        EXPECT_EQ(r->motif, c.motif) << c.boite << " " << c.valeur;
    }
    // Untouched boxes are checked for what breaks the hull only: a deepest station at the bow
    // read from a file is refused, a transom deeper than the greatest depth is kept.
    Etat_Projet e = Modele();
    e.P(10) = 1000, e.P(9) = 0;
    auto r = Verifie_Saisie_Forme(e, Saisie_Affichee(e));
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->boite, 6);
    EXPECT_EQ(r->motif, M::Station_Hors);
    e = Modele();
    e.P(15) = 150;
    EXPECT_FALSE(Verifie_Saisie_Forme(e, Saisie_Affichee(e)).has_value());
    // A negative exponent, typed or not.
    Saisie_Forme s = Saisie_Affichee(e);
    s.t[10] = -1;
    r = Verifie_Saisie_Forme(e, s);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->boite, 10);
    EXPECT_EQ(r->motif, M::Negatif);
}

TEST(Saisie_Forme, PasHorizontalRemisAuDixiemeDeLaLongueur) {
    Etat_Projet e;
    e.P(LONGUEUR_AV) = 500;
    e.P(LONGUEUR_AR) = 373; // L = 873 mm
    e.P(PAS_HORIZONTAL) = 873.0 / 40;
    e.P(NB_PAS_HORIZONTAL) = 40;
    Remet_Pas_Horizontal(e);
    EXPECT_EQ(e.P(PAS_HORIZONTAL), 87.3);
    EXPECT_EQ(e.P(NB_PAS_HORIZONTAL), 40); // the count is the step window's to set
}
