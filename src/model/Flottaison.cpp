#include "model/Flottaison.h"

#include <cmath>

#include "model/Carene.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

// Each phase moves one freeboard by 1 mm per turn; the table is at most 301 mm deep, so a
// hull that has not floated after this many turns never will.
constexpr int TOURS_MAX = 4000;

// The record's upright waterline as the station walk reads it: the stern freeboard P(43)
// and the slope towards the bow freeboard P(49), taken once per walk.
struct Ligne_Eau {
    double arriere, pente;
};

Ligne_Eau Ligne_Du_Record(const Etat_Projet &e, double L) {
    return {e.P(43), (e.P(49) - e.P(43)) / L};
}

// Immersed area of the station at X (mm2, both sides) for the waterline, read from the
// table. A waterline beyond the keel, or a station off the hull, reads 0.
float Surface_Lue(const Etat_Projet &e, const Ligne_Eau &ligne, double X) {
    const float z = static_cast<float>(ligne.pente * X + ligne.arriere);
    const double i = Int(X / 10);
    if (i < 0 || i >= Table_Carene::NB_STATIONS)
        return 0;
    double d = Arrondi(z);
    if (d >= Table_Carene::NB_PROFONDEURS)
        return 0;
    if (d < 0)
        d = 0; // waterline above the sheer: the whole section is immersed
    return e.Tab_Carene(static_cast<int>(i), static_cast<int>(d), 2);
}

// Sum of the areas read at X = debut, debut + 10, ... while X <= fin. Stations off the
// table read 0, so the walk starts at the first of them not aft of the stern (the remainder
// of debut by 10 is exact, where adding 10 to a start of -1e50 would never move it) and
// counts its steps up to the table's end.
float Somme_Surfaces(const Etat_Projet &e, double L, double debut, double fin) {
    if (fin > LONGUEUR_MAX_TABLE + 10)
        fin = LONGUEUR_MAX_TABLE + 10;
    double X = debut;
    if (X < 0) {
        X = std::fmod(X, 10.0);
        if (X < 0)
            X += 10;
    }
    const Ligne_Eau ligne = Ligne_Du_Record(e, L);
    float somme = 0;
    for (int n = 0; X <= fin && n <= Table_Carene::NB_STATIONS; X += 10, ++n)
        somme += Surface_Lue(e, ligne, X);
    return somme;
}

} // namespace

bool Calcul_Flottaison(Etat_Projet &e, Interface_Shell &shell) {
    Verifie_Longueur_Table(e);
    if (!(e.P(42) > 0))
        throw Erreur_Gabarit("Poids total nul ou négatif : la flottaison ne peut pas être "
                             "calculée");
    const double L = e.L();
    const double P23 = e.P(23);
    // The rise compares the weight in single precision, the sink as stored (double): a
    // weight just above a volume's single value still sinks the boat one more millimetre.
    const double poids = e.P(42);
    const float poids_f = static_cast<float>(poids);
    const double ar_avant = e.P(43), av_avant = e.P(49);

    auto echec = [&]() {
        e.P(43) = ar_avant;
        e.P(49) = av_avant;
        shell.Message("Calcul de flottaison impossible", MB_STOP, "Attention !");
        return false;
    };

    // Start with the waterline at the sheer along the whole hull.
    e.P(43) = 0;
    e.P(49) = 0;
    float S1 = 0, S2 = 0, V = 0;

    // Rise: the end whose part holds more volume comes up 1 mm per turn until the volume
    // measured before the move is at most the weight. The split station is a multiple of 10
    // and is counted on both sides.
    const double Xs = Int(P23 / 10) * 10;
    int tours = 0;
    do {
        if (++tours > TOURS_MAX)
            return echec();
        S1 = Somme_Surfaces(e, L, 0, Xs);
        S2 = Somme_Surfaces(e, L, Xs, L);
        if (S1 > S2)
            e.P(43) += 1;
        else
            e.P(49) += 1;
        V = (S1 + S2) / 100.0f; // areas 10 mm apart: cm3, grams of water
    } while (poids_f < V);

    // Sink: split at the centre of gravity itself; the forward stations are read at
    // P(23), P(23) + 10, ... The end with less volume goes down 1 mm per turn.
    tours = 0;
    do {
        if (++tours > TOURS_MAX)
            return echec();
        S1 = Somme_Surfaces(e, L, 0, P23);
        S2 = Somme_Surfaces(e, L, P23, L);
        if (S1 < S2)
            e.P(43) -= 1;
        else
            e.P(49) -= 1;
        // Sunk below the sheer at one end: the hull cannot carry the weight.
        if (e.P(43) < 0 || e.P(49) < 0)
            return echec();
        V = (S1 + S2) / 100.0f;
    } while (poids > static_cast<double>(V));

    const float S = S1 + S2;
    e.P(13) = Int(S) / 10000;
    e.P(186) = 0;
    Affiche_Voyants(e, shell);
    if (e.P(26) == 0)
        e.P(207) = Int(S);
    return true;
}

} // namespace gabarit
