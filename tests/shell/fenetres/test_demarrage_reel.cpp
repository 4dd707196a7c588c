// The start-up with the real files of the program folder: the master, the settings and the
// NACA table copied into a temporary program folder.

#include "shell/fenetres/Aastuce.h"
#include "support/Cadre_Test.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

class Demarrage_Reel : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        Fichiers_Reels({"tov0.mas", "tov.ini", "nacaa.ini"});
    }
};

TEST_F(Demarrage_Reel, MaitreFlotteReglagesRendusALIdentique) {
    const std::string reglages = Octets(ini());
    cadre->MDIForm1_MDIForm_Load();
    for (const auto &m : messages)
        ADD_FAILURE() << m.texte.toStdString();
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("tov0.mas"));
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");
    // The master's results are this boat's: every light green over the file's own figures.
    EXPECT_EQ(e.P(13), 39.488);
    // Its centre of gravity height worked out from the boat, the bulb 413.346 mm down.
    EXPECT_EQ(e.P(28), 362);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_VERTE) << k;
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_H, e.P(301));
    EXPECT_EQ(Panneau(2), QStringLiteral("TB_ET"));
    EXPECT_EQ(Octets(ini()), reglages);
    // The tip window was given its size, and stays hidden unless the tip is on.
    Aastuce *astuce = ctx().Existante<Aastuce>();
    ASSERT_NE(astuce, nullptr);
    EXPECT_EQ(astuce->Largeur_Externe(), 275);
    EXPECT_EQ(astuce->Hauteur_Externe(), 278);
    EXPECT_TRUE(astuce->Visible()); // line 5 of the delivered settings is 0: tip on

    Action("astuce")->trigger(); // tip off: line 5 becomes 1000
    Action("M_Fichier_Quitter")->trigger();
    const auto ligne5 = [](const std::string &s) {
        std::size_t p = 0;
        for (int k = 0; k < 4; ++k)
            p = s.find("\r\n", p) + 2;
        return s.substr(p, s.find("\r\n", p) - p);
    };
    EXPECT_EQ(ligne5(Octets(ini())), " 1000 ");
}

} // namespace
