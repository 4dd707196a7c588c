#pragma once
// The seven heel lights and their out-of-date flags Etat_Gite(k).
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

// Paints light k red when Etat_Gite(k) holds 1, green otherwise.
void Affiche_Voyants(const Etat_Projet &e, Interface_Shell &shell);
// Marks every heel result out of date and turns the seven lights red.
void Invalide_Calculs(Etat_Projet &e, Interface_Shell &shell);

} // namespace gabarit
