#pragma once
// What the hull-form window's "Valide" checks and stores. The window reads its boxes into a
// Saisie_Forme, in the units the user types (full widths, whole millimetres); the rules that
// keep the hull computable live here, where they are tested without a screen.
#include <array>
#include <optional>

#include "model/Etat_Projet.h"

namespace gabarit {

// Box numbers are the window's spinner indices: 0 transom depth, 1 transom full width,
// 2 stem-foot depth, 3 stem rake, 4 greatest depth, 5 full beam, 6 deepest station "Pos Inf",
// 7 widest station "Pos Sup", 13 length, 14 inclined-transom length; 8 to 11 the exponents.
struct Saisie_Forme {
    std::array<double, 15> v{};    // spinner values, whole millimetres
    std::array<double, 12> t{};    // exponent boxes 8 to 11
    std::array<bool, 15> change{}; // the box differs from what the display last wrote
};

struct Refus_Forme {
    enum class Motif {
        Trop_Profond,    // a depth the hull table cannot hold (300 mm and more)
        Trop_Long,       // a length the hull table cannot hold
        Hors_Plage,      // a changed box outside its spinner's range [minimum, maximum]
        Negatif,         // a length or exponent below 0
        Station_Hors,    // a station off the hull: [minimum, maximum] is where it may lie
        Longueur_Courte, // the new length leaves no room aft of a station
    };
    int boite = 0;
    Motif motif = Motif::Hors_Plage;
    double minimum = 0, maximum = 0;
    // Longueur_Courte: the parts forward of the widest and of the deepest station.
    double avant_large = 0, avant_haut = 0;
};

// The first box the validation refuses, in the order of the tabs, or nothing. The widest
// station may lie at the transom or at the bow (its laws then have one side only); the deepest
// station lies strictly inside the hull, since the depth laws divide by the lengths on either
// side of it.
std::optional<Refus_Forme> Verifie_Saisie_Forme(const Etat_Projet &e, const Saisie_Forme &s);

// Stores a checked entry, each value as a project file gives it back: transom, stem and master
// section, both stations within the old length, the exponents, then the new length, which
// moves both stations (the hull grows or shrinks at the stern). The inclined-transom length is
// stored by the window's own reader.
void Stocke_Saisie_Forme(Etat_Projet &e, const Saisie_Forme &s);

// A change of the hull form puts the longitudinal step P(PAS_HORIZONTAL) of the views and
// walks back to its coarsest setting: a tenth of the hull length the record holds (the
// windows call it before they store the new entry).
void Remet_Pas_Horizontal(Etat_Projet &e);

} // namespace gabarit
