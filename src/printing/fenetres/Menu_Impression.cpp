#include "printing/fenetres/Menu_Impression.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "interfaces/Interface_Shell.h"
#include "model/Numeros.h"
#include "platform/Boite_Message.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Surface_Imprimante.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "printing/Calibration.h"
#include "printing/Commandes_Impression.h"
#include "printing/Page_Impression.h"

namespace gabarit {

namespace {
QLabel *Texte(QWidget *parent, const QString &texte) {
    auto *l = new QLabel(texte, parent);
    l->setWordWrap(true);
    return l;
}
} // namespace

Menu_Impression::Menu_Impression(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_Impression"), QStringLiteral("Menu_Impression")) {
    SSTab1_ = Onglets(this, 2);
    Cree_Onglet_Couple();
    Cree_Onglet_Generale();
    Cree_Onglet_Reglage();
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 10})
        connect(Command2(i), &QPushButton::clicked, this,
                [this, i] { Menu_Impression_Command2_Click(i); });
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            if (w && w == Cadre() && Etat_Fenetre() != Etat::Minimise)
                Menu_Impression_Form_Activate();
        });
}

void Menu_Impression::Cree_Onglet_Couple() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(4, 4, 4, 4);
    g->setVerticalSpacing(2);

    auto *couple = new QGroupBox(QStringLiteral("Couple X"), page);
    couple->setObjectName(QStringLiteral("Frame_Couple"));
    auto *lc = new QHBoxLayout(couple);
    lc->setContentsMargins(4, 2, 4, 2);
    lc->addWidget(new QLabel(QStringLiteral("Imprime un couple n° : "), couple));
    Text1_ = new QLineEdit(QStringLiteral("0"), couple);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setMaximumWidth(55);
    UpDown1_ = new UpDown(couple);
    UpDown1_->setObjectName(QStringLiteral("UpDown1"));
    UpDown1_->setBuddy(Text1_);
    UpDown1_->setRange(0, 0);
    UpDown1_->setIncrement(10);
    lc->addWidget(Text1_);
    lc->addWidget(UpDown1_);
    Command2_[0] = Bouton(couple, QStringLiteral("Command2_0"), QStringLiteral("Valide"));
    lc->addWidget(Command2_[0]);
    g->addWidget(couple, 0, 0, 1, 3);

    auto *auto_ = new QGroupBox(QStringLiteral("Couples Auto"), page);
    auto_->setObjectName(QStringLiteral("Frame_Auto"));
    auto *la = new QHBoxLayout(auto_);
    la->setContentsMargins(4, 2, 4, 2);
    la->addWidget(new QLabel(QStringLiteral("Imprime une suite aux pas de :"), auto_));
    Text2_ = new QLineEdit(QStringLiteral("10"), auto_);
    Text2_->setObjectName(QStringLiteral("Text2"));
    Text2_->setMaximumWidth(40);
    UpDown2_ = new UpDown(auto_);
    UpDown2_->setObjectName(QStringLiteral("UpDown2"));
    UpDown2_->setBuddy(Text2_);
    UpDown2_->setRange(10, 100);
    UpDown2_->setIncrement(10);
    UpDown2_->setValue(10);
    la->addWidget(Text2_);
    la->addWidget(UpDown2_);
    Command2_[10] = Bouton(auto_, QStringLiteral("Command2_10"), QStringLiteral("Valide"));
    la->addWidget(Command2_[10]);
    g->addWidget(auto_, 1, 0, 1, 3);

    Command2_[5] = Bouton(page, QStringLiteral("Command2_5"), QStringLiteral("Tableau Arrière"));
    Command2_[6] =
        Bouton(page, QStringLiteral("Command2_6"), QStringLiteral("Couple le plus large"));
    Command2_[7] =
        Bouton(page, QStringLiteral("Command2_7"), QStringLiteral("Couple le plus haut"));
    g->addWidget(Command2_[5], 2, 0);
    g->addWidget(Command2_[6], 2, 1);
    g->addWidget(Command2_[7], 2, 2);
    g->addWidget(Texte(page, QStringLiteral("Attention ! lors de la réalisation, ")), 3, 0, 1, 3);
    g->addWidget(
        Texte(page, QStringLiteral("Les couples sont perpendiculaires a l'axe de flottaison ")), 4,
        0, 1, 3);

    // An arrow's step is a good value, as is a number "Valide" took.
    for (UpDown *u : {UpDown1_, UpDown2_})
        connect(u, &UpDown::Change, this, [this, u] { Bonne_Valeur(u) = u->value(); });
    SSTab1_->addTab(page, QStringLiteral("Couple"));
}

void Menu_Impression::Cree_Onglet_Generale() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(4, 4, 4, 4);
    g->setVerticalSpacing(2);
    Command2_[1] = Bouton(page, QStringLiteral("Command2_1"), QStringLiteral("Profile Arriere"));
    Command2_[2] = Bouton(page, QStringLiteral("Command2_2"), QStringLiteral("Profile Avant"));
    Command2_[3] =
        Bouton(page, QStringLiteral("Command2_3"), QStringLiteral("Vue Livet Echelle X"));
    Command2_[4] =
        Bouton(page, QStringLiteral("Command2_4"), QStringLiteral("Vue profile Echelle X"));
    g->addWidget(Texte(page, QStringLiteral("Aide a la réalisation, Impression du profile Avant "
                                            "ou Arrière a l'échelle 1")),
                 0, 0, 1, 2);
    g->addWidget(Command2_[1], 1, 0);
    g->addWidget(Command2_[2], 1, 1);
    g->addWidget(Texte(page, QStringLiteral("Impression sur un document A4  : la vue complète de "
                                            "votre projet")),
                 2, 0, 1, 2);
    g->addWidget(Command2_[3], 3, 0);
    g->addWidget(Command2_[4], 3, 1);
    g->addWidget(Texte(page, QStringLiteral("Cette édition est bien utile afin de prévoir "
                                            "l'emplacement de l'électronique")),
                 4, 0, 1, 2);
    SSTab1_->addTab(page, QStringLiteral("Generale"));
}

void Menu_Impression::Cree_Onglet_Reglage() {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(2);

    auto *corrections = new QGroupBox(QStringLiteral("Corrections"), page);
    corrections->setObjectName(QStringLiteral("Frame_Corrections"));
    auto *gc = new QGridLayout(corrections);
    gc->setContentsMargins(4, 2, 4, 2);
    gc->setSpacing(2);
    const char *noms[4] = {"Command6", "Command7", "Command8", "Command9"};
    for (int r = 0; r < 2; ++r) {
        const int numero = r == 0 ? CALIBRE_IMP_H : CALIBRE_IMP_V;
        gc->addWidget(
            new QLabel(r == 0 ? QStringLiteral("Horizontale") : QStringLiteral("Verticale"),
                       corrections),
            r, 0);
        auto *plus = Bouton(corrections, QString::fromLatin1(noms[2 * r]), QStringLiteral("+"));
        auto *moins =
            Bouton(corrections, QString::fromLatin1(noms[2 * r + 1]), QStringLiteral("-"));
        for (QPushButton *b : {plus, moins})
            b->setFixedWidth(24);
        connect(plus, &QPushButton::clicked, this,
                [this, numero] { Corrige(numero, PAS_CALIBRATION); });
        connect(moins, &QPushButton::clicked, this,
                [this, numero] { Corrige(numero, -PAS_CALIBRATION); });
        // The calibration in force, in twips per millimetre, so a press shows its effect.
        auto *valeur = new QLabel(corrections);
        valeur->setObjectName(r == 0 ? QStringLiteral("Valeur_H") : QStringLiteral("Valeur_V"));
        valeur->setMinimumWidth(34);
        (r == 0 ? Valeur_H_ : Valeur_V_) = valeur;
        gc->addWidget(plus, r, 1);
        gc->addWidget(moins, r, 2);
        gc->addWidget(valeur, r, 3);
    }
    g->addWidget(corrections, 0, 0);

    auto *info = new QGroupBox(QStringLiteral("Info"), page);
    info->setObjectName(QStringLiteral("Frame_Info"));
    auto *li = new QVBoxLayout(info);
    li->setContentsMargins(4, 0, 4, 2);
    // The caption as written, its runs of blanks included.
    auto *aide = Texte(info, QStringLiteral("Cet outils imprime un  L  de        100 mm sur 100 "
                                            "mn.                  Effectuer une correction ci "
                                            "       nessecaire."));
    aide->setObjectName(QStringLiteral("Label_Info"));
    aide->setTextFormat(Qt::PlainText);
    li->addWidget(aide);
    g->addWidget(info, 0, 1);

    auto *test = Bouton(page, QStringLiteral("Command3"), QStringLiteral("Test d'impression"));
    connect(test, &QPushButton::clicked, this, [this] { Menu_Impression_Command3_Click(); });
    g->addWidget(test, 1, 1);

    for (int k = 0; k < 2; ++k) {
        Option1_[static_cast<std::size_t>(k)] =
            new QRadioButton(k == 0 ? QStringLiteral("Qualite d'impression moyenne")
                                    : QStringLiteral("Qualite d'impression bonne"),
                             page);
        Option1_[static_cast<std::size_t>(k)]->setObjectName(QStringLiteral("Option1_%1").arg(k));
        g->addWidget(Option1_[static_cast<std::size_t>(k)], 1 + k, 0);
    }
    Option1_[0]->setChecked(true);

    auto *init = Bouton(page, QStringLiteral("Command4"), QStringLiteral("Init par défault"));
    auto *config =
        Bouton(page, QStringLiteral("Command1"), QStringLiteral("Configuration de l'imprimante"));
    auto *sauve = Bouton(page, QStringLiteral("Command5"), QStringLiteral("Sauve"));
    connect(init, &QPushButton::clicked, this, [this] { Menu_Impression_Command4_Click(); });
    connect(config, &QPushButton::clicked, this, [this] { Menu_Impression_Command1_Click(); });
    connect(sauve, &QPushButton::clicked, this, [this] { Menu_Impression_Command5_Click(); });
    g->addWidget(init, 2, 1);
    g->addWidget(config, 3, 0);
    g->addWidget(sauve, 3, 1);
    SSTab1_->addTab(page, QStringLiteral("Reglage"));
}

QPushButton *Menu_Impression::Command2(int i) const {
    return i >= 0 && i <= 10 ? Command2_[static_cast<std::size_t>(i)] : nullptr;
}

void Menu_Impression::Execute(const std::function<void()> &f) {
    ctx().Commande(Contexte::Si_Occupe::Garde, [&] {
        try {
            f();
        } catch (const std::exception &ex) {
            // Every failure of a print or of the settings is told to the user.
            Signale_Echec(ctx().shell, ex);
        }
    });
}

bool Menu_Impression::Lit_Entier(QLineEdit *t, UpDown *u, const QString &nom, double &valeur) {
    double v = 0;
    if (Lit_Nombre(t->text(), v) && v >= u->minimum() && v <= u->maximum()) {
        valeur = Arrondi(v);
        u->setValue(valeur);
        Bonne_Valeur(u) = valeur;
        return true;
    }
    t->setFocus();
    Boite_Message(this,
                  QStringLiteral("\"%1\" attend un nombre entre %2 et %3.")
                      .arg(nom.trimmed())
                      .arg(u->minimum())
                      .arg(u->maximum()),
                  MB_EXCLAMATION, QStringLiteral("Attention"));
    return false;
}

void Menu_Impression::Menu_Impression_Command2_Click(int index) {
    Execute([this, index] {
        Choix_Impression choix;
        choix.qualite_bonne = Qualite_Bonne();
        if (index == IMP_COUPLE_X &&
            !Lit_Entier(Text1_, UpDown1_, QStringLiteral("Imprime un couple n° : "), choix.station))
            return;
        if (index == IMP_COUPLES_AUTO &&
            !Lit_Entier(Text2_, UpDown2_, QStringLiteral("Imprime une suite aux pas de :"),
                        choix.pas))
            return;
        Surface_Imprimante s(Imprimante());
        Menu_Impression_Command2(ctx().etat, ctx().shell, s, index, choix);
    });
}

void Menu_Impression::Menu_Impression_Command3_Click() {
    Execute([this] {
        Surface_Imprimante s(Imprimante());
        Imprime_Test_Calibration(ctx().etat, ctx().shell, s);
    });
}

void Menu_Impression::Menu_Impression_Command1_Click() {
    Execute([this] { Configure_Imprimante(this); });
}

void Menu_Impression::Menu_Impression_Command5_Click() {
    Execute([this] {
        Sauve_Reglages_Impression(ctx().etat, ctx().shell, Qualite_Bonne(),
                                  ctx().Reglages_Ecrivables);
    });
}

void Menu_Impression::Corrige(int numero, double delta) {
    Execute([&] {
        Corrige_Calibration(ctx().etat, numero, delta);
        Affiche_Calibration();
    });
}

void Menu_Impression::Menu_Impression_Command4_Click() {
    Execute([this] {
        Init_Calibration(ctx().etat);
        Affiche_Calibration();
    });
}

void Menu_Impression::Affiche_Calibration() {
    Valeur_H_->setText(Texte_Nombre(ctx().etat.P(CALIBRE_IMP_H)));
    Valeur_V_->setText(Texte_Nombre(ctx().etat.P(CALIBRE_IMP_V)));
}

void Menu_Impression::Selectionne_Qualite(double qualite) {
    Option1(qualite == 0 ? 0 : 1)->setChecked(true);
}

bool Menu_Impression::Qualite_Bonne() const { return Option1_[1]->isChecked(); }

void Menu_Impression::Menu_Impression_Form_Load() {
    if (charge_)
        return;
    charge_ = true;
    Deplace(Gauche(), Haut(), Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
    ctx().etat.Pas_Couple_Sauve = ctx().etat.P(PAS_VERTICAL);
    // Loaded again after a close: the boxes show the last good station and step, not what
    // was typed and refused before.
    for (UpDown *u : {UpDown1_, UpDown2_})
        u->Montre_Valeur(Bonne_Valeur(u));
}

void Menu_Impression::Menu_Impression_Form_Activate() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        const Etat_Projet &e = ctx().etat;
        const double L = Arrondi(e.L());
        if (std::isfinite(L))
            UpDown1_->setRange(0, static_cast<int>(std::clamp(L, 0.0, 1e9)));
        Selectionne_Qualite(e.P(QUALITE_IMPRESSION));
        Affiche_Calibration();
    });
}

void Menu_Impression::Menu_Impression_Form_Unload() {
    if (!charge_)
        return;
    charge_ = false;
    ctx().etat.P(PAS_VERTICAL) = ctx().etat.Pas_Couple_Sauve;
}

// The close box puts the vertical step back into the record: a command like any other.
void Menu_Impression::Au_Fermeture() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] { Menu_Impression_Form_Unload(); });
}

void Init_Projet_Impression(Contexte &ctx, double qualite) {
    Menu_Impression &w = ctx.Fenetre<Menu_Impression>();
    w.Menu_Impression_Form_Load();
    w.Selectionne_Qualite(qualite);
}

void Montre_Menu_Impression(Contexte &ctx) {
    Menu_Impression &w = ctx.Fenetre<Menu_Impression>();
    w.Menu_Impression_Form_Load();
    w.Montre();
    if (w.Cadre())
        w.Cadre()->showNormal();
    // Shown again while it was still the active child: no activation signal comes.
    w.Menu_Impression_Form_Activate();
}

} // namespace gabarit
