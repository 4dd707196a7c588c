#include "stability/fenetres/Menu_Stabilite.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Numeros.h"
#include "model/Voyants.h"
#include "platform/Boite_Message.h"
#include "platform/Controles.h"
#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "stability/Coef_Prismatique.h"
#include "stability/Reglages_Stabilite.h"
#include "stability/fenetres/Rafraichit_Comparaison.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {
// Retry delay of an activation that had to wait, ms.
constexpr int DELAI_ACTIVATION = 30;
// How far from its origin, in picture sizes, a stroke of the item picture may reach. The
// picture's width holds the hull's greatest beam and the waterline reference runs 610 mm
// (some 14 widths): a section reaching 20 widths away is a shape law gone wrong.
constexpr double ECART_DESSIN = 20;
} // namespace

Menu_Stabilite::Menu_Stabilite(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_Stabilite"), QStringLiteral("Menu Stabilite")) {
    SSTab1_ = Onglets(this, 2);
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
        connect(Text1(i), &QLineEdit::editingFinished, this, [this, i] { Lit_Item(i); });
    }
    connect(UpDown2_, &UpDown::Change, this, [this] { Menu_Stabilite_UpDown2_Change(); });
    connect(Text2_, &QLineEdit::editingFinished, this, [this] {
        Lit_Boite(Text2_, UpDown2_, QStringLiteral("Angle"), ctx().etat.P(ANGLE_GITE),
                  [this] { Menu_Stabilite_UpDown2_Change(); });
    });
    connect(UpDown3_, &UpDown::Change, this,
            [this] { Label2(1)->setText(QString::number(UpDown3_->value())); });
    connect(UpDown3_, &UpDown::MouseUp, this, [this] { Menu_Stabilite_UpDown3_MouseUp(); });
    bascule_differee_.setSingleShot(true);
    connect(&bascule_differee_, &QTimer::timeout, this,
            [this] { Menu_Stabilite_UpDown3_MouseUp(); });
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

template <class F> void Menu_Stabilite::Commande(F &&f, bool signale, bool regard) {
    // The busy guard: a heel spun or a series asked for while one runs does nothing.
    const auto lance = regard ? &Contexte::Regarde : &Contexte::Commande;
    (ctx().*lance)(
        Contexte::Si_Occupe::Garde,
        [&] {
            try {
                f();
            } catch (const Derive_Hors_Coque &x) {
                if (signale)
                    Boite_Message(this, QString::fromUtf8(x.what()), MB_EXCLAMATION,
                                  QStringLiteral("Attention"));
                Montre_Moment(std::nullopt);
            }
        },
        signale ? Contexte::Si_Refus::Message : Contexte::Si_Refus::Silence);
}

void Menu_Stabilite::Serie_Moments() {
    // Every light red: no heel has a floating position to take, so nothing would be stored;
    // the refusal says what to run first.
    Verifie_Flottaisons_Calculees(ctx().etat);
    Calcul_Gite_0_30(ctx().etat, ctx().shell, *this);
    Montre_Gite();
}

void Menu_Stabilite::Calcule_Moment() {
    try {
        Calcul_Redressement(ctx().etat, *this);
    } catch (const Erreur_Gabarit &) {
        Montre_Moment(std::nullopt);
        throw;
    }
}

void Menu_Stabilite::Lit_Boite(QLineEdit *t, UpDown *s, const QString &nom, double bon,
                               const std::function<void()> &applique) {
    // The message box takes the focus, which would end the editing a second time.
    if (lecture_en_cours_)
        return;
    lecture_en_cours_ = true;
    const auto fin = qScopeGuard([this] { lecture_en_cours_ = false; });
    const QString texte = t->text();
    if (texte == Texte_Nombre(bon))
        return;
    auto remet = [&] {
        s->setValue(bon);
        t->setText(Texte_Nombre(bon));
    };
    // While a computation runs the value could not be applied: the box keeps what is.
    if (ctx().Occupe()) {
        remet();
        return;
    }
    double v = 0;
    const QString message = s->Refus_Saisie(nom, texte, v);
    if (!message.isEmpty()) {
        remet();
        Boite_Message(this, message, MB_EXCLAMATION, QStringLiteral("Attention"));
        return;
    }
    s->setValue(v); // whole units, as the arrows give them
    t->setText(Texte_Nombre(s->value()));
    applique();
}

void Menu_Stabilite::Lit_Item(int i) {
    static const char *const legendes[2] = {"Laterale", "Verticale"};
    const Etat_Projet &e = ctx().etat;
    const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
    Lit_Boite(Text1(i), UpDown1(i), QString::fromLatin1(legendes[i]), e.P(i == 0 ? it.y : it.z),
              [this, i] { Menu_Stabilite_UpDown1_Change(i); });
}

// --- What the core draws and shows here ---

Canvas &Menu_Stabilite::Picture2() { return *Picture2_; }
Canvas *Menu_Stabilite::Picture3() { return Picture3_; }
bool Menu_Stabilite::Precision() const { return Check1_->isChecked(); }

void Menu_Stabilite::Montre_Moment(std::optional<double> moment) {
    Label2(2)->setText(moment ? Texte_Nombre(*moment) : TIRETS);
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
    // A release waiting for the previous project's computation is that project's.
    bascule_differee_.stop();
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
            Dessine_Item(false);
            Montre_Gite();
            Calcule_Moment();
        },
        // No message here: a box would hand the activation back and forth.
        false, true);
}

void Menu_Stabilite::Menu_Stabilite_Command1_Click(int index) {
    // "Valide" takes what is typed in the item's boxes, even where the press left the focus
    // in a box.
    if (index == 2) {
        Lit_Item(0);
        Lit_Item(1);
    }
    Commande([this, index] {
        Picture4_->hide();
        if (index == 4)
            Calcule_Coef_Pris();
        if (index == 0)
            Serie_Moments();
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
        Dessine_Item(true);
    });
}

void Menu_Stabilite::Dessine_Item(bool signale) {
    Etat_Projet &e = ctx().etat;
    const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
    Text1(0)->setText(Texte_Nombre(e.P(it.y)));
    UpDown1(0)->setValue(e.P(it.y));
    Text1(1)->setText(Texte_Nombre(e.P(it.z)));
    UpDown1(1)->setValue(e.P(it.z));
    Label5_->setText(Texte_Nombre(e.P(it.poids)));
    Label4_->setText(Texte_Nombre(e.P(it.x)));
    e.Mode_Couple = "Complet";
    Trace_Item(signale);
}

void Menu_Stabilite::Trace_Item(bool signale) {
    Etat_Projet &e = ctx().etat;
    const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
    Picture1_->Efface();
    // Drawn aside first: a section or a cross far off the picture (a shape law that gives
    // a breadth out of all measure) is not shown as a picture with a part silently missing.
    Canvas_Enregistreur essai(Picture1_->Largeur(), Picture1_->Hauteur(), Picture1_->Legende());
    Trace_Item_Stabilite(e, ctx().shell, essai, e.Item_Choisi, e.P(it.y));
    const double borne = ECART_DESSIN * std::max(essai.Largeur(), essai.Hauteur());
    auto dedans = [&](const Canvas_Enregistreur::Trait &t) {
        for (double v : {t.x1, t.y1, t.x2, t.y2})
            if (!std::isfinite(v) || std::fabs(v) > borne)
                return false;
        return true;
    };
    // The item's cross is the last two strokes.
    const std::size_t croix = essai.traits.size() >= 2 ? essai.traits.size() - 2 : 0;
    for (std::size_t i = 0; i < essai.traits.size(); ++i) {
        if (dedans(essai.traits[i]))
            continue;
        if (signale)
            Boite_Message(
                this,
                i < croix
                    ? QStringLiteral("La section au couple %1 ne peut pas être dessinée : sa "
                                     "forme donne une largeur hors de toute mesure. Vérifiez "
                                     "les paramètres de forme de la carène.")
                          .arg(Texte_Nombre(e.P(it.x)))
                    : QStringLiteral("L'élément ne peut pas être dessiné : sa position est hors "
                                     "de la section."),
                MB_EXCLAMATION, QStringLiteral("Attention"));
        return;
    }
    for (const Canvas_Enregistreur::Trait &t : essai.traits)
        Picture1_->Segment(t.x1, t.y1, t.x2, t.y2, t.couleur);
}

void Menu_Stabilite::Menu_Stabilite_SSTab1_Click(int onglet) {
    // A tab is looked at: what it works out is shown, not stored.
    if (onglet == 0)
        Commande([this] { Actualise_Stabilite(ctx().etat, ctx().shell, *this); }, true, true);
    // The item picture drawn quietly at activation: a picture it could not draw is said
    // when the user comes to it.
    if (onglet == 1)
        Commande([this] { Trace_Item(true); }, true, true);
    // As the button works it out, hiding a bar chart left over the curve.
    if (onglet == 2 && Label1_6_->text().isEmpty())
        Commande(
            [this] {
                Picture4_->hide();
                Calcule_Coef_Pris();
            },
            true, true);
}

void Menu_Stabilite::Menu_Stabilite_UpDown1_Change(int index) {
    // Stepped while a computation runs: the item cannot move under it, so the box shows again
    // where the item stands.
    if (ctx().Occupe()) {
        const Etat_Projet &e = ctx().etat;
        const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
        UpDown1(index)->Montre_Valeur(e.P(index == 0 ? it.y : it.z));
        return;
    }
    Commande([this, index] {
        Etat_Projet &e = ctx().etat;
        const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(e.Item_Choisi));
        double &v = e.P(index == 0 ? it.y : it.z);
        const double nouveau = UpDown1(index)->value();
        // The item moves the centre of gravity every heel result stands on.
        if (v != nouveau) {
            v = nouveau;
            Invalide_Calculs(e, ctx().shell);
        }
        Trace_Item(true);
    });
}

void Menu_Stabilite::Menu_Stabilite_UpDown2_Change() {
    // Stepped while a computation runs: the heel cannot change under it.
    if (ctx().Occupe()) {
        UpDown2_->Montre_Valeur(ctx().etat.P(ANGLE_GITE));
        return;
    }
    Commande([this] {
        ctx().etat.P(ANGLE_GITE) = UpDown2_->value();
        Calcule_Moment();
    });
}

void Menu_Stabilite::Menu_Stabilite_UpDown3_MouseUp() {
    // Released during a computation: applied once it is over, so the label never shows a
    // cant the series did not take.
    if (ctx().Occupe()) {
        bascule_differee_.start(DELAI_ACTIVATION);
        return;
    }
    Commande([this] {
        ctx().etat.P(ANGLE_BASCULE) = UpDown3_->value();
        Picture4_->hide();
        Serie_Moments();
        // The cant moves the righting moments alone, and the series has just worked them out
        // again for every heel still current: those stay current.
        Gites_Vertes_Calculees(ctx().etat);
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
