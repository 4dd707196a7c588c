#pragma once
// The project and settings operations the shell sequences (start-up, file commands,
// shut-down). They are reached through this table so that tests can put a failing read or
// write in place of the real one.
#include <functional>
#include <string>

#include "interfaces/Interface_Shell.h"
#include "model/Etat_Projet.h"
#include "model/Fichier_Projet.h"

namespace gabarit {

struct Services_Projet {
    // Reads a project file into the project in work (the open's reader, Lit_Projet_Pris).
    std::function<void(const std::string &, Etat_Projet &)> lit_projet;
    std::function<void(const std::string &, Etat_Projet &)> ecrit_projet;
    std::function<void(const std::string &, Etat_Projet &)> lit_reglages;
    std::function<void(const std::string &, const Etat_Projet &)> ecrit_reglages;
    std::function<void(Etat_Projet &, Interface_Shell &)> init_projet;
    std::function<void(Etat_Projet &, Interface_Shell &)> init_variables;
    std::function<void(Etat_Projet &)> calcul_tab;
    // A project just read: its lights checked (Projet_Lu.h).
    std::function<void(Etat_Projet &, Interface_Shell &)> verifie_projet_lu;

    // The real operations of the core.
    static Services_Projet Reels();
};

// The table in use (the real operations unless a test replaced some).
Services_Projet &Services();

} // namespace gabarit
