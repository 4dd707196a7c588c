#pragma once
// How the rig windows run their buttons: not while a computation lets events run (another
// command would change the record under it), and a failure the command does not report
// itself ends it quietly, as the design windows always did.
#include <functional>

namespace gabarit {

class Contexte;

void Commande_Fenetre(Contexte &ctx, const std::function<void()> &f);

} // namespace gabarit
