#include <QDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <tuple>

#include "interfaces/Shell_Muet.h"
#include "model/Acceptation_Projet.h"
#include "model/Fichier_Projet.h"
#include "model/Projet_Enregistre.h"
#include "model/Voyants.h"
#include "model/fenetres/Commandes_Fichier.h"
#include "stability/Coef_Prismatique.h"
#include "support/Cadre_Test.h"
#include "support/Gestes.h"
#include "support/Maitre.h"
#include "views/fenetres/AProfile.h"

using namespace gabarit;
using namespace gabarit::test;
namespace fs = std::filesystem;

namespace {

using Commandes_Fichier = Cadre_Test;

TEST_F(Commandes_Fichier, SauverRefuseLeMaitreSousSonNomEtSousTousSesChemins) {
    for (const std::string nom :
         {std::string("tov0.mas"), dossier + "/tov0.mas", dossier + "/./tov0.mas"}) {
        messages.clear();
        e.Nom_Projet = nom;
        MDIForm1_M_Fichier_Sauver_Click(ctx());
        ASSERT_EQ(messages.size(), 1u) << nom;
        EXPECT_EQ(messages[0].texte.toStdString(),
                  "Impossible de Sauver " + nom + "\n Ce projet est un Master");
        EXPECT_EQ(messages[0].style, MB_STOP);
        EXPECT_EQ(messages[0].titre, QStringLiteral("Attention"));
    }
    EXPECT_FALSE(A_Fait("ecrit_projet"));
    EXPECT_EQ(Octets(dossier + "/tov0.mas"), "1\n");
    // "Copier" in the real save dialog of the program folder: the master typed is refused at
    // once, one box a key and never asked about, the dialog kept open for another name.
    Installe_Dialogue_Fichier(nullptr);
    QDir::setCurrent(QString::fromStdString(dossier));
    e.P(1) = 7;
    messages.clear();
    QTimer::singleShot(0, [&] {
        QWidget *d = QApplication::activeModalWidget();
        auto *nom = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QApplication::setActiveWindow(d);
        for (const char *tape : {"tov0.mas", "tov0.mas", "copie"}) {
            QTest::mouseClick(nom, Qt::LeftButton); // the name box, where the user types
            nom->setText(QString::fromUtf8(tape));  // pasted: no completion pops up
            QTest::keyClick(nom, Qt::Key_Return);
        }
        d->close(); // closed by the last name, unless refused
    });
    Action("M_Fichier_Copier")->trigger();
    ASSERT_EQ(messages.size(), 3u); // "Copier", then one box a key
    EXPECT_EQ(messages[1].texte, "Impossible de Sauver " + QDir::current().filePath("tov0.mas") +
                                     "\n Ce projet est un Master");
    EXPECT_EQ(messages[2].texte, messages[1].texte);
    EXPECT_EQ(Octets(dossier + "/copie.cot"), "7\n");
}

// A command refused after it renamed the project puts the name back with the rest, in the
// caption too: the follow-up of an open refuses a hull the table cannot hold, read here without
// the open's checks. From the menu and the key, and after the save question named the master's
// work.
TEST_F(Commandes_Fichier, UnRefusRemetLeNomEtLaLegende) {
    Services().lit_projet = [](const std::string &, Etat_Projet &p) { p.P(1) = 2500; };
    dialogue.ouvre = QString::fromStdString(dossier + "/long.cot");
    dialogue.sauve = QString::fromStdString(dossier + "/travail.cot");
    for (const int k : {0, 1, 2, 3}) {
        const bool question = k > 1;
        const std::string nom = question ? "tov0.mas" : dossier + "/bateau.cot";
        ctx().Nomme_Projet(nom);
        e.P(1) = 500, e.P(2) = 0, e.P(57) = 1000;
        Marque_Enregistre(e);
        e.P(2) = question ? 7 : 0; // changed: saved under a name of its own first
        reponses_enregistrer = {REPONSE_OUI};
        k % 2 ? Clique_Touche("ouvrir") : Action("M_Fichier_Ouvrir")->trigger();
        EXPECT_EQ(e.Nom_Projet, nom) << k;
        EXPECT_EQ(cadre->windowTitle().toStdString(), nom) << k;
        EXPECT_EQ(e.P(1), 500) << k;
        EXPECT_EQ(Projet_Modifie(e), question) << k;
        ASSERT_FALSE(messages.empty());
        EXPECT_TRUE(messages.back().texte.startsWith(QStringLiteral("Carène trop longue"))) << k;
    }
}

TEST_F(Commandes_Fichier, SauverDemandeEtUnEchecEstSignale) {
    const std::string nom = dossier + "/bateau.cot";
    Faux_Services::Ecrit_Projet_Faux(nom, 5);
    e.Nom_Projet = nom;
    e.P(1) = 8;
    reponses_oui = {false};
    MDIForm1_M_Fichier_Sauver_Click(ctx());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texte.toStdString(), "Voulez vous réellement Sauver  " + nom);
    EXPECT_EQ(messages[0].style, MB_OUI_NON);
    EXPECT_EQ(Octets(nom), "5\n");

    faux.projet_bloque = true;
    MDIForm1_M_Fichier_Sauver_Click(ctx());
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].style, MB_STOP);
    EXPECT_TRUE(messages[2].texte.contains(QStringLiteral("bateau.cot")));
    EXPECT_EQ(Octets(nom), "5\n"); // the old file stays whole

    faux.projet_bloque = false;
    MDIForm1_M_Fichier_Sauver_Click(ctx());
    EXPECT_EQ(Octets(nom), "8\n");
}

TEST_F(Commandes_Fichier, AllerRetourParCopierPuisOuvir) {
    e.Nom_Projet = "tov0.mas";
    cadre->setWindowTitle(QStringLiteral("tov0.mas"));
    e.P(1) = 1234.5;
    const std::string copie = dossier + "/sous dossier/copie.cot";
    fs::create_directories(dossier + "/sous dossier");
    dialogue.sauve = QString::fromStdString(copie);
    MDIForm1_M_Fichier_Copier_Click(ctx()); // the master may be copied
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texte.toStdString(), "Voulez vous réellement Copier  tov0.mas");
    ASSERT_TRUE(fs::exists(copie));
    EXPECT_EQ(e.Nom_Projet, "tov0.mas");
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("tov0.mas"));

    e.P(1) = 0;
    cadre->show();
    ctx().Fenetre<AProfile>().Montre();
    ASSERT_TRUE(ctx().Fenetre<AProfile>().Visible());
    faux.journal.clear();
    dialogue.ouvre = QString::fromStdString(copie);
    EXPECT_TRUE(MDIForm1_M_Fichier_Ouvrir_Click(ctx()));
    EXPECT_EQ(e.P(1), 1234.5);
    EXPECT_EQ(e.Nom_Projet, copie);
    EXPECT_EQ(cadre->windowTitle().toStdString(), copie);
    EXPECT_FALSE(ctx().Fenetre<AProfile>().Visible());
    EXPECT_EQ(faux.journal,
              (std::vector<std::string>{"lit_projet copie.cot", "init_projet", "init_variables",
                                        "calcul_tab", "verifie_projet_lu"}));
    // Now the copy is the project: saving it is allowed.
    MDIForm1_M_Fichier_Sauver_Click(ctx());
    EXPECT_TRUE(A_Fait("ecrit_projet"));
}

TEST_F(Commandes_Fichier, OuvirEchoueSansRienChangerEtLeDit) {
    e.Nom_Projet = "tov0.mas";
    cadre->setWindowTitle(QStringLiteral("tov0.mas"));
    e.P(1) = 7;
    cadre->show();
    ctx().Fenetre<AProfile>().Montre();
    const std::string abime = dossier + "/abime.cot";
    Ecrit_Octets(abime, "rien");
    dialogue.ouvre = QString::fromStdString(abime);
    MDIForm1_M_Fichier_Ouvrir_Click(ctx());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains(QStringLiteral("abime.cot")));
    EXPECT_EQ(e.P(1), 7);
    EXPECT_EQ(e.Nom_Projet, "tov0.mas");
    EXPECT_EQ(cadre->windowTitle(), QStringLiteral("tov0.mas"));
    EXPECT_TRUE(ctx().Fenetre<AProfile>().Visible());
    EXPECT_FALSE(A_Fait("init_projet"));

    // Cancelled: nothing at all.
    dialogue.ouvre.clear();
    EXPECT_FALSE(MDIForm1_M_Fichier_Ouvrir_Click(ctx()));
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Commandes_Fichier, NomDonneEcritAvecSonExtensionJamaisSurLeMaitre) {
    // The name typed in the save dialog by "Copier" or by the master's save question, the file
    // written ("" when none: the master refused, the replacement declined, or the write
    // failed), the one whose replacement was asked.
    struct Cas {
        bool copier;
        const char *tape, *ecrit, *demande = "";
        bool bloque = false, non = false;
    };
    const std::vector<Cas> cas = {
        {true, "mon_bateau", "mon_bateau.cot"},
        {true, "a.b", "a.b", "a.b"},
        {true, "tov0.mas", ""},
        {false, "mon_bateau", "mon_bateau.cot", "mon_bateau.cot"},
        {false, "tov0", "tov0.cot"},
        {false, "tov0.mas", ""},
        {false, "echec", "", "", true},
        // Judged as it will be written: "maitre.cot" names the master.
        {true, "maitre", ""},
        // A hidden name's dot is no extension, a final dot an empty one; declined, then not.
        {true, ".bateau", ".bateau.cot"},
        {true, "bateau.", "", "bateau.cot", false, true},
        {false, "bateau.", "bateau.cot", "bateau.cot"},
    };
    fs::create_symlink("tov0.mas", dossier + "/maitre.cot");
    for (const char *f : {"a.b", ".bateau", "bateau.cot"})
        Ecrit_Octets(dossier + "/" + f, "ancien\n");
    const auto fichiers = [&] {
        std::map<std::string, std::string> m;
        for (const auto &f : fs::directory_iterator(dossier))
            m[f.path().filename().string()] = Octets(f.path().string());
        return m;
    };
    const fs::path ailleurs = Dossier_Temporaire();
    for (std::size_t k = 0; k < cas.size(); ++k) {
        const Cas &c = cas[k];
        SCOPED_TRACE(std::to_string(k) + " " + c.tape);
        e.Nom_Projet = "tov0.mas";
        cadre->setWindowTitle(QStringLiteral("tov0.mas"));
        Marque_Enregistre(e);
        e.P(1) = 10.0 + static_cast<double>(k); // changed since its last save
        messages.clear();
        reponses_enregistrer = {REPONSE_OUI};
        reponses_oui = {true, !c.non}; // "Copier", then the replacement
        faux.projet_bloque = c.bloque;
        dialogue.sauve = QString::fromStdString(dossier + "/" + c.tape);
        auto attendus = fichiers();
        // The dialog may leave the current folder where it browsed.
        QDir::setCurrent(QString::fromStdString(ailleurs.string()));
        bool suit = false;
        if (c.copier)
            MDIForm1_M_Fichier_Copier_Click(ctx());
        else
            suit = Peut_Quitter_Projet(ctx());
        // The file written alone changed, never one not asked about.
        const std::string ecrit = *c.ecrit ? dossier + "/" + c.ecrit : "";
        if (!ecrit.empty())
            attendus[c.ecrit] = std::to_string(10 + k) + "\n";
        EXPECT_EQ(fichiers(), attendus);
        // Named after the file written by the question alone; else nothing saved, and the
        // command asking does not go on.
        const bool nomme = !c.copier && !ecrit.empty();
        EXPECT_EQ(suit, nomme);
        EXPECT_EQ(e.Nom_Projet, nomme ? ecrit : "tov0.mas");
        EXPECT_EQ(cadre->windowTitle().toStdString(), e.Nom_Projet);
        EXPECT_EQ(Projet_Modifie(e), !nomme);
        const bool refus = ecrit.empty() && !c.non;
        ASSERT_EQ(messages.size(), 1u + (*c.demande != 0) + refus);
        EXPECT_EQ(messages.back().style, refus                    ? MB_STOP
                                         : c.copier || *c.demande ? MB_OUI_NON
                                                                  : MB_ENREGISTRER);
        if (*c.demande)
            EXPECT_EQ(messages[1].texte, QString::fromUtf8("Le fichier « %1 » existe déjà.\nVoulez-"
                                                           "vous le remplacer ?")
                                             .arg(c.demande));
        EXPECT_TRUE(fs::equivalent(fs::current_path(), dossier));
    }
}

TEST_F(Commandes_Fichier, ToucheSauverDeLaBarre) {
    cadre->show();
    e.Nom_Projet = "tov0.mas";
    ctx().Fenetre<AProfile>().Montre();
    Clique_Touche("sauver");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.startsWith(QStringLiteral("Impossible de Sauver tov0.mas")));
    EXPECT_FALSE(ctx().Fenetre<AProfile>().Visible()); // the toolbar form hides windows first
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));

    // Cancelled open from the toolbar: the closing steps are skipped.
    cadre->Shell().Texte_Statut(1, "x");
    Clique_Touche("ouvrir");
    EXPECT_EQ(dialogue.ouvertures, 1);
    EXPECT_EQ(Panneau(1), QStringLiteral("x"));
    EXPECT_EQ(Panneau(3), QStringLiteral("Gite: 0"));
}

TEST_F(Commandes_Fichier, OuvirDeLaBarreRepeintLesVoyantsVerifies) {
    cadre->show();
    e.P(57) = e.P(42) = 1000;
    for (int k = 0; k < 7; ++k)
        e.P(186 + k) = 0;
    Affiche_Voyants(e, cadre->Shell()); // every light green before
    // The project read carries its own flags; the check finds one more heel out of date.
    const int drapeaux[7] = {1, 0, 1, 0, 0, 1, 0};
    Services().lit_projet = [&](const std::string &, Etat_Projet &p) {
        p.P(1) = 9;
        p.P(57) = p.P(42) = 1000; // the hull's weight, as the project weighs
        for (int k = 0; k < 7; ++k)
            p.P(186 + k) = drapeaux[k];
    };
    Services().verifie_projet_lu = [](Etat_Projet &p, Interface_Shell &) { p.P(190) = 1; };
    dialogue.ouvre = QString::fromStdString(dossier + "/coule.cot");
    Clique_Touche("ouvrir");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(e.P(1), 9);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Couleur_Voyant(k), drapeaux[k] == 1 || k == 4 ? COULEUR_ROUGE : COULEUR_VERTE)
            << k;
    EXPECT_EQ(Panneau(1), QStringLiteral("Pret"));
}

TEST_F(Commandes_Fichier, OuvirUnRefusDejaDitNEstPasRepete) {
    // The set-up after the read refuses: its reason is shown once, and not at all when the
    // core showed its own box before refusing.
    Services().lit_projet = [](const std::string &, Etat_Projet &p) { p.P(1) = 9; };
    dialogue.ouvre = QString::fromStdString(dossier + "/b.cot");
    for (bool dit : {false, true}) {
        Services().calcul_tab = [dit](Etat_Projet &) {
            throw Erreur_Gabarit("Table refusée", dit);
        };
        messages.clear();
        EXPECT_TRUE(MDIForm1_M_Fichier_Ouvrir_Click(ctx()));
        ASSERT_EQ(messages.size(), dit ? 0u : 1u) << dit;
        if (!dit)
            EXPECT_EQ(messages[0].texte, QString::fromUtf8("Table refusée"));
        EXPECT_EQ(e.P(1), 9);
    }
}

} // namespace

namespace {

TEST_F(Commandes_Fichier, AllerRetourReelParCopierPuisOuvir) {
    // The real reader and writer; the set-up after the open stays stubbed.
    Services().lit_projet = Services_Projet::Reels().lit_projet;
    Services().ecrit_projet = Services_Projet::Reels().ecrit_projet;
    for (int n = 1; n <= 300; ++n) {
        // Of either sign, but for the sizes: no length nor weight is below zero.
        e.P(n) = n * 1.5 - 100.125;
        if (Nature_Taille(n))
            e.P(n) = std::fabs(e.P(n));
        e.Num_Enreg[static_cast<std::size_t>(n)] = std::to_string(n);
        e.Texte_Projet[static_cast<std::size_t>(n)] = "Valeur n° " + std::to_string(n);
    }
    // A hull the table holds, its shape indices 1 to 11, and sails whose figures can be worked
    // out: the open refuses any other.
    const Etat_Projet caisson = Coque_Caisson(1000, 50, 100, 0.25, 0.5);
    for (int n : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 14, 15, 16,  17,
                  19, 20, 21, 35, 36, 82, 83, 84, 85, 86, 87, 96, 97, 98, 107, 108})
        e.P(n) = caisson.P(n);
    // Keel, rudder and bulb profiles the table has (the open refuses any other).
    for (int n : {18, 25, 88, 92, 159, 160, 161})
        e.P(n) = n % 30;
    e.Nom_Projet = dossier + "/bateau.cot";
    const std::string copie = dossier + "/copie.cot";
    dialogue.sauve = QString::fromStdString(copie);
    MDIForm1_M_Fichier_Copier_Click(ctx());
    ASSERT_TRUE(fs::exists(copie));
    EXPECT_EQ(e.Nom_Projet, dossier + "/bateau.cot");
    EXPECT_EQ(e.Texte_Projet[300], "Version 2.2.9");

    const Etat_Projet avant = e;
    for (int n = 1; n <= 300; ++n)
        e.P(n) = 0;
    dialogue.ouvre = QString::fromStdString(copie);
    EXPECT_TRUE(MDIForm1_M_Fichier_Ouvrir_Click(ctx()));
    // Every value as written, but for those the read works out from the others (and the zero
    // the appendages' figures put in n° 109).
    const std::vector<int> &derives = Numeros_Derives();
    for (int n = 1; n <= 300; ++n)
        if ((n < 186 || n > 192) && n != 109 &&
            std::find(derives.begin(), derives.end(), n) == derives.end())
            EXPECT_DOUBLE_EQ(e.P(n), avant.P(n)) << n;
    // The flags hold 178.875 to 187.875, neither 0 nor 1: out of date.
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(e.P(186 + k), 1) << k;
    EXPECT_EQ(e.Texte_Projet[17], "Valeur n° 17");
    EXPECT_EQ(e.Nom_Projet, copie);

    // A damaged file through the real reader: said, and nothing changes.
    const std::string court = dossier + "/court.cot";
    Ecrit_Octets(court, "1\r\n 5000 \r\nLongueur\r\n");
    dialogue.ouvre = QString::fromStdString(court);
    messages.clear();
    MDIForm1_M_Fichier_Ouvrir_Click(ctx());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].texte.contains(QStringLiteral("court.cot")));
    EXPECT_EQ(e.Nom_Projet, copie);
    EXPECT_DOUBLE_EQ(e.P(1), avant.P(1));
}

TEST_F(Commandes_Fichier, OuvirRefuseUneCareneQueLaTableNeTientPas) {
    // A project file whose hull is longer than the table (P(1) = 1e8), or deeper: refused as
    // a damaged file is, the current project and its name staying.
    Services().lit_projet = Services_Projet::Reels().lit_projet;
    // A sign slip or a transom no float holds: refused as the table refuses them, the
    // message naming the station and its values.
    // Values the project derives from others that cannot be worked out: nothing to float, a
    // bulb profile the table does not have.
    for (auto [n, v, raison] : {std::tuple{1, 1e8, "trop longue"},
                                {6, 4000.0, "trop haut"},
                                {7, -0.45, "puissance négative de zéro"},
                                {14, 4e38, "demi-largeur 4e+38 mm"},
                                {57, 0.0, "Le poids total est nul"},
                                {159, 45.0, "entre 0 et 39 (45 demandé)"}}) {
        Etat_Projet lu = Coque_Caisson(1000, 50, 100);
        lu.P(57) = 1000;
        lu.P(n) = v;
        const std::string chemin = dossier + "/demesure.cot";
        Ecrit_Fichier_Projet(chemin, lu);
        e.Nom_Projet = "tov0.mas";
        e.P(1) = 7;
        messages.clear();
        faux.journal.clear();
        dialogue.ouvre = QString::fromStdString(chemin);
        MDIForm1_M_Fichier_Ouvrir_Click(ctx());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].texte.contains(QStringLiteral("demesure.cot")));
        EXPECT_TRUE(messages[0].texte.contains(QString::fromUtf8(raison)))
            << messages[0].texte.toStdString();
        EXPECT_EQ(e.P(1), 7);
        EXPECT_EQ(e.P(6), 0);
        EXPECT_EQ(e.Nom_Projet, "tov0.mas");
        EXPECT_FALSE(A_Fait("init_projet"));
    }
}

} // namespace

namespace {

// The lights the open paints, from a file its own program wrote: the master of data/ with
// flags F, changed outside the program in one value, and floated with the real services.
class Voyants_Ouverture : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        Fichiers_Reels({"tov0.mas", "nacaa.ini"});
        Lit_Fichier_Projet(dossier + "/tov0.mas", Projet_Courant(maitre));
    }
    // Opens the file through the menu, as the user does; the lights' flags after it.
    std::array<double, 7> Ouvre(const std::string &chemin) {
        dialogue.ouvre = QString::fromStdString(chemin);
        Action("M_Fichier_Ouvrir")->trigger();
        std::array<double, 7> d{};
        for (int k = 0; k < 7; ++k) {
            d[static_cast<std::size_t>(k)] = e.P(186 + k);
            EXPECT_EQ(Couleur_Voyant(k), e.P(186 + k) == 1 ? COULEUR_ROUGE : COULEUR_VERTE) << k;
        }
        return d;
    }
    Etat_Projet maitre;
};

constexpr std::array<double, 7> F = {0, 0, 1, 0, 0, 1, 0};
constexpr std::array<double, 7> ROUGES = {1, 1, 1, 1, 1, 1, 1};

TEST_F(Voyants_Ouverture, VoyantsDuFichierVerifiesParLaFlottaison) {
    cadre->show();
    // The coefficient at 15 degrees as "Precision" ticked works it out: not the file's.
    Shell_Muet muet;
    auto fin = std::make_unique<Etat_Projet>();
    Prepare_Maitre(*fin, muet);
    fin->P(26) = 15;
    const double precision = Calcul_Coef_Pris(*fin, muet, nullptr, true);
    ASSERT_FALSE(Meme_Milliemes(precision, maitre.P(196)));
    struct Cas {
        const char *quoi;
        std::vector<std::pair<int, double>> changes;
        std::array<double, 7> voyants;
        bool impossible;
    };
    // A light stays green only where the file's results for that heel are this boat's.
    const std::vector<Cas> cas = {
        {"tel quel", {}, F, false},
        // A hull value changed: every floating position moves.
        {"demi-largeur", {{5, 90}}, ROUGES, false},
        // A value the project derives from others: worked out again, its results stale.
        {"poids total", {{42, 3420}}, ROUGES, false},
        {"hauteur du bulbe", {{166, 50}}, ROUGES, false},
        // The file's own upright results are not the waterline of its values.
        {"volume", {{13, 40}}, {1, 0, 1, 0, 0, 1, 0}, false},
        {"volume a 0", {{207, 394000}}, {1, 0, 1, 0, 0, 1, 0}, false},
        // The upright waterline places the bulb under it and the sails above it: the heights
        // the file holds are not this waterline's, and no result of it stands.
        {"franc-bord arriere", {{43, 50}}, ROUGES, false},
        {"franc-bord avant", {{49, 56}}, ROUGES, false},
        // The keel's span: the bulb's depth, the keel's area, every moment.
        {"quille", {{113, 500}}, ROUGES, false},
        // A figure the sail plan gives, or the areas it asks of the keel: not this plan's.
        {"surface de voilure", {{102, 400000}}, ROUGES, false},
        {"surface de derive demandee", {{125, 1.5}}, ROUGES, false},
        // The height the master's bulb gives without the NACA table: not this boat's.
        {"hauteur du centre de gravite", {{28, 341}}, ROUGES, false},
        {"servo de cote", {{76, 30}}, ROUGES, false},
        {"bascule", {{228, 10}}, ROUGES, false},
        // One heel's stored result changed by hand.
        {"moment a 20", {{218, 374000}}, {0, 0, 1, 0, 1, 1, 0}, false},
        {"coefficient a 15", {{196, 6}}, {0, 0, 1, 1, 0, 1, 0}, false},
        {"coefficient fin a 15", {{196, precision}}, F, false},
        {"surface a 0", {{200, 150}}, {1, 0, 1, 0, 0, 1, 0}, false},
        {"surface a 5", {{201, 160}}, {0, 1, 1, 0, 0, 1, 0}, false},
        {"surface theorique", {{229, 90}}, {0, 0, 1, 0, 0, 1, 1}, false},
        // Flags that are neither 0 nor 1.
        {"drapeaux", {{187, 180.375}, {190, 0.5}}, {0, 1, 1, 0, 1, 1, 0}, false},
        // A hull 40 mm wide cannot carry the boat's 3920 g: said once, and no result of the
        // file stands. Its derived values are the file's: the flotation alone decides.
        {"coule", {{5, 20}}, ROUGES, true},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.quoi);
        Etat_Projet f = maitre;
        for (int k = 0; k < 7; ++k)
            f.P(186 + k) = F[static_cast<std::size_t>(k)];
        for (auto [n, v] : c.changes)
            f.P(n) = v;
        const std::string chemin = dossier + "/essai.cot";
        Ecrit_Fichier_Projet(chemin, f);
        // Before: another project as read, its lights the other way round.
        e.P(5) = 70;
        for (int k = 0; k < 7; ++k)
            e.P(186 + k) = 1 - F[static_cast<std::size_t>(k)];
        Marque_Enregistre(e);
        messages.clear();
        EXPECT_EQ(Ouvre(chemin), c.voyants);
        ASSERT_EQ(messages.size(), c.impossible ? 1u : 0u);
        if (c.impossible)
            EXPECT_EQ(messages[0].texte, QStringLiteral("Calcul de flottaison impossible"));
    }
}

TEST_F(Voyants_Ouverture, UnProjetSauveRevientAvecSesVoyants) {
    cadre->show();
    dialogue.ouvre = QString::fromStdString(dossier + "/tov0.mas");
    Action("M_Fichier_Ouvrir")->trigger();
    ASSERT_TRUE(messages.empty());
    // Copied with some results out of date, then another project opened.
    for (int k = 0; k < 7; ++k)
        e.P(186 + k) = F[static_cast<std::size_t>(k)];
    const std::string copie = dossier + "/copie.cot";
    dialogue.sauve = QString::fromStdString(copie);
    Action("M_Fichier_Copier")->trigger();
    Etat_Projet autre = maitre;
    autre.P(5) = 80;
    Ecrit_Fichier_Projet(dossier + "/autre.cot", autre);
    EXPECT_EQ(Ouvre(dossier + "/autre.cot"), ROUGES);
    EXPECT_EQ(Ouvre(copie), F);
    // Saved under its own name with other lights: they come back too.
    const std::array<double, 7> G = {0, 1, 0, 1, 1, 0, 0};
    for (int k = 0; k < 7; ++k)
        e.P(186 + k) = G[static_cast<std::size_t>(k)];
    Action("M_Fichier_Sauver")->trigger();
    EXPECT_EQ(Ouvre(dossier + "/autre.cot"), ROUGES);
    EXPECT_EQ(Ouvre(copie), G);
}

// Boats the series floats heeled but not upright: it leaves 0 degrees red and goes on, and the
// open judges the copy's lights by that same rule.
TEST_F(Voyants_Ouverture, LaSerieEtLOuvertureDecidentLesVoyantsPareil) {
    cadre->show();
    const std::array<double, 7> SAUF_DROIT = {1, 0, 0, 0, 0, 0, 0};
    for (auto [n, v] : {std::pair{36, 500.0}, {19, 90.0}, {72, 5000.0}, {20, 60.0}}) {
        SCOPED_TRACE(n);
        Ouvre(dossier + "/tov0.mas");
        Clique_Touche("Aff_Valeur");
        Editeur(ctx(), n, v);
        messages.clear();
        Clique_Touche("Calcul_Gite");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].texte, QStringLiteral("Calcul de flottaison impossible à 0°"));
        const Etat_Projet serie = e;
        const std::string copie = dossier + "/sans_droit.cot";
        dialogue.sauve = QString::fromStdString(copie);
        Action("M_Fichier_Copier")->trigger();
        messages.clear();
        EXPECT_EQ(Ouvre(copie), SAUF_DROIT);
        for (int i = 1; i <= 300; ++i)
            if (!Valeur_De_Travail(i))
                EXPECT_EQ(e.P(i), serie.P(i)) << i;
        // The open tells the upright failure once, as the series did (after the question
        // whether to save the boat left).
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].texte, QStringLiteral("Calcul de flottaison impossible"));
    }
}

} // namespace
