#pragma once
// The hull table Tab_Carene, sampled from the section geometry every 10 mm along the hull
// and every millimetre down each section.
#include "model/Etat_Projet.h"
#include "shell/Interface_Shell.h"

namespace gabarit {

// Empties the hull table.
void Init_Tab(Etat_Projet& e);
// Rebuilds the hull table and the upright wetted surface P(200). Refuses (Erreur_Gabarit
// with a French message) a hull the table cannot hold, before touching the table.
void Calcul_Tab(Etat_Projet& e);

} // namespace gabarit
