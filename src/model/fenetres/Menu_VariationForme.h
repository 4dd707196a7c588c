#pragma once
// The shape-variation window: the two indices P(VARIATION_FORME_AV) and P(VARIATION_FORME_AR)
// that set how quickly the section shape moves from the master section towards the bow and the
// transom.
#include "platform/Fenetre_Fille.h"

class QLineEdit;
class QPlainTextEdit;

namespace gabarit {

class UpDown;

class Menu_VariationForme : public Fenetre_Fille {
    Q_OBJECT
public:
    explicit Menu_VariationForme(Contexte &ctx);

    // Each time the window becomes the active child: the spinners show the record, which
    // stays as it is.
    void Form_Activate();
    // Either spinner changed: stores both indices and recomputes the hull.
    void UpDown1_Change();

private:
    UpDown *UpDown1_[2]{};
    QLineEdit *Text1_[2]{};
    QPlainTextEdit *Text2_ = nullptr;
    // 1 while the window fills its own spinners.
    float remplissage_ = 0;
};

} // namespace gabarit
