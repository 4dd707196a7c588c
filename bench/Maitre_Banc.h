#pragma once
// The master project as its file holds it, read from the source tree's data/ folder.
#include <memory>
#include <string>

#include "model/Fichier_Projet.h"

namespace gabarit::banc {

inline std::unique_ptr<Etat_Projet> Maitre() {
    auto e = std::make_unique<Etat_Projet>();
    Lit_Fichier_Projet(std::string(GABARIT_DATA_DIR) + "/tov0.mas", Projet_Courant(*e));
    return e;
}

} // namespace gabarit::banc
