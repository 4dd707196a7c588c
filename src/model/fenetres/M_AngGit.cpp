#include "model/fenetres/M_AngGit.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Twips.h"
#include "shell/fenetres/Contexte.h"

namespace gabarit {

M_AngGit::M_AngGit(Contexte &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("M_AngGit");
    setWindowTitle(QString());
    auto *l = new QVBoxLayout(this);
    Frame1_ = new QGroupBox(QStringLiteral("Angle de Gite"), this);
    Frame1_->setObjectName("Frame1");
    l->addWidget(Frame1_);
    auto *lf = new QVBoxLayout(Frame1_);
    static const char *const legendes[7] = {" 0°", " 5°", "10°", "15°", "20°", "25°", "30°"};
    for (int k = 0; k < 7; ++k) {
        auto *o = new QRadioButton(QString::fromUtf8(legendes[k]), Frame1_);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        lf->addWidget(o);
        Option1_[static_cast<std::size_t>(k)] = o;
        connect(o, &QRadioButton::clicked, this, [this] { M_AngGit_Option1_Click(); });
    }
}

void M_AngGit::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    M_AngGit_Form_Resize();
}

void M_AngGit::M_AngGit_Form_Resize() {
    try {
        setGeometry(Twips_En_Pixels(2500), Twips_En_Pixels(2000), Twips_En_Pixels(2145),
                    Twips_En_Pixels(3630));
        if (ctx_.etat.Init_En_Cours == 1)
            return;
        for (int k = 0; k < 7; ++k)
            if (ctx_.etat.P(26) == 5.0 * k) {
                Option1(k)->setChecked(true);
                M_AngGit_Option1_Click();
            }
    } catch (const std::exception &) {
    }
}

void M_AngGit::M_AngGit_Option1_Click() {
    try {
        for (int k = 0; k < 7; ++k)
            if (Option1(k)->isChecked())
                ctx_.etat.P(26) = 5.0 * k;
    } catch (const std::exception &) {
    }
}

} // namespace gabarit
