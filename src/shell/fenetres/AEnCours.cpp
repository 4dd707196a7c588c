#include "shell/fenetres/AEnCours.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTimer>

#include "fenetres/Contexte.h"
#include "platform/Twips.h"

namespace gabarit {

namespace {
// The animation pictures lie in data/icones of the program folder; a plain drawn hull
// stands in if one is missing.
QPixmap Image_Attente(const Contexte &ctx, int k) {
    QPixmap p(QString::fromStdString(ctx.etat.Fichier_Programme("icones/attente")) +
              QString::number(k) + QStringLiteral(".png"));
    if (!p.isNull())
        return p;
    QPixmap dessin(33, 33);
    dessin.fill(Qt::transparent);
    QPainter pt(&dessin);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.translate(16.5, 22);
    pt.rotate(-15 + 15 * k);
    pt.setBrush(QColor(40, 90, 170));
    pt.drawPolygon(QPolygonF({{-11, -1}, {11, -1}, {8, 4}, {-8, 4}}));
    pt.drawLine(QPointF(0, -1), QPointF(0, -20));
    return dessin;
}
} // namespace

AEnCours::AEnCours(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("AEnCours"), QStringLiteral("    Calcul en Cours ...")),
      timer_(new QTimer(this)) {
    Bordure_Fixe();
    auto px = [](double twips) { return Twips_En_Pixels(twips); };
    setFixedSize(px(4605), px(1560));
    auto *cadre = new QGroupBox(this);
    cadre->setObjectName(QStringLiteral("Frame1"));
    cadre->setGeometry(0, 0, px(4575), px(1455));
    for (int k = 0; k < 3; ++k) {
        auto *l = new QLabel(cadre);
        l->setObjectName(QStringLiteral("Picture1_%1").arg(k));
        l->setGeometry(px(360), px(480), px(495), px(495));
        l->setPixmap(Image_Attente(ctx, k));
        images_[static_cast<std::size_t>(k)] = l;
    }
    auto *texte = new QLabel(QStringLiteral("Veuillez patienter"), cadre);
    texte->setObjectName(QStringLiteral("Label1"));
    texte->setGeometry(px(1320), px(600), px(1935), px(375));
    timer_->setObjectName(QStringLiteral("Timer1"));
    connect(timer_, &QTimer::timeout, this, &AEnCours::AEnCours_Timer1_Timer);
    // The animation runs only while this window is the frame's active child.
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            if (w && w == Cadre())
                AEnCours_Form_Activate();
            else
                AEnCours_Form_Deactivate();
        });
}

void AEnCours::AEnCours_Form_Activate() { timer_->start(1000); }
void AEnCours::AEnCours_Form_Deactivate() { timer_->stop(); }

void AEnCours::AEnCours_Timer1_Timer() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        bool pas = false;
        for (std::size_t k = 0; k < 3 && !pas; ++k) {
            if (!images_[k]->isVisibleTo(this))
                continue;
            images_[(k + 1) % 3]->show();
            images_[k]->hide();
            pas = true;
        }
        if (pas)
            ctx().shell.Laisse_Evenements();
    });
}

} // namespace gabarit
