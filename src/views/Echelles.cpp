// View scales: the scale P(22) (picture units per mm) and origin P(40), P(41) of each view,
// from the size of its picture.
#include <cmath>

#include "views/Dessins.h"
#include "views/Trace_Commun.h"

namespace gabarit {

namespace {
// The sections zoom divides the scale: at zero or below the drawing would blow up or turn
// over, so it never goes below one step of the zoom buttons.
constexpr float ECH_COUPLE_MINIMUM = 0.1f;

float Zoom_Couple(Etat_Projet &e) {
    if (!(e.Ech_Couple >= ECH_COUPLE_MINIMUM))
        e.Ech_Couple = ECH_COUPLE_MINIMUM;
    return e.Ech_Couple;
}
} // namespace

// Profile, displacement and sail views only place the origin; the profile drawing sets the
// scale.
void Echelle_Profil(Etat_Projet &e, const Canvas &c) {
    e.P(40) = c.Hauteur() / 4;
    e.P(41) = c.Largeur() / 20;
}

void Echelle_Deplacement(Etat_Projet &e, const Canvas &c) {
    e.P(40) = c.Hauteur() / 4;
    e.P(41) = c.Largeur() / 20;
}

// The sail plan stands on a waterline low in the window, leaving room for the mast.
void Echelle_Voilure(Etat_Projet &e, const Canvas &c) {
    e.P(40) = c.Hauteur() / 10 * 9;
    e.P(41) = c.Largeur() / 20;
}

// Sections view: the full beam fills the width less 10 units, unless the depth would not fit
// in half the height; waterline at mid-height, centre line at mid-width.
void Echelle_Coupe(Etat_Projet &e, const Canvas &c) {
    const double z = Zoom_Couple(e);
    const double sw = c.Largeur(), sh = c.Hauteur();
    double echelle = Divise(sw - 10, 2 * e.P(5) * z);
    const double echelle_creux = Divise(sh / 2, z * e.P(6));
    if (echelle > echelle_creux)
        echelle = echelle_creux;
    e.P(22) = echelle;
    e.P(40) = sh / 2;
    e.P(41) = sw / 2;
}

// Oblique sections view: the hull turned by P(29) spans L sin a + P(14) cos a; the stern
// section's centre line sits its half-breadth plus 5 units from the left edge.
void Echelle_3D(Etat_Projet &e, const Canvas &c) {
    const float z = Zoom_Couple(e);
    const double a = e.P(29) * vues::PI_VUES / 180;
    float largeur = static_cast<float>((e.P(2) + e.P(1)) * std::sin(a) + e.P(14) * std::cos(a));
    if (e.P(29) == 0)
        largeur = static_cast<float>(2 * e.P(5));
    const float produit = largeur * z;
    e.P(22) = Divise(c.Largeur() - 10, produit);
    e.P(40) = c.Hauteur() / 2;
    e.P(41) = e.P(22) * e.P(14) + 5;
}

} // namespace gabarit
