#include "platform/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/Nombres.h"

namespace gabarit {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    haut_ = new QToolButton(this);
    bas_ = new QToolButton(this);
    haut_->setArrowType(Qt::UpArrow);
    bas_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {haut_, bas_}) {
        b->setFixedSize(16, 11);
        b->setAutoRaise(false);
        l->addWidget(b);
        connect(b, &QToolButton::pressed, this, &UpDown::MouseDown);
        connect(b, &QToolButton::released, this, &UpDown::MouseUp);
    }
    // A Windows spin steps on the press, after its mouse-down and before its mouse-up, so
    // the release handlers of the windows see the new value.
    connect(haut_, &QToolButton::pressed, this, &UpDown::Monte);
    connect(bas_, &QToolButton::pressed, this, &UpDown::Descend);
    setFixedSize(16, 22);
}

void UpDown::setBuddy(QLineEdit *buddy, Suivi suivi) {
    disconnect(saisie_);
    buddy_ = buddy;
    if (!buddy_)
        return;
    saisie_ = connect(buddy_, &QLineEdit::textEdited, this, [this, suivi](const QString &texte) {
        double v = 0;
        if (!Lit_Nombre(texte, v))
            return;
        if (suivi == Suivi::Dans_Plage && !(v >= min_ && v <= max_))
            return;
        setValue(v);
    });
}

void UpDown::setRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
}

void UpDown::setValue(double v) {
    if (!std::isfinite(v))
        return;
    const double r = std::nearbyint(v);
    const double lo = std::min(min_, max_), hi = std::max(min_, max_);
    value_ = static_cast<int>(std::clamp(r, lo, hi));
}

void UpDown::Montre_Valeur(double v) {
    setValue(v);
    if (buddy_) {
        buddy_->setText(Texte_Nombre(v));
        buddy_->setCursorPosition(0); // a long number shows its first digits
    }
}

QString UpDown::Refus_Saisie(const QString &nom, const QString &texte, double &v) const {
    if (!Lit_Nombre(texte, v))
        return QStringLiteral("La valeur de \"%1\" n'est pas un nombre.").arg(nom);
    if (!(v >= min_ && v <= max_))
        return QStringLiteral("La valeur de \"%1\" doit être comprise entre %2 et %3.")
            .arg(nom)
            .arg(min_)
            .arg(max_);
    return {};
}

void UpDown::Pas(int sens) {
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    const int dir = min_ <= max_ ? sens : -sens; // a reversed range runs the other way
    value_ = std::clamp(value_ + dir * increment_, lo, hi);
    if (buddy_)
        buddy_->setText(QString::number(value_));
    emit Change();
}

void UpDown::Monte() { Pas(+1); }
void UpDown::Descend() { Pas(-1); }

} // namespace gabarit
