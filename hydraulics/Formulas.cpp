#include "hydraulics/Formulas.h"

#include <cmath>

namespace hydraulics {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kFourOverPi = 1.2732395447351628;
constexpr double kPiSquared = 9.869604401089358;
}  // namespace

double ViscosityFromTemperature(double T, double rho) {
    return 0.001779 / (rho * (1 + 0.03368 * T + 0.000221 * T * T));
}

double Reynolds(double v, double di, double ny) {
    return v * di / ny;
}

double FlowFromVelocity(double di, double v) {
    return di * di * v * kQuarterPi;
}

double VelocityFromFlow(double Q, double di) {
    return 4 * Q / (di * di * kPi);
}

double DiameterFromArea(double A) {
    return std::sqrt(A * kFourOverPi);
}

double AreaFromDiameter(double di) {
    return kQuarterPi * di * di;
}

double InnerDiameter(double da, double s, double zma) {
    return da - 2 * (s + zma);
}

double SlopeFromLambda(double lambda, double di, double v, double g) {
    return lambda / di * v * v / (2 * g);
}

double VelocityFromSlope(double g, double I, double di, double lambda) {
    return std::sqrt(2 * g * I * di / lambda);
}

double RoughnessFromLambda(double lambda, double Re, double di) {
    const double rootLambda = std::sqrt(lambda);
    return 3.71 * di * (std::pow(10.0, -1 / (2 * rootLambda)) - 2.51 / (Re * rootLambda));
}

double DiameterFromLambdaSlopeVelocity(double lambda, double I, double v, double g) {
    return lambda / I * v * v / (2 * g);
}

double DiameterFromLambdaSlopeFlow(double lambda, double I, double Q, double g) {
    return std::pow(8 * lambda * Q * Q / (g * I * kPiSquared), 0.2);
}

double DiameterFromReynoldsVelocity(double Re, double ny, double v) {
    return Re * ny / v;
}

double DiameterFromReynoldsFlow(double Re, double ny, double Q) {
    return 4 * Q / (Re * ny * kPi);
}

double DiameterFromFlowVelocity(double Q, double v) {
    return std::sqrt(4 * Q / (v * kPi));
}

double PartialFlowRatio(double Q, double x) {
    if (x >= kFullFillingRatio)
        return Q;
    return Q * (3.317723 * x * x - 1.995159 * x * x * x - 0.168845 * x + 0.00564953);
}

double PartialVelocityRatio(double v, double x) {
    if (x >= kFullFillingRatio)
        return v;
    return v * (1.91922 * x * x * x - 4.15174 * x * x + 3.39432 * x + 0.102434);
}

double PartialHeightFromFlow(double di, double r) {
    return di * (0.790306 * r * r * r - 1.389515 * r * r + 1.357571 * r + 0.07418922);
}

double PartialHeightFromVelocity(double di, double r) {
    return di * (1.141819 * r * r * r - 1.333432 * r * r + 0.729938 * r - 0.02460069);
}

double SurfaceWidth(double di, double ht) {
    const double radius = di * 0.5;
    const double offset = (ht - radius) * (ht - radius);
    if (offset >= radius * radius)
        return 0.0;
    return 2 * std::sqrt(radius * radius - offset);
}

}  // namespace hydraulics
