#pragma once
// Checks of the sheets a template leaves on the recording print surface.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "interfaces/Surface_Impression.h"

namespace gabarit::test {

// The line in twips as the printer receives it, in single precision.
inline void Ligne_Attendue(const Surface_Enregistreur::Trait &t, double x1, double y1, double x2,
                           double y2) {
    EXPECT_FLOAT_EQ(t.x1, static_cast<float>(x1));
    EXPECT_FLOAT_EQ(t.y1, static_cast<float>(y1));
    EXPECT_FLOAT_EQ(t.x2, static_cast<float>(x2));
    EXPECT_FLOAT_EQ(t.y2, static_cast<float>(y2));
}

// Calibrations apart from each other, so a swapped scale shows.
inline constexpr double EH = 56.7, EV = 57.3;

} // namespace gabarit::test
