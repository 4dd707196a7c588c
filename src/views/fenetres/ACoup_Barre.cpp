// The sections window's own toolbar: the four framings of the body plan, the zoom, and the
// heel run (the heel series without its wetted-surface pass).
#include <QAction>
#include <QIcon>
#include <QMdiArea>
#include <QToolBar>
#include <algorithm>
#include <exception>
#include <string>

#include "fenetres/Contexte.h"
#include "interfaces/Garde_Menus.h"
#include "model/Numeros.h"
#include "model/fenetres/Menu_FG.h"
#include "shell/Chaine_Nombre.h"
#include "shell/Serie_Gite.h"
#include "stability/fenetres/Menu_Stabilite.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {

struct Touche_Coupe {
    const char *cle;
    const char *bulle;
    const char *icone;
};
// In their order on the bar; the zoom keys come after a separator.
const Touche_Coupe TOUCHES[] = {
    {"Calcul_Gite", "Calcul Gîte 0-30°", "Calcul_Gite"},
    {"3D", "Vue 3D", "Couples_3D"},
    {"TB_MC", "Tableau arrière / Maitre couple", "Couples_TB_MC"},
    {"TB_ET", "Tableau arrière / Etrave", "Couples_TB_ET"},
    {"MC_ET", "Maitre couple / Etrave", "Couples_MC_ET"},
    {nullptr, nullptr, nullptr},
    {"EchM", "Echelle Moin", "EchM"},
    {"EchP", "Echelle Plus", "EchP"},
};

// The sections zoom divides the view's scale: it stays at one step or more.
constexpr float ECH_COUPLE_MINIMUM = 0.1f;

} // namespace

void ACoup::Cree_Barre() {
    toolbar_ = new QToolBar(QStringLiteral("Toolbar1"), this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(20, 20));
    for (const Touche_Coupe &t : TOUCHES) {
        if (!t.cle) {
            toolbar_->addSeparator();
            continue;
        }
        const QString cle = QString::fromUtf8(t.cle);
        const QString icone = QString::fromStdString(
            ctx().etat.Fichier_Programme(std::string("icones/") + t.icone + ".png"));
        QAction *a = toolbar_->addAction(QIcon(icone), QString::fromUtf8(t.bulle));
        a->setObjectName(cle);
        a->setToolTip(QString::fromUtf8(t.bulle));
        connect(a, &QAction::triggered, this, [this, cle] { ACoup_Toolbar1_ButtonClick(cle); });
    }
    toolbar_->setGeometry(0, 0, toolbar_->sizeHint().width(), toolbar_->sizeHint().height());
    Place_Image();
}

void ACoup::Cle_Vue(const QString &cle) {
    Contexte &c = ctx();
    if (Menu_FG *fg = c.Existante<Menu_FG>())
        fg->Efface_Selection();
    static const char *const SONS[][2] = {{"TB_ET", "ocean1.wav"},
                                          {"3D", "ocean2.wav"},
                                          {"MC_ET", "ocean3.wav"},
                                          {"TB_MC", "ocean4.wav"}};
    for (const auto &s : SONS)
        if (cle == QLatin1String(s[0]))
            c.Joue_Son(s[1]);
    c.shell.Texte_Statut(2, cle.toStdString());
    if (cle == QStringLiteral("3D")) {
        // The oblique view shows the hull heeled 15 and turned 15.
        c.etat.P(ANGLE_GITE) = 15;
        c.shell.Texte_Statut(3, "Gite:" + Chaine_Nombre(c.etat.P(ANGLE_GITE)).substr(1));
        c.etat.P(ANGLE_ROTATION) = 15;
    } else {
        c.etat.P(ANGLE_ROTATION) = 0;
    }
}

void ACoup::Zoom(float pas) {
    Contexte &c = ctx();
    // Only while the sections window is the frame's active child.
    if (!c.zone || c.zone->activeSubWindow() != Cadre())
        return;
    c.etat.Ech_Couple = std::max(ECH_COUPLE_MINIMUM, c.etat.Ech_Couple + pas);
}

void ACoup::ACoup_Toolbar1_ButtonClick(const QString &cle) {
    Contexte &c = ctx();
    // A failure ends the key's action where it stands, its reason shown (a heel series that
    // stops says why); the common end still runs.
    std::string dit; // the refusal shown to the user, if any
    const bool lance = c.Commande(
        Contexte::Si_Occupe::Garde,
        [this, &cle, &dit] {
            try {
                Touche(cle);
            } catch (const Erreur_Gabarit &err) {
                if (!err.Signalee())
                    dit = err.what();
                throw;
            }
        },
        Contexte::Si_Refus::Message);
    if (!lance)
        return;
    // The redraw below that fails for the same reason does not tell it a second time.
    if (!dit.empty())
        Nouveau_Refus(dit);
    // The common end, on every path. A framing the hull cannot be drawn in leaves the view
    // as it is.
    Garde_Menus::Fin_Calcul(c.shell);
    c.Commande(Contexte::Si_Occupe::Execute, [&c] { Redessine_Coupe(c); });
}

void ACoup::Touche(const QString &cle) {
    Contexte &c = ctx();
    for (const char *vue : {"TB_ET", "3D", "MC_ET", "TB_MC"})
        if (cle == QLatin1String(vue))
            Cle_Vue(cle);
    if (cle == QStringLiteral("EchM"))
        Zoom(0.1f);
    if (cle == QStringLiteral("EchP"))
        Zoom(-0.1f);
    if (cle == QStringLiteral("Calcul_Gite"))
        Calcul_Gite_Serie(c.etat, c.shell, c.Fenetre<Menu_Stabilite>(), Passes_Gite::Sans_Surfaces);
}

} // namespace gabarit
