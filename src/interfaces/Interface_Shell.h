#pragma once
// What the core asks of the main frame. The frame implements it with widgets; tests use
// Shell_Enregistreur, which records every call.
#include <array>
#include <string>

namespace gabarit {

// Message box styles of the program: stop, exclamation, Yes/No with exclamation.
inline constexpr int MB_STOP = 16;
inline constexpr int MB_EXCLAMATION = 48;
inline constexpr int MB_OUI_NON = 52;
// OK and Cancel buttons, added to an icon: question 32 + 1 (print confirmations) or
// exclamation 48 + 1 (the landscape warning).
inline constexpr int MB_OK_ANNULER = 1;
inline constexpr int MB_QUESTION = 32;
// Save, discard or cancel (Yes/No/Cancel 3 + exclamation 48): asked before a command ends or
// replaces a project changed since it was saved. Yes saves, No discards, Cancel keeps it.
inline constexpr int MB_ENREGISTRER = 51;
inline constexpr int REPONSE_OK = 1;
inline constexpr int REPONSE_ANNULER = 2;
inline constexpr int REPONSE_OUI = 6;
inline constexpr int REPONSE_NON = 7;

// A box that asks (Yes/No, save or discard, OK or Cancel) waits for its answer: it is no notice
// of a refusal, and is asked however often it comes.
inline bool Boite_Question(int style) {
    return style == MB_OUI_NON || (style & MB_OK_ANNULER) != 0;
}

// Light colours, as RGB values.
inline constexpr int COULEUR_ROUGE = 255;   // RGB(255, 0, 0)
inline constexpr int COULEUR_VERTE = 65280; // RGB(0, 255, 0)

// A method added here is passed on by Shell_Relais (interfaces/Shell_Relais.h) too.
class Interface_Shell {
public:
    virtual ~Interface_Shell() = default;

    // Status bar panels 1 to 3 (1 status text, 2 view key, 3 heel text).
    virtual void Texte_Statut(int panneau, const std::string &texte) = 0;
    virtual std::string Lit_Statut(int panneau) const = 0;
    // Progress bar: bounds and value (kept between them by the callers).
    virtual void Progression(double minimum, double maximum, double valeur) = 0;
    // Let queued window events run, so the windows repaint and answer during a long
    // computation.
    virtual void Laisse_Evenements() = 0;
    // Modal message box; returns REPONSE_OK, REPONSE_ANNULER, REPONSE_OUI or REPONSE_NON.
    virtual int Message(const std::string &texte, int style, const std::string &titre) = 0;
    // Paint the seven heel lights; couleurs[k] is COULEUR_ROUGE or COULEUR_VERTE.
    virtual void Peint_Voyants(const std::array<int, 7> &couleurs) = 0;
    // Show or hide the please-wait window AEnCours.
    virtual void Montre_Attente(bool visible) = 0;
    // Play a sound file of the program folder when sounds are switched on.
    virtual void Joue_Son(const std::string &fichier) = 0;
    // Toolbar and top menus off and on around long computations.
    virtual void Desactive_Menus() = 0;
    virtual void Active_Menus() = 0;

    // Window steps of the project initialisation (stability, print and tip windows);
    // the frame connects them when those windows exist.
    virtual void Init_Projet_Fenetres(double angle_bascule, double qualite_impression) {}
    virtual void Init_Variables_Fenetres() {}
    // Clears the side view of the bulb window, which the bulb drawing of the views no longer
    // matches (a window not opened yet has nothing drawn to clear).
    virtual void Efface_Bulbe_Cote() {}
};

} // namespace gabarit
