#include "stability/Reglages_Stabilite.h"

#include <algorithm>

#include "model/Numeros.h"
#include "views/Dessins.h"

namespace gabarit {

namespace {
constexpr std::uint32_t ROUGE = RGB(255, 0, 0);
// Where the chart's bars meet: the level 5.5, in twips of the picture.
constexpr double BAS_BARRE_HAUTE = 840;
constexpr double HAUT_BARRE_BASSE = 1080;
constexpr double TWIPS_PAR_DIXIEME = 490;
} // namespace

int Item_Du_Projet(const Etat_Projet &e) {
    for (std::size_t i = 0; i < ITEMS_STABILITE.size(); ++i)
        if (e.P(ITEM_HAUTEUR) == ITEMS_STABILITE[i].x && e.P(ITEM_LATERAL) == ITEMS_STABILITE[i].y)
            return static_cast<int>(i);
    return 0;
}

void Choisit_Item(Etat_Projet &e, int i) {
    const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(i));
    e.X_Couple = e.P(it.x);
    e.P(ITEM_HAUTEUR) = it.x;
    e.P(ITEM_LATERAL) = it.y;
    e.Item_Choisi = i;
}

void Trace_Item_Stabilite(Etat_Projet &e, Interface_Shell &shell, Canvas &picture, int i,
                          double y) {
    const Item_Stabilite &it = ITEMS_STABILITE.at(static_cast<std::size_t>(i));
    e.X_Couple = e.P(it.x);
    e.P(ORIGINE_Y) = picture.Hauteur() / 2;
    e.P(ORIGINE_X) = picture.Largeur() / 2;
    e.P(ECHELLE_VUE) = Divise(e.P(ORIGINE_X) - 5, e.P(DEMI_LARGEUR_MAX));
    Trace_Couple(e, shell, picture);
    const double cx = e.P(ORIGINE_X) + y * e.P(ECHELLE_VUE);
    const double cy = e.P(ORIGINE_Y) - e.P(it.z) * e.P(ECHELLE_VUE);
    picture.Segment(cx - 2, cy, cx + 2, cy, ROUGE);
    picture.Segment(cx, cy - 2, cx, cy + 2, ROUGE);
}

bool Calculs_Gite_A_Jour(const Etat_Projet &e) {
    for (int k = 0; k < NB_GITES; ++k) {
        const auto n = static_cast<std::size_t>(Etat_Gite(k));
        if (e.Tab_Param[n] == 1 || e.Tab_Param_Compar[n] == 1)
            return false;
    }
    return true;
}

Barre_Gite Calcul_Barre_Gite(double v) {
    Barre_Gite b{BAS_BARRE_HAUTE, 0, HAUT_BARRE_BASSE, 0};
    if (v <= 5.5) {
        b.hauteur1 = (5.5 - v) * TWIPS_PAR_DIXIEME;
        b.haut1 = BAS_BARRE_HAUTE - b.hauteur1;
        b.hauteur2 = 0;
    }
    if (v >= 5.5) {
        b.hauteur2 = std::max(0.0, (7 - v) * TWIPS_PAR_DIXIEME);
        b.hauteur1 = 0;
    }
    return b;
}

} // namespace gabarit
