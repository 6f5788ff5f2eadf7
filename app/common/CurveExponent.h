// A fade curve's exponent as the spin controls show it: whole tenths from
// 0.1 to 3.0, and the "Env=" text beside the curve previews.
#pragma once

#include "shown_number.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>

namespace curveexponent {

inline constexpr int MinimumTenths = 1;
inline constexpr int MaximumTenths = 30;

// The exponent in tenths, rounded to the nearest with halves to even (0.25
// gives 2), kept within the spin controls' range.
inline int tenthsOf(float exponent)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double tenths = std::nearbyint(double(exponent) * 10.0);
    return int(std::clamp(tenths, double(MinimumTenths), double(MaximumTenths)));
}

// "Env=" and the exponent with one decimal, e.g. Env=1.8.
inline QString envText(int tenths)
{
    return QCoreApplication::translate("CurveExponent", "Env=") + shownnumber::decimal(tenths / 10.0, 1);
}

}  // namespace curveexponent
