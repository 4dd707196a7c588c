#pragma once
// Bringing a freshly read project up to date: upgrade of older files, working values,
// version stamp, and the working variables that depend on the hull length.
#include "model/Etat_Projet.h"
#include "interfaces/Interface_Shell.h"

namespace gabarit {

void Init_Projet(Etat_Projet &e, Interface_Shell &shell);
// Reads nacaa.ini from the program folder last; throws Erreur_Gabarit naming the file when
// it is missing or short.
void Init_Variables(Etat_Projet &e, Interface_Shell &shell);

// Option of the print window that mirrors the print quality P(306): 0 "moyenne" for 0,
// 1 "bonne" for any other value.
inline int Option_Qualite_Impression(double qualite) { return qualite == 0 ? 0 : 1; }

} // namespace gabarit
