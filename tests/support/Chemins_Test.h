#pragma once
// Where tests find the program's data files and their fixtures, and a fresh temporary folder.
#include <string>

namespace gabarit::test {

std::string Dossier_Donnees();  // data/ of the source tree
std::string Dossier_Fixtures(); // tests/fixtures/
// A new empty folder, removed at the end of the test program.
std::string Dossier_Temporaire();

// A file's bytes as they are on disk ("" for a missing file), and a file written with these.
std::string Octets(const std::string &chemin);
void Ecrit_Octets(const std::string &chemin, const std::string &contenu);

} // namespace gabarit::test
