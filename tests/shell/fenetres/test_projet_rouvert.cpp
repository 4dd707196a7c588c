// A project saved by the program reopens as it was: sequences of commands drawn at random (a
// fixed seed) on the master, as a user drives them, each command followed by "Sauver" and
// "Ouvir" of the same file; every value and every light must come back. And after every
// command, a project that does not count as changed is what the file of its name holds.
#include <QComboBox>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "model/Fichier_Projet.h"
#include "model/Projet_Enregistre.h"
#include "model/fenetres/Asst_0.h"
#include "rig/fenetres/Comp_Bulbe.h"
#include "rig/fenetres/Menu_Appendice.h"
#include "shell/Demarrage.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "support/Cadre_Test.h"
#include "support/Gestes.h"
#include "views/fenetres/ACoup.h"

using namespace gabarit;
using namespace gabarit::test;
namespace fs = std::filesystem;

namespace {

class Projet_Rouvert : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        Fichiers_Reels({"tov0.mas", "nacaa.ini"});
        cadre->show();
        dialogue.sauve = QString::fromStdString(dossier + "/copie.cot");
        fs::copy_file(fs::path(dossier) / "tov0.mas", fs::path(dossier) / "projet.cot");
        // The master with a bulb 1e40 mm long: no bulb height can be worked out from it.
        Etat_Projet long_bulbe;
        Lit_Fichier_Projet(dossier + "/tov0.mas", Projet_Courant(long_bulbe));
        long_bulbe.P(LONGUEUR_BULBE) = 1e40;
        Ecrit_Fichier_Projet(dossier + "/long_bulbe.cot", long_bulbe);
        Ouvre(dossier + "/projet.cot");
    }
    // Not changed: values (working settings aside), comments and lights are the file's.
    void Comme_Son_Fichier(const std::string &commande) {
        if (Projet_Modifie(e))
            return;
        SCOPED_TRACE(commande + ", nothing to save: " + e.Nom_Projet);
        auto lu = std::make_unique<Etat_Projet>();
        Lit_Fichier_Projet(Chemin_Projet(e, e.Nom_Projet), Projet_Courant(*lu));
        for (int n = 1; n <= 300; ++n)
            if (!Valeur_De_Travail(n))
                EXPECT_EQ(e.P(n), lu->P(n)) << n;
        for (std::size_t n = 1; n < 300; ++n)
            EXPECT_EQ(e.Texte_Projet[n], lu->Texte_Projet[n]) << n;
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(Couleur_Voyant(k), lu->P(186 + k) == 1 ? COULEUR_ROUGE : COULEUR_VERTE)
                << 5 * k;
        EXPECT_EQ(cadre->windowTitle().toStdString(), e.Nom_Projet);
    }
    void Ouvre(const std::string &chemin) {
        dialogue.ouvre = QString::fromStdString(chemin);
        Action("M_Fichier_Ouvrir")->trigger();
    }
    // Saved, the project is what its file holds; opened again after the master, it still is.
    void Sauve_Et_Rouvre(const std::string &commande) {
        SCOPED_TRACE(commande);
        // A copy elsewhere is not the project saved; "Sauver" makes it so.
        const bool modifie = Projet_Modifie(e);
        Action("M_Fichier_Copier")->trigger();
        EXPECT_EQ(Projet_Modifie(e), modifie);
        Action("M_Fichier_Sauver")->trigger();
        EXPECT_FALSE(Projet_Modifie(e));
        Comme_Son_Fichier(commande + ", saved");
        const std::string chemin = Chemin_Projet(e, e.Nom_Projet);
        Ouvre(dossier + "/tov0.mas");
        Ouvre(chemin);
        EXPECT_FALSE(Projet_Modifie(e));
        Comme_Son_Fichier(commande + ", reopened");
    }
};

TEST_F(Projet_Rouvert, SequencesDeCommandesRouvertesTellesQuelles) {
    std::mt19937 alea(20261207);
    const auto tire = [&](int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); };
    // Values with more decimals than a file keeps, where the editor allows them, and the keel's
    // rake in whole degrees, which moves the bulb along the hull.
    const int editables[] = {5, 60, 76, 113, 165, 85, 3, 228, 115};
    // Names a copy may be given, with or without a dot.
    const char *const copies[] = {".bateau", "bateau.", "a.b", "copie"};
    for (int sequence = 0; sequence < 4; ++sequence) {
        // A new boat, then every other command once, in an order of its own.
        std::vector<int> gestes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        std::shuffle(gestes.begin(), gestes.end(), alea);
        gestes.insert(gestes.begin(), 0);
        for (const int geste : gestes) {
            std::string commande;
            switch (geste) {
            case 0: { // the assistant, every type, lengths long and short
                const int type = tire(3);
                const double longueur = 600 + 137 * tire(10);
                commande = "assistant " + std::to_string(type) + " " + std::to_string(longueur);
                Action("Nouveau")->trigger();
                Asst_0 &a = *ctx().Existante<Asst_0>();
                Clique_Option(a.Option1(type));
                Tape_Nombre(a.Text2_1(), longueur);
                Clique(a.Command1(1));
                break;
            }
            case 1: { // the section-shape editor's marker on any row
                const int section = tire(4);
                // Rows 555, 585 and 615 twips give b to four decimals (0.1375, ...).
                const double x = 100 + tire(1500), y = 555 + 30 * tire(3);
                commande = "forme " + std::to_string(section) + " " + std::to_string(x) + " " +
                           std::to_string(y);
                Choisit_Section(ctx(), section);
                Glisse_Forme(ctx(), x, y);
                break;
            }
            case 2: { // the parameter editor, a value with five decimals
                const int n = editables[tire(9)];
                const double v =
                    n == 115 ? tire(16) : e.P(n) + (n == 228 ? 1 : 3) * (tire(2001) - 1000) / 1e5;
                commande = "editeur " + std::to_string(n) + " " + std::to_string(v);
                Ouvre_Editeur(ctx());
                Editeur(ctx(), n, v);
                break;
            }
            case 3: // the keel position and the bulb length of the appendages window
                commande = "appendices";
                ctx().Fenetre<Menu_Appendice>().Montre();
                Saisie<Menu_Appendice>(ctx(), 5, 2, Arrondi(e.L() * (40 + tire(21)) / 100));
                Saisie<Menu_Appendice>(ctx(), 10, 4, 150 + tire(131)); // 280 at most
                break;
            case 4: { // another profile for the bulb's lower half
                commande = "bulbe";
                Comp_Bulbe &w = ctx().Fenetre<Comp_Bulbe>();
                w.Montre();
                w.SSTab1()->setCurrentIndex(1);
                Clique_Option(w.Option1(0));
                QTest::keyClick(w.Combo2(), tire(2) ? Qt::Key_Down : Qt::Key_Up);
                break;
            }
            case 5: // servo 1's weight in the weights window
                commande = "deplacement";
                ctx().Fenetre<Menu_Deplacement>().Montre();
                Saisie<Menu_Deplacement>(ctx(), 0, 0, 20 + tire(200));
                break;
            case 6: // the heel series
                commande = "serie";
                Clique_Touche("Calcul_Gite");
                break;
            case 8: { // the hull-form window's "Valide", the forward sheer exponent typed
                const double v = 1.5 + tire(10000) / 1e4;
                commande = "forme generale " + std::to_string(v);
                Menu_FG &w = ctx().Fenetre<Menu_FG>();
                w.Montre();
                QApplication::processEvents();
                Tape_Nombre(w.findChild<QLineEdit *>(QStringLiteral("Text1_8")), v);
                Clique(w.findChild<QPushButton *>(QStringLiteral("Command1_0")));
                break;
            }
            case 9: { // an open refused: the bulb's height cannot be worked out
                commande = "ouverture refusee";
                const std::size_t boites = messages.size();
                Ouvre(dossier + "/long_bulbe.cot");
                ASSERT_EQ(messages.size(), boites + 1);
                EXPECT_EQ(messages.back().texte.toStdString().rfind("Projet refusé : ", 0), 0u);
                messages.pop_back();
                break;
            }
            case 10: { // a copy under a name with or without a dot
                const char *nom = copies[tire(4)];
                commande = std::string("copie ") + nom;
                dialogue.sauve = QString::fromStdString(dossier + "/" + nom);
                Action("M_Fichier_Copier")->trigger();
                dialogue.sauve = QString::fromStdString(dossier + "/copie.cot");
                break;
            }
            case 11: { // the views, shown by a key
                const char *cles[] = {"Vue_Géné", "Voile", "Profile", "Deplacement"};
                const char *cle = cles[tire(4)];
                commande = std::string("vues ") + cle;
                Clique_Touche(cle);
                QApplication::processEvents();
                break;
            }
            default: { // a heel chosen, the sections drawn at it
                const int k = 1 + tire(6);
                commande = "gite " + std::to_string(5 * k);
                QTest::mouseClick(Bouton_Gite(k), Qt::LeftButton);
                ctx().Fenetre<ACoup>().Montre();
                QApplication::processEvents();
                break;
            }
            }
            QApplication::processEvents();
            // Commands that float the hull upright leave its light green: what they stored is
            // what they computed from.
            if (geste <= 1 || geste == 5 || geste == 8)
                EXPECT_EQ(e.P(186), 0) << commande;
            Comme_Son_Fichier(commande);
            Sauve_Et_Rouvre(commande);
        }
    }
    for (const Message_Vu &m : messages)
        if (m.style != MB_OUI_NON)
            ADD_FAILURE() << m.texte.toStdString();
}

// A file of an earlier version, and one with value lines finer than a thousandth (hand
// edits of the hull weight and the keel station), give the same project at start-up and when
// opened after the master, from the menu or the toolbar; nobody touched it, so nothing asks
// to be saved.
TEST_F(Projet_Rouvert, UnFichierUnProjetQuelQueSoitLePrecedent) {
    std::string fin = Octets(dossier + "/tov0.mas");
    const auto remplace = [&](const std::string &avant, const std::string &apres) {
        fin.replace(fin.find(avant), avant.size(), apres);
    };
    remplace("\r\n 1100000 \r\n", "\r\n 1100000.2 \r\n");
    remplace("\r\n 450000 \r\nPosition de la derive", "\r\n 449999.9 \r\nPosition de la derive");
    // And a bulb height that is not the one its profiles give: worked out again at the
    // start-up as at "Ouvir", from the NACA table.
    remplace("\r\n 48614 \r\nHauteur du bulbe", "\r\n 40000 \r\nHauteur du bulbe");
    Ecrit_Octets(dossier + "/fin.cot", fin);
    fs::copy_file(Dossier_Fixtures() + "/ancien_2_1_4.cot", dossier + "/ancien.cot");
    for (const std::string nom : {"fin.cot", "ancien.cot"}) {
        SCOPED_TRACE(nom);
        const std::string chemin = dossier + "/" + nom;
        cadre = std::make_unique<MDIForm1>(e);
        dialogue.ouvre = QString::fromStdString(chemin);
        for (auto &profil : e.Table_Naca) // a program just started has read no table yet
            std::fill(std::begin(profil), std::end(profil), 0.f);
        cadre->MDIForm1_MDIForm_Load();
        const Etat_Projet demarre = e;
        EXPECT_FALSE(Projet_Modifie(e));
        if (nom == "fin.cot") {
            EXPECT_EQ(e.P(POIDS_CARENE), 1100);
            EXPECT_EQ(e.P(POSITION_DERIVE), 449.999);
            EXPECT_EQ(e.P(HAUTEUR_BULBE), 48.614);
        }
        Ouvre(dossier + "/tov0.mas");
        // The menu's "Ouvir" for one file, the toolbar's key for the other.
        dialogue.ouvre = QString::fromStdString(chemin);
        if (nom == "fin.cot")
            Action("M_Fichier_Ouvrir")->trigger();
        else
            Clique_Touche("ouvrir");
        for (int n = 1; n <= 300; ++n)
            if (!Valeur_De_Travail(n))
                EXPECT_EQ(e.P(n), demarre.P(n)) << n;
        EXPECT_FALSE(Projet_Modifie(e));
    }
}

} // namespace
