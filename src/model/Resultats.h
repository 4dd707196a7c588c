#pragma once
// The one list of the figures the program's computations and drawings write into the record:
// every heel's results and flag, the figures of the last righting moment and prismatic
// coefficient, the sail plan's areas and centroid, the centres and areas of the sail and
// appendage computations, and the values the computations set to zero. None is typed: the
// parameter editor refuses them all alike, and they count as the project like any other value
// when it is saved.
#include <string>
#include <vector>

namespace gabarit {

const std::vector<int> &Numeros_Resultats();
// What record n holds when it is in that list ("franc-bord arrière à 0°"); "" otherwise.
std::string Nom_Resultat(int n);

} // namespace gabarit
