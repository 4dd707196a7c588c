#pragma once
// The sail windows' use of the sail view: its hull without sails, each sail plan drawn on
// it, and the sail windows' list and batten boxes refilled from the last drawing.
namespace gabarit {

class Contexte;

// Actualise_Voilure: the sail view's hull and appendages without its sails, when the view is
// open in normal state. A refused drawing reaches the caller as the views' redraw leaves it:
// shown when the view told it now, unshown when the view had told it before.
void Actualise_Voilure(Contexte &ctx);
// The entry of the CLASS plan's drawing (Trace_Roof) on the sail view, when the view is open
// in normal state. A plan it cannot draw ends it quietly, the view left without sails: the
// caller goes on.
void Trace_Voile_Class(Contexte &ctx);
// The free plan drawn on the sail view's picture whatever its state, once the view exists.
void Trace_Voilure(Contexte &ctx);
// After a sail plan was drawn anywhere: the sail window's list shows its widths and, for a
// CLASS project, the CLASS window's batten boxes its battens.
void Montre_Trace_Voile(Contexte &ctx);

} // namespace gabarit
