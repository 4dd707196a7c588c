// The sail window's controls: four tabs of "Reglage" and "Info" frames.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "fenetres/Fenetres_Outils.h"
#include "platform/Controles.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "rig/fenetres/Menu_Voile.h"

namespace gabarit {

namespace {

const char *const LEGENDES[NB_CHAMPS_VOILE] = {
    "Hauteur",  "Largeur",      "Entre Pont",    "", "Hauteur", "Largeur", "Entre Pont", "Hauteur",
    "Position", "Retour Basta", "Position Basta"};

// Caption and value labels of an "Info" frame, one row per pair (caption index, value
// index); the value labels are created here and stored by their index.
template <std::size_t N>
QGroupBox *Info(QWidget *parent, const QString &nom, const QString &prefixe,
                std::array<QLabel *, N> &labels,
                std::initializer_list<std::pair<int, const char *>> lignes) {
    QGroupBox *g = Groupe(parent, nom, QStringLiteral("Info"));
    QGridLayout *grille = Grille_Cadre(g);
    int rang = 0;
    for (auto [legende, valeur] : lignes) {
        QLabel *l = Etiquette(g, QStringLiteral("%1_%2").arg(prefixe).arg(legende),
                              QString::fromLatin1(valeur));
        l->setWordWrap(true);
        labels[static_cast<std::size_t>(legende)] = l;
        QLabel *v = Valeur(g, QStringLiteral("%1_%2").arg(prefixe).arg(legende + 1));
        // The value is never narrower than its figure; the caption beside it wraps into
        // what is left.
        v->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        v->setMinimumWidth(60);
        labels[static_cast<std::size_t>(legende + 1)] = v;
        grille->addWidget(l, rang, 0);
        grille->addWidget(v, rang, 1);
        ++rang;
    }
    return g;
}

} // namespace

QGroupBox *Menu_Voile::Reglage(QWidget *parent, int frame, std::initializer_list<int> champs) {
    QGroupBox *g =
        Groupe(parent, QStringLiteral("Frame1_%1").arg(frame), QStringLiteral("Reglage"));
    g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    QGridLayout *grille = Grille_Cadre(g);
    int rang = 0;
    for (int i : champs)
        Champ(i).Cree(g, grille, rang++, i, QString::fromLatin1(LEGENDES[i]), {});
    return g;
}

void Menu_Voile::Construit() {
    Police_8(this);
    SSTab1_ = Onglets(this, 2);
    SSTab1_->addTab(Onglet_Grand_Voile(), QStringLiteral("Grand Voile"));
    SSTab1_->addTab(Onglet_Foc(), QStringLiteral("Foc"));
    SSTab1_->addTab(Onglet_Mat(), QStringLiteral("Mat"));
    SSTab1_->addTab(Onglet_Voilure(), QStringLiteral("Voilure"));
    resize(Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
}

QWidget *Menu_Voile::Onglet_Grand_Voile() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(2);
    g->addWidget(Reglage(page, 0, {0, 1, 2}), 0, 0);
    g->addWidget(Info(page, QStringLiteral("Frame1_3"), QStringLiteral("Label2"), Label2_,
                      {{0, "Surface"}, {2, "Coeficient Allongement"}, {4, "Surface GV/ Foc"}}),
                 0, 1);
    // Label2(0) "Surface" goes with the area Label2(3), Label2(2) with the aspect ratio
    // Label2(1): the pairs are by meaning.
    std::swap(Label2_[1], Label2_[3]);
    Label2_[1]->setObjectName(QStringLiteral("Label2_1"));
    Label2_[3]->setObjectName(QStringLiteral("Label2_3"));

    Frame4_ = Groupe(page, QStringLiteral("Frame4"), QStringLiteral("Forme"));
    auto *forme = new QGridLayout(Frame4_);
    forme->setContentsMargins(4, 2, 4, 2);
    forme->setVerticalSpacing(0);
    Exposant_ = new QLineEdit(Frame4_);
    Exposant_->setObjectName(QStringLiteral("Text1_3"));
    Exposant_->setMaximumWidth(50);
    Option1_[0] = new QRadioButton(QStringLiteral("Pas 1"), Frame4_);
    Option1_[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1_[1] = new QRadioButton(QStringLiteral("Pas 0.1"), Frame4_);
    Option1_[1]->setObjectName(QStringLiteral("Option1_1"));
    Option1_[0]->setChecked(true);
    Command2_[0] = Bouton(Frame4_, QStringLiteral("Command2_0"), QStringLiteral("+"));
    Command2_[1] = Bouton(Frame4_, QStringLiteral("Command2_1"), QStringLiteral("-"));
    for (QPushButton *b : Command2_)
        b->setFixedWidth(24);
    forme->addWidget(Exposant_, 0, 0);
    forme->addWidget(Command2_[0], 0, 1);
    forme->addWidget(Command2_[1], 0, 2);
    forme->addWidget(Option1_[0], 1, 0);
    forme->addWidget(Option1_[1], 1, 1, 1, 2);
    Frame4_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    g->addWidget(Frame4_, 1, 0);
    g->setColumnStretch(1, 1);

    auto *choix = Groupe(page, QStringLiteral("Frame5"), QStringLiteral("Choix"));
    auto *lc = new QVBoxLayout(choix);
    lc->setContentsMargins(4, 2, 4, 2);
    lc->setSpacing(2);
    Command3_ = Bouton(choix, QStringLiteral("Command3"), QStringLiteral("Libre / Class"));
    Check1_ = new QCheckBox(QStringLiteral("Option CLASS"), choix);
    Check1_->setObjectName(QStringLiteral("Check1"));
    lc->addWidget(Command3_);
    lc->addWidget(Check1_);
    g->addWidget(choix, 1, 1);
    Command1_[0] = Bouton(page, QStringLiteral("Command1_0"), QStringLiteral("Valide"));
    g->addWidget(Command1_[0], 2, 1, Qt::AlignRight);
    return page;
}

QWidget *Menu_Voile::Onglet_Foc() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(2);
    g->addWidget(Reglage(page, 1, {4, 5, 6}), 0, 0);
    g->addWidget(Info(page, QStringLiteral("Frame1_2"), QStringLiteral("Label4"), Label4_,
                      {{0, "Surface"}, {2, "Coeficient Allongement"}, {4, "Surface GV/ Foc"}}),
                 0, 1);
    std::swap(Label4_[1], Label4_[3]);
    Label4_[1]->setObjectName(QStringLiteral("Label4_1"));
    Label4_[3]->setObjectName(QStringLiteral("Label4_3"));
    Command1_[1] = Bouton(page, QStringLiteral("Command1_2"), QStringLiteral("Valide"));
    g->addWidget(Command1_[1], 1, 1, Qt::AlignRight | Qt::AlignBottom);
    g->setRowStretch(1, 1);
    return page;
}

QWidget *Menu_Voile::Onglet_Mat() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(2, 2, 2, 2);
    g->addWidget(Reglage(page, 4, {7, 8, 9, 10}), 0, 0);
    g->addWidget(Info(page, QStringLiteral("Frame1_5"), QStringLiteral("Label5"), Label5_,
                      {{0, "Hauteur/Longueur"}, {2, "Position/Longueur"}}),
                 0, 1, Qt::AlignTop);
    Command1_[2] = Bouton(page, QStringLiteral("Command1_4"), QStringLiteral("Valide"));
    g->addWidget(Command1_[2], 1, 1, Qt::AlignRight | Qt::AlignBottom);
    g->setRowStretch(1, 1);
    return page;
}

QWidget *Menu_Voile::Onglet_Voilure() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QHBoxLayout(page);
    g->setContentsMargins(2, 2, 2, 2);
    QGroupBox *rapport = Info(page, QStringLiteral("Frame2"), QStringLiteral("Label6"), Label6_,
                              {{0, "Surface Total"},
                               {2, "Surface Foc"},
                               {4, "Surface GV"},
                               {6, "Voilure / Deplacement"},
                               {8, "Voilure / Surface Mouillee"},
                               {10, "Position Centre Velique"}});
    rapport->setTitle(QStringLiteral("Rapport"));
    g->addWidget(rapport);
    auto *realisation = Groupe(page, QStringLiteral("Frame3"), QStringLiteral("Realisation GV"));
    auto *lr = new QGridLayout(realisation);
    lr->setContentsMargins(4, 2, 4, 2);
    lr->setSpacing(1);
    auto *hauteur = new QLabel(QStringLiteral("Hauteur"), realisation);
    hauteur->setObjectName(QStringLiteral("Label3_0"));
    auto *largeur = new QLabel(QStringLiteral("Largeur"), realisation);
    largeur->setObjectName(QStringLiteral("Label3_1"));
    List1_ = new QListWidget(realisation);
    List1_->setObjectName(QStringLiteral("List1"));
    lr->addWidget(hauteur, 0, 0);
    lr->addWidget(largeur, 0, 1);
    lr->addWidget(List1_, 1, 0, 1, 2);
    g->addWidget(realisation);
    return page;
}

} // namespace gabarit
