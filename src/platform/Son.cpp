#include "platform/Son.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMutex>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <utility>
#include <vector>

namespace gabarit {

namespace {

// The players of the sound thread; lives in that thread.
class Travail_Sons : public QObject {
public:
    void Traite();
    void Coupe_Tout();

private:
    void Joue(const QString &chemin);
    void Etat_Change(QAudioSink *lecteur, QAudio::State etat);
    void Libere(QAudioSink *lecteur);
    std::vector<QAudioSink *> lecteurs_;
};

// Shared between the window's thread and the sound thread. Never destroyed: a sound thread
// stuck in the audio server at the end of the process may still reach it.
struct Etat_Sons {
    QMutex mutex;
    QThread *fil = nullptr;
    Travail_Sons *travail = nullptr;
    QString attente; // the latest sound asked for; older ones not yet started are dropped
    Bilan_Sons bilan;
    std::function<void(const QString &)> joueur;
    bool routine_posee = false;
    // Sound threads a stop found stuck in the audio server, with their players: kept here
    // until a later stop finds them ended.
    std::vector<std::pair<QThread *, Travail_Sons *>> bloques;
};
Etat_Sons &Sons() {
    static Etat_Sons *s = new Etat_Sons;
    return *s;
}

template <class F> void Modifie_Bilan(F f) {
    QMutexLocker verrou(&Sons().mutex);
    f(Sons().bilan);
}

void Travail_Sons::Traite() {
    QString chemin;
    std::function<void(const QString &)> joueur;
    {
        QMutexLocker verrou(&Sons().mutex);
        chemin = std::exchange(Sons().attente, QString());
        joueur = Sons().joueur;
    }
    if (chemin.isEmpty())
        return;
    Coupe_Tout();
    if (joueur)
        joueur(chemin);
    else
        Joue(chemin);
}

void Travail_Sons::Joue(const QString &chemin) {
    QFile f(chemin);
    std::optional<Son_Wav> wav;
    if (f.open(QIODevice::ReadOnly))
        wav = Lit_Wav(f.read(64 * 1024 * 1024));
    const QAudioDevice sortie = wav ? QMediaDevices::defaultAudioOutput() : QAudioDevice();
    if (!wav || sortie.isNull()) {
        Modifie_Bilan([](Bilan_Sons &b) { ++b.echecs; });
        return;
    }
    // No parent: a player goes by its own deferred deletion, even at the thread's end.
    auto *lecteur = new QAudioSink(sortie, wav->format);
    auto *tampon = new QBuffer(lecteur);
    tampon->setData(wav->echantillons);
    tampon->open(QIODevice::ReadOnly);
    lecteurs_.push_back(lecteur);
    Modifie_Bilan([this](Bilan_Sons &b) { b.lecteurs = static_cast<int>(lecteurs_.size()); });
    connect(lecteur, &QAudioSink::stateChanged, this,
            [this, lecteur](QAudio::State etat) { Etat_Change(lecteur, etat); });
    lecteur->start(tampon);
    if (lecteur->error() != QAudio::NoError && lecteur->state() != QAudio::StoppedState)
        lecteur->stop();
}

void Travail_Sons::Etat_Change(QAudioSink *lecteur, QAudio::State etat) {
    if (etat == QAudio::IdleState && !lecteur->property("fini").toBool()) {
        // Every sample is with the server: let it play what it holds, then release.
        lecteur->setProperty("fini", true);
        const auto *tampon = lecteur->findChild<QBuffer *>();
        const qint64 duree = tampon ? lecteur->format().durationForBytes(tampon->pos()) : 0;
        Modifie_Bilan([duree](Bilan_Sons &b) {
            ++b.joues;
            b.duree_us = duree;
        });
        const qint64 tampon_us = lecteur->format().durationForBytes(lecteur->bufferSize());
        QTimer::singleShot(static_cast<int>(tampon_us / 1000) + 50, lecteur,
                           [lecteur] { lecteur->stop(); });
    } else if (etat == QAudio::StoppedState) {
        if (lecteur->error() != QAudio::NoError && !lecteur->property("fini").toBool() &&
            !lecteur->property("coupe").toBool())
            Modifie_Bilan([](Bilan_Sons &b) { ++b.echecs; });
        Libere(lecteur);
    }
}

void Travail_Sons::Libere(QAudioSink *lecteur) {
    const auto it = std::find(lecteurs_.begin(), lecteurs_.end(), lecteur);
    if (it == lecteurs_.end())
        return;
    lecteurs_.erase(it);
    lecteur->disconnect(this);
    lecteur->deleteLater();
    Modifie_Bilan([this](Bilan_Sons &b) { b.lecteurs = static_cast<int>(lecteurs_.size()); });
}

void Travail_Sons::Coupe_Tout() {
    for (QAudioSink *l : std::vector<QAudioSink *>(lecteurs_)) {
        if (!l->property("fini").toBool()) {
            l->setProperty("coupe", true);
            Modifie_Bilan([](Bilan_Sons &b) { ++b.coupes; });
        }
        l->stop();
        Libere(l);
    }
}

} // namespace

void Joue_Fichier_Son(const QString &chemin) {
    // No event loop, no file: silence, never an error.
    if (!QCoreApplication::instance() || chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    if (!info.isFile())
        return;
    Etat_Sons &s = Sons();
    Travail_Sons *travail = nullptr;
    {
        QMutexLocker verrou(&s.mutex);
        s.attente = info.absoluteFilePath();
        if (!s.fil) {
            s.fil = new QThread;
            s.fil->setObjectName(QStringLiteral("Sons"));
            s.travail = new Travail_Sons;
            s.travail->moveToThread(s.fil);
            s.fil->start();
            if (!s.routine_posee) {
                s.routine_posee = true;
                qAddPostRoutine(Arrete_Sons);
            }
        }
        travail = s.travail;
    }
    // Only posted: the sound thread picks the latest request when it is free.
    QMetaObject::invokeMethod(
        travail, [travail] { travail->Traite(); }, Qt::QueuedConnection);
}

void Arrete_Sons() {
    Etat_Sons &s = Sons();
    QThread *fil = nullptr;
    Travail_Sons *travail = nullptr;
    {
        QMutexLocker verrou(&s.mutex);
        fil = std::exchange(s.fil, nullptr);
        travail = std::exchange(s.travail, nullptr);
        s.attente.clear();
    }
    bool fini = false;
    if (fil) {
        QMetaObject::invokeMethod(
            travail,
            [travail] {
                travail->Coupe_Tout(); // the players go when the thread ends
                QThread::currentThread()->quit();
            },
            Qt::QueuedConnection);
        // A moment for a responsive server; a thread stuck in a stalled one is not waited for.
        fini = fil->wait(QDeadlineTimer(300));
    }
    std::vector<std::pair<QThread *, Travail_Sons *>> finis;
    {
        QMutexLocker verrou(&s.mutex);
        // Threads stuck at an earlier stop that have ended since go now.
        for (auto it = s.bloques.begin(); it != s.bloques.end();) {
            if (it->first->wait(QDeadlineTimer(0))) {
                finis.push_back(*it);
                it = s.bloques.erase(it);
            } else {
                ++it;
            }
        }
        if (fil)
            (fini ? finis : s.bloques).emplace_back(fil, travail);
    }
    for (auto [f, t] : finis) {
        delete t;
        delete f;
    }
}

Bilan_Sons Bilan_Sons_Courant() {
    QMutexLocker verrou(&Sons().mutex);
    return Sons().bilan;
}

void Remplace_Joueur_Son(std::function<void(const QString &)> joueur) {
    QMutexLocker verrou(&Sons().mutex);
    Sons().joueur = std::move(joueur);
}

std::optional<Son_Wav> Lit_Wav(const QByteArray &octets) {
    auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(octets.constData() + i); };
    auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(octets.constData() + i); };
    if (octets.size() < 12 || !octets.startsWith("RIFF") || octets.mid(8, 4) != "WAVE")
        return std::nullopt;
    QAudioFormat format;
    bool vu_format = false;
    // Chunks follow the 12-byte header, each padded to an even length.
    for (qsizetype i = 12; i + 8 <= octets.size();) {
        const QByteArray id = octets.mid(i, 4);
        const qint64 taille = u32(i + 4);
        const qsizetype debut = i + 8;
        if (id == "fmt " && taille >= 16 && debut + 16 <= octets.size()) {
            quint16 codage = u16(debut);
            const int voies = u16(debut + 2);
            const int frequence = static_cast<int>(u32(debut + 4));
            const int bits = u16(debut + 14);
            if (codage == 0xFFFE && taille >= 40 && debut + 26 <= octets.size())
                codage = u16(debut + 24); // extensible: the sub-format's code
            QAudioFormat::SampleFormat echantillon = QAudioFormat::Unknown;
            if (codage == 1 && bits == 8)
                echantillon = QAudioFormat::UInt8;
            else if (codage == 1 && bits == 16)
                echantillon = QAudioFormat::Int16;
            else if (codage == 1 && bits == 32)
                echantillon = QAudioFormat::Int32;
            else if (codage == 3 && bits == 32)
                echantillon = QAudioFormat::Float;
            if (echantillon == QAudioFormat::Unknown || voies < 1 || voies > 8 ||
                frequence < 1000 || frequence > 384000)
                return std::nullopt;
            format.setSampleFormat(echantillon);
            format.setChannelCount(voies);
            format.setSampleRate(frequence);
            vu_format = true;
        } else if (id == "data" && vu_format) {
            // A length beyond the file (a file cut short) keeps what is there, whole frames.
            qint64 n = std::min<qint64>(taille, octets.size() - debut);
            n -= n % format.bytesPerFrame();
            if (n <= 0)
                return std::nullopt;
            return Son_Wav{format, octets.mid(debut, n)};
        }
        i = debut +
            static_cast<qsizetype>(std::min<qint64>(taille + (taille & 1), octets.size() - debut));
    }
    return std::nullopt;
}

} // namespace gabarit
