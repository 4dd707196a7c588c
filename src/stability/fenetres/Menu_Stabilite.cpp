#include "stability/fenetres/Menu_Stabilite.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "model/Numeros.h"
#include "platform/Boite_Message.h"
#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "shell/fenetres/Contexte.h"
#include "stability/Coef_Prismatique.h"
#include "stability/Reglages_Stabilite.h"
#include "stability/fenetres/Rafraichit_Comparaison.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {
// Retry delay of an activation that had to wait, ms.
constexpr int DELAI_ACTIVATION = 30;

// The number in a box; what is not a number counts as 0, as the old Val() read it.
double Nombre_Ou_Zero(const QLineEdit *t) {
    double v = 0;
    return Lit_Nombre(t->text(), v) ? v : 0;
}
} // namespace

Menu_Stabilite::Menu_Stabilite(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_Stabilite"), QStringLiteral("Menu Stabilite")) {
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 2);
    SSTab1_ = new QTabWidget(this);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    l->addWidget(SSTab1_);
    auto *courbe = new QWidget(SSTab1_), *balaste = new QWidget(SSTab1_),
         *coef = new QWidget(SSTab1_);
    Cree_Onglet_Courbe(courbe);
    Cree_Onglet_Balaste(balaste);
    Cree_Onglet_Coef(coef);
    SSTab1_->addTab(courbe, QStringLiteral("Courbe Stabilite"));
    SSTab1_->addTab(balaste, QStringLiteral("Balaste"));
    SSTab1_->addTab(coef, QStringLiteral("Coef Prismatique"));
    Connecte();
}

void Menu_Stabilite::Connecte() {
    for (int k = 0; k < 3; ++k)
        connect(Command1_[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { Menu_Stabilite_Command1_Click(2 * k); });
    connect(Command2_, &QPushButton::clicked, this, [this] { Menu_Stabilite_Command2_Click(); });
    for (int i = 0; i < 6; ++i)
        connect(Option1(i), &QRadioButton::clicked, this,
                [this, i] { Menu_Stabilite_Option1_Click(i); });
    connect(SSTab1_, &QTabWidget::currentChanged, this,
            [this](int onglet) { Menu_Stabilite_SSTab1_Click(onglet); });
    for (int i = 0; i < 2; ++i) {
        connect(UpDown1(i), &UpDown::Change, this, [this, i] { Menu_Stabilite_UpDown1_Change(i); });
        // A number typed in the box moves its spinner, as an arrow would start from it.
        connect(Text1(i), &QLineEdit::textEdited, this, [this, i](const QString &t) {
            double v = 0;
            if (Lit_Nombre(t, v))
                UpDown1(i)->setValue(v);
        });
    }
    connect(UpDown2_, &UpDown::Change, this, [this] { Menu_Stabilite_UpDown2_Change(); });
    connect(Text2_, &QLineEdit::textEdited, this, [this](const QString &t) {
        double v = 0;
        if (Lit_Nombre(t, v))
            UpDown2_->setValue(v);
    });
    connect(UpDown3_, &UpDown::Change, this,
            [this] { Label2(1)->setText(QString::number(UpDown3_->value())); });
    connect(UpDown3_, &UpDown::MouseUp, this, [this] { Menu_Stabilite_UpDown3_MouseUp(); });
    // Activated, or shown again after the frame hid it: filled once, on the next turn of the
    // event loop, when the command that showed it is done.
    if (ctx().zone)
        connect(ctx().zone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            if (w && w == Cadre())
                activation_differee_.start(0);
        });
    activation_differee_.setSingleShot(true);
    connect(&activation_differee_, &QTimer::timeout, this, [this] {
        if (!Visible())
            return;
        if (ctx().Occupe())
            activation_differee_.start(DELAI_ACTIVATION);
        else
            Menu_Stabilite_Form_Activate();
    });
}

void Menu_Stabilite::showEvent(QShowEvent *ev) {
    Fenetre_Fille::showEvent(ev);
    activation_differee_.start(0);
}

template <class F> void Menu_Stabilite::Commande(F &&f, bool signale) {
    // The busy guard: a heel spun or a series asked for while one runs does nothing.
    if (ctx().Occupe())
        return;
    Contexte::Garde_Occupe occupe(ctx());
    try {
        f();
    } catch (const Derive_Hors_Coque &x) {
        if (signale)
            Boite_Message(this, QString::fromUtf8(x.what()), MB_EXCLAMATION,
                          QStringLiteral("Attention"));
        Montre_Moment(std::nullopt);
    } catch (const std::exception &) {
        // The window's computations end quietly on a section they cannot walk.
    }
}

// --- What the core draws and shows here ---

Canvas &Menu_Stabilite::Picture2() { return *Picture2_; }
Canvas *Menu_Stabilite::Picture3() { return Picture3_; }
bool Menu_Stabilite::Precision() const { return Check1_->isChecked(); }

void Menu_Stabilite::Montre_Moment(std::optional<double> moment) {
    Label2(2)->setText(moment ? Texte_Nombre(*moment) : QStringLiteral(" - - -"));
}

void Menu_Stabilite::Montre_Surface_Theorique(double surface) {
    Label2(0)->setText(Texte_Nombre(surface));
}

void Menu_Stabilite::Montre_Coef_Pris(double coefficient) {
    Label1_6_->setText(Texte_Nombre(coefficient));
}

void Menu_Stabilite::Cache_Fenetres() { gabarit::Cache_Fenetres(ctx()); }
void Menu_Stabilite::Rafraichit_Comparaison() { gabarit::Rafraichit_Comparaison(ctx()); }

void Menu_Stabilite::Init_Bascule(double angle) {
    UpDown3_->setValue(angle);
    Label2(1)->setText(Texte_Nombre(angle));
}

void Menu_Stabilite::Init_Projet(double angle_bascule) {
    Init_Bascule(angle_bascule);
    Label2(0)->setText(QStringLiteral("- - - - - - - -"));
    Label1_6_->clear();
    Picture3_->Efface();
    Picture4_->hide();
    // Back on the curve, as a window opened for the first time: the coefficient's tab then
    // computes when it is chosen. Nothing is computed here, before the hull is tabulated.
    const QSignalBlocker calme(SSTab1_);
    SSTab1_->setCurrentIndex(0);
}

void Menu_Stabilite::Montre_Gite() { UpDown2_->Montre_Valeur(ctx().etat.P(ANGLE_GITE)); }

void Menu_Stabilite::Calcule_Coef_Pris() {
    Montre_Coef_Pris(Calcul_Coef_Pris(ctx().etat, ctx().shell, Picture3(), Check1_->isChecked()));
}

// --- Events ---

void Menu_Stabilite::Menu_Stabilite_Form_Activate() {
    if (Etat_Fenetre() == Etat::Minimise)
        return;
    Commande(
        [this] {
            Etat_Projet &e = ctx().etat;
            Picture4_->hide();
            ctx().shell.Laisse_Evenements();
            Init_Bascule(e.P(ANGLE_BASCULE));
            e.Gite_Couple = 0;
            const int item = Item_Du_Projet(e);
            Option1(item)->setChecked(true);
            Choisit_Item(e, item);
            ctx().shell.Texte_Statut(2, "X");
            Dessine_Item();
            Montre_Gite();
            Calcul_Redressement(e, *this);
        },
        // No message here: a box would hand the activation back and forth.
        false);
}

void Menu_Stabilite::Menu_Stabilite_Command1_Click(int index) {
    Commande([this, index] {
        Picture4_->hide();
        if (index == 4)
            Calcule_Coef_Pris();
        if (index == 0) {
            Calcul_Gite_0_30(ctx().etat, ctx().shell, *this);
            Montre_Gite();
        }
    });
}

void Menu_Stabilite::Menu_Stabilite_Command2_Click() {
    Commande([this] {
        if (!Calculs_Gite_A_Jour(ctx().etat)) {
            Boite_Message(this, QString::fromUtf8(MESSAGE_CALCULS_GITE).replace('\r', '\n'),
                          MB_EXCLAMATION, QStringLiteral("ATTENTION"));
            return;
        }
        Trace_Barres_Gite();
        Picture4_->show();
        Picture4_->raise();
    });
}

void Menu_Stabilite::Menu_Stabilite_Option1_Click(int index) {
    Commande([this, index] {
        Etat_Projet &e = ctx().etat;
        Choisit_Item(e, index);
        ctx().shell.Texte_Statut(2, "X");
        Dessine_Item();
    });
}

void Menu_Stabilite::Dessine_Item() {
    Etat_Projet &e = ctx().etat;
    const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
    Text1(0)->setText(Texte_Nombre(e.P(it.y)));
    UpDown1(0)->setValue(e.P(it.y));
    Text1(1)->setText(Texte_Nombre(e.P(it.z)));
    UpDown1(1)->setValue(e.P(it.z));
    Label5_->setText(Texte_Nombre(e.P(it.poids)));
    Label4_->setText(Texte_Nombre(e.P(it.x)));
    Picture1_->Efface();
    e.Mode_Couple = "Complet";
    Trace_Item_Stabilite(e, ctx().shell, *Picture1_, e.Item_Choisi, Nombre_Ou_Zero(Text1(0)));
}

void Menu_Stabilite::Menu_Stabilite_SSTab1_Click(int onglet) {
    Commande([this, onglet] {
        if (onglet == 0)
            Actualise_Stabilite(ctx().etat, ctx().shell, *this);
        if (onglet == 2 && Label1_6_->text().isEmpty())
            Calcule_Coef_Pris();
    });
}

void Menu_Stabilite::Menu_Stabilite_UpDown1_Change(int index) {
    Commande([this, index] {
        Etat_Projet &e = ctx().etat;
        const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
        e.P(index == 0 ? it.y : it.z) = UpDown1(index)->value();
        Picture1_->Efface();
        Trace_Item_Stabilite(e, ctx().shell, *Picture1_, e.Item_Choisi, Nombre_Ou_Zero(Text1(0)));
    });
}

void Menu_Stabilite::Menu_Stabilite_UpDown2_Change() {
    Commande([this] {
        ctx().etat.P(ANGLE_GITE) = UpDown2_->value();
        Calcul_Redressement(ctx().etat, *this);
    });
}

void Menu_Stabilite::Menu_Stabilite_UpDown3_MouseUp() {
    Commande([this] {
        ctx().etat.P(ANGLE_BASCULE) = UpDown3_->value();
        Picture4_->hide();
        Calcul_Gite_0_30(ctx().etat, ctx().shell, *this);
        Montre_Gite();
    });
}

void Menu_Stabilite::Trace_Barres_Gite() {
    const Etat_Projet &e = ctx().etat;
    auto pose = [](QFrame *f, double haut, double hauteur) {
        f->setProperty("Top", haut);
        f->setProperty("Height", hauteur);
        f->setGeometry(f->x(), Twips_En_Pixels(haut), f->width(), Twips_En_Pixels(hauteur));
        f->setVisible(hauteur > 0);
    };
    for (int i = 0; i < NB_GITES; ++i) {
        const Barre_Gite b = Calcul_Barre_Gite(e.P(Coef_Prismatique_Gite(i)));
        pose(Shape1(i), b.haut1, b.hauteur1);
        pose(Shape2(i), b.haut2, b.hauteur2);
    }
}

} // namespace gabarit
