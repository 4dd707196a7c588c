#include "rig/fenetres/Commande_Fenetre.h"

#include <exception>

#include "shell/fenetres/Contexte.h"

namespace gabarit {

void Commande_Fenetre(Contexte &ctx, const std::function<void()> &f) {
    if (ctx.Occupe())
        return;
    Contexte::Garde_Occupe occupe(ctx);
    try {
        f();
    } catch (const std::exception &) {
        // Drawing and record failures end the command where it stands.
    }
}

} // namespace gabarit
