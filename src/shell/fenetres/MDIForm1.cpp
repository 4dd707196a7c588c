#include "shell/fenetres/MDIForm1.h"

#include <QMdiArea>

#include "shell/fenetres/Contexte.h"
#include "shell/fenetres/Shell_Qt.h"

namespace gabarit {

MDIForm1::MDIForm1(Etat_Projet& etat, QWidget* parent)
    : QMainWindow(parent), etat_(etat), zone_(new QMdiArea(this)),
      shell_(std::make_unique<Shell_Qt>(this)),
      ctx_(std::make_unique<Contexte>(etat, *shell_, zone_)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setCentralWidget(zone_);
    ctx_->cadre = this;
    setWindowTitle(QString::fromStdString(etat_.Nom_Projet.empty() ? "Gabarit" : etat_.Nom_Projet));
    resize(1024, 700);
}

MDIForm1::~MDIForm1() = default;

} // namespace gabarit
