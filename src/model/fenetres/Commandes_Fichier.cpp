#include "model/fenetres/Commandes_Fichier.h"

#include <QDir>
#include <exception>

#include "fenetres/Contexte.h"
#include "model/Fichier_Projet.h"
#include "model/Projet_Enregistre.h"
#include "model/Voyants.h"
#include "platform/Dialogue_Fichier.h"
#include "shell/Demarrage.h"
#include "shell/Projet_Lu.h"
#include "shell/Services_Projet.h"
#include "views/fenetres/Redessine.h"

namespace gabarit {

namespace {
const std::string TITRE = "Attention";
const std::string SON_ECRITURE = "TAUNT025.wav";

void Dossier_Programme_Courant(const Contexte &ctx) {
    if (!ctx.etat.Dossier_Programme.empty())
        QDir::setCurrent(QString::fromStdString(ctx.etat.Dossier_Programme));
}

void Refuse_Maitre(Contexte &ctx, const std::string &nom) {
    ctx.shell.Message("Impossible de Sauver " + nom + "\n Ce projet est un Master", MB_STOP, TITRE);
}

// Writes the project; a failure is reported with a stop message (the writer leaves the
// old file whole) and gives false.
bool Ecrit(Contexte &ctx, const std::string &chemin) {
    bool ecrit = false;
    try {
        Services().ecrit_projet(chemin, ctx.etat);
        ecrit = true;
    } catch (const std::exception &ex) {
        ctx.shell.Message(std::string("Le projet n'a pas été enregistré.\n") + ex.what(), MB_STOP,
                          TITRE);
    }
    Dossier_Programme_Courant(ctx);
    return ecrit;
}

// A name for a copy, asked in the save dialog as "Copier" asks it: the file that dialog named
// (completed with ".cot" and asked about there), "" when none was given. The program's master
// is refused with its message as soon as it is named, before the dialog asks to replace it,
// and the dialog stays open for another name.
std::string Nom_De_Copie(Contexte &ctx) {
    const auto maitre = [&ctx](const QString &fichier) {
        if (!Est_Maitre(ctx.etat, fichier.toStdString()))
            return false;
        Refuse_Maitre(ctx, fichier.toStdString());
        return true;
    };
    const std::string nom = Dialogue_Fichier_Courant().Sauve(ctx.cadre, maitre).toStdString();
    // The dialog may leave the current folder where it browsed, whatever the answer.
    Dossier_Programme_Courant(ctx);
    // Any dialog that let the master through still writes nothing over it.
    if (nom.empty() || !Est_Maitre(ctx.etat, nom))
        return nom;
    Refuse_Maitre(ctx, nom);
    return "";
}

// Writes the project under its own name; once written, it is the project saved.
bool Enregistre_Projet(Contexte &ctx) {
    if (!Ecrit(ctx, Chemin_Projet(ctx.etat, ctx.etat.Nom_Projet)))
        return false;
    Marque_Enregistre(ctx.etat);
    return true;
}
} // namespace

bool Peut_Quitter_Projet(Contexte &ctx) {
    Etat_Projet &e = ctx.etat;
    if (!Projet_Modifie(e))
        return true;
    const std::string etat = Projet_Sans_Fichier(e)
                                 ? " » n'a jamais été enregistré."
                                 : " » a été modifié depuis son dernier enregistrement.";
    const int reponse =
        ctx.shell.Message("Le projet « " + e.Nom_Projet + etat + "\nVoulez-vous l'enregistrer ?",
                          MB_ENREGISTRER, TITRE);
    if (reponse == REPONSE_NON)
        return true;
    if (reponse != REPONSE_OUI)
        return false;
    // Saved as "Sauver" saves, the question just answered standing for its own.
    if (!Est_Maitre(e, e.Nom_Projet))
        return Enregistre_Projet(ctx);
    // The master stays as delivered: the work goes under a name the user gives, as "Copier"
    // asks for one, and becomes the project saved. No name, no command.
    const std::string nom = Nom_De_Copie(ctx);
    if (nom.empty() || !Ecrit(ctx, Chemin_Projet(e, nom)))
        return false;
    ctx.Nomme_Projet(nom);
    Marque_Enregistre(e);
    return true;
}

bool MDIForm1_M_Fichier_Ouvrir_Click(Contexte &ctx, bool depuis_barre) {
    Etat_Projet &e = ctx.etat;
    if (!Peut_Quitter_Projet(ctx))
        return false;
    if (depuis_barre)
        Cache_Fenetres(ctx);
    const std::string nom = Dialogue_Fichier_Courant().Ouvre(ctx.cadre).toStdString();
    ctx.shell.Laisse_Evenements();
    if (nom.empty())
        return false;
    try {
        Services().lit_projet(Chemin_Projet(e, nom), e);
    } catch (const std::exception &ex) {
        Dossier_Programme_Courant(ctx);
        ctx.shell.Message(ex.what(), MB_STOP, TITRE);
        return true;
    }
    Cache_Fenetres(ctx);
    Dossier_Programme_Courant(ctx);
    ctx.Nomme_Projet(nom);
    // Shown once: a refusal the core already told the user about is not shown again. The
    // lights then show what the file's flags say where the file's results are found again.
    Essaie_Signale(
        ctx.shell,
        [&] {
            Services().init_projet(e, ctx.shell);
            Services().init_variables(e, ctx.shell);
        },
        TITRE);
    Met_En_Place_Projet_Lu(e, ctx.shell);
    return true;
}

void MDIForm1_M_Fichier_Sauver_Click(Contexte &ctx, bool depuis_barre) {
    Etat_Projet &e = ctx.etat;
    if (depuis_barre)
        Cache_Fenetres(ctx);
    const std::string nom = e.Nom_Projet;
    if (Est_Maitre(e, nom)) {
        Refuse_Maitre(ctx, nom);
        return;
    }
    if (ctx.shell.Message("Voulez vous réellement Sauver  " + nom, MB_OUI_NON, TITRE) !=
        REPONSE_OUI)
        return;
    if (depuis_barre)
        ctx.Joue_Son(SON_ECRITURE);
    Enregistre_Projet(ctx);
}

void MDIForm1_M_Fichier_Copier_Click(Contexte &ctx, bool depuis_barre) {
    Etat_Projet &e = ctx.etat;
    if (depuis_barre)
        Cache_Fenetres(ctx);
    if (ctx.shell.Message("Voulez vous réellement Copier  " + e.Nom_Projet, MB_OUI_NON, TITRE) !=
        REPONSE_OUI)
        return;
    // A copy may be a master file of its own, but never over the program's master.
    const std::string nom = Nom_De_Copie(ctx);
    if (nom.empty())
        return;
    if (depuis_barre)
        ctx.Joue_Son(SON_ECRITURE);
    Ecrit(ctx, Chemin_Projet(e, nom));
}

} // namespace gabarit
