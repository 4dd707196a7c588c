#include "fenetres/Contexte.h"

#include <QtGlobal>
#include <exception>

#include "model/Erreur.h"
#include "model/Voyants.h"
#include "platform/Boite_Message.h"

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

bool Contexte::Commande(Si_Occupe quand, const std::function<void()> &f, Si_Refus refus) {
    if (quand != Si_Occupe::Execute && Occupe())
        return false;
    // Whatever the command is, a record the heel results are computed from that it changed
    // puts every heel it did not compute itself under a red light, failure or not.
    const Empreinte_Gites avant = Empreinte(etat);
    const Une_Boite_Par_Commande boites;
    auto lance = [&] {
        if (refus == Si_Refus::Message)
            Essaie_Signale(shell, f);
        else
            Essaie(f);
        Essaie([&] { Perime_Si_Change(etat, shell, avant); });
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
