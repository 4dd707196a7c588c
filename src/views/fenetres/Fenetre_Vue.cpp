#include "views/fenetres/Fenetre_Vue.h"

#include <QAction>
#include <exception>

#include "shell/fenetres/Contexte.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

// A window handler ends quietly on any failure of the drawings it runs.
template <class F> void Sans_Erreur(F &&f) {
    try {
        f();
    } catch (const std::exception &) {
    }
}

// Retry delay of a redraw that had to wait, ms.
constexpr int DELAI_REDESSIN = 50;

} // namespace

Fenetre_Vue::Fenetre_Vue(Contexte &ctx, const QString &nom, const QString &legende)
    : Fenetre_Fille(ctx, nom, legende), Picture1(new Image_Vue(this)) {
    differe_.setSingleShot(true);
    differe_.setInterval(DELAI_REDESSIN);
    connect(&differe_, &QTimer::timeout, this, [this] { Sans_Erreur([this] { Redessine(); }); });
    connect(Picture1, &Image_Vue::Clic, this, &Fenetre_Vue::Picture1_Click);
    connect(Picture1, &Image_Vue::Double_Clic, this, &Fenetre_Vue::Picture1_DblClick);
}

void Fenetre_Vue::Differe_Redessin() {
    if (!differe_.isActive())
        differe_.start();
}

void Fenetre_Vue::resizeEvent(QResizeEvent *ev) {
    Fenetre_Fille::resizeEvent(ev);
    Form_Resize();
}

void Fenetre_Vue::showEvent(QShowEvent *ev) {
    Fenetre_Fille::showEvent(ev);
    Form_Resize();
}

void Fenetre_Vue::Form_Resize() {
    Sans_Erreur([this] {
        // The picture fills the client area.
        const int haut = Haut_Reserve();
        Picture1->setGeometry(0, haut, width(), std::max(0, height() - haut));
        Redessine_Sur_Evenement();
    });
}

void Fenetre_Vue::Picture1_Click() {
    Sans_Erreur([this] {
        // A click is also the way to refresh a view, checked or not.
        Redessine_Sur_Evenement();
        QAction *presse = ctx().PressePapier;
        // One check of "Presse Papier" copies exactly one view: the next one clicked.
        if (presse && presse->isChecked()) {
            if (Picture1->Copie_Presse_Papier())
                presse->setChecked(false);
            else
                ctx().shell.Message("Copie dans le presse-papier impossible", MB_EXCLAMATION,
                                    "Attention !");
        }
    });
}

void Fenetre_Vue::Picture1_DblClick() {
    Sans_Erreur([this] {
        Cache_Fenetres(ctx());
        // Alone over the frame's client area; its state stays normal so redraws still serve it.
        Deplace(0, 0, ctx().Largeur_Cadre(), ctx().Hauteur_Cadre());
        Montre();
    });
}

} // namespace gabarit
