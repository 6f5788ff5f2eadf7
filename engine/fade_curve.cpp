#include "fade_curve.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace welvox {

int32_t curveTimes(double ratio, double curve, int32_t t) {
    const double v = std::pow(ratio, curve) * t;
    if (std::isnan(v)) return 0;
    return int32_t(std::clamp(v, double(INT32_MIN), double(INT32_MAX)));
}

namespace {

// A fade's gain changes slowly from one sample to the next, so most gains are
// taken from a straight line between exact powers kSpan numerators apart.
// The line's error has a strict bound; a product that lies farther than that
// bound from every integer truncates to the same value as the exact one, and
// the few that lie closer are computed exactly. The result is therefore
// always that of the scalar power, at a fraction of its cost.
constexpr int64_t kSpan = 32;

class InterpolatedCurve {
public:
    InterpolatedCurve(int64_t length, double curve) : m_length(length), m_curve(curve) {}

    int32_t times(int64_t numerator, int32_t t) {
        const double ratio = double(numerator) / double(m_length);
        if (t == 0) return 0;
        if (numerator <= 0) return curveTimes(ratio, m_curve, t);
        const int64_t left = numerator - numerator % kSpan;
        if (left != m_left) moveTo(left);
        if (!m_usable) return curveTimes(ratio, m_curve, t);

        const double gain = m_leftGain + m_slope * double(numerator - left);
        const double v = gain * t;
        if (!(std::fabs(v) < 1e9)) return curveTimes(ratio, m_curve, t);
        const double fraction = std::fabs(v - double(int64_t(v)));
        const double distance = std::min(fraction, 1.0 - fraction);
        if (distance > m_error * std::fabs(double(t)) + 1e-7) return int32_t(v);
        return curveTimes(ratio, m_curve, t);
    }

private:
    // x^c and x^(c-2) at one span end.
    struct Powers {
        int64_t numerator = -1;
        double gain = 0, bend = 0;
    };

    // Neighbouring spans share an end, whose powers are then taken over.
    Powers powersAt(int64_t numerator) const {
        if (numerator == m_leftEnd.numerator) return m_leftEnd;
        if (numerator == m_rightEnd.numerator) return m_rightEnd;
        const double x = double(numerator) / double(m_length);
        return {numerator, std::pow(x, m_curve), std::pow(x, m_curve - 2)};
    }

    void moveTo(int64_t left) {
        const Powers leftEnd = powersAt(left), rightEnd = powersAt(left + kSpan);
        m_leftEnd = leftEnd;
        m_rightEnd = rightEnd;
        m_left = left;
        const double x0 = double(left) / double(m_length);
        const double x1 = double(left + kSpan) / double(m_length);
        m_leftGain = leftEnd.gain;
        m_slope = (rightEnd.gain - m_leftGain) / double(kSpan);
        // |f''| of x^c is |c(c-1)| x^(c-2), largest at one end of the span;
        // the linear error is at most (x1-x0)^2/8 times that, plus rounding.
        const double bend = std::fabs(m_curve * (m_curve - 1)) * std::max(leftEnd.bend, rightEnd.bend);
        m_error = (x1 - x0) * (x1 - x0) / 8 * bend + 1e-14;
        m_usable = left > 0 && std::isfinite(m_error) && std::isfinite(m_slope) && m_error < 1e-6;
    }

    const int64_t m_length;
    const double m_curve;
    int64_t m_left = -1;
    Powers m_leftEnd, m_rightEnd;
    double m_leftGain = 0, m_slope = 0, m_error = 0;
    bool m_usable = false;
};

}  // namespace

void applyCurveRun(int64_t first, int step, int64_t length, double curve, int32_t* t, size_t n) {
    // The interpolation needs a positive, finite exponent and a fade length.
    if (!(curve > 0 && curve <= 16) || length <= 0) {
        for (size_t j = 0; j < n; ++j) t[j] = curveTimes(double(first + step * int64_t(j)) / double(length), curve, t[j]);
        return;
    }
    InterpolatedCurve gains(length, curve);
    for (size_t j = 0; j < n; ++j) t[j] = gains.times(first + step * int64_t(j), t[j]);
}

}  // namespace welvox
