// A command that ends or replaces a project changed since it was read, created or saved asks
// first: save, discard or keep it. Driven from the frame on real project files.
#include <QPushButton>
#include <string>
#include <tuple>

#include "model/Fichier_Projet.h"
#include "model/Numeros.h"
#include "model/Projet_Enregistre.h"
#include "model/fenetres/Asst_0.h"
#include "shell/Demarrage.h"
#include "support/Cadre_Test.h"
#include "views/fenetres/AProfile.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

constexpr double POIDS_CHANGE = 4321.5;
const char *const QUESTION = "Le projet « %1 » a été modifié depuis son dernier "
                             "enregistrement.\nVoulez-vous l'enregistrer ?";
const char *const QUESTION_NOUVEAU = "Le projet « MonProjet.cot » n'a jamais été "
                                     "enregistré.\nVoulez-vous l'enregistrer ?";

class Enregistrement : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        Fichiers_Reels({"tov0.mas", "tov.ini", "nacaa.ini"});
        projet = dossier + "/projet.cot";
        autre = dossier + "/autre.cot";
        Ecrit_Octets(projet, Octets(dossier + "/tov0.mas"));
        // Another boat to open: its weight differs from the one in work.
        Etat_Projet lu;
        Lit_Fichier_Projet(dossier + "/tov0.mas", Projet_Courant(lu));
        lu.P(POIDS_TOTAL) = 3420;
        Ecrit_Fichier_Projet(autre, lu);
    }
    // The start-up on the file the user picks (empty: the master), every window hidden after.
    void Demarre(const std::string &choisi) {
        dialogue.ouvre = QString::fromStdString(choisi);
        cadre->MDIForm1_MDIForm_Load();
        for (Fenetre_Fille *w : ctx().Fenetres())
            w->Cache();
        messages.clear();
    }
    std::string projet, autre;
};

enum class Commande { Ouvir, Touche_Ouvir, Quiter, Fermeture, Terminer };
// Maitre: the master saved under the name the user gives; Maitre_Sans_Nom: no name given.
// Assistant: the assistant's new boat, which no file holds until it is saved at the question.
enum class Cas {
    Intact,
    Annuler,
    Ne_Pas_Enregistrer,
    Enregistrer,
    Maitre,
    Maitre_Sans_Nom,
    Echec,
    Assistant
};

class Enregistrement_Table : public Enregistrement,
                             public ::testing::WithParamInterface<std::tuple<Commande, Cas>> {};

TEST_P(Enregistrement_Table, DemandeAvantDePerdreLesChangements) {
    const auto [commande, cas] = GetParam();
    const bool maitre = cas == Cas::Maitre || cas == Cas::Maitre_Sans_Nom;
    const bool assistant = cas == Cas::Assistant;
    Demarre(maitre ? "" : projet);
    if (assistant) {
        Action("Nouveau")->trigger();
        Clique(ctx().Fenetre<Asst_0>().Command1(1));
        ASSERT_TRUE(messages.empty());
    }
    const std::string nom = maitre ? "tov0.mas" : assistant ? "MonProjet.cot" : projet;
    const std::string copie = dossier + "/copie.cot";
    dialogue.sauve = cas == Cas::Maitre ? QString::fromStdString(copie) : QString();
    const std::string fichier = Chemin_Projet(e, nom);
    const std::string octets = assistant ? "" : Octets(fichier);
    ASSERT_EQ(e.Nom_Projet, nom);
    if (cas != Cas::Intact && !assistant)
        e.P(POIDS_TOTAL) = POIDS_CHANGE;
    reponses_enregistrer = {cas == Cas::Annuler              ? REPONSE_ANNULER
                            : cas == Cas::Ne_Pas_Enregistrer ? REPONSE_NON
                                                             : REPONSE_OUI};
    if (cas == Cas::Echec)
        Services().ecrit_projet = [](const std::string &, Etat_Projet &) {
            throw Erreur_Gabarit("disque plein");
        };
    dialogue.ouvre = QString::fromStdString(autre);
    const bool nouveau = commande == Commande::Terminer;
    if (nouveau)
        Action("Nouveau")->trigger();
    else
        ctx().Fenetre<AProfile>().Montre();
    Fenetre_Fille &fenetre =
        nouveau ? static_cast<Fenetre_Fille &>(ctx().Fenetre<Asst_0>()) : ctx().Fenetre<AProfile>();
    ASSERT_TRUE(fenetre.Visible());
    const int ouvertures = dialogue.ouvertures;

    switch (commande) {
    case Commande::Ouvir:
        Action("M_Fichier_Ouvrir")->trigger();
        break;
    case Commande::Touche_Ouvir:
        Clique_Touche("ouvrir");
        break;
    case Commande::Quiter:
        Action("M_Fichier_Quitter")->trigger();
        break;
    case Commande::Fermeture:
        cadre->close();
        break;
    case Commande::Terminer:
        Clique(ctx().Fenetre<Asst_0>().Command1(1));
        break;
    }

    std::vector<QString> boites;
    if (cas != Cas::Intact)
        boites.push_back(assistant ? QString::fromUtf8(QUESTION_NOUVEAU)
                                   : QString::fromUtf8(QUESTION).arg(QString::fromStdString(nom)));
    if (cas == Cas::Echec)
        boites.push_back(QString::fromUtf8("Le projet n'a pas été enregistré.\ndisque plein"));
    ASSERT_EQ(messages.size(), boites.size());
    for (std::size_t i = 0; i < boites.size(); ++i) {
        EXPECT_EQ(messages[i].texte, boites[i]) << i;
        EXPECT_EQ(messages[i].style, i == 0 ? MB_ENREGISTRER : MB_STOP) << i;
        EXPECT_EQ(messages[i].titre, QStringLiteral("Attention")) << i;
    }

    // Written only when saved, and then with the change; the master never, its copy once
    // named.
    if (cas == Cas::Enregistrer || cas == Cas::Maitre) {
        Etat_Projet lu;
        Lit_Fichier_Projet(cas == Cas::Maitre ? copie : fichier, Projet_Courant(lu));
        EXPECT_EQ(lu.P(POIDS_TOTAL), POIDS_CHANGE);
    }
    if (assistant) { // the new boat of 1000 mm, in the program folder
        Etat_Projet lu;
        Lit_Fichier_Projet(fichier, Projet_Courant(lu));
        EXPECT_EQ(lu.P(LONGUEUR_AV) + lu.P(LONGUEUR_AR), 1000);
    } else if (cas != Cas::Enregistrer) {
        EXPECT_EQ(Octets(fichier), octets);
    }
    EXPECT_EQ(dialogue.sauvegardes, maitre ? 1 : 0);
    // The command went on, or nothing changed at all.
    const bool suit = cas == Cas::Intact || cas == Cas::Ne_Pas_Enregistrer ||
                      cas == Cas::Enregistrer || cas == Cas::Maitre || assistant;
    const bool quitte = commande == Commande::Quiter || commande == Commande::Fermeture;
    const std::string nom_apres = !suit     ? nom
                                  : quitte  ? (cas == Cas::Maitre ? copie : nom)
                                  : nouveau ? std::string("MonProjet.cot")
                                            : autre;
    EXPECT_EQ(fenetre.Visible(), !suit);
    EXPECT_EQ(e.Nom_Projet, nom_apres);
    EXPECT_EQ(cadre->windowTitle().toStdString(), nom_apres);
    EXPECT_EQ(cadre->Termine(), suit && quitte);
    EXPECT_EQ(cadre->isVisible(), !(suit && quitte));
    EXPECT_EQ(dialogue.ouvertures - ouvertures, suit && !quitte && !nouveau ? 1 : 0);
    if (!suit)
        EXPECT_EQ(e.P(POIDS_TOTAL), POIDS_CHANGE);
    // What the project now is counts as saved, but for changes left on quitting and the
    // assistant's new boat, which no file holds.
    EXPECT_EQ(Projet_Modifie(e),
              !suit || (quitte && cas == Cas::Ne_Pas_Enregistrer) || (nouveau && suit));
}

INSTANTIATE_TEST_SUITE_P(
    Commandes, Enregistrement_Table,
    ::testing::Combine(::testing::Values(Commande::Ouvir, Commande::Touche_Ouvir, Commande::Quiter,
                                         Commande::Fermeture, Commande::Terminer),
                       ::testing::Values(Cas::Intact, Cas::Annuler, Cas::Ne_Pas_Enregistrer,
                                         Cas::Enregistrer, Cas::Maitre, Cas::Maitre_Sans_Nom,
                                         Cas::Echec, Cas::Assistant)));

// Under a computation the project cannot be saved: the close box only offers to quit without
// saving, and asks nothing when there is nothing to lose.
TEST_F(Enregistrement, FermetureSousUnCalcul) {
    struct Ligne {
        bool change, oui, quitte;
    };
    for (Ligne l :
         {Ligne{false, false, true}, Ligne{true, true, true}, Ligne{true, false, false}}) {
        cadre = std::make_unique<MDIForm1>(e);
        Demarre(projet);
        if (l.change)
            e.P(POIDS_TOTAL) = POIDS_CHANGE;
        reponses_oui = {l.oui};
        {
            Contexte::Garde_Occupe occupe(ctx());
            cadre->close();
        }
        ASSERT_EQ(messages.size(), l.change ? 1u : 0u) << l.change;
        if (l.change) {
            EXPECT_EQ(messages[0].texte,
                      QString::fromUtf8("Un calcul est en cours : le projet ne peut pas être "
                                        "enregistré maintenant.\nQuitter sans enregistrer ?"));
            EXPECT_EQ(messages[0].style, MB_OUI_NON);
        }
        EXPECT_EQ(cadre->Termine(), l.quitte);
        EXPECT_EQ(cadre->isVisible(), !l.quitte);
        EXPECT_EQ(Octets(projet), Octets(dossier + "/tov0.mas"));
    }
}

} // namespace
