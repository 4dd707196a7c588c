// Writes data/tov0.mas, the master project: a 1-metre radio-controlled racing yacht.
//
// The design values are typed below; everything the program derives from them (weights and
// centre of gravity, sail areas and centre of effort, appendage figures, bulb position, hull
// table, upright waterline, wetted surface) is computed here with the program's own core,
// and last the heel series runs on it as the toolbar runs it, so the master opens with every
// heel result computed and its seven lights green.
//
// Build and run from the source tree, after the core library is built:
//   g++ -std=c++20 -O2 -Isrc data/outils/genere_maitre.cpp build/libgabarit_core.a
//       -o build/genere_maitre
//   build/genere_maitre data
// (the argument is the data folder: nacaa.ini is read there, tov0.mas written there).
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "interfaces/Shell_Enregistreur.h"
#include "model/Carene.h"
#include "model/Fichier_Projet.h"
#include "model/Flottaison.h"
#include "model/Geometrie_Couple.h"
#include "model/Numeros.h"
#include "rig/Table_Naca.h"
#include "shell/Serie_Gite.h"

using namespace gabarit;

namespace {

// A value as the file gives it back: whole thousandths.
double Millieme(double v) { return std::floor(v * 1000.0 + 1e-6) / 1000.0; }

void V(Etat_Projet &e, int n, double v, const std::string &texte) {
    e.P(n) = Millieme(v);
    e.Texte_Projet[static_cast<std::size_t>(n)] = texte;
}

void Non_Utilise(Etat_Projet &e, int de, int a) {
    for (int n = de; n <= a; ++n)
        V(e, n, 0, "Non utilise");
}

void Saisie(Etat_Projet &e) {
    // Hull form: L = 1000, widest at 440 from the stern, deepest at 480.
    V(e, 1, 520, "Longueur du bau maxi a l'etrave (mm)");
    V(e, 2, 480, "Position du bau maxi depuis l'arriere (mm)");
    V(e, 3, 1.8, "Exposant du livet a l'avant");
    V(e, 4, 2.2, "Exposant du livet a l'arriere");
    V(e, 5, 97, "Demi-largeur maxi au livet (mm)");
    V(e, 6, 125, "Hauteur maxi quille-livet (mm)");
    V(e, 7, 0.45, "Forme du maitre couple base a");
    V(e, 8, 0.35, "Forme du maitre couple pente b");
    V(e, 10, 520, "Position du couple le plus haut (mm)");
    V(e, 9, 1000 - 520, "Longueur du couple le plus haut a l'etrave (mm)");
    V(e, 11, 2, "Exposant de quille a l'avant");
    V(e, 12, 2, "Exposant de quille a l'arriere");
    V(e, 14, 62, "Demi-largeur du tableau arriere (mm)");
    V(e, 15, 72, "Hauteur du tableau arriere (mm)");
    V(e, 16, 0.25, "Forme du tableau base a");
    V(e, 17, 0.15, "Forme du tableau pente b");
    V(e, 19, 0.9, "Forme de l'etrave base a");
    V(e, 20, 0.6, "Forme de l'etrave pente b");
    V(e, 21, 90, "Hauteur au pied d'etrave (mm)");
    V(e, 35, 25, "Longueur du tableau incline (mm)");
    V(e, 36, 20, "Longueur de l'etrave inclinee (mm)");
    V(e, 107, 2, "Variation de forme a l'avant");
    V(e, 108, 2, "Variation de forme a l'arriere");

    // Computation settings and view scratch.
    V(e, 22, 0.2, "Echelle de la vue en cours (travail)");
    V(e, 26, 0, "Angle de gite (degres)");
    V(e, 27, 100, "Pas horizontal (mm)");
    V(e, 29, 0, "Angle de rotation de la vue (degres)");
    V(e, 37, 2, "Pas vertical (mm)");
    V(e, 40, 0, "Origine verticale de la vue (travail)");
    V(e, 41, 0, "Origine horizontale de la vue (travail)");
    V(e, 231, 10, "Nombre de pas horizontaux");

    // Onboard gear: station, height, weight.
    V(e, 32, 470, "Position du poids de carene (mm)");
    V(e, 57, 1100, "Poids de la carene avec aileron (g)");
    V(e, 58, 170, "Position du servo 1 de safran (mm)");
    V(e, 59, 25, "Hauteur du servo 1 (mm)");
    V(e, 60, 45, "Poids du servo 1 (g)");
    V(e, 61, 640, "Position du servo 2 (mm)");
    V(e, 62, 25, "Hauteur du servo 2 (mm)");
    V(e, 63, 30, "Poids du servo 2 (g)");
    V(e, 64, 420, "Position de la batterie (mm)");
    V(e, 65, 15, "Hauteur de la batterie (mm)");
    V(e, 66, 100, "Poids de la batterie (g)");
    V(e, 67, 560, "Position du treuil (mm)");
    V(e, 68, 30, "Hauteur du treuil (mm)");
    V(e, 69, 180, "Poids du treuil (g)");
    V(e, 70, 360, "Position du recepteur (mm)");
    V(e, 71, 35, "Hauteur du recepteur (mm)");
    V(e, 72, 15, "Poids du recepteur (g)");
    V(e, 73, 500, "Position du poids libre de reglage (mm)");
    V(e, 74, 0, "Hauteur du poids libre (mm)");
    V(e, 75, 0, "Poids libre de reglage (g)");
    V(e, 76, 0, "Position laterale du servo 1 (mm)");
    V(e, 77, 0, "Position laterale du servo 2 (mm)");
    V(e, 78, 0, "Position laterale de la batterie (mm)");
    V(e, 79, 0, "Position laterale du treuil (mm)");
    V(e, 80, 0, "Position laterale du recepteur (mm)");
    V(e, 81, 0, "Position laterale du poids libre (mm)");
    V(e, 33, 0, "Position laterale de la carene (mm)");
    V(e, 34, 0, "Decalage lateral du bulbe (mm)");
    V(e, 24, 0, "Centre de gravite lateral (mm)");
    V(e, 228, 0, "Angle de bascule de la quille (degres)");
    V(e, 171, 58, "Item choisi en stabilite - element de position");
    V(e, 172, 76, "Item choisi en stabilite - element lateral");

    // Keel, rudder, bulb.
    V(e, 18, 0, "Profil NACA du haut de derive");
    V(e, 25, 4, "Profil NACA du bas de derive");
    V(e, 110, 450, "Position de la derive (mm)");
    V(e, 111, 95, "Corde haute de derive (mm)");
    V(e, 112, 75, "Corde basse de derive (mm)");
    V(e, 113, 320, "Longueur de derive (mm)");
    V(e, 115, 0, "Angle de derive (degres)");
    V(e, 88, 0, "Profil NACA du haut de safran");
    V(e, 92, 4, "Profil NACA du bas de safran");
    V(e, 136, 90, "Position du safran (mm)");
    V(e, 137, 70, "Corde haute de safran (mm)");
    V(e, 138, 45, "Corde basse de safran (mm)");
    V(e, 139, 200, "Longueur de safran (mm)");
    V(e, 141, 5, "Angle du safran (degres)");
    V(e, 159, 6, "Profil NACA du bulbe vue de cote haut");
    V(e, 160, 6, "Profil NACA du bulbe vue de dessus");
    V(e, 161, 6, "Profil NACA du bulbe vue de cote bas");
    V(e, 162, 50, "Position du bulbe sur la derive (%)");
    V(e, 165, 270, "Longueur du bulbe (mm)");
    V(e, 166, 48, "Hauteur du bulbe (mm)");
    V(e, 170, 2450, "Poids du bulbe (g)");

    // Free sail plan (A rig).
    V(e, 82, 1650, "Hauteur du mat au-dessus du pont (mm)");
    V(e, 83, 600, "Position du mat (mm)");
    V(e, 84, 1580, "Hauteur de la grand-voile (mm)");
    V(e, 85, 340, "Bordure de la grand-voile (mm)");
    V(e, 86, 60, "Hauteur d'amure de la grand-voile (mm)");
    V(e, 87, 1.6, "Exposant de chute de la grand-voile");
    V(e, 93, 40, "Longueur de tete de grand-voile (mm)");
    V(e, 94, 90, "Retour de la tete au pont (mm)");
    V(e, 96, 1200, "Hauteur du foc (mm)");
    V(e, 97, 300, "Bordure du foc (mm)");
    V(e, 98, 50, "Hauteur d'amure du foc (mm)");
    V(e, 279, 0, "Voilure Class 1 ou libre 0");
    V(e, 284, 0, "Rond de chute Class coefficient A");
    V(e, 285, 0, "Rond de chute Class coefficient B");
    V(e, 286, 0, "Rond de chute Class coefficient C");

    // Values without a meaning.
    for (auto [de, a] :
         {std::pair{30, 31}, {38, 38},   {95, 95},   {100, 101}, {105, 106}, {109, 109},
          {114, 114},        {116, 121}, {124, 124}, {127, 135}, {140, 140}, {142, 147},
          {150, 150},        {152, 158}, {163, 164}, {167, 169}, {173, 179}, {183, 185},
          {221, 227},        {230, 230}, {232, 278}, {280, 283}, {287, 299}})
        Non_Utilise(e, de, a);
    V(e, 300, 0, "Version 2.2.9");
}

// Weights and centre of gravity, as the weights window computes them.
void Centrage(Etat_Projet &e) {
    const double t = e.P(110) - e.P(113) * std::sin(e.P(115) * 3.14116 / 180);
    e.P(180) = (50 - e.P(162)) / 100 * e.P(165) + t;
    const int items[8][2] = {{58, 60}, {32, 57}, {61, 63}, {64, 66},
                             {67, 69}, {70, 72}, {73, 75}, {180, 170}};
    double poids = 0, moment = 0;
    for (auto [x, p] : items) {
        poids += e.P(p);
        moment += e.P(x) * e.P(p);
    }
    V(e, 42, poids, "Poids total (g)");
    V(e, 23, std::floor(moment / poids), "Centre de gravite longitudinal (mm)");
}

// Sail areas, centroids and centre of effort of the free sail plan.
void Voilure(Etat_Projet &e) {
    e.Gite_Couple = 0;
    e.X_Couple = e.P(83);
    Calcul_Couple(e);
    const double D = e.Cote_Livet;
    const double Lm = e.P(84) - e.P(86), F = e.P(85), n = e.P(87);
    const double Hj = e.P(96) - e.P(98);

    double S = 0, A = 0, H = 0, W = 0;
    for (double h = Lm; h >= 0; h -= Lm / 8) {
        const double w = F * (1 - std::pow(h / Lm, n));
        S = std::trunc(S + w);
        A += h * w;
        H += h;
        W += w;
    }
    V(e, 99, std::floor(Hj * e.P(97) / 2), "Surface du foc (mm2)");
    V(e, 89, std::trunc(Lm * (S / 11)), "Surface de grand-voile (mm2)");
    V(e, 90, e.P(83) - A / H, "Centre de grand-voile position (mm)");
    V(e, 91, (e.P(86) - D) + A / W, "Centre de grand-voile hauteur (mm)");
    V(e, 102, e.P(89) + e.P(99), "Surface de voilure totale (mm2)");

    double SA = 0, SAy = 0;
    for (double y = 0; y <= e.P(82); y += 10) {
        double wm = 0, wj = 0;
        if (e.P(86) <= y && y <= e.P(84))
            wm = F - F * std::pow(y - e.P(86), n) / std::pow(Lm, n);
        if (e.P(98) <= y && y <= e.P(96))
            wj = e.P(97) - (y - e.P(98)) * e.P(97) / Hj;
        SA += wm + wj;
        SAy += y * (wm + wj);
    }
    double SH = 0, SHx = 0, s = 0;
    for (double x = 0; x <= F + e.P(97); x += 10) {
        double corde;
        if (x <= F) {
            double h = s;
            while (h < Lm && F - F * (1 - std::pow(h / Lm, n)) < x)
                h += 1;
            corde = h;
            s = h;
        } else {
            corde = Hj - (x - F) * Hj / e.P(97);
        }
        SH += corde;
        SHx += x * corde;
    }
    V(e, 104, SAy / SA - D, "Centre velique hauteur (mm)");
    V(e, 103, (e.P(83) - F) + SHx / SH, "Centre velique position (mm)");
}

// Keel and rudder figures and the centre of lateral resistance.
void Appendices(Etat_Projet &e) {
    V(e, 122, std::trunc((e.P(111) + e.P(112)) * e.P(113) / 2), "Surface de derive (mm2)");
    V(e, 123, std::trunc(e.P(113) * e.P(113) / e.P(122) * 200) / 100, "Allongement de derive");
    V(e, 125, std::trunc(e.P(102) / 217382 * 100) / 100, "Surface theorique de derive (dm2)");
    V(e, 148, std::trunc((e.P(137) + e.P(138)) * e.P(139) / 2), "Surface de safran (mm2)");
    V(e, 149, std::trunc(e.P(139) * e.P(139) / e.P(148) * 200) / 100, "Allongement de safran");
    V(e, 151, std::trunc(e.P(102) / 869519 * 100) / 100, "Surface theorique de safran (dm2)");
    const double k = e.P(110) - 0.2 * e.P(111), r = e.P(136) - 0.7 * e.P(137);
    V(e, 126, (k * e.P(122) + r * e.P(148)) / (e.P(148) + e.P(122)), "Centre anti-derive (mm)");
}

// Bulb depths as the bulb drawing stores them, then the vertical centre of gravity.
void Bulbe_Et_Centre_Vertical(Etat_Projet &e) {
    e.Gite_Couple = 0;
    e.X_Couple = e.P(110);
    Calcul_Couple(e);
    const float Lr = static_cast<float>(e.P(165) / 100);
    const double a = e.P(115) * 3.141593 / 180;
    const double zt = (e.P(113) + e.Tirant_Eau_Couple) * std::cos(a);
    const double xt = e.P(110) - e.P(113) * std::sin(a);
    const int haut = static_cast<int>(e.P(159)), bas = static_cast<int>(e.P(161));
    const double za = zt + e.Table_Naca[haut][26] * Lr;
    V(e, 181, za, "Profondeur de l'axe du bulbe (mm)");
    V(e, 180, (50 - e.P(162)) / 100 * e.P(165) + xt, "Position du centre du bulbe (mm)");
    V(e, 182, za + e.Table_Naca[bas][26] * Lr, "Profondeur du bas du bulbe (mm)");

    const int items[7][2] = {{62, 63}, {59, 60}, {65, 66},  {68, 69},
                             {71, 72}, {74, 75}, {181, 170}};
    double poids = 0, moment = 0;
    for (auto [z, p] : items) {
        poids += e.P(p);
        moment += e.P(z) * e.P(p);
    }
    V(e, 28, std::floor(moment / poids), "Centre de gravite vertical (mm)");
}

// The stability window's two pictures at their size on the screen (2535 x 2175 and
// 3255 x 2175 twips at 15 twips a pixel, 96 pixels an inch), "Precision" not ticked.
struct Fenetres_Maitre : Fenetres_Serie {
    static constexpr double MM = 25.4 / 96;
    Canvas_Enregistreur picture2{169 * MM, 145 * MM}, picture3{217 * MM, 145 * MM};
    Canvas &Picture2() override { return picture2; }
    Canvas *Picture3() override { return &picture3; }
};

// Every value the heel series writes.
std::vector<int> Resultats_Gite() {
    std::vector<int> n;
    for (int k = 0; k < NB_GITES; ++k)
        for (int v : {Franc_Bord_AR(k), Franc_Bord_AV(k), Etat_Gite(k), Coef_Prismatique_Gite(k),
                      Surface_Mouillee_Gite(k), Volume_Gite(k), Moment_Redressement(k)})
            n.push_back(v);
    for (int v : {SURFACE_THEORIQUE, MARQUE_SERIE, VOLUME_CARENE, COEF_PRISMATIQUE})
        n.push_back(v);
    return n;
}

void Serie_Gite(Etat_Projet &e, Interface_Shell &shell) {
    // The series leaves its drawing scale and the bulb depth of its last righting moment;
    // the master keeps the views' scratch and the bulb drawing's depth, from which its
    // vertical centre of gravity was worked out.
    const double echelle = e.P(ECHELLE_VUE), y0 = e.P(ORIGINE_Y), x0 = e.P(ORIGINE_X),
                 z_bulbe = e.P(Z_BULBE);
    Fenetres_Maitre f;
    Calcul_Gite_Serie(e, shell, f, Passes_Gite::Toutes);
    e.P(ECHELLE_VUE) = echelle;
    e.P(ORIGINE_Y) = y0;
    e.P(ORIGINE_X) = x0;
    e.P(Z_BULBE) = z_bulbe;
    for (int k = 0; k < NB_GITES; ++k)
        if (e.P(Etat_Gite(k)) != 0)
            throw Erreur_Gabarit("la serie n'a pas flotte la gite " + std::to_string(5 * k));
}

} // namespace

int main(int argc, char **argv) {
    const std::string dossier = argc > 1 ? argv[1] : "data";
    Etat_Projet e;
    e.Dossier_Programme = dossier;
    Shell_Enregistreur shell;
    try {
        Lit_Table_Naca(e);
        Saisie(e);
        Centrage(e);

        // Upright waterline, then the table again so the girth and P(200) belong to it.
        Calcul_Tab(e);
        if (!Calcul_Flottaison(e, shell))
            throw Erreur_Gabarit("le projet maitre ne flotte pas");
        Calcul_Tab(e);
        if (!Calcul_Flottaison(e, shell))
            throw Erreur_Gabarit("le projet maitre ne flotte pas");
        static const char *GITES[7] = {"0", "5", "10", "15", "20", "25", "30"};
        const int ARRIERE[7] = {43, 44, 45, 46, 47, 48, 55};
        const int AVANT[7] = {49, 50, 51, 52, 53, 54, 56};
        for (int k = 0; k < 7; ++k) {
            // Heeled freeboards start from the upright waterline until the heel series runs.
            const std::string g = GITES[k];
            const double ar = e.P(43), av = e.P(49);
            V(e, ARRIERE[k], ar, "Franc-bord arriere a " + g + " degres (mm)");
            V(e, AVANT[k], av, "Franc-bord avant a " + g + " degres (mm)");
        }
        V(e, 13, e.P(13), "Volume de carene (100 cm3)");
        V(e, 200, e.P(200), "Surface mouillee a 0 degre (1000 mm2)");
        V(e, 207, e.P(207), "Volume a 0 degre (0.01 cm3)");

        Voilure(e);
        Appendices(e);
        Bulbe_Et_Centre_Vertical(e);

        // The comments of the heel results; their values come from the series below.
        V(e, 39, 0, "Dernier coefficient prismatique calcule (x10)");
        for (int k = 0; k < 7; ++k) {
            const std::string g = GITES[k];
            V(e, 186 + k, 1, "Etat du calcul a " + g + " degres (1 a refaire)");
            V(e, 193 + k, 0, "Coefficient prismatique a " + g + " degres (x10)");
            if (k > 0) {
                V(e, 200 + k, 0, "Surface mouillee a " + g + " degres (1000 mm2)");
                V(e, 207 + k, 0, "Volume a " + g + " degres (cm3)");
            }
            V(e, 214 + k, 0, "Moment de redressement a " + g + " degres (g.mm)");
        }
        V(e, 229, 0, "Surface de voilure theorique (dm2)");
        Serie_Gite(e, shell);

        for (int n = 1; n <= NB_VALEURS_PROJET; ++n)
            if (e.Texte_Projet[static_cast<std::size_t>(n)].empty())
                throw Erreur_Gabarit("valeur sans commentaire : " + std::to_string(n));

        const std::string chemin = dossier + "/tov0.mas";
        Ecrit_Fichier_Projet(chemin, e);

        // Read it back and float it again: the stored waterline must come out unchanged.
        Etat_Projet relu;
        Lit_Fichier_Projet(chemin, Projet_Courant(relu));
        Calcul_Tab(relu);
        if (!Calcul_Flottaison(relu, shell) || relu.P(43) != e.P(43) || relu.P(49) != e.P(49))
            throw Erreur_Gabarit("la flottaison relue differe");
        // And the series run again on what was read gives back every stored heel result.
        Etat_Projet stocke = relu;
        Serie_Gite(relu, shell);
        for (int n : Resultats_Gite())
            if (relu.P(n) != stocke.P(n))
                throw Erreur_Gabarit("la serie relue differe en " + std::to_string(n) + " : " +
                                     std::to_string(relu.P(n)) + " au lieu de " +
                                     std::to_string(stocke.P(n)));
        std::printf("L %g  P(42) %g g  P(23) %g  franc-bords %g / %g  P(13) %g  P(200) %g\n", e.L(),
                    e.P(42), e.P(23), e.P(43), e.P(49), e.P(13), e.P(200));
        std::printf("voilure %g + %g = %g mm2  centre velique %g / %g  CAD %g\n", e.P(89), e.P(99),
                    e.P(102), e.P(103), e.P(104), e.P(126));
        for (int k = 0; k < NB_GITES; ++k)
            std::printf(
                "gite %2d : francs-bords %g / %g  Cp %g  surface %g  volume %g  moment %g\n", 5 * k,
                e.P(Franc_Bord_AR(k)), e.P(Franc_Bord_AV(k)), e.P(Coef_Prismatique_Gite(k)),
                e.P(Surface_Mouillee_Gite(k)), e.P(Volume_Gite(k)), e.P(Moment_Redressement(k)));
        std::printf("surface theorique %g\n", e.P(229));
        std::printf("bulbe %g / %g / %g  P(28) %g\n", e.P(180), e.P(181), e.P(182), e.P(28));
    } catch (const std::exception &ex) {
        std::fprintf(stderr, "genere_maitre : %s\n", ex.what());
        return 1;
    }
    return 0;
}
