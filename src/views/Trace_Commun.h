#pragma once
// What the hull, rig and appendage drawings share: their colours, the view transform of the
// side and plan views, the heel turning of section points and the guards of the walks.
#include <cstdint>
#include <string>

#include "interfaces/Canvas.h"
#include "model/Carene.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit::vues {

inline constexpr std::uint32_t NOIR = RGB(0, 0, 0);
inline constexpr std::uint32_t BLEU = RGB(0, 0, 255);
inline constexpr std::uint32_t ROUGE = RGB(255, 0, 0);
inline constexpr std::uint32_t VERT = RGB(0, 255, 0);
inline constexpr std::uint32_t VERT_FONCE = RGB(0, 128, 0);
inline constexpr std::uint32_t JAUNE = RGB(255, 255, 0);
inline constexpr std::uint32_t GRIS = RGB(192, 192, 192);

// The drawings' own pi: the sines and cosines of the views use this value, not M_PI.
inline constexpr double PI_VUES = 3.141593;
inline double Radians(double degres) { return degres * PI_VUES / 180; }

// Side and plan views: station x (mm from the stern), z (mm below the waterline).
inline double Vx(const Etat_Projet &e, double x) { return e.P(ORIGINE_X) + e.P(ECHELLE_VUE) * x; }
inline double Vy(const Etat_Projet &e, double z) { return e.P(ORIGINE_Y) + e.P(ECHELLE_VUE) * z; }
inline void Trait(Canvas &c, const Etat_Projet &e, double x1, double z1, double x2, double z2,
                  std::uint32_t couleur) {
    c.Segment(Vx(e, x1), Vy(e, z1), Vx(e, x2), Vy(e, z2), couleur);
}

// The section at station x for the heel Gite_Couple: X_Couple is left at x.
void Section(Etat_Projet &e, double x);

// A section point: y across (side 1 positive), h above the waterline, both in mm.
struct Point_Couple {
    double y, h;
};
// Turned about the waterline centre by the heel (degrees): a positive heel lifts side 1.
Point_Couple Tourne(Point_Couple p, double gite);
// Picture coordinates of a section point in the sections view, the section standing
// decalage picture units right of the centre line (oblique view) and narrowed by
// Cos_Angle_Vue.
double Abscisse_Couple(const Etat_Projet &e, double y, double decalage);
double Ordonnee_Couple(const Etat_Projet &e, double h);
// The keel point of a station with draught t, turned by the heel: its sideways offset is not
// narrowed by the view angle.
double Abscisse_Quille(const Etat_Projet &e, double t, double gite, double decalage);
double Ordonnee_Quille(const Etat_Projet &e, double t, double gite);

// Refuses a walk whose step is zero or negative, or so small against the range that the walk
// would take more than nb_max steps (NB_PAS_LONGUEUR_MAX along the hull, NB_PAS_HAUTEUR_MAX
// down a section: bounds from the table, never from the record); quoi names the step in the
// message.
void Verifie_Pas(double pas, double etendue, const std::string &quoi, double nb_max);
// Refuses a hull of zero or negative length before a walk along it.
void Verifie_Longueur(const Etat_Projet &e);

// A record as the messages name it: "n° 27".
std::string Numero(int n);
// Verifie_Pas for the step the user keeps in record `numero` (nom: "Le pas vertical"): the
// message names the record, its value and the least step the walk takes.
void Verifie_Pas_Projet(const Etat_Projet &e, int numero, const char *nom, double etendue,
                        double nb_max);
// Refuses a station outside the hull (behind the stern, ahead of the bow), where the hull laws
// give no deck or keel to draw from: sujet ("Le mât") dépasse, point ("son pied (n° 83)") tombe
// at so many mm, then what to change on that side.
void Verifie_Sur_Coque(const Etat_Projet &e, double x, const std::string &sujet,
                       const std::string &point, const std::string &avancer,
                       const std::string &reculer);
// The hull's own stations every view draws through lie on the hull: the deepest section
// (POSITION_COUPLE_HAUT), the top of the inclined transom (REPORT_TA) and the foot of the raked
// stem (LONGUEUR_ETRAVE back from the bow). Refused before anything is drawn or stored.
void Verifie_Stations_Coque(const Etat_Projet &e);
// The deepest section alone, in the same words: the heel series measures it too (the scale of
// the prismatic coefficient). A hull of no length is left to the caller's own refusal.
void Verifie_Couple_Haut(const Etat_Projet &e);

} // namespace gabarit::vues
