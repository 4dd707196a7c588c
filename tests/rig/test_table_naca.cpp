#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "rig/Table_Naca.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

namespace {

// Value (i, j) of the made-up tables below: every one different, exact in a float, and one
// a profile can have (0 to 36.2 % of the chord).
float Valeur(int i, int j) { return static_cast<float>(i * 29 + j) / 32.0f; }

// The made-up table as text, some numbers (by index) replaced by other texts.
std::string Nombres(int nb, const std::string &separateur, const std::string &fin_profil,
                    const std::map<int, std::string> &autres = {}) {
    std::ostringstream s;
    s.precision(9); // every value whole
    for (int n = 0; n < nb; ++n) {
        if (autres.count(n))
            s << autres.at(n);
        else
            s << Valeur(n / 29, n % 29);
        s << ((n % 29 == 28) ? fin_profil : separateur);
    }
    return s.str();
}

std::string Dossier_Avec_Table(const std::string &contenu) {
    const std::string d = test::Dossier_Temporaire();
    std::ofstream(d + "/nacaa.ini", std::ios::binary) << contenu;
    return d;
}

void Verifie_Table(const Etat_Projet &e) {
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 29; ++j)
            ASSERT_EQ(e.Table_Naca[i][j], Valeur(i, j)) << i << "," << j;
}

// All 26 stations against their law: 0, 0.5, 0.75, 1.25, 2.5, 5, 7.5, 10 % of the chord
// near the nose, then every 5 % from 15 to 100.
void Verifie_Stations(const Etat_Projet &e) {
    const float nez[8] = {0, 0.5f, 0.75f, 1.25f, 2.5f, 5, 7.5f, 10};
    for (int j = 0; j < 26; ++j)
        EXPECT_EQ(e.Stations_Naca[j], j < 8 ? nez[j] : 15.f + 5.f * static_cast<float>(j - 8)) << j;
}

} // namespace

TEST(Table_Naca, VirgulesOuUnNombreParLigneSeLisentPareil) {
    Etat_Projet a, b, c;
    a.Dossier_Programme = Dossier_Avec_Table(Nombres(1160, ",", "\r\n"));
    b.Dossier_Programme = Dossier_Avec_Table(Nombres(1160, "\n", "\n"));
    // Commas, blanks and line ends mixed, and a 1161st number that is never read.
    c.Dossier_Programme = Dossier_Avec_Table(Nombres(1161, " , ", ",\n  "));
    Lit_Table_Naca(a);
    Lit_Table_Naca(b);
    Lit_Table_Naca(c);
    Verifie_Table(a);
    Verifie_Table(b);
    Verifie_Table(c);
    Verifie_Stations(a);
    EXPECT_EQ(a.Nom_Fichier, "nacaa.ini");
    // A second read gives the same table.
    Lit_Table_Naca(a);
    Verifie_Table(a);
}

TEST(Table_Naca, FichierCourtAbsentOuIllisibleLaisseLaTable) {
    Etat_Projet e;
    e.Table_Naca[0][0] = 7;
    e.Table_Naca[39][28] = 8;
    for (const std::string contenu : {Nombres(1159, ",", "\r\n"), std::string(),
                                      Nombres(600, ",", "\n") + "abc," + Nombres(600, ",", "\n")}) {
        e.Dossier_Programme = Dossier_Avec_Table(contenu);
        try {
            Lit_Table_Naca(e);
            FAIL();
        } catch (const Erreur_Gabarit &err) {
            EXPECT_NE(std::string(err.what()).find(e.Dossier_Programme + "/nacaa.ini"),
                      std::string::npos)
                << err.what();
        }
        EXPECT_EQ(e.Table_Naca[0][0], 7);
        EXPECT_EQ(e.Table_Naca[0][1], 0);
        EXPECT_EQ(e.Table_Naca[39][28], 8);
        Verifie_Stations(e);
    }
    e.Dossier_Programme = test::Dossier_Temporaire();
    EXPECT_THROW(Lit_Table_Naca(e), Erreur_Gabarit);
    EXPECT_EQ(e.Table_Naca[0][0], 7);
}

TEST(Table_Naca, TableLivree) {
    Etat_Projet e;
    e.Dossier_Programme = test::Dossier_Donnees();
    Lit_Table_Naca(e);
    for (int i = 0; i < 40; ++i) {
        float plus_grand = 0;
        int station = 0;
        for (int j = 0; j < 26; ++j)
            if (e.Table_Naca[i][j] > plus_grand)
                plus_grand = e.Table_Naca[i][j], station = j;
        // Column 26 is the true maximum, at or above every tabulated ordinate, and column
        // 27 lies within the station interval around the thickest tabulated point.
        EXPECT_GE(e.Table_Naca[i][26], plus_grand) << i;
        EXPECT_LT(e.Table_Naca[i][26], plus_grand * 1.02f) << i;
        EXPECT_GE(e.Table_Naca[i][27], e.Stations_Naca[station - 1]) << i;
        EXPECT_LE(e.Table_Naca[i][27], e.Stations_Naca[station + 1]) << i;
        EXPECT_EQ(e.Table_Naca[i][0], 0) << i;
    }
    // Profile 0, the 12 % four-digit section.
    EXPECT_NEAR(2 * e.Table_Naca[0][26], 12, 0.01);
    EXPECT_NEAR(e.Table_Naca[0][27], 30, 0.1);
    EXPECT_NEAR(e.Table_Naca[0][11], 6.0014, 1e-3); // 30 % of the chord
    // The position of the maximum thickness varies across the table.
    float mini = 100, maxi = 0;
    for (int i = 0; i < 40; ++i)
        mini = std::min(mini, e.Table_Naca[i][27]), maxi = std::max(maxi, e.Table_Naca[i][27]);
    EXPECT_LE(mini, 20.5f);
    EXPECT_GE(maxi, 59.5f);
}

// Columns 0 to 26 are half-thicknesses in per cent of the chord, 0 to 50 (a section as thick
// as its chord); column 27 is a place on the chord, 0 to 100. Anything else is refused with
// the line it stands on, and the table stays as it was.
TEST(Table_Naca, OrdonneeImpossibleRefuseeEnNommantSaLigne) {
    struct Cas {
        int index;
        const char *texte;
        bool par_profil; // one profile a line, else one number a line
        const char *attendu;
    };
    const Cas cas[] = {
        {2 * 29 + 5, "3.4e38", true, "(ligne 3 : \"3.4e38\" ne peut pas être une demi-épaisseur"},
        {2 * 29 + 26, "50.01", true, "(ligne 3 : \"50.01\""},
        {70, "-0.5", false, "(ligne 71 : \"-0.5\" ne peut pas être une demi-épaisseur"},
        {39 * 29 + 27, "100.5", false, "(ligne 1159 : \"100.5\" ne peut pas être la place"},
    };
    for (const Cas &k : cas) {
        Etat_Projet e;
        e.Table_Naca[2][5] = 7;
        e.Dossier_Programme =
            Dossier_Avec_Table(k.par_profil ? Nombres(1160, ",", "\r\n", {{k.index, k.texte}})
                                            : Nombres(1160, "\n", "\n", {{k.index, k.texte}}));
        try {
            Lit_Table_Naca(e);
            ADD_FAILURE() << k.texte;
        } catch (const Erreur_Gabarit &err) {
            EXPECT_NE(std::string(err.what()).find(e.Dossier_Programme + "/nacaa.ini " + k.attendu),
                      std::string::npos)
                << err.what();
        }
        EXPECT_EQ(e.Table_Naca[2][5], 7) << k.texte;
    }
    // The bounds themselves are a profile's.
    Etat_Projet e;
    e.Dossier_Programme = Dossier_Avec_Table(Nombres(1160, ",", "\n", {{26, "50"}, {27, "100"}}));
    Lit_Table_Naca(e);
    EXPECT_EQ(e.Table_Naca[0][26], 50);
    EXPECT_EQ(e.Table_Naca[0][27], 100);
    EXPECT_EQ(e.Table_Naca[1][0], Valeur(1, 0));
}
