#include "fenetres/Contexte.h"

#include <QWidget>
#include <QtGlobal>
#include <exception>

#include "model/Erreur.h"
#include "model/Projet_Enregistre.h"
#include "model/Voyants.h"
#include "platform/Boite_Message.h"
#include "shell/Suivi_Commande.h"

namespace gabarit {

void Contexte::Enregistre(std::type_index t, Fenetre_Fille *w) {
    fenetres_[t] = w;
    ordre_.push_back(w);
    if (zone) {
        QMdiSubWindow *sous = zone->addSubWindow(w);
        w->Fixe_Cadre(sous);
        sous->hide();
    }
}

Fenetre_Fille *Contexte::Par_Nom(const QString &nom) const {
    for (Fenetre_Fille *w : ordre_)
        if (w->objectName() == nom)
            return w;
    return nullptr;
}

void Contexte::Nomme_Projet(const std::string &nom) {
    etat.Nom_Projet = nom;
    Montre_Nom_Projet();
}

void Contexte::Montre_Nom_Projet() {
    if (cadre)
        cadre->setWindowTitle(
            QString::fromStdString(etat.Nom_Projet.empty() ? "Gabarit" : etat.Nom_Projet));
}

namespace {
enum class Issue { Reussie, Partielle, Refusee };

// Runs a command's body as Essaie or Essaie_Signale does: how it ended.
Issue Lance(Interface_Shell &shell, const std::function<void()> &f, Contexte::Si_Refus refus) {
    bool partiel = false;
    const auto corps = [&] {
        try {
            f();
        } catch (const Calcul_Partiel &) {
            partiel = true;
            throw;
        }
    };
    const bool reussi =
        refus == Contexte::Si_Refus::Message ? Essaie_Signale(shell, corps) : Essaie(corps);
    return reussi ? Issue::Reussie : partiel ? Issue::Partielle : Issue::Refusee;
}
} // namespace

bool Contexte::Commande(Si_Occupe quand, const std::function<void()> &f, Si_Refus refus) {
    return Lance_Commande(quand, f, refus, false);
}

bool Contexte::Regarde(Si_Occupe quand, const std::function<void()> &f, Si_Refus refus) {
    return Lance_Commande(quand, f, refus, true);
}

bool Contexte::Lance_Commande(Si_Occupe quand, const std::function<void()> &f, Si_Refus refus,
                              bool regard) {
    // A command the computation in course ignores was no click: the views' one box stays as
    // the last click left it.
    if (quand != Si_Occupe::Execute && Occupe())
        return false;
    if (!regard)
        Nouveau_Clic();
    // A computation that lets events run reads the project and its walk settings: a command
    // run meanwhile may change the windows and the views' settings, never the boat nor the
    // heel and steps the computation walks with. One that did is put back, quietly, and is
    // followed by nothing else.
    const bool sous_calcul = Occupe();
    // The project as the command finds it: a refusal puts it back whole, and what the command
    // leaves is checked against it (Suit_Commande).
    const Avant_Commande avant = Avant(etat);
    const Une_Boite_Par_Commande boites;
    // The windows show the project as it is again.
    auto rafraichit = [&] {
        for (Fenetre_Fille *w : ordre_)
            if (w->Visible())
                Essaie([w] { w->Affiche_Valeurs(); });
    };
    auto retablit = [&] {
        Retablit(etat, shell, avant);
        Montre_Nom_Projet();
        rafraichit();
    };
    auto lance = [&] {
        if (Lance(shell, f, refus) == Issue::Refusee ||
            (sous_calcul && Change_Sous_Calcul(*avant.etat, etat))) {
            retablit();
            return;
        }
        // A window looked at: the project as it was, the views keeping the scale and origin
        // their pictures were drawn with.
        if (regard) {
            if (Projet_Change(*avant.etat, etat) || etat.Calculs_Gite != avant.etat->Calculs_Gite) {
                const auto travail = etat.Tab_Param;
                Retablit(etat, shell, avant);
                for (int n = 1; n <= NB_VALEURS; ++n)
                    if (Valeur_De_Travail(n))
                        etat.P(n) = travail[static_cast<std::size_t>(n)];
                rafraichit();
            }
            return;
        }
        if (sous_calcul)
            return;
        // A derived value the command's inputs cannot give (weights summing to zero, a bulb
        // profile outside the table) refuses the command: the user is told why.
        bool suivie = false;
        if (!Essaie_Signale(shell, [&] { suivie = Suit_Commande(etat, shell, avant); }))
            retablit();
        else if (suivie)
            rafraichit(); // a value cut to the file's thousandth, or derived from another
    };
    if (quand != Si_Occupe::Garde) {
        lance();
        return true;
    }
    Garde_Occupe occupe(*this);
    lance();
    return true;
}

bool Essaie(const std::function<void()> &f) {
    try {
        f();
        return true;
    } catch (const Erreur_Gabarit &) {
    } catch (const std::exception &ex) {
        qWarning("Gabarit: a command ended on an unexpected failure: %s", ex.what());
    } catch (...) {
        qWarning("Gabarit: a command ended on an unexpected failure of unknown kind");
    }
    return false;
}

bool Essaie_Signale(Interface_Shell &shell, const std::function<void()> &f,
                    const std::string &titre) {
    return Essaie([&] {
        try {
            f();
        } catch (const Erreur_Gabarit &ex) {
            if (!ex.Signalee())
                shell.Message(ex.what(), MB_EXCLAMATION, titre);
            throw;
        }
    });
}

} // namespace gabarit
