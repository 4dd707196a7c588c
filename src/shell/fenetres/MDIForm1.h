#pragma once
// The main frame: a multiple-document frame that holds every child window.
#include <QMainWindow>
#include <memory>

#include "model/Etat_Projet.h"

class QMdiArea;

namespace gabarit {

class Contexte;
class Shell_Qt;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(Etat_Projet& etat, QWidget* parent = nullptr);
    ~MDIForm1() override;

    Contexte& ctx() { return *ctx_; }
    QMdiArea* Zone() const { return zone_; }

private:
    Etat_Projet& etat_;
    QMdiArea* zone_;
    std::unique_ptr<Shell_Qt> shell_;
    std::unique_ptr<Contexte> ctx_;
};

} // namespace gabarit
