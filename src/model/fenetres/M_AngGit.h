#pragma once
// Modal dialog of the heel angle P(26): seven options, 0 to 30 degrees by 5.
#include <QDialog>
#include <array>

class QGroupBox;
class QRadioButton;

namespace gabarit {

class Contexte;

class M_AngGit : public QDialog {
    Q_OBJECT
public:
    M_AngGit(Contexte &ctx, QWidget *parent = nullptr);

    QRadioButton *Option1(int k) const { return Option1_[static_cast<std::size_t>(k)]; }

protected:
    void showEvent(QShowEvent *ev) override;

private:
    void M_AngGit_Form_Resize();
    void M_AngGit_Option1_Click();

    Contexte &ctx_;
    QGroupBox *Frame1_;
    std::array<QRadioButton *, 7> Option1_{};
};

} // namespace gabarit
