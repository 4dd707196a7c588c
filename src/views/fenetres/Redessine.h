#pragma once
// Redraw of the open views after a change of the design, and hiding every child window.
// Each view draws into its own picture, never into whichever window happens to be active.
// A drawing's error goes to the caller's handler; a refused drawing (Erreur_Gabarit) also
// tells its reason in a message box, once until the view draws again, and reaches the caller
// marked as shown. Refused again for that reason, it reaches the caller unshown: a command
// that shows its refusals tells it once, a view's own resize or click stays quiet. What a
// drawing tells (its refusal, the flotation the sections view works out) is the click's one box:
// once the click has told one, it waits for a later click that draws the view.
namespace gabarit {

class Contexte;

// Each redraws its view when it is visible and in normal state (a minimised or maximised
// view is skipped), then lets pending window events run once.
void Redessine_Profil(Contexte &ctx);
void Redessine_Coupe(Contexte &ctx);
void Redessine_Deplacement(Contexte &ctx);
void Redessine_Voilure(Contexte &ctx);
// Sail, hull form, displacement, sections, in this order; the last one redrawn stays the
// active child.
void Redessine_Tout(Contexte &ctx);
// Hides every child window of the main frame. Never fails.
void Cache_Fenetres(Contexte &ctx);
// A redraw is under way in one of the views (its drawings may let events run).
bool Dessin_En_Cours(Contexte &ctx);
// The sail view's hull and appendages without the sails, when it is open in normal state.
void Actualise_Vue_Voilure(Contexte &ctx);

} // namespace gabarit
