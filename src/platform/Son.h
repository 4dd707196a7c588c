#pragma once
// Asynchronous playback of wave files. Everything that talks to the audio server runs on a
// sound thread of its own, so the window's thread never waits on it: a stalled, restarted or
// missing server leaves the program responsive (silent meanwhile). Each play gets a new
// player, released when its sound ends; a new sound cuts the one playing, as the old
// asynchronous call did.
#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace gabarit {

void Joue_Fichier_Son(const QString &chemin);

// Ends the sound thread without waiting on the audio server: a thread stuck there is left
// to run (a later stop frees it once it has ended). Run when the program quits; a later
// sound starts a new thread.
void Arrete_Sons();

// A wave file's samples as the audio device takes them.
struct Son_Wav {
    QAudioFormat format;
    QByteArray echantillons;
};
// Reads a RIFF WAVE file of PCM (8, 16 or 32 bits) or 32-bit float samples; nothing for
// anything else or a damaged file.
std::optional<Son_Wav> Lit_Wav(const QByteArray &octets);

// What the sound thread has done since the start (for tests).
struct Bilan_Sons {
    int joues = 0;       // sounds played to their end
    int coupes = 0;      // stopped by a newer sound
    int echecs = 0;      // unreadable file, no audio device, or a device error
    int lecteurs = 0;    // players alive now
    qint64 duree_us = 0; // microseconds the last sound played to its end handed the server
};
Bilan_Sons Bilan_Sons_Courant();

// Replaces what the sound thread does with a file (tests: a player that blocks as a stalled
// server would). An empty function puts the real player back.
void Remplace_Joueur_Son(std::function<void(const QString &)> joueur);

} // namespace gabarit
