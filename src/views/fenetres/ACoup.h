#pragma once
// The view window "Couples": the body plan in the framing named by the view key, with its
// own toolbar (framings, zoom and the heel run).
#include "views/fenetres/Fenetre_Vue.h"

class QToolBar;

namespace gabarit {

class ACoup : public Fenetre_Vue {
    Q_OBJECT
public:
    explicit ACoup(Contexte &ctx);
    void Redessine() override;

    QToolBar *Toolbar1() const { return toolbar_; }
    // The toolbar's click handler, by the button's key.
    void ACoup_Toolbar1_ButtonClick(const QString &cle);

protected:
    // A resize first lets pending window events run, then redraws.
    void Redessine_Sur_Evenement() override;
    // The toolbar takes its height above the picture.
    int Haut_Reserve() const override;

private:
    void Cree_Barre();
    // What a toolbar key does before the common end.
    void Touche(const QString &cle);
    void Cle_Vue(const QString &cle);
    void Zoom(float pas);

    QToolBar *toolbar_ = nullptr;
};

} // namespace gabarit
