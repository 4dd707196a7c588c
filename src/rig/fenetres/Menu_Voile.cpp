#include "rig/fenetres/Menu_Voile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <limits>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Numeros.h"
#include "platform/Boite_Message.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "rig/Voilure.h"
#include "rig/Voilure_Class.h"
#include "rig/fenetres/Menu_VoileClass.h"
#include "rig/fenetres/Voilure_Vue.h"
#include "shell/fenetres/Rafraichit_Menus.h"
#include "stability/Derivation.h"
#include "stability/fenetres/Rafraichit_Comparaison.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {
constexpr int DELAI_PEINTURE = 20; // ms, a paint waiting for a command to end

// A figure, or " - - -" where its divisor was zero; suffixe follows the number.
void Montre_Chiffre(QLabel *l, const std::optional<double> &v, const QString &suffixe = {}) {
    l->setText(v ? Texte_Nombre(*v) + suffixe : TIRETS);
}

// What a box holds is not a number as the user's locale writes one: say which separator.
QString Pas_Un_Nombre(const QString &quoi) {
    return QStringLiteral("%1 n'est pas un nombre (séparateur décimal : « %2 »).")
        .arg(quoi, QLocale().decimalPoint());
}
} // namespace

Menu_Voile::Menu_Voile(Contexte &ctx)
    : Fenetre_Peinte(ctx, QStringLiteral("Menu_Voile"), QStringLiteral("Menu Voile Libre")) {
    Construit();
    for (QPushButton *b : Command1_)
        connect(b, &QPushButton::clicked, this, [this] { Valide_Clic(); });
    for (int i = 0; i < 2; ++i)
        connect(Command2_[static_cast<std::size_t>(i)], &QPushButton::pressed, this,
                [this, i] { Pas_Exposant_Appui(i); });
    connect(Command3_, &QPushButton::clicked, this, [this] { Libre_Vers_Class(); });
    // A change made by the program (a project loaded in CLASS mode) runs the handler too, so
    // the window's boxes always follow the box's state.
    connect(Check1_, &QCheckBox::toggled, this, [this](bool coche) { Bascule_Class(coche); });
    Remplit_Liste();
}

QLineEdit *Menu_Voile::Text1(int i) const { return i == 3 ? Exposant_ : Champ(i).texte; }

void Menu_Voile::Message(const QString &texte) {
    Boite_Message(this, texte, MB_EXCLAMATION, QStringLiteral("Attention"));
}

// --- Display ---

void Menu_Voile::Affiche_Voile() {
    if (!Visible())
        return;
    const Etat_Projet &e = ctx().etat;
    // A limit that is not a number leaves the fields as they were; the figures follow.
    Essaie([&] {
        const std::array<Bornes, NB_CHAMPS_VOILE> b = Bornes_Voile(e);
        for (int i = 0; i < NB_CHAMPS_VOILE; ++i)
            if (i != 3)
                Champ(i).Montre(b[static_cast<std::size_t>(i)],
                                e.P(ELEMENT_VOILE[static_cast<std::size_t>(i)]));
        Exposant_->setText(Texte_Nombre(e.P(EXP_CHUTE_GV)));
    });
    const Chiffres_Voile c = Calcule_Chiffres_Voile(e);
    const QString pour_cent = QStringLiteral(" %");
    Montre_Chiffre(Label5(1), c.mat_hauteur, pour_cent);
    Montre_Chiffre(Label5(3), c.mat_position, pour_cent);
    Montre_Chiffre(Label2(1), c.gv_allongement);
    Montre_Chiffre(Label2(3), c.gv_surface);
    Montre_Chiffre(Label2(5), c.gv_part, pour_cent);
    Montre_Chiffre(Label4(1), c.foc_allongement);
    Montre_Chiffre(Label4(3), c.foc_surface);
    Montre_Chiffre(Label4(5), c.foc_part, pour_cent);
    Montre_Chiffre(Label6(1), c.surface_totale);
    Montre_Chiffre(Label6(3), c.surface_foc);
    Montre_Chiffre(Label6(5), c.surface_gv);
    Montre_Chiffre(Label6(7), c.voilure_deplacement);
    Montre_Chiffre(Label6(9), c.voilure_mouillee);
    Montre_Chiffre(Label6(11), c.centre_velique);
    ctx().Fenetre<Menu_VoileClass>().Affiche(c);
}

void Menu_Voile::Remplit_Liste() {
    List1_->clear();
    for (const Etat_Projet::Ligne_Voile &l : ctx().etat.Liste_Voile)
        List1_->addItem(Texte_Nombre(l.hauteur) + QLatin1Char('\t') + Texte_Nombre(l.largeur));
}

void Menu_Voile::Peint() {
    Garde_Taille(LARGEUR_OUTIL, HAUTEUR_OUTIL);
    const bool classe = ctx().etat.P(OPTION_CLASS) == 1;
    if (Check1_->isChecked() != classe && ctx().Occupe()) {
        // The box's handler would be refused while a command runs (the toolbar's key asks
        // this window its size): the box follows the record once that is over.
        QTimer::singleShot(DELAI_PEINTURE, this, [this] { Demande_Peinture(); });
    } else {
        // A change of the box runs its handler, as a click would.
        Check1_->setChecked(classe);
    }
    Affiche_Voile();
}

// --- Reading ---

bool Menu_Voile::Verifie_Saisies() {
    const Etat_Projet &e = ctx().etat;
    for (int i = 0; i < NB_CHAMPS_VOILE; ++i) {
        if (i == 3)
            continue;
        const QString message = Champ(i).Verifie(e.P(ELEMENT_VOILE[static_cast<std::size_t>(i)]));
        if (!message.isEmpty()) {
            SSTab1_->setCurrentIndex(i <= 2 ? 0 : i <= 6 ? 1 : 2);
            Champ(i).texte->setFocus();
            Message(message);
            return false;
        }
    }
    return true;
}

bool Menu_Voile::Lit_Lattes(std::array<double, 3> &lattes) {
    Menu_VoileClass &c = ctx().Fenetre<Menu_VoileClass>();
    int illisible = 0;
    const auto lues = c.Lit_Lattes(&illisible);
    if (lues) {
        lattes = *lues;
        return true;
    }
    c.SSTab1()->setCurrentIndex(0);
    c.Text2(illisible)->setFocus();
    // The boxes' captions give the batten's height on the luff.
    Message(Pas_Un_Nombre(
        QStringLiteral("La latte à %1 du guindant").arg(c.Label2(4 + illisible)->text())));
    return false;
}

bool Menu_Voile::Lire_Voile(bool classe) {
    Etat_Projet &e = ctx().etat;
    Saisie_Voile s;
    s.plan_class = classe;
    for (int i = 0; i < NB_CHAMPS_VOILE; ++i)
        if (i != 3)
            s.valeurs[static_cast<std::size_t>(i)] =
                Champ(i).Valeur(e.P(ELEMENT_VOILE[static_cast<std::size_t>(i)]));
    if (!Lit_Nombre(Exposant_->text(), s.valeurs[3])) {
        if (classe) {
            // The CLASS plan does not use it: the record keeps its own.
            s.valeurs[3] = std::numeric_limits<double>::quiet_NaN();
        } else {
            SSTab1_->setCurrentIndex(0);
            Exposant_->setFocus();
            Message(Pas_Un_Nombre(QStringLiteral("L'exposant de chute")));
            return false;
        }
    }
    try {
        gabarit::Lire_Voile(e, s);
    } catch (const Erreur_Gabarit &ex) {
        Message(QString::fromStdString(ex.what()));
        return false;
    }
    return true;
}

// --- Handlers ---

void Menu_Voile::Valide_Clic() {
    // A refusal the handler does not show itself (the appendages, the view) is shown once.
    ctx().Commande(
        Contexte::Si_Occupe::Garde,
        [this] {
            const bool classe = Check1_->isChecked();
            std::array<double, 3> lattes{};
            // Every box is checked before anything is stored.
            if (!Verifie_Saisies() || (classe && !Lit_Lattes(lattes)) || !Lire_Voile(classe))
                return;
            Etat_Projet &e = ctx().etat;
            // A refused fit keeps the previous law, and the rest goes on with it; the user
            // hears "Calcul Impossible" once.
            const bool ajuste = !classe || Ajuste_Lattes(lattes);
            // The figures of the plan as it now stands (areas, centre of effort, the areas it
            // asks of the keel and rudder), before anything shows them.
            Derive_Sans_Second_Message(e, ajuste);
            if (!classe) {
                // A view that refuses its drawing ends the command, its reason told once.
                Redessine_Voilure(ctx());
                Rafraichit_Comparaison(ctx());
            } else {
                Actualise_Voilure(ctx());
                Trace_Voile_Class(ctx());
            }
            Rafraichit_Menus(ctx());
        },
        Contexte::Si_Refus::Message);
}

bool Menu_Voile::Ajuste_Lattes(const std::array<double, 3> &lattes) {
    try {
        Calcul_Roof_Lattes(ctx().etat, lattes);
        return true;
    } catch (const Erreur_Gabarit &) {
        Message(QString::fromLatin1(MESSAGE_CALCUL_IMPOSSIBLE));
    }
    // The battens of the law still in force, as its drawing shows them.
    Essaie([this] { ctx().Fenetre<Menu_VoileClass>().Montre_Lattes(Lattes_Loi(ctx().etat)); });
    return false;
}

void Menu_Voile::Montre_Class(Menu_VoileClass &c) {
    c.Place(Hauteur_Externe());
    c.Montre();
    Frame4_->setEnabled(false);
}

void Menu_Voile::Bascule_Class(bool coche) {
    // The free plan's drawing refused tells why its sails are missing; the CLASS plan's ends
    // quietly.
    ctx().Commande(
        Contexte::Si_Occupe::Garde, [this, coche] { Applique_Class(coche); },
        Contexte::Si_Refus::Message);
    // Refused, the plan stays as the record has it, and so does the box.
    const bool classe = ctx().etat.P(OPTION_CLASS) == 1;
    if (Check1_->isChecked() != classe) {
        const QSignalBlocker bloque(Check1_);
        Check1_->setChecked(classe);
        if (classe)
            Montre_Class(ctx().Fenetre<Menu_VoileClass>());
    }
}

void Menu_Voile::Applique_Class(bool coche) {
    Etat_Projet &e = ctx().etat;
    e.P(OPTION_CLASS) = coche ? 1 : 0;
    // The figures of the plan now chosen, before the drawing shows them.
    Derive_Valeurs(e);
    if (coche) {
        Montre_Class(ctx().Fenetre<Menu_VoileClass>());
        Actualise_Voilure(ctx());
        Trace_Voile_Class(ctx());
    } else {
        if (Menu_VoileClass *c = ctx().Existante<Menu_VoileClass>())
            c->Cache();
        Frame4_->setEnabled(true);
        Actualise_Voilure(ctx());
        Trace_Voilure(ctx());
    }
    Rafraichit_Menus(ctx());
}

void Menu_Voile::Pas_Exposant_Appui(int index) {
    double v = 0;
    // Text that is not a number is left for the user to mend; the record is not touched.
    if (!Lit_Nombre(Exposant_->text(), v))
        return;
    const double pas = Option1_[0]->isChecked() ? 1 : 0.1;
    Exposant_->setText(Texte_Nombre(Pas_Exposant(v, index == 0 ? pas : -pas)));
}

void Menu_Voile::Libre_Vers_Class() {
    ctx().Commande(
        Contexte::Si_Occupe::Garde,
        [this] {
            Etat_Projet &e = ctx().etat;
            Menu_VoileClass &c = ctx().Fenetre<Menu_VoileClass>();
            std::array<double, 3> lattes{};
            try {
                lattes = Calcul_Lattes(e);
            } catch (const Erreur_Gabarit &ex) {
                Message(QString::fromStdString(ex.what()));
                return;
            }
            // The free leech's widths as they are, for the user to adjust; the fit reads them
            // back as typed.
            for (int i = 0; i < 3; ++i)
                c.Text2(i)->setText(Texte_Nombre(lattes[static_cast<std::size_t>(i)]));
            const bool ajuste = Lit_Lattes(lattes) && Ajuste_Lattes(lattes);
            // The box ticked does what a click on it does, within this command, with the law
            // just fitted.
            e.P(OPTION_CLASS) = 1;
            {
                const QSignalBlocker bloque(Check1_);
                Check1_->setChecked(true);
            }
            Montre_Class(c);
            Derive_Sans_Second_Message(e, ajuste);
            Actualise_Voilure(ctx());
            Trace_Voile_Class(ctx());
            Rafraichit_Menus(ctx());
        },
        Contexte::Si_Refus::Message);
}

void Menu_Voile::Derive_Sans_Second_Message(Etat_Projet &e, bool ajuste) {
    try {
        Derive_Valeurs(e);
    } catch (const Erreur_Gabarit &ex) {
        // A fit refused has told "Calcul Impossible": the command ends on that one box.
        if (!ajuste)
            throw Erreur_Gabarit(ex.what(), true);
        throw;
    }
}

} // namespace gabarit
