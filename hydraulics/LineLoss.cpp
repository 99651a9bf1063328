#include "hydraulics/LineLoss.h"

#include <cmath>
#include <cstddef>

namespace hydraulics {

namespace {

// Written so that NaN fails.
bool NotNegative(double x) {
    return x >= 0 && std::isfinite(x);
}

}  // namespace

LineLoss LineLossOf(const LineLossInputs& in) {
    LineLoss loss;
    if (!NotNegative(in.L)) {
        loss.failed = FailedLineInput{LineInput::Length, in.L};
        return loss;
    }
    if (!NotNegative(in.sumZeta)) {
        loss.failed = FailedLineInput{LineInput::LossSum, in.sumZeta};
        return loss;
    }
    loss.friction = in.J * in.L;
    loss.local = in.sumZeta * in.v * in.v / (2 * in.g);
    loss.total = loss.friction + loss.local;
    return loss;
}

double LossCoefficient(Fitting fitting) {
    switch (fitting) {
        case Fitting::InletSharp:
            return 0.5;
        case Fitting::InletRounded:
            return 0.08;
        case Fitting::Outlet:
            return 1.0;
        case Fitting::Bend90Radius2d:
            return 0.21;
        case Fitting::Bend90Radius4d:
            return 0.14;
        case Fitting::Bend90Radius6d:
            return 0.11;
        case Fitting::GateValve:
            return 0.2;
        case Fitting::ButterflyValve:
            return 0.6;
        case Fitting::SwingCheckValve:
            return 2.5;
        case Fitting::Count:
            break;
    }
    return 0.0;
}

std::array<Fitting, static_cast<int>(Fitting::Count)> Fittings() {
    std::array<Fitting, static_cast<int>(Fitting::Count)> all{};
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<Fitting>(i);
    return all;
}

}  // namespace hydraulics
