// The about box: its texts, "Retour", and its place at each activation.
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "fenetres/Contexte.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Etat_Projet.h"
#include "shell/fenetres/Presentation.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;

TEST(Presentation, CaptionNameAndPresentationText) {
    Etat_Projet etat;
    Shell_Enregistreur shell;
    Contexte ctx(etat, shell, nullptr);
    Presentation &p = ctx.Fenetre<Presentation>();
    const std::unique_ptr<Presentation> fin(&p); // no frame's area to own it
    EXPECT_EQ(p.windowTitle(), QString::fromUtf8("Présentation de Gabarit"));
    auto *nom = p.findChild<QLabel *>("Label1");
    EXPECT_EQ(nom->text(), "Gabarit");
    EXPECT_TRUE(nom->font().bold());
    EXPECT_DOUBLE_EQ(nom->font().pointSizeF(), 20.25);
    EXPECT_EQ(nom->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(p.findChild<QLabel *>("Label2")->text().isEmpty());
    EXPECT_NE(p.findChild<QLabel *>("picIcon")->pixmap().isNull(), true);
    EXPECT_EQ(p.findChild<QPushButton *>("Command3")->text(), "Retour");

    const QStringList l = p.findChild<QPlainTextEdit *>("Text1")->toPlainText().split('\n');
    ASSERT_EQ(l.size(), 18);
    EXPECT_EQ(l[0],
              QString::fromUtf8("Ce logiciel a pour objet l'aide à la réalisation de carène "));
    EXPECT_EQ(l[1], QString::fromUtf8("de voilier destiné à la radio-commande."));
    EXPECT_TRUE(l[2].isEmpty());
    EXPECT_FALSE(l[3].isEmpty()); // the credit line
    EXPECT_TRUE(l[4].isEmpty());
    EXPECT_EQ(l[5], "Contacts :");
    EXPECT_EQ(l[6], "\t\tEMAIL       \t\t");
    EXPECT_TRUE(l[7].contains('@'));
    EXPECT_TRUE(l[8].isEmpty());
    EXPECT_EQ(l[9], QString::fromUtf8("\t\tTéléchargement :\t"));
    EXPECT_TRUE(l[10].endsWith('\t'));
    EXPECT_EQ(l[11], " ");
    EXPECT_TRUE(l[12].isEmpty());
    EXPECT_EQ(l[13], QString::fromUtf8("Ce logiciel est en constante évolution,  "));
    EXPECT_EQ(l[14], "Certain de ces menus sont issus de vos commentaires");
    EXPECT_EQ(l[15], QString::fromUtf8("Je reste en contact permanent et réalise vos suggestions"));
    EXPECT_TRUE(l[16].isEmpty());
    EXPECT_EQ(l[17], QString::fromUtf8("Merci a tous….")); // one ellipsis character, then a stop
    // Contacts are made up: reserved example domains only.
    EXPECT_TRUE(l[7].endsWith(".example"));
    EXPECT_TRUE(l[10].trimmed().endsWith(".example"));
}

TEST(Presentation, ComesUpTopLeftAndRetourHides) {
    test::Banc_Fenetre b(900, 700);
    Presentation &p = b.ctx.Fenetre<Presentation>();
    auto *autre = b.zone->addSubWindow(new QWidget);
    p.Montre();
    EXPECT_EQ(p.Gauche(), 0);
    EXPECT_EQ(p.Haut(), 0);
    p.Deplace(200, 150);
    autre->show();
    b.zone->setActiveSubWindow(autre);
    p.Montre(); // activated again: back to the corner
    EXPECT_EQ(p.Gauche(), 0);
    EXPECT_EQ(p.Haut(), 0);
    QTest::mouseClick(p.findChild<QPushButton *>("Command3"), Qt::LeftButton);
    EXPECT_FALSE(p.Visible());
}
