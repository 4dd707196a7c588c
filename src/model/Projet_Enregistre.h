#pragma once
// What a project is made of, as the commands see it: the working settings of the views and
// walks, and the rest, the boat and every result worked out for it. "Changed since it was
// saved" is decided here, once, for every command that would end or replace the project.
#include "model/Etat_Projet.h"

namespace gabarit {

// Working settings of the views and walks: the view scale and origin, the user's heel and
// rotation, the walk steps. Every read puts them back; they are not the boat, and a command
// keeps them as it computed them (a view's scale is not cut to a thousandth).
bool Valeur_De_Travail(int n);
// True when `apres` holds a value or a comment of the project other than `avant` does, exactly:
// working settings aside.
bool Projet_Change(const Etat_Projet &avant, const Etat_Projet &apres);

// The working settings a computation reads as it walks the hull: the heel it works at and the
// longitudinal and vertical steps. The views' scale, origin and rotation are not among them:
// a drawing sets them and uses them at once.
bool Reglage_Des_Calculs(int n);
// What a command run while a computation lets events run must not change: a value or a
// comment of the boat (Projet_Change), or a setting the computation reads.
bool Change_Sous_Calcul(const Etat_Projet &avant, const Etat_Projet &apres);

// The project as it stands is what a file holds: just read from it or just written to it.
void Marque_Enregistre(Etat_Projet &e);
// The project as it stands was made in memory (the assistant's new boat): no file holds it
// until it is written, so it counts as changed.
void Marque_Non_Enregistre(Etat_Projet &e);
// True when the project is not what a file holds: made in memory and never written, or
// holding a value or a comment other than the one last read or saved, to the thousandth a
// file keeps (working settings and the version stamp aside). False before any project was
// read.
bool Projet_Modifie(const Etat_Projet &e);
// True for a project made in memory that no file holds yet.
bool Projet_Sans_Fichier(const Etat_Projet &e);

} // namespace gabarit
