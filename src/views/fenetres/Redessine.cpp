#include "views/fenetres/Redessine.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <exception>
#include <functional>
#include <string>

#include "fenetres/Contexte.h"
#include "interfaces/Shell_Relais.h"
#include "model/fenetres/Menu_FG.h"
#include "platform/Nombres.h"
#include "rig/fenetres/Voilure_Vue.h"
#include "views/Dessins.h"
#include "views/fenetres/ACoup.h"
#include "views/fenetres/ADeplacement.h"
#include "views/fenetres/AProfile.h"
#include "views/fenetres/AVoile.h"

namespace gabarit {

namespace {

using Dessin = std::function<void(Etat_Projet &, Interface_Shell &, Canvas &)>;

bool Ouverte(const Fenetre_Vue *w) {
    return w && w->Visible() && w->Etat_Fenetre() == Fenetre_Fille::Etat::Normal;
}

// Another view on the screen stands refused for this reason: it was told when that view drew.
bool Refus_Affiche(Contexte &ctx, const Fenetre_Vue *w, const std::string &raison) {
    const Fenetre_Vue *vues[] = {ctx.Existante<AProfile>(), ctx.Existante<ACoup>(),
                                 ctx.Existante<ADeplacement>(), ctx.Existante<AVoile>()};
    for (const Fenetre_Vue *v : vues)
        if (v && v != w && v->Visible() && v->Refus() == raison)
            return true;
    return false;
}

// The shell a view's drawing tells through. What a drawing tells of itself (the sections view
// floats the hull first, and says when it cannot) is held back once the click has told its one
// box: it is told again by a later click that draws the view, a click on the view among them.
class Shell_Dessin : public Shell_Relais {
public:
    explicit Shell_Dessin(Contexte &ctx) : Shell_Relais(ctx.shell), ctx_(ctx) {}
    int Message(const std::string &texte, int style, const std::string &titre) override {
        if (Boite_Question(style) || ctx_.Boite_Clic_Permise())
            return suivant_.Message(texte, style, titre);
        return REPONSE_OK;
    }

private:
    Contexte &ctx_;
};

// Clears the view's own picture and runs its drawings on it. The drawings share the view
// transform (P(ECHELLE_VUE), P(ORIGINE_X), P(ORIGINE_Y)) and the working station: a redraw
// asked while another one lets events run (the body plan floats the hull first) waits until it is
// done, and the commands that would start a computation do nothing meanwhile. True when the view
// was drawn.
bool Redessine_Vue(Contexte &ctx, Fenetre_Vue *w, const Dessin &dessins) {
    if (!Ouverte(w))
        return false;
    if (Dessin_En_Cours(ctx)) {
        w->Differe_Redessin();
        return false;
    }
    bool echec = false;
    std::string raison;
    {
        Fenetre_Vue::Garde_Dessin dessin(*w);
        Contexte::Garde_Occupe occupe(ctx);
        w->Active();
        w->Picture1->Efface();
        try {
            Shell_Dessin shell(ctx);
            dessins(ctx.etat, shell, *w->Picture1);
        } catch (const Erreur_Gabarit &err) {
            raison = err.what();
            echec = true;
        }
        // The view is whole before anything else runs, a refused drawing's first steps too.
        w->Picture1->Acheve_Traits();
    }
    // A refused drawing leaves its view blank: the user is told why after the view is free
    // again, and the caller's handler ends at the failing step. A reason this view already
    // told, or another view on the screen stands refused for (one click shows them all, each
    // drawing itself), is left to the command it ends: a resize or click of the view ends
    // quietly, a window's command that shows its refusals tells it once more, as it ends that
    // command. When the click has told its box already (another view's refusal, the command's
    // own notice, the flotation's), this one waits for a later click that draws it, and the
    // command it ends says nothing more: one box a click.
    const bool nouveau = w->Nouveau_Refus(raison) && !Refus_Affiche(ctx, w, raison);
    if (nouveau && echec && ctx.Boite_Clic_Permise()) {
        ctx.shell.Message(raison, MB_EXCLAMATION, "Attention");
    } else if (nouveau && echec) {
        w->Nouveau_Refus("");
    }
    if (echec)
        throw Erreur_Gabarit(raison, nouveau);
    ctx.shell.Laisse_Evenements();
    return true;
}

// The station typed in the hull-form window's N°Couple box; 0 when the box is empty or the
// window was never opened. A text that is not a number ends the redraw.
double Station_Couple_X(Contexte &ctx) {
    Menu_FG *fg = ctx.Existante<Menu_FG>();
    QLineEdit *t = fg ? fg->findChild<QLineEdit *>(QStringLiteral("Text2")) : nullptr;
    if (!t || t->text().trimmed().isEmpty())
        return 0;
    double x = 0;
    if (!Lit_Nombre(t->text(), x))
        throw Erreur_Gabarit("Numéro de couple : ce n'est pas un nombre");
    return x;
}

// The sail view without its sails: the hull and its appendages at the sail plan's scale.
void Coque_Voilure(Etat_Projet &e, Interface_Shell &s, Canvas &c) {
    Echelle_Voilure(e, c);
    Trace_Profile(e, s, c);
    Trace_Safran(e, s, c);
    Trace_Derive(e, s, c);
    Trace_Bulbe(e, s, c);
}

} // namespace

bool Dessin_En_Cours(Contexte &ctx) {
    const Fenetre_Vue *vues[] = {ctx.Existante<AProfile>(), ctx.Existante<ACoup>(),
                                 ctx.Existante<ADeplacement>(), ctx.Existante<AVoile>()};
    for (const Fenetre_Vue *w : vues)
        if (w && w->En_Dessin())
            return true;
    return false;
}

void Redessine_Profil(Contexte &ctx) {
    Redessine_Vue(ctx, ctx.Existante<AProfile>(),
                  [](Etat_Projet &e, Interface_Shell &s, Canvas &c) {
                      Echelle_Profil(e, c);
                      Trace_Profile(e, s, c);
                      Trace_Vue_Dessus(e, s, c);
                  });
}

void Redessine_Coupe(Contexte &ctx) {
    // Status panel 2 shows the view key.
    ctx.shell.Texte_Statut(2, ctx.etat.Cle_Vue);
    Redessine_Vue(ctx, ctx.Existante<ACoup>(),
                  [&ctx](Etat_Projet &e, Interface_Shell &s, Canvas &c) {
                      Echelle_Coupe(e, c);
                      // Any other key, the empty one after a heel series among them, leaves the
                      // view blank.
                      if (e.Cle_Vue == "TB_ET")
                          Trace_Couples_TB_ET(e, s, c);
                      else if (e.Cle_Vue == "TB_MC")
                          Trace_Couples_TB_MC(e, s, c);
                      else if (e.Cle_Vue == "MC_ET")
                          Trace_Couples_MC_ET(e, s, c);
                      else if (e.Cle_Vue == "X")
                          Trace_Couple_X(e, s, c, Station_Couple_X(ctx));
                      else if (e.Cle_Vue == "3D") {
                          Echelle_3D(e, c);
                          Trace_Couples_3D(e, s, c);
                      }
                  });
}

void Redessine_Deplacement(Contexte &ctx) {
    const bool dessine = Redessine_Vue(ctx, ctx.Existante<ADeplacement>(),
                                       [](Etat_Projet &e, Interface_Shell &s, Canvas &c) {
                                           Echelle_Deplacement(e, c);
                                           // The profile sets the scale the appendages and sails
                                           // use.
                                           Trace_Profile(e, s, c);
                                           Trace_Safran(e, s, c);
                                           Trace_Derive(e, s, c);
                                           Trace_Voile_Projet(e, s, c);
                                           Trace_Bulbe(e, s, c);
                                           Trace_Axe_Centres(e, s, c);
                                       });
    if (dessine)
        Montre_Trace_Voile(ctx);
}

void Redessine_Voilure(Contexte &ctx) {
    const bool dessine = Redessine_Vue(ctx, ctx.Existante<AVoile>(),
                                       [](Etat_Projet &e, Interface_Shell &s, Canvas &c) {
                                           Coque_Voilure(e, s, c);
                                           // The plan the project uses: never the free plan over a
                                           // CLASS project's areas.
                                           Trace_Voile_Projet(e, s, c);
                                       });
    if (dessine)
        Montre_Trace_Voile(ctx);
}

void Actualise_Vue_Voilure(Contexte &ctx) {
    Redessine_Vue(ctx, ctx.Existante<AVoile>(), Coque_Voilure);
}

void Redessine_Tout(Contexte &ctx) {
    Redessine_Voilure(ctx);
    Redessine_Profil(ctx);
    Redessine_Deplacement(ctx);
    Redessine_Coupe(ctx);
}

void Cache_Fenetres(Contexte &ctx) {
    Essaie([&ctx] {
        for (Fenetre_Fille *w : ctx.Fenetres())
            w->Cache();
        // Sub-windows the frame added itself, if any.
        if (ctx.zone)
            for (QMdiSubWindow *s : ctx.zone->subWindowList())
                s->hide();
    });
}

} // namespace gabarit
