// The hull-form window's controls, laid out in twips as the window was drawn.
#include "model/fenetres/Menu_FG.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "fenetres/Fenetres_Outils.h"
#include "model/fenetres/Editeur_Forme.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"

namespace gabarit {

namespace {

QGroupBox *Groupe(QWidget *parent, const QString &nom, const QString &legende, double x, double y,
                  double l, double h) {
    return Place(gabarit::Groupe(parent, nom, legende), x, y, l, h);
}

// A caption one line high.
QLabel *Etiquette(QWidget *parent, const QString &nom, const QString &texte, double x, double y,
                  double l) {
    return Place(gabarit::Etiquette(parent, nom, texte), x, y, l, 255);
}

} // namespace

void Menu_FG::Construit() {
    Police_8(this);
    resize(Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
    SSTab1_ = Onglets(this, 0);
    const char *onglets[] = {"Couples", "Forme Carene", "Forme Couples", "Carene"};
    QWidget *pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        SSTab1_->addTab(pages[i], QString::fromUtf8(onglets[i]));
    }
    Construit_Couples(pages[0]);
    Construit_Forme_Carene(pages[1]);
    Construit_Forme_Couples(pages[2]);
    Construit_Carene(pages[3]);
}

QWidget *Menu_FG::Ligne_Spin(QWidget *parent, int index, const QString &legende, int x, int y,
                             int pas) {
    Etiquette(parent, {}, legende, x, y + 30, 900);
    const int nt = index == 14 ? 12 : index; // the transom length's box is Text1(12)
    auto *t = new QLineEdit(parent);
    t->setObjectName(QStringLiteral("Text1_%1").arg(nt));
    Place(t, x + 900, y, 540, 300);
    auto *s = new UpDown(parent);
    s->setObjectName(QStringLiteral("UpDown1_%1").arg(index));
    s->move(Twips_En_Pixels(x + 1455), Twips_En_Pixels(y - 15));
    s->setBuddy(t);
    s->setIncrement(pas);
    text1_[nt] = t;
    paires_[index] = {s, t, {}};
    connect(s, &UpDown::MouseUp, this, &Menu_FG::UpDown1_MouseUp, Qt::QueuedConnection);
    return t;
}

QLineEdit *Menu_FG::Boite_Exposant(QWidget *parent, int index, const QString &legende, int x,
                                   int y) {
    Etiquette(parent, {}, legende, x, y + 30, 700);
    auto *t = new QLineEdit(parent);
    t->setObjectName(QStringLiteral("Text1_%1").arg(index));
    Place(t, x + 720, y, 560, 300);
    auto *s = new UpDown(parent); // not tied to its box: the box holds a decimal exponent
    s->setObjectName(QStringLiteral("UpDown1_%1").arg(index));
    s->move(Twips_En_Pixels(x + 1290), Twips_En_Pixels(y - 15));
    text1_[index] = t;
    paires_[index] = {s, nullptr, {}};
    connect(s->boutonHaut(), &QAbstractButton::clicked, this,
            [this, index] { UpDown1_Click(index, true); });
    connect(s->boutonBas(), &QAbstractButton::clicked, this,
            [this, index] { UpDown1_Click(index, false); });
    connect(s, &UpDown::MouseUp, this, &Menu_FG::UpDown1_MouseUp, Qt::QueuedConnection);
    return t;
}

void Menu_FG::Construit_Couples(QWidget *page) {
    auto *ta = Groupe(page, "Frame1_0", QStringLiteral("Tableau Arrriere"), 90, 90, 1800, 1080);
    Ligne_Spin(ta, 0, QStringLiteral("Hauteur"), 90, 300, 1);
    Ligne_Spin(ta, 1, QStringLiteral("Largeur"), 90, 690, 1);
    auto *et = Groupe(page, "Frame1_1", QStringLiteral("Etrave"), 1950, 90, 1800, 1080);
    Ligne_Spin(et, 2, QStringLiteral("Hauteur"), 90, 300, 1);
    Ligne_Spin(et, 3, QStringLiteral("Inclinaison"), 90, 690, 1);
    auto *mc = Groupe(page, "Frame1_2", QStringLiteral("Maitre Couple"), 3810, 90, 1800, 1860);
    Ligne_Spin(mc, 4, QStringLiteral("Hauteur"), 90, 300, 1);
    Ligne_Spin(mc, 5, QStringLiteral("Largeur"), 90, 690, 1);
    Ligne_Spin(mc, 6, QStringLiteral("Pos Inf"), 90, 1080, 10);
    Ligne_Spin(mc, 7, QStringLiteral("Pos Sup"), 90, 1470, 10);
    auto *v = new QPushButton(QStringLiteral("Valide"), page);
    v->setObjectName(QStringLiteral("Command1_0"));
    Place(v, 90, 1320, 1095, 375);
    connect(v, &QPushButton::clicked, this, &Menu_FG::Command1_Click);
}

void Menu_FG::Construit_Forme_Carene(QWidget *page) {
    auto *ca = Groupe(page, "Frame1_5", QStringLiteral("Carene"), 90, 90, 1950, 660);
    Ligne_Spin(ca, 13, QStringLiteral("Longueur"), 90, 270, 10);
    auto *v = new QPushButton(QStringLiteral("Valide"), page);
    v->setObjectName(QStringLiteral("Command1_2"));
    Place(v, 90, 840, 1095, 375);
    connect(v, &QPushButton::clicked, this, &Menu_FG::Command1_Click);
    auto *ti = Groupe(page, "Frame1_7", QStringLiteral("Tableau AR incliné"), 90, 1320, 1950, 660);
    Ligne_Spin(ti, 14, QStringLiteral("Report"), 90, 270, 10);
    auto *of = new QPushButton(QStringLiteral("Option Forme"), page);
    of->setObjectName(QStringLiteral("Command2"));
    Place(of, 90, 2100, 1350, 375);
    connect(of, &QPushButton::clicked, this, &Menu_FG::Command2_Click);

    auto *ind = Groupe(page, "Frame5", QStringLiteral("Indice de Forme"), 2160, 90, 3450, 2400);
    auto *livet = Groupe(ind, "Frame1_3", QStringLiteral("Livet"), 90, 240, 1620, 1080);
    Boite_Exposant(livet, 8, QStringLiteral("Avant"), 60, 270);
    Boite_Exposant(livet, 9, QStringLiteral("Arriere"), 60, 660);
    auto *quille = Groupe(ind, "Frame1_4", QStringLiteral("Quille"), 1770, 240, 1620, 1080);
    Boite_Exposant(quille, 11, QStringLiteral("Avant"), 60, 270);
    Boite_Exposant(quille, 10, QStringLiteral("Arriere"), 60, 660);
    auto *pas = Groupe(ind, "Frame6", QStringLiteral("Choix du Pas"), 90, 1440, 3300, 780);
    for (int i = 0; i < 2; ++i) {
        Option2_[i] = new QRadioButton(i == 0 ? QStringLiteral("0.1") : QStringLiteral("1"), pas);
        Option2_[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        Place(Option2_[i], 240 + i * 1500, 330, 1200, 285);
    }
    Option2_[1]->setChecked(true);
}

void Menu_FG::Construit_Forme_Couples(QWidget *page) {
    auto *aff = Groupe(page, "Frame4", QStringLiteral("Affichage"), 90, 90, 2010, 1080);
    auto *c4 = new QPushButton(QStringLiteral("N°Couple :"), aff);
    c4->setObjectName(QStringLiteral("Command4"));
    Place(c4, 90, 270, 1020, 330);
    connect(c4, &QPushButton::clicked, this, &Menu_FG::Command4_Click);
    Text2_ = new QLineEdit(aff);
    Text2_->setObjectName(QStringLiteral("Text2"));
    Place(Text2_, 1140, 285, 540, 300);
    UpDown2_ = new UpDown(aff);
    UpDown2_->setObjectName(QStringLiteral("UpDown2"));
    UpDown2_->move(Twips_En_Pixels(1695), Twips_En_Pixels(270));
    UpDown2_->setBuddy(Text2_);
    UpDown2_->setIncrement(10);
    connect(UpDown2_, &UpDown::Change, this, &Menu_FG::UpDown2_Change);
    connect(UpDown2_, &UpDown::MouseUp, this, &Menu_FG::UpDown2_MouseUp, Qt::QueuedConnection);
    Check1_ = new QCheckBox(QStringLiteral("Auto"), aff);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Place(Check1_, 90, 690, 1050, 285);

    auto *info = Groupe(page, "Frame2", QStringLiteral("Info"), 90, 1230, 2010, 1680);
    Etiquette(info, "Label5_0", QStringLiteral("Hauteur :"), 90, 210, 1200);
    // Livet, Quille, a rule, Total, a second rule, Largeur.
    struct Ligne {
        int legende, valeur;
        const char *texte;
        double y;
    };
    const Ligne lignes[] = {{1, 0, "Livet", 450},
                            {2, 1, "Quille", 690},
                            {4, 3, "Total", 1020},
                            {3, 2, "Largeur", 1350}};
    for (const Ligne &li : lignes) {
        Etiquette(info, QStringLiteral("Label5_%1").arg(li.legende), QString::fromUtf8(li.texte),
                  240, li.y, 900);
        Label6_[li.valeur] =
            Etiquette(info, QStringLiteral("Label6_%1").arg(li.valeur), TIRETS, 1080, li.y, 870);
    }
    for (double y : {960.0, 1290.0}) {
        auto *trait = new QFrame(info);
        trait->setFrameShape(QFrame::HLine);
        Place(trait, 240, y, 1650, 30);
    }

    Construit_Reglage(page);
}

void Menu_FG::Construit_Carene(QWidget *page) {
    const QStringList legendes =
        QStringLiteral("Longueur Carene|Largeur Max|Tirant d'eau|Deplacement|Voilure|"
                       "Coefficient Prismatique|Pourcentage de leste|Voilure / Deplacement|"
                       "Stabilite / Puissance 30°|Surface Mouillee 0°")
            .split(QLatin1Char('|'));
    QGroupBox *cadres[2] = {
        Groupe(page, "Frame3_0", QStringLiteral("Caracteristiques"), 90, 60, 5520, 1410),
        Groupe(page, "Frame3_1", QStringLiteral("Parametres"), 90, 1500, 5520, 1410)};
    for (int i = 0; i < 10; ++i) {
        QGroupBox *g = cadres[i / 5];
        const double y = 240 + (i % 5) * 225;
        Etiquette(g, QStringLiteral("Label3_%1").arg(i), legendes[i], 120, y, 2700);
        Label4_[i] = Etiquette(g, QStringLiteral("Label4_%1").arg(i), {}, 2880, y, 2500);
    }
}

} // namespace gabarit
