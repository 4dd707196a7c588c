#include "fenetres/Dialogue_Options.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "platform/Twips.h"

namespace gabarit {

Dialogue_Options::Dialogue_Options(Contexte &ctx, QWidget *parent, const QString &nom,
                                   const QString &titre, const QString &cadre,
                                   const QString &options,
                                   std::initializer_list<const char *> legendes)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(nom);
    setWindowTitle(titre);
    colonne_ = new QVBoxLayout(this);
    Frame1_ = new QGroupBox(cadre, this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    colonne_->addWidget(Frame1_);
    auto *lf = new QVBoxLayout(Frame1_);
    for (const char *legende : legendes) {
        auto *o = new QRadioButton(QString::fromUtf8(legende), Frame1_);
        o->setObjectName(QStringLiteral("%1_%2").arg(options).arg(options_.size()));
        lf->addWidget(o);
        options_.push_back(o);
        connect(o, &QRadioButton::clicked, this, [this] {
            ctx_.Commande(Contexte::Si_Occupe::Execute, [this] { Option_Click(); });
        });
    }
}

void Dialogue_Options::Place(double gauche, double haut, double largeur, double hauteur) {
    setGeometry(Twips_En_Pixels(gauche), Twips_En_Pixels(haut), Twips_En_Pixels(largeur),
                Twips_En_Pixels(hauteur));
}

} // namespace gabarit
