// The windows' command runner: what it does with a failure, and with the busy guard.
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <stdexcept>

#include "model/Erreur.h"
#include "model/Numeros.h"
#include "model/fenetres/Menu_VarList.h"
#include "printing/fenetres/Menu_Impression.h"
#include "support/Banc_Fenetre.h"
#include "support/Gestes.h"

using namespace gabarit;

namespace {

QStringList avertissements;

void Note(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtWarningMsg)
        avertissements << message;
}

// The warnings written while it lives.
struct Ecoute {
    QtMessageHandler avant = qInstallMessageHandler(Note);
    Ecoute() { avertissements.clear(); }
    ~Ecoute() { qInstallMessageHandler(avant); }
};

using Q = Contexte::Si_Occupe;

} // namespace

TEST(Commande_Contexte, EchecDuCoeurSilencieuxEchecInattenduSignale) {
    test::Banc_Fenetre b;
    Ecoute ecoute;
    int etapes = 0;
    // The core's failure ends the command where it stands, without a word.
    EXPECT_TRUE(b.ctx.Commande(Q::Execute, [&] {
        ++etapes;
        throw Erreur_Gabarit("Division par zéro");
        ++etapes;
    }));
    EXPECT_EQ(etapes, 1);
    EXPECT_TRUE(avertissements.isEmpty());
    // Any other failure ends it too, and its message reaches the terminal.
    EXPECT_TRUE(b.ctx.Commande(Q::Garde, [] { throw std::out_of_range("indice 312"); }));
    ASSERT_EQ(avertissements.size(), 1);
    EXPECT_TRUE(avertissements[0].contains("indice 312"));
    b.ctx.Commande(Q::Ignore, [] { throw 7; });
    EXPECT_EQ(avertissements.size(), 2);
    // The guard a failed command held is given back.
    EXPECT_FALSE(b.ctx.Occupe());
    EXPECT_TRUE(Essaie([] {}));
    EXPECT_FALSE(Essaie([] { throw Erreur_Gabarit("x"); }));
    EXPECT_EQ(avertissements.size(), 2);
}

TEST(Commande_Contexte, CeQueChaqueCommandeFaitSousUnCalcul) {
    test::Banc_Fenetre b;
    Contexte &c = b.ctx;
    // Idle: every kind runs, and only Garde holds the guard meanwhile.
    bool occupe_dedans[3] = {};
    c.Commande(Q::Execute, [&] { occupe_dedans[0] = c.Occupe(); });
    c.Commande(Q::Ignore, [&] { occupe_dedans[1] = c.Occupe(); });
    c.Commande(Q::Garde, [&] { occupe_dedans[2] = c.Occupe(); });
    EXPECT_FALSE(occupe_dedans[0]);
    EXPECT_FALSE(occupe_dedans[1]);
    EXPECT_TRUE(occupe_dedans[2]);
    EXPECT_FALSE(c.Occupe());
    // Busy: only Execute runs.
    Contexte::Garde_Occupe calcul(c);
    int lances = 0;
    EXPECT_TRUE(c.Commande(Q::Execute, [&] { lances += 1; }));
    EXPECT_FALSE(c.Commande(Q::Ignore, [&] { lances += 10; }));
    EXPECT_FALSE(c.Commande(Q::Garde, [&] { lances += 100; }));
    EXPECT_EQ(lances, 1);

    // And it changes no value nor comment of the boat the computation reads: one that would
    // is put back whole; the views' settings and drawn figures alone are kept.
    Etat_Projet &e = b.e;
    e.P(Poids_Item(ITEM_SERVO1)) = 45;
    e.P(ECHELLE_VUE) = 2;
    c.Commande(Q::Execute, [&] {
        e.P(Poids_Item(ITEM_SERVO1)) = 1045;
        e.P(ECHELLE_VUE) = 3;
    });
    EXPECT_EQ(e.P(Poids_Item(ITEM_SERVO1)), 45);
    EXPECT_EQ(e.P(ECHELLE_VUE), 2);
    c.Commande(Q::Execute, [&] { e.Texte_Projet[60] = "servo lourd"; });
    EXPECT_EQ(e.Texte_Projet[60], "");
    c.Commande(Q::Execute, [&] { e.P(ECHELLE_VUE) = 3; });
    EXPECT_EQ(e.P(ECHELLE_VUE), 3);
    // A result the computation did not store is the project's too.
    c.Commande(Q::Execute, [&] {
        e.P(ECHELLE_VUE) = 4;
        e.P(Z_BULBE) = 7;
    });
    EXPECT_EQ(e.P(ECHELLE_VUE), 3);
    EXPECT_EQ(e.P(Z_BULBE), 0);
    // Nor the heel and steps a walk reads at every station.
    for (int n : {ANGLE_GITE, PAS_HORIZONTAL, PAS_VERTICAL, NB_PAS_HORIZONTAL}) {
        e.P(n) = 2;
        c.Commande(Q::Execute, [&] { e.P(n) = 0.1; });
        EXPECT_EQ(e.P(n), 2) << n;
    }
    // The print window's close box writes the vertical step back: closed while the prismatic
    // coefficient walks, it changes nothing.
    Montre_Menu_Impression(c);
    e.Pas_Couple_Sauve = 1;
    c.Fenetre<Menu_Impression>().Cadre()->close();
    EXPECT_EQ(e.P(PAS_VERTICAL), 2);
    // The parameter editor's "Valide", as the user clicks it while a heel floats.
    auto &w = c.Fenetre<Menu_VarList>();
    w.Montre();
    w.Remplit_Liste();
    w.List1()->setCurrentRow(59);
    test::Tape(w.Text1_0(), QStringLiteral("1045"));
    QTest::mouseClick(w.Command2(), Qt::LeftButton);
    EXPECT_EQ(e.P(Poids_Item(ITEM_SERVO1)), 45);
    EXPECT_EQ(w.List1()->item(59)->text().section('\t', 1, 1), QStringLiteral("45"));
}
