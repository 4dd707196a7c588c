#pragma once
// A child window of the main frame: shown and hidden, never destroyed, by the program;
// its close box hides it.
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace gabarit {

class Contexte;

class Fenetre_Fille : public QWidget {
    Q_OBJECT
public:
    enum class Etat { Normal, Minimise, Maximise };

    // nom is the window's name (also its objectName), legende its caption.
    Fenetre_Fille(Contexte& ctx, const QString& nom, const QString& legende);

    Contexte& ctx() const { return ctx_; }
    // The MDI sub-window that frames this window (set when the context registers it).
    QMdiSubWindow* Cadre() const { return cadre_; }
    void Fixe_Cadre(QMdiSubWindow* c);
    // The MDI area that holds the window; nullptr when there is none, and while the area or
    // the sub-window is being destroyed (the frame closing): a handler run by that teardown
    // must not reach them.
    QMdiArea *Zone() const;

    bool Visible() const;
    void Montre();  // makes it visible and the frame's active child
    void Cache();
    void Active(); // the frame's active child, at once
    Etat Etat_Fenetre() const;
    // Outer position and size in pixels of the frame's client area.
    void Deplace(int gauche, int haut);
    void Deplace(int gauche, int haut, int largeur, int hauteur);
    int Gauche() const;
    int Haut() const;
    int Largeur_Externe() const;
    int Hauteur_Externe() const;

    // Shows the record in the window's controls (Rafraichit_Menus); default nothing.
    virtual void Affiche_Valeurs() {}

protected:
    // Called when the user closes the window with its close box (the window is then hidden).
    virtual void Au_Fermeture() {}
    // Called at the end of every Montre, the window being visible already or not.
    virtual void Au_Montre() {}
    // A fixed dialog: its frame has a caption and no minimise, maximise or close button.
    // Called from the constructor, before the context frames the window.
    void Bordure_Fixe() { bordure_fixe_ = true; }
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    Contexte& ctx_;
    QMdiSubWindow* cadre_ = nullptr;
    bool bordure_fixe_ = false;
};

} // namespace gabarit
