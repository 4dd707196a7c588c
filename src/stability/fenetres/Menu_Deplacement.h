#pragma once
// The weights window: weights and stations of the eight masses of the yacht, the total
// weight and the centres.
#include <array>
#include <optional>

#include "platform/Fenetre_Fille.h"
#include "stability/Saisie_Deplacement.h"

class QFrame;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;

namespace gabarit {

class UpDown;

class Menu_Deplacement : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_Deplacement(Contexte &ctx);
    // Shows the record in the controls; does nothing while the window is hidden.
    void Affiche_Deplacement();
    void Affiche_Valeurs() override { Affiche_Deplacement(); }
    // Checks the sixteen boxes, then copies them into the record. A box refused (not a number,
    // out of range, or weights summing to nothing) is reported, keeps the focus and nothing is
    // stored: returns false then.
    bool Lire_Deplacement();

    QTabWidget *SSTab1() const { return SSTab1_; }
    UpDown *UpDown1(int i) const { return UpDown1_[static_cast<std::size_t>(i)]; }
    QLineEdit *Text1(int i) const { return Text1_[static_cast<std::size_t>(i)]; }
    QLabel *Label1(int i) const { return Label1_[static_cast<std::size_t>(i)]; }
    QLabel *Label3(int i) const { return Label3_[static_cast<std::size_t>(i)]; }
    // Buttons 0, 2 and 4 "Valide", 8 "C/Grav"; other indices give nullptr.
    QPushButton *Command1(int i) const;

protected:
    bool eventFilter(QObject *o, QEvent *ev) override;
    // Shown from any path, the window shows the record afresh: typing never validated is
    // dropped.
    void showEvent(QShowEvent *ev) override;
    void Au_Montre() override { Affiche_Deplacement(); }

private:
    void Menu_Deplacement_Command1_Click();
    void Menu_Deplacement_Form_Activate(QMdiSubWindow *w);
    void Menu_Deplacement_Label1_Click(int index);
    void Menu_Deplacement_UpDown1_MouseDown();
    std::optional<Saisie_Deplacement> Lit_Saisie();
    void Refuse(int champ, const QString &message);

    QTabWidget *SSTab1_;
    std::array<UpDown *, 16> UpDown1_{};
    std::array<QLineEdit *, 17> Text1_{};
    std::array<QLabel *, 16> Label1_{};
    std::array<QLabel *, 3> Label3_{};
    std::array<QFrame *, 3> Shape1_{};
    std::array<QPushButton *, 4> Boutons_{}; // Command1(0), (2), (4), (8)
    // A control the user has changed since the last display; an untouched control whose
    // record value lies outside its range keeps that value rather than clamp it.
    std::array<bool, 16> Touche_{};
};

} // namespace gabarit
