// The appendages window driven as a user would, on the master project (L = 1000; rudder at
// 90, chords 70 and 45, span 200, rake 5; keel at 450, chords 95 and 75, span 320; sail area
// 426063 mm2, centre of effort at 551.492).
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "platform/Nombres.h"
#include "rig/fenetres/Comp_Bulbe.h"
#include "rig/fenetres/Comp_Derive.h"
#include "rig/fenetres/Comp_Safran.h"
#include "rig/fenetres/Menu_Appendice.h"
#include "shell/fenetres/Rafraichit_Menus.h"
#include "stability/Centrage.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "support/Banc_Fenetre.h"
#include "support/Maitre.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AVoile.h"

using namespace gabarit;
using test::Tape;

namespace {
using Banc = test::Banc_Maitre;

QString N(double v) { return Texte_Nombre(v); }
void Valide(Menu_Appendice &w, int i = 0) { QTest::mouseClick(w.Command1(i), Qt::LeftButton); }
} // namespace

TEST(Menu_Appendice, ChiffresEtBornesDuMaitre) {
    Banc b;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    EXPECT_EQ(w.windowTitle(), "Menu Appendice");
    EXPECT_EQ(w.SSTab1()->tabText(0), "Safran");
    EXPECT_EQ(w.SSTab1()->tabText(1), "Derive");
    EXPECT_EQ(w.SSTab1()->tabText(2), "Bulbe");
    EXPECT_EQ(w.Label1(13)->text(), "Largeur Inf");
    EXPECT_EQ(w.Label1(19)->text(), "Surface Reel");
    EXPECT_EQ(w.Label4()->text(), "Profil NACA  en cours : Vue de Dessus");
    EXPECT_EQ(w.Command3()->text(), "Profils NACA");
    EXPECT_EQ(w.Text1(0)->text(), "90");
    EXPECT_EQ(w.Text1(13)->text(), "75");
    EXPECT_EQ(w.Text1(10)->text(), "270");
    EXPECT_EQ(w.UpDown1(0)->maximum(), 1000);
    EXPECT_EQ(w.UpDown1(1)->maximum(), 300);
    EXPECT_EQ(w.UpDown1(3)->maximum(), 500);
    EXPECT_EQ(w.UpDown1(4)->maximum(), 45);
    EXPECT_EQ(w.UpDown1(6)->maximum(), 500);
    EXPECT_EQ(w.UpDown1(13)->maximum(), 500);
    EXPECT_EQ(w.UpDown1(8)->minimum(), 20);
    EXPECT_EQ(w.UpDown1(8)->maximum(), 80);
    EXPECT_EQ(w.UpDown1(10)->maximum(), 280);

    EXPECT_EQ(w.Label2(0)->text(), N(1.15));
    EXPECT_EQ(w.Label2(1)->text(), N(0.48));
    EXPECT_EQ(w.Label2(2)->text(), N(6.95));
    EXPECT_EQ(w.Label3(0)->text(), N(2.72));
    EXPECT_EQ(w.Label3(1)->text(), N(1.95));
    EXPECT_EQ(w.Label3(2)->text(), N(7.52));
    EXPECT_EQ(w.Label1(21)->text(), "23%");
    EXPECT_EQ(w.Label1(23)->text(), "23%");
    EXPECT_EQ(w.Label5()->text(), "6");
}

// Keel chords 100 and 61 over 300: 24150 mm2, aspect ratio 7.45, 2.41 shown. The rudder's
// root chord spun up to 71: (71 + 45) x 200 / 2 = 11600 mm2, 200^2 / 11600 x 200 = 689.7.
TEST(Menu_Appendice, ValideCalculeCentreEtRedessine) {
    Banc b;
    ADeplacement &vue = b.Ouvre_Vue<ADeplacement>(500);
    const int avant = vue.Picture1->Effacements();
    b.e.P(186) = 0;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    w.SSTab1()->setCurrentIndex(1);
    Tape(w.Text1(6), "100");
    Tape(w.Text1(13), "61");
    Tape(w.Text1(7), "300");
    w.SSTab1()->setCurrentIndex(0);
    QTest::mouseClick(w.UpDown1(1)->boutonHaut(), Qt::LeftButton);
    // Pressing an arrow puts every heel result out of date.
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(b.e.P(186 + k), 1);
    b.e.P(186) = 0;
    Valide(w, 2);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_EQ(b.e.P(111), 100);
    EXPECT_EQ(b.e.P(112), 61);
    EXPECT_EQ(b.e.P(113), 300);
    EXPECT_EQ(b.e.P(137), 71);
    EXPECT_EQ(b.e.P(122), 24150);
    EXPECT_EQ(b.e.P(123), 7.45);
    EXPECT_EQ(b.e.P(148), 11600);
    EXPECT_EQ(b.e.P(149), 6.89);
    EXPECT_EQ(b.e.P(125), 1.95);
    // Middle of the keel root chord 450 - 20, aft end of the rudder root 90 - 49.7:
    // (430 x 24150 + 40.3 x 11600) / 35750 = 303.5518..., kept to the file's thousandth.
    EXPECT_EQ(b.e.P(126), 303.551);
    EXPECT_EQ(b.e.P(186), 0); // "Valide" alone leaves the lights
    EXPECT_EQ(w.Label3(0)->text(), N(2.41));
    EXPECT_EQ(w.Label2(0)->text(), N(1.16));
    EXPECT_EQ(w.Label2(2)->text(), N(6.89));
    EXPECT_GT(vue.Picture1->Effacements(), avant);
}

TEST(Menu_Appendice, DeriveSansEnvergureLaSuiteContinue) {
    Banc b;
    AVoile &vue = b.Ouvre_Vue<AVoile>(500);
    const int avant = vue.Picture1->Effacements();
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    w.SSTab1()->setCurrentIndex(1);
    Tape(w.Text1(7), "0");
    const double poids = b.e.P(42);
    b.e.P(42) = 1; // the weights are computed again
    Valide(w, 2);
    EXPECT_EQ(b.e.P(122), 0);
    EXPECT_EQ(b.e.P(123), 0);
    EXPECT_EQ(b.e.P(148), 11500);
    EXPECT_DOUBLE_EQ(b.e.P(126), 41); // the rudder alone: 90 - 0.7 x 70
    EXPECT_EQ(b.e.P(42), poids);
    EXPECT_EQ(w.Label3(2)->text(), "0");
    EXPECT_GT(vue.Picture1->Effacements(), avant);
}

TEST(Menu_Appendice, SaisieRefuseeEtFenetreCachee) {
    Banc b;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    Tape(w.Text1(1), "301"); // rudder chords go to 300
    Tape(w.Text1(0), "95");
    Valide(w);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_TRUE(b.messages[0].texte.contains("Largeur Sup"));
    EXPECT_EQ(b.e.P(136), 90);
    EXPECT_EQ(b.e.P(137), 70);

    // Hidden, the window is not refreshed.
    w.Cache();
    b.e.P(136) = 123;
    Rafraichit_Menus(b.ctx);
    EXPECT_EQ(w.Text1(0)->text(), "95");
}

TEST(Menu_Appendice, ProfilsNacaOuvrentLesFenetresDesProfils) {
    Banc b;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    Comp_Safran &safran = b.ctx.Fenetre<Comp_Safran>();
    EXPECT_TRUE(safran.Visible());
    EXPECT_EQ(safran.Combo1()->currentIndex(), b.e.P(88)); // drawn from the record
    QTest::mouseClick(w.Command3(), Qt::LeftButton);
    EXPECT_TRUE(b.ctx.Fenetre<Comp_Derive>().Visible());
    EXPECT_FALSE(safran.Visible());
    QTest::mouseClick(w.Command4(), Qt::LeftButton);
    EXPECT_TRUE(b.ctx.Fenetre<Comp_Bulbe>().Visible());
    EXPECT_FALSE(b.ctx.Fenetre<Comp_Derive>().Visible());
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(b.messages.empty());
}

// A rake refused from the keel's tab brings back the rudder's tab, where its box is.
TEST(Menu_Appendice, InclinaisonRefuseeMontreLOngletDuSafran) {
    Banc b;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    Tape(w.Text1(4), "46");
    w.SSTab1()->setCurrentIndex(1);
    Valide(w, 2);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].texte,
              QString::fromUtf8("La valeur de \"Inclinaison\" doit être comprise entre 0 et 45."));
    EXPECT_EQ(w.SSTab1()->currentIndex(), 0);
    EXPECT_EQ(b.e.P(141), 5);
}

// Each limit is a value the user may set.
TEST(Menu_Appendice, MaximumsAcceptesEtRanges) {
    Banc b;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    Tape(w.Text1(1), "300");
    Tape(w.Text1(4), "45");
    Valide(w);
    EXPECT_TRUE(b.messages.empty());
    EXPECT_TRUE(b.shell.messages.empty());
    EXPECT_EQ(b.e.P(137), 300);
    EXPECT_EQ(b.e.P(141), 45);
    EXPECT_EQ(b.e.P(148), (300 + 45) * 200 / 2);
}

// Once the boxes are in the record, a refusal of the figures is told, once.
TEST(Menu_Appendice, RefusDuCalculDitUneFois) {
    Banc b;
    // A keel station from a damaged file, kept while its box is untouched: the bulb's station
    // under the keel overflows, told with the value that makes it.
    b.e.P(110) = 1e308;
    Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
    Valide(w);
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte,
              "Le centre de gravité ne peut pas être calculé avec n° 110 = 1e+308 : position du "
              "bulbe non finie ou trop grande pour le fichier.");
    EXPECT_EQ(b.e.P(148), 11500); // nothing stored: (70 + 45) x 200 / 2 as before

    // Weights summing to nothing are told by the weights themselves, not a second time.
    Banc c;
    for (int poids : {57, 60, 63, 66, 69, 72, 75, 170})
        c.e.P(poids) = 0;
    Valide(c.Ouvre<Menu_Appendice>());
    ASSERT_EQ(c.shell.messages.size(), 1u);
    EXPECT_EQ(c.shell.messages[0].texte, MESSAGE_POIDS_NUL);
    EXPECT_TRUE(c.messages.empty());
}

// The centre of lateral resistance that "Valide" places is marked in the weights window by
// a dark green swatch, the colour of its mark in the views.
TEST(Menu_Appendice, PastilleDuCentreAntiDeriveVertFonce) {
    Banc b;
    Menu_Deplacement &poids = b.Ouvre<Menu_Deplacement>();
    auto *pastille = test::Enfant<QFrame>(poids, "Shape1_2");
    ASSERT_NE(pastille, nullptr);
    const QImage image = pastille->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(0, 128, 0));
}

// "Valide" gives the bulb the height its side view would show, without the bulb window: both
// halves are NACA row 6 (half-thickness 9.0026 %), so 18.0052 % of the length, in single
// precision to seven digits, stored to the thousandth a file keeps (48.61404 gives 48.614).
TEST(Menu_Appendice, ValideDonneAuBulbeLaHauteurDeSaVueDeCote) {
    struct Cas {
        const char *longueur; // typed in the bulb tab, or nothing
        double hauteur;
    };
    for (Cas k : {Cas{nullptr, 48.614}, Cas{"220", 39.611}}) {
        SCOPED_TRACE(k.longueur ? k.longueur : "270");
        Banc b;
        ASSERT_EQ(b.e.P(166), 48.614);
        Menu_Appendice &w = b.Ouvre<Menu_Appendice>();
        w.SSTab1()->setCurrentIndex(2);
        if (k.longueur)
            Tape(w.Text1(10), k.longueur);
        Valide(w, 4);
        EXPECT_TRUE(b.messages.empty());
        EXPECT_EQ(b.e.P(166), k.hauteur);
    }
}
