#include "sheet/DesignSheetChecks.h"

#include <algorithm>
#include <optional>
#include <string>

#include "hydraulics/Calculations.h"
#include "hydraulics/DiameterFromFlow.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/SoughtParameter.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "messages/SheetTexts.h"
#include "platform/Number.h"
#include "record/PlenwickDoc.h"
#include "record/RecordChecks.h"
#include "report/SheetNumbers.h"

namespace {

using hydraulics::InputCheck;
using namespace hydraulics::units;
using messages::Decimal;
using messages::Filled;
using messages::SheetText;
using messages::Text;
using report::ShortestText;

constexpr const char* kAtMost = " ≤ ";

const char* CheckedName(InputCheck check) {
    switch (check) {
        case InputCheck::V:
            return "v";
        case InputCheck::Di:
            return "di";
        case InputCheck::I:
            return "J";
        case InputCheck::G:
            return "g";
        case InputCheck::K:
            return "k";
        case InputCheck::Re:
            return "Re";
    }
    return "";
}

// "NAME LOW ≤ SYMBOL ≤ HIGH UNIT" for a value in SI units, bounds shown in the display unit.
struct Range {
    const char* name;
    const char* symbol;
    double low, high;  // SI
    double toDisplay;
    const char* unit;
};

SheetCheck Within(const Range& range, double value) {
    std::string text = std::string(range.name) + " " + ShortestText(range.low * range.toDisplay) + kAtMost +
                       range.symbol + kAtMost + ShortestText(range.high * range.toDisplay);
    if (*range.unit)
        text += std::string(" ") + range.unit;
    return {text, value >= range.low && value <= range.high};
}

SheetCheck Converged(int steps, bool converged) {
    return {
        Filled(steps == 1 ? SheetText::ConvergedOneStep : SheetText::ConvergedSteps, {std::to_string(steps)}),
        converged};
}

// di from Q, J and k by Colebrook-White, when λ is not given.
void FlowDiameterChecks(const CPlenwickDoc& doc, std::vector<SheetCheck>& checks) {
    const hydraulics::FlowDiameterResult solved =
        hydraulics::SolveDiameterFromFlow({doc.GetQ(), doc.GetI(), doc.GetK(), doc.GetNy(), doc.GetG()});
    checks.push_back({Text(solved.Computed() ? SheetText::FlowDiameterInputs : SheetText::NotEnoughForDi),
                      solved.Computed()});
    if (solved.Computed())
        checks.push_back(Converged(solved.status.steps, solved.status.converged));
}

std::string DiameterRuleText(hydraulics::DiameterRule rule) {
    using hydraulics::DiameterRule;
    switch (rule) {
        case DiameterRule::LambdaSlopeVelocity:
            return Text(SheetText::DiFromLambdaVelocity);
        case DiameterRule::LambdaSlopeFlow:
            return Text(SheetText::DiFromLambdaFlow);
        case DiameterRule::ReynoldsVelocity:
            return Text(SheetText::DiFromReynoldsVelocity);
        case DiameterRule::ReynoldsFlow:
            return Text(SheetText::DiFromReynoldsFlow);
        case DiameterRule::FlowVelocity:
            return Text(SheetText::DiFromFlowVelocity);
        case DiameterRule::NotEnoughValues:
            break;
    }
    return Text(SheetText::NotEnoughForDi);
}

// What "Berechnen" checked before it solved.
void InputChecks(const CPlenwickDoc& doc, std::vector<SheetCheck>& checks) {
    const int sought = doc.GetSought();
    if (sought == SOUGHT_DI) {
        const hydraulics::DiameterResult solved = hydraulics::SolveDiameter(
            {doc.GetNy(), doc.GetRe(), doc.GetLambda(), doc.GetI(), doc.GetQ(), doc.GetV(), doc.GetG()});
        if (solved.rule == hydraulics::DiameterRule::NotEnoughValues && !(doc.GetLambda() > 0)) {
            FlowDiameterChecks(doc, checks);
            return;
        }
        checks.push_back({Filled(SheetText::InputsSufficient, {DiameterRuleText(solved.rule)}),
                          solved.rule != hydraulics::DiameterRule::NotEnoughValues});
        return;
    }
    std::string names;
    for (InputCheck check : hydraulics::ChecksFor(sought))
        names += (names.empty() ? "" : ", ") + std::string(CheckedName(check));
    if (names.empty())
        return;
    const bool passed = !hydraulics::FirstFailedCheck(
        sought, {doc.GetV(), doc.GetDi(), doc.GetI(), doc.GetG(), doc.GetK(), doc.GetRe()});
    checks.push_back({Filled(SheetText::InputCheck, {names, ShortestText(hydraulics::kMinGravity),
                                                     ShortestText(hydraulics::kMaxGravity)}),
                      passed});
    if (sought == SOUGHT_J) {
        const hydraulics::SlopeResult slope =
            hydraulics::SolveSlope({doc.GetDi(), doc.GetK(), doc.GetRe(), doc.GetV(), doc.GetG()});
        const hydraulics::ColebrookIteration& iteration = slope.iteration;
        checks.push_back(Converged(iteration.steps, iteration.converged && !iteration.ReachedStepLimit()));
    }
}

// Flow state and wall shear stress of a partly filled result; the head loss of a line that is given.
void FlowChecks(const CPlenwickDoc& doc, std::vector<SheetCheck>& checks) {
    if (const std::optional<hydraulics::GravityFlowChecks> gravity = PartialFillingChecks(doc)) {
        if (gravity->state) {
            checks.push_back({Filled(SheetText::FlowState, {messages::FlowRegimeName(gravity->state->regime),
                                                            Decimal("%.2f", gravity->state->froude)}),
                              !gravity->NearCritical()});
        }
        const hydraulics::SelfCleansingCheck& tau = gravity->selfCleansing;
        checks.push_back({Filled(SheetText::WallShear, {Decimal("%.2f", tau.tau), tau.met ? "≥" : "<",
                                                        Decimal("%.2f", tau.tauMin)}),
                          tau.met});
    }
    if (const std::optional<hydraulics::LineLoss> line = RecordLineLoss(doc)) {
        checks.push_back(
            {Filled(SheetText::LineLoss, {Decimal("%.2f", line->total), ShortestText(doc.GetLineLength()),
                                          ShortestText(doc.GetLossSum())}),
             !line->failed});
    }
}

// The calculation limit of the result.
void ResultLimit(const CPlenwickDoc& doc, std::vector<SheetCheck>& checks) {
    switch (doc.GetSought()) {
        case SOUGHT_J:
            checks.push_back(Within({Text(SheetText::CalculationLimit), "J", 0, hydraulics::kMaxSlopeResult,
                                     kMetrePerKilometre.toDisplay, "m/km"},
                                    doc.GetI()));
            break;
        case SOUGHT_VQ:
            checks.push_back(Within({Text(SheetText::CalculationLimit), "v", hydraulics::kMinVelocityResult,
                                     hydraulics::kMaxVelocityResult, 1, "m/s"},
                                    doc.GetV()));
            break;
        case SOUGHT_K:
            checks.push_back(Within({Text(SheetText::CalculationLimit), "k", 0,
                                     hydraulics::kMaxRoughnessResult, kMillimetre.toDisplay, "mm"},
                                    doc.GetK()));
            break;
        case SOUGHT_DI:
            checks.push_back(Within({Text(SheetText::CalculationLimit), "di", hydraulics::kMinDiameterResult,
                                     hydraulics::kMaxDiameterResult, kMillimetre.toDisplay, "mm"},
                                    doc.GetDi()));
            break;
        default:
            break;
    }
}

// The ranges the form keeps entries in, for the values given; a range the result limit already
// states is not repeated.
void EntryRanges(const CPlenwickDoc& doc, std::vector<SheetCheck>& checks) {
    using namespace hydraulics;
    const int sought = doc.GetSought();
    struct Entry {
        Range range;
        double value;
        bool stated;  // by the result limit
    };
    const Entry entries[] = {
        {{Text(SheetText::Velocity), "v", kVelocityEntry.low.bound, kVelocityEntry.high.bound, 1, "m/s"},
         doc.GetV(),
         sought == SOUGHT_VQ},
        {{Text(SheetText::TurbulentFlow), "Re", kReynoldsEntry.low.bound, kReynoldsEntry.high.bound, 1, ""},
         doc.GetRe(),
         false},
        {{Text(SheetText::Roughness), "k", kRoughnessEntry.low.bound, kRoughnessEntry.high.bound,
          kMillimetre.toDisplay, "mm"},
         doc.GetK(),
         sought == SOUGHT_K},
        {{Text(SheetText::Slope), "J", kSlopeEntry.low.bound, kSlopeEntry.high.bound,
          kMetrePerKilometre.toDisplay, "m/km"},
         doc.GetI(),
         false},
        {{Text(SheetText::InnerDiameter), "di", kDiameterEntry.low.bound, kDiameterEntry.high.bound,
          kMillimetre.toDisplay, "mm"},
         doc.GetDi(),
         sought == SOUGHT_DI},
    };
    for (const Entry& entry : entries) {
        if (!(entry.value <= 0) && !entry.stated)
            checks.push_back(Within(entry.range, entry.value));
    }
    if (doc.IsFullFilling())
        return;
    if (!(doc.GetHt() <= 0)) {
        checks.push_back(
            {Filled(SheetText::FillingHeightRange, {ShortestText(kMinFillingHeight * kMillimetre.toDisplay)}),
             doc.GetHt() >= kMinFillingHeight && doc.GetHt() <= doc.GetDi()});
    }
    if (!(doc.GetVt() <= 0)) {
        checks.push_back(Within({Text(SheetText::PartialVelocity), "vt", kVelocityEntry.low.bound,
                                 kVelocityEntry.high.bound, 1, "m/s"},
                                doc.GetVt()));
    }
}

}  // namespace

std::vector<SheetCheck> DesignSheetChecks(const CPlenwickDoc& doc) {
    std::vector<SheetCheck> checks;
    if (!hydraulics::Computes(doc.GetSought()))
        return checks;
    InputChecks(doc, checks);
    ResultLimit(doc, checks);
    EntryRanges(doc, checks);
    FlowChecks(doc, checks);
    return checks;
}
