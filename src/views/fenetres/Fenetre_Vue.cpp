#include "views/fenetres/Fenetre_Vue.h"

#include <QAction>

#include "fenetres/Contexte.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

// A view's handlers run even under a computation: a redraw then waits for the drawing in
// progress. A view redrawn by itself is looked at: it changes nothing of the project.
void Execute(Contexte &ctx, const std::function<void()> &f) {
    ctx.Regarde(Contexte::Si_Occupe::Execute, f);
}

// Retry delay of a redraw that had to wait, ms.
constexpr int DELAI_REDESSIN = 50;

} // namespace

Fenetre_Vue::Fenetre_Vue(Contexte &ctx, const QString &nom, const QString &legende)
    : Fenetre_Fille(ctx, nom, legende), Picture1(new Image_Vue(this)) {
    differe_.setSingleShot(true);
    differe_.setInterval(DELAI_REDESSIN);
    connect(&differe_, &QTimer::timeout, this,
            [this] { Execute(this->ctx(), [this] { Redessine(); }); });
    redimension_.setSingleShot(true);
    redimension_.setInterval(0);
    connect(&redimension_, &QTimer::timeout, this, &Fenetre_Vue::Form_Resize);
    connect(Picture1, &Image_Vue::Clic, this, &Fenetre_Vue::Picture1_Click);
    connect(Picture1, &Image_Vue::Double_Clic, this, &Fenetre_Vue::Picture1_DblClick);
}

void Fenetre_Vue::Differe_Redessin() {
    if (!differe_.isActive())
        differe_.start();
}

void Fenetre_Vue::resizeEvent(QResizeEvent *ev) {
    Fenetre_Fille::resizeEvent(ev);
    Place_Image();
    redimension_.start();
}

void Fenetre_Vue::showEvent(QShowEvent *ev) {
    Fenetre_Fille::showEvent(ev);
    Place_Image();
    redimension_.start();
}

void Fenetre_Vue::Place_Image() {
    // The picture fills the client area.
    const int haut = Haut_Reserve();
    Picture1->setGeometry(0, haut, width(), std::max(0, height() - haut));
}

void Fenetre_Vue::Form_Resize() {
    Execute(ctx(), [this] {
        Place_Image();
        Redessine_Sur_Evenement();
    });
}

void Fenetre_Vue::Picture1_Click() {
    ctx().Nouveau_Clic();
    Execute(ctx(), [this] {
        // In the middle of another view's drawing: redrawn after it, and nothing half-drawn
        // is copied (the item stays checked for the next click).
        if (Dessin_En_Cours(ctx())) {
            Differe_Redessin();
            return;
        }
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
    Execute(ctx(), [this] {
        Cache_Fenetres(ctx());
        // Alone over the frame's client area; its state stays normal so redraws still serve it.
        if (ctx().Largeur_Cadre() > 0 && ctx().Hauteur_Cadre() > 0)
            Deplace(0, 0, ctx().Largeur_Cadre(), ctx().Hauteur_Cadre());
        Montre();
    });
}

} // namespace gabarit
