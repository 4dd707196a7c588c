#pragma once
// Modal dialog of the longitudinal step P(27) of the station walks and its count P(231).
#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace gabarit {

class Contexte;

class M_PasHor : public QDialog {
    Q_OBJECT
public:
    // Opening the dialog selects the option of the current step (the old form's load).
    M_PasHor(Contexte &ctx, QWidget *parent = nullptr);

    QRadioButton *Option2(int k) const { return Option2_[static_cast<std::size_t>(k)]; }
    QLineEdit *Text1() const { return Text1_; }
    QLabel *Label1() const { return Label1_; }

protected:
    void showEvent(QShowEvent *ev) override;

private:
    void M_PasHor_Form_Load();
    void M_PasHor_Option2_Click();

    Contexte &ctx_;
    QGroupBox *Frame1_;
    std::array<QRadioButton *, 4> Option2_{};
    QLineEdit *Text1_;
    QLabel *Label1_;
};

} // namespace gabarit
