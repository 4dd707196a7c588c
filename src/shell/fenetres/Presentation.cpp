#include "shell/fenetres/Presentation.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "fenetres/Contexte.h"

namespace gabarit {

namespace {

// The program's icon: a hull section template, drawn in the colours of the splash.
QPixmap Icone_Programme() {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(20, 40, 110), 1));
    g.setBrush(QColor(235, 240, 250));
    g.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    QPainterPath voile;
    voile.moveTo(16, 3);
    voile.lineTo(16, 21);
    voile.lineTo(6, 21);
    voile.closeSubpath();
    g.setBrush(Qt::white);
    g.drawPath(voile);
    QPainterPath foc;
    foc.moveTo(17, 6);
    foc.lineTo(26, 21);
    foc.lineTo(17, 21);
    foc.closeSubpath();
    g.drawPath(foc);
    QPainterPath coque;
    coque.moveTo(4, 22);
    coque.lineTo(28, 22);
    coque.quadTo(24, 27, 16, 27);
    coque.quadTo(8, 27, 4, 22);
    g.setBrush(QColor(200, 30, 30));
    g.drawPath(coque);
    g.setPen(QPen(QColor(20, 40, 110), 1.5));
    g.drawLine(QPointF(16, 27), QPointF(16, 30));
    return p;
}

} // namespace

QStringList Presentation::Lignes_Presentation() {
    const QChar tab('\t');
    return {
        QStringLiteral("Ce logiciel a pour objet l'aide à la réalisation de carène "),
        QStringLiteral("de voilier destiné à la radio-commande."),
        QString(),
        QStringLiteral("Conçu et programmé par l'atelier Gabarit, pour les modélistes."),
        QString(),
        QStringLiteral("Contacts :"),
        QString(tab) + tab + QStringLiteral("EMAIL") + QString(7, ' ') + tab + tab,
        QStringLiteral("atelier@gabarit.example"),
        QString(),
        QString(tab) + tab + QStringLiteral("Téléchargement :") + tab,
        QStringLiteral("https://telechargement.gabarit.example") + tab,
        QStringLiteral(" "),
        QString(),
        QStringLiteral("Ce logiciel est en constante évolution,  "),
        QStringLiteral("Certain de ces menus sont issus de vos commentaires"),
        QStringLiteral("Je reste en contact permanent et réalise vos suggestions"),
        QString(),
        QStringLiteral("Merci a tous") + QChar(0x2026) + QLatin1Char('.'),
    };
}

Presentation::Presentation(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Presentation"),
                    QStringLiteral("Présentation de ") + Nom_Produit()) {
    // No layout: the minimum size tells the frame how large the box is.
    setMinimumSize(420, 330);
    resize(420, 330);

    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setPixmap(Icone_Programme());
    picIcon_->setGeometry(8, 8, 32, 32);

    Label1_ = new QLabel(Nom_Produit(), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    QFont f1(QStringLiteral("Comic Sans MS"));
    f1.setPointSizeF(20.25);
    f1.setBold(true);
    Label1_->setFont(f1);
    QPalette pal = Label1_->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    Label1_->setPalette(pal);
    Label1_->setGeometry(52, 4, 300, 40);

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setGeometry(52, 44, 300, 8);

    Text1_ = new QPlainTextEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    QFont ft(QStringLiteral("MS Sans Serif"));
    ft.setPointSizeF(8.25);
    ft.setBold(true);
    Text1_->setFont(ft);
    Text1_->setReadOnly(true);
    Text1_->setPlainText(Lignes_Presentation().join(QLatin1Char('\n')));
    Text1_->setGeometry(8, 56, 404, 230);

    Command3_ = new QPushButton(QStringLiteral("Retour"), this);
    Command3_->setObjectName(QStringLiteral("Command3"));
    Command3_->setGeometry(324, 294, 88, 28);
    connect(Command3_, &QPushButton::clicked, this, [this] { Presentation_Command3_Click(); });

    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *s) {
            if (s && s == Cadre())
                Presentation_Form_Activate();
        });
}

void Presentation::Presentation_Form_Activate() { Deplace(0, 0); }

void Presentation::Presentation_Command3_Click() { Cache(); }

} // namespace gabarit
