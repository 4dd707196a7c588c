#include "shell/Demarrage.h"

#include <exception>
#include <filesystem>

#include "model/Voyants.h"
#include "rig/Table_Naca.h"
#include "shell/Projet_Lu.h"
#include "shell/Services_Projet.h"

namespace fs = std::filesystem;

namespace gabarit {

namespace {
const std::string TITRE = "Attention";

// Runs f; on failure shows its message with the given style and returns false.
template <class F> bool Tente(Interface_Shell &s, int style, F &&f) {
    try {
        f();
        return true;
    } catch (const std::exception &ex) {
        s.Message(ex.what(), style, TITRE);
        return false;
    }
}
} // namespace

std::string Chemin_Projet(const Etat_Projet &e, const std::string &nom) {
    if (nom.empty() || fs::path(nom).is_absolute())
        return nom;
    return e.Fichier_Programme(nom);
}

bool Est_Maitre(const Etat_Projet &e, const std::string &nom) {
    if (nom == NOM_MAITRE)
        return true;
    std::error_code ec;
    const fs::path maitre =
        fs::weakly_canonical(fs::absolute(e.Fichier_Programme(NOM_MAITRE), ec), ec);
    const fs::path cible = fs::weakly_canonical(fs::absolute(Chemin_Projet(e, nom), ec), ec);
    if (!maitre.empty() && maitre == cible)
        return true;
    // The same file under another name (a link).
    return fs::exists(maitre, ec) && fs::exists(cible, ec) && fs::equivalent(maitre, cible, ec);
}

void Reglages_Par_Defaut(Etat_Projet &e) {
    for (int n = NB_VALEURS_PROJET + 1; n <= NB_VALEURS; ++n)
        e.P(n) = 0;
    e.P(CALIBRE_IMP_H) = 56.7;
    e.P(CALIBRE_IMP_V) = 56.7;
}

Resultat_Demarrage Demarrage_Projet(Etat_Projet &e, Interface_Shell &s, const std::string &choisi) {
    Services_Projet &sv = Services();
    Resultat_Demarrage r;

    // The NACA table first, so the project is read as every open reads it, its bulb worked out
    // from the table; a table that cannot be read is told by the initialisation below.
    try {
        Lit_Table_Naca(e);
    } catch (const Erreur_Gabarit &) {
    }
    // The project: the chosen file, else the master of the program folder.
    std::string nom = choisi.empty() ? NOM_MAITRE : choisi;
    bool lu = false;
    try {
        sv.lit_projet(Chemin_Projet(e, nom), e);
        lu = true;
    } catch (const std::exception &ex) {
        if (nom != NOM_MAITRE)
            s.Message(std::string(ex.what()) + "\nLe projet maître " + NOM_MAITRE +
                          " est chargé à sa place.",
                      MB_EXCLAMATION, TITRE);
        else
            s.Message(ex.what(), MB_STOP, TITRE);
    }
    if (!lu && nom != NOM_MAITRE) {
        nom = NOM_MAITRE;
        lu = Tente(s, MB_STOP, [&] { sv.lit_projet(e.Fichier_Programme(nom), e); });
    }

    // The settings: a missing file is created with defaults; a file that could not be read
    // is left alone for the whole run.
    const std::string reglages = e.Fichier_Programme(NOM_REGLAGES);
    std::error_code ec;
    if (!fs::exists(reglages, ec)) {
        Reglages_Par_Defaut(e);
        r.reglages_ecrivables = true;
    } else {
        r.reglages_ecrivables = Tente(s, MB_EXCLAMATION, [&] { sv.lit_reglages(reglages, e); });
        if (!r.reglages_ecrivables)
            Reglages_Par_Defaut(e);
    }
    if (r.reglages_ecrivables)
        Tente(s, MB_STOP, [&] { sv.ecrit_reglages(reglages, e); });

    if (lu) {
        Tente(s, MB_EXCLAMATION, [&] {
            sv.init_projet(e, s);
            sv.init_variables(e, s);
        });
        r.nom_projet = nom;
    }
    e.Echelle_Imp_H = e.P(CALIBRE_IMP_H);
    e.Echelle_Imp_V = e.P(CALIBRE_IMP_V);
    e.Nom_Projet = r.nom_projet;
    return r;
}

void Demarrage_Calculs(Etat_Projet &e, Interface_Shell &s, const Resultat_Demarrage &r) {
    if (r.nom_projet.empty()) {
        Invalide_Calculs(e, s);
        return;
    }
    Met_En_Place_Projet_Lu(e, s);
}

bool Ecrit_Reglages_Arret(const Etat_Projet &e, Interface_Shell &s, bool ecrivables) {
    if (!ecrivables)
        return true;
    return Tente(s, MB_STOP,
                 [&] { Services().ecrit_reglages(e.Fichier_Programme(NOM_REGLAGES), e); });
}

} // namespace gabarit
