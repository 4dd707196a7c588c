#pragma once
// The one list of the records the program sets itself, at a read or in a computation, and the
// user never types: the values derived from others (weights and centres of gravity, the bulb's
// station and height, the sail plan's and the appendages' figures), every heel's results and
// flag, the figures of the last righting moment and prismatic coefficient, and the values a
// computation or every read sets to zero. The parameter editor refuses them all alike, naming
// what they follow from or what they are; "changed since saved" counts them as it counts every
// other value of the project.
#include <string>
#include <vector>

namespace gabarit {

// Every record of the list, in increasing order.
const std::vector<int> &Numeros_Resultats();
// What record n holds when it is in that list ("franc-bord arrière à 0°", "poids total");
// "" otherwise.
std::string Nom_Resultat(int n);

// The derived values (the derivation works them out again whenever one of their sources
// changed, and the same way at every read), and every record they are worked out from (the
// hull's form among them).
const std::vector<int> &Numeros_Derives();
const std::vector<int> &Sources_Derives();
// The records derived value n is worked out from (none for another record).
std::vector<int> Sources_De(int n);

// Why the user cannot type record n: a derived value names what it follows from ("Le poids
// total (n° 42) se calcule à partir ..."), another record of the list says what it is. "" for
// a record the user types.
std::string Refus_Resultat(int n);

} // namespace gabarit
