#pragma once
// Runs the comparison again while its window is visible: after the righting-moment series and
// after the sail window's "Valide".
namespace gabarit {

class Contexte;

void Rafraichit_Comparaison(Contexte &ctx);

} // namespace gabarit
