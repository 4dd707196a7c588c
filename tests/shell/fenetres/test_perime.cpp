// The heel lights after every window command that writes the record, driven as a user would
// on the master project afloat with its centre of gravity worked out from its weights and
// seven green lights: a changed value the heel results are computed from turns red every heel
// the command did not compute itself; the same value leaves the lights as they were; showing
// a window changes nothing of the project.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "interfaces/Shell_Muet.h"
#include "model/Carene.h"
#include "model/Equilibre.h"
#include "model/Flottaison.h"
#include "model/Projet_Enregistre.h"
#include "model/Voyants.h"
#include "model/fenetres/Asst_0.h"
#include "model/fenetres/Editeur_Forme.h"
#include "model/fenetres/Menu_FG.h"
#include "model/fenetres/Menu_VarList.h"
#include "model/fenetres/Menu_VariationForme.h"
#include "platform/Nombres.h"
#include "printing/fenetres/Menu_Impression.h"
#include "rig/fenetres/Comp_Bulbe.h"
#include "rig/fenetres/Comp_Derive.h"
#include "rig/fenetres/Comp_Safran.h"
#include "rig/fenetres/Menu_Appendice.h"
#include "rig/fenetres/Menu_Voile.h"
#include "rig/fenetres/Menu_VoileClass.h"
#include "shell/Projet_Lu.h"
#include "shell/Serie_Gite.h"
#include "shell/Services_Projet.h"
#include "shell/Suivi_Commande.h"
#include "shell/fenetres/AEnCours.h"
#include "shell/fenetres/Aastuce.h"
#include "shell/fenetres/Aide.h"
#include "shell/fenetres/Presentation.h"
#include "stability/Centrage.h"
#include "stability/Derivation.h"
#include "stability/fenetres/Menu_Compar.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "stability/fenetres/Menu_Stabilite.h"
#include "support/Banc_Fenetre.h"
#include "support/Chemins_Test.h"
#include "support/Gestes.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

struct Banc : Banc_Maitre {
    Banc() { Calcul_Centrage(e, shell); }
    // Seven green lights over results taken as those of the project as it stands.
    void Vert() {
        for (int k = 0; k < 7; ++k)
            e.P(186 + k) = 0;
        Affiche_Voyants(e, shell);
    }
    // The heels out of date, bit k for heel 5k; the painted lights must say the same.
    int Rouges() {
        int r = 0;
        for (int k = 0; k < 7; ++k) {
            const bool rouge = e.P(186 + k) == 1;
            EXPECT_EQ(shell.voyants[static_cast<std::size_t>(k)],
                      rouge ? COULEUR_ROUGE : COULEUR_VERTE)
                << "light " << 5 * k;
            r |= rouge ? 1 << k : 0;
        }
        return r;
    }
    template <class W, class T> T *Dans(const char *nom) {
        return Enfant<T>(ctx.Fenetre<W>(), QString::fromLatin1(nom));
    }
};

constexpr int TOUTES = 0b1111111;
// The command floats the hull upright again (the centring): the 0 degree light stays green.
constexpr int SAUF_0 = 0b1111110;

void Ouvre_Editeur_Banc(Banc &b) { test::Ouvre_Editeur(b.ctx); }
void Editeur(Banc &b, int n, double v) { test::Editeur(b.ctx, n, v); }

struct Ligne {
    const char *commande; // window, control, what is typed or clicked: the record written
    std::function<void(Banc &)> ouvre;
    std::function<void(Banc &, double)> fait; // the command, given the value
    double meme, change;                      // the value the record holds, another one
    int rouges;                               // after the change
};

// A value typed into box Text1(boite) of window W, then its button Command1(bouton) clicked.
template <class W> std::function<void(Banc &, double)> Saisie(int boite, int bouton) {
    return [=](Banc &b, double v) { test::Saisie<W>(b.ctx, boite, bouton, v); };
}
template <class W> std::function<void(Banc &)> Ouvre() {
    return [](Banc &b) { b.Ouvre<W>(); };
}
// The up arrow for a value of 1, the down arrow otherwise.
std::function<void(Banc &, double)> Fleche(std::function<UpDown *(Banc &)> f) {
    return [=](Banc &b, double v) { Clique_Fleche(f(b), v == 1); };
}
// A value typed into box Text1(i) of the stability window, then Enter.
void Lateral(Banc &b, double v) {
    QLineEdit *t = b.ctx.Fenetre<Menu_Stabilite>().Text1(0);
    Tape_Nombre(t, v);
    QTest::keyClick(t, Qt::Key_Return);
}

// The master: half-breadth 97, hull weight 1100 g, servo 1 at station 170, keel at 450 and
// 320 long, bulb 270 long at 50 %, bulb height 48.614, mainsail foot 340, cant 0, shape
// indices 2.
const Ligne LIGNES[] = {
    {"Menu_FG, Valide: the beam typed, record 5", Ouvre<Menu_FG>(),
     [](Banc &b, double v) {
         Tape_Nombre(b.Dans<Menu_FG, QLineEdit>("Text1_5"), v);
         Clique(b.Dans<Menu_FG, QPushButton>("Command1_0"));
     },
     194, 190, SAUF_0},
    // The step it puts back to L / 10 is no value of the boat.
    {"Menu_FG, Valide with the horizontal step at L / 10 + 7: the beam typed, record 5",
     [](Banc &b) {
         b.Ouvre<Menu_FG>();
         b.e.P(27) = b.e.L() / 10 + 7;
     },
     [](Banc &b, double v) {
         Tape_Nombre(b.Dans<Menu_FG, QLineEdit>("Text1_5"), v);
         Clique(b.Dans<Menu_FG, QPushButton>("Command1_0"));
     },
     194, 190, SAUF_0},
    {"Menu_FG, section-shape editor, widest section: marker dragged onto itself (a 0.45, "
     "b 0.35), then to (900, 900) twips, records 7 and 8",
     [](Banc &b) { Choisit_Section(b.ctx, 1); },
     [](Banc &b, double v) { Glisse_Forme(b.ctx, v == 0 ? 450 : 900, v == 0 ? 640 : 900); }, 0, 1,
     SAUF_0},
    {"Menu_VariationForme, up arrows at the top of the range: forward index 11 again, then "
     "aft index 11 typed over 2, records 107 and 108",
     [](Banc &b) {
         b.e.P(107) = 11;
         Calcul_Tab(b.e);
         Calcul_Centrage(b.e, b.shell);
         b.Ouvre<Menu_VariationForme>();
     },
     [](Banc &b, double v) {
         if (v == 1)
             Tape(b.Dans<Menu_VariationForme, QLineEdit>("Text1_1"), QStringLiteral("11"));
         Clique_Fleche(b.Dans<Menu_VariationForme, UpDown>(v == 0 ? "UpDown1_0" : "UpDown1_1"),
                       true);
     },
     0, 1, SAUF_0},
    {"Menu_Deplacement, Valide: servo 1 weight typed, record 60", Ouvre<Menu_Deplacement>(),
     Saisie<Menu_Deplacement>(0, 0), 45, 55, SAUF_0},
    {"Menu_Deplacement, C/Grav: servo 1 station typed, record 58", Ouvre<Menu_Deplacement>(),
     Saisie<Menu_Deplacement>(8, 8), 170, 200, SAUF_0},
    {"Menu_Stabilite, Balaste, servo 1 lateral: down arrow at 0, then up arrow, record 76",
     Ouvre<Menu_Stabilite>(),
     Fleche([](Banc &b) { return b.ctx.Fenetre<Menu_Stabilite>().UpDown1(0); }), 0, 1, TOUTES},
    {"Menu_Stabilite, Balaste, servo 1 lateral typed, Enter, record 76", Ouvre<Menu_Stabilite>(),
     Lateral, 0, 20, TOUTES},
    // The cant moves only the righting moments, which its release works out again for every
    // heel: no light turns red.
    {"Menu_Stabilite, Pendulaire: down arrow at 0, then up arrow, record 228",
     Ouvre<Menu_Stabilite>(),
     Fleche([](Banc &b) { return b.Dans<Menu_Stabilite, UpDown>("UpDown3"); }), 0, 1, 0},
    {"Menu_Appendice, Valide: keel length typed, record 113", Ouvre<Menu_Appendice>(),
     Saisie<Menu_Appendice>(7, 2), 320, 300, SAUF_0},
    {"Menu_Appendice, Valide: keel position typed, record 110", Ouvre<Menu_Appendice>(),
     Saisie<Menu_Appendice>(5, 2), 450, 440, SAUF_0},
    {"Menu_Appendice, Valide: bulb length typed, record 165", Ouvre<Menu_Appendice>(),
     Saisie<Menu_Appendice>(10, 4), 270, 250, SAUF_0},
    {"Menu_Appendice, Valide: bulb position typed, record 162", Ouvre<Menu_Appendice>(),
     Saisie<Menu_Appendice>(8, 4), 50, 40, SAUF_0},
    {"Comp_Bulbe, side view: Inferieur (its own profile again), then the next profile in the "
     "list, records 161 and 166",
     [](Banc &b) { b.Ouvre<Comp_Bulbe>().SSTab1()->setCurrentIndex(1); },
     [](Banc &b, double v) {
         if (v == 0)
             Clique_Option(b.ctx.Fenetre<Comp_Bulbe>().Option1(0));
         else
             QTest::keyClick(b.ctx.Fenetre<Comp_Bulbe>().Combo2(), Qt::Key_Down);
     },
     0, 1, TOUTES},
    // The editor stores and recomputes nothing.
    {"Menu_VarList, Valide: record 5", Ouvre_Editeur_Banc,
     [](Banc &b, double v) { Editeur(b, 5, v); }, 97, 95, TOUTES},
    {"Menu_VarList, Valide: record 57", Ouvre_Editeur_Banc,
     [](Banc &b, double v) { Editeur(b, 57, v); }, 1100, 1000, TOUTES},
    {"Menu_VarList, Valide: servo 1 lateral, record 76", Ouvre_Editeur_Banc,
     [](Banc &b, double v) { Editeur(b, 76, v); }, 0, 30, TOUTES},
    // No heel result reads the sails.
    {"Menu_VarList, Valide: record 85", Ouvre_Editeur_Banc,
     [](Banc &b, double v) { Editeur(b, 85, v); }, 340, 330, 0},
    {"Menu_Voile, Valide: mainsail foot typed, record 85", Ouvre<Menu_Voile>(),
     Saisie<Menu_Voile>(1, 0), 340, 330, 0},
};

} // namespace

TEST(Perime, ChaqueCommandeQuiEcritLeProjet) {
    for (const Ligne &l : LIGNES) {
        SCOPED_TRACE(l.commande);
        Banc b;
        l.ouvre(b);
        b.Vert();
        l.fait(b, l.meme);
        QApplication::processEvents();
        EXPECT_EQ(b.Rouges(), 0) << "the same value";
        b.Vert();
        l.fait(b, l.change);
        QApplication::processEvents();
        EXPECT_EQ(b.Rouges(), l.rouges) << "a changed value";
        EXPECT_TRUE(b.messages.empty()) << b.messages.front().texte.toStdString();
        EXPECT_TRUE(b.shell.messages.empty()) << b.shell.messages.front().texte;
    }
}

namespace {

// Every child window the program has, as its menu or key shows it.
struct Fenetre_Montree {
    const char *nom;
    std::function<Fenetre_Fille &(Banc &)> montre;
};
template <class W> Fenetre_Montree Montree(const char *nom) {
    return {nom, [](Banc &b) -> Fenetre_Fille & { return b.Ouvre<W>(); }};
}
template <class V> Fenetre_Montree Vue(const char *nom) {
    return {nom, [](Banc &b) -> Fenetre_Fille & { return b.Ouvre_Vue<V>(300); }};
}
const Fenetre_Montree FENETRES[] = {
    Montree<Menu_FG>("Menu_FG"),
    Montree<Menu_VariationForme>("Menu_VariationForme"),
    {"Menu_VarList",
     [](Banc &b) -> Fenetre_Fille & {
         test::Ouvre_Editeur(b.ctx);
         return b.ctx.Fenetre<Menu_VarList>();
     }},
    Montree<Asst_0>("Asst_0"),
    Montree<Menu_Deplacement>("Menu_Deplacement"),
    Montree<Menu_Stabilite>("Menu_Stabilite"),
    Montree<Menu_Compar>("Menu_Compar"),
    Montree<Menu_Appendice>("Menu_Appendice"),
    Montree<Comp_Derive>("Comp_Derive"),
    Montree<Comp_Safran>("Comp_Safran"),
    Montree<Comp_Bulbe>("Comp_Bulbe"),
    Montree<Menu_Voile>("Menu_Voile"),
    Montree<Menu_VoileClass>("Menu_VoileClass"),
    Montree<Menu_Impression>("Menu_Impression"),
    Vue<ACoup>("ACoup"),
    Vue<AProfile>("AProfile"),
    Vue<ADeplacement>("ADeplacement"),
    Vue<AVoile>("AVoile"),
    {"Aide",
     [](Banc &b) -> Fenetre_Fille & {
         b.ctx.Fenetre<Aide>().Montre_Sujet(0);
         return b.ctx.Fenetre<Aide>();
     }},
    {"Aastuce",
     [](Banc &b) -> Fenetre_Fille & {
         b.ctx.Fenetre<Aastuce>().Affiche_Astuce();
         return b.ctx.Fenetre<Aastuce>();
     }},
    Montree<Presentation>("Presentation"),
    Montree<AEnCours>("AEnCours"),
};

// The project file opened as the open does it.
void Ouvre_Projet(Banc &b, const std::string &chemin) {
    Services().lit_projet(chemin, b.e);
    Services().init_projet(b.e, b.shell);
    Services().init_variables(b.e, b.shell);
    Met_En_Place_Projet_Lu(b.e, b.shell);
}

// The master with values at the edges the open takes (shape-variation indices 1 and 11, the
// first and last NACA rows in keel, rudder and bulb records, comments with accents the
// Windows-1252 file holds), saved with its heel results computed for it.
// autre_carene: the master's results, then its half-breadth 5 set to 100 before it is written:
// results of another hull, which open under seven red lights.
std::string Ecrit_Projet_Limites(bool autre_carene = false) {
    auto e = std::make_unique<Etat_Projet>();
    Shell_Muet muet;
    test::Prepare_Maitre(*e, muet);
    for (auto [n, v] : {std::pair{107, 1},
                        {108, 11},
                        {18, 39},
                        {25, 0},
                        {88, 39},
                        {92, 0},
                        {159, 0},
                        {160, 39},
                        {161, 39}})
        e->P(n) = v;
    e->Texte_Projet[5] = "Demi-largeur à l'œil du maître-couple (mm)";
    e->Texte_Projet[107] = "Variation de forme à l'avant, étrave « fine »";
    Calcul_Tab(*e);
    Derive_Valeurs(*e);
    Fenetres_Muettes fenetres;
    Calcul_Gite_Serie(*e, muet, fenetres, Passes_Gite::Toutes);
    Derive_Valeurs(*e); // on the upright waterline the series found, as its command leaves it
    if (autre_carene)
        e->P(5) = 100;
    const std::string chemin =
        test::Dossier_Temporaire() + (autre_carene ? "/autre_carene.cot" : "/limites.cot");
    Ecrit_Fichier_Projet(chemin, *e);
    return chemin;
}

} // namespace

// What the open takes, every window keeps: each one shown, then each of its tabs, leaves every
// value, result and comment of the project as opened, nothing to save and the lights as they
// were. The master, a file at the edges the open takes, profiles between two rows put straight
// into the record, which no window may round, and results of another hull under red lights,
// which no window may store over.
TEST(Perime, MontrerUneFenetreNeChangeRienDuProjet) {
    const std::string limites = Ecrit_Projet_Limites();
    const struct {
        const char *projet;
        std::string chemin;
        bool entre_deux_rangs;
        int rouges;
    } projets[] = {{"master", test::Chemin_Maitre(), false, 0},
                   {"edges", limites, false, 0},
                   {"edges, then profiles 2.4, 3.5 and 0.5 in the record", limites, true, 0},
                   {"results of another hull", Ecrit_Projet_Limites(true), false, TOUTES}};
    const QString courant = QDir::currentPath(); // the help makes the program folder current
    for (const auto &p : projets) {
        SCOPED_TRACE(p.projet);
        Banc b;
        Ouvre_Projet(b, p.chemin);
        if (p.entre_deux_rangs) {
            b.e.P(160) = 2.4, b.e.P(18) = 3.5, b.e.P(88) = 0.5;
            Marque_Enregistre(b.e);
        }
        const Etat_Projet ouvert = b.e;
        EXPECT_EQ(b.Rouges(), p.rouges); // the file's results found again, or not
        for (const Fenetre_Montree &f : FENETRES) {
            SCOPED_TRACE(f.nom);
            Fenetre_Fille &w = f.montre(b);
            for (QTabWidget *t : w.findChildren<QTabWidget *>())
                for (int i = 0; i < t->count(); ++i) {
                    t->setCurrentIndex(i);
                    QApplication::processEvents();
                }
            EXPECT_FALSE(Projet_Change(ouvert, b.e));
            EXPECT_FALSE(Projet_Modifie(b.e));
            EXPECT_EQ(b.Rouges(), p.rouges);
        }
        // Out of date, the comparison alone says it cannot compare.
        EXPECT_TRUE(b.messages.empty()) << b.messages.front().texte.toStdString();
        for (const auto &m : b.shell.messages)
            EXPECT_TRUE(p.rouges && m.texte.rfind("COMPARAISON IMPOSSIBLE", 0) == 0) << m.texte;
    }
    QDir::setCurrent(courant);
}

// What the editor changes, the values derived from it follow at once: the total weight and
// the centre of gravity from a weight, the bulb height from the bulb length, the sail's areas.
// Opening the bulb window or the weights window's "Valide" with nothing typed then changes nothing
// more.
TEST(Perime, LesValeursDeriveesSuiventLEditeur) {
    Banc b;
    Ouvre_Editeur_Banc(b);
    b.Vert();
    Editeur(b, 60, 545); // servo 1: 45 g more than 500
    EXPECT_EQ(b.e.P(42), 3920 + 500);
    // The editor's own list shows it at once.
    EXPECT_TRUE(b.ctx.Fenetre<Menu_VarList>().List1()->item(41)->text().startsWith(
        QStringLiteral("42\t") + Texte_Nombre(4420) + QLatin1Char('\t')));
    // The master's moment 1794550 g.mm (servo 1 45 g at 170, hull 1100 at 470, servo 2 30 at
    // 640, battery 100 at 420, winch 180 at 560, receiver 15 at 360, bulb 2450 at 450) plus
    // 500 g at 170, over 4420 g: 425.24, the whole millimetre below.
    EXPECT_EQ(b.e.P(23), 425);
    Editeur(b, 165, 300); // bulb 300 long: (9.0026 + 9.0026) % of it, as the side view shows
    EXPECT_EQ(b.e.P(166), 54.015);
    EXPECT_EQ(b.Rouges(), TOUTES);
    // The sail plan's figures too, no sail window open: the mainsail raised 300 mm gives the
    // plan's 476109 mm2, and the areas it asks of the keel and rudder, 476109 / 217382 = 2.19
    // and 476109 / 869519 = 0.54; the appendages' "Valide" keeps them.
    Editeur(b, 84, 1880);
    b.Ouvre<Menu_Appendice>();
    Saisie<Menu_Appendice>(7, 2)(b, 320);
    EXPECT_EQ(b.e.P(102), 476109);
    EXPECT_EQ(b.e.P(125), 2.19);
    EXPECT_EQ(b.e.P(151), 0.54);
    // A value another window stored with a ten-thousandth: the editor shows it as kept.
    b.Ouvre<Menu_Voile>();
    Saisie<Menu_Voile>(1, 0)(b, 330.0004);
    EXPECT_TRUE(b.ctx.Fenetre<Menu_VarList>().List1()->item(84)->text().startsWith(
        QStringLiteral("85\t") + Texte_Nombre(330) + QLatin1Char('\t')));
    const Etat_Projet apres = b.e;
    Comp_Bulbe &w = b.Ouvre<Comp_Bulbe>();
    w.SSTab1()->setCurrentIndex(1);
    QApplication::processEvents();
    for (int n = 1; n <= 300; ++n)
        if (!Valeur_De_Travail(n)) // the view's scale is the picture's own
            EXPECT_EQ(b.e.P(n), apres.P(n)) << n;
    EXPECT_TRUE(b.messages.empty());
}

// A command refused after it stored its boxes puts the project back whole: a bulb profile
// outside the table refuses the height the appendages' "Valide" works out last.
TEST(Perime, UneCommandeRefuseeRemetLeProjetEntier) {
    Banc b;
    b.e.P(159) = 45;
    b.Ouvre<Menu_Appendice>();
    b.Vert();
    const Etat_Projet avant = b.e;
    Saisie<Menu_Appendice>(5, 2)(b, 440); // the keel position
    ASSERT_EQ(b.messages.size() + b.shell.messages.size(), 1u);
    EXPECT_EQ(b.e.Tab_Param, avant.Tab_Param);
    EXPECT_EQ(b.Rouges(), 0);
}

namespace {

// Heel k floated again where it stands: its flag put out of date, then its floating position
// found.
void Flotte(Banc &b, int k) {
    b.e.P(26) = 5 * k;
    b.e.P(186 + k) = 1;
    if (k == 0)
        Calcul_Flottaison(b.e, b.shell);
    else
        Calcul_Equilibre(b.e, b.shell);
}

} // namespace

// What the runner leaves after a command of its own making: the lights (bit k for heel 5k)
// and, for a command whose derived value cannot be worked out, the project put back with one
// message.
TEST(Perime, CeQueLeSuiviDUneCommandeLaisse) {
    const struct {
        const char *cas;
        std::function<void(Banc &)> avant, commande;
        int rouges;
        int n;          // a record the command moved, 0 for a command refused
        double de_plus; // by how much from where it was
    } lignes[] = {
        // Centred for a station no file keeps: the centre of gravity is 458 from either, the
        // waterline was found for 200.0004.
        {"servo 1 station 170 -> 200.0004, then centred", [](Banc &) {},
         [](Banc &b) {
             b.e.P(58) = 200.0004;
             Calcul_Centrage(b.e, b.shell);
         },
         TOUTES, 58, 30},
        // Floated for 3920 g while the boat weighs 3930 g.
        {"servo 1 weight 45 -> 55, then floated upright", [](Banc &) {},
         [](Banc &b) {
             b.e.P(60) = 55;
             Flotte(b, 0);
         },
         TOUTES, 42, 10},
        // The waterline does not move, the moment does: 45 g x 20 mm more at every heel.
        {"servo 1 20 mm sideways, then 15 degrees floated again",
         [](Banc &b) {
             Flotte(b, 3);
             Complete_Gite(b.e, 3, true, true);
         },
         [](Banc &b) {
             b.e.P(76) = 20;
             Flotte(b, 3);
         },
         0b1110111, 217, 900},
        // A keel past the bow gives no moment at any heel: none is stored. Its bulb weighs
        // nothing, the hull carries its 2450 g: the boat still floats.
        {"keel past the bow, 15 degrees floated",
         [](Banc &b) {
             b.e.P(110) = b.e.L() + 10;
             b.e.P(170) = 0;
             b.e.P(57) = 1100 + 2450;
             Calcul_Centrage(b.e, b.shell);
             b.e.P(189) = 1;
         },
         [](Banc &b) { Flotte(b, 3); }, 0b0001000, 217, 0},
        {"bulb profile 45 stored", [](Banc &) {}, [](Banc &b) { b.e.P(159) = 45; }, 0, 0, 0},
        {"every weight 0", [](Banc &) {},
         [](Banc &b) {
             for (int n : {57, 60, 63, 66, 69, 72, 75, 170})
                 b.e.P(n) = 0;
         },
         0, 0, 0},
    };
    for (const auto &l : lignes) {
        SCOPED_TRACE(l.cas);
        Banc b;
        b.Vert();
        l.avant(b);
        Affiche_Voyants(b.e, b.shell);
        const Etat_Projet avant = b.e;
        b.ctx.Commande(Contexte::Si_Occupe::Garde, [&] { l.commande(b); });
        EXPECT_EQ(b.Rouges(), l.rouges);
        EXPECT_EQ(b.shell.messages.size() + b.messages.size(), l.n == 0 ? 1u : 0u);
        if (l.n == 0)
            EXPECT_EQ(b.e.Tab_Param, avant.Tab_Param);
        else
            EXPECT_EQ(b.e.P(l.n), avant.P(l.n) + l.de_plus);
    }
}
