#pragma once
// The main frame: a multiple-document frame that holds every child window, with its menus,
// toolbar, heel buttons and lights, status bar and progress bar.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "model/Etat_Projet.h"

class QMdiArea;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;
class QToolButton;

namespace gabarit {

class Contexte;
class Fenetre_Fille;
class Shell_Qt;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(Etat_Projet &etat, QWidget *parent = nullptr);
    ~MDIForm1() override;

    Contexte &ctx() { return *ctx_; }
    QMdiArea *Zone() const { return zone_; }
    Shell_Qt &Shell() { return *shell_; }

    // Start-up: open dialog, project (or the master), settings, initialisation, caption,
    // printer scales, tip of the day, hull table, waterline, lights. The frame takes input
    // again at the end whatever failed.
    void MDIForm1_MDIForm_Load();
    // Shut-down: writes tov.ini (a failure is reported), hides every window, ends the run.
    void MDIForm1_MDIForm_Terminate();

    // The toolbar's click handler, by the button's key.
    void MDIForm1_Toolbar1_ButtonClick(const QString &cle);
    // Heel button Picture1(index): heel 5 x index.
    void MDIForm1_Picture1_Click(int index);

    void Desactive_Menus();
    void Active_Menus();
    // couleurs[k] is an RGB value (255 red, 65280 green) for light Shape1(k).
    void Peint_Voyants(const std::array<int, 7> &couleurs);

    QAction *Action(const QString &nom) const; // a menu item or toolbar key by its name
    QToolBar *Toolbar1() const { return toolbar_; }
    QLabel *Panneau(int n) const { return panneaux_[static_cast<std::size_t>(n - 1)]; }
    QProgressBar *ProgressBar1() const { return progression_; }
    // tov.ini was read or created at start: only then is it written back.
    bool Reglages_Ecrivables() const { return reglages_ecrivables_; }
    // The frame was closed: the program is ending.
    bool Termine() const { return termine_; }

protected:
    void closeEvent(QCloseEvent *ev) override;

private:
    void Cree_Menus();
    void Cree_Barre();
    void Cree_Statut();
    // Runs a menu command: nothing while a computation runs; failures end it quietly.
    void Commande(const std::function<void()> &f);
    QAction *Item(QMenu *menu, const char *nom, const QString &legende,
                  const std::function<void()> &f);
    void Montre_Normal(Fenetre_Fille &w);
    void Va_Dossier_Programme();
    // The close box asks before a changed project is lost; false when the user keeps it.
    bool Peut_Fermer();

    // Toolbar branches, and what a key does under the busy guard.
    void Execute_Touche(const QString &cle);
    void Barre_Profile();
    void Barre_Voile();
    void Barre_Deplacement();
    void Barre_Stabilite();
    void Barre_Vue_Generale();
    void Barre_Aff_Valeur();

    Etat_Projet &etat_;
    QMdiArea *zone_;
    std::unique_ptr<Shell_Qt> shell_;
    std::unique_ptr<Contexte> ctx_;
    QToolBar *toolbar_ = nullptr;
    std::array<QAction *, 7> menus_haut_{};
    std::array<QLabel *, 3> panneaux_{};
    std::array<QWidget *, 7> voyants_{};
    QProgressBar *progression_ = nullptr;
    bool reglages_ecrivables_ = false;
    bool termine_ = false;
};

} // namespace gabarit
