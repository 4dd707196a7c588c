#pragma once
// The "Fichier" commands on project files: "Ouvir", "Sauver", "Copier". The toolbar keys
// run the same commands with depuis_barre = true: every child window hidden first, a sound
// before a write, the lights repainted after an open.
namespace gabarit {

class Contexte;

// Before a command ends or replaces the project: true when it may go on. A project changed
// since it was last read, created or saved is saved under Nom_Projet, discarded or kept, as
// the user answers; the master is saved under a name asked as "Copier" asks it, which it then
// bears. Kept, a name not given or refused, or a failed save gives false and the command does
// nothing.
bool Peut_Quitter_Projet(Contexte &ctx);

// Asks first when the project changed. Returns false when the question or the dialog was
// cancelled (nothing changed; the toolbar then skips its closing steps). A file that cannot be
// read changes nothing and says why; a file read is the project saved.
bool MDIForm1_M_Fichier_Ouvrir_Click(Contexte &ctx, bool depuis_barre = false);
// Refuses the master of the program folder under any path; asks, then writes Nom_Projet.
// A failed write is reported and leaves the old file whole; a written one is the project saved.
void MDIForm1_M_Fichier_Sauver_Click(Contexte &ctx, bool depuis_barre = false);
// Asks, then writes the project under a name chosen in the save dialog (".cot" added to a name
// typed without an extension, as for the master's save question); Nom_Projet stays, and
// so does what counts as its last save: the copy is not the project in work.
void MDIForm1_M_Fichier_Copier_Click(Contexte &ctx, bool depuis_barre = false);

} // namespace gabarit
