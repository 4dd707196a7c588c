#include "shell/Projet_Lu.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <memory>

#include "interfaces/Shell_Muet.h"
#include "model/Acceptation_Projet.h"
#include "model/Equilibre.h"
#include "model/Flottaison.h"
#include "model/Numeros.h"
#include "model/Projet_Enregistre.h"
#include "model/Voyants.h"
#include "shell/Serie_Gite.h"
#include "shell/Services_Projet.h"
#include "stability/Coef_Prismatique.h"
#include "stability/Derivation.h"

namespace gabarit {

namespace {

// Heel k's results (Numeros_Resultats_Gite) worked out on `essai` (heel series run), or one of
// the other forms the program computes them in: the file's are found again.
bool Retrouve(const Etat_Projet &e, const Etat_Projet &essai, int k) {
    if (essai.P(Etat_Gite(k)) != 0)
        return false;
    Shell_Muet muet;
    for (int n : Numeros_Resultats_Gite(k)) {
        if (Meme_Milliemes(e.P(n), essai.P(n)))
            continue;
        // A heeled wetted surface measured by the floating position itself, when no series
        // followed it.
        if (k > 0 && n == Surface_Mouillee_Gite(k)) {
            auto c = std::make_unique<Etat_Projet>(essai);
            c->P(ANGLE_GITE) = 5.0 * k;
            c->P(Etat_Gite(k)) = 1;
            if (Calcul_Equilibre(*c, muet, nullptr, Echec_Flottaison::Silence) &&
                Meme_Milliemes(e.P(n), c->P(n)))
                continue;
        }
        // A coefficient worked out with "Precision" ticked.
        if (n == Coef_Prismatique_Gite(k)) {
            auto c = std::make_unique<Etat_Projet>(essai);
            c->P(ANGLE_GITE) = 5.0 * k;
            if (Meme_Milliemes(e.P(n), Calcul_Coef_Pris(*c, muet, nullptr, true)))
                continue;
        }
        return false;
    }
    return true;
}

} // namespace

namespace {

// The file's values as it holds them, and the same brought up to date with their derived
// values worked out.
struct Projet_Derive {
    std::unique_ptr<Etat_Projet> lu;
    std::unique_ptr<decltype(Etat_Projet::Tab_Param)> derivees;
    std::vector<int> changees; // the values the derivation found other than the file's
};

Projet_Derive Lit_Projet_Derive(const Etat_Projet &modele, const std::string &chemin) {
    Projet_Derive p{std::make_unique<Etat_Projet>(modele),
                    std::make_unique<decltype(Etat_Projet::Tab_Param)>(), {}};
    auto &derivees = p.derivees;
    // Accepted as every reader accepts a file; its derived values worked out once, on the
    // project brought up to date, with the program's NACA table.
    Lit_Projet_Accepte(chemin, Projet_Courant(*p.lu), [&](Etat_Projet &a_jour) {
        std::copy(&modele.Table_Naca[0][0], std::end(modele.Table_Naca[39]),
                  &a_jour.Table_Naca[0][0]);
        std::copy(std::begin(modele.Stations_Naca), std::end(modele.Stations_Naca),
                  a_jour.Stations_Naca);
        // Every value the derivation works out is compared with the file's: one that differs
        // says the file was not written for this boat as it stands, and neither were its
        // results.
        p.changees = Derive_Valeurs(a_jour);
        if (!p.changees.empty())
            for (int k = 0; k < NB_GITES; ++k)
                a_jour.P(Etat_Gite(k)) = 1;
        *derivees = a_jour.Tab_Param;
    });
    return p;
}

} // namespace

std::unique_ptr<Etat_Projet> Lit_Projet_Comme_Ouvert(const Etat_Projet &modele,
                                                     const std::string &chemin) {
    Projet_Derive p = Lit_Projet_Derive(modele, chemin);
    for (int n = 1; n <= NB_VALEURS_PROJET; ++n)
        p.lu->P(n) = (*p.derivees)[static_cast<std::size_t>(n)];
    return std::move(p.lu);
}

void Lit_Projet_Pris(const std::string &chemin, Etat_Projet &e) {
    const Projet_Derive p = Lit_Projet_Derive(e, chemin);
    // The file's values, which the initialisation brings up to date, with the derived ones and
    // the lights the derivation leaves.
    for (std::size_t n = 1; n <= NB_VALEURS_PROJET; ++n) {
        e.Tab_Param[n] = p.lu->Tab_Param[n];
        e.Texte_Projet[n] = p.lu->Texte_Projet[n];
        e.Num_Enreg[n] = p.lu->Num_Enreg[n];
    }
    for (const std::vector<int> &numeros : {Numeros_Derives(), p.changees})
        for (int n : numeros)
            e.P(n) = (*p.derivees)[static_cast<std::size_t>(n)];
    for (int k = 0; k < NB_GITES; ++k)
        if ((*p.derivees)[static_cast<std::size_t>(Etat_Gite(k))] == 1)
            e.P(Etat_Gite(k)) = 1;
}

bool Verifie_Gites_Lus(Etat_Projet &e, Interface_Shell &s) {
    bool change = false;
    std::array<bool, NB_GITES> vertes{};
    bool une_verte = false;
    for (int k = 0; k < NB_GITES; ++k) {
        vertes[static_cast<std::size_t>(k)] = e.P(Etat_Gite(k)) == 0;
        une_verte = une_verte || e.P(Etat_Gite(k)) == 0;
        if (e.P(Etat_Gite(k)) != 0) {
            change = change || e.P(Etat_Gite(k)) != 1;
            e.P(Etat_Gite(k)) = 1;
        }
    }
    // A boat that cannot float upright is told, whatever its lights; its heeled results are
    // still judged heel by heel, as the series judges them.
    try {
        auto droit = std::make_unique<Etat_Projet>(e);
        Shell_Muet muet;
        if (!Calcul_Flottaison_Muette(*droit, muet))
            s.Message("Calcul de flottaison impossible", MB_STOP, "Attention !");
    } catch (const Erreur_Gabarit &err) {
        s.Message(err.what(), MB_EXCLAMATION, "Attention");
    }
    if (!une_verte)
        return change;
    const std::unique_ptr<const Etat_Projet> serie = Gites_Du_Bateau(e);
    for (int k = 0; k < NB_GITES; ++k)
        if (vertes[static_cast<std::size_t>(k)] && !Retrouve(e, *serie, k)) {
            e.P(Etat_Gite(k)) = 1;
            change = true;
        }
    return change;
}

void Met_En_Place_Projet_Lu(Etat_Projet &e, Interface_Shell &s) {
    bool verifie = false;
    try {
        // The table is built for the hull read; the wetted surface stays the file's, which the
        // check compares with the one its waterline gives.
        const double surface = e.P(Surface_Mouillee_Gite(0));
        Services().calcul_tab(e);
        e.P(Surface_Mouillee_Gite(0)) = surface;
        Services().verifie_projet_lu(e, s);
        verifie = true;
    } catch (const Erreur_Gabarit &err) {
        if (!err.Signalee())
            s.Message(err.what(), MB_EXCLAMATION, "Attention");
    } catch (const std::exception &err) {
        s.Message(err.what(), MB_EXCLAMATION, "Attention");
    }
    // What was not checked is not current; a flag neither 0 nor 1 is out of date. The heels
    // left green count as computed for the project just read.
    for (int k = 0; k < NB_GITES; ++k)
        if (!verifie || e.P(Etat_Gite(k)) != 0)
            e.P(Etat_Gite(k)) = 1;
    Gites_Vertes_Calculees(e);
    Affiche_Voyants(e, s);
    ++e.Projets_Pris;
    Marque_Enregistre(e);
}

} // namespace gabarit
