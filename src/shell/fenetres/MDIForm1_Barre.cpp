// The main toolbar of MDIForm1: its keys, the seven heel buttons with their lights, and the
// one click handler with the window arrangements it makes.
#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <exception>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "interfaces/Garde_Menus.h"
#include "model/Numeros.h"
#include "model/fenetres/Commandes_Fichier.h"
#include "model/fenetres/Menu_FG.h"
#include "model/fenetres/Menu_VarList.h"
#include "platform/Twips.h"
#include "rig/fenetres/Menu_Appendice.h"
#include "rig/fenetres/Menu_Voile.h"
#include "rig/fenetres/Menu_VoileClass.h"
#include "shell/Arrangements.h"
#include "shell/Chaine_Nombre.h"
#include "shell/Serie_Gite.h"
#include "shell/Services_Projet.h"
#include "shell/fenetres/MDIForm1.h"
#include "shell/fenetres/Shell_Qt.h"
#include "stability/fenetres/Menu_Compar.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "stability/fenetres/Menu_Stabilite.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

// A light of a heel button: a filled circle in the colour of its "couleur" property
// (an RGB value packed in one number: 255 red, 65280 green).
class Voyant : public QWidget {
public:
    explicit Voyant(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setProperty("couleur", COULEUR_ROUGE);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        const int rgb = property("couleur").toInt();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        p.setBrush(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
        p.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }
};

struct Touche {
    const char *cle;
    const char *bulle;
    const char *icone;
};
// In the order they stand on the toolbar.
const Touche TOUCHES[] = {
    {"ouvrir", "Ouvir", "ouvrir"},
    {"sauver", "Sauver", "sauver"},
    {"copier", "Copier", "copier"},
    {"Profile", "Forme Carene", "Profile"},
    {"Voile", "Voilure, Appendice", "Voile"},
    {"Deplacement", "Deplacement, Appendice", "Deplacement"},
    {"Stabilite", "Stabilite,Coef Prismatique", "Stabilite"},
    {"Compar", "Comparaison de 2 Projets", "Compar"},
    {"Aff_Valeur", "Affiche Les valeurs", "Aff_Valeur"},
    {"Vue_Géné", "Vue Générale", "Vue_Generale"},
    {"Calcul_Gite", "Calcul Gîte 0-30°", "Calcul_Gite"},
};

// The outer size of a tool window once it has settled: a window shown for the first time
// takes its own size in the events it queued on showing, and grows to its contents when its
// pending layout requests run.
QSize Taille_Posee(Fenetre_Fille &w) {
    QCoreApplication::sendPostedEvents(&w, 0);
    if (w.Cadre())
        QCoreApplication::sendPostedEvents(w.Cadre(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return {w.Largeur_Externe(), w.Hauteur_Externe()};
}

void Place(Fenetre_Fille &w, const Rect_Fenetre &r) {
    w.Deplace(r.gauche, r.haut, r.largeur, r.hauteur);
}

} // namespace

void MDIForm1::Cree_Barre() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    for (const Touche &t : TOUCHES) {
        const QString cle = QString::fromUtf8(t.cle);
        const QString icone = QString::fromStdString(
            etat_.Fichier_Programme(std::string("icones/") + t.icone + ".png"));
        QAction *a = toolbar_->addAction(QIcon(icone), QString::fromUtf8(t.bulle));
        a->setObjectName(cle);
        a->setToolTip(QString::fromUtf8(t.bulle));
        connect(a, &QAction::triggered, this, [this, cle] { MDIForm1_Toolbar1_ButtonClick(cle); });
    }
    toolbar_->addSeparator();

    // The heel buttons sit on the toolbar, so disabling it locks them too.
    auto *rangee = new QWidget(toolbar_);
    rangee->setObjectName(QStringLiteral("Boutons_Gite"));
    const int pas = Twips_En_Pixels(240), haut = Twips_En_Pixels(375);
    rangee->setFixedSize(7 * pas, haut);
    for (int k = 0; k < 7; ++k) {
        auto *b = new QToolButton(rangee);
        b->setObjectName(QStringLiteral("Picture1_%1").arg(k));
        b->setToolTip(QStringLiteral("Gite %1°").arg(5 * k));
        b->setGeometry(k * pas, 0, pas, haut);
        b->setAutoRaise(false);
        auto *v = new Voyant(b);
        v->setObjectName(QStringLiteral("Shape1_%1").arg(k));
        const int d = Twips_En_Pixels(135);
        v->setGeometry((pas - d) / 2, Twips_En_Pixels(120), d, d);
        voyants_[static_cast<std::size_t>(k)] = v;
        connect(b, &QToolButton::clicked, this, [this, k] { MDIForm1_Picture1_Click(k); });
    }
    toolbar_->addWidget(rangee);
}

void MDIForm1::MDIForm1_Picture1_Click(int index) {
    // The heel cannot change under a computation.
    ctx_->Commande(Contexte::Si_Occupe::Ignore, [this, index] {
        ctx_->Joue_Son("Lake1.wav");
        etat_.P(ANGLE_GITE) = 5 * index;
        shell_->Texte_Statut(3, "Gite:" + Chaine_Nombre(etat_.P(ANGLE_GITE)));
        if (ACoup *c = ctx_->Existante<ACoup>(); c && c->Visible())
            Redessine_Coupe(*ctx_);
    });
}

void MDIForm1::MDIForm1_Toolbar1_ButtonClick(const QString &cle) {
    ctx_->Commande(Contexte::Si_Occupe::Garde, [this, &cle] { Execute_Touche(cle); });
}

void MDIForm1::Execute_Touche(const QString &cle) {
    bool fermeture = true;
    // A refusal ends the key's action and says why, once (the core marks what it has shown
    // itself); the closing steps below still give the frame back. Told through the context's
    // shell, it is the click's one box.
    Essaie_Signale(ctx_->shell, [&] {
        // Every key puts the heel back upright and the oblique view straight.
        etat_.P(ANGLE_GITE) = 0;
        shell_->Texte_Statut(3, "Gite:" + Chaine_Nombre(etat_.P(ANGLE_GITE)));
        etat_.P(ANGLE_ROTATION) = 0;

        if (cle == QStringLiteral("ouvrir"))
            fermeture = MDIForm1_M_Fichier_Ouvrir_Click(*ctx_, true);
        if (cle == QStringLiteral("sauver"))
            MDIForm1_M_Fichier_Sauver_Click(*ctx_, true);
        if (cle == QStringLiteral("copier"))
            MDIForm1_M_Fichier_Copier_Click(*ctx_, true);
        if (cle == QStringLiteral("Voile"))
            Barre_Voile();
        if (cle == QStringLiteral("Profile"))
            Barre_Profile();
        if (cle == QStringLiteral("Deplacement"))
            Barre_Deplacement();
        if (cle == QStringLiteral("Stabilite"))
            Barre_Stabilite();
        if (cle == QStringLiteral("Compar"))
            Montre_Comparaison(*ctx_);
        if (cle == QString::fromUtf8("Vue_Géné"))
            Barre_Vue_Generale();
        if (cle == QStringLiteral("Aff_Valeur"))
            Barre_Aff_Valeur();
        if (cle == QStringLiteral("Calcul_Gite"))
            Calcul_Gite_Serie(etat_, ctx_->shell, ctx_->Fenetre<Menu_Stabilite>(),
                              Passes_Gite::Toutes);
    });
    if (!fermeture) {
        shell_->Synchronise_Cle_Vue();
        return;
    }
    Garde_Menus::Fin_Calcul(*shell_);
    Essaie([this] { shell_->Texte_Statut(3, "Gite " + Chaine_Nombre(etat_.P(ANGLE_GITE))); });
    shell_->Synchronise_Cle_Vue();
    Va_Dossier_Programme();
}

void MDIForm1::Barre_Profile() {
    Contexte &c = *ctx_;
    c.Joue_Son("ocean1.wav");
    Cache_Fenetres(c);
    shell_->Texte_Statut(2, "TB_ET");
    Menu_FG &fg = c.Fenetre<Menu_FG>();
    fg.Deplace(0, 0);
    fg.Montre();
    fg.Efface_Selection();
    const QSize t = Taille_Posee(fg);
    const Arrangement_Outil a =
        Arrange_Outil(c.Largeur_Cadre(), c.Hauteur_Cadre(), t.width(), t.height());
    ACoup &coupe = c.Fenetre<ACoup>();
    Place(coupe, a.dessous);
    coupe.Montre();
    AProfile &profil = c.Fenetre<AProfile>();
    Place(profil, a.vue);
    profil.Montre();
}

void MDIForm1::Barre_Deplacement() {
    Contexte &c = *ctx_;
    c.Joue_Son("ocean3.wav");
    Cache_Fenetres(c);
    shell_->Texte_Statut(2, "TB_ET");
    Menu_Deplacement &dp = c.Fenetre<Menu_Deplacement>();
    dp.Deplace(0, 0);
    dp.Montre();
    const QSize t = Taille_Posee(dp);
    const Arrangement_Outil a =
        Arrange_Outil(c.Largeur_Cadre(), c.Hauteur_Cadre(), t.width(), t.height());
    Menu_Appendice &ap = c.Fenetre<Menu_Appendice>();
    ap.Deplace(0, a.haut_bas);
    ap.Montre();
    ADeplacement &vue = c.Fenetre<ADeplacement>();
    Place(vue, a.vue);
    vue.Montre();
}

void MDIForm1::Barre_Stabilite() {
    ctx_->Joue_Son("ocean4.wav");
    Menu_Stabilite &w = ctx_->Fenetre<Menu_Stabilite>();
    // Its size in twips, or what its captions need in the user's font when that is more. A
    // minimised window keeps its icon's size.
    const QSize mini = w.Cadre() ? w.Cadre()->minimumSizeHint() : w.minimumSizeHint();
    if (w.Etat_Fenetre() != Fenetre_Fille::Etat::Minimise)
        w.Deplace(w.Gauche(), w.Haut(), std::max(Twips_En_Pixels(LARGEUR_OUTIL), mini.width()),
                  std::max(Twips_En_Pixels(HAUTEUR_OUTIL), mini.height()));
    w.Montre();
}

void MDIForm1::Barre_Voile() {
    Contexte &c = *ctx_;
    c.Joue_Son("desert3.wav");
    Cache_Fenetres(c);
    Menu_Voile &voile = c.Fenetre<Menu_Voile>();
    voile.Deplace(0, 0);
    voile.Montre();
    const QSize t = Taille_Posee(voile);
    const Arrangement_Outil a =
        Arrange_Outil(c.Largeur_Cadre(), c.Hauteur_Cadre(), t.width(), t.height());
    // Under the sail window: the battens of a CLASS plan, else the appendages.
    Fenetre_Fille &dessous = etat_.P(OPTION_CLASS) == 1
                                 ? static_cast<Fenetre_Fille &>(c.Fenetre<Menu_VoileClass>())
                                 : c.Fenetre<Menu_Appendice>();
    dessous.Deplace(0, a.haut_bas);
    dessous.Montre();
    AVoile &vue = c.Fenetre<AVoile>();
    Place(vue, a.vue);
    vue.Montre();
}

void MDIForm1::Barre_Vue_Generale() {
    Contexte &c = *ctx_;
    c.Joue_Son("ocean5.wav");
    Cache_Fenetres(c);
    shell_->Texte_Statut(2, "TB_ET");
    const Arrangement_Vue_Generale a = Arrange_Vue_Generale(c.Largeur_Cadre(), c.Hauteur_Cadre());
    Place(c.Fenetre<AProfile>(), a.profile);
    Place(c.Fenetre<ACoup>(), a.coupe);
    Place(c.Fenetre<AVoile>(), a.voile);
    Place(c.Fenetre<ADeplacement>(), a.deplacement);
    c.Fenetre<ADeplacement>().Montre();
    c.Fenetre<AProfile>().Montre();
    c.Fenetre<ACoup>().Montre();
    c.Fenetre<AVoile>().Montre();
}

void MDIForm1::Barre_Aff_Valeur() {
    Contexte &c = *ctx_;
    c.Joue_Son("ocean1.wav");
    Cache_Fenetres(c);
    Menu_VarList &liste = c.Fenetre<Menu_VarList>();
    // Shown first: the editor takes its size when it becomes active, and is centred by it.
    liste.Montre();
    const QSize t = Taille_Posee(liste);
    const Rect_Fenetre r = Centre(c.Largeur_Cadre(), c.Hauteur_Cadre(), t.width(), t.height());
    liste.Deplace(r.gauche, r.haut);
    liste.Remplit_Liste();
    liste.Montre();
    Services().calcul_tab(c.etat);
}

} // namespace gabarit
