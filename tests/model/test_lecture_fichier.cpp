// A project "file" that is a named pipe is refused at once, never waited on.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "model/Fichier_Projet.h"
#include "support/Chemins_Test.h"

using namespace gabarit;

TEST(Lecture_Fichier, TubeNommeRefuseSansAttendre) {
    const std::string tube = test::Dossier_Temporaire() + "/tube.cot";
    ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);
    // Should the reader open the pipe, a writer comes and goes so the test cannot hang.
    std::atomic<bool> lu{false};
    std::thread ecrivain([&] {
        const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!lu && std::chrono::steady_clock::now() < fin) {
            const int fd = open(tube.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    Etat_Projet e;
    e.P(1) = 42;
    try {
        Lit_Fichier_Projet(tube, Projet_Courant(e));
        ADD_FAILURE() << "un tube nomme doit etre refuse";
    } catch (const Erreur_Gabarit &err) {
        EXPECT_EQ(std::string(err.what()), "Impossible de lire le fichier : " + tube);
    }
    lu = true;
    ecrivain.join();
    EXPECT_EQ(e.P(1), 42);
}
