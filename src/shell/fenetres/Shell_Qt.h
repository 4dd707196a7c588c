#pragma once
// The shell interface served by the main frame's widgets.
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>

#include "interfaces/Interface_Shell.h"

namespace gabarit {

class Contexte;
class MDIForm1;
struct Etat_Projet;

class Shell_Qt : public Interface_Shell {
public:
    Shell_Qt(MDIForm1 *cadre, Etat_Projet &etat) : cadre_(cadre), etat_(etat) {
        en_attente_.setSingleShot(true);
        en_attente_.callOnTimeout([this] { Progression_En_Attente(); });
    }
    void Fixe_Contexte(Contexte *ctx) { ctx_ = ctx; }

    // Panel 2 is the view key Cle_Vue of the state: writing it writes both, and reading it
    // reads the state.
    void Texte_Statut(int panneau, const std::string &texte) override;
    std::string Lit_Statut(int panneau) const override;
    void Progression(double minimum, double maximum, double valeur) override;
    void Laisse_Evenements() override;
    int Message(const std::string &texte, int style, const std::string &titre) override;
    void Peint_Voyants(const std::array<int, 7> &couleurs) override;
    void Montre_Attente(bool visible) override;
    // Only while "Son" carries its check mark; a missing file or no audio stays silent.
    void Joue_Son(const std::string &fichier) override;
    void Desactive_Menus() override;
    void Active_Menus() override;
    void Init_Projet_Fenetres(double angle_bascule, double qualite_impression) override;
    void Init_Variables_Fenetres() override;
    // A bulb window never opened has nothing drawn to clear.
    void Efface_Bulbe_Cote() override;

    // What plays a wave file (tests put a recorder here).
    std::function<void(const QString &)> Lecteur_Son;

    // Puts the state's view key into panel 2 when someone changed Cle_Vue directly.
    void Synchronise_Cle_Vue();

private:
    void Progression_En_Attente();

    MDIForm1 *cadre_;
    Etat_Projet &etat_;
    Contexte *ctx_ = nullptr;
    // The progress bar's repaints, a few dozen a second at most.
    static constexpr int PAS_AFFICHAGE_MS = 40;
    QElapsedTimer affichage_;
    QTimer en_attente_;
    int valeur_en_attente_ = 0;
};

} // namespace gabarit
