#include "model/fenetres/M_PasVer.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "shell/fenetres/Contexte.h"

namespace gabarit {

namespace {
// Vertical steps in mm, finest first.
constexpr double PAS[3] = {0.1, 1, 2};
} // namespace

M_PasVer::M_PasVer(Contexte &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("M_PasVer");
    setWindowTitle(QStringLiteral("Menu Pas-Verticale"));
    auto *l = new QVBoxLayout(this);
    Frame1_ = new QGroupBox(QStringLiteral("Choix"), this);
    Frame1_->setObjectName("Frame1");
    l->addWidget(Frame1_);
    auto *lf = new QVBoxLayout(Frame1_);
    static const char *const legendes[3] = {"Excellent", "Bon", "Moyen"};
    for (int k = 0; k < 3; ++k) {
        auto *o = new QRadioButton(QString::fromLatin1(legendes[k]), Frame1_);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        lf->addWidget(o);
        Option1_[static_cast<std::size_t>(k)] = o;
        connect(o, &QRadioButton::clicked, this, [this] { M_PasVer_Option1_Click(); });
    }
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName("Text1");
    l->addWidget(Text1_);
    M_PasVer_Form_Load();
}

void M_PasVer::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    setGeometry(Twips_En_Pixels(2500), Twips_En_Pixels(1000), Twips_En_Pixels(2700),
                Twips_En_Pixels(3135));
}

void M_PasVer::M_PasVer_Form_Load() {
    try {
        Etat_Projet &e = ctx_.etat;
        if (e.Init_En_Cours == 1)
            return;
        for (int k = 0; k < 3; ++k)
            if (e.P(37) == PAS[k]) {
                Option1(k)->setChecked(true);
                M_PasVer_Option1_Click();
            }
        Text1_->setText(Texte_Nombre(e.P(37)));
    } catch (const std::exception &) {
    }
}

void M_PasVer::M_PasVer_Option1_Click() {
    try {
        Etat_Projet &e = ctx_.etat;
        for (int k = 0; k < 3; ++k)
            if (Option1(k)->isChecked())
                e.P(37) = PAS[k];
        Text1_->setText(Texte_Nombre(e.P(37)));
    } catch (const std::exception &) {
    }
}

} // namespace gabarit
