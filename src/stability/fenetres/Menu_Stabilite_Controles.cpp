// The stability window's controls: three tabs, laid out about the fixed-size pictures.
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Controles.h"
#include "platform/Image_Vue.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "stability/Reglages_Stabilite.h"
#include "stability/fenetres/Menu_Stabilite.h"

namespace gabarit {

namespace {

int Px(double twips) { return Twips_En_Pixels(twips); }

// A value shown in a sunken box, as the old labels with a border were.
QLabel *Valeur(const QString &texte, QWidget *parent, const QString &nom) {
    QLabel *l = gabarit::Valeur(parent, nom);
    l->setText(texte);
    l->setMinimumWidth(Px(900));
    return l;
}

Image_Vue *Image(QWidget *parent, const QString &nom, double largeur, double hauteur) {
    auto *p = new Image_Vue(parent);
    p->setObjectName(nom);
    p->setFixedSize(Px(largeur), Px(hauteur));
    return p;
}

// The "Info" frame's speed guide: a scale of ten times the coefficient with the fast
// range, drawn as seven lines.
class Guide_Vitesse : public QWidget {
public:
    explicit Guide_Vitesse(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Guide_Vitesse"));
        setFixedHeight(Px(300));
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const int y = height() / 2, g = 4, d = width() - 4;
        auto x = [&](double v) { return g + static_cast<int>((v - 4) / 3 * (d - g)); };
        p.drawLine(g, y, d, y);
        for (double v : {4.0, 5.0, 6.0, 7.0})
            p.drawLine(x(v), y - 3, x(v), y + 3);
        p.setPen(QPen(QColor(0, 192, 0), 2));
        p.drawLine(x(5.5), y - 5, x(5.5), y + 5);
        p.drawLine(x(6), y - 5, x(6), y + 5);
    }
};

} // namespace

void Menu_Stabilite::Cree_Onglet_Courbe(QWidget *page) {
    auto *l = new QHBoxLayout(page);
    l->setContentsMargins(4, 4, 4, 4);
    Picture2_ = Image(page, QStringLiteral("Picture2"), 2535, 2175);
    l->addWidget(Picture2_, 0, Qt::AlignTop);

    auto *droite = new QVBoxLayout;
    auto *calcul = new QPushButton(QStringLiteral("Calcul Gite 0° a 30°"), page);
    calcul->setObjectName(QStringLiteral("Command1_0"));
    Command1_[0] = calcul;
    droite->addWidget(calcul);

    auto *cadre = new QGroupBox(page);
    cadre->setObjectName(QStringLiteral("Frame1_0"));
    auto *lc = new QVBoxLayout(cadre);
    lc->setContentsMargins(4, 2, 4, 2);
    lc->setSpacing(2);
    auto *angles = new QHBoxLayout;

    // Each spinner's frame: "Angle" over the value and its arrows.
    auto spin_cadre = [&](const QString &titre, const QString &nom, QLabel *angle, QWidget *valeur,
                          UpDown *spin) {
        auto *f = new QGroupBox(titre, cadre);
        f->setObjectName(nom);
        auto *lf = new QGridLayout(f);
        lf->setContentsMargins(4, 0, 4, 2);
        lf->setVerticalSpacing(0);
        angle->setParent(f);
        valeur->setParent(f);
        spin->setParent(f);
        lf->addWidget(angle, 0, 0, 1, 2);
        lf->addWidget(valeur, 1, 0);
        lf->addWidget(spin, 1, 1);
        angles->addWidget(f);
        return f;
    };
    Text2_ = new QLineEdit(QStringLiteral("0"));
    Text2_->setObjectName(QStringLiteral("Text2"));
    Text2_->setFixedWidth(Px(500));
    UpDown2_ = new UpDown;
    UpDown2_->setObjectName(QStringLiteral("UpDown2"));
    UpDown2_->setRange(0, 30);
    UpDown2_->setIncrement(5);
    // A number typed in a box within its spinner's range moves the spinner; one out of range
    // leaves the spinner where it was.
    UpDown2_->setBuddy(Text2_, UpDown::Suivi::Dans_Plage);
    spin_cadre(QStringLiteral("Gite"), QStringLiteral("Frame2"),
               Etiquette(nullptr, QStringLiteral("Label9"), QStringLiteral("Angle")), Text2_,
               UpDown2_);

    QLabel *angle = Etiquette(nullptr, QStringLiteral("Label7_3"), QStringLiteral("Angle"));
    angle->setToolTip(QStringLiteral("Angle en cours"));
    Label2_[1] = Etiquette(nullptr, QStringLiteral("Label2_1"), QStringLiteral("0"));
    Label2_[1]->setFrameShape(QFrame::Panel);
    Label2_[1]->setFrameShadow(QFrame::Sunken);
    Label2_[1]->setFixedWidth(Px(500));
    UpDown3_ = new UpDown;
    UpDown3_->setObjectName(QStringLiteral("UpDown3"));
    UpDown3_->setRange(0, 30);
    UpDown3_->setIncrement(5);
    spin_cadre(QStringLiteral("Pendulaire"), QStringLiteral("Frame3"), angle, Label2_[1], UpDown3_)
        ->setToolTip(QStringLiteral("Angle de la Quille Pendulaire"));
    lc->addLayout(angles);

    auto *stabilite = new QHBoxLayout;
    stabilite->addWidget(
        Etiquette(cadre, QStringLiteral("Label1_16"), QStringLiteral("Stabilite ")));
    Label2_[2] = Valeur(QString(), cadre, QStringLiteral("Label2_2"));
    stabilite->addWidget(Label2_[2], 1);
    lc->addLayout(stabilite);
    lc->addWidget(Etiquette(cadre, QStringLiteral("Label1_20"),
                            QStringLiteral("Surface de Voilure Theorique")));
    Label2_[0] = Valeur(QStringLiteral("- - - - - - - -"), cadre, QStringLiteral("Label2_0"));
    lc->addWidget(Label2_[0]);
    droite->addWidget(cadre);
    droite->addStretch();
    l->addLayout(droite);
}

void Menu_Stabilite::Cree_Onglet_Balaste(QWidget *page) {
    auto *l = new QHBoxLayout(page);
    l->setContentsMargins(4, 4, 4, 4);
    Picture1_ = Image(page, QStringLiteral("Picture1"), 2535, 2175);
    l->addWidget(Picture1_, 0, Qt::AlignTop);

    auto *droite = new QVBoxLayout;
    auto *reglage = new QGroupBox(QStringLiteral("Reglage"), page);
    reglage->setObjectName(QStringLiteral("Frame1_2"));
    auto *lr = new QGridLayout(reglage);
    lr->setContentsMargins(4, 2, 4, 2);
    lr->setVerticalSpacing(0);
    for (int i = 0; i < 6; ++i) {
        auto *o = new QRadioButton(
            QString::fromLatin1(ITEMS_STABILITE[static_cast<std::size_t>(i)].legende), reglage);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        lr->addWidget(o, i % 3, i / 3);
        Option1_[static_cast<std::size_t>(i)] = o;
    }
    static const char *const legendes[2] = {"Laterale", "Verticale"};
    for (int i = 0; i < 2; ++i) {
        auto *ligne = new QHBoxLayout;
        ligne->addWidget(Etiquette(reglage, QStringLiteral("Label1_%1").arg(i),
                                   QString::fromLatin1(legendes[i])));
        auto *t = new QLineEdit(reglage);
        t->setObjectName(QStringLiteral("Text1_%1").arg(i));
        t->setMaximumWidth(Px(700));
        auto *s = new UpDown(reglage);
        s->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
        s->setRange(0, 200);
        s->setIncrement(10);
        s->setBuddy(t, UpDown::Suivi::Dans_Plage);
        ligne->addWidget(t);
        ligne->addWidget(s);
        lr->addLayout(ligne, 3 + i, 0, 1, 2);
        Text1_[static_cast<std::size_t>(i)] = t;
        UpDown1_[static_cast<std::size_t>(i)] = s;
    }
    auto *poids = new QHBoxLayout;
    poids->addWidget(Etiquette(reglage, QStringLiteral("Label6_0"), QStringLiteral("Poids :")));
    Label5_ = Valeur(QStringLiteral("- - - - - - "), reglage, QStringLiteral("Label5"));
    poids->addWidget(Label5_);
    lr->addLayout(poids, 5, 0, 1, 2);
    droite->addWidget(reglage);

    auto *bas = new QHBoxLayout;
    bas->addWidget(Etiquette(page, QStringLiteral("Label3"), QStringLiteral("N° Couple :")));
    Label4_ = Etiquette(page, QStringLiteral("Label4"), QString());
    bas->addWidget(Label4_);
    auto *valide = new QPushButton(QStringLiteral("Valide"), page);
    valide->setObjectName(QStringLiteral("Command1_2"));
    Command1_[1] = valide;
    bas->addWidget(valide);
    droite->addLayout(bas);
    droite->addStretch();
    l->addLayout(droite);
}

void Menu_Stabilite::Cree_Barres(QWidget *parent) {
    // The chart is laid out in twips, as its bars are computed.
    Picture4_ = new QWidget(parent);
    Picture4_->setObjectName(QStringLiteral("Picture4"));
    Picture4_->setGeometry(0, 0, Px(3255), Px(2175));
    Picture4_->setAutoFillBackground(true);
    QPalette pal = Picture4_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Picture4_->setPalette(pal);
    auto forme = [&](const QString &nom, const char *couleur, double g, double h, double l,
                     double ht) {
        auto *f = new QFrame(Picture4_);
        f->setObjectName(nom);
        f->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                             .arg(QLatin1String(couleur)));
        f->setGeometry(Px(g), Px(h), Px(l), Px(ht));
        f->setProperty("Top", h);
        f->setProperty("Height", ht);
        return f;
    };
    forme(QStringLiteral("Shape3"), "rgb(0,255,0)", 360, 840, 2535, 255);
    for (int i = 0; i < 7; ++i) {
        Shape1_[static_cast<std::size_t>(i)] = forme(
            QStringLiteral("Shape1_%1").arg(i), "rgb(255,128,0)", 360 + 360 * i, 120, 375, 735);
        Shape2_[static_cast<std::size_t>(i)] = forme(QStringLiteral("Shape2_%1").arg(i),
                                                     "rgb(255,0,0)", 360 + 360 * i, 1080, 375, 735);
        QLabel *g =
            Etiquette(Picture4_, QStringLiteral("Label10_%1").arg(i), QString::number(5 * i));
        g->setGeometry(Px(480 + 360 * i), Px(1920), Px(360), Px(240));
    }
    struct Niveau {
        int indice;
        const char *texte;
        double haut;
    };
    for (const Niveau &n : {Niveau{9, "4", 120}, Niveau{7, "5,5", 840}, Niveau{8, "7", 1680}}) {
        QLabel *l = Etiquette(Picture4_, QStringLiteral("Label10_%1").arg(n.indice),
                              QString::fromLatin1(n.texte));
        l->setGeometry(0, Px(n.haut), Px(350), Px(240));
        if (n.indice == 7)
            l->setStyleSheet(QStringLiteral("color: rgb(0,192,0);"));
    }
    // The heel axis' caption starts the row of heels, under the level labels: past the last
    // heel it would not fit in the picture.
    QLabel *gite = Etiquette(Picture4_, QStringLiteral("Label11"), QStringLiteral("Gite"));
    gite->setGeometry(0, Px(1920), Px(470), Px(240));
    Picture4_->hide();
}

void Menu_Stabilite::Cree_Onglet_Coef(QWidget *page) {
    auto *l = new QHBoxLayout(page);
    l->setContentsMargins(4, 4, 4, 4);
    // Picture4 lies over Picture3, same place and size.
    auto *pile = new QWidget(page);
    pile->setFixedSize(Px(3255), Px(2175));
    Picture3_ = Image(pile, QStringLiteral("Picture3"), 3255, 2175);
    Picture3_->move(0, 0);
    Cree_Barres(pile);
    l->addWidget(pile, 0, Qt::AlignTop);

    auto *droite = new QVBoxLayout;
    auto *info = new QGroupBox(QStringLiteral("Info"), page);
    info->setObjectName(QStringLiteral("Frame1_1"));
    auto *li = new QVBoxLayout(info);
    li->setContentsMargins(4, 2, 4, 2);
    li->setSpacing(2);
    Check1_ = new QCheckBox(QStringLiteral("Precision"), info);
    Check1_->setObjectName(QStringLiteral("Check1"));
    li->addWidget(Check1_);
    li->addWidget(
        Etiquette(info, QStringLiteral("Label1_5"), QStringLiteral("Coeficient Prismatique")));
    Label1_6_ = Valeur(QString(), info, QStringLiteral("Label1_6"));
    li->addWidget(Label1_6_);
    li->addWidget(Etiquette(info, QStringLiteral("Label8"), QStringLiteral("Vitesse")));
    auto *echelle = new QHBoxLayout;
    echelle->addWidget(Etiquette(info, QStringLiteral("Label7_2"), QStringLiteral("4")));
    echelle->addStretch();
    echelle->addWidget(Etiquette(info, QStringLiteral("Label7_0"), QStringLiteral("5.5")));
    echelle->addWidget(Etiquette(info, QStringLiteral("Label7_1"), QStringLiteral("6")));
    echelle->addStretch();
    li->addLayout(echelle);
    li->addWidget(new Guide_Vitesse(info));
    droite->addWidget(info);

    auto *calcul = new QPushButton(QStringLiteral("Calcul"), page);
    calcul->setObjectName(QStringLiteral("Command1_4"));
    Command1_[2] = calcul;
    Command2_ = new QPushButton(QStringLiteral("Variation Gite"), page);
    Command2_->setObjectName(QStringLiteral("Command2"));
    droite->addWidget(calcul);
    droite->addWidget(Command2_);
    droite->addStretch();
    l->addLayout(droite);
}

} // namespace gabarit
