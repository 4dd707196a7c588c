#include "rig/fenetres/Commande_Profil.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "interfaces/Interface_Shell.h"
#include "platform/Boite_Message.h"
#include "platform/Fenetre_Fille.h"
#include "platform/Twips.h"
#include "rig/Table_Naca.h"
#include "shell/fenetres/Contexte.h"

namespace gabarit {

void Commande_Profil(Fenetre_Fille &fenetre, const std::function<void()> &f) {
    // What was drawn or stored before a failure stays, and a computation that had something
    // to say (the waterline) has said it.
    fenetre.ctx().Commande(Contexte::Si_Occupe::Execute, [&] {
        try {
            f();
        } catch (const Refus_Profil &ex) {
            Boite_Message(&fenetre, QString::fromStdString(ex.what()), MB_EXCLAMATION,
                          QStringLiteral("Attention"));
        }
    });
}

QComboBox *Liste_Profils(const QString &nom, QWidget *parent) {
    auto *l = new QComboBox(parent);
    l->setObjectName(nom);
    for (int i = 0; i < NB_PROFILS_NACA; ++i)
        l->addItem(QString::number(i));
    l->setMaxVisibleItems(12);
    return l;
}

void Selectionne(QComboBox *liste, int profil) {
    const QSignalBlocker bloque(liste);
    liste->setCurrentIndex(profil);
}

void Place_Fenetre_Profil(Fenetre_Fille &w, Contexte &ctx) {
    w.Deplace(ctx.Largeur_Cadre() / 4, ctx.Hauteur_Cadre() / 4, Twips_En_Pixels(5865),
              Twips_En_Pixels(3750));
}

} // namespace gabarit
