#include "shell/fenetres/Chargement.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "model/Version.h"
#include "platform/Son.h"
#include "platform/Twips.h"

namespace gabarit {

namespace {
// Client area in twips: wider than the old 8595 so that the two captions under the
// picture never run into each other, whatever font stands in for "MS Sans Serif".
constexpr double LARGEUR_CHARGEMENT = 10800;
constexpr double HAUTEUR_CHARGEMENT = 9465;
} // namespace

QString Chargement::Legende(int k) {
    switch (k) {
    case 0:
        return QStringLiteral("© Atelier Gabarit");
    case 1:
        return QStringLiteral("Tracé des voiliers modernes");
    case 2:
        return QStringLiteral("Destiné au modelisme");
    default:
        return {};
    }
}

QPixmap Chargement::Image_Chargement() {
    // A one-metre class yacht beating on a blue sea, with the section lines of its hull.
    const int w = 660, h = 420;
    QPixmap p(w, h);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 0, 250);
    ciel.setColorAt(0, QColor(120, 170, 230));
    ciel.setColorAt(1, QColor(225, 238, 250));
    g.fillRect(0, 0, w, 250, ciel);
    QLinearGradient mer(0, 250, 0, h);
    mer.setColorAt(0, QColor(30, 90, 160));
    mer.setColorAt(1, QColor(10, 40, 90));
    g.fillRect(0, 250, w, h - 250, mer);

    // Swell lines.
    g.setPen(QPen(QColor(160, 200, 240, 140), 1.5));
    for (int k = 0; k < 7; ++k) {
        const double y = 265 + k * 19;
        QPainterPath houle;
        houle.moveTo(0, y);
        for (int x = 0; x <= w; x += 40)
            houle.quadTo(x + 10, y - 4, x + 20, y), houle.quadTo(x + 30, y + 4, x + 40, y);
        g.drawPath(houle);
    }

    // Hull, heeled a little, with its keel and bulb under the water.
    g.save();
    g.translate(w / 2 - 20, 250);
    g.rotate(-8);
    QPainterPath coque;
    coque.moveTo(-150, -8);
    coque.lineTo(140, -14);
    coque.quadTo(120, 14, 10, 18);
    coque.quadTo(-110, 16, -150, -8);
    g.setPen(QPen(QColor(20, 20, 40), 1.5));
    g.setBrush(QColor(200, 30, 30));
    g.drawPath(coque);
    g.setBrush(QColor(40, 40, 60));
    QPainterPath quille;
    quille.moveTo(-5, 16);
    quille.lineTo(15, 16);
    quille.lineTo(8, 95);
    quille.lineTo(-6, 95);
    quille.closeSubpath();
    g.drawPath(quille);
    g.drawEllipse(QRectF(-35, 88, 70, 16));
    // Mast, mainsail and jib.
    g.setPen(QPen(QColor(60, 60, 60), 2));
    g.drawLine(QPointF(20, -10), QPointF(20, -230));
    g.setPen(QPen(QColor(80, 80, 100), 1));
    g.setBrush(QColor(250, 250, 245));
    QPainterPath gv;
    gv.moveTo(18, -225);
    gv.quadTo(-20, -120, -95, -22);
    gv.lineTo(18, -18);
    gv.closeSubpath();
    g.drawPath(gv);
    QPainterPath foc;
    foc.moveTo(24, -200);
    foc.lineTo(125, -16);
    foc.lineTo(26, -18);
    foc.closeSubpath();
    g.drawPath(foc);
    // Battens of the mainsail.
    g.setPen(QPen(QColor(170, 170, 190), 1));
    for (double t : {0.3, 0.55, 0.8})
        g.drawLine(QPointF(18, -225 + t * 207), QPointF(18 - t * 100, -225 + t * 207));
    g.restore();

    // Body-plan sketch in the lower corner: half sections of the hull, as the program draws them.
    g.setPen(QPen(QColor(200, 225, 250), 1));
    g.setBrush(Qt::NoBrush);
    const QPointF axe(w - 90, 300);
    for (int k = 1; k <= 5; ++k) {
        const double b = 11.0 * k, d = 9.0 * k;
        QPainterPath s;
        s.moveTo(axe.x() + b, axe.y());
        s.quadTo(axe.x() + b, axe.y() + d, axe.x(), axe.y() + d * 1.2);
        g.drawPath(s);
    }
    g.drawLine(axe + QPointF(0, -8), axe + QPointF(0, 80));
    g.drawLine(axe + QPointF(-10, 0), axe + QPointF(70, 0));

    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPointSize(34);
    f.setBold(true);
    g.setFont(f);
    g.setPen(QColor(200, 30, 30));
    g.drawText(QRect(24, 16, 300, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Gabarit"));
    return p;
}

Chargement::Chargement(std::function<void()> a_la_fin, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window), a_la_fin_(std::move(a_la_fin)) {
    setObjectName(QStringLiteral("Chargement"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(Twips_En_Pixels(LARGEUR_CHARGEMENT), Twips_En_Pixels(HAUTEUR_CHARGEMENT));

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(Image_Chargement());
    Image1_->adjustSize();
    Image1_->hide();

    Label5_ = new QLabel(this);
    Label5_->setObjectName(QStringLiteral("Label5"));
    QFont f5(QStringLiteral("MS Sans Serif"));
    f5.setPointSize(12);
    f5.setBold(true);
    Label5_->setFont(f5);

    QFont f1(QStringLiteral("MS Sans Serif"));
    f1.setPointSize(18);
    for (int k = 0; k < 3; ++k) {
        auto *l = new QLabel(Legende(k), this);
        l->setObjectName(QStringLiteral("Label1_%1").arg(k));
        l->setFont(f1);
        QPalette pl = l->palette();
        pl.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pl);
        l->adjustSize();
        l->hide();
        Label1_[static_cast<std::size_t>(k)] = l;
    }

    // Chargement_Form_Load: program folder current, the splash sound whatever "Son" says.
    const QString dossier = QCoreApplication::applicationDirPath();
    if (!dossier.isEmpty())
        QDir::setCurrent(dossier);
    Joue_Fichier_Son(QDir(dossier).filePath(QStringLiteral("ocean3.wav")));

    // All four count from the same moment; each fires once.
    const int intervalles[4] = {5000, 1000, 2000, 3000};
    for (int k = 0; k < 4; ++k) {
        auto *t = new QTimer(this);
        t->setObjectName(QStringLiteral("Timer%1").arg(k + 1));
        t->setSingleShot(true);
        t->setInterval(intervalles[k]);
        Timer_[static_cast<std::size_t>(k)] = t;
    }
    connect(Timer_[0], &QTimer::timeout, this, [this] { Chargement_Timer1_Timer(); });
    connect(Timer_[1], &QTimer::timeout, this, [this] { Chargement_Timer2_Timer(); });
    connect(Timer_[2], &QTimer::timeout, this, [this] { Chargement_Timer3_Timer(); });
    connect(Timer_[3], &QTimer::timeout, this, [this] { Chargement_Timer4_Timer(); });

    if (QScreen *ecran = screen()) {
        const QRect r = ecran->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    Chargement_Form_Resize();
    show();
    for (QTimer *t : Timer_)
        t->start();
}

int Chargement::Gauche_Image() const { return (width() - Image1_->width()) / 2; }
int Chargement::Haut_Image() const { return (height() - Image1_->height()) / 2; }

void Chargement::Chargement_Form_Resize() {
    Label5_->setText(QString::fromStdString(Texte_Version()));
    Label5_->adjustSize();
    Image1_->move(Gauche_Image(), Haut_Image());
    // Inside the picture's top right corner.
    Label5_->move(Gauche_Image() + Image1_->width() - Label5_->width(), Haut_Image());
    Image1_->show();
    Label5_->raise();
}

void Chargement::resizeEvent(QResizeEvent *ev) {
    QWidget::resizeEvent(ev);
    Chargement_Form_Resize();
}

void Chargement::Chargement_Timer2_Timer() {
    Timer_[1]->stop();
    QLabel *l = Label1_[1];
    // One label height below the picture's lower edge, at its left.
    l->move(Gauche_Image(), Haut_Image() + Image1_->height() + l->height());
    l->show();
}

void Chargement::Chargement_Timer3_Timer() {
    Timer_[2]->stop();
    QLabel *l = Label1_[2];
    // On the picture's upper edge, at its left.
    l->move(Gauche_Image(), Haut_Image() - l->height());
    l->show();
}

void Chargement::Chargement_Timer4_Timer() {
    Timer_[3]->stop();
    QLabel *l = Label1_[0];
    // On the line of Label1(1), flush with the picture's right edge.
    l->move(Gauche_Image() + Image1_->width() - l->width(),
            Haut_Image() + Image1_->height() + l->height());
    l->show();
}

void Chargement::Chargement_Timer1_Timer() {
    for (QTimer *t : Timer_)
        t->stop();
    hide();
    // Runs once: the main frame's load must not start twice.
    auto fin = std::move(a_la_fin_);
    a_la_fin_ = nullptr;
    if (fin)
        fin();
}

} // namespace gabarit
