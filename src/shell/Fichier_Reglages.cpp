#include "shell/Fichier_Reglages.h"

#include <array>
#include <cmath>

#include "model/Fichier_Projet.h"

namespace gabarit {

namespace {
constexpr int NB_REGLAGES = NB_VALEURS - NB_VALEURS_PROJET; // lines of tov.ini
}

void Lit_Reglages(const std::string &chemin, Etat_Projet &e) {
    const auto lignes = Lit_Lignes_Fichier(chemin, NB_REGLAGES);
    if (lignes.size() < static_cast<std::size_t>(NB_REGLAGES))
        throw Erreur_Gabarit("Fichier de réglages incomplet : " + chemin + " (" +
                             std::to_string(lignes.size()) + " lignes sur " +
                             std::to_string(NB_REGLAGES) + ")");
    // A line that is not a number is damage, not a zero: reading it as 0 would lose the
    // printer calibration without a word.
    std::array<double, NB_REGLAGES> v{};
    for (std::size_t j = 0; j < v.size(); ++j) {
        if (!Lit_Nombre_Fichier(lignes[j], v[j]))
            throw Erreur_Gabarit(
                "Fichier de réglages endommagé : " + chemin + " (ligne " + std::to_string(j + 1) +
                " : « " + Cp1252_Vers_Utf8(lignes[j].substr(0, 40)) + " » n'est pas un nombre)");
        v[j] /= 1000;
    }
    for (int j = 1; j <= NB_REGLAGES; ++j)
        e.P(NB_VALEURS_PROJET + j) = v[static_cast<std::size_t>(j - 1)];
}

void Ecrit_Reglages(const std::string &chemin, const Etat_Projet &e) {
    std::string contenu;
    for (int j = 1; j <= NB_REGLAGES; ++j) {
        const double v = e.P(NB_VALEURS_PROJET + j);
        if (!std::isfinite(v) || !std::isfinite(v * 1000))
            throw Erreur_Gabarit(
                "Réglage " + std::to_string(NB_VALEURS_PROJET + j) +
                " non fini ou trop grand : impossible d'écrire le fichier : " + chemin);
        contenu += Texte_Milliemes(v) + "\r\n";
    }
    Ecrit_Fichier_Atomique(chemin, contenu);
}

} // namespace gabarit
