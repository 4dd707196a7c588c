#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "model/Voyants.h"
#include "model/fenetres/Asst_0.h"
#include "model/fenetres/Menu_FG.h"
#include "model/fenetres/Menu_VarList.h"
#include "platform/Twips.h"
#include "shell/Arrangements.h"
#include "shell/fenetres/AEnCours.h"
#include "shell/fenetres/Aastuce.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "support/Cadre_Test.h"
#include "support/Gestes.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"
#include <QListWidget>

using namespace gabarit;
using namespace gabarit::test;
namespace fs = std::filesystem;

namespace {

using Chargement_Cadre = Cadre_Test;

bool Cadre_Actif(MDIForm1 &c) {
    return c.isEnabled() && c.Zone()->isEnabled() && c.menuBar()->isEnabled() &&
           c.Toolbar1()->isEnabled();
}

TEST_F(Chargement_Cadre, FichierChoisiTitreLampesEtAstuceCoupee) {
    const std::string choisi = dossier + "/Projet A.cot";
    Faux_Services::Ecrit_Projet_Faux(choisi, 2);
    Ecrit_Octets(ini(), " 56700 \r\n 57000 \r\n 0 \r\n 0 \r\n 1000 \r\n 0 \r\n"
                        " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    dialogue.ouvre = QString::fromStdString(choisi);
    cadre->MDIForm1_MDIForm_Load();

    EXPECT_EQ(dialogue.ouvertures, 1);
    EXPECT_EQ(cadre->windowTitle().toStdString(), choisi);
    EXPECT_EQ(e.Nom_Projet, choisi);
    EXPECT_EQ(e.P(1), 2);
    EXPECT_DOUBLE_EQ(e.Echelle_Imp_V, 57);
    EXPECT_FALSE(Action("astuce")->isChecked()); // line 5 holds 1000
    Aastuce *astuce = ctx().Existante<Aastuce>();
    EXPECT_TRUE(astuce == nullptr || !astuce->Visible());
    EXPECT_EQ(Panneau(2), QStringLiteral("TB_ET"));
    // The fake file's flags, all out of date, as the check leaves them.
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Couleur_Voyant(k), COULEUR_ROUGE);
    EXPECT_TRUE(A_Fait("verifie_projet_lu"));
    EXPECT_TRUE(Cadre_Actif(*cadre));
    EXPECT_TRUE(messages.empty());
    // The settings went back as they were read.
    EXPECT_EQ(Octets(ini()).substr(0, 18), " 56700 \r\n 57000 \r\n");
}

TEST_F(Chargement_Cadre, DialogueAnnuleEtReglagesAbsents) {
    fs::remove(ini());
    cadre->MDIForm1_MDIForm_Load();
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("tov0.mas"));
    EXPECT_EQ(e.P(1), 1);
    EXPECT_TRUE(fs::exists(ini()));
    EXPECT_TRUE(Action("astuce")->isChecked());
    EXPECT_TRUE(Cadre_Actif(*cadre));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Chargement_Cadre, FichierAbimeSignaleMaitreChargeCadreLibre) {
    const std::string abime = dossier + "/abime.cot";
    Ecrit_Octets(abime, "xx");
    dialogue.ouvre = QString::fromStdString(abime);
    cadre->MDIForm1_MDIForm_Load();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains(QStringLiteral("abime.cot")));
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("tov0.mas"));
    EXPECT_TRUE(Cadre_Actif(*cadre));

    // Even with no master at all the frame comes back, every light red.
    fs::remove(dossier + "/tov0.mas");
    messages.clear();
    MDIForm1 autre(e);
    autre.MDIForm1_MDIForm_Load();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_TRUE(messages.back().texte.contains(QStringLiteral("tov0.mas")));
    EXPECT_TRUE(Cadre_Actif(autre));
}

TEST_F(Cadre_Test, ArbreDesMenus) {
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("Gabarit")); // no project read yet
    QMenu *fichier = cadre->findChild<QMenu *>(QStringLiteral("T_Fichier"));
    ASSERT_NE(fichier, nullptr);
    QStringList legendes;
    for (QAction *a : fichier->actions())
        legendes << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(legendes, (QStringList{"Nouveau", "-", "Copier", "Ouvir", "Sauver", "-", "Quiter"}));
    EXPECT_FALSE(Action("T_Outils")->isVisible());
    EXPECT_FALSE(Action("T_Mode")->isVisible());
    EXPECT_FALSE(Action("Voilure_Libre")->isVisible());
    EXPECT_EQ(Action("Voilure_Class")->text(), QStringLiteral("Voilure Internatoinal CLASS"));
    EXPECT_TRUE(Action("Son")->isChecked());
    EXPECT_FALSE(Action("PressePapier")->isChecked());
    EXPECT_TRUE(Action("astuce")->isChecked());
    QMenu *aide = cadre->findChild<QMenu *>(QStringLiteral("T_Aide"));
    int sujets = 0;
    for (QAction *a : aide->findChildren<QAction *>())
        if (!a->menu() && !a->isSeparator() && !a->text().isEmpty())
            ++sujets;
    EXPECT_EQ(sujets, 17);
    EXPECT_EQ(Action("PH")->text(), QStringLiteral("Horizontale"));
    EXPECT_EQ(cadre->Toolbar1()->widgetForAction(Action("Calcul_Gite"))->toolTip(),
              QString::fromUtf8("Calcul Gîte 0-30°"));
    EXPECT_EQ(Bouton_Gite(4)->toolTip(), QString::fromUtf8("Gite 20°"));
}

TEST_F(Cadre_Test, OptionsSonPressePapierAstuce) {
    Action("Son")->trigger();
    EXPECT_FALSE(Action("Son")->isChecked());
    Action("Son")->trigger();
    EXPECT_TRUE(Action("Son")->isChecked());
    Action("PressePapier")->trigger();
    Action("PressePapier")->trigger();
    EXPECT_TRUE(Action("PressePapier")->isChecked()); // only ever checked by its command
    EXPECT_EQ(ctx().PressePapier, Action("PressePapier"));
    Action("astuce")->trigger();
    EXPECT_EQ(e.P(305), 1);
    Action("astuce")->trigger();
    EXPECT_EQ(e.P(305), 0);
}

TEST_F(Cadre_Test, BoutonsDeGiteEtVerrouillageDesMenus) {
    cadre->show();
    QTest::mouseClick(Bouton_Gite(3), Qt::LeftButton);
    EXPECT_EQ(e.P(26), 15);
    EXPECT_EQ(Panneau(3), QStringLiteral("Gite: 15"));

    cadre->Shell().Desactive_Menus();
    EXPECT_FALSE(cadre->Toolbar1()->isEnabled());
    for (const char *m :
         {"T_Fichier", "T_Impression", "T_Configuration", "T_Outils", "T_Mode", "T_Aide", "T_Info"})
        EXPECT_FALSE(Action(m)->isEnabled()) << m;
    QTest::mouseClick(Bouton_Gite(6), Qt::LeftButton);
    EXPECT_EQ(e.P(26), 15);
    // The lights still change while everything is locked.
    Invalide_Calculs(e, cadre->Shell());
    e.P(190) = 0;
    Affiche_Voyants(e, cadre->Shell());
    EXPECT_EQ(Couleur_Voyant(4), COULEUR_VERTE);
    EXPECT_EQ(Couleur_Voyant(3), COULEUR_ROUGE);

    cadre->Shell().Active_Menus();
    EXPECT_TRUE(Action("T_Info")->isEnabled());
    // Turned off in the definition: enabling the menus does not bring them back.
    EXPECT_FALSE(Action("T_Outils")->isVisible());
    QTest::mouseClick(Bouton_Gite(6), Qt::LeftButton);
    EXPECT_EQ(e.P(26), 30);
}

TEST_F(Cadre_Test, RienNeDemarrePendantUnCalcul) {
    cadre->show();
    e.P(26) = 20;
    {
        // A computation started elsewhere yields to events: nothing may start meanwhile.
        Contexte::Garde_Occupe occupe(ctx());
        Clique_Touche("Stabilite");
        QTest::mouseClick(Bouton_Gite(1), Qt::LeftButton);
        Action("Nouveau")->trigger();
    }
    EXPECT_EQ(e.P(26), 20);
    EXPECT_EQ(ctx().Existante<Asst_0>(), nullptr);
    Clique_Touche("Stabilite");
    EXPECT_EQ(e.P(26), 0);
    EXPECT_EQ(Panneau(3), QStringLiteral("Gite  0"));
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));

    // "Nouveau" once the way is free: every child hidden, then the assistant shown.
    ctx().Fenetre<AProfile>().Montre();
    Action("Nouveau")->trigger();
    EXPECT_FALSE(ctx().Fenetre<AProfile>().Visible());
    ASSERT_NE(ctx().Existante<Asst_0>(), nullptr);
    EXPECT_TRUE(ctx().Existante<Asst_0>()->Visible());
}

TEST_F(Cadre_Test, UneCommandeDuMenuNeSeLaissePasInterrompre) {
    cadre->show();
    const std::string projet = dossier + "/b.cot";
    Faux_Services::Ecrit_Projet_Faux(projet, 3);
    dialogue.ouvre = QString::fromStdString(projet);
    e.P(26) = 10;
    // The set-up lets events run: the user clicks a heel button and a toolbar key.
    Services().verifie_projet_lu = [this](Etat_Projet &, Interface_Shell &) {
        QTest::mouseClick(Bouton_Gite(5), Qt::LeftButton);
        Clique_Touche("Stabilite");
    };
    Action("M_Fichier_Ouvrir")->trigger();
    EXPECT_EQ(e.P(1), 3);
    EXPECT_EQ(e.P(26), 10);
    QTest::mouseClick(Bouton_Gite(5), Qt::LeftButton);
    EXPECT_EQ(e.P(26), 25);
}

TEST_F(Cadre_Test, UnEchecRendLesMenusCacheLAttenteEtEcritPret) {
    cadre->show();
    Services().calcul_tab = [](Etat_Projet &) { throw Erreur_Gabarit("table impossible"); };
    cadre->Shell().Texte_Statut(1, "Calcul");
    cadre->Shell().Montre_Attente(true);
    ASSERT_TRUE(ctx().Existante<AEnCours>()->Visible());
    Clique_Touche("Aff_Valeur");
    EXPECT_FALSE(ctx().Existante<AEnCours>()->Visible());
    EXPECT_TRUE(cadre->Toolbar1()->isEnabled());
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));
}

// One click on "Vue Générale" draws four views and gives one box, whichever tells first: a
// view's refusal naming its records, or the flotation the sections view works out. Views that
// met the same refusal do not tell it again when clicked; the sections view's own reason waits
// for a click on it, not for a resize after a key the busy program ignored.
struct Vue_Generale_Cas {
    const char *quoi;
    std::vector<std::pair<int, double>> poses, tapes; // set as read; typed in the editor
    const char *boite, *sur_coupe;
};
void PrintTo(const Vue_Generale_Cas &c, std::ostream *os) { *os << c.quoi; }
class Vue_Generale_Table : public Cadre_Test,
                           public ::testing::WithParamInterface<Vue_Generale_Cas> {};

TEST_P(Vue_Generale_Table, UneBoiteParClic) {
    const Vue_Generale_Cas &c = GetParam();
    Fichiers_Reels({"tov0.mas", "nacaa.ini"});
    cadre->show();
    dialogue.ouvre = QString::fromStdString(dossier + "/tov0.mas");
    Action("M_Fichier_Ouvrir")->trigger();
    for (auto [n, v] : c.poses)
        e.P(n) = v;
    Ouvre_Editeur(ctx());
    for (auto [n, v] : c.tapes)
        Editeur(ctx(), n, v);
    messages.clear();
    Clique_Touche("Vue_Géné");
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.startsWith(QString::fromUtf8(c.boite)))
        << messages[0].texte.toStdString();
    {
        Contexte::Garde_Occupe occupe(ctx());
        Clique_Touche("Vue_Géné");
    }
    ctx().Fenetre<ACoup>().Form_Resize();
    QTest::mouseClick(ctx().Fenetre<AVoile>().Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(ctx().Fenetre<ADeplacement>().Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_EQ(messages.size(), 1u) << messages.back().texte.toStdString();
    QTest::mouseClick(ctx().Fenetre<ACoup>().Picture1, Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].texte.startsWith(QString::fromUtf8(c.sur_coupe)))
        << messages[1].texte.toStdString();
}

const char *const FLOTTAISON = "Calcul de flottaison impossible";
// The rudder behind the stern (sail and displacement views) and a vertical step of 0; typed, the
// widest station at the transom (the mast moved first: the editor refuses a hull that leaves it
// ahead of the stem) or the keel at the transom, where the sections view cannot float the hull.
const Vue_Generale_Cas VUE_GENERALE[] = {
    {"safran",
     {{136, 0}, {37, 0}},
     {},
     "Le pied du safran dépasse en arrière",
     "Le pas vertical (n° 37) vaut 0"},
    {"maitre_couple", {}, {{83, 300}, {2, 0}}, FLOTTAISON, FLOTTAISON},
    {"derive", {}, {{110, 0}}, "Le pied de la dérive dépasse en arrière", FLOTTAISON},
};
INSTANTIATE_TEST_SUITE_P(Cadre, Vue_Generale_Table, ::testing::ValuesIn(VUE_GENERALE),
                         [](const auto &i) { return std::string(i.param.quoi); });

TEST_F(Cadre_Test, VueGeneraleSurLaZoneClienteDonnee) {
    cadre->show();
    const int W = ctx().Largeur_Cadre(), H = ctx().Hauteur_Cadre();
    ASSERT_GT(W, 100);
    cadre->Shell().Texte_Statut(2, "X");
    Clique_Touche("Vue_Géné");
    const Arrangement_Vue_Generale a = Arrange_Vue_Generale(W, H);
    auto rect = [](Fenetre_Fille &f) {
        return Rect_Fenetre{f.Gauche(), f.Haut(), f.Largeur_Externe(), f.Hauteur_Externe()};
    };
    EXPECT_EQ(rect(ctx().Fenetre<AProfile>()), a.profile);
    EXPECT_EQ(rect(ctx().Fenetre<ACoup>()), a.coupe);
    EXPECT_EQ(rect(ctx().Fenetre<AVoile>()), a.voile);
    EXPECT_EQ(rect(ctx().Fenetre<ADeplacement>()), a.deplacement);
    EXPECT_TRUE(ctx().Fenetre<AVoile>().Visible());
    EXPECT_TRUE(ctx().Fenetre<ADeplacement>().Visible());
    EXPECT_EQ(Panneau(2), QStringLiteral("TB_ET"));
    EXPECT_EQ(e.Cle_Vue, "TB_ET");

    // The hull-form key replaces the whole arrangement.
    Clique_Touche("Profile");
    Menu_FG &fg = ctx().Fenetre<Menu_FG>();
    EXPECT_EQ(fg.Gauche(), 0);
    EXPECT_EQ(fg.Haut(), 0);
    const Arrangement_Outil o = Arrange_Outil(W, H, fg.Largeur_Externe(), fg.Hauteur_Externe());
    EXPECT_EQ(rect(ctx().Fenetre<ACoup>()), o.dessous);
    EXPECT_EQ(rect(ctx().Fenetre<AProfile>()), o.vue);
    EXPECT_FALSE(ctx().Fenetre<AVoile>().Visible());
    EXPECT_FALSE(ctx().Fenetre<ADeplacement>().Visible());

    // The weights key: its window at the top left, the weights view on its right.
    Clique_Touche("Deplacement");
    Menu_Deplacement &dp = ctx().Fenetre<Menu_Deplacement>();
    EXPECT_EQ(dp.Gauche(), 0);
    EXPECT_EQ(dp.Haut(), 0);
    const Arrangement_Outil d = Arrange_Outil(W, H, dp.Largeur_Externe(), dp.Hauteur_Externe());
    EXPECT_EQ(rect(ctx().Fenetre<ADeplacement>()), d.vue);
    EXPECT_TRUE(ctx().Fenetre<ADeplacement>().Visible());
    EXPECT_FALSE(ctx().Fenetre<ACoup>().Visible());
}

TEST_F(Cadre_Test, AfficheLesValeursCentreeEtRemplie) {
    cadre->show();
    e.P(1) = 800;
    e.P(2) = 200;
    e.P(26) = 10;
    Clique_Touche("Aff_Valeur");
    Menu_VarList &liste = ctx().Fenetre<Menu_VarList>();
    EXPECT_TRUE(liste.Visible());
    ASSERT_EQ(liste.List1()->count(), 300);
    EXPECT_TRUE(liste.List1()->item(0)->text().startsWith(QStringLiteral("1\t")));
    EXPECT_EQ(liste.List1()->currentRow(), 0);
    const Rect_Fenetre r = Centre(ctx().Largeur_Cadre(), ctx().Hauteur_Cadre(),
                                  liste.Largeur_Externe(), liste.Hauteur_Externe());
    EXPECT_EQ(liste.Gauche(), r.gauche);
    EXPECT_EQ(liste.Haut(), r.haut);
    EXPECT_TRUE(A_Fait("calcul_tab"));
    EXPECT_EQ(e.P(26), 0);
}

TEST_F(Cadre_Test, QuiterEcritLesReglagesMemeEnEchec) {
    cadre->MDIForm1_MDIForm_Load();
    e.P(301) = 60;
    Action("M_Fichier_Quitter")->trigger();
    EXPECT_EQ(Octets(ini()).substr(0, 9), " 60000 \r\n");
    EXPECT_FALSE(cadre->isVisible());
    EXPECT_TRUE(messages.empty()); // a setting is no change of the project: no question

    MDIForm1 autre(e);
    autre.MDIForm1_MDIForm_Load();
    autre.show();
    faux.reglages_bloques = true;
    autre.close(); // the close box
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, MB_STOP);
    EXPECT_TRUE(messages[0].texte.contains(QStringLiteral("tov.ini")));
    EXPECT_FALSE(autre.isVisible());
}

TEST_F(Cadre_Test, EditeurDeParametresCentreDesSaPremiereOuverture) {
    cadre->show();
    const int W = ctx().Largeur_Cadre(), H = ctx().Hauteur_Cadre();
    Clique_Touche("Aff_Valeur");
    Menu_VarList &liste = ctx().Fenetre<Menu_VarList>();
    ASSERT_TRUE(liste.Visible());
    // Centred with the size the window keeps, not the size it had before its first showing.
    EXPECT_EQ(liste.Largeur_Externe(), Twips_En_Pixels(5940));
    EXPECT_EQ(liste.Hauteur_Externe(), Twips_En_Pixels(6810));
    EXPECT_EQ(liste.Gauche(), (W - liste.Largeur_Externe()) / 2);
    EXPECT_EQ(liste.Haut(), (H - liste.Hauteur_Externe()) / 2);
}

} // namespace
