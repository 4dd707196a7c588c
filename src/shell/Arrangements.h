#pragma once
// Where the main toolbar's keys put the child windows, from the client area W x H of the
// frame and the size w x h of the tool window laid at the top left. Same unit in and out.
namespace gabarit {

struct Rect_Fenetre {
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    bool operator==(const Rect_Fenetre &) const = default;
};

// "Vue Générale": profile and sections side by side in the upper half, the weights view
// over three quarters of the lower half and the sail view in its last quarter.
struct Arrangement_Vue_Generale {
    Rect_Fenetre profile, coupe, voile, deplacement;
};
Arrangement_Vue_Generale Arrange_Vue_Generale(int W, int H);

// A tool window w x h at 0, 0; a second one under it at the bottom left; a view filling
// the strip on its right. Used by the hull-form, sail and weights keys.
struct Arrangement_Outil {
    Rect_Fenetre dessous; // hull form: the sections view below the window (0, h, w, H - h)
    int haut_bas = 0;     // sail and weights: top of the window laid at the bottom left (H - h)
    Rect_Fenetre vue;     // w, 0, W - w, H
};
Arrangement_Outil Arrange_Outil(int W, int H, int w, int h);

// Left and top that centre a w x h window in the client area.
Rect_Fenetre Centre(int W, int H, int w, int h);

} // namespace gabarit
