#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/Image_Vue.h"
#include "platform/Twips.h"
#include "rig/Table_Naca.h"
#include "stability/fenetres/Menu_Compar.h"
#include "stability/fenetres/Rafraichit_Comparaison.h"
#include "support/Banc_Fenetre.h"
#include "support/Cadre_Test.h"
#include "support/Projets_Compares.h"
#include "views/fenetres/Redessine.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

const QColor ROUGE(255, 0, 0), VERT(0, 128, 0);

// Project A current ("bateau.cot"), project B as the program folder's master, which is the
// compared file at start.
struct Banc : Banc_Fenetre {
    Dialogue_Test dialogue;
    Banc() {
        e.Dossier_Programme = Dossier_Temporaire();
        A_Contre_B_Maitre(e, e.Dossier_Programme);
        Installe_Dialogue_Fichier(&dialogue);
    }
    ~Banc() { Installe_Dialogue_Fichier(nullptr); }
    std::string Chemin(const std::string &nom) const { return e.Dossier_Programme + "/" + nom; }
    // A compared file: project B with its flag of heel 5k out of date when k >= 0.
    std::string Ecrit_B(const std::string &nom, double poids, int perime = -1) {
        Ecrit_Projet_B(Chemin(nom), poids, perime);
        return Chemin(nom);
    }
    // Shown; its activation runs once the showing is over.
    Menu_Compar &Ouvre() { return Banc_Fenetre::Ouvre<Menu_Compar>(); }
    static void Montre(Menu_Compar &w) {
        w.Montre();
        QApplication::processEvents();
    }
};

QString Texte(Menu_Compar &w, const char *nom) {
    auto *l = w.findChild<QLabel *>(QString::fromLatin1(nom));
    EXPECT_NE(l, nullptr) << nom;
    return l ? l->text() : QString();
}
QColor Couleur(QLabel *l) { return l->palette().color(QPalette::WindowText); }

void Choisit(Banc &b, Menu_Compar &w, const std::string &chemin) {
    b.dialogue.ouvre = QString::fromStdString(chemin);
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
}

TEST(Menu_Compar, ComparaisonALaPremiereOuverture) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.windowTitle(), "Menu Comparaison");
    const char *onglets[4] = {"Choix", "Stabilite ", "Rapport", "Surface"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.SSTab1()->tabText(i), QString::fromLatin1(onglets[i]));
    EXPECT_EQ(w.Largeur_Externe(), Twips_En_Pixels(5865));
    EXPECT_EQ(w.Hauteur_Externe(), Twips_En_Pixels(3750));
    for (const char *n : {"Label2", "Label3", "Label13", "Label18"})
        EXPECT_EQ(Texte(w, n), "bateau.cot") << n;
    for (const char *n : {"Label9", "Label4", "Label14", "Label19"})
        EXPECT_EQ(Texte(w, n), "tov0.mas") << n;

    // Length, half-breadth, depth, weight, sail area, sail per gram, sail per moment.
    const int ecarts[7] = {5, 20, -3, 10, 15, 4, -10};
    const char *textes[7] = {"5%", "20%", "-3%", "10%", "15%", "4%", "-10%"};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(w.Slider1(k)->value(), ecarts[k]) << k;
        EXPECT_EQ(w.Slider1(k)->minimum(), -100);
        EXPECT_EQ(w.Slider1(k)->maximum(), 100);
        EXPECT_EQ(w.Valeur_Ecart(k)->text(), QString::fromLatin1(textes[k])) << k;
    }
    EXPECT_EQ(Texte(w, "Label11_3"), "10%");
    EXPECT_EQ(Texte(w, "Label12_6"), "4%");   // "Voilure / Poid"
    EXPECT_EQ(Texte(w, "Label12_5"), "-10%"); // "Voilure / Stabilite"
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_POIDS)), ROUGE);
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_VOILURE)), VERT);
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_VOILURE_POIDS)), VERT);
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_VOILURE_STABILITE)), ROUGE);

    const char *moments[7] = {"0%", "10%", "50%", "12%", "4%", "-5%", "-8%"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w.Label5(i)->text(), QString::fromLatin1(moments[i])) << i;
    // Picture1 is 145 pixels high for 38 mm: B's 65000 at 30 fills it, A's 60000 stands
    // 145 x 60000 / 65000 = 133.8 high (top 11), the moments of 0 show nothing.
    EXPECT_EQ(w.Shape2(6)->y(), 0);
    EXPECT_EQ(w.Shape1(6)->y(), 11);
    EXPECT_EQ(w.Shape1(0)->y(), 145);
    EXPECT_EQ(w.Shape2(0)->y(), 145);
    EXPECT_EQ(w.Shape1(3)->x() + Twips_En_Pixels(360), w.Shape2(3)->x());
    EXPECT_EQ(w.Shape1(6)->height(), 145);
    // Picture3(1), 137 pixels: B's 65000 / 4000 fills it; A's 60000 / 4600 = 13.04 stands
    // 137 x 13.04 / 16.25 = 110.0 high (top 27).
    EXPECT_EQ(w.Shape5(6)->y(), 0);
    EXPECT_EQ(w.Shape4(6)->y(), 27);
    EXPECT_EQ(w.Shape4(0)->y(), 137);
    const char *surfaces[4] = {"168", "162", "150", "145"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.Label21(i)->text(), QString::fromLatin1(surfaces[i])) << i;
    EXPECT_EQ(w.Picture2()->Effacements(), 1);
    EXPECT_TRUE(b.shell.messages.empty());
    EXPECT_TRUE(b.shell.sons.empty());
}

TEST(Menu_Compar, FeuRougeRefuseCacheEtRevientAuMaitre) {
    Banc b;
    b.e.Nom_Compar = b.Ecrit_B("perime.cot", 1000, 3);
    Menu_Compar &w = b.Ouvre();
    EXPECT_FALSE(w.Visible());
    ASSERT_EQ(b.shell.sons.size(), 1u);
    EXPECT_EQ(b.shell.sons[0], "TAUNT011.wav");
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].titre, "ATTENTION");
    EXPECT_EQ(b.shell.messages[0].texte.substr(0, 23), "COMPARAISON IMPOSSIBLE\r");
    EXPECT_EQ(b.e.Nom_Compar, "tov0.mas");
    // Shown again, it compares with the master.
    Banc::Montre(w);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(Texte(w, "Label9"), "tov0.mas");
    EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "10%");
    EXPECT_EQ(b.shell.messages.size(), 1u);

    // The current project's lights count as much.
    b.e.P(Etat_Gite(6)) = 1;
    w.SSTab1()->setCurrentIndex(1);
    QTest::mouseClick(w.Command1(1), Qt::LeftButton);
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(b.shell.messages.size(), 2u);
}

TEST(Menu_Compar, VersionsDuFichierCompare) {
    for (const auto &[version, admise] : std::vector<std::pair<std::string, bool>>{
             {"Version 2.3.0", true}, {"Version 2.2.10", false}}) {
        Banc b;
        Ecrit_Projet_Compare(b.Chemin("v.cot"), false, version);
        b.e.Nom_Compar = b.Chemin("v.cot");
        Menu_Compar &w = b.Ouvre();
        EXPECT_EQ(w.Visible(), admise) << version;
        EXPECT_EQ(b.shell.messages.size(), admise ? 0u : 1u) << version;
        EXPECT_EQ(b.e.Texte_Projet2[300], version);
    }
}

TEST(Menu_Compar, ChoixLitLeFichierEtCompare) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    const std::string lourd = b.Ecrit_B("lourd.cot", 1375);
    Choisit(b, w, lourd);
    EXPECT_EQ(b.dialogue.ouvertures, 1);
    EXPECT_EQ(b.e.Nom_Compar, lourd);
    for (const char *n : {"Label9", "Label4", "Label14", "Label19"})
        EXPECT_EQ(Texte(w, n).toStdString(), lourd) << n;
    EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "-20%"); // 1100 / 1375 = 0.8
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_POIDS)), VERT);

    // Cancelled: the file compared so far stays.
    b.dialogue.ouvre.clear();
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(b.e.Nom_Compar, lourd);
    EXPECT_EQ(Texte(w, "Label9").toStdString(), lourd);
    EXPECT_TRUE(b.shell.messages.empty());

    // A file that cannot be read is reported; the window and the name stay as they were.
    Ecrit_Octets(b.Chemin("court.cot"), " 1 \r\n 1000 \r\n");
    Choisit(b, w, b.Chemin("court.cot"));
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_NE(b.shell.messages[0].texte.find("court.cot"), std::string::npos);
    EXPECT_EQ(b.shell.messages[0].style, MB_EXCLAMATION);
    EXPECT_EQ(b.e.Nom_Compar, lourd);
    EXPECT_EQ(Texte(w, "Label9").toStdString(), lourd);
    EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "-20%");
    EXPECT_TRUE(w.Visible());

    // A refused file hides the window; shown again with the master unreadable, it still
    // shows the last comparison under that comparison's names.
    Choisit(b, w, b.Ecrit_B("perime.cot", 1000, 2));
    EXPECT_FALSE(w.Visible());
    Ecrit_Octets(b.Chemin("tov0.mas"), "");
    Banc::Montre(w);
    EXPECT_EQ(b.shell.messages.size(), 3u);
    EXPECT_EQ(Texte(w, "Label9").toStdString(), lourd);
    EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "-20%");
}

TEST(Menu_Compar, DiviseurNulDonneUnTiretSansResteDeLaComparaisonPrecedente) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    ASSERT_EQ(w.Valeur_Ecart(ECART_VOILURE)->text(), "15%");
    // A compared boat whose sails are too small to count (a weightless one the open
    // refuses): a mainsail foot of half a millimetre, widths under 1 mm summed with truncation
    // to 0, and a jib 20 mm long on a luff of 0.05 mm, Int(0.5) = 0.
    Etat_Projet sans_voile;
    Remplit_Projet(sans_voile.Tab_Param, false);
    sans_voile.P(LARGEUR_GV) = 0.5, sans_voile.P(HAUTEUR_FOC) = 40.05;
    sans_voile.P(LARGEUR_FOC) = 20;
    Derive_Valeurs(sans_voile);
    ASSERT_EQ(sans_voile.P(SURFACE_VOILURE), 0);
    Ecrit_Fichier_Projet(b.Chemin("vide.cot"), sans_voile);
    Choisit(b, w, b.Chemin("vide.cot"));
    EXPECT_EQ(w.Valeur_Ecart(ECART_VOILURE)->text(), "-");
    EXPECT_EQ(w.Valeur_Ecart(ECART_VOILURE_POIDS)->text(), "-");
    EXPECT_EQ(w.Slider1(ECART_VOILURE)->value(), 0);
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_VOILURE)), w.palette().color(QPalette::WindowText));
    EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "10%");
    EXPECT_TRUE(b.shell.messages.empty());
}

TEST(Menu_Compar, ChaqueActivationRecompare) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    ASSERT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "10%");
    // Hidden with the others, then shown again on a lighter boat whose moment at 5 degrees
    // is 11 times B's 10000: lighter shows green, a gap past 999 % a tilde.
    Cache_Fenetres(b.ctx);
    b.e.P(POIDS_TOTAL) = 900;
    b.e.P(Moment_Redressement(1)) = 110000;
    b.e.Nom_Projet = "leger.cot";
    Banc::Montre(w);
    EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "-10%");
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_POIDS)), VERT);
    EXPECT_EQ(w.Label5(1)->text(), "~");
    EXPECT_EQ(w.Label5(2)->text(), "50%");
    EXPECT_EQ(Texte(w, "Label3"), "leger.cot");
}

TEST(Menu_Compar, RafraichiSeulementVisible) {
    Banc b;
    Rafraichit_Comparaison(b.ctx); // never opened: nothing made, nothing read
    EXPECT_EQ(b.ctx.Existante<Menu_Compar>(), nullptr);
    Menu_Compar &w = b.Ouvre();
    b.e.P(SURFACE_VOILURE) = 3000; // 75 %
    Rafraichit_Comparaison(b.ctx);
    EXPECT_EQ(w.Valeur_Ecart(ECART_VOILURE)->text(), "-25%");
    EXPECT_EQ(Couleur(w.Valeur_Ecart(ECART_VOILURE)), ROUGE);
    w.Cache();
    b.e.P(SURFACE_VOILURE) = 4600;
    b.e.Nom_Compar = "absent.cot";
    Rafraichit_Comparaison(b.ctx);
    EXPECT_EQ(w.Valeur_Ecart(ECART_VOILURE)->text(), "-25%");
    EXPECT_TRUE(b.shell.messages.empty());
}

TEST(Menu_Compar, MinimiseeGardeSaTaille) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    w.Cadre()->showMinimized();
    const QSize reduite = w.Cadre()->size();
    ASSERT_NE(reduite.height(), Twips_En_Pixels(3750));
    b.zone->setActiveSubWindow(nullptr);
    b.zone->setActiveSubWindow(w.Cadre());
    QApplication::processEvents();
    EXPECT_EQ(w.Cadre()->size(), reduite);
}

// The frame's toolbar key and menu item.
class Comparaison_Cadre : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        A_Contre_B_Maitre(e, dossier);
        cadre->Shell().Lecteur_Son = [this](const QString &chemin) {
            joues << QFileInfo(chemin).fileName();
        };
        cadre->show();
    }
    QStringList joues;
};

TEST_F(Comparaison_Cadre, ToucheDeLaBarre) {
    e.P(ANGLE_GITE) = 15;
    Clique_Touche("Compar");
    QApplication::processEvents();
    Menu_Compar *w = ctx().Existante<Menu_Compar>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(joues, QStringList{"ocean4.wav"});
    EXPECT_EQ(w->Largeur_Externe(), Twips_En_Pixels(5865));
    EXPECT_EQ(w->Hauteur_Externe(), Twips_En_Pixels(3750));
    EXPECT_EQ(w->Valeur_Ecart(ECART_POIDS)->text(), "10%");
    EXPECT_EQ(e.P(ANGLE_GITE), 0);
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));

    // Minimised, the key leaves its icon as it is, not stretched to the window's size.
    w->Cadre()->showMinimized();
    QApplication::processEvents();
    const QSize icone = w->Cadre()->size();
    Clique_Touche("Compar");
    QApplication::processEvents();
    EXPECT_EQ(w->Cadre()->size(), icone);
}

TEST_F(Comparaison_Cadre, ItemDuMenuContreLeMaitre) {
    // The master of data/, every heel result computed: weight 1100 against 3920 g. Its bulb
    // hangs by its profile, from the NACA table the start-up read.
    Ecrit_Octets(dossier + "/tov0.mas", Octets(Dossier_Donnees() + "/tov0.mas"));
    Ecrit_Octets(dossier + "/nacaa.ini", Octets(Dossier_Donnees() + "/nacaa.ini"));
    Lit_Table_Naca(e);
    Action("Comparaison")->trigger();
    QApplication::processEvents();
    Menu_Compar *w = ctx().Existante<Menu_Compar>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->Valeur_Ecart(ECART_POIDS)->text(), "-72%");
    EXPECT_EQ(w->Valeur_Ecart(ECART_VOILURE_STABILITE)->text(), "1095%");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(joues.isEmpty());
}

TEST_F(Comparaison_Cadre, RefusSonore) {
    Ecrit_Projet_B(dossier + "/tov0.mas", 1000, 5);
    Clique_Touche("Compar");
    QApplication::processEvents();
    EXPECT_FALSE(ctx().Existante<Menu_Compar>()->Visible());
    EXPECT_EQ(joues, (QStringList{"ocean4.wav", "TAUNT011.wav"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].titre, QStringLiteral("ATTENTION"));
    EXPECT_EQ(messages[0].style, MB_EXCLAMATION);
}

} // namespace

namespace {
// Relative luminance of a colour on a screen (sRGB), 0 for black, 1 for white.
double Luminance(const QColor &c) {
    auto lin = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
}
QColor Fond(QWidget *w) { return w->palette().color(QPalette::Window); }
} // namespace

TEST(Menu_Compar, CouleursDesProjetsLisibles) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    // Legend squares: even ones the current project, odd ones the compared one.
    const QColor jaune_clair(255, 255, 128), vert(0, 176, 0), vert_clair(0, 192, 0);
    const QColor attendu[8] = {jaune_clair, vert,       jaune_clair,         vert,
                               jaune_clair, vert_clair, QColor(255, 255, 0), vert};
    for (int i = 0; i < 8; ++i) {
        auto *f = w.findChild<QFrame *>(QStringLiteral("Shape3_%1").arg(i));
        ASSERT_NE(f, nullptr) << i;
        EXPECT_EQ(Fond(f), attendu[i]) << i;
    }
    EXPECT_EQ(Fond(w.Shape1(0)), jaune_clair);
    EXPECT_EQ(Fond(w.Shape2(6)), vert);
    EXPECT_EQ(Fond(w.Shape4(0)), jaune_clair);
    EXPECT_EQ(Fond(w.Shape5(6)), vert_clair);
    // The compared bars stand out from the charts' dark ground (contrast at least 4.5:1).
    const double fond = Luminance(Fond(w.Shape2(0)->parentWidget()));
    EXPECT_GE((Luminance(vert) + 0.05) / (fond + 0.05), 4.5);
}

TEST(Menu_Compar, LegendesEntieres) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    for (QLabel *l : w.findChildren<QLabel *>()) {
        const QRect r = l->contentsRect();
        // Every line of the type fits, accents included ("Gîte :").
        EXPECT_GE(r.height(), l->fontMetrics().height()) << l->objectName().toStdString();
        if (!l->wordWrap())
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), r.width())
                << l->objectName().toStdString();
    }
}

TEST(Menu_Compar, ActivationPendantUnCalculRepriseEnsuite) {
    Banc b;
    Menu_Compar &w = b.Ouvre();
    ASSERT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "10%");
    Cache_Fenetres(b.ctx);
    {
        Contexte::Garde_Occupe occupe(b.ctx);
        b.e.P(POIDS_TOTAL) = 900;
        Banc::Montre(w);
        EXPECT_EQ(w.Valeur_Ecart(ECART_POIDS)->text(), "10%");
    }
    // Compared again once the computation is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.Valeur_Ecart(ECART_POIDS)->text() == "-10%"; }));
}
