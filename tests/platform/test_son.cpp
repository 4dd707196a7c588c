// Sounds: the wave reader, the sound thread that never holds the window's thread, and a real
// play through the audio server.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QtEndian>
#include <atomic>
#include <gtest/gtest.h>

#include "platform/Son.h"
#include "support/Chemins_Test.h"
#include "support/Son_Bloque.h"

using namespace gabarit;

namespace {

QByteArray Le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}
// A wave file written by hand: its "fmt " chunk, other chunks, then "data".
QByteArray Wav(quint16 codage, quint16 voies, quint32 frequence, quint16 bits,
               const QByteArray &donnees, const QByteArray &avant_donnees = {}) {
    QByteArray fmt = Le16(codage) + Le16(voies) + Le32(frequence) +
                     Le32(frequence * voies * bits / 8) + Le16(voies * bits / 8) + Le16(bits);
    QByteArray corps = "WAVE" + QByteArray("fmt ") + Le32(16) + fmt + avant_donnees +
                       QByteArray("data") + Le32(static_cast<quint32>(donnees.size())) + donnees;
    return "RIFF" + Le32(static_cast<quint32>(corps.size())) + corps;
}

QString Son_Programme(const char *nom) {
    return QDir(QString::fromStdString(test::Dossier_Donnees())).filePath(nom);
}

// The audio server answers (PulseAudio, as CI starts it with a null sink).
bool Serveur_Audio() {
    QProcess p;
    p.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

TEST(Lit_Wav, FormatsEtMorceaux) {
    // 16-bit stereo at 8000 Hz, three frames, after a "LIST" chunk of odd length (padded).
    const QByteArray pcm("\x01\x00\x02\x00\x03\x00\x04\x00\x05\x00\x06\x00", 12);
    auto w = Lit_Wav(Wav(1, 2, 8000, 16, pcm, "LIST" + Le32(3) + QByteArray("abc\0", 4)));
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(w->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(w->format.channelCount(), 2);
    EXPECT_EQ(w->format.sampleRate(), 8000);
    EXPECT_EQ(w->echantillons, pcm);
    // 8-bit and float samples.
    w = Lit_Wav(Wav(1, 1, 11025, 8, QByteArray(5, '\x80')));
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(w->format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(w->echantillons.size(), 5);
    w = Lit_Wav(Wav(3, 1, 44100, 32, QByteArray(8, 0)));
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(w->format.sampleFormat(), QAudioFormat::Float);
    // A data length beyond a file cut short keeps the whole frames that are there.
    QByteArray coupe = Wav(1, 2, 8000, 16, pcm);
    coupe.chop(3);
    w = Lit_Wav(coupe);
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(w->echantillons, pcm.left(8));
    // Refused: compressed samples, no "fmt " before "data", a bare header, not a wave file.
    EXPECT_FALSE(Lit_Wav(Wav(2, 1, 8000, 4, pcm)).has_value());
    EXPECT_FALSE(Lit_Wav("RIFF" + Le32(16) + "WAVEdata" + Le32(4) + "abcd").has_value());
    EXPECT_FALSE(Lit_Wav(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)).has_value());
    EXPECT_FALSE(Lit_Wav("ID3 pas un son").has_value());
}

TEST(Lit_Wav, SonsDuProgramme) {
    // Every sound the program plays: 16-bit mono at 22050 Hz, as long as its header says.
    for (const char *n :
         {"ocean1.wav", "ocean2.wav", "ocean3.wav", "ocean4.wav", "ocean5.wav", "stream2.wav",
          "desert3.wav", "Lake1.wav", "TAUNT025.wav", "TAUNT011.wav"}) {
        QFile f(Son_Programme(n));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << n;
        const QByteArray octets = f.readAll();
        const auto w = Lit_Wav(octets);
        ASSERT_TRUE(w.has_value()) << n;
        EXPECT_EQ(w->format.sampleFormat(), QAudioFormat::Int16) << n;
        EXPECT_EQ(w->format.channelCount(), 1) << n;
        EXPECT_EQ(w->format.sampleRate(), 22050) << n;
        const qsizetype data = octets.indexOf("data");
        EXPECT_EQ(w->echantillons.size(), qFromLittleEndian<quint32>(octets.constData() + data + 4))
            << n;
    }
}

TEST(Fil_Son, ServeurBloqueNeRetientPasLaFenetre) {
    // Starting sounds returns at once while the player is stuck; when the server answers
    // again only the latest sound asked for plays.
    test::Joueur_Bloque j;
    Joue_Fichier_Son(Son_Programme("ocean1.wav"));
    ASSERT_TRUE(j.Attend_Appels(1));
    Joue_Fichier_Son(Son_Programme("ocean2.wav"));
    Joue_Fichier_Son(Son_Programme("Lake1.wav"));
    j.Revenu();
    EXPECT_FALSE(j.secours) << "le fil de la fenetre a attendu le son bloque";
    j.Libere();
    EXPECT_TRUE(j.Attend_Appels(2));
    QTest::qWait(50);
    EXPECT_EQ(j.Joues(), (QStringList{"ocean1.wav", "Lake1.wav"}));
}

TEST(Fil_Son, ArretNAttendPasUnServeurBloque) {
    {
        test::Joueur_Bloque j;
        Joue_Fichier_Son(Son_Programme("ocean3.wav"));
        ASSERT_TRUE(j.Attend_Appels(1));
        Arrete_Sons(); // as "Quiter" does
        j.Revenu();
        EXPECT_FALSE(j.secours) << "l'arret a attendu le serveur audio";
    }
    // A sound after the stop starts a new sound thread.
    std::atomic<int> apres{0};
    Remplace_Joueur_Son([&](const QString &) { ++apres; });
    Joue_Fichier_Son(Son_Programme("ocean4.wav"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return apres == 1; }, 5000));
    Remplace_Joueur_Son({});
    Arrete_Sons();
}

TEST(Fil_Son, JoueJusquAuBoutParLeServeurAudio) {
    if (!Serveur_Audio())
        GTEST_SKIP() << "aucun serveur audio joignable (pactl info) : CI en demarre un, "
                        "PulseAudio avec une sortie nulle";
    // Lake1.wav: 7717 frames at 22050 Hz, 349977 microseconds. Each play gets its own player,
    // hands the server every sample, is released, and the same file plays every time.
    const Bilan_Sons avant = Bilan_Sons_Courant();
    for (int k = 1; k <= 3; ++k) {
        Joue_Fichier_Son(Son_Programme("Lake1.wav"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const Bilan_Sons b = Bilan_Sons_Courant();
                return b.joues == avant.joues + k && b.lecteurs == 0;
            },
            10000))
            << "son " << k << " : " << Bilan_Sons_Courant().echecs - avant.echecs << " echecs";
        EXPECT_EQ(Bilan_Sons_Courant().duree_us, 7717LL * 1000000 / 22050) << k;
    }
    // A new sound cuts the one playing.
    Joue_Fichier_Son(Son_Programme("ocean3.wav"));
    QTest::qWait(200);
    Joue_Fichier_Son(Son_Programme("Lake1.wav"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const Bilan_Sons b = Bilan_Sons_Courant();
            return b.joues == avant.joues + 4 && b.lecteurs == 0;
        },
        10000));
    const Bilan_Sons b = Bilan_Sons_Courant();
    EXPECT_EQ(b.coupes, avant.coupes + 1);
    EXPECT_EQ(b.echecs, avant.echecs);
    Arrete_Sons();
}
