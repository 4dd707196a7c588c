#include "stability/fenetres/Rafraichit_Comparaison.h"

#include "shell/fenetres/Contexte.h"

namespace gabarit {

// The comparison window does not exist yet, so there is nothing visible to refresh.
void Rafraichit_Comparaison(Contexte &) {}

} // namespace gabarit
