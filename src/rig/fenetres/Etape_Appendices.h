#pragma once
// What follows a change of the keel or rudder chords outside the appendages window.
namespace gabarit {

class Contexte;

// Weights and centre of gravity with the upright waterline, the open design windows shown
// again, and the weights-and-appendages view redrawn.
void Apres_Dimensionnement(Contexte &ctx);

} // namespace gabarit
