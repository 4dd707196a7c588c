#include "platform/Son.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace gabarit {

namespace {

// One effect per file, kept for the run, so a sound played again starts without reloading.
QHash<QString, QPointer<QSoundEffect>>& Effets() {
    static QHash<QString, QPointer<QSoundEffect>> effets;
    return effets;
}

} // namespace

void Joue_Fichier_Son(const QString& chemin) {
    // No event loop, no file, or no sound card: silence, never an error.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    if (!info.isFile() || !info.isReadable())
        return;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const QString cle = info.absoluteFilePath();
    auto& effets = Effets();
    // As the old asynchronous call did, a new sound cuts the one playing.
    for (auto& e : effets)
        if (e && e->isPlaying())
            e->stop();
    QPointer<QSoundEffect>& effet = effets[cle];
    if (!effet) {
        effet = new QSoundEffect(app);
        effet->setSource(QUrl::fromLocalFile(cle));
    }
    // The effect loads in the background and starts when ready; play() returns at once.
    effet->play();
}

} // namespace gabarit
