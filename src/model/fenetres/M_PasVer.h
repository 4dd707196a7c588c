#pragma once
// Modal dialog of the vertical step P(37) of the section walks: 0.1, 1 or 2 mm.
#include <QDialog>
#include <array>

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace gabarit {

class Contexte;

class M_PasVer : public QDialog {
    Q_OBJECT
public:
    // Opening the dialog selects the option of the current step (the old form's load).
    M_PasVer(Contexte &ctx, QWidget *parent = nullptr);

    QRadioButton *Option1(int k) const { return Option1_[static_cast<std::size_t>(k)]; }
    QLineEdit *Text1() const { return Text1_; }

protected:
    void showEvent(QShowEvent *ev) override;

private:
    void M_PasVer_Form_Load();
    void M_PasVer_Option1_Click();

    Contexte &ctx_;
    QGroupBox *Frame1_;
    std::array<QRadioButton *, 3> Option1_{};
    QLineEdit *Text1_;
};

} // namespace gabarit
