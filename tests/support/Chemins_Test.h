#pragma once
// Where tests find the program's data files and their fixtures, and a fresh temporary folder.
#include <string>

namespace gabarit::test {

std::string Dossier_Donnees();  // data/ of the source tree
std::string Dossier_Fixtures(); // tests/fixtures/
// A new empty folder, removed at the end of the test program.
std::string Dossier_Temporaire();

} // namespace gabarit::test
