#pragma once
// The full-size prints launched from the keel, rudder and bulb windows, on the program's
// printer. `profil` is the row selected in the window's profile list (-1 when nothing is
// selected). Each checks the profiles, asks its confirmation, prints one sheet and reports a
// failure itself.
namespace gabarit {

class Contexte;

void Imprime_Profil_Derive(Contexte &ctx, int profil);
void Imprime_Profil_Safran(Contexte &ctx, int profil);
void Imprime_Bulbe_Dessus(Contexte &ctx, int profil);
void Imprime_Bulbe_Cote(Contexte &ctx);

} // namespace gabarit
