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
#include <memory>
#include <thread>

#include "platform/Son.h"

namespace gabarit::test {

class Joueur_Bloque {
    // What the sound thread touches. Shared with the player it runs: a sound thread left
    // stuck by Arrete_Sons wakes after this object is gone, and must find it all alive.
    struct Etat {
        std::atomic<int> appels{0};
        std::atomic<bool> secours{false};
        std::promise<void> liberation;
        std::shared_future<void> libre = liberation.get_future().share();
        std::atomic<bool> revenu{false}, libere{false};
        QMutex verrou;
        QStringList joues;

        void Libere() {
            if (!libere.exchange(true))
                liberation.set_value();
        }
    };
    std::shared_ptr<Etat> etat_ = std::make_shared<Etat>();

public:
    std::atomic<int> &appels = etat_->appels;
    std::atomic<bool> &secours = etat_->secours; // the watchdog had to free the player

    Joueur_Bloque() {
        Remplace_Joueur_Son([e = etat_](const QString &chemin) {
            {
                QMutexLocker l(&e->verrou);
                e->joues << QFileInfo(chemin).fileName();
            }
            if (++e->appels == 1)
                e->libre.wait();
        });
        garde_ = std::thread([e = etat_] {
            for (int i = 0; i < 100 && !e->revenu; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!e->revenu) {
                e->secours = true;
                e->Libere();
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
        etat_->revenu = true;
        if (garde_.joinable())
            garde_.join();
    }
    // The audio server answers again.
    void Libere() { etat_->Libere(); }
    bool Attend_Appels(int n) {
        return QTest::qWaitFor([&] { return etat_->appels == n; }, 5000);
    }
    QStringList Joues() {
        QMutexLocker l(&etat_->verrou);
        return etat_->joues;
    }

private:
    std::thread garde_;
};

} // namespace gabarit::test
