#include "rig/fenetres/Fenetre_Profil_Naca.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Numeros.h"
#include "platform/Boite_Message.h"
#include "platform/Controles.h"
#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "rig/Profils_Naca.h"
#include "rig/fenetres/Commande_Profil.h"
#include "rig/fenetres/Etape_Appendices.h"

namespace gabarit {

namespace {
// What the figures show before the first drawing.
const QString TIRETS_INITIAUX = QStringLiteral("----------");
} // namespace

Fenetre_Profil_Naca::Fenetre_Profil_Naca(Contexte &ctx, const Jumeau_Profil &jumeau)
    : Fenetre_Comp(ctx, QString::fromUtf8(jumeau.nom), QString::fromUtf8(jumeau.legende)),
      jumeau_(jumeau) {
    SSTab1_ = Onglets(this, 2);

    // "Profils NACA": the choice of the section and its drawing.
    auto *page = new QWidget(SSTab1_);
    QVBoxLayout *lp = Colonne_Page(page);
    QGroupBox *choix = Cadre_Page(lp, QStringLiteral("Frame1_2"), QStringLiteral("Choix"));
    auto *lc = new QGridLayout(choix);
    Marges_Cadre(lc);
    lc->setVerticalSpacing(2);
    Combo1_ = Liste_Profils(QStringLiteral("Combo1"), choix);
    Command3_ = Boutons_Voisins(QStringLiteral("Command3"), choix);
    for (int i = 0; i < 2; ++i) {
        connect(Command3_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Profil_Voisin(i == 0 ? -1 : 1); });
        auto *o = new QRadioButton(i == 0 ? QStringLiteral("Profils Superieur")
                                          : QStringLiteral("Profils Inferieur"),
                                   choix);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1_[static_cast<std::size_t>(i)] = o;
        connect(o, &QRadioButton::clicked, this,
                [this] { Commande_Profil(*this, [this] { Selectionne_Section(); }); });
    }
    Option1_[0]->setChecked(true);
    auto *ligne = new QHBoxLayout;
    ligne->setSpacing(2);
    ligne->addWidget(Combo1_);
    ligne->addWidget(Command3_[0]);
    ligne->addWidget(Command3_[1]);
    ligne->addSpacing(6);
    ligne->addWidget(Option1_[0]);
    ligne->addWidget(Option1_[1]);
    ligne->addStretch();
    lc->addLayout(ligne, 0, 0);

    // The picture is measured in pixels; the chord line and the figures sit on it.
    Picture1_ = Image_Profil(QStringLiteral("Picture1"), 5190, choix);
    Line1_ = new QFrame(Picture1_);
    Line1_->setObjectName(QStringLiteral("Line1"));
    Line1_->setGeometry(0, static_cast<int>(AXE_PROFIL), Picture1_->width(), 1);
    Line1_->setStyleSheet(QStringLiteral("background-color: rgb(0,0,0);"));
    auto *chiffres = new QHBoxLayout(Picture1_);
    chiffres->setContentsMargins(4, 0, 4, 1);
    chiffres->setSpacing(3);
    chiffres->addWidget(
        Etiquette(Picture1_, QStringLiteral("Label5_3"), QStringLiteral("Epaiseur :")), 0,
        Qt::AlignBottom);
    Label6_3_ = Etiquette(Picture1_, QStringLiteral("Label6_3"), TIRETS_INITIAUX);
    chiffres->addWidget(Label6_3_, 0, Qt::AlignBottom);
    chiffres->addStretch();
    chiffres->addWidget(
        Etiquette(Picture1_, QStringLiteral("Label5_4"), QString::fromUtf8(jumeau.longueur_avant)),
        0, Qt::AlignBottom);
    Label6_4_ = Etiquette(Picture1_, QStringLiteral("Label6_4"), TIRETS_INITIAUX);
    chiffres->addWidget(Label6_4_, 0, Qt::AlignBottom);
    auto *bas = new QHBoxLayout;
    bas->addWidget(Picture1_, 0, Qt::AlignLeft | Qt::AlignTop);
    lc->addLayout(bas, 1, 0);
    lp->addStretch();
    SSTab1_->addTab(page, QStringLiteral("Profils NACA"));

    // "OPTION": both chords sized to wanted thicknesses.
    auto *option = new QWidget(SSTab1_);
    QVBoxLayout *lo = Colonne_Page(option);
    QGroupBox *fonction = Cadre_Page(lo, QStringLiteral("Frame2"), QStringLiteral("Fonction"));
    auto *lf = new QGridLayout(fonction);
    Marges_Cadre(lf);
    auto *explication =
        Etiquette(fonction, QStringLiteral("Label2"),
                  QString::fromUtf8("Ce Menu permet de dimensionner automatiquement la largeur du "
                                    "plan fonction de l'épaisseur"));
    explication->setWordWrap(true);
    lf->addWidget(explication, 0, 0, 1, 3);
    for (int i = 0; i < 2; ++i) {
        lf->addWidget(Etiquette(fonction, QStringLiteral("Label3_%1").arg(i),
                                i == 0 ? QString::fromUtf8("Epaisseur du profil supérieur :")
                                       : QString::fromUtf8("Epaisseur du profil inférieur :")),
                      1 + i, 0);
        auto *t = new QLineEdit(fonction);
        t->setObjectName(QStringLiteral("Text2_%1").arg(i));
        t->setFixedWidth(Twips_En_Pixels(1200));
        Text2_[static_cast<std::size_t>(i)] = t;
        lf->addWidget(t, 1 + i, 1);
    }
    Command2_ = new QPushButton(QStringLiteral("Valide"), fonction);
    Command2_->setObjectName(QStringLiteral("Command2"));
    lf->addWidget(Command2_, 1, 2, 2, 1, Qt::AlignVCenter);
    lf->setColumnStretch(2, 1);
    QGroupBox *info = Cadre_Page(lo, QStringLiteral("Frame3"), QStringLiteral("Info"));
    auto *li = new QVBoxLayout(info);
    Marges_Cadre(li);
    li->addWidget(Etiquette(info, QStringLiteral("Label4"),
                            QStringLiteral("Le profil NACA du plan est pris en compte")));
    lo->addStretch();
    SSTab1_->addTab(option, QStringLiteral("OPTION"));

    // The print of the section shown, beside the tabs while its tab is the current one.
    Command1_ = new QPushButton(QStringLiteral("Impression"), SSTab1_);
    Command1_->setObjectName(QStringLiteral("Command1"));
    SSTab1_->setCornerWidget(Command1_, Qt::TopRightCorner);
    connect(SSTab1_, &QTabWidget::currentChanged, Command1_,
            [this](int onglet) { Command1_->setVisible(onglet == 0); });

    connect(Combo1_, &QComboBox::activated, this,
            [this] { Commande_Profil(*this, [this] { Choix_Profil(); }); });
    connect(Command1_, &QPushButton::clicked, this,
            [this] { Commande_Profil(*this, [this] { Impression(); }); });
    connect(Command2_, &QPushButton::clicked, this,
            [this] { Commande_Profil(*this, [this] { Dimensionne_Clic(); }); });
}

bool Fenetre_Profil_Naca::Inferieur() const { return Option1_[1]->isChecked(); }

int Fenetre_Profil_Naca::Numero_Profil() const {
    return Inferieur() ? jumeau_.plan.naca_bas : jumeau_.plan.naca_haut;
}

void Fenetre_Profil_Naca::Dessine() {
    const Affichage_Section a = Trace_Profil(ctx().etat, jumeau_.plan, Inferieur(), *Picture1_);
    // Without a table the figures are not known: dashes, and empty sizing boxes.
    Label6_3_->setText(a.epaisseur ? Texte_Nombre(*a.epaisseur) : TIRETS);
    Label6_4_->setText(a.position ? Texte_Nombre(*a.position) + QStringLiteral(" %") : TIRETS);
    // The sizing boxes open on the current thicknesses.
    Text2_[0]->setText(a.epaisseur_haut ? Texte_Nombre(*a.epaisseur_haut) : QString());
    Text2_[1]->setText(a.epaisseur_bas ? Texte_Nombre(*a.epaisseur_bas) : QString());
}

// The list shows the chosen section's profile and the picture draws it; the record is only
// read: coming to the window or to the other section is no choice of a profile.
void Fenetre_Profil_Naca::Selectionne_Section() {
    Selectionne(Combo1_, Profil_Naca(ctx().etat.P(Numero_Profil())));
    Dessine();
}

void Fenetre_Profil_Naca::Choix_Profil() {
    const int k = Combo1_->currentIndex();
    if (k < 0)
        return; // nothing chosen, nothing to store
    ctx().etat.P(Numero_Profil()) = k;
    Dessine();
}

void Fenetre_Profil_Naca::Profil_Voisin(int sens) {
    const int k = Combo1_->currentIndex() + sens;
    if (Combo1_->currentIndex() < 0 || k < 0 || k >= Combo1_->count())
        return; // already at 0 or 39
    Selectionne(Combo1_, k);
    Commande_Profil(*this, [this] { Choix_Profil(); });
}

void Fenetre_Profil_Naca::Impression() { jumeau_.imprime(ctx(), Combo1_->currentIndex()); }

void Fenetre_Profil_Naca::Dimensionne_Clic() {
    // The sizing floats the hull again: not while another computation runs.
    if (ctx().Occupe())
        return;
    double t[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
        if (!Lit_Nombre(Text2_[static_cast<std::size_t>(i)]->text(), t[i]))
            throw Refus_Profil(std::string("L'épaisseur du profil ") +
                               (i == 0 ? "supérieur" : "inférieur") + " n'est pas un nombre.");
    Contexte::Garde_Occupe occupe(ctx());
    garde_focus_ = true;
    struct Fin {
        bool &garde;
        ~Fin() { garde = false; }
    } fin{garde_focus_};
    Dimensionne(ctx().etat, jumeau_.plan, t[0], t[1]);
    Apres_Dimensionnement(ctx());
    // The weights view took the focus to draw itself: give it back.
    if (Visible())
        Active();
}

void Fenetre_Profil_Naca::Activation() {
    Place_Fenetre_Profil(*this, ctx());
    Commande_Profil(
        *this, [this] { Selectionne_Section(); }, true);
}

} // namespace gabarit
