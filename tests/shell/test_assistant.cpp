#include <gtest/gtest.h>

#include "interfaces/Shell_Enregistreur.h"
#include "shell/Assistant.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"

using namespace gabarit;

namespace {
Etat_Projet Derive(double entree, Type_Carene choisi) {
    Etat_Projet e;
    Derive_Valeurs_Assistant(e, Arrondi_Dizaine(entree), Type_Impose(entree, choisi));
    return e;
}

void Attend_Poids(const Etat_Projet &e, double s1, double s2, double bat, double winch,
                  double rec) {
    EXPECT_EQ(e.P(60), s1);
    EXPECT_EQ(e.P(63), s2);
    EXPECT_EQ(e.P(66), bat);
    EXPECT_EQ(e.P(69), winch);
    EXPECT_EQ(e.P(72), rec);
}
} // namespace

TEST(Assistant, LongueursAccepteesArrondiesEtTypeImpose) {
    EXPECT_TRUE(Longueur_Acceptee(500));
    EXPECT_TRUE(Longueur_Acceptee(2000));
    EXPECT_FALSE(Longueur_Acceptee(499));
    EXPECT_FALSE(Longueur_Acceptee(2001));
    EXPECT_FALSE(Longueur_Acceptee(2005)); // refused before its rounding to 2000
    EXPECT_EQ(Arrondi_Dizaine(1234), 1230);
    EXPECT_EQ(Arrondi_Dizaine(799), 790);
    EXPECT_EQ(Arrondi_Dizaine(2000), 2000);
    EXPECT_EQ(Type_Impose(799, Type_Carene::Fin), Type_Carene::Large);
    EXPECT_EQ(Type_Impose(800, Type_Carene::Fin), Type_Carene::Fin);
}

TEST(Assistant, MilleNormal) {
    const Etat_Projet e = Derive(1000, Type_Carene::Normal);
    EXPECT_EQ(e.P(2), 470);
    EXPECT_EQ(e.P(1), 530);
    EXPECT_EQ(e.P(10), 660);
    EXPECT_EQ(e.P(9), 340);
    EXPECT_EQ(e.P(5), 110.5);
    EXPECT_EQ(e.P(14), 50);
    EXPECT_EQ(e.P(83), 550);
    EXPECT_EQ(e.P(82), 1290); // 1000 x 1.3f = 1299.99995
    EXPECT_EQ(e.P(84), 1190);
    EXPECT_EQ(e.P(87), 2);
    EXPECT_EQ(e.P(85), 330);
    EXPECT_EQ(e.P(96), 1040);
    EXPECT_EQ(e.P(97), 340);
    EXPECT_EQ(e.P(110), 500);
    EXPECT_EQ(e.P(6), 100);
    EXPECT_EQ(e.P(21), 100);
    EXPECT_EQ(e.P(15), 40);
    EXPECT_DOUBLE_EQ(e.P(170), 1000 / 0.72);
    EXPECT_EQ(e.P(113), 250);
    EXPECT_DOUBLE_EQ(e.P(111), 1000 / 13.0);
    EXPECT_DOUBLE_EQ(e.P(139), 1000 / 7.6);
    EXPECT_EQ(e.P(137), 50);
    EXPECT_EQ(e.P(136), 50);
    EXPECT_DOUBLE_EQ(e.P(138), 1000 / 26.6);
    EXPECT_DOUBLE_EQ(e.P(165), 1000 / 4.4);
    EXPECT_DOUBLE_EQ(e.P(166), 1000 / 29.6);
    EXPECT_EQ(e.P(57), 500);
    EXPECT_EQ(e.P(32), 500);
    EXPECT_EQ(e.P(58), 470);
    EXPECT_EQ(e.P(61), 470);
    EXPECT_EQ(e.P(64), 440);
    EXPECT_EQ(e.P(67), 410);
    EXPECT_EQ(e.P(70), 410);
    Attend_Poids(e, 50, 50, 350, 350, 50);
}

TEST(Assistant, MilleLargeEtFin) {
    const Etat_Projet l = Derive(1000, Type_Carene::Large);
    EXPECT_EQ(l.P(5), 158);
    EXPECT_EQ(l.P(14), 130);
    EXPECT_EQ(l.P(82), 1390);
    EXPECT_EQ(l.P(87), 4);
    EXPECT_EQ(l.P(85), 350);
    EXPECT_EQ(l.P(96), 1210);
    EXPECT_EQ(l.P(97), 400);
    const Etat_Projet f = Derive(1000, Type_Carene::Fin);
    EXPECT_EQ(f.P(5), 79);
    EXPECT_EQ(f.P(14), 20);
    EXPECT_EQ(f.P(82), 1200);
    EXPECT_EQ(f.P(85), 280);
    EXPECT_EQ(f.P(96), 900);
    EXPECT_EQ(f.P(97), 300);
}

TEST(Assistant, CoquesCourtesForceesLarges) {
    const Etat_Projet e = Derive(580, Type_Carene::Normal);
    EXPECT_EQ(e.P(5), 120);
    EXPECT_EQ(e.P(14), 90); // 120 / 1.2f = 99.9999960
    Attend_Poids(e, 50, 0, 100, 0, 50);
    const Etat_Projet c = Derive(799, Type_Carene::Fin);
    EXPECT_EQ(c.P(1) + c.P(2), 790);
    EXPECT_EQ(c.P(87), 4); // "Large"
    Attend_Poids(c, 50, 0, 100, 0, 50);
    const Etat_Projet h = Derive(800, Type_Carene::Fin);
    EXPECT_EQ(h.P(87), 2);
    EXPECT_EQ(h.P(5), 70.5); // Fix(28.28 x 5) / 2
    Attend_Poids(h, 50, 50, 350, 350, 50);
}

TEST(Assistant, LongueursExtremesEtArrondie) {
    for (double entree : {500.0, 1234.0, 2000.0}) {
        for (Type_Carene t : {Type_Carene::Large, Type_Carene::Normal, Type_Carene::Fin}) {
            const Etat_Projet e = Derive(entree, t);
            const double L = Arrondi_Dizaine(entree);
            EXPECT_EQ(e.P(1) + e.P(2), L);
            EXPECT_EQ(e.P(9) + e.P(10), L);
            EXPECT_EQ(e.P(84), e.P(82) - 100);
            for (int n : {1, 2, 10, 14, 15, 82, 83, 85, 96, 97})
                EXPECT_EQ(std::fmod(e.P(n), 10), 0) << "P(" << n << ") a " << entree;
            // The hull must fit the table: no more than 2000 mm long, well under 300 deep.
            EXPECT_LE(e.P(6), 200);
        }
    }
    const Etat_Projet e = Derive(1234, Type_Carene::Normal);
    EXPECT_EQ(e.P(2), 580); // F(1230 / 2.1 = 585.7)
    EXPECT_EQ(e.P(1), 650);
    EXPECT_EQ(e.P(10), 810); // F(812.5)
    EXPECT_EQ(e.P(9), 420);
    EXPECT_EQ(e.P(5), 122.5); // Fix(35.07 x 7) / 2 = 245 / 2
    EXPECT_EQ(e.P(110), 615);
    const Etat_Projet g = Derive(2000, Type_Carene::Large);
    EXPECT_EQ(g.P(2), 950);
    EXPECT_EQ(g.P(1), 1050);
    EXPECT_EQ(g.P(5), 223.5); // Fix(447.2) / 2
    EXPECT_EQ(g.P(82), 2790); // 2000 x 1.4f = 2799.99995
}

TEST(Assistant, LongueurRefuseeLaisseLeProjet) {
    Etat_Projet e;
    e.P(1) = 321;
    e.Nom_Projet = "bateau.cot";
    Shell_Enregistreur s;
    for (double l : {499.0, 2001.0, 2005.0, -1.0, 0.0}) {
        const Resultat_Assistant r = Cree_Nouveau_Projet(e, s, l, Type_Carene::Normal);
        EXPECT_EQ(r.etat, Resultat_Assistant::Etat::Refusee);
        EXPECT_EQ(e.P(1), 321);
        EXPECT_EQ(e.Nom_Projet, "bateau.cot");
    }
    EXPECT_EQ(Cree_Nouveau_Projet(e, s, 300, Type_Carene::Fin).type, Type_Carene::Large);
    EXPECT_EQ(Cree_Nouveau_Projet(e, s, 2001, Type_Carene::Fin).type, Type_Carene::Fin);
    EXPECT_TRUE(s.messages.empty());
}

TEST(Assistant, NouveauProjetSurLeMaitre) {
    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Maitre_Caisson();
    e.Nom_Projet = "bateau.cot";
    e.P(250) = -77;
    e.P(26) = 15;
    Shell_Enregistreur s;
    const Resultat_Assistant r = Cree_Nouveau_Projet(e, s, 1234, Type_Carene::Normal);
    ASSERT_EQ(r.etat, Resultat_Assistant::Etat::Reussie) << r.erreur;
    EXPECT_EQ(r.longueur, 1230);
    EXPECT_EQ(e.L(), 1230);
    EXPECT_EQ(e.P(5), 122.5);
    EXPECT_EQ(e.Nom_Projet, "MonProjet.cot");
    // What the assistant does not set comes from the master, comments included.
    EXPECT_EQ(e.P(250), 12.345);
    EXPECT_EQ(e.P(3), 2);
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(e.Texte_Projet[5], "Maitre 5");
    // Weighed and floated upright: the 0 degree light green, the six others red.
    // 1230 / 0.72 = 1708.333... as the file holds the bulb's weight.
    EXPECT_EQ(e.P(42), 50 + 50 + 350 + 350 + 50 + 615 + 1708.333);
    EXPECT_GT(e.P(13), 0);
    EXPECT_EQ(e.P(186), 0);
    for (int n = 187; n <= 192; ++n)
        EXPECT_EQ(e.P(n), 1);
    EXPECT_EQ(s.voyants[0], COULEUR_VERTE);
    EXPECT_EQ(s.voyants[1], COULEUR_ROUGE);
    EXPECT_TRUE(s.messages.empty());
}

TEST(Assistant, ChaqueTypeAuxLongueursExtremes) {
    const std::string maitre = test::Dossier_Maitre_Caisson();
    for (double l : {500.0, 799.0, 800.0, 2000.0})
        for (Type_Carene t : {Type_Carene::Large, Type_Carene::Normal, Type_Carene::Fin}) {
            Etat_Projet e;
            e.Dossier_Programme = maitre;
            Shell_Enregistreur s;
            const Resultat_Assistant r = Cree_Nouveau_Projet(e, s, l, t);
            EXPECT_EQ(r.etat, Resultat_Assistant::Etat::Reussie) << l << " " << r.erreur;
            EXPECT_EQ(e.L(), Arrondi_Dizaine(l));
            EXPECT_EQ(r.type, l < 800 ? Type_Carene::Large : t);
            EXPECT_EQ(e.P(186), 0) << l;
        }
}

TEST(Assistant, MaitreAbsentOuRefuseLaisseLeProjet) {
    // No master, or masters the open refuses, give no new project (the refused ones with the
    // open's message): a section law the geometry cannot compute (zero to a negative power at
    // the keel), and a keel profile that is no row of the NACA table, which the new project
    // would keep.
    Etat_Projet loi = test::Coque_Caisson();
    loi.P(57) = 500;
    loi.P(7) = loi.P(16) = loi.P(19) = -5;
    Etat_Projet profil = test::Coque_Caisson();
    profil.P(57) = 500;
    profil.P(18) = 45;
    for (Etat_Projet *m : {static_cast<Etat_Projet *>(nullptr), &loi, &profil}) {
        const std::string d = test::Dossier_Temporaire();
        if (m)
            Ecrit_Fichier_Projet(d + "/tov0.mas", *m);
        Etat_Projet e;
        e.Dossier_Programme = d;
        e.P(1) = 321;
        e.P(186) = 1;
        e.Texte_Projet[1] = "longueur avant";
        e.Nom_Projet = "bateau.cot";
        Shell_Enregistreur s;
        const Resultat_Assistant r = Cree_Nouveau_Projet(e, s, 1000, Type_Carene::Normal);
        ASSERT_EQ(r.etat, Resultat_Assistant::Etat::Echec);
        if (m)
            EXPECT_EQ(r.erreur.rfind("Projet refusé : " + d + "/tov0.mas\n", 0), 0u) << r.erreur;
        else
            EXPECT_FALSE(r.erreur.empty());
        EXPECT_EQ(e.P(1), 321);
        EXPECT_EQ(e.Texte_Projet[1], "longueur avant");
        EXPECT_EQ(e.Nom_Projet, "bateau.cot");
        // The lights show the project that stays.
        EXPECT_EQ(s.voyants[0], COULEUR_ROUGE);
        EXPECT_EQ(s.voyants[1], COULEUR_VERTE);
    }
}
