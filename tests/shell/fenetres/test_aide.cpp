// The help viewer: the 17 topics from the program folder, a missing topic, its fixed layout.
#include <QDir>
#include <QMdiArea>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

#include "fenetres/Contexte.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Etat_Projet.h"
#include "platform/Boite_Message.h"
#include "platform/Twips.h"
#include "shell/fenetres/Aide.h"
#include "support/Banc_Fenetre.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

namespace {

class AideTest : public ::testing::Test {
protected:
    void SetUp() override {
        dossier_initial_ = QDir::currentPath();
        etat_.Dossier_Programme = test::Dossier_Donnees();
        Remplace_Boite_Message([this](const QString &t, int s, const QString &ti) {
            messages_.push_back({t, s, ti});
            return REPONSE_OK;
        });
    }
    void TearDown() override {
        Remplace_Boite_Message({});
        QDir::setCurrent(dossier_initial_);
    }
    Etat_Projet etat_;
    Shell_Enregistreur shell_;
    std::vector<test::Message_Vu> messages_;
    QString dossier_initial_;
};

} // namespace

TEST_F(AideTest, EveryTopicOpensFromTheProgramFolderWithText) {
    Contexte ctx(etat_, shell_, nullptr);
    Aide &aide = ctx.Fenetre<Aide>();
    const std::unique_ptr<Aide> fin(&aide); // no frame's area to own it
    EXPECT_EQ(aide.windowTitle(), "Menu Aide");
    ASSERT_EQ(aide.findChild<QTextEdit *>("RichTextBox1"), aide.RichTextBox1());
    EXPECT_TRUE(aide.RichTextBox1()->isReadOnly());
    for (int n = 0; n < Aide::NB_SUJETS; ++n) {
        aide.Montre_Sujet(n);
        const QString texte = aide.RichTextBox1()->toPlainText();
        SCOPED_TRACE(Aide::Fichier_Sujet(n).toStdString());
        EXPECT_GT(texte.size(), 300);
        // Nothing of the rich-text syntax may reach the reader.
        EXPECT_FALSE(texte.contains('\\') || texte.contains('{') || texte.contains('}'));
        EXPECT_TRUE(texte.contains(QString::fromUtf8("é")) ||
                    texte.contains(QString::fromUtf8("è")));
        // The title is the first paragraph, bold and centred.
        const QTextBlock titre = aide.RichTextBox1()->document()->firstBlock();
        EXPECT_FALSE(titre.text().isEmpty());
        EXPECT_EQ(titre.begin().fragment().charFormat().fontWeight(), QFont::Bold);
        EXPECT_TRUE(titre.blockFormat().alignment() & Qt::AlignHCenter);
    }
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(aide.isVisible());
}

TEST_F(AideTest, TopicFileNamesFollowTheMenuOrder) {
    EXPECT_EQ(Aide::Fichier_Sujet(0), "airedescouples.rtf");
    EXPECT_EQ(Aide::Fichier_Sujet(2), QString::fromUtf8("AntiDérive.rtf"));
    EXPECT_EQ(Aide::Fichier_Sujet(6), QString::fromUtf8("Déplacement.rtf"));
    EXPECT_EQ(Aide::Fichier_Sujet(11), QString::fromUtf8("précisionHorizontale.rtf"));
    EXPECT_EQ(Aide::Fichier_Sujet(16), "Voilure.rtf");
    EXPECT_TRUE(Aide::Fichier_Sujet(-1).isEmpty());
    EXPECT_TRUE(Aide::Fichier_Sujet(17).isEmpty());
    Contexte ctx(etat_, shell_, nullptr);
    Aide &aide = ctx.Fenetre<Aide>();
    const std::unique_ptr<Aide> fin(&aide); // no frame's area to own it
    aide.Montre_Sujet(17);                  // no such item: nothing happens
    EXPECT_FALSE(aide.isVisible());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(AideTest, TopicIsReadFromTheProgramFolderWhateverFolderIsCurrent) {
    QDir::setCurrent(QString::fromStdString(test::Dossier_Temporaire()));
    Contexte ctx(etat_, shell_, nullptr);
    Aide &aide = ctx.Fenetre<Aide>();
    const std::unique_ptr<Aide> fin(&aide); // no frame's area to own it
    aide.Montre_Sujet(11);
    EXPECT_TRUE(aide.RichTextBox1()->toPlainText().contains("L/80"));
    // The heel topic says what a mouse change of the section shape leaves: the upright
    // waterline found again at once.
    aide.Montre_Sujet(8);
    EXPECT_TRUE(aide.RichTextBox1()->toPlainText().contains(
        QString::fromUtf8("rend rouges les voyants de 5° à 30° : la flottaison droite est "
                          "recalculée aussitôt et le voyant de 0° reste vert.")));
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(),
              QDir(QString::fromStdString(test::Dossier_Donnees())).canonicalPath());
}

TEST_F(AideTest, MissingTopicSaysSoAndShowsNoOtherTopic) {
    Contexte ctx(etat_, shell_, nullptr);
    Aide &aide = ctx.Fenetre<Aide>();
    const std::unique_ptr<Aide> fin(&aide); // no frame's area to own it
    aide.Montre_Sujet(8);
    ASSERT_FALSE(aide.RichTextBox1()->toPlainText().isEmpty());
    etat_.Dossier_Programme = test::Dossier_Temporaire(); // an empty program folder
    aide.Montre_Sujet(9);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].texte.contains("pendulaire.rtf"));
    EXPECT_TRUE(messages_[0].texte.contains("introuvable"));
    EXPECT_EQ(messages_[0].style, MB_EXCLAMATION);
    EXPECT_TRUE(aide.RichTextBox1()->toPlainText().isEmpty());
    EXPECT_TRUE(aide.isVisible());
}

TEST_F(AideTest, ViewerSnapsBackToItsSizeCentredOnTheFrame) {
    QWidget cadre;
    cadre.resize(1000, 800);
    QMdiArea zone(&cadre);
    zone.setGeometry(0, 0, 1000, 800);
    cadre.show();
    Contexte ctx(etat_, shell_, &zone);
    ctx.cadre = &cadre;
    Aide &aide = ctx.Fenetre<Aide>();
    aide.Montre_Sujet(0);
    const int lw = 391, lh = 383; // 5865 x 5750 twips
    EXPECT_EQ(aide.Largeur_Externe(), lw);
    EXPECT_EQ(aide.Hauteur_Externe(), lh);
    // The first opening is centred by its fixed size.
    EXPECT_EQ(aide.Gauche(), (1000 - lw) / 2);
    EXPECT_EQ(aide.Haut(), (800 - lh) / 2);
    // A resize by hand: back to the fixed size, centred by the size it had been given.
    aide.Cadre()->resize(500, 300);
    EXPECT_EQ(aide.Largeur_Externe(), lw);
    EXPECT_EQ(aide.Hauteur_Externe(), lh);
    EXPECT_EQ(aide.Gauche(), (1000 - 500) / 2);
    EXPECT_EQ(aide.Haut(), (800 - 300) / 2);
    EXPECT_EQ(aide.RichTextBox1()->geometry(), QRect(0, 27, 384, 303)); // 400, 5765 and 4550 twips
}
