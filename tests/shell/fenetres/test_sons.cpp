#include <QFile>
#include <QFileInfo>

#include "support/Cadre_Test.h"
#include "support/Son_Bloque.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

class Sons : public Cadre_Test {
protected:
    void SetUp() override {
        Cadre_Test::SetUp();
        cadre->Shell().Lecteur_Son = [this](const QString &chemin) {
            EXPECT_EQ(QFileInfo(chemin).absolutePath(),
                      QFileInfo(QString::fromStdString(dossier)).absoluteFilePath());
            joues << QFileInfo(chemin).fileName();
        };
        cadre->show();
    }
    QStringList joues;
};

TEST_F(Sons, SeulementQuandSonEstCoche) {
    QTest::mouseClick(Bouton_Gite(3), Qt::LeftButton);
    Clique_Touche("Vue_Géné");
    Clique_Touche("Stabilite");
    EXPECT_EQ(joues, (QStringList{"Lake1.wav", "ocean5.wav", "ocean4.wav"}));

    Action("Son")->trigger(); // off
    joues.clear();
    QTest::mouseClick(Bouton_Gite(2), Qt::LeftButton);
    Clique_Touche("Profile");
    EXPECT_TRUE(joues.isEmpty());
    EXPECT_EQ(e.P(26), 0);

    Action("Son")->trigger(); // on again
    Clique_Touche("Deplacement");
    EXPECT_EQ(joues, (QStringList{"ocean3.wav"}));
}

TEST_F(Sons, EcritureDepuisLaBarreApresLaConfirmation) {
    e.Nom_Projet = dossier + "/bateau.cot";
    reponses_oui = {false, true};
    Clique_Touche("sauver"); // answered No: no sound, nothing written
    EXPECT_TRUE(joues.isEmpty());
    Clique_Touche("sauver");
    EXPECT_EQ(joues, (QStringList{"TAUNT025.wav"}));
    // The menu form of the same command plays nothing.
    joues.clear();
    Action("M_Fichier_Sauver")->trigger();
    EXPECT_TRUE(joues.isEmpty());
    EXPECT_EQ(Octets(dossier + "/bateau.cot"), "0\n");
}

TEST_F(Sons, QuiterNAttendPasUnSonBloque) {
    // The sound thread stuck in a stalled audio server: "Quiter" still ends at once.
    Joueur_Bloque j;
    cadre->Shell().Lecteur_Son = nullptr; // the real sound thread
    QFile::copy(QString::fromStdString(Dossier_Donnees() + "/ocean3.wav"),
                QString::fromStdString(dossier + "/ocean3.wav"));
    Clique_Touche("Deplacement");
    EXPECT_TRUE(j.Attend_Appels(1));
    Action("M_Fichier_Quitter")->trigger();
    j.Revenu();
    EXPECT_FALSE(j.secours) << "Quiter a attendu le son";
    EXPECT_FALSE(cadre->isVisible());
}

} // namespace
