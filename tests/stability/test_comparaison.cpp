#include <filesystem>
#include <gtest/gtest.h>

#include "interfaces/Canvas.h"
#include "interfaces/Shell_Enregistreur.h"
#include "rig/Table_Naca.h"
#include "shell/Projet_Lu.h"
#include "stability/Comparaison.h"
#include "support/Chemins_Test.h"
#include "support/Maitre.h"
#include "support/Projets_Compares.h"
#include "support/Traits_Essai.h"

using namespace gabarit;
using test::Projets_A_B;

namespace {

double Ecart(const Figures_Comparaison &f, int k) {
    const Chiffre &c = f.ecarts[static_cast<std::size_t>(k)];
    EXPECT_TRUE(c.has_value()) << k;
    return c.value_or(-12345);
}
Teinte Teinte_De(const Figures_Comparaison &f, int k) {
    return f.teintes[static_cast<std::size_t>(k)];
}

// The working folder is changed for one test and put back after it.
struct Dossier_Courant {
    std::filesystem::path avant = std::filesystem::current_path();
    explicit Dossier_Courant(const std::string &d) { std::filesystem::current_path(d); }
    ~Dossier_Courant() { std::filesystem::current_path(avant); }
};

} // namespace

TEST(Comparaison, VersionsAdmises) {
    EXPECT_TRUE(Version_Comparable("Version 2.2.9"));
    EXPECT_TRUE(Version_Comparable("Version 2.2.5"));
    EXPECT_TRUE(Version_Comparable("Version 2.3.0"));
    EXPECT_FALSE(Version_Comparable("Version 2.2.1"));
    EXPECT_FALSE(Version_Comparable("Version 2.1.0"));
    EXPECT_FALSE(Version_Comparable("Version 2.2.10")); // its 13th character is 1
    EXPECT_FALSE(Version_Comparable("Version 2.2.2"));
    EXPECT_TRUE(Version_Comparable("Version 2.2.3"));
    // Too short to be tested, or no digit where the revision stands: refused, not skipped.
    EXPECT_FALSE(Version_Comparable("Version 2.2"));
    EXPECT_FALSE(Version_Comparable(""));
    EXPECT_FALSE(Version_Comparable("Version 2.2.x"));
}

TEST(Comparaison, RefuseeSurUnFeuRougeDeLUnOuLAutre) {
    Etat_Projet e;
    Projets_A_B(e);
    EXPECT_TRUE(Comparaison_Possible(e));
    for (int k = 0; k < NB_GITES; ++k) {
        for (bool compare : {false, true}) {
            Etat_Projet f = e;
            (compare ? f.Tab_Param_Compar : f.Tab_Param)[static_cast<std::size_t>(Etat_Gite(k))] =
                1;
            EXPECT_FALSE(Comparaison_Possible(f)) << k << compare;
        }
    }
    // Only the value 1 marks a result out of date.
    e.Tab_Param_Compar[Etat_Gite(3)] = 2;
    EXPECT_TRUE(Comparaison_Possible(e));
    e.Texte_Projet2[300] = "Version 2.1.0";
    EXPECT_FALSE(Comparaison_Possible(e));
    e.Texte_Projet2[300] = "Version 2.2.9";
    e.Texte_Projet[300] = "Version 2.2.1";
    EXPECT_FALSE(Comparaison_Possible(e));
}

TEST(Comparaison, EcartsCalculesALaMain) {
    Etat_Projet e;
    Projets_A_B(e);
    const Figures_Comparaison f = Calcul_Comparaison(e);
    EXPECT_EQ(Ecart(f, ECART_LONGUEUR), 20);
    EXPECT_EQ(Ecart(f, ECART_LARGEUR), 5);
    EXPECT_EQ(Ecart(f, ECART_HAUTEUR), -3);
    EXPECT_EQ(Ecart(f, ECART_POIDS), 10);
    EXPECT_EQ(Ecart(f, ECART_VOILURE), 15);
    EXPECT_EQ(Ecart(f, ECART_VOILURE_POIDS), 4);
    EXPECT_EQ(Ecart(f, ECART_VOILURE_STABILITE), -10);
    EXPECT_EQ(Teinte_De(f, ECART_LONGUEUR), Teinte::Neutre);
    EXPECT_EQ(Teinte_De(f, ECART_POIDS), Teinte::Rouge); // heavier
    EXPECT_EQ(Teinte_De(f, ECART_VOILURE), Teinte::Vert);
    EXPECT_EQ(Teinte_De(f, ECART_VOILURE_POIDS), Teinte::Vert);
    EXPECT_EQ(Teinte_De(f, ECART_VOILURE_STABILITE), Teinte::Rouge);
    const double moments[7] = {0, 10, 50, 12, 4, -5, -8};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(f.ecarts_moments[static_cast<std::size_t>(k)], moments[k]) << k;

    // Bars: the largest moment, 65000 (B at 30), fills the 38 mm; a moment of 0 shows none.
    EXPECT_DOUBLE_EQ(f.haut_moment_compare[6], 0);
    EXPECT_DOUBLE_EQ(f.haut_moment[0], 38);
    EXPECT_DOUBLE_EQ(f.haut_moment_compare[0], 38);
    EXPECT_NEAR(f.haut_moment[6], 38 - 60000 * 38 / 65000.0, 1e-12);
    EXPECT_NEAR(f.haut_moment[2], 38 - 30000 * 38 / 65000.0, 1e-12);
    EXPECT_NEAR(f.haut_moment_compare[3], 38 - 40000 * 38 / 65000.0, 1e-12);
    // Moment per sail area: B at 30, 65000 / 4000 = 16.25, fills the 36 mm.
    EXPECT_DOUBLE_EQ(f.haut_rapport_compare[6], 0);
    EXPECT_NEAR(f.haut_rapport[6], 36 - (60000 / 4600.0) * 36 / 16.25, 1e-12);
    EXPECT_NEAR(f.haut_rapport[1], 36 - (11000 / 4600.0) * 36 / 16.25, 1e-12);
    EXPECT_NEAR(f.haut_rapport_compare[2], 36 - 5.0 * 36 / 16.25, 1e-12);
    EXPECT_DOUBLE_EQ(f.haut_rapport[0], 36);

    EXPECT_EQ(f.surface.max_courant, 168);
    EXPECT_EQ(f.surface.max_compare, 162);
    EXPECT_EQ(f.surface.min_courant, 150);
    EXPECT_EQ(f.surface.min_compare, 145);
}

TEST(Comparaison, CopieIdentique) {
    Etat_Projet e;
    Projets_A_B(e);
    e.Tab_Param_Compar = e.Tab_Param;
    const Figures_Comparaison f = Calcul_Comparaison(e);
    for (int k = 0; k < ECART_VOILURE_STABILITE; ++k)
        EXPECT_EQ(Ecart(f, k), 0) << k;
    EXPECT_EQ(Teinte_De(f, ECART_POIDS), Teinte::Vert);
    EXPECT_EQ(Teinte_De(f, ECART_VOILURE), Teinte::Vert);
    // The compared sum runs in single precision: 55.434783 against 55.4347826 in double,
    // so 100 x S / S2 - 100 = -1.5e-6 and its floor -1.
    EXPECT_EQ(Ecart(f, ECART_VOILURE_STABILITE), -1);
    EXPECT_EQ(Teinte_De(f, ECART_VOILURE_STABILITE), Teinte::Rouge);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(f.ecarts_moments[k], 0) << k;
        EXPECT_EQ(f.haut_moment[k], f.haut_moment_compare[k]);
        EXPECT_EQ(f.haut_rapport[k], f.haut_rapport_compare[k]);
    }

    // The master's sail area over a 4920 g boat: r = 426063 / 4920 gives 100 x r / r =
    // 99.99999999999999 in doubles, whose floor would read -1 % against its own copy.
    e.P(POIDS_TOTAL) = 4920;
    e.P(SURFACE_VOILURE) = 426063;
    e.Tab_Param_Compar = e.Tab_Param;
    const double r = 426063.0 / 4920;
    ASSERT_LT(100 * r / r, 100.0);
    const Figures_Comparaison g = Calcul_Comparaison(e);
    EXPECT_EQ(Ecart(g, ECART_VOILURE_POIDS), 0);
    EXPECT_EQ(Teinte_De(g, ECART_VOILURE_POIDS), Teinte::Vert);
    // A real gap of a hair under a whole per cent still floors: 5 % less sail less 1 mm2.
    e.P(SURFACE_VOILURE) = 426063 * 0.95 - 1;
    EXPECT_EQ(Ecart(Calcul_Comparaison(e), ECART_VOILURE), -6);
}

TEST(Comparaison, EcartDeMomentAuDelaDe999) {
    Etat_Projet e;
    Projets_A_B(e);
    e.P(Moment_Redressement(1)) = 110000; // 11 x 10000: 1000 %
    e.P(Moment_Redressement(2)) = 219980; // 100 x 219980 / 20000 - 100 = 999.9
    e.P(Moment_Redressement(0)) = 5;      // against 0, taken as 1: 400 %
    const Figures_Comparaison f = Calcul_Comparaison(e);
    EXPECT_EQ(f.ecarts_moments[1], 1000);
    EXPECT_GT(*f.ecarts_moments[1], ECART_MOMENT_LISIBLE);
    EXPECT_EQ(f.ecarts_moments[2], 999);
    EXPECT_EQ(f.ecarts_moments[0], 400);
}

TEST(Comparaison, DiviseurNulDonneUnTiretEtLaSuite) {
    Etat_Projet e;
    Projets_A_B(e);
    e.Tab_Param_Compar[POIDS_TOTAL] = 0;
    Figures_Comparaison f = Calcul_Comparaison(e);
    EXPECT_FALSE(f.ecarts[ECART_POIDS].has_value());
    EXPECT_FALSE(f.ecarts[ECART_VOILURE_POIDS].has_value());
    EXPECT_EQ(Teinte_De(f, ECART_POIDS), Teinte::Neutre);
    EXPECT_EQ(Ecart(f, ECART_VOILURE), 15); // the others go on
    EXPECT_EQ(Ecart(f, ECART_VOILURE_STABILITE), -10);
    EXPECT_EQ(f.ecarts_moments[2], 50);

    Projets_A_B(e);
    e.P(POIDS_TOTAL) = 0; // the current weight is a divisor of sail per gram only
    f = Calcul_Comparaison(e);
    EXPECT_EQ(Ecart(f, ECART_POIDS), -100);
    EXPECT_FALSE(f.ecarts[ECART_VOILURE_POIDS].has_value());

    Projets_A_B(e);
    e.Tab_Param_Compar[SURFACE_VOILURE] = 0;
    e.Tab_Param_Compar[LONGUEUR_AV] = 0;
    e.Tab_Param_Compar[LONGUEUR_AR] = 0;
    f = Calcul_Comparaison(e);
    EXPECT_FALSE(f.ecarts[ECART_LONGUEUR].has_value());
    EXPECT_FALSE(f.ecarts[ECART_VOILURE].has_value());
    EXPECT_FALSE(f.ecarts[ECART_VOILURE_POIDS].has_value());
    EXPECT_FALSE(f.ecarts[ECART_VOILURE_STABILITE].has_value());
    EXPECT_EQ(Ecart(f, ECART_LARGEUR), 5);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(f.haut_rapport[k], 36); // no sail-per-moment bar without both sail areas
        EXPECT_EQ(f.haut_rapport_compare[k], 36);
    }
    EXPECT_DOUBLE_EQ(f.haut_moment_compare[6], 0); // the moment bars still stand

    // No positive moment at all: no bar, and every moment gap 1 / 1.
    Projets_A_B(e);
    for (int k = 0; k < 7; ++k)
        e.P(Moment_Redressement(k)) = e.Tab_Param_Compar[Moment_Redressement(k)] = 0;
    f = Calcul_Comparaison(e);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(f.haut_moment[k], 38);
        EXPECT_EQ(f.haut_rapport_compare[k], 36);
        EXPECT_EQ(f.ecarts_moments[k], 0);
    }
    EXPECT_FALSE(f.ecarts[ECART_VOILURE_STABILITE].has_value());
}

TEST(Comparaison, CourbesDeSurface) {
    Etat_Projet e;
    Projets_A_B(e);
    // 60 wide: 10 per heel step; as high as the range 168.9 - 145.2, so one unit a 1000 mm2.
    Canvas_Enregistreur c(60, 23.7);
    c.Segment(0, 0, 1, 1, 0); // the chart clears what was there
    const Surface_Compar s = Trace_Surface_Compar(e, c);
    EXPECT_EQ(c.effacements, 1);
    EXPECT_EQ(s.max_courant, 168);
    EXPECT_EQ(s.min_compare, 145);
    ASSERT_EQ(c.traits.size(), 12u);
    // Fix(surface - 145.2) from the bottom: A 5, 7, 9, 13, 17, 21, 23; B 0, 1, 4, 8, 12, 15, 17.
    const int a[7] = {5, 7, 9, 13, 17, 21, 23}, b[7] = {0, 1, 4, 8, 12, 15, 17};
    for (int k = 1; k < 7; ++k) {
        const auto &ta = c.traits[static_cast<std::size_t>(k - 1)];
        const auto &tb = c.traits[static_cast<std::size_t>(k + 5)];
        EXPECT_EQ(ta.couleur, RGB(255, 255, 0));
        EXPECT_EQ(tb.couleur, RGB(0, 176, 0)); // the compared curve last
        EXPECT_DOUBLE_EQ(ta.x1, 10.0 * (k - 1));
        EXPECT_DOUBLE_EQ(ta.x2, 10.0 * k);
        EXPECT_NEAR(ta.y1, 23.7 - a[k - 1], 1e-9) << k;
        EXPECT_NEAR(ta.y2, 23.7 - a[k], 1e-9) << k;
        EXPECT_NEAR(tb.y1, 23.7 - b[k - 1], 1e-9) << k;
        EXPECT_NEAR(tb.y2, 23.7 - b[k], 1e-9) << k;
    }
}

TEST(Comparaison, SurfacesToutesEgalesAPlat) {
    Etat_Projet e;
    Projets_A_B(e);
    for (int k = 0; k < 7; ++k)
        e.P(Surface_Mouillee_Gite(k)) = e.Tab_Param_Compar[Surface_Mouillee_Gite(k)] = 150.5;
    Canvas_Enregistreur c(60, 30);
    const Surface_Compar s = Trace_Surface_Compar(e, c);
    EXPECT_EQ(s.max_courant, 150);
    EXPECT_EQ(s.min_compare, 150);
    ASSERT_EQ(c.traits.size(), 12u);
    for (const auto &t : c.traits) {
        EXPECT_EQ(t.y1, 15);
        EXPECT_EQ(t.y2, 15);
    }
}

TEST(Comparaison, RefusSonMessageEtRetourAuMaitre) {
    Etat_Projet e;
    Projets_A_B(e);
    e.Nom_Compar = "/nulle/part.cot";
    e.Tab_Param_Compar[Etat_Gite(4)] = 1;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(60, 30);
    std::vector<std::string> ordre;
    s.reponses.push_back(REPONSE_OK);
    const auto f = Comparer_Projets(e, s, c, [&] {
        ordre.push_back("cache");
        EXPECT_TRUE(s.messages.empty()); // hidden before the message
    });
    EXPECT_FALSE(f.has_value());
    ASSERT_EQ(s.sons.size(), 1u);
    EXPECT_EQ(s.sons[0], "TAUNT011.wav");
    ASSERT_EQ(ordre.size(), 1u);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_EQ(s.messages[0].texte, "COMPARAISON IMPOSSIBLE\rLes calculs de gite ne sont pas "
                                   "complet sur l'un des projets\r");
    EXPECT_EQ(s.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(s.messages[0].titre, "ATTENTION");
    EXPECT_EQ(e.Nom_Compar, "tov0.mas");
    EXPECT_EQ(c.effacements, 0);
}

TEST(Comparaison, RelitLeFichierCompareAvantDeCalculer) {
    Etat_Projet e;
    Projets_A_B(e);
    e.Dossier_Programme = test::Dossier_Temporaire();
    test::Ecrit_Projet_Compare(e.Dossier_Programme + "/b.cot", false);
    e.Nom_Compar = "b.cot";
    // What stands in memory passes the test; what is shown comes from the file read again.
    e.Tab_Param_Compar[POIDS_TOTAL] = 5000;
    Shell_Enregistreur s;
    Canvas_Enregistreur c(60, 23.7);
    const auto f = Comparer_Projets(e, s, c, {});
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->ecarts[ECART_POIDS], 10);
    EXPECT_EQ(e.Tab_Param_Compar[POIDS_TOTAL], 1000);
    EXPECT_EQ(e.Texte_Projet2[300], "Version 2.2.9");
    EXPECT_EQ(f->surface.max_compare, 162);
    EXPECT_EQ(c.traits.size(), 12u);
    EXPECT_TRUE(s.messages.empty());
    EXPECT_TRUE(s.sons.empty());
}

// What the open refuses, the comparison refuses with the open's own message, the compared
// project as it was: a short file, a keel profile that is no row of the table, a keel of
// negative length, a bulb so long that no height can be worked out from the NACA table.
TEST(Comparaison, LectureRefuseeCommeALOuvertureNeChangeRien) {
    Etat_Projet e;
    Projets_A_B(e);
    for (auto &profil : e.Table_Naca)
        profil[COL_EPAISSEUR_NACA] = 10;
    e.Dossier_Programme = test::Dossier_Temporaire();
    test::Ecrit_Octets(e.Dossier_Programme + "/court.cot", " 1 \r\n 1000 \r\nVersion 2.2.9\r\n");
    for (auto [n, v] :
         {std::pair{NACA_BULBE_HAUT, 45.0}, {LONGUEUR_DERIVE, -300.0}, {LONGUEUR_BULBE, 1e40}}) {
        Etat_Projet b;
        test::Remplit_Projet(b.Tab_Param, false);
        b.P(n) = v;
        Ecrit_Fichier_Projet(e.Dossier_Programme + "/" + std::to_string(n) + ".cot", b);
    }
    for (const std::string nom : {"court.cot", "159.cot", "113.cot", "165.cot"}) {
        SCOPED_TRACE(nom);
        const std::string chemin = e.Dossier_Programme + "/" + nom;
        auto o = std::make_unique<Etat_Projet>(e); // the program's NACA table
        const std::string ouverture = test::Refus_De([&] { Lit_Projet_Pris(chemin, *o); });
        ASSERT_FALSE(ouverture.empty());
        if (nom == "165.cot")
            EXPECT_NE(ouverture.find("Calcul impossible : dimension du bulbe non finie"),
                      std::string::npos)
                << ouverture;
        e.Nom_Compar = nom;
        Shell_Enregistreur s;
        Canvas_Enregistreur c(60, 30);
        EXPECT_EQ(test::Refus_De([&] { Comparer_Projets(e, s, c, {}); }), ouverture);
        EXPECT_EQ(e.Tab_Param_Compar[POIDS_TOTAL], 1000);
        EXPECT_EQ(e.Nom_Compar, nom);
        EXPECT_EQ(c.effacements, 0);
    }
    e.Nom_Compar.clear();
    EXPECT_THROW(Lit_Projet_Compare(e), Erreur_Gabarit);
}

// A value the project derives from others is the open's, not the file's line: the master with
// its total weight and sail area lines changed by hand compares with itself at 0 %, and its
// results, written for another boat, stand under red lights.
TEST(Comparaison, ValeursDeriveesCommeALOuverture) {
    Etat_Projet e;
    test::Lit_Maitre(e);
    Lit_Table_Naca(e);
    Etat_Projet fichier = e;
    fichier.P(POIDS_TOTAL) = 9999;
    fichier.P(SURFACE_VOILURE) = 500000;
    e.Dossier_Programme = test::Dossier_Temporaire();
    Ecrit_Fichier_Projet(e.Dossier_Programme + "/lourd.cot", fichier);
    e.Nom_Compar = "lourd.cot";
    Lit_Projet_Compare(e);
    EXPECT_EQ(e.Tab_Param_Compar[POIDS_TOTAL], 3920);
    EXPECT_EQ(e.Tab_Param_Compar[SURFACE_VOILURE], 426063);
    EXPECT_EQ(Calcul_Comparaison(e).ecarts[ECART_POIDS], 0);
    EXPECT_EQ(Calcul_Comparaison(e).ecarts[ECART_VOILURE], 0);
    EXPECT_EQ(e.Tab_Param_Compar[Etat_Gite(3)], 1);
}

TEST(Comparaison, FichierEnormeRefuseSansEtreLu) {
    // 1 GB without a line break (a sparse file: nothing is written to the disk). Refused by
    // its size before a byte is read, the compared project as it was.
    Etat_Projet e;
    Projets_A_B(e);
    e.Dossier_Programme = test::Dossier_Temporaire();
    const std::string chemin = e.Dossier_Programme + "/enorme.cot";
    test::Ecrit_Octets(chemin, "");
    std::filesystem::resize_file(chemin, std::uintmax_t{1} << 30);
    e.Nom_Compar = "enorme.cot";
    try {
        Lit_Projet_Compare(e);
        ADD_FAILURE() << "read";
    } catch (const Erreur_Gabarit &ex) {
        EXPECT_EQ(std::string(ex.what()),
                  "Fichier trop grand : " + chemin + " (1073741824 octets ; 16 Mo au plus)");
    }
    EXPECT_EQ(e.Tab_Param_Compar[POIDS_TOTAL], 1000);
}

TEST(Comparaison, LeMaitreEstCeluiDuDossierDuProgramme) {
    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Temporaire();
    test::Ecrit_Projet_Compare(e.Dossier_Programme + "/tov0.mas", false);
    const std::string ailleurs = test::Dossier_Temporaire();
    test::Ecrit_Projet_Compare(ailleurs + "/tov0.mas", true);
    Dossier_Courant d(ailleurs);
    e.Nom_Compar = "tov0.mas";
    Lit_Projet_Compare(e);
    EXPECT_EQ(e.Tab_Param_Compar[POIDS_TOTAL], 1000);
    EXPECT_EQ(e.Tab_Param_Compar[LONGUEUR_AV], 520);
}

TEST(Comparaison, MaitreParDefaut) {
    // Project A against the master of data/, whose heel results are all computed. By hand:
    // length 1200 / 1000, half-breadth 105 / 97, depth 97 / 125, weight 1100 / 3920, sail
    // 4600 / 426063, sail per gram 4.1818 / 108.69; sail per moment 55.43 against the
    // master's moments 1976011 / 426063 = 4.6378 -> 1195.2 - 100.
    Etat_Projet e;
    Projets_A_B(e);
    e.Dossier_Programme = test::Dossier_Donnees();
    Lit_Table_Naca(e); // as the start-up reads it: the master's bulb hangs by its profile
    e.Nom_Compar = "tov0.mas";
    Lit_Projet_Compare(e);
    ASSERT_TRUE(Comparaison_Possible(e));
    Shell_Enregistreur s;
    Canvas_Enregistreur c(60, 30);
    const auto f = Comparer_Projets(e, s, c, {});
    ASSERT_TRUE(f.has_value());
    const double ecarts[7] = {8, 20, -23, -72, -99, -97, 1095};
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Ecart(*f, k), ecarts[k]) << k;
    EXPECT_EQ(Teinte_De(*f, ECART_POIDS), Teinte::Vert);
    EXPECT_EQ(Teinte_De(*f, ECART_VOILURE), Teinte::Rouge);
    // Moments 11000 / 93015, 30000 / 187047, ..., 60000 / 570531.
    const double moments[7] = {0, -89, -84, -84, -87, -88, -90};
    for (std::size_t k = 0; k < 7; ++k)
        EXPECT_EQ(f->ecarts_moments[k], moments[k]) << k;
    EXPECT_DOUBLE_EQ(f->haut_moment_compare[6], 0); // the master's 570531 g mm at 30 degrees
    EXPECT_EQ(f->surface.max_compare, 214);
    EXPECT_EQ(f->surface.min_compare, 155);
    EXPECT_TRUE(s.messages.empty());
}
