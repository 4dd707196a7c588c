#pragma once
// A frame's client area for driving a window as a user would: the design state, the
// recording shell, the MDI area shown at a working size and the context of the child
// windows, with the message boxes recorded and answered OK instead of shown.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "fenetres/Contexte.h"
#include "interfaces/Shell_Enregistreur.h"
#include "model/Etat_Projet.h"
#include "platform/Boite_Message.h"
#include "platform/UpDown.h"
#include "support/Maitre.h"

namespace gabarit::test {

struct Message_Vu {
    QString texte;
    int style;
    QString titre;
};

struct Banc_Fenetre {
    Etat_Projet e;
    Shell_Enregistreur shell;
    std::unique_ptr<QMdiArea> zone = std::make_unique<QMdiArea>();
    Contexte ctx{e, shell, zone.get()};
    std::vector<Message_Vu> messages;

    explicit Banc_Fenetre(int largeur = 1000, int hauteur = 700) {
        zone->resize(largeur, hauteur);
        zone->show();
        Remplace_Boite_Message([this](const QString &t, int style, const QString &titre) {
            messages.push_back({t, style, titre});
            return REPONSE_OK;
        });
    }
    ~Banc_Fenetre() {
        Remplace_Boite_Message({});
        zone.reset(); // the windows go before the context they refer to
    }
    Banc_Fenetre(const Banc_Fenetre &) = delete;
    Banc_Fenetre &operator=(const Banc_Fenetre &) = delete;

    // The window shown as its menu item shows it, its activation and first paint run.
    template <class W> W &Ouvre() {
        W &w = ctx.Fenetre<W>();
        w.Montre();
        QApplication::processEvents();
        return w;
    }
    // A view shown to the right of the tool windows, hauteur pixels high.
    template <class V> V &Ouvre_Vue(int hauteur) {
        V &v = ctx.Fenetre<V>();
        v.Montre();
        v.Deplace(400, 0, 500, hauteur);
        QApplication::processEvents();
        return v;
    }
};

// The bench on the master project as the start-up reads it, before floating it.
struct Banc_Maitre : Banc_Fenetre {
    Banc_Maitre() { Prepare_Maitre(e, shell); }
};

// The window's child of that name; a missing one fails the test.
template <class T> T *Enfant(QWidget &fenetre, const QString &nom) {
    T *w = fenetre.findChild<T *>(nom);
    EXPECT_NE(w, nullptr) << nom.toStdString();
    return w;
}

// The user selects the box's text, deletes it and types.
inline void Tape(QLineEdit *t, const QString &texte) {
    t->selectAll();
    QTest::keyClick(t, Qt::Key_Delete);
    QTest::keyClicks(t, texte);
}

// A click on a button, as a user makes it.
inline void Clique(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }

// A click on an option's round indicator, as a user aims it.
inline void Clique_Option(QRadioButton *o) {
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
}

// A click on a spin control's up or down arrow; the release handler runs after the step.
inline void Clique_Fleche(UpDown *s, bool haut) {
    QTest::mouseClick(haut ? s->boutonHaut() : s->boutonBas(), Qt::LeftButton);
    QApplication::processEvents();
}

} // namespace gabarit::test
