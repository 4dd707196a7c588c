#pragma once
// The stability window: the heeled keel section with its righting moment and the theoretical
// sail area, the onboard items placed across and in height, and the prismatic coefficient
// with its chart per heel. It is also where the heel series draws and shows its results.
#include <QTimer>
#include <array>
#include <functional>

#include "platform/Fenetre_Fille.h"
#include "shell/Serie_Gite.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace gabarit {

class Image_Vue;
class UpDown;

class Menu_Stabilite : public Fenetre_Fille, public Fenetres_Serie {
    Q_OBJECT
public:
    explicit Menu_Stabilite(Contexte &ctx);

    // What the series and the righting moment draw and show here.
    Canvas &Picture2() override;
    Canvas *Picture3() override;
    bool Precision() const override;
    void Montre_Moment(std::optional<double> moment) override;
    void Montre_Surface_Theorique(double surface) override;
    void Montre_Coef_Pris(double coefficient) override;
    void Cache_Fenetres() override;
    void Rafraichit_Comparaison() override;

    // The cant spinner and its label take P(ANGLE_BASCULE).
    void Init_Bascule(double angle);
    // The project initialisation's step: the cant of the project read, and none of the
    // previous project's results left on show (theoretical sail area, coefficient and its
    // curve, bar chart); the window shows its first tab again, and the coefficient is
    // computed again when its tab is next opened.
    void Init_Projet(double angle_bascule);
    // The prismatic coefficient at the heel P(ANGLE_GITE) on this window's picture, its label
    // set. Callers hold the busy guard.
    void Calcule_Coef_Pris();

    // Window events, public so the frame and tests run them as the user would.
    void Menu_Stabilite_Form_Activate();
    void Menu_Stabilite_Command1_Click(int index);
    void Menu_Stabilite_Command2_Click();
    void Menu_Stabilite_Option1_Click(int index);
    void Menu_Stabilite_SSTab1_Click(int onglet);
    void Menu_Stabilite_UpDown1_Change(int index);
    void Menu_Stabilite_UpDown2_Change();
    void Menu_Stabilite_UpDown3_MouseUp();
    // Heights and tops of the chart's bars from P(Coef_Prismatique_Gite(0)) to
    // P(Coef_Prismatique_Gite(6)).
    void Trace_Barres_Gite();

    QTabWidget *SSTab1() const { return SSTab1_; }
    QWidget *Picture4() const { return Picture4_; }
    QLabel *Label2(int i) const { return Label2_.at(static_cast<std::size_t>(i)); }
    QLineEdit *Text1(int i) const { return Text1_.at(static_cast<std::size_t>(i)); }
    UpDown *UpDown1(int i) const { return UpDown1_.at(static_cast<std::size_t>(i)); }
    QRadioButton *Option1(int i) const { return Option1_.at(static_cast<std::size_t>(i)); }
    QFrame *Shape1(int i) const { return Shape1_.at(static_cast<std::size_t>(i)); }
    QFrame *Shape2(int i) const { return Shape2_.at(static_cast<std::size_t>(i)); }

protected:
    void showEvent(QShowEvent *ev) override;

private:
    void Cree_Onglet_Courbe(QWidget *page);
    void Cree_Onglet_Balaste(QWidget *page);
    void Cree_Onglet_Coef(QWidget *page);
    void Cree_Barres(QWidget *parent);
    void Connecte();
    // The item's figures, then its picture (Trace_Item).
    void Dessine_Item(bool signale);
    // The item picture with its cross. A picture that cannot be drawn whole (a stroke not a
    // number or far off the picture) is left empty and, when signale, the user is told why.
    void Trace_Item(bool signale);
    // The heel box shows the heel the picture shows.
    void Montre_Gite();
    // Runs a command of the window: nothing while a computation runs; a refusal is reported
    // once in French (a keel station with no section by this window's own message), or, when
    // signale is false, ends quietly. regard: the window shown or a tab chosen, which changes
    // nothing of the project (Contexte::Regarde).
    template <class F> void Commande(F &&f, bool signale = true, bool regard = false);
    // The righting moment at the heel P(ANGLE_GITE); a refused one leaves dashes, not the
    // previous heel's moment.
    void Calcule_Moment();
    // The seven moments (Command1(0), the cant released), refused while no heel has floated.
    void Serie_Moments();
    // A number typed in box t of spinner s, read on Enter or on leaving the box: a whole
    // number within the spinner's range goes to the spinner and applique runs, as an arrow
    // would; anything else is refused with the window's message and the box shows bon again.
    void Lit_Boite(QLineEdit *t, UpDown *s, const QString &nom, double bon,
                   const std::function<void()> &applique);
    // Lit_Boite for the item's lateral place (0) or height (1).
    void Lit_Item(int i);

    QTabWidget *SSTab1_ = nullptr;
    Image_Vue *Picture1_ = nullptr;
    Image_Vue *Picture2_ = nullptr;
    Image_Vue *Picture3_ = nullptr;
    QWidget *Picture4_ = nullptr;
    std::array<QPushButton *, 3> Command1_{}; // indices 0, 2, 4
    QPushButton *Command2_ = nullptr;
    UpDown *UpDown2_ = nullptr;
    QLineEdit *Text2_ = nullptr;
    UpDown *UpDown3_ = nullptr;
    std::array<QLabel *, 3> Label2_{};
    std::array<QLineEdit *, 2> Text1_{};
    std::array<UpDown *, 2> UpDown1_{};
    std::array<QRadioButton *, 6> Option1_{};
    QLabel *Label4_ = nullptr;
    QLabel *Label5_ = nullptr;
    QLabel *Label1_6_ = nullptr;
    QCheckBox *Check1_ = nullptr;
    std::array<QFrame *, 7> Shape1_{};
    std::array<QFrame *, 7> Shape2_{};
    // Activation runs once the program is free.
    QTimer activation_differee_;
    // A release of the cant spinner during a computation is applied once it is over: its
    // label already shows the new cant.
    QTimer bascule_differee_;
    bool lecture_en_cours_ = false;
};

} // namespace gabarit
