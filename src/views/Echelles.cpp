// View scales: the scale P(ECHELLE_VUE) (picture units per mm) and origin P(ORIGINE_X),
// P(ORIGINE_Y) of each view, from the size of its picture.
#include <cmath>
#include <string>

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
    e.P(ORIGINE_Y) = c.Hauteur() / 4;
    e.P(ORIGINE_X) = c.Largeur() / 20;
}

void Echelle_Deplacement(Etat_Projet &e, const Canvas &c) {
    e.P(ORIGINE_Y) = c.Hauteur() / 4;
    e.P(ORIGINE_X) = c.Largeur() / 20;
}

// The sail plan stands on a waterline low in the window, leaving room for the mast.
void Echelle_Voilure(Etat_Projet &e, const Canvas &c) {
    e.P(ORIGINE_Y) = c.Hauteur() / 10 * 9;
    e.P(ORIGINE_X) = c.Largeur() / 20;
}

// Sections view: the full beam fills the width less 10 units, unless the depth would not fit
// in half the height; waterline at mid-height, centre line at mid-width.
void Echelle_Coupe(Etat_Projet &e, const Canvas &c) {
    // The scale divides by the beam and by the depth.
    const struct {
        int n;
        const char *nom, *quoi;
    } tailles[] = {{DEMI_LARGEUR_MAX, "La demi-largeur maximale au livet", "une largeur"},
                   {HAUTEUR_MAX, "La hauteur maximale quille-livet", "une hauteur"}};
    for (const auto &t : tailles)
        if (!(e.P(t.n) > 0))
            throw Erreur_Gabarit(std::string(t.nom) + " (" + vues::Numero(t.n) + ") vaut " +
                                 Valeur_Message(e.P(t.n)) +
                                 " mm : la vue des couples ne peut pas être mise à l'échelle. "
                                 "Donner à la coque " +
                                 t.quoi + " supérieure à 0.");
    const double z = Zoom_Couple(e);
    const double sw = c.Largeur(), sh = c.Hauteur();
    double echelle = Divise(sw - 10, 2 * e.P(DEMI_LARGEUR_MAX) * z);
    const double echelle_creux = Divise(sh / 2, z * e.P(HAUTEUR_MAX));
    if (echelle > echelle_creux)
        echelle = echelle_creux;
    e.P(ECHELLE_VUE) = echelle;
    e.P(ORIGINE_Y) = sh / 2;
    e.P(ORIGINE_X) = sw / 2;
}

// Oblique sections view: the hull turned by the view angle a spans L sin a + B cos a, B the
// transom half-breadth; the stern section's centre line sits B plus 5 units from the left
// edge.
void Echelle_3D(Etat_Projet &e, const Canvas &c) {
    const float z = Zoom_Couple(e);
    const double a = e.P(ANGLE_ROTATION) * vues::PI_VUES / 180;
    float largeur = static_cast<float>((e.P(LONGUEUR_AR) + e.P(LONGUEUR_AV)) * std::sin(a) +
                                       e.P(DEMI_LARGEUR_TA) * std::cos(a));
    if (e.P(ANGLE_ROTATION) == 0)
        largeur = static_cast<float>(2 * e.P(DEMI_LARGEUR_MAX));
    const float produit = largeur * z;
    e.P(ECHELLE_VUE) = Divise(c.Largeur() - 10, produit);
    e.P(ORIGINE_Y) = c.Hauteur() / 2;
    e.P(ORIGINE_X) = e.P(ECHELLE_VUE) * e.P(DEMI_LARGEUR_TA) + 5;
}

} // namespace gabarit
