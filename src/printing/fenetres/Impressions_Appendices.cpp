#include "printing/fenetres/Impressions_Appendices.h"

#include <QRadioButton>

#include "fenetres/Contexte.h"
#include "platform/Fenetre_Fille.h"
#include "platform/Surface_Imprimante.h"
#include "printing/Impression_Profils_Naca.h"

namespace gabarit {

namespace {
// The foil window's section: the upper one unless its "Profils Inferieur" option is chosen.
bool Section_Superieure(const Contexte &ctx, const char *fenetre) {
    const Fenetre_Fille *w = ctx.Par_Nom(QString::fromLatin1(fenetre));
    const auto *inferieur = w ? w->findChild<QRadioButton *>(QStringLiteral("Option1_1")) : nullptr;
    return !(inferieur && inferieur->isChecked());
}
} // namespace

void Imprime_Profil_Derive(Contexte &ctx, int profil) {
    Surface_Imprimante s(Imprimante());
    Imprime_Profil_Derive(ctx.etat, ctx.shell, s, Section_Superieure(ctx, "Comp_Derive"), profil);
}

void Imprime_Profil_Safran(Contexte &ctx, int profil) {
    Surface_Imprimante s(Imprimante());
    Imprime_Profil_Safran(ctx.etat, ctx.shell, s, Section_Superieure(ctx, "Comp_Safran"), profil);
}

void Imprime_Bulbe_Dessus(Contexte &ctx, int profil) {
    Surface_Imprimante s(Imprimante());
    Imprime_Bulbe_Dessus(ctx.etat, ctx.shell, s, profil);
}

void Imprime_Bulbe_Cote(Contexte &ctx) {
    Surface_Imprimante s(Imprimante());
    Imprime_Bulbe_Cote(ctx.etat, ctx.shell, s);
}

} // namespace gabarit
