#include "rig/fenetres/Menu_Appendice.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Voyants.h"
#include "platform/Boite_Message.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "rig/Bulbe.h"
#include "rig/fenetres/Comp_Bulbe.h"
#include "rig/fenetres/Comp_Derive.h"
#include "rig/fenetres/Comp_Safran.h"
#include "shell/fenetres/Rafraichit_Menus.h"
#include "stability/Centrage.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

const char *const LEGENDES[NB_CHAMPS_APPENDICE] = {"Position",
                                                   "Largeur Sup",
                                                   "Largeur Inf",
                                                   "Longueur",
                                                   "Inclinaison",
                                                   "Position",
                                                   "Largeur Sup",
                                                   "Longueur",
                                                   "Position %",
                                                   "",
                                                   "Longueur",
                                                   "",
                                                   "",
                                                   "Largeur Inf"};

// A figure of an "Info" frame.
QLabel *Chiffre(QWidget *parent, const QString &nom) {
    QLabel *v = Valeur(parent, nom);
    v->setMinimumWidth(50);
    return v;
}
} // namespace

Menu_Appendice::Menu_Appendice(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_Appendice"), QStringLiteral("Menu Appendice")) {
    Construit();
    for (QPushButton *b : Command1_)
        connect(b, &QPushButton::clicked, this, [this] { Valide_Clic(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { Ouvre_Profils_Safran(); });
    connect(Command3_, &QPushButton::clicked, this, [this] { Ouvre_Profils_Derive(); });
    connect(Command4_, &QPushButton::clicked, this, [this] { Ouvre_Profils_Bulbe(); });
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow *w) { Form_Activate(w); });
}

QLabel *Menu_Appendice::Label1(int i) const {
    return i >= 14 ? Info_[static_cast<std::size_t>(i)] : Champ(i).legende;
}

// --- Controls ---

void Menu_Appendice::Info_Ligne(QWidget *cadre, int rang, int legende, const char *texte,
                                QLabel *valeur) {
    auto *g = static_cast<QGridLayout *>(cadre->layout());
    auto *l = new QLabel(QString::fromLatin1(texte), cadre);
    l->setObjectName(QStringLiteral("Label1_%1").arg(legende));
    l->setWordWrap(true);
    Info_[static_cast<std::size_t>(legende)] = l;
    g->addWidget(l, rang, 0);
    g->addWidget(valeur, rang, 1);
}

void Menu_Appendice::Infos_Plan(QWidget *page, int frame, const QString &prefixe,
                                std::array<QLabel *, 3> &chiffres, std::array<int, 3> legendes,
                                int decalage) {
    QWidget *info = page->findChild<QGroupBox *>(QStringLiteral("Frame1_%1").arg(frame));
    static const char *const textes[3] = {"Surface Reel", "Surface Theorique", "Allongement"};
    for (std::size_t i = 0; i < 3; ++i)
        chiffres[i] = Chiffre(info, QStringLiteral("%1_%2").arg(prefixe).arg(i));
    for (std::size_t i = 0; i < 3; ++i)
        Info_Ligne(info, static_cast<int>(i), legendes[i], textes[i], chiffres[i]);
    QLabel *&valeur = Info_[static_cast<std::size_t>(decalage + 1)];
    valeur = Chiffre(info, QStringLiteral("Label1_%1").arg(decalage + 1));
    Info_Ligne(info, 3, decalage, "Decalage Centres Anti-Derive/Voilure", valeur);
}

QWidget *Menu_Appendice::Onglet(int reglage, std::initializer_list<int> champs, int info,
                                int valide, QPushButton *&naca) {
    auto *page = new QWidget(SSTab1_);
    auto *g = new QGridLayout(page);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(2);
    QGroupBox *cadre =
        Groupe(page, QStringLiteral("Frame1_%1").arg(reglage), QStringLiteral("Reglage"));
    QGridLayout *gr = Grille_Cadre(cadre);
    int rang = 0;
    for (int i : champs)
        Champ(i).Cree(cadre, gr, rang++, i, QString::fromLatin1(LEGENDES[i]),
                      [this] { Fleche_Appui(); });
    g->addWidget(cadre, 0, 0, 2, 1);
    QGroupBox *infos = Groupe(page, QStringLiteral("Frame1_%1").arg(info), QStringLiteral("Info"));
    Grille_Cadre(infos);
    g->addWidget(infos, 0, 1);
    auto *boutons = new QHBoxLayout;
    naca = Bouton(page, QStringLiteral("Command%1").arg(valide / 2 + 2),
                  QStringLiteral("Profils NACA"));
    Command1_[static_cast<std::size_t>(valide / 2)] =
        Bouton(page, QStringLiteral("Command1_%1").arg(valide), QStringLiteral("Valide"));
    boutons->addStretch();
    boutons->addWidget(naca);
    boutons->addWidget(Command1_[static_cast<std::size_t>(valide / 2)]);
    g->addLayout(boutons, 1, 1, Qt::AlignBottom);
    return page;
}

void Menu_Appendice::Construit() {
    Police_8(this);
    SSTab1_ = Onglets(this, 2);

    // "Safran": the rudder.
    QWidget *safran = Onglet(2, {0, 1, 2, 3, 4}, 0, 0, Command2_);
    Infos_Plan(safran, 0, QStringLiteral("Label2"), Label2_, {14, 15, 16}, 20);
    SSTab1_->addTab(safran, QStringLiteral("Safran"));

    // "Derive": the keel.
    QWidget *derive = Onglet(1, {5, 6, 13, 7}, 3, 2, Command3_);
    Infos_Plan(derive, 3, QStringLiteral("Label3"), Label3_, {19, 18, 17}, 22);
    SSTab1_->addTab(derive, QStringLiteral("Derive"));

    // "Bulbe": where the keel tip holds the bulb, and how long it is.
    QWidget *bulbe = Onglet(4, {8, 10}, 5, 4, Command4_);
    auto *reglage = bulbe->findChild<QGroupBox *>(QStringLiteral("Frame1_4"));
    auto *gr = static_cast<QGridLayout *>(reglage->layout());
    Label4_ = new QLabel(QStringLiteral("Profil NACA  en cours : Vue de Dessus"), reglage);
    Label4_->setObjectName(QStringLiteral("Label4"));
    Label4_->setWordWrap(true);
    Label5_ = Chiffre(reglage, QStringLiteral("Label5"));
    Label5_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    gr->addWidget(Label4_, 2, 0, 1, 2);
    gr->addWidget(Label5_, 2, 2);
    QWidget *info = bulbe->findChild<QGroupBox *>(QStringLiteral("Frame1_5"));
    Label6_ = new QLabel(QStringLiteral("La position en % détermine le recule du Bulbe par "
                                        "rapport à l'axe de fixation représenté en jaune.") +
                             QString(38, QLatin1Char(' ')) +
                             QStringLiteral("Cette axe est lui même positionne à 30% de la "
                                            "largueur  du plan de dérive "),
                         info);
    Label6_->setObjectName(QStringLiteral("Label6"));
    Label6_->setWordWrap(true);
    static_cast<QGridLayout *>(info->layout())->addWidget(Label6_, 0, 0);
    SSTab1_->addTab(bulbe, QStringLiteral("Bulbe"));
    resize(Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
}

// --- Display and reading ---

void Menu_Appendice::Affiche_Appendice() {
    if (!Visible())
        return;
    const Etat_Projet &e = ctx().etat;
    // A hull length that is not a number leaves the fields; the figures follow.
    Essaie([&] {
        const std::array<Bornes, NB_CHAMPS_APPENDICE> b = Bornes_Appendice(e);
        for (int i : ORDRE_APPENDICE)
            Champ(i).Montre(b[static_cast<std::size_t>(i)],
                            e.P(ELEMENT_APPENDICE[static_cast<std::size_t>(i)]));
    });
    const Chiffres_Appendice c = Calcule_Chiffres_Appendice(e);
    Label2_[0]->setText(Texte_Nombre(c.safran_surface));
    Label2_[1]->setText(Texte_Nombre(c.safran_theorique));
    Label2_[2]->setText(Texte_Nombre(c.safran_allongement));
    Label3_[0]->setText(Texte_Nombre(c.derive_surface));
    Label3_[1]->setText(Texte_Nombre(c.derive_theorique));
    Label3_[2]->setText(Texte_Nombre(c.derive_allongement));
    // A hull of no length has no offset to show.
    const QString decalage =
        c.decalage_centres ? Texte_Nombre(*c.decalage_centres) + QLatin1Char('%') : TIRETS;
    Info_[21]->setText(decalage);
    Info_[23]->setText(decalage);
    Label5_->setText(Texte_Nombre(c.naca_dessus));
}

bool Menu_Appendice::Verifie_Saisies() {
    const Etat_Projet &e = ctx().etat;
    for (int i : ORDRE_APPENDICE) {
        const QString message =
            Champ(i).Verifie(e.P(ELEMENT_APPENDICE[static_cast<std::size_t>(i)]));
        if (!message.isEmpty()) {
            SSTab1_->setCurrentIndex(i <= 4 ? 0 : (i == 8 || i == 10) ? 2 : 1);
            Champ(i).texte->setFocus();
            Boite_Message(this, message, MB_EXCLAMATION, QStringLiteral("Attention"));
            return false;
        }
    }
    return true;
}

void Menu_Appendice::Lire_Appendice() {
    Etat_Projet &e = ctx().etat;
    for (int i : ORDRE_APPENDICE) {
        double &v = e.P(ELEMENT_APPENDICE[static_cast<std::size_t>(i)]);
        v = Champ(i).Valeur(v);
    }
}

// --- Handlers ---

void Menu_Appendice::Valide_Clic() {
    // The boxes are in the record once read: a refusal after that is told, not swallowed.
    ctx().Commande(
        Contexte::Si_Occupe::Garde,
        [this] {
            if (!Verifie_Saisies())
                return;
            Lire_Appendice();
            // The appendages' figures and the bulb height (its length may have changed) follow
            // in the centring's derivation, before the views show them.
            Calcul_Centrage(ctx().etat, ctx().shell);
            Rafraichit_Menus(ctx());
            Redessine_Deplacement(ctx());
            Redessine_Voilure(ctx());
        },
        Contexte::Si_Refus::Message);
}

void Menu_Appendice::Ouvre_Profils_Safran() { ctx().Fenetre<Comp_Safran>().Montre(); }

void Menu_Appendice::Ouvre_Profils_Derive() { ctx().Fenetre<Comp_Derive>().Montre(); }

void Menu_Appendice::Ouvre_Profils_Bulbe() { ctx().Fenetre<Comp_Bulbe>().Montre(); }

void Menu_Appendice::Fleche_Appui() {
    ctx().Commande(Contexte::Si_Occupe::Execute,
                   [this] { Invalide_Calculs(ctx().etat, ctx().shell); });
}

void Menu_Appendice::Form_Activate(QMdiSubWindow *w) {
    if (!w || w != Cadre() || Etat_Fenetre() == Etat::Minimise)
        return;
    Deplace(Gauche(), Haut(), Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
    Affiche_Appendice();
}

} // namespace gabarit
