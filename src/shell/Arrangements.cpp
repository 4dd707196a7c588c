#include "shell/Arrangements.h"

namespace gabarit {

Arrangement_Vue_Generale Arrange_Vue_Generale(int W, int H) {
    Arrangement_Vue_Generale a;
    const int demi_l = W / 2, demi_h = H / 2, quart3 = W / 4 * 3;
    a.profile = {0, 0, demi_l, demi_h};
    a.coupe = {demi_l, 0, demi_l, demi_h};
    a.voile = {quart3, demi_h, W / 4, demi_h};
    a.deplacement = {0, demi_h, quart3, demi_h};
    return a;
}

Arrangement_Outil Arrange_Outil(int W, int H, int w, int h) {
    Arrangement_Outil a;
    a.dessous = {0, h, w, H - h};
    a.haut_bas = H - h;
    a.vue = {w, 0, W - w, H};
    return a;
}

Rect_Fenetre Centre(int W, int H, int w, int h) { return {(W - w) / 2, (H - h) / 2, w, h}; }

} // namespace gabarit
