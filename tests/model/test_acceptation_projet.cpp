#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <string>
#include <vector>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Acceptation_Projet.h"
#include "model/Carene.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"
#include "support/Traits_Essai.h"

using namespace gabarit;

namespace {

// The table's refusal of e, "" when it takes the hull.
std::string Refus_Calcul_Tab(Etat_Projet e) {
    try {
        Calcul_Tab(e);
    } catch (const Erreur_Gabarit &err) {
        return err.what();
    }
    return "";
}

bool Contient(const std::string &texte, const std::string &mot) {
    return texte.find(mot) != std::string::npos;
}

// One slip of a sign or of the exponent, on a hull the table holds. A runaway value is named
// when it makes a figure non-finite: 1e303 times its law's power at the stern, a length to the
// power 120, -1e8 in the bow's shape blend.
struct Faute {
    int n;
    double v;
    const char *valeur; // as the messages write it
    const char *raison; // the table's own reason
};
const Faute FAUTES[] = {
    {7, -0.45, "-0.45", "puissance négative de zéro"},
    {19, -0.9, "-0.9", "puissance négative de zéro"},
    {108, -2, "-2", "demi-largeur trop grande pour la table"},
    {5, 1e300, "1e+300", "demi-largeur"},
    {14, 1e300, "1e+300", "demi-largeur"},
    {5, 1e303, "1e+303",
     "X = 0 mm : Calcul impossible : quotient non fini (valeur 1e+303 du n° 5)"},
    {4, 120, "120", "X = 0 mm : Calcul impossible : puissance non finie (valeur 120 du n° 4)"},
    {19, -1e8, "-100000000", " non finie (valeur -100000000 du n° 19)"},
};

} // namespace

TEST(Acceptation_Projet, LEditeurRefuseCeQueLaTableRefuseEnNommantLaValeur) {
    auto maitre = std::make_unique<Etat_Projet>();
    Shell_Enregistreur s;
    test::Prepare_Maitre(*maitre, s);
    ASSERT_EQ(Refus_Calcul_Tab(*maitre), "");
    for (const Faute &f : FAUTES) {
        SCOPED_TRACE(f.n);
        auto faux = std::make_unique<Etat_Projet>(*maitre);
        faux->P(f.n) = f.v;
        const std::string table = Refus_Calcul_Tab(*faux);
        ASSERT_TRUE(Contient(table, f.raison)) << table;
        const std::string chemin = test::Dossier_Temporaire() + "/table.cot";
        Ecrit_Fichier_Projet(chemin, *faux);
        if (f.n != 108) // the open refuses what the table refuses, in its words
            EXPECT_EQ(test::Refus_De([&] { Lit_Projet_Accepte(chemin, Projet_Courant(*faux)); }),
                      "Projet refusé : " + chemin + "\n" + table);

        const std::string refus = Refus_Valeur_Projet(*maitre, f.n, f.v);
        if (f.n == 108) { // a shape index is first held to its range
            EXPECT_EQ(refus, "Indice de variation de forme -2 refusé pour le n° 108 : il doit "
                             "être compris entre 1 et 11.");
            continue;
        }
        EXPECT_TRUE(Contient(refus, "Valeur " + std::string(f.valeur) + " refusée pour le n° " +
                                        std::to_string(f.n)))
            << refus;
        EXPECT_TRUE(Contient(refus, table)) << refus;
    }
    // The same records with sound values are taken.
    for (auto [n, v] : {std::pair{7, 0.45}, {19, 0.9}, {108, 2.0}, {5, 60.0}, {14, 40.0}})
        EXPECT_EQ(Refus_Valeur_Projet(*maitre, n, v), "") << n;
    // Brought back alone, either still overflows the stern's half-breadth (480^120, or 1e303 x
    // 480^93); together they do not.
    maitre->P(4) = 120;
    maitre->P(5) = 1e303;
    EXPECT_EQ(test::Refus_De([&] { Verifie_Carene_Table(*maitre); }),
              "Couple incalculable à X = 0 mm : Calcul impossible : puissance non finie (valeurs "
              "120 du n° 4 et 1e+303 du n° 5)");
}

TEST(Acceptation_Projet, LaVerificationEstLaTableSansRienToucher) {
    // The check and the table decide alike, one station's numbers named; the check leaves
    // the table, the record and the working station as they were.
    Etat_Projet e = test::Coque_Caisson(1000, 50, 100);
    Calcul_Tab(e);
    const float trace = e.Tab_Carene(30, 40, 2);
    ASSERT_EQ(trace, 2 * 50 * 61); // 61 rows of half-breadth 50 below depth 40, both sides
    e.X_Couple = 123;
    e.Gite_Couple = 15;
    for (const Faute &f : FAUTES) {
        SCOPED_TRACE(f.n);
        Etat_Projet faux = e;
        faux.P(f.n) = f.v;
        const auto avant = faux.Tab_Param;
        const std::string table = Refus_Calcul_Tab(faux);
        try {
            Verifie_Carene_Table(faux);
            EXPECT_EQ(table, ""); // a box takes P(108) = -2: every shape law is the same
        } catch (const Erreur_Gabarit &err) {
            EXPECT_EQ(std::string(err.what()), table);
            EXPECT_TRUE(Contient(err.what(), "Couple incalculable à X = ")) << err.what();
        }
        EXPECT_EQ(faux.Tab_Carene(30, 40, 2), trace);
        EXPECT_TRUE(faux.Tab_Param == avant);
        EXPECT_EQ(faux.X_Couple, 123);
        EXPECT_EQ(faux.Gite_Couple, 15);
    }
}

TEST(Acceptation_Projet, DemiLargeurHorsDeLaSimplePrecisionRefusee) {
    // A box 4e38 mm wide: every sample fits a double, but a float holds 3.4e38 at most, and
    // the table is single precision. The transom section is the first refused.
    Etat_Projet e = test::Coque_Caisson(1000, 4e38, 100);
    try {
        Verifie_Carene_Table(e);
        ADD_FAILURE() << "accepted";
    } catch (const Erreur_Gabarit &err) {
        EXPECT_EQ(std::string(err.what()),
                  "Couple incalculable à X = 0 mm (hauteur 100 mm, demi-largeur 4e+38 mm, forme "
                  "a = 0, b = 0) : Calcul impossible : demi-largeur trop grande pour la table");
    }
    // Half as wide, it fits a float; the areas of one section (2 x 101 rows) do not.
    e = test::Coque_Caisson(1000, 2e38, 100);
    EXPECT_THROW(Verifie_Carene_Table(e), Erreur_Gabarit);
    EXPECT_THROW(Calcul_Tab(e), Erreur_Gabarit);
}

TEST(Acceptation_Projet, TailleNegativeRefuseeALOuvertureEtDansLEditeur) {
    // A length, breadth, height, chord or weight below zero, in a master otherwise whole: the
    // open refuses the file and the editor the value, both naming the value and the record.
    // Positions, offsets, item heights, angles and exponents keep either sign.
    auto maitre = std::make_unique<Etat_Projet>();
    test::Lit_Maitre(*maitre);
    struct Cas {
        int n;
        double v;
        const char *raison; // "" when taken
    };
    const char *largeur = "une largeur ne peut pas être négative.";
    const char *longueur = "une longueur ne peut pas être négative.";
    const char *hauteur = "une hauteur ne peut pas être négative.";
    const char *corde = "une corde ne peut pas être négative.";
    const char *poids = "un poids ne peut pas être négatif.";
    // Whole values but one, so the message writes them as the test does.
    for (const Cas &c : {Cas{5, -50, largeur},  Cas{14, -0.001, largeur}, Cas{1, -520, longueur},
                         Cas{6, -125, hauteur}, Cas{165, -270, longueur}, Cas{166, -48, hauteur},
                         Cas{111, -95, corde},  Cas{138, -45, corde},     Cas{139, -200, longueur},
                         Cas{42, -3920, poids}, Cas{75, -1, poids},       Cas{170, -2450, poids},
                         Cas{86, -60, hauteur}, Cas{93, -40, longueur},   Cas{97, -300, longueur},
                         Cas{43, -5, ""},       Cas{76, -20, ""},         Cas{59, -10, ""},
                         Cas{115, -3, ""},      Cas{181, -413, ""},       Cas{110, -45, ""},
                         Cas{87, -1.5, ""}}) {
        SCOPED_TRACE(c.n);
        const std::string valeur =
            c.v == -0.001 ? "-0.001" : std::to_string(static_cast<long long>(c.v));
        const std::string attendu = *c.raison == 0 ? ""
                                                   : "Valeur " + valeur + " refusée pour le n° " +
                                                         std::to_string(c.n) + " : " + c.raison;
        // The total weight, the bulb height and the freeboards are refused in the editor for
        // what they are, values worked out from others or results (below).
        const std::string calculee = Refus_Resultat(c.n);
        EXPECT_EQ(Refus_Valeur_Projet(*maitre, c.n, c.v), calculee.empty() ? attendu : calculee);

        auto lu = std::make_unique<Etat_Projet>(*maitre);
        lu->P(c.n) = c.v;
        const std::string chemin = test::Dossier_Temporaire() + "/negatif.cot";
        Ecrit_Fichier_Projet(chemin, *lu);
        auto cible = std::make_unique<Etat_Projet>();
        cible->P(c.n) = 9;
        try {
            Lit_Projet_Accepte(chemin, Projet_Courant(*cible));
            EXPECT_EQ(attendu, "");
            EXPECT_EQ(cible->P(c.n), c.v);
        } catch (const Erreur_Gabarit &err) {
            EXPECT_EQ(std::string(err.what()), "Projet refusé : " + chemin + "\n" + attendu);
            EXPECT_EQ(cible->P(c.n), 9);
        }
    }
}

TEST(Acceptation_Projet, LeMaitreEtChaqueFixtureSOuvrent) {
    // Every project file the program ships or the tests hold as sound opens; the old ones
    // once brought up to date. Version 2.2.8 holds -1 for the shape-variation indices: the
    // table refuses that hull as it stands, and takes it with the upgrade's 2.
    const std::string f = test::Dossier_Fixtures();
    for (const std::string &chemin :
         {test::Chemin_Maitre(), f + "/ancien_2_1_4.cot", f + "/ancien_2_2_8.cot",
          f + "/ancien_2_2_10_lf.cot", f + "/endommage_lisible.cot"}) {
        SCOPED_TRACE(chemin);
        auto e = std::make_unique<Etat_Projet>();
        EXPECT_NO_THROW(Lit_Projet_Accepte(chemin, Projet_Courant(*e)));
    }
    auto e = std::make_unique<Etat_Projet>();
    Lit_Projet_Accepte(f + "/ancien_2_2_8.cot", Projet_Courant(*e));
    EXPECT_EQ(e->P(107), -1); // the upgrade itself runs with the initialisation
    EXPECT_EQ(e->P(108), -1);
    EXPECT_THROW(Verifie_Carene_Table(*e), Erreur_Gabarit);
}

TEST(Acceptation_Projet, ProfilHorsDeLaTableRefuseALOuvertureEtDansLEditeur) {
    // Keel (18, 25), rudder (88, 92) and bulb (159, 160, 161): each profile number is a whole
    // row 0 to 39 of the NACA table; the shape-variation indices (107, 108) go from 1 to 11.
    // The open refuses the file and the editor the value, with one message naming the record.
    auto maitre = std::make_unique<Etat_Projet>();
    test::Lit_Maitre(*maitre);
    const auto profil = [](int n, const char *v, const char *raison) {
        return "Profil NACA " + std::string(v) + " refusé pour le n° " + std::to_string(n) +
               " : le numéro de profil NACA doit être " + raison + " (" + v + " demandé).";
    };
    const auto indice = [](int n, const char *v) {
        return "Indice de variation de forme " + std::string(v) + " refusé pour le n° " +
               std::to_string(n) + " : il doit être compris entre 1 et 11.";
    };
    struct Cas {
        int n;
        double v;
        std::string message; // "" when taken
    };
    std::vector<Cas> cas;
    for (int n : {18, 25, 88, 92, 159, 160, 161}) {
        cas.push_back({n, 45, profil(n, "45", "compris entre 0 et 39")});
        cas.push_back({n, 2.4, profil(n, "2.4", "un nombre entier de 0 à 39")});
        cas.push_back({n, 39, ""});
        cas.push_back({n, 0, ""});
    }
    cas.push_back({18, 3.5, profil(18, "3.5", "un nombre entier de 0 à 39")});
    cas.push_back({161, 38.999, profil(161, "38.999", "un nombre entier de 0 à 39")});
    for (int n : {107, 108}) {
        cas.push_back({n, 12, indice(n, "12")});
        cas.push_back({n, 0, indice(n, "0")});
        cas.push_back({n, 0.999, indice(n, "0.999")});
        cas.push_back({n, 1, ""});
        cas.push_back({n, 11, ""});
    }
    const std::string chemin = test::Dossier_Temporaire() + "/profil.cot";
    for (const Cas &c : cas) {
        SCOPED_TRACE(std::to_string(c.n) + " " + std::to_string(c.v));
        EXPECT_EQ(Refus_Valeur_Projet(*maitre, c.n, c.v), c.message);

        auto lu = std::make_unique<Etat_Projet>(*maitre);
        lu->P(c.n) = c.v;
        Ecrit_Fichier_Projet(chemin, *lu);
        auto cible = std::make_unique<Etat_Projet>();
        cible->P(c.n) = 9;
        try {
            Lit_Projet_Accepte(chemin, Projet_Courant(*cible));
            EXPECT_EQ(c.message, "");
            EXPECT_EQ(cible->P(c.n), c.v);
        } catch (const Erreur_Gabarit &err) {
            EXPECT_EQ(std::string(err.what()), "Projet refusé : " + chemin + "\n" + c.message);
            EXPECT_EQ(cible->P(c.n), 9);
        }
    }
    // Beside them 45 is a value like another: the keel's place along the bulb, 45 %.
    EXPECT_EQ(Refus_Valeur_Projet(*maitre, 162, 45), "");
    // A file of version 2.1 held something else in record 18, which its upgrade puts to 0.
    std::string ancien = test::Octets(test::Dossier_Fixtures() + "/ancien_2_1_4.cot");
    const std::string ligne = " 18 \r\n 3000 \r\n";
    const std::size_t ou = ancien.find(ligne);
    ASSERT_NE(ou, std::string::npos);
    test::Ecrit_Octets(chemin, ancien.replace(ou, ligne.size(), " 18 \r\n 45000 \r\n"));
    auto e = std::make_unique<Etat_Projet>();
    EXPECT_NO_THROW(Lit_Projet_Accepte(chemin, Projet_Courant(*e)));
    EXPECT_EQ(e->P(18), 45);
}

TEST(Acceptation_Projet, ValeurDeriveeDiteCommeTelleDansLEditeur) {
    // The total weight, the centres of gravity, the bulb's station and height are worked out
    // again after every command that changes what they follow from, and the heel results by
    // the computations alone: another value typed is refused, naming what it follows from or
    // what it is; the value shown, to the file's thousandth, is taken with its comment. The
    // bulb height's message is the editor's test's.
    auto maitre = std::make_unique<Etat_Projet>();
    test::Lit_Maitre(*maitre);
    const auto resultat = [](int n, const char *quoi) {
        return "Le n° " + std::to_string(n) + " (" + quoi +
               ") est un résultat de calcul : il n'est pas modifiable ici.";
    };
    const struct {
        int n;
        std::string message;
    } derivees[] = {
        {42, "Le poids total (n° 42) se calcule à partir des poids de la coque (n° 57), des "
             "équipements (n° 60, 63, 66, 69, 72 et 75) et du bulbe (n° 170) : il n'est pas "
             "modifiable ici."},
        {23, "Le centre de gravité en longueur (n° 23) se calcule à partir des positions et des "
             "poids de la coque (n° 32 et 57), des équipements (n° 58, 60, 61, 63, 64, 66, 67, "
             "69, 70, 72, 73 et 75) et du bulbe au bout de la quille (n° 110, 113, 115, 162, 165 "
             "et 170) : il n'est pas modifiable ici."},
        {28, "Le centre de gravité en hauteur (n° 28) se calcule à partir des hauteurs et des "
             "poids des équipements (n° 59, 60, 62, 63, 65, 66, 68, 69, 71, 72, 74 et 75), du "
             "bulbe sous la quille (n° 170, 110, 113, 115, 159 et 165), de la flottaison droite "
             "(n° 43 et 49) et de la forme de la carène : il n'est pas modifiable ici."},
        {180, "La position du bulbe (n° 180) se calcule à partir du bulbe au bout de la quille "
              "(n° 110, 113, 115, 162 et 165) : elle n'est pas modifiable ici."},
        // Results: a light stands beside them only as computed.
        {43, resultat(43, "franc-bord arrière à 0°")},
        {54, resultat(54, "franc-bord avant à 25°")},
        {13, resultat(13, "volume de carène à 0°")},
        {39, resultat(39, "dernier coefficient prismatique calculé")},
        {196, resultat(196, "coefficient prismatique à 15°")},
        {218, resultat(218, "moment de redressement à 20°")},
        {229, resultat(229, "surface de voilure que porte le moment à 30°")},
        {188, resultat(188, "état du calcul à 10°")},
        {24, resultat(24, "position latérale du centre de gravité au dernier moment calculé")},
        {89, "La surface de grand-voile (n° 89) se calcule à partir de la grand-voile (n° 84, 85, "
             "86 et 87) et du plan CLASS (n° 279, 284, 285 et 286) : elle n'est pas modifiable "
             "ici."},
        {104, "La hauteur du centre vélique (n° 104) se calcule à partir du mât (n° 82 et 83), de "
              "la grand-voile (n° 84, 85, 86 et 87), du plan CLASS (n° 279, 284, 285 et 286), du "
              "foc (n° 96, 97 et 98), de la flottaison droite (n° 43 et 49) et de la forme de la "
              "carène : elle n'est pas modifiable ici."},
        {126,
         "La position du centre anti-dérive (n° 126) se calcule à partir de la dérive (n° 110, "
         "111, 112 et 113) et du safran (n° 136, 137, 138 et 139) : elle n'est pas "
         "modifiable ici."},
        {33, resultat(33, "position latérale de la coque, que chaque lecture remet à zéro")},
        {230, resultat(230, "valeur que les calculs remettent à zéro")},
    };
    for (const auto &d : derivees) {
        SCOPED_TRACE(d.n);
        const double v = maitre->P(d.n);
        EXPECT_EQ(Refus_Valeur_Projet(*maitre, d.n, v + 0.01), d.message);
        EXPECT_EQ(Refus_Valeur_Projet(*maitre, d.n, v), "");
        EXPECT_EQ(Refus_Valeur_Projet(*maitre, d.n, v + 0.0004), "");
    }
    // Every figure a read or a computation writes is refused alike; the records around them
    // are typed. One list holds them.
    std::vector<int> figures = {13,  23,  24,  28,  31,  33,  34,  38,  39,  42,  89,
                                90,  91,  99,  102, 103, 104, 109, 122, 123, 125, 126,
                                130, 148, 149, 151, 166, 180, 181, 229, 230};
    for (int n = 43; n <= 56; ++n)
        figures.push_back(n);
    for (int n = 186; n <= 220; ++n)
        figures.push_back(n);
    std::sort(figures.begin(), figures.end());
    EXPECT_EQ(Numeros_Resultats(), figures);
    for (int n = 1; n <= 300; ++n) {
        const bool figure = std::find(figures.begin(), figures.end(), n) != figures.end();
        const std::string refus = Refus_Resultat(n);
        EXPECT_EQ(refus.empty(), !figure) << n;
        if (figure)
            EXPECT_EQ(Refus_Valeur_Projet(*maitre, n, maitre->P(n) + 10), refus) << n;
    }
}
