#pragma once
// Modal dialog of the longitudinal step P(PAS_HORIZONTAL) of the station walks and its count
// P(NB_PAS_HORIZONTAL).
#include "fenetres/Dialogue_Options.h"

class QLabel;
class QLineEdit;

namespace gabarit {

class M_PasHor : public Dialogue_Options {
    Q_OBJECT
public:
    // Opening the dialog selects the option of the current step.
    explicit M_PasHor(Contexte &ctx, QWidget *parent = nullptr);

    QRadioButton *Option2(int k) const { return Option(k); }
    QLineEdit *Text1() const { return Text1_; }
    QLabel *Label1() const { return Label1_; }

protected:
    void showEvent(QShowEvent *ev) override;

private:
    void M_PasHor_Form_Load();
    void Option_Click() override;

    QLineEdit *Text1_;
    QLabel *Label1_;
};

} // namespace gabarit
