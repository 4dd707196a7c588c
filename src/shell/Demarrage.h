#pragma once
// The start-up of a project and the settings file at start and shut-down, without windows:
// the main frame runs the dialog and the tip window around these steps.
#include <string>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"

namespace gabarit {

inline const std::string NOM_REGLAGES = "tov.ini";

// Where a project name points: a relative name is taken in the program folder (the folder
// the program keeps current).
std::string Chemin_Projet(const Etat_Projet &e, const std::string &nom);
// True when nom is the bare master name or any path that names the program folder's
// master file: saving there would overwrite the defaults of every new project.
bool Est_Maitre(const Etat_Projet &e, const std::string &nom);

struct Resultat_Demarrage {
    std::string nom_projet;           // caption and Nom_Projet; empty when nothing was read
    bool reglages_ecrivables = false; // tov.ini was read or created: it may be written back
};

// From the dialog's choice ("" = cancelled) to an initialised project: reads the chosen
// file, falling back on the master with a message; reads tov.ini (created with defaults
// when missing) and writes it back; Init_Projet and Init_Variables; printer scales;
// Nom_Projet. Every failure is reported by a message and never stops the start.
Resultat_Demarrage Demarrage_Projet(Etat_Projet &e, Interface_Shell &s, const std::string &choisi);
// Hull table and the lights checked against the project read (Met_En_Place_Projet_Lu). With no
// project read, every light goes red.
void Demarrage_Calculs(Etat_Projet &e, Interface_Shell &s, const Resultat_Demarrage &r);

// Default settings of a new tov.ini: both printer calibrations 56.7 twips per mm.
void Reglages_Par_Defaut(Etat_Projet &e);
// Writes tov.ini at shut-down when it may be written; a failure is reported (stop message).
// Returns false when the write failed.
bool Ecrit_Reglages_Arret(const Etat_Projet &e, Interface_Shell &s, bool ecrivables);

} // namespace gabarit
