// One command, one box: a notice met again by later steps of the same command is not shown a
// second time; another notice, a question, the next command or a command run inside it are.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "interfaces/Interface_Shell.h"
#include "platform/Boite_Message.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;
using namespace gabarit::test;

TEST(Boite_Message, UneBoiteParCommande) {
    Banc_Fenetre b;
    const QString flotte = QStringLiteral("Calcul de flottaison impossible");
    const QString refus = QString::fromUtf8("Valeur refusée");
    auto boite = [](const QString &t, int style) {
        return Boite_Message(nullptr, t, style, QStringLiteral("Attention !"));
    };
    b.ctx.Commande(Contexte::Si_Occupe::Execute, [&] {
        boite(flotte, MB_STOP);
        boite(flotte, MB_STOP);
        boite(flotte, MB_EXCLAMATION); // another kind of box
        boite(QStringLiteral("Autre refus"), MB_STOP);
        EXPECT_EQ(boite(QStringLiteral("Sauver ?"), MB_OUI_NON), REPONSE_OK);
        boite(QStringLiteral("Sauver ?"), MB_OUI_NON); // a question is always asked
        boite(QStringLiteral("Enregistrer ?"), MB_ENREGISTRER);
        boite(QStringLiteral("Enregistrer ?"), MB_ENREGISTRER);
        // Two handlers run while the command lets events run: each is told its refusal once.
        for (int k = 0; k < 2; ++k)
            b.ctx.Commande(Contexte::Si_Occupe::Execute, [&] {
                boite(refus, MB_STOP);
                boite(refus, MB_STOP);
            });
        boite(flotte, MB_STOP); // the outer command still has it
        boite(refus, MB_STOP);  // but never saw this one
    });
    // The next command starts afresh.
    b.ctx.Commande(Contexte::Si_Occupe::Execute, [&] { boite(flotte, MB_STOP); });
    // Outside any command every box is shown.
    boite(flotte, MB_STOP);
    boite(flotte, MB_STOP);
    const std::vector<std::pair<QString, int>> attendu = {
        {flotte, MB_STOP},
        {flotte, MB_EXCLAMATION},
        {QStringLiteral("Autre refus"), MB_STOP},
        {QStringLiteral("Sauver ?"), MB_OUI_NON},
        {QStringLiteral("Sauver ?"), MB_OUI_NON},
        {QStringLiteral("Enregistrer ?"), MB_ENREGISTRER},
        {QStringLiteral("Enregistrer ?"), MB_ENREGISTRER},
        {refus, MB_STOP},
        {refus, MB_STOP},
        {refus, MB_STOP},
        {flotte, MB_STOP},
        {flotte, MB_STOP},
        {flotte, MB_STOP}};
    ASSERT_EQ(b.messages.size(), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        EXPECT_EQ(b.messages[i].texte, attendu[i].first) << i;
        EXPECT_EQ(b.messages[i].style, attendu[i].second) << i;
    }
}

// The save question as the user meets it: three French buttons, Escape keeps the project.
TEST(Boite_Message, QuestionEnregistrerEtSesReponses) {
    struct Cas {
        const char *bouton; // nullptr: the Escape key
        int reponse;
    };
    for (Cas c : {Cas{"Enregistrer", REPONSE_OUI}, Cas{"Ne pas enregistrer", REPONSE_NON},
                  Cas{"Annuler", REPONSE_ANNULER}, Cas{nullptr, REPONSE_ANNULER}}) {
        QStringList boutons;
        QTimer::singleShot(0, [&] {
            auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!boite)
                return ADD_FAILURE() << "no box shown";
            for (QAbstractButton *b : boite->buttons()) {
                boutons << b->text();
                if (c.bouton && b->text() == QString::fromUtf8(c.bouton))
                    b->click();
            }
            if (!c.bouton)
                QTest::keyClick(boite, Qt::Key_Escape);
        });
        EXPECT_EQ(Boite_Message(nullptr, QStringLiteral("Le projet a été modifié"), MB_ENREGISTRER,
                                QStringLiteral("Attention")),
                  c.reponse)
            << (c.bouton ? c.bouton : "Echap");
        boutons.sort();
        EXPECT_EQ(boutons, (QStringList{"Annuler", "Enregistrer", "Ne pas enregistrer"}));
    }
}
