#pragma once
// What every window command leaves behind, decided here once for all of them: the values it
// stored as a project file gives them back, the values the project derives from others
// following their inputs, every heel result it did not compute under a red light, and the
// heels it floated with their moment and coefficient worked out too. A command refused part way
// is put back whole.
#include <memory>
#include <vector>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// The heels the command floated (heel k's count of floating positions moved since `avant`)
// whose righting moment or prismatic coefficient it did not work out while their inputs
// changed: those are worked out now, on a copy of the project, so a green light never stands
// beside a moment or a coefficient of another boat. A heel whose moment or coefficient cannot
// be worked out goes under a red light.
void Complete_Gites(Etat_Projet &e, Interface_Shell &s, const Etat_Projet &avant);

// Heel k's righting moment (with the bulb and centre it was worked from) and prismatic
// coefficient ("Precision" unticked) worked out on a copy of the project and stored, as the heel
// series stores them. When either cannot be worked
// out the heel goes out of date (its flag 1, light not painted) and false is returned.
bool Complete_Gite(Etat_Projet &e, int k, bool moment, bool coef);

// The project as a command found it.
struct Avant_Commande {
    std::unique_ptr<const Etat_Projet> etat;
};
Avant_Commande Avant(const Etat_Projet &e);
// A refused command: the project in work as it was (its record, comments, name, hull table, what
// counts as its last save and the counts of what was computed for it), lights repainted. The
// caption follows the name (the windows' runner shows it).
void Retablit(Etat_Projet &e, Interface_Shell &s, const Avant_Commande &avant);
// A command that ran through (or a heel computation that kept what it completed): every
// project value it changed cut to a file's thousandth, the hull table built again when the
// hull's form changed, the derived values worked out again
// when their inputs changed, the heel results it did not compute marked out of date, the heels
// it floated completed. Throws the derivation's refusal (the caller then puts the project back).
// True when it changed a value of the project itself, or the command's own derivation moved a
// derived value: the windows that show them are behind.
bool Suit_Commande(Etat_Projet &e, Interface_Shell &s, const Avant_Commande &avant);

} // namespace gabarit
