#pragma once
#include <QDialog>

namespace gabarit {

class Contexte;

// Modal settings dialog.
class M_AngGit : public QDialog {
    Q_OBJECT
public:
    M_AngGit(Contexte& ctx, QWidget* parent = nullptr);

private:
    Contexte& ctx_;
};

} // namespace gabarit
