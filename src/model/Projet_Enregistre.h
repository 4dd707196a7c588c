#pragma once
// What a project is made of, as the commands see it: the working settings of the views and
// walks, the figures the last computation or drawing left behind, and the rest, the boat and
// its results. "Changed since it was saved" is decided here, once, for every command that
// would end or replace the project.
#include "model/Etat_Projet.h"

namespace gabarit {

// Working settings of the views and walks: the view scale and origin, the user's heel and
// rotation, the walk steps. Every read puts them back; they are not the boat, and a command
// keeps them as it computed them (a view's scale is not cut to a thousandth).
bool Valeur_De_Travail(int n);
// What the last computation or drawing left in the record: the lateral centre and bulb of the
// last heel drawn, the last prismatic coefficient, the bulb's place in the views, the height
// of the mainsail's centroid above the waterline the sail plan was last drawn on, values every
// computation sets to 0. Saved with the project, but opening a window that redraws them is no
// change of the boat.
bool Valeur_De_Dernier_Calcul(int n);

// True when `apres` holds a value or a comment of the boat other than `avant` does, exactly:
// working settings and the figures of the last drawing aside.
bool Projet_Change(const Etat_Projet &avant, const Etat_Projet &apres);

// The working settings a computation reads as it walks the hull: the heel it works at and the
// longitudinal and vertical steps. The views' scale, origin and rotation are not among them:
// a drawing sets them and uses them at once.
bool Reglage_Des_Calculs(int n);
// What a command run while a computation lets events run must not change: a value or a
// comment of the boat (Projet_Change), or a setting the computation reads.
bool Change_Sous_Calcul(const Etat_Projet &avant, const Etat_Projet &apres);

// The project as it stands becomes the one last read, created or saved.
void Marque_Enregistre(Etat_Projet &e);
// True when the project holds a value or a comment other than the one last read, created or
// saved, to the thousandth a file keeps; working settings, the figures of the last drawing
// and the version stamp do not count. False before any project was read.
bool Projet_Modifie(const Etat_Projet &e);

} // namespace gabarit
