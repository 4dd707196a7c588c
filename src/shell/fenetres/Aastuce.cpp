#include "shell/fenetres/Aastuce.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <cmath>
#include <cstdlib>

#include "fenetres/Contexte.h"
#include "platform/Twips.h"

namespace gabarit {

namespace {

constexpr double LARGEUR_ASTUCE = 4125; // twips
constexpr double HAUTEUR_ASTUCE = 4170;

// Frame k shows Label2(upper) over Label2(lower).
constexpr int LABEL_HAUT[4] = {0, 3, 5, 6};
constexpr int LABEL_BAS[4] = {1, 2, 4, 7};

const QColor JAUNE_CLAIR(255, 255, 192);

// A small light bulb: the tip window's icon.
QPixmap Icone_Astuce() {
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QRadialGradient verre(QPointF(14, 11), 13);
    verre.setColorAt(0, QColor(255, 255, 230));
    verre.setColorAt(1, QColor(255, 210, 40));
    g.setPen(QPen(QColor(120, 90, 0), 1.2));
    g.setBrush(verre);
    QPainterPath ampoule;
    ampoule.addEllipse(QPointF(16, 12), 10, 10);
    ampoule.addRect(12, 18, 8, 6);
    g.drawPath(ampoule.simplified());
    g.setBrush(QColor(150, 150, 150));
    g.drawRect(QRectF(11.5, 23, 9, 6));
    g.setPen(QPen(QColor(90, 90, 90), 1));
    g.drawLine(QPointF(12, 25), QPointF(20, 25));
    g.drawLine(QPointF(12, 27), QPointF(20, 27));
    return p;
}

} // namespace

QString Aastuce::Texte_Label2(int k) {
    switch (k) {
    case 0:
        return QStringLiteral("Double Cilk sur une VUE");
    case 1:
        return QStringLiteral("Passe en mode grand ecran");
    case 2:
        return QStringLiteral("Change l'angle de gite");
    case 3:
        return QStringLiteral("Cilk sur un Feu Vert");
    case 4:
        return QStringLiteral("Vous affiche l'aide en ligne");
    case 5:
        return QStringLiteral("Click sur un cadre ou une designation");
    case 6:
        return QStringLiteral("Click dans Menu déplacement,Position, \"Objet\"");
    case 7:
        return QStringLiteral("Vous informe sur la Vue par un \"V\", l'emplacement de \"Objet\"");
    default:
        return {};
    }
}

Aastuce::Aastuce(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Aastuce"), QStringLiteral("Astuce du jour")) {
    resize(Twips_En_Pixels(LARGEUR_ASTUCE), Twips_En_Pixels(HAUTEUR_ASTUCE));

    Picture1_ = new QFrame(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setFrameShape(QFrame::Panel);
    Picture1_->setFrameShadow(QFrame::Sunken);
    Picture1_->setAutoFillBackground(true);
    QPalette pal = Picture1_->palette();
    pal.setColor(QPalette::Window, JAUNE_CLAIR);
    Picture1_->setPalette(pal);
    Picture1_->setGeometry(6, 6, 252, 196);

    auto *icone = new QLabel(Picture1_);
    icone->setObjectName(QStringLiteral("Image1"));
    icone->setPixmap(Icone_Astuce());
    icone->setGeometry(6, 6, 32, 32);

    auto *titre = new QLabel(QStringLiteral("Savez-vous..."), Picture1_);
    titre->setObjectName(QStringLiteral("Label1"));
    QFont ft = titre->font();
    ft.setBold(true);
    ft.setPointSizeF(12);
    titre->setFont(ft);
    titre->setGeometry(46, 10, 200, 26);

    QFont fl(QStringLiteral("MS Sans Serif"));
    fl.setPointSizeF(9.75);
    for (int k = 0; k < NB_ASTUCES; ++k) {
        auto *cadre = new QGroupBox(Picture1_);
        cadre->setObjectName(QStringLiteral("Frame1_%1").arg(k));
        cadre->setAutoFillBackground(true);
        cadre->setPalette(pal);
        cadre->setGeometry(6, 44, 240, 146);
        Frame1_[static_cast<std::size_t>(k)] = cadre;
        const int haut = LABEL_HAUT[k], bas = LABEL_BAS[k];
        for (int j : {haut, bas}) {
            auto *l = new QLabel(Texte_Label2(j), cadre);
            l->setObjectName(QStringLiteral("Label2_%1").arg(j));
            l->setFont(fl);
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (j == haut) {
                QFont fg = fl;
                fg.setBold(true);
                l->setFont(fg);
                l->setGeometry(8, 14, 224, 56);
            } else {
                l->setGeometry(8, 76, 224, 62);
            }
            Label2_[static_cast<std::size_t>(j)] = l;
        }
        cadre->hide();
    }

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(170, 208, 88, 26);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { Aastuce_cmdOK_Click(); });

    // A new tip each time the user comes back to the window.
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *s) {
            if (s && s == Cadre())
                Aastuce_Form_Activate();
        });
}

int Aastuce::Tire_Astuce(const std::function<double()> &hasard) {
    // A draw of 4 to 9 names no tip and is drawn again; with a sound generator the bound
    // is never reached (six tenths to the thousandth power).
    for (int essai = 0; essai < 1000; ++essai) {
        const double r = hasard();
        if (!(r >= 0.0 && r < 1.0))
            continue;
        const int n = static_cast<int>(std::floor(r * 10.0));
        if (n <= NB_ASTUCES - 1)
            return n;
    }
    return 0;
}

// The runtime's generator, so the start-up's seeding from the clock (std::srand) holds here.
void Aastuce::Amorce_Hasard(std::uint32_t graine) { std::srand(graine); }

double Aastuce::Nombre_Aleatoire() {
    return static_cast<double>(std::rand()) / (static_cast<double>(RAND_MAX) + 1.0);
}

void Aastuce::Aastuce_Form_Activate() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        ++tirages_;
        const int lw = Twips_En_Pixels(LARGEUR_ASTUCE), lh = Twips_En_Pixels(HAUTEUR_ASTUCE);
        if (Cadre())
            Deplace(Gauche(), Haut(), lw, lh);
        else
            resize(lw, lh);
        for (QGroupBox *f : Frame1_)
            f->hide();
        astuce_ = Tire_Astuce(&Nombre_Aleatoire);
        Frame1_[static_cast<std::size_t>(astuce_)]->show();
    });
}

void Aastuce::Affiche_Astuce() {
    const int avant = tirages_;
    Montre();
    // Showing it activates it in the frame; elsewhere (no frame, or already active) draw here.
    if (tirages_ == avant)
        Aastuce_Form_Activate();
}

void Aastuce::Aastuce_cmdOK_Click() { Cache(); }

} // namespace gabarit
