#pragma once
// The splash window shown while the program starts.
#include <QWidget>
#include <functional>

namespace gabarit {

class Chargement : public QWidget {
    Q_OBJECT
public:
    // a_la_fin runs when the splash hides itself (after 5 seconds).
    explicit Chargement(std::function<void()> a_la_fin, QWidget* parent = nullptr);

private:
    std::function<void()> a_la_fin_;
};

} // namespace gabarit
