#include "views/fenetres/M_AngRot.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

#include "model/Numeros.h"
#include "platform/Twips.h"
#include "shell/fenetres/Contexte.h"

namespace gabarit {

M_AngRot::M_AngRot(Contexte &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("M_AngRot"));
    setWindowTitle(QString());
    auto *l = new QVBoxLayout(this);
    Frame1_ = new QGroupBox(QStringLiteral("Angle de rotation"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    l->addWidget(Frame1_);
    auto *lf = new QVBoxLayout(Frame1_);
    static const char *const legendes[7] = {" 0°", " 5°", "10°", "15°", "20°", "25°", "30°"};
    for (int k = 0; k < 7; ++k) {
        auto *o = new QRadioButton(QString::fromUtf8(legendes[k]), Frame1_);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        lf->addWidget(o);
        Option1_[static_cast<std::size_t>(k)] = o;
        connect(o, &QRadioButton::clicked, this, [this] { M_AngRot_Option1_Click(); });
    }
}

void M_AngRot::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    M_AngRot_Form_Resize();
}

void M_AngRot::resizeEvent(QResizeEvent *ev) {
    QDialog::resizeEvent(ev);
    // The dialog's own placing resizes it: that one is not the user's.
    if (!place_)
        M_AngRot_Form_Resize();
}

void M_AngRot::M_AngRot_Form_Resize() {
    try {
        place_ = true;
        setGeometry(Twips_En_Pixels(2500), Twips_En_Pixels(2000), Twips_En_Pixels(2145),
                    Twips_En_Pixels(3630));
        place_ = false;
        // An angle that is none of the seven leaves the options as they are.
        for (int k = 0; k < 7; ++k)
            if (ctx_.etat.P(ANGLE_ROTATION) == 5.0 * k)
                Option1(k)->setChecked(true);
    } catch (const std::exception &) {
        place_ = false;
    }
}

void M_AngRot::M_AngRot_Option1_Click() {
    try {
        // Nothing is redrawn: the next redraw of the sections takes the angle.
        for (int k = 0; k < 7; ++k)
            if (Option1(k)->isChecked())
                ctx_.etat.P(ANGLE_ROTATION) = 5.0 * k;
    } catch (const std::exception &) {
        // P(29) is always in the record; nothing can fail here.
    }
}

} // namespace gabarit
