#include "shell/fenetres/Chargement.h"

#include <QTimer>

namespace gabarit {

Chargement::Chargement(std::function<void()> a_la_fin, QWidget* parent)
    : QWidget(parent), a_la_fin_(std::move(a_la_fin)) {
    setObjectName(QStringLiteral("Chargement"));
    QTimer::singleShot(0, this, [this] {
        hide();
        if (a_la_fin_)
            a_la_fin_();
    });
}

} // namespace gabarit
