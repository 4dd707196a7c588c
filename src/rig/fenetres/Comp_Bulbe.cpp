#include "rig/fenetres/Comp_Bulbe.h"

#include <QComboBox>
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
#include "printing/fenetres/Impressions_Appendices.h"
#include "rig/Bulbe.h"
#include "rig/Table_Naca.h"
#include "rig/fenetres/Commande_Profil.h"

namespace gabarit {

namespace {
// What the figures show before the first drawing.
const QString TIRETS_INITIAUX = QStringLiteral("----------");

// A figure of the views, or the dashes of one that cannot be computed (no table read).
QString Chiffre_Vue(const std::optional<double> &v, const QString &suite = {}) {
    return v ? Texte_Nombre(*v) + suite : TIRETS;
}

// "Choix du profil :", a list and its "-" and "+" buttons.
QHBoxLayout *Ligne_Choix(QComboBox *liste, std::array<QPushButton *, 2> &boutons,
                         const QString &nom_boutons, QWidget *parent) {
    auto *l = new QHBoxLayout;
    l->setSpacing(2);
    l->addWidget(new QLabel(QStringLiteral("Choix du profil :"), parent));
    l->addWidget(liste);
    boutons = Boutons_Voisins(nom_boutons, parent);
    for (QPushButton *b : boutons)
        l->addWidget(b);
    l->addStretch();
    return l;
}

// A caption and its value label, side by side over a picture.
QHBoxLayout *Chiffre(const QString &legende, QLabel *valeur, QWidget *parent) {
    auto *l = new QHBoxLayout;
    l->setSpacing(3);
    l->addWidget(new QLabel(legende, parent));
    l->addWidget(valeur);
    return l;
}
} // namespace

Comp_Bulbe::Comp_Bulbe(Contexte &ctx)
    : Fenetre_Comp(ctx, QStringLiteral("Comp_Bulbe"), QString::fromUtf8("Clompléments Bulbe")) {
    SSTab1_ = Onglets(this, 2);
    for (int i : {1, 3, 4, 5, 6}) {
        Label6_[static_cast<std::size_t>(i)] = new QLabel(TIRETS_INITIAUX);
        Label6_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Label6_%1").arg(i));
    }
    // The prints of the top and side views, beside the tabs while their tab is the current
    // one.
    auto *impressions = new QWidget(SSTab1_);
    auto *li = new QHBoxLayout(impressions);
    li->setContentsMargins(0, 0, 0, 0);
    Command1_ = new QPushButton(QStringLiteral("Impression"), impressions);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command5_ = new QPushButton(QStringLiteral("Impression"), impressions);
    Command5_->setObjectName(QStringLiteral("Command5"));
    li->addWidget(Command1_);
    li->addWidget(Command5_);
    Command5_->hide();
    SSTab1_->setCornerWidget(impressions, Qt::TopRightCorner);
    const char *onglets[3] = {"Profils NACA", "Option", "Masse"};
    for (int i = 0; i < 3; ++i) {
        auto *page = new QWidget(SSTab1_);
        if (i == 0)
            Cree_Dessus(page);
        else if (i == 1)
            Cree_Cote(page);
        else
            Cree_Masse(page);
        SSTab1_->addTab(page, QString::fromUtf8(onglets[i]));
    }

    connect(Combo1_, &QComboBox::activated, this,
            [this] { Commande_Profil(*this, [this] { Choix_Dessus(); }); });
    connect(Combo2_, &QComboBox::activated, this,
            [this] { Commande_Profil(*this, [this] { Choix_Cote(); }); });
    for (int i = 0; i < 2; ++i) {
        const int sens = i == 0 ? -1 : 1;
        connect(Command3_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, sens] { Voisin(Combo1_, sens, &Comp_Bulbe::Choix_Dessus); });
        connect(Command6_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, sens] { Voisin(Combo2_, sens, &Comp_Bulbe::Choix_Cote); });
        connect(Option1_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this] { Commande_Profil(*this, [this] { Selectionne_Cote(); }); });
    }
    connect(Command1_, &QPushButton::clicked, this, [this] {
        Commande_Profil(*this,
                        [this] { Imprime_Bulbe_Dessus(this->ctx(), Combo1_->currentIndex()); });
    });
    connect(Command5_, &QPushButton::clicked, this,
            [this] { Commande_Profil(*this, [this] { Imprime_Bulbe_Cote(this->ctx()); }); });
    connect(Command7_, &QPushButton::clicked, this,
            [this] { Commande_Profil(*this, [this] { Calcul_Masse_Bulbe(); }); });
    // A change of tab leaves no mass figure standing.
    connect(SSTab1_, &QTabWidget::currentChanged, this, [this](int onglet) {
        Label2_1_->setText(QStringLiteral("- - - - - - - - - "));
        Command1_->setVisible(onglet == 0);
        Command5_->setVisible(onglet == 1);
    });
}

void Comp_Bulbe::Cree_Dessus(QWidget *page) {
    QVBoxLayout *lp = Colonne_Page(page);
    QGroupBox *cadre = Cadre_Page(lp, {}, QStringLiteral("Vue de dessus"));
    auto *lc = new QVBoxLayout(cadre);
    Marges_Cadre(lc);
    lc->setSpacing(2);
    Combo1_ = Liste_Profils(QStringLiteral("Combo1"), cadre);
    lc->addLayout(Ligne_Choix(Combo1_, Command3_, QStringLiteral("Command3"), cadre));
    // The figures are laid over the picture's corners.
    Picture1_ = Image_Profil(QStringLiteral("Picture1"), 5190, cadre);
    auto *chiffres = new QHBoxLayout(Picture1_);
    chiffres->setContentsMargins(4, 0, 4, 1);
    Label6_[3]->setParent(Picture1_);
    Label6_[4]->setParent(Picture1_);
    chiffres->addLayout(Chiffre(QStringLiteral("Diametre :"), Label6_[3], Picture1_));
    chiffres->addStretch();
    chiffres->addLayout(Chiffre(QStringLiteral("Longueur Avant :"), Label6_[4], Picture1_));
    chiffres->setAlignment(Qt::AlignBottom);
    lc->addWidget(Picture1_, 0, Qt::AlignLeft);
    lp->addStretch();
}

void Comp_Bulbe::Cree_Cote(QWidget *page) {
    QVBoxLayout *lp = Colonne_Page(page);
    QGroupBox *cadre = Cadre_Page(lp, {}, QString::fromUtf8("Vue de coté"));
    auto *lc = new QVBoxLayout(cadre);
    Marges_Cadre(lc);
    lc->setSpacing(2);
    Combo2_ = Liste_Profils(QStringLiteral("Combo2"), cadre);
    QHBoxLayout *ligne = Ligne_Choix(Combo2_, Command6_, QStringLiteral("Command6"), cadre);
    // Which half of the side view the list shows and sets, the upper one above.
    auto *moities = new QVBoxLayout;
    moities->setSpacing(0);
    for (int i : {1, 0}) {
        auto *o = new QRadioButton(
            i == 1 ? QStringLiteral("Superieur") : QStringLiteral("Inferieur"), cadre);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Option1_[static_cast<std::size_t>(i)] = o;
        moities->addWidget(o);
    }
    ligne->insertLayout(ligne->count() - 1, moities);
    Option1_[1]->setChecked(true);
    lc->addLayout(ligne);
    // The upper half's figure above the axis, the lower half's below it.
    Picture2_ = Image_Profil(QStringLiteral("Picture2"), 5295, cadre);
    auto *chiffres = new QGridLayout(Picture2_);
    chiffres->setContentsMargins(4, 1, 4, 1);
    for (int i : {1, 5, 6})
        Label6_[static_cast<std::size_t>(i)]->setParent(Picture2_);
    chiffres->addLayout(Chiffre(QStringLiteral("Longueur Avant :"), Label6_[1], Picture2_), 0, 2,
                        Qt::AlignTop | Qt::AlignRight);
    chiffres->addLayout(Chiffre(QStringLiteral("Diametre :"), Label6_[5], Picture2_), 1, 0,
                        Qt::AlignBottom | Qt::AlignLeft);
    chiffres->addLayout(Chiffre(QStringLiteral("Longueur Avant :"), Label6_[6], Picture2_), 1, 2,
                        Qt::AlignBottom | Qt::AlignRight);
    chiffres->setColumnStretch(1, 1);
    chiffres->setRowStretch(0, 1);
    chiffres->setRowStretch(1, 1);
    lc->addWidget(Picture2_, 0, Qt::AlignLeft);
    lp->addStretch();
}

void Comp_Bulbe::Cree_Masse(QWidget *page) {
    QVBoxLayout *lp = Colonne_Page(page);
    QGroupBox *cadre = Cadre_Page(lp, {}, QStringLiteral("Attention"));
    auto *lc = new QGridLayout(cadre);
    Marges_Cadre(lc);
    lc->setVerticalSpacing(1);
    auto texte = [&](const char *t, int ligne) {
        auto *e = new QLabel(QString::fromUtf8(t), cadre);
        e->setWordWrap(true);
        lc->addWidget(e, ligne, 0, 1, 3);
    };
    texte("Ce Menu vous indique une approximation de la masse du Bulbe défini dans les 2 Menus "
          "précédants",
          0);
    texte("La masse du plomb à été retenue comme référence :  207,2 ", 1);
    texte("Vous pouvez définir une autre masse de métal comme référence de calcul ", 2);
    // The reference in the user's own decimal format ("207,2" in French), so that it reads
    // back as a number.
    Text1_ = new QLineEdit(Texte_Nombre(REFERENCE_PLOMB), cadre);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setFixedWidth(Twips_En_Pixels(1000));
    Command7_ = new QPushButton(QStringLiteral("Calcul"), cadre);
    Command7_->setObjectName(QStringLiteral("Command7"));
    lc->addWidget(Text1_, 3, 0);
    lc->addWidget(Command7_, 3, 1);
    auto *poids = new QHBoxLayout;
    poids->setSpacing(6);
    poids->addWidget(new QLabel(QStringLiteral("Poids du Bulbe en cours :"), cadre));
    Label2_1_ = new QLabel(QStringLiteral("- - - - - - - - - - - -"), cadre);
    Label2_1_->setObjectName(QStringLiteral("Label2_1"));
    poids->addWidget(Label2_1_);
    poids->addStretch();
    lc->addLayout(poids, 4, 0, 1, 3);
    texte("Le calcul de masse  n'est pas pris en compte par le PG", 5);
    texte("Modifier le poids du bulbe dans : Menu, Déplacement, Poids, Bulbe", 6);
    lc->setColumnStretch(2, 1);
    lp->addStretch();
}

bool Comp_Bulbe::Inferieur() const { return Option1_[0]->isChecked(); }

void Comp_Bulbe::Choix_Dessus() {
    const int k = Combo1_->currentIndex();
    if (k < 0)
        return; // nothing chosen, nothing to store
    ctx().etat.P(NACA_BULBE_DESSUS) = k;
    Dessine_Dessus();
}

void Comp_Bulbe::Dessine_Dessus() {
    const Affichage_Bulbe_Dessus a =
        Trace_Bulbe_Dessus(ctx().etat, Combo1_->currentIndex(), *Picture1_);
    Label6_[4]->setText(Chiffre_Vue(a.position, QStringLiteral("%")));
    Label6_[3]->setText(Chiffre_Vue(a.diametre));
}

void Comp_Bulbe::Choix_Cote() {
    const int k = Combo2_->currentIndex();
    if (k < 0)
        return;
    ctx().etat.P(Inferieur() ? NACA_BULBE_BAS : NACA_BULBE_HAUT) = k;
    Dessine_Cote();
}

void Comp_Bulbe::Dessine_Cote() {
    const Affichage_Bulbe_Cote a = Trace_Bulbe_Cote(ctx().etat, *Picture2_);
    Label6_[1]->setText(Chiffre_Vue(a.position_haut, QStringLiteral("%")));
    Label6_[6]->setText(Chiffre_Vue(a.position_bas, QStringLiteral("%")));
    Label6_[5]->setText(Chiffre_Vue(a.hauteur));
}

// The list of the side view shows the chosen half's profile and the picture draws both; the
// record is only read: coming to the window or to the other half is no choice of a profile.
void Comp_Bulbe::Selectionne_Cote() {
    const Etat_Projet &e = ctx().etat;
    Selectionne(Combo2_, Profil_Naca(e.P(Inferieur() ? NACA_BULBE_BAS : NACA_BULBE_HAUT)));
    Dessine_Cote();
}

void Comp_Bulbe::Voisin(QComboBox *liste, int sens, void (Comp_Bulbe::*choix)()) {
    const int k = liste->currentIndex() + sens;
    if (liste->currentIndex() < 0 || k < 0 || k >= liste->count())
        return; // already at 0 or 39
    Selectionne(liste, k);
    Commande_Profil(*this, [this, choix] { (this->*choix)(); });
}

void Comp_Bulbe::Calcul_Masse_Bulbe() {
    double reference = 0;
    if (!Lit_Nombre(Text1_->text(), reference))
        throw Refus_Profil("La masse de référence \"" + Text1_->text().toStdString() +
                           "\" n'est pas un nombre.");
    // Without a table the volume is not known: no mass either.
    if (!Table_Naca_Lue(ctx().etat)) {
        Label2_1_->setText(TIRETS);
        return;
    }
    const double masse = Masse_Bulbe(Volume_Bulbe(ctx().etat), reference);
    Label2_1_->setText(Texte_Nombre(masse) + QStringLiteral(" gmm"));
}

void Comp_Bulbe::Activation() {
    Place_Fenetre_Profil(*this, ctx());
    Etat_Projet &e = ctx().etat;
    // The table is read again each time: a missing or short file is named, as at start-up,
    // and both views keep what they showed.
    try {
        Lit_Table_Naca(e);
    } catch (const std::exception &ex) {
        Boite_Message(this, QString::fromStdString(ex.what()), MB_STOP,
                      QStringLiteral("Attention"));
        return;
    }
    Commande_Profil(
        *this,
        [this, &e] {
            Selectionne(Combo1_, Profil_Naca(e.P(NACA_BULBE_DESSUS)));
            Dessine_Dessus();
            Selectionne_Cote();
        },
        true);
}

} // namespace gabarit
