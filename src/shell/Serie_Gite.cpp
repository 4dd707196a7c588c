#include "shell/Serie_Gite.h"

#include <array>
#include <string>
#include <vector>

#include "interfaces/Garde_Menus.h"
#include "model/Equilibre.h"
#include "model/Integration_Gite.h"
#include "model/Numeros.h"
#include "model/Voyants.h"
#include "shell/Chaine_Nombre.h"
#include "stability/Coef_Prismatique.h"
#include "views/Trace_Commun.h"

namespace gabarit {

namespace {
// The hull table's reach: no walk along a longer hull.
constexpr double LONGUEUR_TABLE = (Table_Carene::NB_STATIONS - 1) * 10.0;

// The wetted surface at 5 k degrees, Surface_Mouillee_Gite(k).
void Surface_Mouillee(Etat_Projet &e, Interface_Shell &shell, int k, Memoire_Niveaux *memoire) {
    const double G = 5.0 * k;
    double S = 0;
    shell.Texte_Statut(3, "Gite " + Chaine_Nombre(G));
    const double L = e.L();
    if (!(L > 0) || L > LONGUEUR_TABLE)
        throw Erreur_Gabarit("Longueur de coque hors de la table");
    for (double X = 0; X <= L; X += 10) {
        e.X_Couple = X;
        e.Gite_Couple = G;
        // The transom cut and the bow station give no girth but still count below.
        Calcul_Surface_Couple(e, memoire);
        S += e.Perimetre_Mouille_1 + e.Perimetre_Mouille_2;
    }
    // Mean girth over L / 10 + 1 stations, unrounded, times the length.
    e.P(Surface_Mouillee_Gite(k)) = Fini(Fix(S / (L / 10 + 1) * L) / 1000, "Surface mouillee");
}

// Whatever way the series ends: the heel upright again, and every heel whose results the
// series did not all compute under a red light (the lights' guard, destroyed after this body).
class Garde_Serie {
public:
    Garde_Serie(Etat_Projet &e, Interface_Shell &s) : gites(e, s), e_(e) {}
    ~Garde_Serie() { e_.P(ANGLE_GITE) = 0; }
    Garde_Serie(const Garde_Serie &) = delete;
    Garde_Serie &operator=(const Garde_Serie &) = delete;
    // Its fait[k]: heel k's every pass has run.
    Garde_Gites gites;

private:
    Etat_Projet &e_;
};

// The one box of a series: the heels that could not float, named, and the other reason
// it has to tell, on the next line.
struct Compte_Rendu {
    explicit Compte_Rendu(Interface_Shell &s) : shell(s) {}
    Interface_Shell &shell;
    std::vector<int> gites;
    std::string autre;
    bool Vide() const { return gites.empty() && autre.empty(); }
    std::string Texte() const {
        std::string t = gites.empty() ? "" : Message_Flottaison_Impossible(gites);
        if (!autre.empty())
            t += (t.empty() ? "" : "\n") + autre;
        return t;
    }
    void Montre() const {
        if (gites.empty())
            shell.Message(autre, MB_EXCLAMATION, "Attention");
        else
            shell.Message(Texte(), MB_STOP, "Attention !");
    }
};

} // namespace

std::array<bool, NB_GITES> Calcul_Surfaces_Mouillees(Etat_Projet &e, Interface_Shell &shell,
                                                     Memoire_Niveaux *memoire) {
    shell.Texte_Statut(1, "Calcul Surface");
    std::array<bool, NB_GITES> faites{};
    // A heel under a red light has no floating position of this hull to measure on.
    for (int k = 1; k < NB_GITES; ++k)
        if (e.P(Etat_Gite(k)) == 0) {
            Surface_Mouillee(e, shell, k, memoire);
            faites[static_cast<std::size_t>(k)] = true;
        }
    return faites;
}

std::unique_ptr<const Etat_Projet> Gites_Du_Bateau(const Etat_Projet &e) {
    auto copie = std::make_unique<Etat_Projet>(e);
    Shell_Muet muet;
    Fenetres_Muettes fenetres;
    try {
        Calcul_Gite_Serie(*copie, muet, fenetres, Passes_Gite::Toutes);
    } catch (const Erreur_Gabarit &) {
        // The heels the series could not finish stand red on the copy.
    }
    return copie;
}

std::string Message_Flottaison_Impossible(const std::vector<int> &gites) {
    std::string texte = "Calcul de flottaison impossible";
    for (std::size_t i = 0; i < gites.size(); ++i) {
        texte += i == 0 ? " à " : i + 1 == gites.size() ? " et " : ", ";
        texte += std::to_string(gites[i]) + "°";
    }
    return texte;
}

void Calcul_Gite_Serie(Etat_Projet &e, Interface_Shell &shell, Fenetres_Serie &fenetres,
                       Passes_Gite passes) {
    shell.Joue_Son("stream2.wav");
    fenetres.Cache_Fenetres();
    // No framing: the sections view stays blank until one is chosen again.
    shell.Texte_Statut(2, "");
    shell.Texte_Statut(1, "Calcul");
    shell.Montre_Attente(true);
    Garde_Menus menus(shell);
    // What the series has to tell, gathered into one box at its end: the heels that could
    // not float, then a keel station with no section or the refusal that stopped it.
    Compte_Rendu dit(shell);
    try {
        Garde_Serie garde(e, shell);
        Invalide_Calculs(e, shell);
        // The deepest section is measured below: off the hull, it is told as the views tell it.
        vues::Verifie_Couple_Haut(e);
        // Every walk of the series comes back to the same sections at every heel: their
        // levels' half-breadths are computed once.
        Memoire_Niveaux largeurs;

        // Floating positions, 30 down to 0: each light turns green as its heel floats. The
        // heel is this loop's own; nothing an event does can move it.
        std::array<bool, NB_GITES> flotte{};
        for (int k = NB_GITES - 1; k >= 0; --k) {
            e.P(ANGLE_GITE) = 5.0 * k;
            flotte[static_cast<std::size_t>(k)] =
                Calcul_Equilibre(e, shell, &largeurs, Echec_Flottaison::Silence);
        }
        for (int k = 0; k < NB_GITES; ++k)
            if (!flotte[static_cast<std::size_t>(k)])
                dit.gites.push_back(5 * k);

        shell.Montre_Attente(true);
        // A keel station with no section is told and the series goes on; the moments' run
        // has left every light red.
        try {
            Calcul_Gite_0_30_Muet(e, shell, fenetres);
        } catch (const Derive_Hors_Coque &x) {
            dit.autre = x.what();
        }

        // A heel that did not float has no waterline of this hull: its coefficient and wetted
        // surface would be worked on another one's, under its red light.
        for (int k = NB_GITES - 1; k >= 0; --k) {
            if (!flotte[static_cast<std::size_t>(k)])
                continue;
            const double a = 5.0 * k;
            e.P(ANGLE_GITE) = a;
            shell.Texte_Statut(3, "Gite " + Chaine_Nombre(a));
            const double r =
                Calcul_Coef_Pris(e, shell, fenetres.Picture3(), fenetres.Precision(), &largeurs);
            fenetres.Montre_Coef_Pris(r);
            // The upright wetted surface comes from the hull table, not from this series.
            if (k == 0 || passes == Passes_Gite::Sans_Surfaces)
                garde.gites.fait[static_cast<std::size_t>(k)] = true;
        }

        if (passes == Passes_Gite::Toutes) {
            const std::array<bool, NB_GITES> faites =
                Calcul_Surfaces_Mouillees(e, shell, &largeurs);
            for (int k = 1; k < NB_GITES; ++k)
                if (faites[static_cast<std::size_t>(k)])
                    garde.gites.fait[static_cast<std::size_t>(k)] = true;
        }
    } catch (const Erreur_Gabarit &x) {
        // The series stops here and says why, once; the lights already show which heels it
        // did not finish. A refusal already told (the frame closing among them) is the one
        // box of this command.
        if (x.Signalee())
            throw Calcul_Partiel(x.what(), true);
        shell.Montre_Attente(false);
        dit.autre = x.what();
        dit.Montre();
        throw Calcul_Partiel(dit.Texte(), true);
    }
    if (!dit.Vide()) {
        shell.Montre_Attente(false);
        dit.Montre();
        // The command ends refused, already told, keeping the heels it completed.
        throw Calcul_Partiel(dit.Texte(), true);
    }
}

} // namespace gabarit
