#pragma once
// Bringing a freshly read project up to date: upgrade of older files, working values,
// version stamp, and the working variables that depend on the hull length.
#include <string>
#include <vector>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

void Init_Projet(Etat_Projet &e, Interface_Shell &shell);
// The record's part of Init_Projet: upgrade of older files, working values, version stamp.
void Mise_A_Jour_Projet(Etat_Projet &e);
// The records the upgrade overwrites in a file stamped `tampon` (text 300 as read): values
// that file's version did not hold. Empty for a file of this version.
std::vector<int> Numeros_Mis_A_Jour(const std::string &tampon);
// Reads nacaa.ini from the program folder last; throws Erreur_Gabarit naming the file when
// it is missing or short.
void Init_Variables(Etat_Projet &e, Interface_Shell &shell);

// Option of the print window that mirrors the print quality P(QUALITE_IMPRESSION): 0
// "moyenne" for 0, 1 "bonne" for any other value.
inline int Option_Qualite_Impression(double qualite) { return qualite == 0 ? 0 : 1; }

} // namespace gabarit
