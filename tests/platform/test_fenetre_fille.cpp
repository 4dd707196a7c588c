// The child window's reach to its MDI area while the frame closes.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>
#include <vector>

#include "platform/Fenetre_Fille.h"
#include "support/Banc_Fenetre.h"

using namespace gabarit;
using namespace gabarit::test;

namespace {

// Notes the area its handler would reach at each hide.
class Sonde_Masquage : public Fenetre_Fille {
public:
    explicit Sonde_Masquage(Contexte &ctx)
        : Fenetre_Fille(ctx, QStringLiteral("Sonde"), QStringLiteral("Sonde")) {}
    std::vector<QMdiArea *> *zones = nullptr;

protected:
    void hideEvent(QHideEvent *ev) override {
        Fenetre_Fille::hideEvent(ev);
        if (zones)
            zones->push_back(Zone());
    }
};

TEST(Fenetre_Fille, AucuneZonePendantSaDestruction) {
    std::vector<QMdiArea *> zones;
    {
        Banc_Fenetre b;
        Sonde_Masquage &w = b.Ouvre<Sonde_Masquage>();
        w.zones = &zones;
        w.Cache(); // an ordinary hide reaches the area
        ASSERT_EQ(zones, std::vector<QMdiArea *>{b.zone.get()});
        w.Montre();
        zones.clear();
        b.zone.reset(); // the frame closes with the window shown
    }
    // The teardown hides the shown window, and its handler finds no area to reach.
    ASSERT_FALSE(zones.empty());
    for (QMdiArea *z : zones)
        EXPECT_EQ(z, nullptr);
}

} // namespace
