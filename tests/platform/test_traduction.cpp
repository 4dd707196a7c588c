#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <gtest/gtest.h>

#include "platform/Traduction.h"

using namespace gabarit;

TEST(Traduction, LesDialoguesDeQtParlentFrancais) {
    const QString fichier =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    if (!QFileInfo::exists(fichier))
        GTEST_SKIP() << "no French translation of Qt on this machine";
    QTranslator *t = Installe_Traduction_Qt();
    ASSERT_NE(t, nullptr);
    // The open and save dialogs, and their buttons.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"),
              QString::fromUtf8("&Nom de fichier :"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    // The printer dialogs' titles, tabs and options that Qt's catalogue leaves in English.
    EXPECT_EQ(QCoreApplication::translate("QPrintPropertiesDialog", "Printer Properties"),
              QString::fromUtf8("Propriétés de l'imprimante"));
    EXPECT_EQ(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"),
              QString::fromUtf8("Avancé"));
    EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", "Long side binding"),
              "Reliure bord long");
    EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", "Color"), "Couleur");
    QCoreApplication::removeTranslator(t);
    delete t;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}
