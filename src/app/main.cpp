// Gabarit: one design state, the splash, then the main frame and its start-up.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "model/Etat_Projet.h"
#include "platform/Traduction.h"
#include "shell/fenetres/Chargement.h"
#include "shell/fenetres/MDIForm1.h"

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    // The file dialogs and standard buttons in French, like the rest of the program.
    gabarit::Installe_Traduction_Qt();
    // The program folder holds the master, the settings, the NACA table, help and sounds.
    gabarit::Etat_Projet etat;
    etat.Dossier_Programme = QCoreApplication::applicationDirPath().toStdString();
    QDir::setCurrent(QCoreApplication::applicationDirPath());

    gabarit::MDIForm1 cadre(etat);
    gabarit::Chargement splash([&cadre] {
        // Out of the splash's timer event before the frame's modal open dialog.
        QTimer::singleShot(0, &cadre, [&cadre] { cadre.MDIForm1_MDIForm_Load(); });
    });
    return app.exec();
}
