#pragma once
// Comparison of the current project with a second project file (the compared record
// Tab_Param_Compar): when it may run, the gaps, the bar heights and the wetted-surface chart
// that the comparison window shows.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit {

// A figure of a label, or none when its divisor was 0 (the label then shows "-").
using Chiffre = std::optional<double>;

// The seven gaps, numbered as the window's sliders Slider1(k).
enum Ecart_Compar : int {
    ECART_LARGEUR = 0,
    ECART_LONGUEUR = 1,
    ECART_HAUTEUR = 2,
    ECART_POIDS = 3,
    ECART_VOILURE = 4,
    ECART_VOILURE_POIDS = 5,
    ECART_VOILURE_STABILITE = 6,
};
inline constexpr int NB_ECARTS = 7;

// Colour of a gap's label: green where the current project is the better one (lighter, or
// more sail, more sail per gram, more sail per righting moment), red where it is not.
enum class Teinte { Neutre, Vert, Rouge };

// Picture heights in millimetres the bars are scaled to.
inline constexpr double HAUTEUR_BARRES_MOMENT = 38;  // Picture1, "Stabilite " tab
inline constexpr double HAUTEUR_BARRES_RAPPORT = 36; // Picture3(1), "Rapport" tab
// A moment gap beyond this many per cent is shown as "~".
inline constexpr double ECART_MOMENT_LISIBLE = 999;

// Largest and smallest wetted surface over the heels, each project apart (1000 mm2,
// truncated toward zero): the chart's Max and Min labels.
struct Surface_Compar {
    double max_courant = 0, max_compare = 0;
    double min_courant = 0, min_compare = 0;
};

struct Figures_Comparaison {
    // Gap in per cent, floor(100 A / B) - 100, current A against compared B.
    std::array<Chiffre, NB_ECARTS> ecarts{};
    std::array<Teinte, NB_ECARTS> teintes{};
    // Gap of the righting moment at each heel (a moment of 0 counts as 1).
    std::array<Chiffre, NB_GITES> ecarts_moments{};
    // Tops of the bars in millimetres: the bar stands on the picture's lower edge, so the
    // visible height is the picture height minus the top (a top at the height: no bar).
    std::array<double, NB_GITES> haut_moment{}, haut_moment_compare{};
    std::array<double, NB_GITES> haut_rapport{}, haut_rapport_compare{};
    Surface_Compar surface;
};

// The version text of a project file ("Version 2.2.9") passes unless its revision digit
// (13th character) is 0, 1 or 2 while its minor number (11th character) is "2" or below:
// 2.2.9 and 2.3.0 pass, 2.2.1, 2.1.0 and 2.2.10 do not. A text too short to hold a 13th
// character, or whose 13th character is not a digit, does not pass either.
bool Version_Comparable(const std::string &texte);
// Both projects have every heel result and were written by a version that passes.
bool Comparaison_Possible(const Etat_Projet &e);

// Reads the compared file Nom_Compar (a bare name is the program folder's) into the compared
// record as the open reads a project (Lit_Projet_Comme_Ouvert: its refusals and messages, its
// derived values; the file's lights and version as it holds them). A refused read throws the
// open's Erreur_Gabarit and changes nothing.
void Lit_Projet_Compare(Etat_Projet &e);

// The figures from the two records as they stand.
Figures_Comparaison Calcul_Comparaison(const Etat_Projet &e);
// The wetted surface over the seven heels, current project in yellow then the compared one in
// green, scaled between the smaller minimum and the larger maximum of both; returns the
// labels' values.
Surface_Compar Trace_Surface_Compar(const Etat_Projet &e, Canvas &c);

inline constexpr const char *SON_REFUS_COMPARAISON = "TAUNT011.wav";
inline constexpr const char *TITRE_REFUS_COMPARAISON = "ATTENTION";
inline constexpr const char *MESSAGE_REFUS_COMPARAISON =
    "COMPARAISON IMPOSSIBLE\rLes calculs de gite ne sont pas complet sur l'un des projets\r";

// The whole comparison. Refused (see Comparaison_Possible): the sound, `cache` (the window
// hides), the message, and the compared name back to the master; returns nothing. Otherwise
// reads the compared file again, draws the surface chart on `surface` and returns the figures.
// A failed read throws before anything is drawn.
std::optional<Figures_Comparaison> Comparer_Projets(Etat_Projet &e, Interface_Shell &s,
                                                    Canvas &surface,
                                                    const std::function<void()> &cache);

} // namespace gabarit
