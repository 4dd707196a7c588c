#pragma once
// What every window shares: the one design state, the shell, the frame's MDI area and the
// child windows, each created on first use and kept until the program ends.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <vector>

#include "interfaces/Interface_Shell.h"
#include "interfaces/Shell_Relais.h"
#include "model/Etat_Projet.h"
#include "platform/Fenetre_Fille.h"

class QAction;

namespace gabarit {

class Contexte {
    // The frame's shell as the windows and the core reach it: a notice it shows is the one box
    // of the click in course, so the views that click makes draw themselves tell no other.
    class Shell_Clic : public Shell_Relais {
    public:
        Shell_Clic(Interface_Shell &cadre, Contexte &ctx) : Shell_Relais(cadre), ctx_(ctx) {}
        int Message(const std::string &texte, int style, const std::string &titre) override {
            const int reponse = suivant_.Message(texte, style, titre);
            if (!Boite_Question(style))
                ctx_.Boite_Clic_Dite();
            return reponse;
        }

    private:
        Contexte &ctx_;
    };
    Shell_Clic shell_clic_; // before shell, which refers to it

public:
    Contexte(Etat_Projet &etat, Interface_Shell &shell, QMdiArea *zone)
        : shell_clic_(shell, *this), etat(etat), shell(shell_clic_), zone(zone) {}
    Contexte(const Contexte &) = delete;
    Contexte &operator=(const Contexte &) = delete;

    Etat_Projet &etat;
    Interface_Shell &shell;
    QMdiArea *zone;                  // the frame's client area
    QWidget *cadre = nullptr;        // the main frame (parent of dialogs, holder of the caption)
    QAction *PressePapier = nullptr; // "Presse Papier" of the "Configuration" menu
    QAction *Son = nullptr;          // "Son" of the "Configuration" menu
    // tov.ini was read or created at start: only then may it be written (a file that could
    // not be read is never overwritten with values that did not come from it).
    bool Reglages_Ecrivables = false;

    // The child window of type W, created (hidden) on first use. W derives from
    // Fenetre_Fille and is constructible from Contexte&.
    template <class W> W &Fenetre() {
        auto it = fenetres_.find(std::type_index(typeid(W)));
        if (it != fenetres_.end())
            return static_cast<W &>(*it->second);
        auto *w = new W(*this);
        Enregistre(std::type_index(typeid(W)), w);
        return *w;
    }
    // The window of type W if it was created, else nullptr.
    template <class W> W *Existante() const {
        auto it = fenetres_.find(std::type_index(typeid(W)));
        return it == fenetres_.end() ? nullptr : static_cast<W *>(it->second);
    }
    // Every child window created so far, in order of creation.
    const std::vector<Fenetre_Fille *> &Fenetres() const { return ordre_; }
    Fenetre_Fille *Par_Nom(const QString &nom) const;

    // Inner width and height of the frame's client area (ScaleWidth, ScaleHeight), pixels.
    int Largeur_Cadre() const { return zone ? zone->viewport()->width() : 0; }
    int Hauteur_Cadre() const { return zone ? zone->viewport()->height() : 0; }

    // A long computation runs: commands that would start another one, or change the heel
    // under it, do nothing meanwhile.
    bool Occupe() const { return occupe_ > 0; }
    class Garde_Occupe {
    public:
        explicit Garde_Occupe(Contexte &c) : c_(c) { ++c_.occupe_; }
        ~Garde_Occupe() { --c_.occupe_; }
        Garde_Occupe(const Garde_Occupe &) = delete;
        Garde_Occupe &operator=(const Garde_Occupe &) = delete;

    private:
        Contexte &c_;
    };

    // How a window command stands with a computation that lets events run.
    enum class Si_Occupe {
        Execute, // runs all the same; what it changed of the project is put back
        Ignore,  // does nothing
        Garde,   // does nothing; runs under the busy guard, so no such command starts meanwhile
    };
    // What a core refusal that ends the command does.
    enum class Si_Refus {
        Silence, // ends quietly: nothing the user relies on has changed
        Message, // shows its French message once (not when the core already showed one)
    };
    // Runs a window command, the one place that decides what its failure does and what it
    // leaves behind. Refused part way (but for a heel computation that keeps what it
    // completed, Calcul_Partiel), the project is put back as it was. Otherwise the values it
    // stored are cut to a file's thousandth, the derived values follow their inputs, every heel
    // it did not compute goes out of date when it changed a record the heel results read, and
    // the heels it floated get their moment and coefficient (Suit_Commande). Under a busy
    // computation a command that changed a value or a comment of the project, or the heel or a
    // step the computation walks with (Change_Sous_Calcul; views' settings and drawn figures
    // aside), is put back whole, without a word. False when it was not run
    // because a computation was busy.
    bool Commande(Si_Occupe quand, const std::function<void()> &f,
                  Si_Refus refus = Si_Refus::Silence);
    // A window shown, activated, repainted or redrawn by itself, a tab chosen: run as Commande
    // runs a command, but looking at a window never changes the project. What it changed of the
    // project (a value, a comment, a light, the hull table; the views' working settings aside)
    // is put back, quietly, so a result is stored only by a command the user gives.
    bool Regarde(Si_Occupe quand, const std::function<void()> &f,
                 Si_Refus refus = Si_Refus::Silence);

    // One click, one box: a user's command or click, and the views it makes draw themselves
    // afterwards, each as a command of its own, together tell at most one notice (the command's
    // own, the flotation's, a view's refusal: whichever comes first). A command that runs and is
    // not a look at a window, and a click on a view, starts a new click; a command a busy
    // computation ignores starts none.
    void Nouveau_Clic() { ++clics_; }
    bool Boite_Clic_Permise() const { return clic_boite_ != clics_; }
    void Boite_Clic_Dite() { clic_boite_ = clics_; }

    // The project in work takes this name, and the frame's caption shows it: the one way a
    // command renames the project.
    void Nomme_Projet(const std::string &nom);
    // The frame's caption shows the name of the project in work ("Gabarit" before any).
    void Montre_Nom_Projet();

    // Plays a sound of the program folder when "Son" is checked.
    void Joue_Son(const std::string &fichier) { shell.Joue_Son(fichier); }

private:
    bool Lance_Commande(Si_Occupe quand, const std::function<void()> &f, Si_Refus refus,
                        bool regard);
    void Enregistre(std::type_index t, Fenetre_Fille *w);
    std::map<std::type_index, Fenetre_Fille *> fenetres_;
    std::vector<Fenetre_Fille *> ordre_;
    int occupe_ = 0;
    unsigned long long clics_ = 0, clic_boite_ = ~0ull;
};

// Runs f; false when it failed. A refusal of the core (Erreur_Gabarit: a computation that
// could not go on) ends it quietly, for commands where nothing the user relies on has
// changed; any other failure ends it too, but never unseen: its message goes to the terminal
// as a warning.
bool Essaie(const std::function<void()> &f);
// Runs f like Essaie, but a core refusal is shown to the user in a message box (style 48,
// the given title) unless the core already showed its own; false when it failed.
bool Essaie_Signale(Interface_Shell &shell, const std::function<void()> &f,
                    const std::string &titre = "Attention");

} // namespace gabarit
