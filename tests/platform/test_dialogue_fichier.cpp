// The project dialogs speak French whatever the machine's locale.
#include <QAbstractProxyModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include "interfaces/Interface_Shell.h"
#include "platform/Boite_Message.h"
#include "platform/Dialogue_Fichier.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

TEST(Dialogue_Fichier, ColonnesEnFrancaisEtNomCompleteALEnregistrement) {
    const QString dossier = QString::fromStdString(test::Dossier_Temporaire());
    QDir(dossier).mkpath(QStringLiteral("plans/coque.cot"));
    QFile f(QDir(dossier).filePath(QStringLiteral("bateau.cot")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, ' '));
    f.close();
    ASSERT_TRUE(QFile(QDir(dossier).filePath(QStringLiteral(".bateau"))).open(QFile::WriteOnly));
    const QString courant = QDir::currentPath();
    QDir::setCurrent(dossier);
    QFileDialog d;
    Prepare_Dialogue_Projets(d, false);
    Dialogue_Enregistrement sauve;
    QDir::setCurrent(courant);
    // A name typed without an extension in the save dialog is the project file ".cot", the one
    // whose replacement the dialog asks about (declined once); one typed with any is kept.
    // Refused with a box: a name of no project, a folder once completed; the dialog stays.
    EXPECT_EQ(sauve.windowTitle(), "Enregistrer sous");
    QStringList questions;
    Remplace_Boite_Message([&](const QString &t, int, const QString &) {
        questions << t;
        return questions.size() == 1 ? REPONSE_NON : REPONSE_OUI;
    });
    for (auto [tape, fichier] : {std::pair{"mon_bateau", "mon_bateau.cot"},
                                 {"a.b", "a.b"},
                                 {".bateau", ".bateau.cot"},
                                 {"bateau.", ""},
                                 {"bateau.", "bateau.cot"},
                                 {"bateau..", "bateau.cot"},
                                 {".cot", ""},
                                 {"plans/coque", ""},
                                 {"plans", ""}}) { // entered, never saved as "plans.cot"
        sauve.setResult(QDialog::Rejected);
        sauve.selectFile(QString::fromUtf8(tape));
        sauve.accept();
        EXPECT_EQ(sauve.Nom_Choisi(), *fichier ? QDir(dossier).filePath(fichier) : "") << tape;
        EXPECT_EQ(sauve.result(), *fichier ? QDialog::Accepted : QDialog::Rejected);
    }
    Remplace_Boite_Message({});
    EXPECT_EQ(questions, QStringList(3, QString::fromUtf8("Le fichier « bateau.cot » existe "
                                                          "déjà.\nVoulez-vous le remplacer ?"))
                             << QString::fromUtf8("« .cot » n'est pas un nom de projet.\nTapez un "
                                                  "nom avant l'extension « .cot ».")
                             << QString::fromUtf8("« coque.cot » est un dossier.\nTapez un "
                                                  "autre nom de projet."));
    EXPECT_EQ(d.windowTitle(), "Ouvrir");
    EXPECT_EQ(d.nameFilters(), (QStringList{"(*.cot)", "(*.mas)"}));
    QAbstractProxyModel *m = d.proxyModel();
    ASSERT_NE(m, nullptr);
    auto *vue = d.findChild<QTreeView *>(QStringLiteral("treeView"));
    ASSERT_NE(vue, nullptr);
    QModelIndex racine = vue->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m->rowCount(vue->rootIndex()) == 2; }, 5000));
    racine = vue->rootIndex();
    QStringList types, tailles;
    for (int r = 0; r < 2; ++r) {
        types << m->index(r, 2, racine).data().toString();
        tailles << m->index(r, 1, racine).data().toString();
        // Day, month, year, hours and minutes, the French way.
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"))
                        .match(m->index(r, 3, racine).data().toString())
                        .hasMatch())
            << m->index(r, 3, racine).data().toString().toStdString();
    }
    types.sort();
    EXPECT_EQ(types, (QStringList{"Dossier", "Fichier cot"}));
    EXPECT_TRUE(tailles.contains(QString::fromUtf8("2,00 Kio"))) << tailles.join('|').toStdString();
    EXPECT_EQ(m->headerData(3, Qt::Horizontal).toString(),
              QString::fromUtf8("Dernière modification"));
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), "Type");
    // The date heading is not cut.
    const QFontMetrics fm(vue->header()->font());
    EXPECT_GT(vue->header()->sectionSize(3),
              fm.horizontalAdvance(QString::fromUtf8("Dernière modification")));
}
