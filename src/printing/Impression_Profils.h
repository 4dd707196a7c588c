#pragma once
// The side profile printed at full size at its two ends (the aft and forward 260 mm), and
// the whole hull reduced onto 260 mm of paper: its sheer line seen from above and its side
// profile.
#include "interfaces/Interface_Shell.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// The stretch of hull on one full-size sheet, and the paper length of the reduced prints.
inline constexpr int LONGUEUR_FEUILLE = 260;
inline constexpr double MARGE_PAGE = 10; // twips from the left edge to the first station

// The sheets, without the end of the job; X_Couple is given back.
void Imprime_Profile_Arriere(Etat_Projet &e, Surface_Impression &s);
void Imprime_Profile_Avant(Etat_Projet &e, Surface_Impression &s);
// With the reduced scales in force (Echelles_Reduites).
void Imprime_Livet_Echelle(Etat_Projet &e, Surface_Impression &s);
void Imprime_Profile_Echelle(Etat_Projet &e, Surface_Impression &s);

// Each asks its confirmation, then runs its job; true when the sheet went out.
bool Confirme_Profile_Arriere(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s);
bool Confirme_Profile_Avant(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s);
bool Confirme_Livet_Echelle(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s);
bool Confirme_Profile_Echelle(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s);

} // namespace gabarit
