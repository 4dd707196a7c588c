#pragma once
// Modal dialog of the oblique sections view's rotation P(29): seven options, 0 to 30 degrees
// by 5. It has no buttons; its close box ends it.
#include <QDialog>
#include <array>

class QGroupBox;
class QRadioButton;

namespace gabarit {

class Contexte;

class M_AngRot : public QDialog {
    Q_OBJECT
public:
    M_AngRot(Contexte &ctx, QWidget *parent = nullptr);

    QRadioButton *Option1(int k) const { return Option1_.at(static_cast<std::size_t>(k)); }

    void M_AngRot_Form_Resize();
    void M_AngRot_Option1_Click();

protected:
    void showEvent(QShowEvent *ev) override;
    void resizeEvent(QResizeEvent *ev) override;

private:
    Contexte &ctx_;
    QGroupBox *Frame1_;
    std::array<QRadioButton *, 7> Option1_{};
    bool place_ = false;
};

} // namespace gabarit
