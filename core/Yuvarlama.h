#pragma once

#include <QRect>

#include <cmath>

// Every floating-point result stored as an integer is rounded to the nearest integer, an exact
// half going to the even neighbour (the default rounding mode of the floating-point unit).
inline int EnYakın(double değer)
{
    return static_cast<int>(std::nearbyint(değer));
}

// Design sizes are kept in twips: 15 twips are one pixel at 96 dots per inch.
inline constexpr int TwipBaşınaPiksel = 15;

inline int Piksel(double twip)
{
    return EnYakın(twip / TwipBaşınaPiksel);
}

inline QRect PikselDikdörtgeni(int sol, int üst, int genişlik, int yükseklik)
{
    return QRect(Piksel(sol), Piksel(üst), Piksel(genişlik), Piksel(yükseklik));
}
