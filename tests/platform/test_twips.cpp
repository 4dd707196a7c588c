// Twips to screen pixels at the windows' 96 pixels per inch: 1440 twips are one inch, so 15
// twips make a pixel. The sizes are worked by hand, not through the conversion itself.
#include <gtest/gtest.h>

#include "platform/Twips.h"

using namespace gabarit;

TEST(Twips, PixelsAtNinetySixPerInch) {
    EXPECT_EQ(Twips_En_Pixels(1440), 96);
    EXPECT_EQ(Twips_En_Pixels(15), 1);
    EXPECT_EQ(Twips_En_Pixels(0), 0);
    // The windows' usual sizes: 5865 x 3750 twips is 391 x 250 pixels.
    EXPECT_EQ(Twips_En_Pixels(5865), 391);
    EXPECT_EQ(Twips_En_Pixels(3750), 250);
    // Nearest pixel: 100 twips are 6.67 pixels, 6810 are 454, 4550 are 303.33.
    EXPECT_EQ(Twips_En_Pixels(100), 7);
    EXPECT_EQ(Twips_En_Pixels(6810), 454);
    EXPECT_EQ(Twips_En_Pixels(4550), 303);
    EXPECT_EQ(Twips_En_Pixels(7), 0);
    EXPECT_EQ(Twips_En_Pixels(8), 1);
    EXPECT_EQ(Pixels_En_Twips(391), 5865);
    EXPECT_DOUBLE_EQ(PIXELS_PAR_MM * 25.4, 96);
}
