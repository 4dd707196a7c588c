#include "printing/fenetres/Impressions_Appendices.h"

#include "interfaces/Interface_Shell.h"
#include "platform/Boite_Message.h"
#include "shell/fenetres/Contexte.h"

namespace gabarit {

// The printer layer is not there yet: say so rather than do nothing.
static void Pas_Encore(Contexte &ctx) {
    Boite_Message(ctx.cadre, QStringLiteral("L'impression n'est pas encore disponible."),
                  MB_EXCLAMATION, QStringLiteral("Attention"));
}

void Imprime_Profil_Derive(Contexte &ctx, int) { Pas_Encore(ctx); }
void Imprime_Profil_Safran(Contexte &ctx, int) { Pas_Encore(ctx); }
void Imprime_Bulbe_Dessus(Contexte &ctx, int) { Pas_Encore(ctx); }
void Imprime_Bulbe_Cote(Contexte &ctx) { Pas_Encore(ctx); }

} // namespace gabarit
