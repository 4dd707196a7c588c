#include "model/Flottaison.h"

#include <cmath>
#include <vector>

#include "model/Carene.h"
#include "model/Numeros.h"
#include "model/Voyants.h"

namespace gabarit {

namespace {

// Each phase moves one freeboard by 1 mm per turn; the table is at most 301 mm deep, so a
// hull that has not floated after this many turns never will.
constexpr int TOURS_MAX = 4000;

// The record's upright waterline as the station walk reads it: the stern freeboard and the
// slope towards the bow freeboard, taken once per walk.
struct Ligne_Eau {
    double arriere, pente;
};

Ligne_Eau Ligne_Du_Record(const Etat_Projet &e, double L) {
    return {e.P(Franc_Bord_AR(0)), (e.P(Franc_Bord_AV(0)) - e.P(Franc_Bord_AR(0))) / L};
}

// A station a walk reads: where it stands and its column of the table, if it has one.
struct Station_Lue {
    double X;
    bool dans_table;
    int i;
};

// The stations X = debut, debut + 10, ... while X <= fin. Stations off the table read 0, so
// the walk starts at the first of them not aft of the stern (the remainder of debut by 10 is
// exact, where adding 10 to a start of -1e50 would never move it) and counts its steps up to
// the table's end. Each phase of the flotation reads the same stations turn after turn, only
// the waterline moves: they are worked out once per phase.
std::vector<Station_Lue> Stations_Lues(double debut, double fin) {
    if (fin > LONGUEUR_MAX_TABLE + 10)
        fin = LONGUEUR_MAX_TABLE + 10;
    double X = debut;
    if (X < 0) {
        X = std::fmod(X, 10.0);
        if (X < 0)
            X += 10;
    }
    std::vector<Station_Lue> stations;
    for (int n = 0; X <= fin && n <= Table_Carene::NB_STATIONS; X += 10, ++n) {
        const double i = Int(X / 10);
        const bool dans_table = !(i < 0 || i >= Table_Carene::NB_STATIONS);
        stations.push_back({X, dans_table, dans_table ? static_cast<int>(i) : 0});
    }
    return stations;
}

// Immersed area of a station (mm2, both sides) for the waterline, read from the table. A
// waterline beyond the keel, or a station off the hull, reads 0.
float Surface_Lue(const Etat_Projet &e, const Ligne_Eau &ligne, const Station_Lue &s) {
    const float z = static_cast<float>(ligne.pente * s.X + ligne.arriere);
    if (!s.dans_table)
        return 0;
    double d = Arrondi(z);
    if (d >= Table_Carene::NB_PROFONDEURS)
        return 0;
    if (d < 0)
        d = 0; // waterline above the sheer: the whole section is immersed
    return e.Tab_Carene(s.i, static_cast<int>(d), 2);
}

// Sum of the areas read at the stations, in their order.
float Somme_Surfaces(const Etat_Projet &e, double L, const std::vector<Station_Lue> &stations) {
    const Ligne_Eau ligne = Ligne_Du_Record(e, L);
    float somme = 0;
    for (const Station_Lue &s : stations)
        somme += Surface_Lue(e, ligne, s);
    return somme;
}

bool Flottaison(Etat_Projet &e, Interface_Shell &shell, Echec_Flottaison echec_dit) {
    // Whatever way the search ends but a position found, the upright results in the record
    // belong to another hull or weight: the 0 degree light goes red.
    Garde_Gites garde(e, shell);
    garde.fait.fill(true);
    garde.fait[0] = false;
    Verifie_Longueur_Table(e);
    if (!(e.P(POIDS_TOTAL) > 0))
        throw Erreur_Gabarit("Poids total nul ou négatif : la flottaison ne peut pas être "
                             "calculée");
    const double L = e.L();
    const double centre = e.P(CENTRE_GRAVITE_X);
    // The rise compares the weight in single precision, the sink as stored (double): a
    // weight just above a volume's single value still sinks the boat one more millimetre.
    const double poids = e.P(POIDS_TOTAL);
    const float poids_f = static_cast<float>(poids);
    const double ar_avant = e.P(Franc_Bord_AR(0)), av_avant = e.P(Franc_Bord_AV(0));

    auto echec = [&]() {
        e.P(Franc_Bord_AR(0)) = ar_avant;
        e.P(Franc_Bord_AV(0)) = av_avant;
        // Red before the box comes up, so the user sees which light the failure leaves.
        e.P(Etat_Gite(0)) = 1;
        Affiche_Voyants(e, shell);
        if (echec_dit == Echec_Flottaison::Message)
            shell.Message("Calcul de flottaison impossible", MB_STOP, "Attention !");
        return false;
    };

    // Start with the waterline at the sheer along the whole hull.
    e.P(Franc_Bord_AR(0)) = 0;
    e.P(Franc_Bord_AV(0)) = 0;
    float S1 = 0, S2 = 0, V = 0;

    // Rise: the end whose part holds more volume comes up 1 mm per turn until the volume
    // measured before the move is at most the weight. The split station is a multiple of 10
    // and is counted on both sides.
    const double Xs = Int(centre / 10) * 10;
    const std::vector<Station_Lue> arriere = Stations_Lues(0, Xs), avant = Stations_Lues(Xs, L);
    int tours = 0;
    do {
        if (++tours > TOURS_MAX)
            return echec();
        S1 = Somme_Surfaces(e, L, arriere);
        S2 = Somme_Surfaces(e, L, avant);
        if (S1 > S2)
            e.P(Franc_Bord_AR(0)) += 1;
        else
            e.P(Franc_Bord_AV(0)) += 1;
        V = (S1 + S2) / 100.0f; // areas 10 mm apart: cm3, grams of water
    } while (poids_f < V);

    // Sink: split at the centre of gravity itself; the forward stations are read at
    // that station, 10 mm further, ... The end with less volume goes down 1 mm per turn.
    const std::vector<Station_Lue> arriere_cg = Stations_Lues(0, centre),
                                   avant_cg = Stations_Lues(centre, L);
    tours = 0;
    do {
        if (++tours > TOURS_MAX)
            return echec();
        S1 = Somme_Surfaces(e, L, arriere_cg);
        S2 = Somme_Surfaces(e, L, avant_cg);
        if (S1 < S2)
            e.P(Franc_Bord_AR(0)) -= 1;
        else
            e.P(Franc_Bord_AV(0)) -= 1;
        // Sunk below the sheer at one end: the hull cannot carry the weight.
        if (e.P(Franc_Bord_AR(0)) < 0 || e.P(Franc_Bord_AV(0)) < 0)
            return echec();
        V = (S1 + S2) / 100.0f;
    } while (poids > static_cast<double>(V));

    // The upright wetted surface belongs to this waterline, not to the one the table was built
    // under.
    Perimetres_Flottaison(e);
    const float S = S1 + S2;
    e.P(VOLUME_CARENE) = Int(S) / 10000;
    // Whatever heel the user has chosen: the green 0 degree light stands for this volume too.
    e.P(Volume_Gite(0)) = Int(S);
    Gite_Calculee(e, 0);
    garde.fait[0] = true;
    Affiche_Voyants(e, shell);
    return true;
}

} // namespace

bool Calcul_Flottaison(Etat_Projet &e, Interface_Shell &shell) {
    return Flottaison(e, shell, Echec_Flottaison::Message);
}

bool Calcul_Flottaison_Muette(Etat_Projet &e, Interface_Shell &shell) {
    return Flottaison(e, shell, Echec_Flottaison::Silence);
}

} // namespace gabarit
