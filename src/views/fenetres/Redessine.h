#pragma once
// Redraw of the open views after a change of the design, and hiding every child window.
namespace gabarit {

class Contexte;

// Each redraws its view when it is visible and in normal state.
void Redessine_Profil(Contexte& ctx);
void Redessine_Coupe(Contexte& ctx);
void Redessine_Deplacement(Contexte& ctx);
void Redessine_Voilure(Contexte& ctx);
// Sail, hull form, displacement, sections, in this order.
void Redessine_Tout(Contexte& ctx);
// Hides every child window of the main frame.
void Cache_Fenetres(Contexte& ctx);

} // namespace gabarit
