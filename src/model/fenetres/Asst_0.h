#pragma once
// The new-project assistant: a length and a hull type make a new project from the master.
#include <array>

#include "platform/Fenetre_Fille.h"

class QGroupBox;
class QLineEdit;
class QMdiSubWindow;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QFrame;

namespace gabarit {

class Asst_0 : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Asst_0(Contexte &ctx);

    QLineEdit *Text2_1() const { return Text2_1_; }
    QRadioButton *Option1(int k) const { return Option1_[static_cast<std::size_t>(k)]; }
    QPushButton *Command1(int k) const { return Command1_[static_cast<std::size_t>(k)]; }

protected:
    void Au_Fermeture() override;

private:
    void Asst_0_Command1_Click(int index);
    void Asst_0_Form_Activate(QMdiSubWindow *w);
    void Terminer();
    void Entrees_Initiales();

    QGroupBox *Frame2_;
    std::array<QGroupBox *, 2> Frame1_{};
    std::array<QPlainTextEdit *, 3> Text1_{}; // Text1(0) and Text1(2); Text1(1) unused
    QLineEdit *Text1_3_;
    QLineEdit *Text2_1_;
    std::array<QRadioButton *, 3> Option1_{};
    QFrame *Shape1_;
    std::array<QPushButton *, 2> Command1_{};
};

} // namespace gabarit
