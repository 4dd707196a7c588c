#pragma once
// Righting moment of the heeled yacht, worked on one transverse section: the hull section at
// the keel station POSITION_DERIVE, heeled by ANGLE_GITE, with the keel canted by
// ANGLE_BASCULE and the bulb at its tip. The lateral centre of buoyancy of that section and the
// lateral centre of gravity of the onboard weights give the lever; the total weight times the lever
// is the moment.
#include <optional>

#include "interfaces/Canvas.h"
#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"

namespace gabarit {

// What the stability window shows of the righting moment: its section picture Picture2, the
// moment beside "Stabilite " and the theoretical sail area.
class Affichage_Stabilite {
public:
    virtual ~Affichage_Stabilite() = default;
    virtual Canvas &Picture2() = 0;
    // The moment in g x mm, or nothing when the heel gave none (" - - -").
    virtual void Montre_Moment(std::optional<double> moment) {}
    // The theoretical sail area, dm2.
    virtual void Montre_Surface_Theorique(double surface) {}
    // The comparison window, run again after a series while it is visible.
    virtual void Rafraichit_Comparaison() {}
};

// The message of a keel station where no section stands: inside the inclined-transom cut or
// at the bow.
inline constexpr const char *MESSAGE_DERIVE_HORS_COQUE =
    "La dérive est placée dans la découpe du tableau arrière incliné ou à l'étrave : "
    "le moment de redressement ne peut pas y être calculé.";

// The keel station has a section to walk: neither in the inclined-transom cut nor at or past
// the bow.
bool Station_Derive_Valide(const Etat_Projet &e);

// The refusal of such a keel station, so windows can tell it from their quiet failures.
class Derive_Hors_Coque : public Erreur_Gabarit {
public:
    Derive_Hors_Coque() : Erreur_Gabarit(MESSAGE_DERIVE_HORS_COQUE) {}
};

// Scale and origin of the stability picture: ORIGINE_Y a quarter of its height, ORIGINE_X half
// its width, ECHELLE_VUE so that the keel (or the beam, when wider) fits.
void Echelle_Stabilite(Etat_Projet &e, const Canvas &picture);

// One heel, ANGLE_GITE: draws the section, keel, bulb and both centres on the picture, stores
// the moment under the nearest of 0, 5, ..., 30 degrees (Moment_Redressement(k)) with the
// CENTRE_GRAVITE_Y, Y_BULBE and Z_BULBE it was worked from (nothing for a heel outside 0 to 30,
// nor for one whose floating position is out of date), and returns the moment. A section with no
// immersed area at the keel station stores nothing and returns nothing. A result the project file
// cannot hold is refused before anything is stored. X_Couple is given back. A keel station in the
// transom cut or at the bow throws Derive_Hors_Coque before anything is drawn.
std::optional<double> Calcul_Redressement(Etat_Projet &e, Affichage_Stabilite &affichage);

// The stability tab's refresh: status "Pret", scale, one heel.
std::optional<double> Actualise_Stabilite(Etat_Projet &e, Interface_Shell &shell,
                                          Affichage_Stabilite &affichage);

// The series 0 to 30 degrees by 5, then upright again, letting events run after each heel;
// leaves ANGLE_GITE at 0, MARQUE_SERIE at 0 and the theoretical sail area from the moment at
// 30 degrees in SURFACE_THEORIQUE (when that moment was stored), then refreshes the
// comparison; returns SURFACE_THEORIQUE. The heel is a local of the loop: an event that
// changes ANGLE_GITE cannot redirect the series.
// Every heel whose moment it did not compute (no immersed strip, a refusal part way) is
// marked out of date and its light turns red. A refusal part way is shown once and thrown on
// as already shown. A keel station where no section stands is refused (Derive_Hors_Coque,
// not shown: the windows word it) before any heel, every light then red.
double Calcul_Gite_0_30(Etat_Projet &e, Interface_Shell &shell, Affichage_Stabilite &affichage);

// The same series, telling nothing: a refusal part way is thrown on unshown, for a caller
// that gathers what one command has to tell into one box (the heel series).
double Calcul_Gite_0_30_Muet(Etat_Projet &e, Interface_Shell &shell,
                             Affichage_Stabilite &affichage);

// The stability window's series takes the freeboards the heel series found: with none of
// them current (every light red) it would store nothing. Refuses then, saying what to run.
inline constexpr const char *MESSAGE_FLOTTAISONS_PERIMEES =
    "Aucune position de flottaison n'est calculée (voyants rouges) : les moments ne peuvent "
    "pas être enregistrés. Lancer d'abord le calcul « Calcul Gîte 0-30° » de la barre "
    "d'outils.";
void Verifie_Flottaisons_Calculees(const Etat_Projet &e);

// Floor to a tenth of the moment at 30 degrees over 6200: dm2 of sail the hull can carry.
double Surface_Theorique(double moment_30);

} // namespace gabarit
