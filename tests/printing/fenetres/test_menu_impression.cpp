// The print window driven as a user would: its controls, calibration and "Sauve", the
// vertical step it gives back, and real prints into PDF files read back with poppler.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

#include "platform/Nombres.h"
#include "platform/Surface_Imprimante.h"
#include "platform/UpDown.h"
#include "printing/fenetres/Impressions_Appendices.h"
#include "printing/fenetres/Menu_Impression.h"
#include "printing/fenetres/Pdf_Essai.h"
#include "rig/fenetres/Comp_Derive.h"
#include "rig/fenetres/Comp_Safran.h"
#include "support/Banc_Fenetre.h"
#include "support/Cadre_Test.h"
#include "support/Chemins_Test.h"
#include "support/Coques_Essai.h"
#include "support/Feuille_Essai.h"
#include "support/Maitre.h"
#include "support/Naca_Essai.h"

using namespace gabarit;
using namespace gabarit::test;
namespace fs = std::filesystem;

namespace {

struct Banc : Banc_Fenetre {
    std::string dossier = Dossier_Temporaire();
    QPrinter imprimante_avant; // the program's printer is put back as it was

    Banc() {
        Charge_Carene(e);
        e.Dossier_Programme = dossier;
        e.Nom_Projet = "essai.cot";
        e.P(301) = e.Echelle_Imp_H = 56.7;
        e.P(302) = e.Echelle_Imp_V = 56.7;
        e.P(37) = 1.5;
        ctx.Reglages_Ecrivables = true;
        imprimante_avant.setOutputFormat(Imprimante().outputFormat());
        imprimante_avant.setOutputFileName(Imprimante().outputFileName());
    }
    ~Banc() {
        Remplace_Configuration_Imprimante({});
        Imprimante().setOutputFileName(imprimante_avant.outputFileName());
        Imprimante().setOutputFormat(imprimante_avant.outputFormat());
    }
    Menu_Impression &Ouvre() {
        Montre_Menu_Impression(ctx);
        return *ctx.Existante<Menu_Impression>();
    }
    // What the user does in the printer dialog: a PDF file, landscape.
    void Choisit_Pdf(Menu_Impression &w, const std::string &fichier) {
        Remplace_Configuration_Imprimante([fichier](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(QString::fromStdString(fichier));
            p.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        Clique(w, "Command1");
    }
    static void Clique(Menu_Impression &w, const char *nom) {
        QTest::mouseClick(Enfant<QPushButton>(w, QString::fromLatin1(nom)), Qt::LeftButton);
    }
};

// The project initialisation creates the window, loads it (size, copy of P(37)) and sets its
// quality option; the menu shows it with its three tabs.
TEST(Menu_Impression, LoadedByTheInitialisationShownByTheMenu) {
    Banc b;
    Init_Projet_Impression(b.ctx, 1);
    Menu_Impression *w = b.ctx.Existante<Menu_Impression>();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(w->Option1(1)->isChecked());
    EXPECT_EQ(b.e.Pas_Couple_Sauve, 1.5);
    b.Ouvre();
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->Cadre()->width(), 391); // 5865 x 3750 twips
    EXPECT_EQ(w->Cadre()->height(), 250);
    EXPECT_EQ(w->windowTitle(), "Menu_Impression");
    EXPECT_EQ(w->SSTab1()->tabText(0), "Couple");
    EXPECT_EQ(w->SSTab1()->tabText(1), "Generale");
    EXPECT_EQ(w->SSTab1()->tabText(2), "Reglage");
    const std::pair<const char *, const char *> boutons[] = {
        {"Command2_0", "Valide"},
        {"Command2_10", "Valide"},
        {"Command2_5", "Tableau Arrière"},
        {"Command2_6", "Couple le plus large"},
        {"Command2_7", "Couple le plus haut"},
        {"Command2_1", "Profile Arriere"},
        {"Command2_2", "Profile Avant"},
        {"Command2_3", "Vue Livet Echelle X"},
        {"Command2_4", "Vue profile Echelle X"},
        {"Command3", "Test d'impression"},
        {"Command4", "Init par défault"},
        {"Command1", "Configuration de l'imprimante"},
        {"Command5", "Sauve"},
        {"Command6", "+"},
        {"Command7", "-"},
        {"Command8", "+"},
        {"Command9", "-"}};
    for (auto [nom, legende] : boutons)
        EXPECT_EQ(Enfant<QPushButton>(*w, nom)->text(), QString::fromUtf8(legende)) << nom;
    EXPECT_EQ(w->Option1(0)->text(), "Qualite d'impression moyenne");
    EXPECT_EQ(w->UpDown2()->minimum(), 10);
    EXPECT_EQ(w->UpDown2()->maximum(), 100);
}

// Activation: the station spinner reaches the hull length (1000.5 rounds to the even 1000)
// and the option follows the stored quality, whatever was clicked.
TEST(Menu_Impression, ActivationRereadsLengthAndQuality) {
    Banc b;
    b.e.P(1) = 550.5;
    Menu_Impression &w = b.Ouvre();
    EXPECT_EQ(w.UpDown1()->maximum(), 1000);
    Clique_Option(w.Option1(1));
    EXPECT_TRUE(w.Qualite_Bonne());
    b.ctx.Fenetre<Menu_Impression>().Cache();
    b.Ouvre();
    EXPECT_TRUE(w.Option1(0)->isChecked());
}

// Closing the window gives P(37) the value it had when the window was loaded; the next
// opening takes a new copy.
TEST(Menu_Impression, ClosingGivesTheVerticalStepBack) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    b.e.P(37) = 0.1;
    w.Cadre()->close();
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(b.e.P(37), 1.5);
    b.e.P(37) = 2;
    b.Ouvre();
    b.e.P(37) = 0.1;
    w.Cadre()->close();
    EXPECT_EQ(b.e.P(37), 2);
}

// Values typed and refused do not outlive the window: opened again after a close, the
// boxes show the station and step last taken (arrows here), and Valide prints them.
TEST(Menu_Impression, ReopenedBoxesShowTheGoodValues) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    for (int i = 0; i < 3; ++i)
        Clique_Fleche(w.UpDown1(), true);
    Clique_Fleche(w.UpDown2(), true);
    Tape(w.Text1(), QStringLiteral("1005"));
    Tape(w.Text2(), QStringLiteral("505"));
    QTest::mouseClick(w.Command2(0), Qt::LeftButton);
    QTest::mouseClick(w.Command2(10), Qt::LeftButton);
    EXPECT_EQ(b.messages.size(), 2u);
    w.Cadre()->close();
    b.Ouvre();
    EXPECT_EQ(w.Text1()->text(), "30");
    EXPECT_EQ(w.Text2()->text(), "20");

    const std::string pdf = b.dossier + "/trente.pdf";
    b.Choisit_Pdf(w, pdf);
    QTest::mouseClick(w.Command2(0), Qt::LeftButton);
    EXPECT_TRUE(Texte_Pdf(QString::fromStdString(pdf)).contains(QStringLiteral("Couple 30")));
}

// A station or step typed without the arrows and taken by "Valide" is the box's good value:
// opened again after a close, the box shows it.
TEST(Menu_Impression, ReopenedBoxesShowTheTypedValueValideTook) {
    struct Cas {
        int bouton; // Command2(i), the box's "Valide"
        const char *tape;
    };
    for (Cas k : {Cas{0, "470"}, Cas{10, "70"}}) {
        SCOPED_TRACE(k.tape);
        Banc b;
        Menu_Impression &w = b.Ouvre();
        b.Choisit_Pdf(w, b.dossier + "/tape.pdf");
        QLineEdit *boite = k.bouton == 0 ? w.Text1() : w.Text2();
        Tape(boite, QString::fromLatin1(k.tape));
        QTest::mouseClick(w.Command2(k.bouton), Qt::LeftButton);
        EXPECT_TRUE(b.messages.empty());
        w.Cadre()->close();
        b.Ouvre();
        EXPECT_EQ(boite->text(), QString::fromLatin1(k.tape));
    }
}

// The calibration's caption reads as written, its runs of blanks kept, and is whole in its
// frame at the window's size.
TEST(Menu_Impression, CalibrationCaptionAsWritten) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    w.SSTab1()->setCurrentIndex(2);
    QApplication::processEvents();
    QLabel *l = Enfant<QLabel>(w, "Label_Info");
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), QStringLiteral("Cet outils imprime un  L  de        100 mm sur 100 mn."
                                        "                  Effectuer une correction ci        "
                                        "nessecaire."));
    EXPECT_GE(l->height(), l->heightForWidth(l->width()));
}

// Three "+" across, ten "-" down, "bonne", "Sauve": tov.ini holds what the buttons made;
// "Init par défault" and "Sauve" bring back 56700 on both lines.
TEST(Menu_Impression, CalibrationButtonsAndSave) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    for (int i = 0; i < 3; ++i)
        Banc::Clique(w, "Command6");
    for (int i = 0; i < 10; ++i)
        Banc::Clique(w, "Command9");
    EXPECT_EQ(b.e.Echelle_Imp_H, 56.7 + 0.1 + 0.1 + 0.1);
    EXPECT_EQ(Enfant<QLabel>(w, "Valeur_H")->text(), Texte_Nombre(56.7 + 0.1 + 0.1 + 0.1));
    EXPECT_EQ(b.e.Echelle_Imp_V, 55.69999999999999);
    w.SSTab1()->setCurrentIndex(2);
    Clique_Option(w.Option1(1));
    Banc::Clique(w, "Command5");
    const std::string ini = b.dossier + "/tov.ini";
    EXPECT_EQ(Octets(ini), " 57000 \r\n 55700 \r\n 0 \r\n 0 \r\n 0 \r\n 1000 \r\n"
                           " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    Banc::Clique(w, "Command4");
    Banc::Clique(w, "Command5");
    EXPECT_EQ(Octets(ini).substr(0, 18), " 56700 \r\n 56700 \r\n");
    EXPECT_EQ(b.e.Echelle_Imp_V, 56.7);
}

// The test print into a PDF file: each leg of the L measures 100 mm on the page (56.7 twips
// per millimetre is 100.0125 mm; a 0.1 mm pixel at each end of the run).
TEST(Menu_Impression, TestPrintLegsMeasureAHundredMillimetres) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    const std::string pdf = b.dossier + "/etalon.pdf";
    b.Choisit_Pdf(w, pdf);
    Banc::Clique(w, "Command3");
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte, "L'imprimante doit etre en mode Paysage  ");
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_FALSE(fs::exists(pdf + ".partiel"));
    const Traits_Noirs l =
        Mesure_Pdf(QString::fromStdString(pdf), QString::fromStdString(b.dossier + "/etalon"));
    EXPECT_NEAR(l.horizontal, 1001, 1);
    EXPECT_NEAR(l.vertical, 1001, 1);
}

// A section typed in the box, printed into a PDF: its header reads back, and a series writes
// one file per station.
TEST(Menu_Impression, SectionAndSeriesIntoPdfFiles) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    const std::string pdf = b.dossier + "/couple.pdf";
    b.Choisit_Pdf(w, pdf);
    Tape(w.Text1(), QStringLiteral("500"));
    QTest::mouseClick(w.Command2(0), Qt::LeftButton);
    const QString texte = Texte_Pdf(QString::fromStdString(pdf));
    EXPECT_TRUE(texte.contains(QStringLiteral("Projet : essai.cot"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Couple 500"))) << texte.toStdString();
    EXPECT_EQ(b.shell.statuts[1], "Pret");
    EXPECT_EQ(b.e.P(37), 1.5);

    Tape(w.Text2(), QStringLiteral("100"));
    QTest::mouseClick(w.Command2(10), Qt::LeftButton);
    for (int k = 2; k <= 11; ++k)
        EXPECT_TRUE(fs::exists(b.dossier + "/couple_" + std::to_string(k) + ".pdf")) << k;
    EXPECT_TRUE(Texte_Pdf(QString::fromStdString(b.dossier + "/couple_11.pdf"))
                    .contains(QStringLiteral("Couple 1000")));
}

// A station that is not a number in range is refused before anything is asked.
TEST(Menu_Impression, TypedStationOutOfRangeIsRefused) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    const std::string pdf = b.dossier + "/rien.pdf";
    b.Choisit_Pdf(w, pdf);
    for (const char *t : {"abc", "1010", "-5"}) {
        Tape(w.Text1(), QString::fromLatin1(t));
        QTest::mouseClick(w.Command2(0), Qt::LeftButton);
    }
    EXPECT_EQ(b.messages.size(), 3u);
    EXPECT_TRUE(b.shell.messages.empty());
    EXPECT_FALSE(fs::exists(pdf));
}

// A job that fails half-way (the section cannot be computed at its keel) leaves the file
// that had the chosen name as it was, and no partial file; a folder that does not exist is
// reported too.
TEST(Menu_Impression, FailedPrintLeavesNoHalfWrittenPdf) {
    Banc b;
    Menu_Impression &w = b.Ouvre();
    const std::string pdf = b.dossier + "/ancien.pdf";
    Ecrit_Octets(pdf, "ancien");
    b.Choisit_Pdf(w, pdf);
    b.e.P(16) = -0.5; // the transom's shape: 0 under a negative power at its keel
    QTest::mouseClick(w.Command2(5), Qt::LeftButton);
    EXPECT_EQ(Octets(pdf), "ancien");
    EXPECT_FALSE(fs::exists(pdf + ".partiel"));
    ASSERT_EQ(b.shell.messages.size(), 2u);
    EXPECT_EQ(b.shell.messages[1].style, MB_STOP);
    EXPECT_EQ(b.shell.statuts[1], "Pret");
    EXPECT_EQ(b.e.P(37), 1.5);

    b.Choisit_Pdf(w, b.dossier + "/absent/x.pdf");
    Banc::Clique(w, "Command3");
    ASSERT_EQ(b.shell.messages.size(), 4u);
    EXPECT_TRUE(QString::fromStdString(b.shell.messages[3].texte)
                    .startsWith(QStringLiteral("Impression impossible : impossible d'écrire")));
}

} // namespace

namespace {

// The real start-up on a copy of the program folder whose settings ask for "bonne".
class Impression_Demarrage : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        Fichiers_Reels({"tov0.mas", "nacaa.ini"});
        Ecrit_Octets(ini(), " 56700 \r\n 56700 \r\n 0 \r\n 0 \r\n 1000 \r\n 1000 \r\n"
                            " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
        // A master saved with a vertical step of 1 mm.
        const std::string maitre = dossier + "/tov0.mas";
        std::string m = Octets(maitre);
        const std::string pas = " 37 \r\n 2000 \r\n";
        ASSERT_NE(m.find(pas), std::string::npos);
        m.replace(m.find(pas), pas.size(), " 37 \r\n 1000 \r\n");
        Ecrit_Octets(maitre, m);
    }
    void TearDown() override {
        Remplace_Configuration_Imprimante({});
        Cadre_Test::TearDown();
    }
};

// From the running program: the menu item shows the window the start-up loaded, with the
// saved quality; the master's widest section prints into a PDF with its header.
TEST_F(Impression_Demarrage, MenuShowsTheWindowAndTheMasterPrints) {
    cadre->MDIForm1_MDIForm_Load();
    Menu_Impression *w = ctx().Existante<Menu_Impression>();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(w->Option1(1)->isChecked());
    EXPECT_EQ(e.Pas_Couple_Sauve, 1); // the master's own step, before the start-up set 2
    Action("T_Impression")->trigger();
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->UpDown1()->maximum(), 1000);

    const QString pdf = QString::fromStdString(dossier + "/maitre.pdf");
    Remplace_Configuration_Imprimante([pdf](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    QTest::mouseClick(Enfant<QPushButton>(*w, "Command1"), Qt::LeftButton);
    QTest::mouseClick(w->Command2(6), Qt::LeftButton);
    const QString texte = Texte_Pdf(pdf);
    EXPECT_TRUE(texte.contains(QStringLiteral("Projet : tov0.mas"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Couple 480"))) << texte.toStdString();
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));
}

} // namespace

namespace {

// The print buttons of the foil and bulb windows reach the printer: the bulb's top view into
// a PDF file; no profile chosen is refused before anything is asked.
TEST(Impressions_Appendices, BulbAndKeelPrintsReachThePrinter) {
    Banc b;
    for (int j = 0; j < 26; ++j) {
        b.e.Stations_Naca[j] = static_cast<float>(4 * j);
        b.e.Table_Naca[3][j] = 5;
    }
    b.e.P(160) = 3;
    b.e.P(165) = 200;
    const std::string pdf = b.dossier + "/bulbe.pdf";
    Imprimante().setOutputFormat(QPrinter::PdfFormat);
    Imprimante().setOutputFileName(QString::fromStdString(pdf));
    Imprime_Bulbe_Dessus(b.ctx, 3);
    ASSERT_EQ(b.shell.messages.size(), 1u);
    EXPECT_EQ(b.shell.messages[0].texte, "Impression bulbe...  ");
    EXPECT_TRUE(Texte_Pdf(QString::fromStdString(pdf)).contains(QStringLiteral("Vue de dessus")));

    fs::remove(pdf);
    Imprime_Profil_Derive(b.ctx, -1);
    ASSERT_EQ(b.shell.messages.size(), 2u);
    EXPECT_EQ(b.shell.messages[1].style, MB_STOP);
    EXPECT_FALSE(fs::exists(pdf));
}

// The rudder window's print button prints the section its own option chooses, whatever the
// keel window's option says.
TEST(Impressions_Appendices, RudderPrintsTheSectionOfItsOwnWindow) {
    Banc b;
    Prepare_Maitre(b.e, b.shell);
    Profils_Appendices(b.e);
    Pour_Impression(b.e);
    const std::string pdf = b.dossier + "/safran.pdf";
    Imprimante().setOutputFormat(QPrinter::PdfFormat);
    for (int inferieur : {1, 0}) {
        Comp_Derive &quille = b.Banc_Fenetre::Ouvre<Comp_Derive>();
        Clique_Option(quille.Option1(1 - inferieur));
        Comp_Safran &safran = b.Banc_Fenetre::Ouvre<Comp_Safran>();
        Clique_Option(safran.Option1(inferieur));
        const std::string f = pdf + std::to_string(inferieur) + ".pdf";
        Imprimante().setOutputFileName(QString::fromStdString(f));
        QTest::mouseClick(safran.Command1(), Qt::LeftButton);
        const QString texte = Texte_Pdf(QString::fromStdString(f));
        EXPECT_TRUE(texte.contains(inferieur ? QString::fromUtf8("Safran Inférieur")
                                             : QString::fromUtf8("Safran Supérieur")))
            << texte.toStdString();
        // Rudder NACA 0015 below, 0006 above.
        EXPECT_TRUE(texte.contains(QString::fromUtf8(inferieur ? "Naca n° : 5" : "Naca n° : 1")))
            << texte.toStdString();
    }
}

} // namespace
