#include "printing/Page_Impression.h"

#include <cmath>
#include <exception>

#include "model/Erreur.h"
#include "model/Numeros.h"

namespace gabarit {

namespace {
float Simple(double v) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f))
        throw Erreur_Gabarit("point du gabarit hors de la feuille (valeur non finie)");
    return f;
}
} // namespace

void Trait_Page(Surface_Impression &s, double x1, double y1, double x2, double y2) {
    s.Ligne(Simple(x1), Simple(y1), Simple(x2), Simple(y2));
}

void Entete(const Etat_Projet &e, Surface_Impression &s, const std::vector<std::string> &lignes) {
    s.Texte("Projet : " + e.Nom_Projet);
    for (const std::string &l : lignes)
        s.Texte(l);
}

void Ligne_Reference(const Etat_Projet &e, Surface_Impression &s) {
    Trait_Page(s, 0, e.P(ORIGINE_Y), LONGUEUR_REFERENCE, e.P(ORIGINE_Y));
}

void Verifie_Echelles(const Etat_Projet &e) {
    for (double v : {e.Echelle_Imp_H, e.Echelle_Imp_V})
        if (!(v > 0) || !std::isfinite(v))
            throw Erreur_Gabarit("calibration de l'imprimante nulle ou négative : corrigez-la "
                                 "dans l'onglet \"Reglage\"");
}

int Verifie_Profil(double numero, bool choix_liste) {
    if (choix_liste && numero < 0)
        throw Erreur_Gabarit("aucun profil NACA n'est choisi dans la liste");
    const double n = Arrondi(numero);
    if (!(n >= 0 && n <= 39))
        throw Erreur_Gabarit("le numéro de profil NACA doit être compris entre 0 et 39");
    return static_cast<int>(n);
}

bool Confirme(Interface_Shell &shell, const std::string &texte) {
    return shell.Message(texte, MB_QUESTION + MB_OK_ANNULER, "Confirmation") == REPONSE_OK;
}

bool Avertit_Paysage(Interface_Shell &shell) {
    return shell.Message("L'imprimante doit etre en mode Paysage  ", MB_EXCLAMATION + MB_OK_ANNULER,
                         "Attention") == REPONSE_OK;
}

void Signale_Echec(Interface_Shell &shell, const std::exception &ex) {
    // A refusal the user has already seen in its own box is not told twice.
    if (const auto *refus = dynamic_cast<const Erreur_Gabarit *>(&ex); refus && refus->Signalee())
        return;
    try {
        shell.Message(std::string("Impression impossible : ") + ex.what(), MB_STOP, "Attention");
    } catch (...) {
    }
}

bool Travail_Impression(Interface_Shell &shell, Surface_Impression &s,
                        const std::function<void()> &dessin) {
    struct Pret {
        Interface_Shell &s;
        ~Pret() {
            try {
                s.Texte_Statut(1, "Pret");
            } catch (...) {
            }
        }
    } pret{shell};
    try {
        dessin();
        s.Fin_Document();
        return true;
    } catch (const std::exception &ex) {
        s.Abandonne();
        Signale_Echec(shell, ex);
        return false;
    }
}

} // namespace gabarit
