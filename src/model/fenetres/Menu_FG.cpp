#include "model/fenetres/Menu_FG.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>
#include <cmath>

#include "fenetres/Contexte.h"
#include "fenetres/Fenetres_Outils.h"
#include "model/Carene.h"
#include "model/Garde_Station.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "model/Saisie_Forme.h"
#include "model/Voyants.h"
#include "model/fenetres/Editeur_Forme.h"
#include "model/fenetres/Menu_VariationForme.h"
#include "platform/Boite_Message.h"
#include "platform/Nombres.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "stability/Centrage.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

const QString ATTENTION = QStringLiteral("Attention");

int Entier(double v) {
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(std::clamp(Arrondi(v), double(INT_MIN / 2), double(INT_MAX / 2)));
}

// Rounded down to the hundredth of a millimetre, as the Info frame shows lengths.
double Centieme(double v) { return Int(v * 100) / 100; }

// What the messages call each box.
QString Nom_Boite(int i) {
    static const QStringList noms =
        QStringLiteral("La hauteur du tableau arrière|La largeur du tableau arrière|"
                       "La hauteur de l'étrave|L'inclinaison de l'étrave|"
                       "La hauteur du maître couple|La largeur du maître couple|"
                       "La position du couple le plus haut (Pos Inf)|"
                       "La position du couple le plus large (Pos Sup)|"
                       "L'exposant avant du livet|L'exposant arrière du livet|"
                       "L'exposant arrière de la quille|L'exposant avant de la quille||"
                       "La longueur de la carène|Le report du tableau arrière incliné")
            .split(QLatin1Char('|'));
    return noms[std::clamp(i, 0, 14)];
}

} // namespace

Menu_FG::Menu_FG(Contexte &ctx)
    : Fenetre_Peinte(ctx, QStringLiteral("Menu_FG"),
                     QStringLiteral("Menu Forme Carene / Couples")) {
    Construit();
}

// --- Helpers ---

void Menu_FG::Montre_Spin(int index, double maximum, double minimum, double valeur) {
    Paire &p = paires_[index];
    p.spin->setRange(Entier(minimum), Entier(maximum));
    // The box shows the whole number even outside the range: a validation that changes
    // nothing must not pull a record value into the spinner's range.
    p.spin->Montre_Valeur(Arrondi(valeur));
    p.affiche = p.texte->text();
}

void Menu_FG::Montre_Texte(QLineEdit *t, double v) { t->setText(Texte_Nombre(v)); }

void Menu_FG::Fixe_Cle_Vue(const char *cle) {
    ctx().etat.Cle_Vue = cle;
    ctx().shell.Texte_Statut(2, cle);
}

void Menu_FG::Efface_Info() {
    for (QLabel *l : Label6_)
        l->setText(TIRETS);
}

double Menu_FG::Nombre_Boite(const QLineEdit *t) const {
    double v = 0;
    if (!Lit_Nombre(t->text(), v))
        throw Erreur_Gabarit("Pas un nombre");
    return v;
}

int Menu_FG::Option_Choisie() const {
    for (int i = 0; i < 4; ++i)
        if (Option1_[i]->isChecked())
            return i;
    return -1;
}

void Menu_FG::Pose_Station(double x) {
    // The spinner's change handler must leave the station alone meanwhile.
    pose_station_ = true;
    UpDown2_->Montre_Valeur(Arrondi(x));
    pose_station_ = false;
}

bool Menu_FG::Refuse(QLineEdit *boite, const QString &message) {
    Boite_Message(this, message, MB_EXCLAMATION, ATTENTION);
    for (QWidget *w = boite; w; w = w->parentWidget())
        if (SSTab1_->indexOf(w) >= 0)
            SSTab1_->setCurrentWidget(w);
    boite->setFocus();
    boite->selectAll();
    return false;
}

// --- Reading the window ---

std::optional<Saisie_Forme> Menu_FG::Lit_Saisie() {
    Saisie_Forme s;
    auto boite = [&](int i) { return i == 14 ? text1_[12] : text1_[i]; };
    // In the order of the tabs: every box must hold a number.
    const int ordre[] = {0, 1, 2, 3, 4, 5, 6, 7, 13, 14, 8, 9, 11, 10};
    for (int i : ordre) {
        QLineEdit *b = boite(i);
        double v = 0;
        if (!Lit_Nombre(b->text(), v)) {
            Refuse(b, QStringLiteral("%1 doit être un nombre : « %2 » est refusé.")
                          .arg(Nom_Boite(i), b->text().trimmed()));
            return std::nullopt;
        }
        if (i >= 8 && i <= 11) {
            s.t[i] = v;
        } else {
            s.v[i] = Arrondi(v); // spinners hold whole millimetres
            s.change[i] = paires_[i].texte->text() != paires_[i].affiche;
        }
    }
    const std::optional<Refus_Forme> r = Verifie_Saisie_Forme(ctx().etat, s);
    if (!r)
        return s;
    using M = Refus_Forme::Motif;
    const QString nom = Nom_Boite(r->boite), mn = Texte_Nombre(r->minimum),
                  mx = Texte_Nombre(r->maximum);
    QString message;
    switch (r->motif) {
    case M::Trop_Profond:
        message = QStringLiteral("%1 doit rester sous %2 mm : la table de carène ne va pas plus "
                                 "profond.")
                      .arg(nom, mx);
        break;
    case M::Trop_Long:
        message = QStringLiteral("La longueur de la carène ne peut pas dépasser %1 mm : la table "
                                 "de carène s'arrête là.")
                      .arg(mx);
        break;
    case M::Hors_Plage:
        message = QStringLiteral("%1 doit être comprise entre %2 et %3 mm.").arg(nom, mn, mx);
        break;
    case M::Negatif:
        message = QStringLiteral("%1 ne peut pas être négatif.").arg(nom);
        break;
    case M::Station_Hors:
        message = r->boite == 6 ? QStringLiteral("%1 doit être entre l'arrière et l'étrave : "
                                                 "plus de %2 et moins de %3 mm.")
                                      .arg(nom, mn, mx)
                                : QStringLiteral("%1 doit être entre l'arrière et l'étrave : "
                                                 "de %2 à %3 mm.")
                                      .arg(nom, mn, mx);
        break;
    case M::Longueur_Courte:
        message = QStringLiteral("La longueur de la carène (%1 mm) doit couvrir ses parties "
                                 "avant : au moins %2 mm devant le couple le plus large et plus "
                                 "de %3 mm devant le couple le plus haut.")
                      .arg(Texte_Nombre(s.v[13]), Texte_Nombre(r->avant_large),
                           Texte_Nombre(r->avant_haut));
        break;
    }
    Refuse(boite(r->boite), message);
    return std::nullopt;
}

bool Menu_FG::Verifie_Valeurs_FG() { return !Visible() || Lit_Saisie().has_value(); }

bool Menu_FG::Lit_Valeurs_FG() {
    if (!Visible())
        return true;
    const std::optional<Saisie_Forme> s = Lit_Saisie();
    if (!s)
        return false;
    Stocke_Saisie_Forme(ctx().etat, *s);
    return true;
}

void Menu_FG::Init_Report_TBI() {
    Etat_Projet &e = ctx().etat;
    // 10 mm short of the widest station, never below a vertical transom.
    const double mx = std::max(e.P(LONGUEUR_AR) - 10, 0.0);
    if (mx < e.P(REPORT_TA))
        e.P(REPORT_TA) = mx;
    Montre_Spin(14, mx, 0, e.P(REPORT_TA));
}

void Menu_FG::Lit_Report_TBI() {
    // A hidden window holds no edit: its spinner must not overwrite the transom.
    if (!Visible())
        return;
    Etat_Projet &e = ctx().etat;
    double v = paires_[14].spin->value();
    double lu = 0;
    if (Lit_Nombre(text1_[12]->text(), lu))
        v = Arrondi(lu);
    e.P(REPORT_TA) = v;
    if (e.P(REPORT_TA) > e.P(LONGUEUR_AR))
        e.P(REPORT_TA) = e.P(LONGUEUR_AR);
}

// --- Display ---

void Menu_FG::Aff_Valeurs_FG() {
    if (!Visible())
        return;
    Etat_Projet &e = ctx().etat;
    Garde_Station garde(e);
    const double l = e.L();
    Montre_Spin(0, e.P(HAUTEUR_MAX), 0, e.P(HAUTEUR_TA));
    Montre_Spin(1, 2 * e.P(DEMI_LARGEUR_MAX), 1, 2 * e.P(DEMI_LARGEUR_TA));
    Montre_Spin(2, e.P(HAUTEUR_MAX), 0, e.P(HAUTEUR_ETRAVE));
    Montre_Spin(3, l / 10, 0, e.P(LONGUEUR_ETRAVE));
    Montre_Spin(4, 300, 20, e.P(HAUTEUR_MAX));
    Montre_Spin(5, l / 2, 20, 2 * e.P(DEMI_LARGEUR_MAX));
    Montre_Spin(6, l - e.P(LONGUEUR_ETRAVE), 0, e.P(POSITION_COUPLE_HAUT));
    Montre_Spin(7, l, 0, e.P(LONGUEUR_AR));
    UpDown2_->setRange(0, Entier(l));
    Montre_Texte(text1_[10], e.P(EXP_QUILLE_AR));
    Montre_Texte(text1_[11], e.P(EXP_QUILLE_AV));
    Montre_Texte(text1_[9], e.P(EXP_LIVET_AR));
    Montre_Texte(text1_[8], e.P(EXP_LIVET_AV));
    Montre_Spin(13, 2000, 10, l);
    Aff_Info();
    Aff_Caracteristiques();
}

void Menu_FG::Aff_Info() {
    Etat_Projet &e = ctx().etat;
    const bool cle_x = e.Cle_Vue == "X";
    const bool calcule = Essaie([&] {
        Calcul_Couple(e);
        if (!cle_x)
            return;
        const double x = e.X_Couple, report = e.P(REPORT_TA);
        double livet = 0, quille = 0, total = 0, largeur = 0;
        bool vu = false;
        if (x >= report) {
            livet = Centieme(e.Cote_Livet);
            quille = Centieme(e.Tirant_Eau_Couple);
            total = Centieme(e.Hauteur_Couple);
            largeur = 2 * Centieme(e.Demi_Largeur_Pont);
            vu = true;
        }
        if (x > 0 && x < report) {
            livet = Centieme(e.Cote_Livet);
            quille = Centieme(e.Tirant_Eau_Couple);
            largeur = 2 * Centieme(e.Demi_Largeur_Pont);
            total = quille - livet;
            vu = true;
        }
        if (x == 0) {
            // The transom seen face-on: its top edge at P(REPORT_TA), its keel at the stern.
            e.X_Couple = report;
            Calcul_Couple(e);
            livet = Centieme(e.Cote_Livet);
            largeur = 2 * Centieme(e.Demi_Largeur_Pont);
            e.X_Couple = 0;
            Calcul_Couple(e);
            quille = Centieme(e.Tirant_Eau_Couple);
            total = quille - livet;
            vu = true;
        }
        if (vu) {
            Label6_[0]->setText(Texte_Nombre(livet));
            Label6_[1]->setText(Texte_Nombre(quille));
            Label6_[3]->setText(Texte_Nombre(total));
            Label6_[2]->setText(Texte_Nombre(largeur));
        }
    });
    if (!calcule && cle_x)
        Efface_Info();
}

void Menu_FG::Aff_Caracteristiques() {
    Etat_Projet &e = ctx().etat;
    // Each figure on its own: one that cannot be worked out (no weight yet, no sail) shows
    // dashes and the others are still shown.
    auto montre = [&](int i, auto calcul, const char *suffixe) {
        if (!Essaie([&] {
                Label4_[i]->setText(Texte_Nombre(Fini(calcul())) + QString::fromUtf8(suffixe));
            }))
            Label4_[i]->setText(TIRETS);
    };
    montre(
        0, [&] { return e.L(); }, " mm");
    montre(
        1, [&] { return 2 * e.P(DEMI_LARGEUR_MAX); }, " mm");
    montre(
        2,
        [&] {
            // Hull draft at the keel station, plus keel span and bulb height.
            e.X_Couple = e.P(POSITION_DERIVE);
            Calcul_Couple(e);
            return Int(e.P(HAUTEUR_BULBE) + e.P(LONGUEUR_DERIVE) + e.Tirant_Eau_Couple);
        },
        " mm");
    montre(
        3, [&] { return e.P(POIDS_TOTAL) / 1000; }, " Kgr");
    montre(
        4, [&] { return Int(e.P(SURFACE_VOILURE) / 10000); }, "");
    montre(
        5, [&] { return e.P(Coef_Prismatique_Gite(0)); }, "");
    montre(
        6, [&] { return Int(Divise(e.P(POIDS_BULBE), e.P(POIDS_TOTAL)) * 100); }, " %");
    montre(
        7, [&] { return Int(Divise(e.P(SURFACE_GV) / 10000, e.P(POIDS_TOTAL) / 1000)); }, "");
    montre(
        8, [&] { return Int(Divise(e.P(Moment_Redressement(6)), e.P(SURFACE_GV)) * 100) / 100; },
        "");
    montre(
        9, [&] { return Fix(e.P(Surface_Mouillee_Gite(0))); }, "");
}

// --- Commands ---

void Menu_FG::Command1_Click() {
    const auto valide = [this] {
        Etat_Projet &e = ctx().etat;
        // Every box is checked before anything is stored, the step included.
        if (!Verifie_Valeurs_FG())
            return;
        const auto sauve = e.Tab_Param;
        Remet_Pas_Horizontal(e);
        Lit_Report_TBI();
        if (!Lit_Valeurs_FG())
            return;
        {
            // Commands that would compute or change the heel wait meanwhile; the views
            // are drawn once the numbers are settled. Which heel results a new hull leaves
            // out of date is the command runner's to decide.
            Contexte::Garde_Occupe occupe(ctx());
            if (!Calcul_Tab_Ou_Retablit(e, sauve, ctx().shell))
                return;
            Calcul_Centrage(e, ctx().shell);
        }
        Redessine_Tout(ctx());
        Aff_Valeurs_FG();
    };
    // A refusal past the hull table (the weights, the flotation) is told and puts the hull
    // back as it was.
    ctx().Commande(Contexte::Si_Occupe::Ignore, valide, Contexte::Si_Refus::Message);
}

void Menu_FG::Command2_Click() {
    auto &v = ctx().Fenetre<Menu_VariationForme>();
    v.Deplace(0, 0, Twips_En_Pixels(LARGEUR_OUTIL), Twips_En_Pixels(HAUTEUR_OUTIL));
    v.Montre();
}

void Menu_FG::Command4_Click() {
    ctx().Commande(
        Contexte::Si_Occupe::Execute,
        [this] {
            Etat_Projet &e = ctx().etat;
            Fixe_Cle_Vue("X");
            Efface_Info();
            if (Text2_->text().trimmed().isEmpty())
                Text2_->setText(QStringLiteral("0"));
            double x = 0;
            if (!Lit_Nombre(Text2_->text(), x)) {
                Refuse(Text2_, QStringLiteral("Le numéro de couple doit être un nombre : « %1 » "
                                              "est refusé.")
                                   .arg(Text2_->text().trimmed()));
                return;
            }
            const double l = e.L();
            if (x >= l)
                x = l;
            if (x < 0)
                x = 0;
            x = Fix(x);
            Text2_->setText(Texte_Nombre(x));
            Pose_Station(x);
            e.X_Couple = x;
            Redessine_Coupe(ctx());
            Aff_Valeurs_FG();
        },
        Contexte::Si_Refus::Message);
}

void Menu_FG::UpDown1_Click(int index, bool haut) {
    if (index < 8 || index > 11)
        return;
    ctx().Commande(Contexte::Si_Occupe::Execute, [this, index, haut] {
        const double pas = Option2_[0]->isChecked() ? 0.1 : 1;
        QLineEdit *t = text1_[index];
        const double n = Nombre_Boite(t);
        // Spun exponents stay within 1 to 12; the record changes only at "Valide".
        if (haut)
            t->setText(n + pas > 12 ? QStringLiteral("12") : Texte_Nombre(n + pas));
        else
            t->setText(n - pas < 1 ? QStringLiteral("1") : Texte_Nombre(n - pas));
    });
}

void Menu_FG::UpDown1_MouseUp() {
    ctx().Commande(Contexte::Si_Occupe::Execute, [this] {
        Invalide_Calculs(ctx().etat, ctx().shell);
        // The spinner's value as "Valide" will take it: the box's number when it holds one.
        auto valeur = [&](int i) {
            double v = 0;
            return Lit_Nombre(paires_[i].texte->text(), v) ? Arrondi(v)
                                                           : double(paires_[i].spin->value());
        };
        auto borne = [&](int i, int j) {
            if (valeur(i) > valeur(j)) {
                const double v = valeur(j);
                paires_[i].spin->setValue(v);
                paires_[i].texte->setText(Texte_Nombre(v));
            }
        };
        borne(0, 4); // transom depth at most the greatest depth
        borne(1, 5); // transom width at most the beam
        borne(2, 4); // stem-foot depth at most the greatest depth
    });
}

void Menu_FG::UpDown2_Change() {
    ctx().Commande(
        Contexte::Si_Occupe::Execute,
        [this] {
            Etat_Projet &e = ctx().etat;
            Fixe_Cle_Vue("X");
            Efface_Info();
            if (pose_station_)
                return;
            e.P(ANGLE_ROTATION) = 0;
            e.X_Couple = Nombre_Boite(Text2_);
            if (Check1_->isChecked())
                Redessine_Coupe(ctx());
        },
        Contexte::Si_Refus::Message);
}

void Menu_FG::UpDown2_MouseUp() {
    ctx().Commande(
        Contexte::Si_Occupe::Execute,
        [this] {
            Etat_Projet &e = ctx().etat;
            const double x = Nombre_Boite(Text2_);
            {
                pose_station_ = true;
                const auto fin = qScopeGuard([this] { pose_station_ = false; });
                UpDown2_->setValue(x);
            }
            e.X_Couple = x;
            if (!Check1_->isChecked())
                Redessine_Coupe(ctx());
            Aff_Valeurs_FG();
        },
        Contexte::Si_Refus::Message);
}

// --- Window events ---

void Menu_FG::Peint() {
    Garde_Taille(LARGEUR_OUTIL, HAUTEUR_OUTIL);
    Init_Report_TBI();
    if (Option1_[0]->isChecked())
        ctx().etat.X_Couple = 0;
    Aff_Valeurs_FG();
}

void Menu_FG::showEvent(QShowEvent *ev) {
    Fenetre_Peinte::showEvent(ev);
    // At once, so that whoever arranges the other windows around this one sees its size.
    Garde_Taille(LARGEUR_OUTIL, HAUTEUR_OUTIL);
}

bool Menu_FG::eventFilter(QObject *o, QEvent *ev) {
    if (ev->type() == QEvent::MouseButtonPress)
        for (int i = 0; i < 4; ++i)
            if (o == Option1_[i]) {
                // The button takes its press first: the handler lets events run, and the
                // release of a quick click must find the button down, or it stays drawn
                // pressed. Selecting is the release's, after the handler either way.
                static_cast<QObject *>(Option1_[i])->event(ev);
                Option1_MouseDown(i);
                return true;
            }
    return Fenetre_Peinte::eventFilter(o, ev);
}

void Menu_FG::Au_Fermeture() {
    Fixe_Cle_Vue("TB_ET");
    // The next opening finds the window as it was first made.
    Option2_[1]->setChecked(true);
    Check1_->setChecked(false);
    Text2_->clear();
    Efface_Selection();
    SSTab1_->setCurrentIndex(0);
}

void Menu_FG::Efface_Selection() {
    Picture2_->Marqueur()->hide();
    Text2_->clear();
    Efface_Info();
    for (QRadioButton *b : Option1_) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}

} // namespace gabarit
