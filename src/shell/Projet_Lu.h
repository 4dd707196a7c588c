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

// Reads a project file as Lit_Projet_Accepte does, and refuses as well (Erreur_Gabarit naming
// the file and the reason) a project whose derived values cannot be worked out: weights
// summing to zero, a bulb profile outside the table, a bulb no file could place. The target
// is changed only when the project is taken.
void Lit_Projet_Pris(const std::string &chemin, Cible_Projet cible);

// A project file read as the open reads it, by a reader that does not make it the project in
// work (the comparison's second project, the assistant's master): refused with the open's
// messages (Lit_Projet_Pris), brought up to date as every open brings it, its derived values
// worked out from its inputs as every open works them out. `modele` lends what a file does not
// hold (the program folder, the NACA table, the settings). The file's lights are kept as it
// holds them (an older file's go out of date with its upgrade), and so is its version stamp,
// text 300, which the comparison reads.
std::unique_ptr<Etat_Projet> Lit_Projet_Comme_Ouvert(const Etat_Projet &modele,
                                                     const std::string &chemin);

// Every heel the file holds as computed (flag 0) stays green only where the heel series run
// on a copy of the project (Gites_Du_Bateau: the series decides, heel by heel) leaves it green
// with the file's floating position, volume, wetted surface, prismatic coefficient and
// righting moment for it (and at 30 degrees the sail area it carries), to the file's
// thousandth. A coefficient may be the "Precision" one, a heeled wetted surface the one its
// floating position measured. A flag neither 0 nor 1 becomes 1. A boat that cannot float
// upright is told, once. The project's values are not changed. True when a flag changed.
bool Verifie_Gites_Lus(Etat_Projet &e, Interface_Shell &s);

// After the read and the initialisation: the hull table, keeping the file's upright wetted
// surface, then the derived values and the check of the lights (Services().verifie_projet_lu).
// A step that fails is told once and leaves every heel out of date. The heels still green count
// as computed for the project just read; the lights are painted and the project becomes the
// one last read.
void Met_En_Place_Projet_Lu(Etat_Projet &e, Interface_Shell &s);

} // namespace gabarit
