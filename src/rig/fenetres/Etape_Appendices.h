#pragma once
// What follows a change of the keel or rudder chords outside the appendages window.
namespace gabarit {

class Contexte;

// Keel and rudder areas and centre of lateral resistance, weights and centre of gravity with
// the upright waterline, the open design windows shown again, and the weights-and-appendages
// view redrawn.
void Apres_Dimensionnement(Contexte &ctx);

} // namespace gabarit
