// The dialogs' file models never open the files they list.
#include <QAbstractProxyModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

#include "platform/Dialogue_Fichier.h"
#include "platform/Icones_Fichiers.h"
#include "platform/Surface_Imprimante.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

// A PDF without an extension: Qt's provider reads it and says PDF, ours goes by the name.
TEST(Icones_Fichiers, LeTypeVientDuNomPasDuContenu) {
    const QString chemin =
        QDir(QString::fromStdString(test::Dossier_Temporaire())).filePath(QStringLiteral("plan"));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n");
    f.close();
    const QFileInfo info(chemin);
    ASSERT_EQ(QFileIconProvider().type(info),
              QMimeDatabase().mimeTypeForName("application/pdf").comment());
    EXPECT_EQ(Icones_Fichiers().type(info), "Fichier");
    EXPECT_EQ(Icones_Fichiers().type(QFileInfo(chemin + ".cot")), "Fichier cot");
    EXPECT_EQ(Icones_Fichiers().type(QFileInfo(QDir::tempPath())), "Dossier");
}

TEST(Icones_Fichiers, PosesSurLesDialogues) {
    QFileDialog d;
    Prepare_Dialogue_Projets(d, false);
    EXPECT_EQ(d.iconProvider(), &Icones_Fichiers());

    QPrinter p;
    QPrintDialog pd(&p);
    Prepare_Dialogue_Imprimante(pd);
    const auto modeles = pd.findChildren<QFileSystemModel *>();
    ASSERT_FALSE(modeles.isEmpty());
    for (QFileSystemModel *m : modeles)
        EXPECT_EQ(m->iconProvider(), &Icones_Fichiers());
}

// A file dialog that Qt opens itself, shown while the guard lives, gets the French columns
// and the provider; one shown without the guard keeps Qt's.
TEST(Icones_Fichiers, DialoguesOuvertsParQt) {
    QFileDialog avant;
    avant.setOption(QFileDialog::DontUseNativeDialog);
    {
        const Garde_Dialogues_Fichier garde;
        QFileDialog d;
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.show();
        EXPECT_EQ(d.iconProvider(), &Icones_Fichiers());
        ASSERT_NE(d.proxyModel(), nullptr);
        EXPECT_EQ(d.proxyModel()->headerData(3, Qt::Horizontal).toString(),
                  QString::fromUtf8("Dernière modification"));
        d.close();
    }
    avant.show();
    EXPECT_NE(avant.iconProvider(), &Icones_Fichiers());
    EXPECT_EQ(avant.proxyModel(), nullptr);
    avant.close();
}
