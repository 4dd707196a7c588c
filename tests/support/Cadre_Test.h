#pragma once
// A main frame over a temporary program folder, with the project operations, the message
// boxes and the file dialogs replaced, for driving the frame as a user would.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

#include "fenetres/Contexte.h"
#include "platform/Boite_Message.h"
#include "platform/Dialogue_Fichier.h"
#include "rig/Table_Naca.h"
#include "shell/fenetres/MDIForm1.h"
#include "shell/fenetres/Shell_Qt.h"
#include "support/Banc_Fenetre.h"
#include "support/Chemins_Test.h"
#include "support/Faux_Services.h"

namespace gabarit::test {

struct Dialogue_Test : Dialogue_Fichier {
    QString ouvre, sauve;
    int ouvertures = 0, sauvegardes = 0;
    QString Ouvre(QWidget *) override {
        ++ouvertures;
        return ouvre;
    }
    // Ends as the real one: the name typed, completed, its replacement asked.
    QString Sauve(QWidget *w, const Refus_Fichier &refuse) override {
        ++sauvegardes;
        return Fichier_A_Enregistrer(w, sauve, refuse);
    }
};

class Cadre_Test : public Dossier_Faux {
protected:
    void SetUp() override {
        Prepare(" 56700 \r\n 56700 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
        Remplace_Boite_Message([this](const QString &t, int style, const QString &titre) {
            messages.push_back({t, style, titre});
            if (style == MB_OUI_NON) {
                const bool oui = reponses_oui.empty() || reponses_oui.front();
                if (!reponses_oui.empty())
                    reponses_oui.erase(reponses_oui.begin());
                return oui ? REPONSE_OUI : REPONSE_NON;
            }
            if (style == MB_ENREGISTRER) {
                if (reponses_enregistrer.empty())
                    return REPONSE_NON;
                const int r = reponses_enregistrer.front();
                reponses_enregistrer.pop_front();
                return r;
            }
            return REPONSE_OK;
        });
        Installe_Dialogue_Fichier(&dialogue);
        cadre = std::make_unique<MDIForm1>(e);
        cadre->resize(1000, 700);
    }
    void TearDown() override {
        cadre.reset();
        Remplace_Boite_Message({});
        Installe_Dialogue_Fichier(nullptr);
    }

    // The real project and settings operations, over copies of these files of data/; the NACA
    // table among them is read as the start-up reads it, before any project.
    void Fichiers_Reels(std::initializer_list<const char *> fichiers) {
        namespace fs = std::filesystem;
        Services() = Services_Projet::Reels();
        for (const char *f : fichiers) {
            fs::copy_file(fs::path(Dossier_Donnees()) / f, fs::path(dossier) / f,
                          fs::copy_options::overwrite_existing);
            if (std::string(f) == "nacaa.ini")
                Lit_Table_Naca(e);
        }
    }

    Contexte &ctx() { return cadre->ctx(); }
    QAction *Action(const char *nom) { return cadre->Action(QString::fromUtf8(nom)); }
    // A click on a toolbar key, as the user makes it.
    void Clique_Touche(const char *cle) {
        QWidget *b = cadre->Toolbar1()->widgetForAction(Action(cle));
        ASSERT_NE(b, nullptr) << cle;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // The heel buttons and lights sit on the toolbar (the stability window's chart has
    // shapes of the same names).
    QToolButton *Bouton_Gite(int k) {
        return cadre->Toolbar1()->findChild<QToolButton *>(QStringLiteral("Picture1_%1").arg(k));
    }
    int Couleur_Voyant(int k) {
        return cadre->Toolbar1()
            ->findChild<QWidget *>(QStringLiteral("Shape1_%1").arg(k))
            ->property("couleur")
            .toInt();
    }
    QString Panneau(int n) { return cadre->Panneau(n)->text(); }

    Dialogue_Test dialogue;
    std::vector<Message_Vu> messages;
    std::vector<bool> reponses_oui;
    // Answers to the save question (REPONSE_OUI saves, NON discards, ANNULER keeps the
    // project); discard when none is left.
    std::deque<int> reponses_enregistrer;
    std::unique_ptr<MDIForm1> cadre;
};

} // namespace gabarit::test
