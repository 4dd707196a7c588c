#pragma once
// The hull table Tab_Carene, sampled from the section geometry every 10 mm along the hull
// and every millimetre down each section.
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// Longest hull the table holds (201 stations, 10 mm apart) and the depth every section
// must stay below (301 rows, the keel point one row under the deepest sample).
inline constexpr double LONGUEUR_MAX_TABLE = 2000;
inline constexpr double HAUTEUR_MAX_TABLE = 300;
// Every walk along the hull or down a section counts its steps against these, which come
// from what the table holds rather than from the record: one station per millimetre of the
// longest hull, one level per tenth of a millimetre (the finest vertical step) of the
// deepest section.
inline constexpr double NB_PAS_LONGUEUR_MAX = LONGUEUR_MAX_TABLE;
inline constexpr double NB_PAS_HAUTEUR_MAX = HAUTEUR_MAX_TABLE * 10;

// Empties the hull table.
void Init_Tab(Etat_Projet &e);
// Rebuilds the hull table, and the upright wetted surface Surface_Mouillee_Gite(0) unless the
// upright light is red (the waterline it would be measured at is out of date). Refuses
// (Erreur_Gabarit with a French message) a hull the table cannot hold, before touching the
// table.
// Leaves Gite_Couple at 0 and X_Couple one step past the last station.
void Calcul_Tab(Etat_Projet &e);
// True when the table was built from the hull the record now holds: a command that changed
// the hull's form without building the table again leaves it false.
bool Table_Du_Bateau(const Etat_Projet &e);
// The upright wetted girths of the table (its fourth column) and the upright wetted surface
// Surface_Mouillee_Gite(0) again, for the upright waterline the record now holds: the
// flotation runs it once it has found its waterline, so the surface shown beside the 0 degree
// light is that waterline's. The table is not rebuilt; without a table nothing changes.
// Returns the surface.
double Perimetres_Flottaison(Etat_Projet &e);
// The whole record, as a command keeps it before it changes the hull.
using Record = decltype(Etat_Projet::Tab_Param);
// Rebuilds the hull table after an edit of the hull. When the new shape cannot be computed
// (one the entry checks let through, such as an enormous exponent), puts back `sauve`, the
// record as it was before the edit, rebuilds the table from it, tells the user once and
// returns false.
bool Calcul_Tab_Ou_Retablit(Etat_Projet &e, const Record &sauve, Interface_Shell &shell);
// Throws Erreur_Gabarit unless the hull length L lies in 0 < L <= 2000 mm.
void Verifie_Longueur_Table(const Etat_Projet &e);
// Throws the table's own Erreur_Gabarit for every hull Calcul_Tab would refuse (length, a
// section depth outside 0 to 300 mm, a shape law or a size the table cannot compute), by
// running the table's own passes without storing them: the open, the editors and the
// heeled search take exactly what the table takes. The table and the record are not
// touched; X_Couple and Gite_Couple are left as they were.
void Verifie_Carene_Table(Etat_Projet &e);

} // namespace gabarit
