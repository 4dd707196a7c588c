#pragma once
#include <QDialog>

namespace gabarit {

class Contexte;

// Modal settings dialog.
class M_PasHor : public QDialog {
    Q_OBJECT
public:
    M_PasHor(Contexte& ctx, QWidget* parent = nullptr);

private:
    Contexte& ctx_;
};

} // namespace gabarit
