// The fitted partial-filling relations against the exact circular section: where they agree, where
// they leave it, and the exact values from each given quantity.
#include <gtest/gtest.h>

#include "hydraulics/FittedFillingCheck.h"
#include "hydraulics/Formulas.h"

namespace {

using hydraulics::PartialQuantity;

// DN 300 at 5 m/km, k 1.5 mm, water at 10 °C; Q and v of the pipe running full.
const hydraulics::PipeAtSlope kPipe{0.3078, 0.0015, hydraulics::ViscosityFromTemperature(10, 1010), 9.81,
                                    0.005};
const hydraulics::CircularSection kSection(kPipe);
const double kQ = kSection.FullFlow();
const double kV = kSection.FullVelocity();

TEST(FittedFillingCheck, FittedValuesAgreeInTheMiddleAndLeaveTheSectionAtItsEnds) {
    const struct {
        PartialQuantity given;
        double value;
        bool differs;
    } cases[] = {
        {PartialQuantity::Qt, 0.5 * kQ, false},
        {PartialQuantity::Qt, 0.3 * kQ, false},
        {PartialQuantity::Ht, 0.5 * kPipe.di, false},
        {PartialQuantity::Vt, 0.9 * kV, false},
        {PartialQuantity::Qt, 0.005 * kQ, true},
        {PartialQuantity::Ht, 0.03 * kPipe.di, true},
        {PartialQuantity::Qt, 1.0 * kQ, true},
        {PartialQuantity::Qt, 1.2 * kQ, true},  // above the peak
    };
    for (const auto& c : cases) {
        const hydraulics::FittedFillingComparison comparison =
            hydraulics::CompareFittedFilling(kPipe, kQ, kV, c.given, c.value);
        SCOPED_TRACE(static_cast<int>(c.given));
        SCOPED_TRACE(c.value);
        EXPECT_TRUE(comparison.comparable);
        EXPECT_EQ(comparison.Differs(), c.differs) << comparison.deviation;
    }
}

TEST(FittedFillingCheck, ExactValuesFromEachQuantityMeetAtOneFilling) {
    const hydraulics::FillingRatios ratios = kSection.Ratios(0.3);
    const PartialQuantity given[] = {PartialQuantity::Ht, PartialQuantity::Qt, PartialQuantity::Vt};
    const double values[] = {0.3 * kPipe.di, ratios.flow * kQ, ratios.velocity * kV};
    for (int i = 0; i < 3; ++i) {
        const auto exact = hydraulics::ExactPartialFilling(kSection, kPipe.di, kQ, kV, given[i], values[i]);
        ASSERT_TRUE(exact) << i;
        EXPECT_NEAR(exact->ht, 0.3 * kPipe.di, 1e-9) << i;
        EXPECT_NEAR(exact->Qt, ratios.flow * kQ, 1e-9 * kQ) << i;
        EXPECT_NEAR(exact->vt, ratios.velocity * kV, 1e-9 * kV) << i;
    }
}

TEST(FittedFillingCheck, WithoutSlopeOrFlowNothingIsCompared) {
    hydraulics::PipeAtSlope flat = kPipe;
    flat.I = 0;
    EXPECT_FALSE(hydraulics::CompareFittedFilling(flat, kQ, kV, PartialQuantity::Qt, 0.01).Differs());
    EXPECT_FALSE(hydraulics::CompareFittedFilling(kPipe, 0, kV, PartialQuantity::Qt, 0.01).comparable);
    EXPECT_FALSE(
        hydraulics::ExactPartialFilling(kSection, kPipe.di, kQ, kV, PartialQuantity::Ht, 2 * kPipe.di));
}

}  // namespace
