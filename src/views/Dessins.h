#pragma once
// Every drawing of the four views and their scale setters. Each draws onto the canvas of the
// view being drawn, with the scale P(ECHELLE_VUE) and origin P(ORIGINE_X), P(ORIGINE_Y) in the
// canvas units.
#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// View scales: set the scale and origin from the canvas size.
void Echelle_Profil(Etat_Projet &e, const Canvas &c);
void Echelle_Coupe(Etat_Projet &e, const Canvas &c);
void Echelle_Deplacement(Etat_Projet &e, const Canvas &c);
void Echelle_Voilure(Etat_Projet &e, const Canvas &c);
void Echelle_3D(Etat_Projet &e, const Canvas &c);

// Hull.
void Trace_Profile(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Vue_Dessus(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Ligne_Flotte(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Couple(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Tableau_AR(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Lignes(Etat_Projet &e, Interface_Shell &s, Canvas &c);

// Body-plan framings, one per view key. Each, and the single section, refuses before the hull
// is floated or the picture cleared a heel the record holds no waterline for, a step that would
// not end its walk and a station of the hull past its ends, naming the record to change.
void Trace_Couples_TB_ET(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Couples_TB_MC(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Couples_MC_ET(Etat_Projet &e, Interface_Shell &s, Canvas &c);
// The single section: at the station typed in the hull-form window's N°Couple box (0 when
// the box is empty), which the window reads and passes; the short form draws at X_Couple.
void Trace_Couple_X(Etat_Projet &e, Interface_Shell &s, Canvas &c, double x);
void Trace_Couple_X(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Couples_3D(Etat_Projet &e, Interface_Shell &s, Canvas &c);

// Rig and appendages. The sail plans draw the figures the derivation keeps (areas, centroids,
// centre of effort) and store none of them; each refills e.Liste_Voile (the sail window's
// list): the free plan with its leech exponent EXP_CHUTE_GV, the CLASS plan (Trace_Roof) with
// its roach law COEF_ROOF_A to COEF_ROOF_C, which also keeps its batten widths in
// e.Lattes_Class. A plan the derivation refuses (Verifie_Voilure) is refused before drawing.
void Trace_Voilure(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Roof(Etat_Projet &e, Interface_Shell &s, Canvas &c);
// The plan the project uses: CLASS when OPTION_CLASS = 1, the free plan otherwise.
void Trace_Voile_Projet(Etat_Projet &e, Interface_Shell &s, Canvas &c);
// The appendages hang from the hull bottom at the stations of their axes and chord ends: one
// of those behind the stern or ahead of the bow is refused, before anything is drawn or
// stored, with a message naming the records to change.
void Trace_Derive(Etat_Projet &e, Interface_Shell &s, Canvas &c);
// The keel's axis POSITION_DERIVE, which the bulb hangs from, refused behind the stern or ahead
// of the bow with the drawings' message (and a hull length the views cannot take).
void Verifie_Axe_Derive(const Etat_Projet &e);
void Trace_Safran(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Bulbe(Etat_Projet &e, Interface_Shell &s, Canvas &c);
void Trace_Axe_Centres(Etat_Projet &e, Interface_Shell &s, Canvas &c);

} // namespace gabarit
