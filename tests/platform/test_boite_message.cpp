// One command, one box: a notice met again by later steps of the same command is not shown a
// second time; another notice, a question, or the next command are.
#include <gtest/gtest.h>

#include "interfaces/Interface_Shell.h"
#include "platform/Boite_Message.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;
using namespace gabarit::test;

TEST(Boite_Message, UneBoiteParCommande) {
    Banc_Fenetre b;
    const QString flotte = QStringLiteral("Calcul de flottaison impossible");
    auto boite = [](const QString &t, int style) {
        return Boite_Message(nullptr, t, style, QStringLiteral("Attention !"));
    };
    b.ctx.Commande(Contexte::Si_Occupe::Execute, [&] {
        boite(flotte, MB_STOP);
        // The views redraw and float the hull again, inside a nested command.
        b.ctx.Commande(Contexte::Si_Occupe::Execute, [&] { boite(flotte, MB_STOP); });
        boite(flotte, MB_STOP);
        boite(flotte, MB_EXCLAMATION); // another kind of box
        boite(QStringLiteral("Autre refus"), MB_STOP);
        EXPECT_EQ(boite(QStringLiteral("Sauver ?"), MB_OUI_NON), REPONSE_OK);
        boite(QStringLiteral("Sauver ?"), MB_OUI_NON); // a question is always asked
    });
    // The next command starts afresh.
    b.ctx.Commande(Contexte::Si_Occupe::Execute, [&] { boite(flotte, MB_STOP); });
    // Outside any command every box is shown.
    boite(flotte, MB_STOP);
    boite(flotte, MB_STOP);
    const std::vector<std::pair<QString, int>> attendu = {{flotte, MB_STOP},
                                                          {flotte, MB_EXCLAMATION},
                                                          {QStringLiteral("Autre refus"), MB_STOP},
                                                          {QStringLiteral("Sauver ?"), MB_OUI_NON},
                                                          {QStringLiteral("Sauver ?"), MB_OUI_NON},
                                                          {flotte, MB_STOP},
                                                          {flotte, MB_STOP},
                                                          {flotte, MB_STOP}};
    ASSERT_EQ(b.messages.size(), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        EXPECT_EQ(b.messages[i].texte, attendu[i].first) << i;
        EXPECT_EQ(b.messages[i].style, attendu[i].second) << i;
    }
}
