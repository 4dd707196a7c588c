#include "platform/Fenetre_Fille.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace gabarit {

Fenetre_Fille::Fenetre_Fille(Contexte& ctx, const QString& nom, const QString& legende)
    : ctx_(ctx) {
    setObjectName(nom);
    setWindowTitle(legende);
}

void Fenetre_Fille::Fixe_Cadre(QMdiSubWindow* c) {
    cadre_ = c;
    if (cadre_) {
        if (bordure_fixe_)
            cadre_->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        cadre_->setAttribute(Qt::WA_DeleteOnClose, false);
        cadre_->setObjectName(objectName() + QStringLiteral("_Cadre"));
        cadre_->setWindowTitle(windowTitle());
        cadre_->installEventFilter(this);
    }
}

QMdiArea *Fenetre_Fille::Zone() const {
    // qobject_cast goes by what an object is now: inside its destructor a sub-window or an
    // area is a bare widget, and mdiArea() finds no area above it.
    const auto *sous = qobject_cast<const QMdiSubWindow *>(static_cast<const QObject *>(cadre_));
    return sous ? sous->mdiArea() : nullptr;
}

bool Fenetre_Fille::eventFilter(QObject* o, QEvent* ev) {
    if (o == cadre_ && ev->type() == QEvent::Close) {
        ev->ignore();
        cadre_->hide();
        Au_Fermeture();
        return true;
    }
    return QWidget::eventFilter(o, ev);
}

bool Fenetre_Fille::Visible() const { return cadre_ ? cadre_->isVisible() : isVisible(); }

void Fenetre_Fille::Montre() {
    QWidget* w = cadre_ ? static_cast<QWidget*>(cadre_) : this;
    w->show();
    if (!isVisible())
        show();
    Active();
    Au_Montre();
}

void Fenetre_Fille::Cache() {
    if (cadre_)
        cadre_->hide();
    else
        hide();
}

void Fenetre_Fille::Active() {
    if (QMdiArea *zone = Zone())
        zone->setActiveSubWindow(cadre_);
}

Fenetre_Fille::Etat Fenetre_Fille::Etat_Fenetre() const {
    const QWidget* w = cadre_ ? static_cast<const QWidget*>(cadre_) : this;
    if (w->isMinimized())
        return Etat::Minimise;
    if (w->isMaximized())
        return Etat::Maximise;
    return Etat::Normal;
}

void Fenetre_Fille::Deplace(int gauche, int haut) {
    QWidget* w = cadre_ ? static_cast<QWidget*>(cadre_) : this;
    w->move(gauche, haut);
}

void Fenetre_Fille::Deplace(int gauche, int haut, int largeur, int hauteur) {
    QWidget* w = cadre_ ? static_cast<QWidget*>(cadre_) : this;
    w->setGeometry(gauche, haut, largeur, hauteur);
}

int Fenetre_Fille::Gauche() const { return cadre_ ? cadre_->x() : x(); }
int Fenetre_Fille::Haut() const { return cadre_ ? cadre_->y() : y(); }
int Fenetre_Fille::Largeur_Externe() const { return cadre_ ? cadre_->width() : width(); }
int Fenetre_Fille::Hauteur_Externe() const { return cadre_ ? cadre_->height() : height(); }

} // namespace gabarit
