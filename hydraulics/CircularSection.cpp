#include "hydraulics/CircularSection.h"

#include <cmath>
#include <limits>

#include "hydraulics/FlowState.h"
#include "hydraulics/SegmentGeometry.h"

namespace hydraulics {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Both ratios rise from half filling to their peak and fall again towards the crown.
constexpr double kPeakSearchFrom = 0.5;
constexpr double kPeakSearchWidth = 1e-10;
constexpr double kInverseWidth = 1e-13;

bool Positive(double value) {
    return value > 0 && std::isfinite(value);
}

// Golden-section search for the largest value of f, unimodal on [from, to].
template <class Ratio>
RatioPeak Maximum(Ratio ratio, double from, double to) {
    constexpr double kInverseGolden = 0.6180339887498949;
    double a = from, b = to;
    double c = b - kInverseGolden * (b - a), d = a + kInverseGolden * (b - a);
    double fc = ratio(c), fd = ratio(d);
    while (b - a > kPeakSearchWidth) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - kInverseGolden * (b - a);
            fc = ratio(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + kInverseGolden * (b - a);
            fd = ratio(d);
        }
    }
    const double x = (a + b) / 2;
    return {x, ratio(x)};
}

}  // namespace

// Darcy-Weisbach, I = λ / dh · v² / (2g), gives v = √(2 g I dh / λ), so Colebrook-White
// 1/√λ = −2 log10(2.51 / (Re √λ) + k / (3.71 dh)) has Re √λ = v dh / ν · √λ = dh √(2 g I dh) / ν and
// turns explicit: v = −2 √(2 g I dh) · log10(2.51 ν / (dh √(2 g I dh)) + k / (3.71 dh)).
double ColebrookVelocity(const PipeAtSlope& pipe, double dh) {
    if (!(dh > 0))
        return 0.0;
    const double root = std::sqrt(2 * pipe.g * pipe.I * dh);
    const double v = -2 * root * std::log10(2.51 * pipe.ny / (dh * root) + pipe.k / (3.71 * dh));
    return v > 0 ? v : 0.0;  // a log argument of 1 or more: the law gives no flow (NaN too)
}

CircularSection::CircularSection(const PipeAtSlope& pipe) : m_pipe(pipe) {
    const bool inputsGiven = Positive(pipe.di) && Positive(pipe.ny) && Positive(pipe.g) && Positive(pipe.I) &&
                             pipe.k >= 0 && std::isfinite(pipe.k);
    const double velocity = inputsGiven ? ColebrookVelocity(pipe, pipe.di) : 0.0;
    m_fullVelocity = Positive(velocity) ? velocity : 0.0;
    if (IsDefined())
        m_flowPeak = Maximum([this](double x) { return Ratios(x).flow; }, kPeakSearchFrom, 1.0);
    else
        m_flowPeak = {kNaN, kNaN};
}

double CircularSection::FullFlow() const {
    return m_fullVelocity * kQuarterPi * m_pipe.di * m_pipe.di;
}

// The wetted segment has the area A = di² / 8 · (θ − sin θ) and the perimeter U = θ · di / 2, so in
// fractions of the full section A / A_full = (θ − sin θ) / 2π and 4R / di = 4A / (U di) = 1 − sin θ / θ;
// written so, they are exactly 1/2 and 1 at half filling.
FillingRatios CircularSection::Ratios(double x) const {
    if (!IsDefined() || std::isnan(x))
        return {kNaN, kNaN};
    if (x <= 0)
        return {0.0, 0.0};
    const double theta = CentralAngle(x);
    const double sine = std::sin(theta);
    const double velocity = ColebrookVelocity(m_pipe, m_pipe.di * (1 - sine / theta)) / m_fullVelocity;
    return {velocity * (theta - sine) / (2 * kPi), velocity};
}

RatioPeak CircularSection::VelocityPeak() const {
    if (!IsDefined())
        return {kNaN, kNaN};
    return Maximum([this](double x) { return Ratios(x).velocity; }, kPeakSearchFrom, 1.0);
}

double CircularSection::Froude(double x) const {
    const double flow = Ratios(x).flow * FullFlow();
    return FroudeNumber(flow, m_pipe.di, x * m_pipe.di, m_pipe.g).value_or(kNaN);
}

std::optional<double> CircularSection::FillingFromFlowRatio(double r) const {
    if (!IsDefined() || std::isnan(r) || r > m_flowPeak.ratio)
        return std::nullopt;
    if (r <= 0)
        return 0.0;
    // Qt/Q rises steadily from the empty pipe to the peak.
    double low = 0, high = m_flowPeak.filling;
    while (high - low > kInverseWidth) {
        const double middle = (low + high) / 2;
        if (Ratios(middle).flow < r)
            low = middle;
        else
            high = middle;
    }
    return (low + high) / 2;
}

}  // namespace hydraulics
