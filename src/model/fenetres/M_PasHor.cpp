#include "model/fenetres/M_PasHor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "shell/fenetres/Contexte.h"

namespace gabarit {

namespace {
// Divisors of the hull length, coarsest step first.
constexpr double DIVISEURS[4] = {10, 20, 40, 80};
} // namespace

M_PasHor::M_PasHor(Contexte &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("M_PasHor");
    setWindowTitle(QStringLiteral("Menu Pas-Horizontal"));
    auto *l = new QVBoxLayout(this);
    Frame1_ = new QGroupBox(QStringLiteral("Choix"), this);
    Frame1_->setObjectName("Frame1");
    l->addWidget(Frame1_);
    auto *lf = new QVBoxLayout(Frame1_);
    static const char *const legendes[4] = {"Faible", "Moyen", "Bon", "Excellent"};
    for (int k = 0; k < 4; ++k) {
        auto *o = new QRadioButton(QString::fromLatin1(legendes[k]), Frame1_);
        o->setObjectName(QStringLiteral("Option2_%1").arg(k));
        lf->addWidget(o);
        Option2_[static_cast<std::size_t>(k)] = o;
        connect(o, &QRadioButton::clicked, this, [this] { M_PasHor_Option2_Click(); });
    }
    Text1_ = new QLineEdit(this);
    Text1_->setObjectName("Text1");
    l->addWidget(Text1_);
    Label1_ = new QLabel(QStringLiteral("Label1"), this);
    Label1_->setObjectName("Label1");
    l->addWidget(Label1_);
    M_PasHor_Form_Load();
}

void M_PasHor::showEvent(QShowEvent *ev) {
    QDialog::showEvent(ev);
    setGeometry(Twips_En_Pixels(2500), Twips_En_Pixels(1000), Twips_En_Pixels(2700),
                Twips_En_Pixels(3135));
}

void M_PasHor::M_PasHor_Form_Load() {
    try {
        Etat_Projet &e = ctx_.etat;
        if (e.Init_En_Cours == 1)
            return;
        for (int k = 0; k < 4; ++k)
            if (e.L() / DIVISEURS[k] == e.P(27)) {
                Option2(k)->setChecked(true);
                M_PasHor_Option2_Click();
            }
        // A zero step has no count: the value is left as it was.
        e.P(231) = Divise(e.L(), e.P(27));
    } catch (const std::exception &) {
    }
}

void M_PasHor::M_PasHor_Option2_Click() {
    try {
        Etat_Projet &e = ctx_.etat;
        for (int k = 0; k < 4; ++k)
            if (Option2(k)->isChecked())
                e.P(27) = e.L() / DIVISEURS[k];
        Text1_->setText(Texte_Nombre(e.P(27)));
        e.P(231) = Divise(e.L(), e.P(27));
        Label1_->setText(Texte_Nombre(e.P(231)));
    } catch (const std::exception &) {
    }
}

} // namespace gabarit
