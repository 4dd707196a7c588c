#include "support/Chemins_Test.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace gabarit::test {

std::string Dossier_Donnees() { return GABARIT_DATA_DIR; }
std::string Dossier_Fixtures() { return GABARIT_FIXTURES_DIR; }

namespace {
struct Nettoyage {
    std::vector<std::filesystem::path> dossiers;
    ~Nettoyage() {
        std::error_code ec;
        for (auto &d : dossiers)
            std::filesystem::remove_all(d, ec);
    }
};
Nettoyage &Registre() {
    static Nettoyage n;
    return n;
}
} // namespace

std::string Dossier_Temporaire() {
    static std::atomic<int> compteur{0};
    std::random_device rd;
    auto d = std::filesystem::temp_directory_path() /
             ("gabarit_test_" + std::to_string(rd()) + "_" + std::to_string(compteur++));
    std::filesystem::create_directories(d);
    Registre().dossiers.push_back(d);
    return d.string();
}

std::string Octets(const std::string &chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Ecrit_Octets(const std::string &chemin, const std::string &contenu) {
    std::ofstream f(chemin, std::ios::binary);
    f << contenu;
}

} // namespace gabarit::test
