#pragma once
// A sound player stuck in its first sound as in a stalled audio server, until the test frees
// it. Should the code under test wait on it, a watchdog frees it after five seconds, so the
// test ends (and fails on `secours`) instead of hanging.
#include <QFileInfo>
#include <QMutex>
#include <QStringList>
#include <QTest>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "platform/Son.h"

namespace gabarit::test {

class Joueur_Bloque {
public:
    std::atomic<int> appels{0};
    std::atomic<bool> secours{false}; // the watchdog had to free the player

    Joueur_Bloque() {
        Remplace_Joueur_Son([this](const QString &chemin) {
            {
                QMutexLocker l(&verrou_);
                joues_ << QFileInfo(chemin).fileName();
            }
            if (++appels == 1)
                libre_.wait();
        });
        garde_ = std::thread([this] {
            for (int i = 0; i < 100 && !revenu_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!revenu_) {
                secours = true;
                Libere();
            }
        });
    }
    ~Joueur_Bloque() {
        Revenu();
        Libere();
        Remplace_Joueur_Son({});
        Arrete_Sons();
    }
    Joueur_Bloque(const Joueur_Bloque &) = delete;
    Joueur_Bloque &operator=(const Joueur_Bloque &) = delete;

    // The call under test has returned: the watchdog stands down.
    void Revenu() {
        revenu_ = true;
        if (garde_.joinable())
            garde_.join();
    }
    // The audio server answers again.
    void Libere() {
        if (!libere_.exchange(true))
            liberation_.set_value();
    }
    bool Attend_Appels(int n) {
        return QTest::qWaitFor([&] { return appels == n; }, 5000);
    }
    QStringList Joues() {
        QMutexLocker l(&verrou_);
        return joues_;
    }

private:
    std::promise<void> liberation_;
    std::shared_future<void> libre_ = liberation_.get_future().share();
    std::atomic<bool> revenu_{false}, libere_{false};
    QMutex verrou_;
    QStringList joues_;
    std::thread garde_;
};

} // namespace gabarit::test
