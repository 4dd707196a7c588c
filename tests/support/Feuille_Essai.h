#pragma once
// Printing onto the recording print surface: the project set up for a print, the recorders,
// and checks of the sheets a template leaves.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "interfaces/Shell_Enregistreur.h"
#include "interfaces/Surface_Impression.h"
#include "model/Etat_Projet.h"
#include "model/Numeros.h"

namespace gabarit::test {

// Calibrations apart from each other, so a swapped scale shows.
inline constexpr double EH = 56.7, EV = 57.3;
// The page's reference line, half the landscape sheet's height in twips.
inline constexpr double OY = 5953.5;

// The project's name for the headers, the calibrations in force and in the settings record.
inline void Pour_Impression(Etat_Projet &e) {
    e.Nom_Projet = "essai.cot";
    e.P(CALIBRE_IMP_H) = e.Echelle_Imp_H = EH;
    e.P(CALIBRE_IMP_V) = e.Echelle_Imp_V = EV;
}

// The shell that asks and the printer that records, for one test.
struct Impression_Essai : ::testing::Test {
    Shell_Enregistreur shell;
    Surface_Enregistreur feuille;
};

// The line in twips as the printer receives it, in single precision.
inline void Ligne_Attendue(const Surface_Enregistreur::Trait &t, double x1, double y1, double x2,
                           double y2) {
    EXPECT_FLOAT_EQ(t.x1, static_cast<float>(x1));
    EXPECT_FLOAT_EQ(t.y1, static_cast<float>(y1));
    EXPECT_FLOAT_EQ(t.x2, static_cast<float>(x2));
    EXPECT_FLOAT_EQ(t.y2, static_cast<float>(y2));
}

// The second header line of every sheet printed: which template, which station.
inline std::vector<std::string> Titres(const Surface_Enregistreur &s) {
    std::vector<std::string> t;
    for (const auto &f : s.feuilles)
        t.push_back(f.textes.at(1));
    return t;
}

} // namespace gabarit::test
