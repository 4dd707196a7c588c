#include "stability/fenetres/Menu_Deplacement.h"

#include <QEvent>
#include <QFrame>
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
#include <cmath>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Numeros.h"
#include "model/Voyants.h"
#include "platform/Boite_Message.h"
#include "platform/Controles.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "shell/fenetres/Rafraichit_Menus.h"
#include "stability/Centrage.h"
#include "stability/Saisie_Deplacement.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {
// Order in which the reader and the display walk the controls.
constexpr int ORDRE[16] = {0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15};

const char *const NOMS_POIDS[8] = {"Servo 1", "Servo 2", "Recepteur", "Batterie",
                                   "Winch",   "Carene",  "Bulbe ",    "Libre"};
const char *const NOMS_POSITION[8] = {"Servo 1", "Servo 2", "Recepteur", "Batterie",
                                      "Winch",   "Carene",  "Bulbe %",   "Libre"};

QString Texte_Entier(double v) { return Texte_Nombre(Int(v)); }
} // namespace

Menu_Deplacement::Menu_Deplacement(Contexte &ctx)
    : Fenetre_Fille(ctx, QStringLiteral("Menu_Deplacement"), QStringLiteral("Menu Deplacement")) {
    SSTab1_ = Onglets(this, 2);

    // Two tabs of two "Reglage" frames of four rows each: weights, then stations.
    for (int onglet = 0; onglet < 2; ++onglet) {
        auto *page = new QWidget(SSTab1_);
        auto *lp = new QVBoxLayout(page);
        auto *cadres = new QHBoxLayout;
        for (int f = 0; f < 2; ++f) {
            auto *cadre = new QGroupBox(QStringLiteral("Reglage"), page);
            auto *g = new QGridLayout(cadre);
            g->setContentsMargins(4, 4, 4, 4);
            for (int r = 0; r < 4; ++r) {
                const int i = onglet * 8 + f * 4 + r;
                const char *nom = onglet == 0 ? NOMS_POIDS[i % 8] : NOMS_POSITION[i % 8];
                auto *lab = new QLabel(QString::fromLatin1(nom), cadre);
                lab->setObjectName(QStringLiteral("Label1_%1").arg(i));
                lab->installEventFilter(this);
                auto *txt = new QLineEdit(cadre);
                txt->setObjectName(QStringLiteral("Text1_%1").arg(i));
                txt->setMaximumWidth(70);
                auto *spin = new UpDown(cadre);
                spin->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
                spin->setBuddy(txt);
                spin->setIncrement(10);
                // The stations' range follows the hull's length at every display.
                const Plage_Deplacement p = Plage_Champ_Deplacement(i, 10);
                spin->setRange(static_cast<int>(p.minimum), static_cast<int>(p.maximum));
                g->addWidget(lab, r, 0);
                g->addWidget(txt, r, 1);
                g->addWidget(spin, r, 2);
                Label1_[static_cast<std::size_t>(i)] = lab;
                Text1_[static_cast<std::size_t>(i)] = txt;
                UpDown1_[static_cast<std::size_t>(i)] = spin;
                connect(spin, &UpDown::MouseDown, this,
                        [this] { Menu_Deplacement_UpDown1_MouseDown(); });
                connect(spin, &UpDown::Change, this,
                        [this, i] { Touche_[static_cast<std::size_t>(i)] = true; });
                connect(txt, &QLineEdit::textEdited, this,
                        [this, i] { Touche_[static_cast<std::size_t>(i)] = true; });
            }
            cadres->addWidget(cadre);
        }
        lp->addLayout(cadres);
        auto *valide = new QPushButton(QStringLiteral("Valide"), page);
        valide->setObjectName(QStringLiteral("Command1_%1").arg(onglet == 0 ? 0 : 2));
        lp->addWidget(valide, 0, Qt::AlignRight);
        Boutons_[static_cast<std::size_t>(onglet)] = valide;
        SSTab1_->addTab(page, onglet == 0 ? QStringLiteral("Poids") : QStringLiteral("Position"));
    }

    // "Parametres": the three centres with their view colours, and the total weight.
    auto *page = new QWidget(SSTab1_);
    auto *lp = new QHBoxLayout(page);
    auto *position = new QGroupBox(QStringLiteral("Position"), page);
    auto *gp = new QGridLayout(position);
    static const char *const centres[3] = {"Centre Gravite", "Centre Voilure",
                                           "Centre Anti-Derive"};
    static const char *const couleurs[3] = {"rgb(0,0,255)", "rgb(255,0,0)", "rgb(0,128,0)"};
    for (int k = 0; k < 3; ++k) {
        auto *forme = new QFrame(position);
        forme->setObjectName(QStringLiteral("Shape1_%1").arg(k));
        forme->setFixedSize(10, 10);
        forme->setStyleSheet(QStringLiteral("background-color: %1;").arg(couleurs[k]));
        auto *val = new QLabel(position);
        val->setObjectName(QStringLiteral("Label3_%1").arg(k));
        gp->addWidget(forme, k, 0);
        gp->addWidget(new QLabel(QString::fromLatin1(centres[k]), position), k, 1);
        gp->addWidget(val, k, 2);
        Shape1_[static_cast<std::size_t>(k)] = forme;
        Label3_[static_cast<std::size_t>(k)] = val;
    }
    lp->addWidget(position);
    auto *droite = new QVBoxLayout;
    auto *info = new QGroupBox(QStringLiteral("Info"), page);
    auto *li = new QHBoxLayout(info);
    li->addWidget(new QLabel(QStringLiteral("Poid Total"), info));
    Text1_[16] = new QLineEdit(info);
    Text1_[16]->setObjectName("Text1_16");
    li->addWidget(Text1_[16]);
    droite->addWidget(info);
    auto *cgrav = new QPushButton(QStringLiteral("C/Grav"), page);
    cgrav->setObjectName("Command1_8");
    auto *valide = new QPushButton(QStringLiteral("Valide"), page);
    valide->setObjectName("Command1_4");
    droite->addWidget(cgrav);
    droite->addWidget(valide);
    lp->addLayout(droite);
    Boutons_[2] = valide;
    Boutons_[3] = cgrav;
    SSTab1_->addTab(page, QStringLiteral("Parametres"));

    for (QPushButton *b : Boutons_)
        connect(b, &QPushButton::clicked, this, [this] { Menu_Deplacement_Command1_Click(); });
    if (ctx.zone)
        connect(ctx.zone, &QMdiArea::subWindowActivated, this,
                [this](QMdiSubWindow *w) { Menu_Deplacement_Form_Activate(w); });
}

QPushButton *Menu_Deplacement::Command1(int i) const {
    switch (i) {
    case 0:
        return Boutons_[0];
    case 2:
        return Boutons_[1];
    case 4:
        return Boutons_[2];
    case 8:
        return Boutons_[3];
    default:
        return nullptr;
    }
}

void Menu_Deplacement::Affiche_Deplacement() {
    if (!Visible())
        return;
    const Etat_Projet &e = ctx().etat;
    Essaie([&] {
        const int L = static_cast<int>(Arrondi(Fini(e.L())));
        for (int i = 8; i <= 15; ++i)
            UpDown1(i)->setRange(0, L);
        for (int i : ORDRE) {
            if (i == 14) {
                UpDown1(14)->setRange(20, 80);
            }
            // The spinner holds whole grams and millimetres, and its box shows what
            // "Valide" will store; a value beyond its range is shown as it is.
            const double v = e.P(ELEMENT_DEPLACEMENT[i]);
            UpDown *spin = UpDown1(i);
            const bool dans_bornes = v >= spin->minimum() && v <= spin->maximum();
            spin->Montre_Valeur(dans_bornes ? Arrondi(v) : v);
            Touche_[static_cast<std::size_t>(i)] = false;
        }
        Text1(16)->setText(Texte_Nombre(e.P(POIDS_TOTAL)));
        Text1(16)->setCursorPosition(0); // the kilograms, not the tail of the decimals
        Label3(0)->setText(Texte_Entier(e.P(CENTRE_GRAVITE_X)));
        Label3(1)->setText(Texte_Entier(e.P(CENTRE_VELIQUE_X)));
        Label3(2)->setText(Texte_Entier(e.P(CENTRE_ANTI_DERIVE)));
    });
}

std::optional<Saisie_Deplacement> Menu_Deplacement::Lit_Saisie() {
    const Etat_Projet &e = ctx().etat;
    Saisie_Deplacement s;
    for (int i : ORDRE) {
        const std::size_t k = static_cast<std::size_t>(i);
        UpDown *spin = UpDown1(i);
        const double v = e.P(ELEMENT_DEPLACEMENT[i]);
        // An untouched box still shows the record as it is: its spinner's value, or the
        // record's own value when that lies outside the spinner's range.
        if (!Touche_[k] && Text1(i)->text() == Texte_Nombre(v)) {
            if (v >= spin->minimum() && v <= spin->maximum())
                s[k] = spin->value();
            continue;
        }
        double lu = 0;
        if (!Lit_Nombre(Text1(i)->text(), lu)) {
            Refuse(i, QStringLiteral("La valeur de \"%1\" n'est pas un nombre.")
                          .arg(Label1(i)->text().trimmed()));
            return std::nullopt;
        }
        s[k] = lu;
    }
    const std::optional<Refus_Deplacement> r = Verifie_Deplacement(e, s);
    if (!r)
        return s;
    if (r->motif == Refus_Deplacement::Motif::Poids_Nul)
        Refuse(0, QString::fromUtf8(MESSAGE_POIDS_NUL));
    else
        Refuse(r->champ, QStringLiteral("La valeur de \"%1\" doit être comprise entre %2 et %3.")
                             .arg(Label1(r->champ)->text().trimmed(), Texte_Nombre(r->minimum),
                                  Texte_Nombre(r->maximum)));
    return std::nullopt;
}

void Menu_Deplacement::Refuse(int champ, const QString &message) {
    SSTab1_->setCurrentIndex(champ < 8 ? 0 : 1);
    Text1(champ)->setFocus();
    Boite_Message(this, message, MB_EXCLAMATION, QStringLiteral("Attention"));
}

bool Menu_Deplacement::Lire_Deplacement() {
    const std::optional<Saisie_Deplacement> s = Lit_Saisie();
    if (!s)
        return false;
    Stocke_Deplacement(ctx().etat, *s);
    return true;
}

void Menu_Deplacement::Menu_Deplacement_Command1_Click() {
    // A heel button or toolbar key pressed meanwhile waits: it would run inside the
    // flotation, which lets events run.
    ctx().Commande(Contexte::Si_Occupe::Garde, [this] {
        try {
            Etat_Projet &e = ctx().etat;
            // A weight or a station typed anew puts the heel results out of date through the
            // command runner; the centring floats the upright heel again.
            if (!Lire_Deplacement())
                return;
            Calcul_Centrage(e, ctx().shell);
            Rafraichit_Menus(ctx());
            Redessine_Deplacement(ctx());
        } catch (const Erreur_Gabarit &ex) {
            // The zero weight and a failed flotation are reported where they are found.
            if (!ex.Signalee())
                Boite_Message(this, QString::fromStdString(ex.what()), MB_EXCLAMATION,
                              QStringLiteral("Attention"));
        }
    });
}

void Menu_Deplacement::Menu_Deplacement_Form_Activate(QMdiSubWindow *w) {
    if (!w || w != Cadre() || Etat_Fenetre() == Etat::Minimise)
        return;
    Affiche_Deplacement();
    Deplace(Gauche(), Haut(), Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
}

void Menu_Deplacement::Menu_Deplacement_Label1_Click(int index) {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this, index] {
        Etat_Projet &e = ctx().etat;
        if (index >= 8 && index < 16) {
            double v = 0;
            // A station beyond a float's reach would draw nowhere.
            if (!Lit_Nombre(Text1(index)->text(), v) || std::abs(v) > 1e30)
                return;
            e.X_Item_Choisi = static_cast<float>(v);
        } else {
            e.X_Item_Choisi = -1;
        }
        Redessine_Deplacement(ctx());
    });
}

void Menu_Deplacement::Menu_Deplacement_UpDown1_MouseDown() {
    ctx().Commande(Contexte::Si_Occupe::Execute,
                   [this] { Invalide_Calculs(ctx().etat, ctx().shell); });
}

void Menu_Deplacement::showEvent(QShowEvent *ev) {
    Fenetre_Fille::showEvent(ev);
    Affiche_Deplacement();
}

bool Menu_Deplacement::eventFilter(QObject *o, QEvent *ev) {
    if (ev->type() == QEvent::MouseButtonRelease)
        for (int i = 0; i < 16; ++i)
            if (o == Label1_[static_cast<std::size_t>(i)]) {
                Menu_Deplacement_Label1_Click(i);
                return true;
            }
    return Fenetre_Fille::eventFilter(o, ev);
}

} // namespace gabarit
