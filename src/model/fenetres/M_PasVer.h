#pragma once
// Modal dialog of the vertical step P(PAS_VERTICAL) of the section walks: 0.1, 1 or 2 mm.
#include "fenetres/Dialogue_Options.h"

class QLineEdit;

namespace gabarit {

class M_PasVer : public Dialogue_Options {
    Q_OBJECT
public:
    // Opening the dialog selects the option of the current step.
    explicit M_PasVer(Contexte &ctx, QWidget *parent = nullptr);

    QRadioButton *Option1(int k) const { return Option(k); }
    QLineEdit *Text1() const { return Text1_; }

protected:
    void showEvent(QShowEvent *ev) override;

private:
    void M_PasVer_Form_Load();
    void Option_Click() override;

    QLineEdit *Text1_;
};

} // namespace gabarit
