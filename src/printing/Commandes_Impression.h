#pragma once
// The print buttons of the print window: which template each prints, for which stations,
// after the landscape reminder.
#include <vector>

#include "interfaces/Interface_Shell.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// The buttons' indices in the window's Command2 array (there are no 8 and 9).
enum Bouton_Impression {
    IMP_COUPLE_X = 0,
    IMP_PROFILE_ARRIERE = 1,
    IMP_PROFILE_AVANT = 2,
    IMP_LIVET_ECHELLE = 3,
    IMP_PROFILE_ECHELLE = 4,
    IMP_TABLEAU_ARRIERE = 5,
    IMP_COUPLE_LARGE = 6,
    IMP_COUPLE_HAUT = 7,
    IMP_COUPLES_AUTO = 10,
};

// What the window holds when a button is pressed.
struct Choix_Impression {
    double station = 0;         // "Imprime un couple n° : ", whole mm
    double pas = 10;            // "Imprime une suite aux pas de :", whole mm
    bool qualite_bonne = false; // "Qualite d'impression bonne" selected
};

// The stations of a series: 0, pas, 2 pas, ... up to the largest multiple of pas not
// beyond the hull length. Refuses a step of 0 or less and a hull the table cannot hold.
std::vector<double> Stations_Serie(const Etat_Projet &e, double pas);

// The station's sheet: the inclined transom at station 0 when the hull has one, else the
// section. True when the sheet went out.
bool Imprime_Station(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s, double x,
                     bool qualite_bonne);

// A press of Command2(index): the landscape reminder (Cancel ends it), then the prints. A
// series stops at its first failed sheet. Failures are reported; nothing here throws.
void Menu_Impression_Command2(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                              int index, const Choix_Impression &choix);

} // namespace gabarit
