#pragma once
// A project just read from a file, made ready for work: the values it derives worked out from
// its inputs, its hull table built, and its lights kept green only where the file's results
// are what this boat gives. The open and the start-up share it.
#include <memory>
#include <string>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"

namespace gabarit {

// A project file read as every reader reads it ("Ouvir" and the start-up through
// Lit_Projet_Pris, the comparison's second project, the assistant's master): accepted as
// Lit_Projet_Accepte accepts it, and refused as well (Erreur_Gabarit naming the file and the
// reason) when its derived values cannot be worked out (weights summing to zero, a bulb
// profile outside the table, a bulb no file could place); brought up to date as every open
// brings it, its derived values worked out once from its inputs with the program's NACA table.
// Where they differ from the file's, the file's results are not this boat's and its lights go
// red; otherwise its lights are kept as it holds them (an older file's go out of date with its
// upgrade), and so is its version stamp, text 300, which the comparison reads. `modele` lends
// what a file does not hold (the program folder, the NACA table, the settings).
std::unique_ptr<Etat_Projet> Lit_Projet_Comme_Ouvert(const Etat_Projet &modele,
                                                     const std::string &chemin);
// The open's read: values, comments and record numbers of e replaced by the file's (which the
// initialisation then brings up to date), with the derived values and lights
// Lit_Projet_Comme_Ouvert gives, only when the file is taken.
void Lit_Projet_Pris(const std::string &chemin, Etat_Projet &e);

// Every heel the file holds as computed (flag 0) stays green only where the heel series run
// on a copy of the project (Gites_Du_Bateau: the series decides, heel by heel) leaves it green
// with the file's floating position, volume, wetted surface, prismatic coefficient and
// righting moment for it (and at 30 degrees the sail area it carries), to the file's
// thousandth. A coefficient may be the "Precision" one, a heeled wetted surface the one its
// floating position measured. A flag neither 0 nor 1 becomes 1. A boat that cannot float
// upright is told, once. The project's values are not changed. True when a flag changed.
bool Verifie_Gites_Lus(Etat_Projet &e, Interface_Shell &s);

// After the read and the initialisation: the hull table, keeping the file's upright wetted
// surface, then the check of the lights (Services().verifie_projet_lu). A step that fails is
// told once and leaves every heel out of date. The heels still green count as computed for the
// project just read; the lights are painted and the project becomes the one last read, taken
// whole with its derived values.
void Met_En_Place_Projet_Lu(Etat_Projet &e, Interface_Shell &s);

} // namespace gabarit
