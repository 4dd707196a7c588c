#pragma once
// Windows are laid out in twips (1/1440 inch), the unit of every size and position the
// window descriptions give; the screen runs at 96 pixels per inch here, so 15 twips make a
// pixel.
#include <cmath>

namespace gabarit {

inline constexpr double TWIPS_PAR_PIXEL = 15.0;
inline int Twips_En_Pixels(double twips) { return static_cast<int>(std::lround(twips / TWIPS_PAR_PIXEL)); }
inline double Pixels_En_Twips(double pixels) { return pixels * TWIPS_PAR_PIXEL; }
// Screen millimetres, the unit of the view pictures.
inline constexpr double PIXELS_PAR_MM = 96.0 / 25.4;

} // namespace gabarit
