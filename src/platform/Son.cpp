#include "platform/Son.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace gabarit {

namespace {

// One effect per file, kept for the run, so a sound played again starts without reloading.
QHash<QString, QPointer<QSoundEffect>> &Effets() {
    static QHash<QString, QPointer<QSoundEffect>> effets;
    return effets;
}

} // namespace

void Joue_Fichier_Son(const QString &chemin) {
    // No event loop, no file, or no sound card: silence, never an error.
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    if (!info.isFile() || !info.isReadable())
        return;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const QString cle = info.absoluteFilePath();
    auto &effets = Effets();
    // As the old asynchronous call did, a new sound cuts the one playing.
    for (auto &e : effets)
        if (e && e->isPlaying())
            e->stop();
    QPointer<QSoundEffect> &effet = effets[cle];
    if (!effet) {
        effet = new QSoundEffect(app);
        QSoundEffect *e = effet;
        // The file loads in the background: a play asked meanwhile starts once it is ready,
        // and a file that cannot be decoded just stays silent.
        QObject::connect(e, &QSoundEffect::statusChanged, e, [e] {
            if (e->status() == QSoundEffect::Ready && e->property("a_jouer").toBool()) {
                e->setProperty("a_jouer", false);
                e->play();
            }
        });
        e->setSource(QUrl::fromLocalFile(cle));
    }
    if (effet->status() == QSoundEffect::Ready)
        effet->play();
    else
        effet->setProperty("a_jouer", true);
}

} // namespace gabarit
