#pragma once
// The full-size prints launched from the keel, rudder and bulb windows. `profil` is the row
// selected in the window's profile list (-1 when nothing is selected).
namespace gabarit {

class Contexte;

void Imprime_Profil_Derive(Contexte &ctx, int profil);
void Imprime_Profil_Safran(Contexte &ctx, int profil);
void Imprime_Bulbe_Dessus(Contexte &ctx, int profil);
void Imprime_Bulbe_Cote(Contexte &ctx);

} // namespace gabarit
