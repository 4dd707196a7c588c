#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/Nombres.h"
#include "platform/UpDown.h"

using namespace gabarit;

TEST(UpDown, FlechesPasBorneEtCopain) {
    QLineEdit texte;
    UpDown spin;
    spin.setBuddy(&texte);
    spin.setRange(0, 10);
    spin.setIncrement(3);
    spin.setValue(8);
    QSignalSpy change(&spin, &UpDown::Change);
    QTest::mouseClick(spin.boutonHaut(), Qt::LeftButton);
    EXPECT_EQ(spin.value(), 10);
    EXPECT_EQ(texte.text(), "10");
    QTest::mouseClick(spin.boutonBas(), Qt::LeftButton);
    EXPECT_EQ(spin.value(), 7);
    EXPECT_EQ(change.count(), 2);
}

TEST(UpDown, ValeurDuRecordMontreeTelleQuelle) {
    QLineEdit texte;
    UpDown spin;
    spin.setBuddy(&texte);
    spin.setRange(0, 100);
    spin.Montre_Valeur(250.5);
    EXPECT_EQ(spin.value(), 100);
    EXPECT_EQ(texte.text(), Texte_Nombre(250.5));
    // A long number shows its first digits in a narrow box.
    spin.Montre_Valeur(4977.77777777778);
    EXPECT_EQ(texte.cursorPosition(), 0);
    spin.setValue(2.5);
    EXPECT_EQ(spin.value(), 2);
    spin.setValue(3.5);
    EXPECT_EQ(spin.value(), 4);
}

TEST(UpDown, NombreTapeDansLeCopainDevientLaValeur) {
    QLineEdit texte;
    UpDown spin;
    spin.setBuddy(&texte);
    spin.setRange(0, 100);
    spin.setIncrement(10);
    QTest::keyClicks(&texte, Texte_Nombre(42.5));
    EXPECT_EQ(spin.value(), 42); // half to even
    QTest::mouseClick(spin.boutonHaut(), Qt::LeftButton);
    EXPECT_EQ(spin.value(), 52); // the arrows step from the typed number
    texte.clear();
    QTest::keyClicks(&texte, "250");
    EXPECT_EQ(spin.value(), 100); // kept within the range
    QTest::keyClicks(&texte, "x");
    EXPECT_EQ(spin.value(), 100); // not a number: the value stays
}

TEST(UpDown, DansPlageUnNombreHorsPlageLaisseLaValeur) {
    QLineEdit texte;
    UpDown spin;
    spin.setBuddy(&texte, UpDown::Suivi::Dans_Plage);
    spin.setRange(0, 30);
    QTest::keyClicks(&texte, "25");
    EXPECT_EQ(spin.value(), 25);
    QTest::keyClicks(&texte, "0"); // 250
    EXPECT_EQ(spin.value(), 25);
    // A box given to another spinner no longer moves this one.
    QLineEdit autre;
    spin.setBuddy(&autre);
    texte.clear();
    QTest::keyClicks(&texte, "5");
    EXPECT_EQ(spin.value(), 25);
}

TEST(Nombres, TexteEtLectureDansLaLangueDeLUtilisateur) {
    double v = 0;
    EXPECT_TRUE(Lit_Nombre(Texte_Nombre(1234.5), v));
    EXPECT_DOUBLE_EQ(v, 1234.5);
    EXPECT_FALSE(Lit_Nombre("abc", v));
    EXPECT_FALSE(Lit_Nombre("", v));
    EXPECT_EQ(Texte_Nombre(0.1 + 0.2), Texte_Nombre(0.3));
    EXPECT_EQ(Texte_Nombre(-0.0), "0");
}
