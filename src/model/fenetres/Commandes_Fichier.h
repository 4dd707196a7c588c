#pragma once
// The "Fichier" commands on project files: "Ouvir", "Sauver", "Copier". The toolbar keys
// run the same commands with depuis_barre = true: every child window hidden first, a sound
// before a write, the lights repainted after an open.
namespace gabarit {

class Contexte;

// Returns false when the dialog was cancelled (nothing changed; the toolbar then skips its
// closing steps). A file that cannot be read changes nothing and says why.
bool MDIForm1_M_Fichier_Ouvrir_Click(Contexte &ctx, bool depuis_barre = false);
// Refuses the master of the program folder under any path; asks, then writes Nom_Projet.
// A failed write is reported and leaves the old file whole.
void MDIForm1_M_Fichier_Sauver_Click(Contexte &ctx, bool depuis_barre = false);
// Asks, then writes the project under a name chosen in the save dialog; Nom_Projet stays.
void MDIForm1_M_Fichier_Copier_Click(Contexte &ctx, bool depuis_barre = false);

} // namespace gabarit
