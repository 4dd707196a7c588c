#pragma once
// What a user does in the windows that edit the project, on any context: typed values,
// the parameter editor, the section-shape editor's marker.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "fenetres/Contexte.h"
#include "model/fenetres/Editeur_Forme.h"
#include "model/fenetres/Menu_FG.h"
#include "model/fenetres/Menu_VarList.h"
#include "platform/Nombres.h"
#include "support/Banc_Fenetre.h"

namespace gabarit::test {

// Typed into a box, as the user's locale writes the number.
inline void Tape_Nombre(QLineEdit *t, double v) { Tape(t, Texte_Nombre(v)); }

// The parameter editor as its toolbar key shows it, its list filled.
inline void Ouvre_Editeur(Contexte &ctx) {
    Menu_VarList &w = ctx.Fenetre<Menu_VarList>();
    w.Montre();
    QApplication::processEvents();
    w.Remplit_Liste();
}

// The parameter editor: record n chosen in the list, value typed, "Valide".
inline void Editeur(Contexte &ctx, int n, double v) {
    Menu_VarList &w = ctx.Fenetre<Menu_VarList>();
    QListWidget *l = w.List1();
    QListWidgetItem *ligne = l->item(n - 1);
    l->scrollToItem(ligne);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(ligne).center());
    Tape_Nombre(w.Text1_0(), v);
    Clique(w.Command2());
}

// The hull-form window's section-shape editor on the section of option k (0 transom,
// 1 widest, 2 three-quarters forward, 3 deepest), as its tab shows it.
inline void Choisit_Section(Contexte &ctx, int k) {
    Menu_FG &w = ctx.Fenetre<Menu_FG>();
    w.Montre();
    QApplication::processEvents();
    w.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(2);
    auto *o = w.findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(k));
    QTest::mousePress(o, Qt::LeftButton);
    QTest::mouseRelease(o, Qt::LeftButton);
}

// The section-shape editor's marker dragged to (x, y) twips, then released.
inline void Glisse_Forme(Contexte &ctx, double x, double y) {
    auto *boite = ctx.Fenetre<Menu_FG>().findChild<Editeur_Forme *>(QStringLiteral("Picture2"));
    const QPointF px(x / 15, y / 15);
    QMouseEvent bouge(QEvent::MouseMove, px, boite->mapToGlobal(px), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(boite, &bouge);
    QMouseEvent lache(QEvent::MouseButtonRelease, px, boite->mapToGlobal(px), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(boite, &lache);
}

// A value typed into box Text1(boite) of window W, then its button Command1(bouton) clicked.
template <class W> void Saisie(Contexte &ctx, int boite, int bouton, double v) {
    W &w = ctx.Fenetre<W>();
    Tape_Nombre(w.Text1(boite), v);
    Clique(w.Command1(bouton));
}

} // namespace gabarit::test
