#pragma once
// The heeled floating position at the user's heel: both freeboards of that heel are moved until
// the immersed volume carries the total weight, each half of the hull (aft and forward of the
// centre of gravity's station) carrying about half of it.
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Flottaison.h"
#include "model/Memoire_Niveaux.h"

namespace gabarit {

// Upright (P(ANGLE_GITE) = 0) it runs the upright flotation. A heel already up to date returns
// at once. Stores the heel's freeboards, volume, wetted surface and state flag, and repaints
// the lights. A freeboard may end below 0: that end's sheer is under water. Returns false
// when no floating position exists at that heel (its light turned red, "Calcul de flottaison
// impossible" shown unless echec_dit is Silence; the two steps and the heel's freeboards put
// back). Throws Erreur_Gabarit for a heel that
// is not 0, 5, ..., 30 and, with the table's message, for a hull the hull table refuses.
// memoire: the half-breadths kept across the passes (none: the search keeps its own); the
// heel series hands one memory to all its walks.
bool Calcul_Equilibre(Etat_Projet &e, Interface_Shell &shell, Memoire_Niveaux *memoire = nullptr,
                      Echec_Flottaison echec_dit = Echec_Flottaison::Message);

} // namespace gabarit
