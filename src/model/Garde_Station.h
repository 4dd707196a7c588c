#pragma once
// The walks and displays that move X_Couple through the hull give the station back when they
// end, however they end: the hull-form window shows the values of the section the user chose
// there.
#include "model/Etat_Projet.h"

namespace gabarit {

class Garde_Station {
public:
    explicit Garde_Station(Etat_Projet &e) : e_(e), x_(e.X_Couple) {}
    ~Garde_Station() { e_.X_Couple = x_; }
    Garde_Station(const Garde_Station &) = delete;
    Garde_Station &operator=(const Garde_Station &) = delete;

private:
    Etat_Projet &e_;
    double x_;
};

} // namespace gabarit
