#pragma once
namespace gabarit {

class Contexte;

// Shows the record again in every parameter window that is visible.
void Rafraichit_Menus(Contexte& ctx);

} // namespace gabarit
