#pragma once
// The one offscreen QApplication of the benchmark program. It is never destroyed: at exit the
// platform plugin is gone before static objects are, and a QApplication destroyed then crashes.
#include <QApplication>

namespace gabarit::banc {

inline void Application() {
    static int argc = 1;
    static char nom[] = "gabarit_bench";
    static char *argv[] = {nom, nullptr};
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

} // namespace gabarit::banc
