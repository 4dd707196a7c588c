#pragma once
#include <string>

namespace gabarit {

inline constexpr int VERSION_MAJEURE = 2;
inline constexpr int VERSION_MINEURE = 2;
inline constexpr int VERSION_REVISION = 9;
// "Version 2.2.9": text 300 of every project initialised or saved by this program.
inline std::string Texte_Version() {
    return "Version " + std::to_string(VERSION_MAJEURE) + "." + std::to_string(VERSION_MINEURE) +
           "." + std::to_string(VERSION_REVISION);
}

} // namespace gabarit
