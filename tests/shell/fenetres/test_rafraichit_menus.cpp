#include <QProgressBar>
#include <cmath>

#include "shell/fenetres/Rafraichit_Menus.h"
#include "support/Cadre_Test.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

std::vector<std::string> g_refraichies;

// Stand-ins for the four parameter windows: they note when they are shown the record again.
template <const char *Nom> struct Fenetre_Parametres : Fenetre_Fille {
    explicit Fenetre_Parametres(Contexte &c)
        : Fenetre_Fille(c, QString::fromLatin1(Nom), QString::fromLatin1(Nom)) {}
    void Affiche_Valeurs() override { g_refraichies.push_back(Nom); }
};
constexpr char APPENDICE[] = "Menu_Appendice";
constexpr char DEPLACEMENT[] = "Menu_Deplacement";
constexpr char FG[] = "Menu_FG";
constexpr char VOILE[] = "Menu_Voile";

using Rafraichissement = Cadre_Test;

TEST_F(Rafraichissement, SeulesLesFenetresVisiblesDansLOrdre) {
    cadre->show();
    g_refraichies.clear();
    Rafraichit_Menus(ctx()); // none opened yet
    EXPECT_TRUE(g_refraichies.empty());

    auto &voile = ctx().Fenetre<Fenetre_Parametres<VOILE>>();
    auto &fg = ctx().Fenetre<Fenetre_Parametres<FG>>();
    auto &dep = ctx().Fenetre<Fenetre_Parametres<DEPLACEMENT>>();
    ctx().Fenetre<Fenetre_Parametres<APPENDICE>>();
    voile.Montre();
    fg.Montre();
    dep.Montre();
    dep.Cache();
    Rafraichit_Menus(ctx());
    EXPECT_EQ(g_refraichies, (std::vector<std::string>{"Menu_FG", "Menu_Voile"}));
}

TEST_F(Cadre_Test, LaCleDeVueEtLePanneau2RestentAccordes) {
    cadre->show();
    e.Cle_Vue = "3D"; // set by a window without going through the shell
    EXPECT_EQ(cadre->Shell().Lit_Statut(2), "3D");
    cadre->Shell().Laisse_Evenements();
    EXPECT_EQ(Panneau(2), QStringLiteral("3D"));
    cadre->Shell().Texte_Statut(2, "MC_ET");
    EXPECT_EQ(e.Cle_Vue, "MC_ET");
    Clique_Touche("Calcul_Gite"); // the heel series empties the view key
    EXPECT_EQ(Panneau(2), QString());
    EXPECT_EQ(e.Cle_Vue, "");
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));
}

} // namespace

namespace {

TEST_F(Cadre_Test, BarreDEtatEtProgression) {
    Interface_Shell &s = cadre->Shell();
    s.Texte_Statut(1, "Calcul en Cours");
    s.Texte_Statut(3, "Gite : 15");
    EXPECT_EQ(s.Lit_Statut(1), "Calcul en Cours");
    EXPECT_EQ(s.Lit_Statut(3), "Gite : 15");
    EXPECT_EQ(cadre->findChild<QLabel *>(QStringLiteral("Panneau_1"))->text(),
              QStringLiteral("Calcul en Cours"));
    s.Progression(0, 1000, 250.4);
    QProgressBar *p = cadre->ProgressBar1();
    EXPECT_EQ(p->objectName(), QStringLiteral("ProgressBar1"));
    EXPECT_EQ(p->maximum(), 1000);
    EXPECT_EQ(p->value(), 250);
    s.Progression(0, 1000, 1e300); // kept within the bar
    EXPECT_EQ(p->value(), 1000);
    s.Progression(0, std::nan(""), std::nan(""));
    EXPECT_EQ(p->value(), 0);
}

} // namespace
