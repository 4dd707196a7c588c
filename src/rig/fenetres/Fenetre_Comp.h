#pragma once
// The foil and bulb windows come and go with the focus: each coming to the window sizes,
// places and draws it from the record; the focus passing to another child window hides it.
#include "platform/Fenetre_Fille.h"

class QMdiSubWindow;

namespace gabarit {

class Fenetre_Comp : public Fenetre_Fille {
    Q_OBJECT
public:
    Fenetre_Comp(Contexte &ctx, const QString &nom, const QString &legende);

    // What coming to the window does.
    virtual void Activation() = 0;

protected:
    // While set, the window neither hides nor draws itself again when the focus moves (a
    // command of its own redraws a view, which takes the focus for a moment).
    bool garde_focus_ = false;
    bool eventFilter(QObject *o, QEvent *ev) override;

private:
    void Activation_Changee(QMdiSubWindow *w);
    bool sans_activation_ = true; // hidden (or never shown) since its last activation
};

} // namespace gabarit
