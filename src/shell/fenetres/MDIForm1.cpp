#include "shell/fenetres/MDIForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <cstdlib>
#include <ctime>
#include <exception>

#include "fenetres/Contexte.h"
#include "model/Numeros.h"
#include "model/Projet_Enregistre.h"
#include "model/fenetres/Asst_0.h"
#include "model/fenetres/Commandes_Fichier.h"
#include "model/fenetres/M_AngGit.h"
#include "model/fenetres/M_PasHor.h"
#include "model/fenetres/M_PasVer.h"
#include "model/fenetres/Menu_FG.h"
#include "platform/Dialogue_Fichier.h"
#include "platform/Son.h"
#include "printing/fenetres/Menu_Impression.h"
#include "rig/fenetres/Menu_Appendice.h"
#include "rig/fenetres/Menu_Voile.h"
#include "shell/Demarrage.h"
#include "shell/fenetres/Aastuce.h"
#include "shell/fenetres/Aide.h"
#include "shell/fenetres/Presentation.h"
#include "shell/fenetres/Shell_Qt.h"
#include "stability/fenetres/Menu_Compar.h"
#include "stability/fenetres/Menu_Deplacement.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"
#include "views/fenetres/M_AngRot.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {
// A settings dialog shown modally: the menu command returns when it closes.
template <class D> std::function<void()> Modal(Contexte &c, QWidget *parent) {
    return [&c, parent] {
        D d(c, parent);
        d.exec();
    };
}
} // namespace

MDIForm1::MDIForm1(Etat_Projet &etat, QWidget *parent)
    : QMainWindow(parent), etat_(etat), zone_(new QMdiArea(this)),
      shell_(std::make_unique<Shell_Qt>(this, etat)),
      ctx_(std::make_unique<Contexte>(etat, *shell_, zone_)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setCentralWidget(zone_);
    zone_->setObjectName(QStringLiteral("Zone"));
    ctx_->cadre = this;
    shell_->Fixe_Contexte(ctx_.get());
    ctx_->Montre_Nom_Projet();
    setWindowIcon(QIcon(QString::fromStdString(etat_.Fichier_Programme("icones/Voile.png"))));
    Cree_Menus();
    Cree_Barre();
    Cree_Statut();
    resize(1024, 700);
}

MDIForm1::~MDIForm1() {
    // The child windows refer to the context: let them go before it does.
    delete zone_;
    zone_ = nullptr;
    ctx_->zone = nullptr;
}

QAction *MDIForm1::Action(const QString &nom) const {
    // The frame's own menus and toolbar: a child window's toolbar may use the same keys.
    for (QAction *a : findChildren<QAction *>())
        if (a->objectName() == nom &&
            !(zone_ && zone_->isAncestorOf(qobject_cast<QWidget *>(a->parent()))))
            return a;
    return nullptr;
}

void MDIForm1::Commande(const std::function<void()> &f) {
    // The open command floats the hull and lets events run meanwhile: no second command
    // may start under it. A menu command a refusal ends did not do what the user asked:
    // its reason is shown.
    if (ctx_->Commande(Contexte::Si_Occupe::Garde, f, Contexte::Si_Refus::Message))
        shell_->Synchronise_Cle_Vue();
}

QAction *MDIForm1::Item(QMenu *menu, const char *nom, const QString &legende,
                        const std::function<void()> &f) {
    QAction *a = menu->addAction(legende);
    a->setObjectName(QString::fromUtf8(nom));
    if (f)
        connect(a, &QAction::triggered, this, [this, f] { Commande(f); });
    return a;
}

void MDIForm1::Montre_Normal(Fenetre_Fille &w) {
    w.Montre();
    if (w.Cadre())
        w.Cadre()->showNormal();
}

void MDIForm1::Va_Dossier_Programme() {
    if (!etat_.Dossier_Programme.empty())
        QDir::setCurrent(QString::fromStdString(etat_.Dossier_Programme));
}

void MDIForm1::Cree_Menus() {
    Contexte &c = *ctx_;
    auto haut = [this](const char *nom, const QString &legende) {
        QMenu *m = menuBar()->addMenu(legende);
        m->setObjectName(QString::fromUtf8(nom));
        m->menuAction()->setObjectName(QString::fromUtf8(nom));
        return m;
    };
    auto separateur = [](QMenu *m, const char *nom) { m->addSeparator()->setObjectName(nom); };

    QMenu *fichier = haut("T_Fichier", QStringLiteral("Fichier"));
    Item(fichier, "Nouveau", QStringLiteral("Nouveau"), [&c] {
        Cache_Fenetres(c);
        c.Fenetre<Asst_0>().Montre();
    });
    separateur(fichier, "SepNouveau");
    Item(fichier, "M_Fichier_Copier", QStringLiteral("Copier"),
         [&c] { MDIForm1_M_Fichier_Copier_Click(c); });
    Item(fichier, "M_Fichier_Ouvrir", QStringLiteral("Ouvir"),
         [&c] { MDIForm1_M_Fichier_Ouvrir_Click(c); });
    Item(fichier, "M_Fichier_Sauver", QStringLiteral("Sauver"),
         [&c] { MDIForm1_M_Fichier_Sauver_Click(c); });
    separateur(fichier, "separa");
    Item(fichier, "M_Fichier_Quitter", QStringLiteral("Quiter"), [this, &c] {
        if (Peut_Quitter_Projet(c))
            MDIForm1_MDIForm_Terminate();
    });

    // "Impression" is a top item without a submenu: it shows the print window.
    QAction *impression = menuBar()->addAction(QStringLiteral("Impression"));
    impression->setObjectName(QStringLiteral("T_Impression"));
    connect(impression, &QAction::triggered, this,
            [this, &c] { Commande([&c] { Montre_Menu_Impression(c); }); });

    QMenu *config = haut("T_Configuration", QStringLiteral("Configuration"));
    QAction *presse = Item(config, "PressePapier", QStringLiteral("Presse Papier"), nullptr);
    presse->setCheckable(true);
    // The one-shot copy is only ever checked here; the next view clicked clears it.
    connect(presse, &QAction::triggered, presse, [presse] { presse->setChecked(true); });
    QAction *son = Item(config, "Son", QStringLiteral("Son"), nullptr);
    son->setCheckable(true);
    son->setChecked(true);
    c.PressePapier = presse;
    c.Son = son;
    separateur(config, "SepSon");
    Item(config, "M_Configuration_Horizontal", QStringLiteral("Pas Horizontal"),
         Modal<M_PasHor>(c, this));
    Item(config, "M_Configuration_Vertical", QStringLiteral("Pas Vertical"),
         Modal<M_PasVer>(c, this));
    separateur(config, "separ");
    Item(config, "M_Configuration_Gite", QStringLiteral("Angle de Gite"), Modal<M_AngGit>(c, this));
    Item(config, "M_Configuration_Rotation", QStringLiteral("Angle de Rotation"),
         Modal<M_AngRot>(c, this));
    separateur(config, "sepa");
    QAction *astuce = Item(config, "astuce", QStringLiteral("Astuce du jour"), nullptr);
    astuce->setCheckable(true);
    astuce->setChecked(true);
    // P(SANS_ASTUCE) 1 = no tip at start; kept in tov.ini.
    // Under a computation too: the check mark and the record must agree.
    connect(astuce, &QAction::toggled, this, [this](bool coche) {
        ctx_->Commande(Contexte::Si_Occupe::Execute,
                       [this, coche] { etat_.P(SANS_ASTUCE) = coche ? 0 : 1; });
    });
    separateur(config, "separrateu");
    // Turned off in the menu definition: hidden, so enabling the menus never brings them back.
    Item(config, "Voilure_Libre", QStringLiteral("Voilure Libre"), nullptr)->setVisible(false);
    Item(config, "Voilure_Class", QStringLiteral("Voilure Internatoinal CLASS"), nullptr)
        ->setVisible(false);

    QMenu *outils = haut("T_Outils", QStringLiteral("Menu"));
    Item(outils, "M_Outils_Appendices", QStringLiteral("Appendices"),
         [this, &c] { Montre_Normal(c.Fenetre<Menu_Appendice>()); });
    Item(outils, "M_Outils_Deplacement", QStringLiteral("Deplacement"),
         [this, &c] { Montre_Normal(c.Fenetre<Menu_Deplacement>()); });
    Item(outils, "M_Outils_Forme", QStringLiteral("Forme de la Carene"),
         [this, &c] { Montre_Normal(c.Fenetre<Menu_FG>()); });
    Item(outils, "M_Outils_Voiles", QStringLiteral("Voilure"),
         [this, &c] { Montre_Normal(c.Fenetre<Menu_Voile>()); });
    separateur(outils, "Sep");
    Item(outils, "Comparaison", QStringLiteral("Comparaison"),
         [&c] { c.Fenetre<Menu_Compar>().Montre(); });
    Item(outils, "Outils", QStringLiteral("Outils"), nullptr);
    Item(outils, "ListVar", QStringLiteral("ListVar"), nullptr);
    Item(outils, "Assistant", QStringLiteral("Assistant"), nullptr);
    outils->menuAction()->setVisible(false);

    QMenu *vue = haut("T_Mode", QStringLiteral("Vue"));
    Item(vue, "V_Couples", QStringLiteral("Couples"), [&c] { c.Fenetre<ACoup>().Montre(); });
    Item(vue, "V_Deplacement", QStringLiteral("Deplacement / Apendices"),
         [&c] { c.Fenetre<ADeplacement>().Montre(); });
    Item(vue, "V_F_Carene", QStringLiteral("Forme Carene"),
         [&c] { c.Fenetre<AProfile>().Montre(); });
    Item(vue, "V_Voilure", QStringLiteral("Voilure"), [&c] { c.Fenetre<AVoile>().Montre(); });
    vue->menuAction()->setVisible(false);

    // Help topics, numbered 0 to 16 in menu order.
    QMenu *aide = haut("T_Aide", QStringLiteral("Aide"));
    int sujet = 0;
    auto topic = [&](QMenu *m, const char *nom, const QString &legende) {
        const int n = sujet++;
        Item(m, nom, legende, [&c, n] { c.Fenetre<Aide>().Montre_Sujet(n); });
    };
    auto sous_menu = [](QMenu *m, const char *nom, const QString &legende) {
        QMenu *s = m->addMenu(legende);
        s->setObjectName(QString::fromUtf8(nom));
        s->menuAction()->setObjectName(QString::fromUtf8(nom));
        return s;
    };
    topic(aide, "ADC", QStringLiteral("Aire des couples"));
    topic(aide, "a", QStringLiteral("Allongement"));
    topic(aide, "AD", QStringLiteral("Anti-Derive"));
    topic(aide, "CP", QStringLiteral("Coefficient Prismatique"));
    QMenu *couples = sous_menu(aide, "C", QStringLiteral("Couples"));
    topic(couples, "CR", QStringLiteral("Reglage"));
    topic(couples, "EC", QStringLiteral("En Cours"));
    topic(aide, "D", QStringLiteral("Deplacement"));
    topic(aide, "FG", QStringLiteral("Forme Generale"));
    topic(aide, "G", QStringLiteral("Gite"));
    topic(aide, "Pd", QStringLiteral("Pendulaire"));
    QMenu *precision = sous_menu(aide, "P", QStringLiteral("Precision"));
    topic(precision, "PG", QStringLiteral("Generale"));
    topic(precision, "PH", QStringLiteral("Horizontale"));
    topic(precision, "PV", QStringLiteral("Verticale"));
    QMenu *stabilite = sous_menu(aide, "S", QStringLiteral("Stabilite"));
    topic(stabilite, "SG", QStringLiteral("Globale"));
    topic(stabilite, "SF", QStringLiteral("Forme"));
    topic(stabilite, "SP", QStringLiteral("Poids"));
    topic(aide, "V", QStringLiteral("Voilure"));

    QAction *info = menuBar()->addAction(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("T_Info"));
    connect(info, &QAction::triggered, this,
            [this, &c] { Commande([&c] { c.Fenetre<Presentation>().Montre(); }); });

    menus_haut_ = {fichier->menuAction(),
                   impression,
                   config->menuAction(),
                   outils->menuAction(),
                   vue->menuAction(),
                   aide->menuAction(),
                   info};
}

void MDIForm1::Cree_Statut() {
    QStatusBar *barre = statusBar();
    barre->setObjectName(QStringLiteral("StatusBar1"));
    barre->setSizeGripEnabled(false);
    const int largeurs[3] = {160, 70, 90};
    for (int k = 0; k < 3; ++k) {
        auto *l = new QLabel(barre);
        l->setObjectName(QStringLiteral("Panneau_%1").arg(k + 1));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(largeurs[k]);
        barre->addWidget(l);
        panneaux_[static_cast<std::size_t>(k)] = l;
    }
    progression_ = new QProgressBar(barre);
    progression_->setObjectName(QStringLiteral("ProgressBar1"));
    progression_->setRange(0, 100);
    progression_->setValue(0);
    progression_->setTextVisible(false);
    progression_->setMaximumWidth(240);
    barre->addPermanentWidget(progression_);
}

void MDIForm1::Desactive_Menus() {
    toolbar_->setEnabled(false);
    for (QAction *a : menus_haut_)
        a->setEnabled(false);
}

void MDIForm1::Active_Menus() {
    toolbar_->setEnabled(true);
    for (QAction *a : menus_haut_)
        a->setEnabled(true);
}

void MDIForm1::Peint_Voyants(const std::array<int, 7> &couleurs) {
    for (std::size_t k = 0; k < 7; ++k) {
        voyants_[k]->setProperty("couleur", couleurs[k]);
        voyants_[k]->update();
    }
}

void MDIForm1::MDIForm1_MDIForm_Load() {
    // No command may start before the project is in place; the guard gives the frame back
    // however the load ends.
    struct Reprise {
        MDIForm1 *f;
        ~Reprise() {
            f->zone_->setEnabled(true);
            f->menuBar()->setEnabled(true);
            f->toolbar_->setEnabled(true);
        }
    } reprise{this};
    zone_->setEnabled(false);
    menuBar()->setEnabled(false);
    toolbar_->setEnabled(false);
    show();
    try {
        Cache_Fenetres(*ctx_);
        Va_Dossier_Programme();
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        const QString choisi = Dialogue_Fichier_Courant().Ouvre(this);
        shell_->Laisse_Evenements();
        Va_Dossier_Programme();
        const Resultat_Demarrage r = Demarrage_Projet(etat_, *shell_, choisi.toStdString());
        reglages_ecrivables_ = r.reglages_ecrivables;
        ctx_->Reglages_Ecrivables = r.reglages_ecrivables;
        Va_Dossier_Programme();
        ctx_->Montre_Nom_Projet();
        QAction *astuce = Action(QStringLiteral("astuce"));
        if (etat_.P(SANS_ASTUCE) == 1) {
            astuce->blockSignals(true);
            astuce->setChecked(false);
            astuce->blockSignals(false);
        }
        if (astuce->isChecked())
            ctx_->Fenetre<Aastuce>().Affiche_Astuce();
        Demarrage_Calculs(etat_, *shell_, r);
    } catch (const std::exception &ex) {
        shell_->Message(ex.what(), 48, "Attention");
    }
    shell_->Synchronise_Cle_Vue();
}

void MDIForm1::MDIForm1_MDIForm_Terminate() {
    if (termine_)
        return;
    termine_ = true;
    Va_Dossier_Programme();
    // A settings file that cannot be written is reported; quitting still quits.
    Ecrit_Reglages_Arret(etat_, *shell_, reglages_ecrivables_);
    for (Fenetre_Fille *w : ctx_->Fenetres())
        w->Cache();
    hide();
    // Sounds end now, without waiting on the audio server.
    Arrete_Sons();
    QCoreApplication::quit();
}

bool MDIForm1::Peut_Fermer() {
    if (!ctx_->Occupe())
        return Peut_Quitter_Projet(*ctx_);
    // A computation is writing its results into the record: no save now, only leaving the
    // changes or going on.
    return !Projet_Modifie(etat_) ||
           shell_->Message("Un calcul est en cours : le projet ne peut pas être enregistré "
                           "maintenant.\nQuitter sans enregistrer ?",
                           MB_OUI_NON, "Attention") == REPONSE_OUI;
}

void MDIForm1::closeEvent(QCloseEvent *ev) {
    // Kept: the program runs on with its project.
    if (!termine_ && !Peut_Fermer()) {
        ev->ignore();
        return;
    }
    MDIForm1_MDIForm_Terminate();
    ev->accept();
}

} // namespace gabarit
