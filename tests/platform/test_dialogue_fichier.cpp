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
    QDir(dossier).mkdir(QStringLiteral("plans"));
    QFile f(QDir(dossier).filePath(QStringLiteral("bateau.cot")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, ' '));
    f.close();
    QFile cache(QDir(dossier).filePath(QStringLiteral(".bateau")));
    ASSERT_TRUE(cache.open(QIODevice::WriteOnly));
    cache.close();
    const QString courant = QDir::currentPath();
    QDir::setCurrent(dossier);
    QFileDialog d;
    Prepare_Dialogue_Projets(d, false);
    Dialogue_Enregistrement sauve;
    QDir::setCurrent(courant);
    // The save dialog gives the file written: a name typed without an extension (a hidden
    // name's leading dot is none, a final dot is an empty one) is the project file ".cot", and
    // the replace question names that file alone; one typed with an extension is kept.
    EXPECT_EQ(sauve.windowTitle(), "Enregistrer sous");
    QStringList questions;
    int reponse = REPONSE_NON;
    Remplace_Boite_Message([&](const QString &t, int style, const QString &titre) {
        questions << QStringLiteral("%1 %2 %3").arg(titre).arg(style).arg(t);
        return reponse;
    });
    const QString remplacer = QString::fromUtf8(
        "Enregistrer sous 52 Le fichier « bateau.cot » existe déjà.\nVoulez-vous le remplacer ?");
    struct Cas {
        const char *tape, *fichier;
        bool demande;
        int reponse = REPONSE_OUI;
    };
    for (const Cas &c :
         {Cas{"mon_bateau", "mon_bateau.cot", false}, Cas{"a.b", "a.b", false},
          Cas{".bateau", ".bateau.cot", false}, Cas{"bateau.", "", true, REPONSE_NON},
          Cas{"bateau.", "bateau.cot", true}, Cas{"bateau", "bateau.cot", true}}) {
        SCOPED_TRACE(c.tape);
        questions.clear();
        reponse = c.reponse;
        sauve.setResult(QDialog::Rejected);
        sauve.selectFile(QString::fromUtf8(c.tape));
        sauve.accept();
        EXPECT_EQ(questions, c.demande ? QStringList{remplacer} : QStringList{});
        EXPECT_EQ(sauve.result(), *c.fichier ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(sauve.Nom_Choisi(), *c.fichier ? QDir(dossier).filePath(c.fichier) : QString());
    }
    Remplace_Boite_Message({});
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
