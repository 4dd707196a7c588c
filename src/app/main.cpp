// Gabarit: one design state, the main frame, and the event loop.
#include <QApplication>

#include "model/Etat_Projet.h"
#include "shell/fenetres/MDIForm1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gabarit::Etat_Projet etat;
    gabarit::MDIForm1 cadre(etat);
    cadre.show();
    return app.exec();
}
