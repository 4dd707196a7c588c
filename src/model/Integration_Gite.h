#pragma once
// Heeled sections: immersed area and wetted girth of the section at X_Couple, heel
// Gite_Couple, measured against that heel's waterline. Nothing is drawn.
#include "model/Etat_Projet.h"
#include "model/Memoire_Niveaux.h"

namespace gabarit {

// Sets Surface_Immergee, Surface_Immergee_1, Surface_Immergee_2 and the wetted girths
// Perimetre_Mouille(_1, _2). The chord rules take their heel from the user's heel
// P(ANGLE_GITE); callers keep Gite_Couple equal to it.
void Integre_Couple(Etat_Projet &e);
// Sets the wetted girths Perimetre_Mouille(_1, _2) alone; the immersed areas are left at 0.
void Calcul_Surface_Couple(Etat_Projet &e);
// The same, keeping the half-breadths in memoire as Parcourt_Couple_Gite below does.
void Calcul_Surface_Couple(Etat_Projet &e, Memoire_Niveaux *memoire);

// The walk shared by both, for a section whose Calcul_Couple outputs are already in e.
// gite_corde: heel of the chord rules (degrees); pas: vertical step (mm, refused when not
// above 0); aires: false leaves the three areas at 0; memoire: where the walks that come
// back to the same sections keep their half-breadths (none: computed every time). Used by
// the equilibrium so that its heel and steps cannot be changed under it by events.
void Parcourt_Couple_Gite(Etat_Projet &e, double gite_corde, double pas, bool aires,
                          Memoire_Niveaux *memoire = nullptr);
// Calcul_Couple, then the walk.
void Integre_Couple_Gite(Etat_Projet &e, double gite_corde, double pas, bool aires,
                         Memoire_Niveaux *memoire = nullptr);

} // namespace gabarit
