#pragma once
// The full-size prints of one section and of the inclined transom, upright, on one
// landscape sheet each: the frames the model builder cuts from them.
#include "interfaces/Interface_Shell.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// A section wider than this half-breadth (mm) is printed as one half, beside a centreline
// moved to the right: both halves would not fit across the sheet.
inline constexpr double DEMI_LARGEUR_PAGE = 135.0;
inline constexpr double CENTRE_PAGE = 8000;        // twips, the centreline of both halves
inline constexpr double CENTRE_PAGE_DEMI = 15000;  // twips, the centreline of one half
inline constexpr double ORIGINE_Y_TABLEAU = 10000; // twips, the keel of the transom

// One job for the section at X_Couple: upright, the vertical step 1 mm ("moyenne") or
// 0.1 mm ("bonne") for this job only (PAS_VERTICAL comes back afterwards, failure included),
// "Impression en Cours" while it prints and "Pret" afterwards. The station, origin and heel
// are those of the job even when a view is redrawn while it lets events run. True when the
// sheet went out.
bool Lance_Impression_Couple(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                             bool qualite_bonne);
// The sheet of the section at X_Couple, with PAS_VERTICAL, ORIGINE_Y, ORIGINE_X, Gite_Couple
// and Mode_Couple set by the caller; does not end the job.
void Imprime_Couple(Etat_Projet &e, Surface_Impression &s);

// One job for the inclined transom from the keel at station 0 to the sheer at REPORT_TA, at
// true size along its plane; as Lance_Impression_Couple otherwise.
bool Lance_Impression_Tableau(Etat_Projet &e, Interface_Shell &shell, Surface_Impression &s,
                              bool qualite_bonne);
// The transom's sheet; X_Couple is given back. Does not end the job.
void Imprime_Tableau_Incline(Etat_Projet &e, Surface_Impression &s);

} // namespace gabarit
