#include "stability/fenetres/Menu_Compar.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <exception>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Erreur.h"
#include "platform/Dialogue_Fichier.h"
#include "platform/Image_Vue.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"

namespace gabarit {

namespace {

// Retry delay of an activation that came during a computation, ms.
constexpr int DELAI_ACTIVATION = 30;

void Couleur_Texte(QLabel *l, const QColor &c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QString Texte_Pourcent(const Chiffre &pct) {
    return pct ? Texte_Nombre(*pct) + QStringLiteral("%") : QStringLiteral("-");
}

// A bar's top in millimetres onto its picture, whose height stands for h_mm: a top at h_mm or
// below shows no bar, a top of 0 fills the picture.
void Pose_Barre(QFrame *barre, double haut_mm, double h_mm) {
    const int h = barre->parentWidget()->height();
    const double y = std::clamp(haut_mm / h_mm, 0.0, 1.0) * h;
    barre->move(barre->x(), static_cast<int>(std::lround(y)));
}

void Nomme(QLabel *l, const std::string &nom) {
    const QString t = QString::fromStdString(nom);
    l->setText(t);
    l->setToolTip(t);
}

} // namespace

Menu_Compar::Menu_Compar(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_Compar"), QStringLiteral("Menu Comparaison")) {
    Construit();
    activation_differee_.setSingleShot(true);
    connect(&activation_differee_, &QTimer::timeout, this, [this] {
        if (Visible())
            Activation_Commande();
    });
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow *w) { Menu_Compar_Form_Activate(w); });
}

QPushButton *Menu_Compar::Command1(int i) const {
    switch (i) {
    case 0:
        return Command1_[0];
    case 1:
        return Command1_[1];
    case 4:
        return Command1_[2];
    default:
        return nullptr;
    }
}

QLabel *Menu_Compar::Valeur_Ecart(int k) const {
    if (k < 5)
        return Label11_.at(static_cast<std::size_t>(k));
    return Label12_.at(k == ECART_VOILURE_POIDS ? 6 : 5);
}

void Menu_Compar::hideEvent(QHideEvent *ev) {
    Fenetre_Fille::hideEvent(ev);
    // A hidden sub-window stays the area's active one, and showing it again would then
    // activate nothing: let it go, so the next showing compares afresh.
    // Not while the frame closes: the area may then be half destroyed.
    QMdiArea *zone = Zone();
    if (zone && zone->activeSubWindow() == Cadre())
        zone->setActiveSubWindow(nullptr);
}

void Menu_Compar::Message_Lecture(const std::exception &ex) {
    // Not twice what the core has already shown.
    if (const auto *g = dynamic_cast<const Erreur_Gabarit *>(&ex); g && g->Signalee())
        return;
    ctx().shell.Message(ex.what(), MB_EXCLAMATION, "Attention");
}

// The names go with the figures, so the window never shows one comparison's figures under
// another's names.
void Menu_Compar::Noms() {
    for (QLabel *l : {Label2_, Label3_, Label13_, Label18_})
        Nomme(l, ctx().etat.Nom_Projet);
    for (QLabel *l : {Label9_, Label4_, Label14_, Label19_})
        Nomme(l, ctx().etat.Nom_Compar);
}

void Menu_Compar::Comparer() {
    Contexte &c = ctx();
    try {
        const std::optional<Figures_Comparaison> f =
            Comparer_Projets(c.etat, c.shell, *Picture2_, [this] { Cache(); });
        if (f) {
            Affiche(*f);
            Noms();
        }
    } catch (const std::exception &ex) {
        Message_Lecture(ex);
    }
}

void Menu_Compar::Affiche(const Figures_Comparaison &f) {
    for (int k = 0; k < NB_ECARTS; ++k) {
        const auto i = static_cast<std::size_t>(k);
        QLabel *l = Valeur_Ecart(k);
        // Width, length and depth have no better side: their labels keep their colour.
        if (k >= ECART_POIDS)
            Couleur_Texte(l, f.teintes[i] == Teinte::Vert ? QColor(0, 128, 0)
                             : f.teintes[i] == Teinte::Rouge
                                 ? QColor(255, 0, 0)
                                 : palette().color(QPalette::WindowText));
        l->setText(Texte_Pourcent(f.ecarts[i]));
        // The slider stops at its ends; the label tells the whole gap.
        const double v = f.ecarts[i] ? std::clamp(*f.ecarts[i], -100.0, 100.0) : 0.0;
        Slider1(k)->setValue(static_cast<int>(v));
    }
    for (int k = 0; k < NB_GITES; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Pose_Barre(Shape1(k), f.haut_moment[i], HAUTEUR_BARRES_MOMENT);
        Pose_Barre(Shape2(k), f.haut_moment_compare[i], HAUTEUR_BARRES_MOMENT);
        Pose_Barre(Shape4(k), f.haut_rapport[i], HAUTEUR_BARRES_RAPPORT);
        Pose_Barre(Shape5(k), f.haut_rapport_compare[i], HAUTEUR_BARRES_RAPPORT);
        const Chiffre &g = f.ecarts_moments[i];
        Label5(k)->setText(g && *g > ECART_MOMENT_LISIBLE ? QStringLiteral("~")
                                                          : Texte_Pourcent(g));
    }
    const double surfaces[4] = {f.surface.max_courant, f.surface.max_compare, f.surface.min_courant,
                                f.surface.min_compare};
    for (int i = 0; i < 4; ++i)
        Label21(i)->setText(Texte_Nombre(surfaces[i]));
}

void Menu_Compar::Menu_Compar_Form_Activate(QMdiSubWindow *w) {
    if (!w || w != Cadre() || activation_attendue_)
        return;
    // Run once the showing is over: a refusal hides the window, which the showing in
    // progress would otherwise bring back.
    activation_attendue_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            activation_attendue_ = false;
            Activation_Commande();
        },
        Qt::QueuedConnection);
}

// The activation comes from a timer or a queued call, not from a command: it goes through the
// runner all the same, as a look, which changes nothing of the project.
void Menu_Compar::Activation_Commande() {
    ctx().Regarde(Contexte::Si_Occupe::Execute, [this] { Activation(); });
}

void Menu_Compar::Activation() {
    // Its own dialogs and messages hand the focus back to the window: no second read then.
    if (en_activation_)
        return;
    // Under a computation the figures may be about to change: tried again until it is over.
    if (ctx().Occupe()) {
        activation_differee_.start(DELAI_ACTIVATION);
        return;
    }
    en_activation_ = true;
    struct Fin {
        bool &b;
        ~Fin() { b = false; }
    } fin{en_activation_};
    Etat_Projet &e = ctx().etat;
    if (Etat_Fenetre() != Etat::Minimise)
        Deplace(Gauche(), Haut(), Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
    try {
        Lit_Projet_Compare(e);
    } catch (const std::exception &ex) {
        Message_Lecture(ex);
        return;
    }
    if (Visible())
        Comparer();
}

void Menu_Compar::Menu_Compar_Command1_Click() {
    if (en_activation_)
        return;
    ctx().Commande(Contexte::Si_Occupe::Garde, [this] {
        const std::string &dossier = ctx().etat.Dossier_Programme;
        if (!dossier.empty())
            QDir::setCurrent(QString::fromStdString(dossier));
        if (Visible())
            Comparer();
    });
}

void Menu_Compar::Menu_Compar_Command2_Click() {
    if (!en_activation_)
        ctx().Commande(Contexte::Si_Occupe::Garde, [this] { Choisit_Projet_Compare(); });
}

void Menu_Compar::Choisit_Projet_Compare() {
    Contexte &c = ctx();
    en_activation_ = true;
    struct Fin {
        bool &b;
        ~Fin() { b = false; }
    } fin{en_activation_};
    Etat_Projet &e = c.etat;
    const std::string choisi = Dialogue_Fichier_Courant().Ouvre(this).toStdString();
    c.shell.Laisse_Evenements();
    // Cancelled: the file compared so far stays.
    if (choisi.empty())
        return;
    const std::string ancien = e.Nom_Compar;
    e.Nom_Compar = choisi;
    try {
        Lit_Projet_Compare(e);
    } catch (const std::exception &ex) {
        e.Nom_Compar = ancien;
        Message_Lecture(ex);
        return;
    }
    if (!e.Dossier_Programme.empty())
        QDir::setCurrent(QString::fromStdString(e.Dossier_Programme));
    if (Visible())
        Comparer();
}

void Montre_Comparaison(Contexte &ctx) {
    ctx.Joue_Son("ocean4.wav");
    Menu_Compar &w = ctx.Fenetre<Menu_Compar>();
    // A minimised window keeps its icon's size.
    if (w.Etat_Fenetre() != Fenetre_Fille::Etat::Minimise)
        w.Deplace(w.Gauche(), w.Haut(), Twips_En_Pixels(LARGEUR_OUTIL),
                  Twips_En_Pixels(HAUTEUR_OUTIL));
    w.Montre();
}

} // namespace gabarit
