#pragma once
// What the four view windows share: the picture Picture1 filling the client area, the
// redraw on resize and on click, the one-shot clipboard copy, the double-click that leaves
// the view alone over the whole frame.
#include <QTimer>
#include <string>

#include "platform/Fenetre_Fille.h"
#include "platform/Image_Vue.h"

namespace gabarit {

class Fenetre_Vue : public Fenetre_Fille {
    Q_OBJECT
public:
    Fenetre_Vue(Contexte &ctx, const QString &nom, const QString &legende);

    Image_Vue *Picture1;

    // The view's redraw procedure (Redessine_Profil for AProfile...).
    virtual void Redessine() = 0;

    // A redraw asked while a view is being drawn (its drawings let events run) is run
    // once the program is free again.
    bool En_Dessin() const { return en_dessin_; }
    void Differe_Redessin();
    class Garde_Dessin {
    public:
        explicit Garde_Dessin(Fenetre_Vue &f) : f_(f) { f_.en_dessin_ = true; }
        ~Garde_Dessin() { f_.en_dessin_ = false; }
        Garde_Dessin(const Garde_Dessin &) = delete;
        Garde_Dessin &operator=(const Garde_Dessin &) = delete;

    private:
        Fenetre_Vue &f_;
    };

    // The reason a drawing of this view was last refused ("" after a drawing that worked):
    // the redraw tells it once, not again at every resize or click that redraws the view.
    // Returns true when it differs from the one already told.
    bool Nouveau_Refus(const std::string &raison) {
        const bool nouveau = raison != refus_;
        refus_ = raison;
        return nouveau;
    }
    const std::string &Refus() const { return refus_; }

    // Event handlers, public so the frame and tests can run them as the user would. A resize
    // or a show runs Form_Resize on the next turn of the event loop.
    void Form_Resize();
    void Picture1_Click();
    void Picture1_DblClick();

protected:
    // What a resize and a click redraw with (the redraw procedure, unless said otherwise).
    virtual void Redessine_Sur_Evenement() { Redessine(); }
    // Height kept free above the picture (for a window's own toolbar).
    virtual int Haut_Reserve() const { return 0; }
    void resizeEvent(QResizeEvent *ev) override;
    // A view draws itself when shown (restored from minimised among others) as on a resize.
    void showEvent(QShowEvent *ev) override;
    void Place_Image();

private:
    bool en_dessin_ = false;
    std::string refus_;
    QTimer differe_;
    // Resizes and shows come in bursts while the frame arranges its windows: they are drawn
    // once, when the arrangement is done.
    QTimer redimension_;
};

} // namespace gabarit
