#include "rig/fenetres/Commande_Profil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "interfaces/Interface_Shell.h"
#include "platform/Controles.h"
#include "platform/Fenetre_Fille.h"
#include "platform/Image_Vue.h"
#include "platform/Twips.h"
#include "rig/Table_Naca.h"

namespace gabarit {

void Commande_Profil(Fenetre_Fille &fenetre, const std::function<void()> &f, bool regard) {
    // What was drawn or stored before a refusal stays; the user is told why the command
    // stopped, once (the waterline's own message is not repeated).
    const auto lance = regard ? &Contexte::Regarde : &Contexte::Commande;
    (fenetre.ctx().*lance)(Contexte::Si_Occupe::Execute, f, Contexte::Si_Refus::Message);
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

std::array<QPushButton *, 2> Boutons_Voisins(const QString &nom, QWidget *parent) {
    std::array<QPushButton *, 2> b{};
    for (int i = 0; i < 2; ++i) {
        b[static_cast<std::size_t>(i)] = Bouton(parent, QStringLiteral("%1_%2").arg(nom).arg(i),
                                                i == 0 ? QStringLiteral("-") : QStringLiteral("+"));
        b[static_cast<std::size_t>(i)]->setFixedWidth(Twips_En_Pixels(360));
    }
    return b;
}

Image_Vue *Image_Profil(const QString &nom, double largeur, QWidget *parent) {
    auto *p = new Image_Vue(parent);
    p->setObjectName(nom);
    p->Mesure_En_Pixels();
    p->setFixedSize(Twips_En_Pixels(largeur), Twips_En_Pixels(1815));
    return p;
}

QVBoxLayout *Colonne_Page(QWidget *page) {
    auto *l = new QVBoxLayout(page);
    l->setContentsMargins(2, 2, 2, 2);
    return l;
}

QGroupBox *Cadre_Page(QVBoxLayout *colonne, const QString &nom, const QString &titre) {
    QGroupBox *g = Groupe(colonne->parentWidget(), nom, titre);
    colonne->addWidget(g);
    return g;
}

void Marges_Cadre(QLayout *l) { l->setContentsMargins(4, 2, 4, 4); }

void Place_Fenetre_Profil(Fenetre_Fille &w, Contexte &ctx) {
    w.Deplace(ctx.Largeur_Cadre() / 4, ctx.Hauteur_Cadre() / 4, Twips_En_Pixels(LARGEUR_OUTIL),
              Twips_En_Pixels(HAUTEUR_OUTIL));
}

} // namespace gabarit
