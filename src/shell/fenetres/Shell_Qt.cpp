#include "shell/fenetres/Shell_Qt.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

#include "fenetres/Contexte.h"
#include "model/Erreur.h"
#include "model/Etat_Projet.h"
#include "platform/Boite_Message.h"
#include "platform/Image_Vue.h"
#include "platform/Son.h"
#include "platform/Twips.h"
#include "printing/fenetres/Menu_Impression.h"
#include "rig/fenetres/Comp_Bulbe.h"
#include "shell/fenetres/AEnCours.h"
#include "shell/fenetres/Aastuce.h"
#include "shell/fenetres/MDIForm1.h"
#include "stability/fenetres/Menu_Stabilite.h"

namespace gabarit {

void Shell_Qt::Texte_Statut(int panneau, const std::string &texte) {
    if (panneau < 1 || panneau > 3)
        return;
    if (panneau == 2)
        etat_.Cle_Vue = texte;
    cadre_->Panneau(panneau)->setText(QString::fromStdString(texte));
}

std::string Shell_Qt::Lit_Statut(int panneau) const {
    if (panneau == 2)
        return etat_.Cle_Vue;
    if (panneau < 1 || panneau > 3)
        return {};
    return cadre_->Panneau(panneau)->text().toStdString();
}

void Shell_Qt::Synchronise_Cle_Vue() {
    const QString cle = QString::fromStdString(etat_.Cle_Vue);
    if (cadre_->Panneau(2)->text() != cle)
        cadre_->Panneau(2)->setText(cle);
}

void Shell_Qt::Progression(double minimum, double maximum, double valeur) {
    auto entier = [](double v) {
        return std::isfinite(v) ? static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9))) : 0;
    };
    QProgressBar *p = cadre_->ProgressBar1();
    const int mn = entier(minimum), mx = std::max(entier(minimum), entier(maximum));
    const int v = std::clamp(entier(valeur), mn, mx);
    // The bar repaints itself at once on every visible step, and a walk steps it after each
    // station: a new range or an end is shown at once, the steps in between at most every
    // PAS_AFFICHAGE, the last one when that delay has run out.
    const bool bornes = p->minimum() != mn || p->maximum() != mx;
    if (bornes || v == mx || v == mn || !affichage_.isValid() ||
        affichage_.elapsed() >= PAS_AFFICHAGE_MS) {
        p->setRange(mn, mx);
        p->setValue(v);
        affichage_.start();
        en_attente_.stop();
        return;
    }
    valeur_en_attente_ = v;
    if (!en_attente_.isActive())
        en_attente_.start(PAS_AFFICHAGE_MS);
}

void Shell_Qt::Progression_En_Attente() {
    cadre_->ProgressBar1()->setValue(valeur_en_attente_);
    affichage_.start();
}

void Shell_Qt::Laisse_Evenements() {
    Synchronise_Cle_Vue();
    QCoreApplication::processEvents();
    // The frame was closed meanwhile: the running computation stops here, its guards put
    // the record back, and the program ends. The user asked for it: no message box.
    if (cadre_->Termine())
        throw Erreur_Gabarit("Calcul interrompu : le programme se ferme", true);
}

int Shell_Qt::Message(const std::string &texte, int style, const std::string &titre) {
    return Boite_Message(cadre_, QString::fromStdString(texte), style,
                         QString::fromStdString(titre));
}

void Shell_Qt::Peint_Voyants(const std::array<int, 7> &couleurs) {
    cadre_->Peint_Voyants(couleurs);
}

void Shell_Qt::Efface_Bulbe_Cote() {
    if (Comp_Bulbe *w = ctx_ ? ctx_->Existante<Comp_Bulbe>() : nullptr)
        w->Picture2()->Efface();
}

void Shell_Qt::Montre_Attente(bool visible) {
    if (!ctx_)
        return;
    if (visible)
        ctx_->Fenetre<AEnCours>().Montre();
    else if (AEnCours *w = ctx_->Existante<AEnCours>())
        w->Cache();
}

void Shell_Qt::Joue_Son(const std::string &fichier) {
    if (!ctx_ || !ctx_->Son || !ctx_->Son->isChecked())
        return;
    const QString chemin = QString::fromStdString(etat_.Fichier_Programme(fichier));
    if (Lecteur_Son)
        Lecteur_Son(chemin);
    else
        Joue_Fichier_Son(chemin);
}

void Shell_Qt::Desactive_Menus() { cadre_->Desactive_Menus(); }
void Shell_Qt::Active_Menus() { cadre_->Active_Menus(); }

void Shell_Qt::Init_Projet_Fenetres(double angle_bascule, double qualite_impression) {
    if (!ctx_)
        return;
    ctx_->Fenetre<Menu_Stabilite>().Init_Projet(angle_bascule);
    // The print window is created here, so its copy of the vertical step is taken now.
    Init_Projet_Impression(*ctx_, qualite_impression);
}

void Shell_Qt::Init_Variables_Fenetres() {
    if (!ctx_)
        return;
    // The tip window's size, 4125 x 4170 twips, without showing it.
    Aastuce &a = ctx_->Fenetre<Aastuce>();
    a.Deplace(a.Gauche(), a.Haut(), Twips_En_Pixels(4125), Twips_En_Pixels(4170));
}

} // namespace gabarit
