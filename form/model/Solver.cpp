// "Berechnen": the engine solves for the sought parameter; the form writes its results into the record
// and the fields, in the order the field reactions rely on, and tells the user what the engine reports.
#include <array>
#include <initializer_list>
#include <optional>
#include <string>

#include "form/model/ControlIds.h"
#include "form/model/FormModel.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/DiameterFromFlow.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"
#include "record/RecordChecks.h"

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMillimetre;

// The fields that carry a result mark, in the order in which they lose it.
constexpr std::array kResultFields{
    IDC_SURFACE_WIDTH, IDC_VT,   IDC_QT_M3H, IDC_QT_LS, IDC_A,  IDC_LAMBDA, IDC_RE, IDC_V,
    IDC_Q_M3H,         IDC_Q_LS, IDC_J,      IDC_HT,    IDC_DI, IDC_K};

// A result outside its calculation limits is told; true when there was one.
bool ReportBreach(platform::Prompt& prompt, const hydraulics::CalculationStatus& status) {
    if (!status.outOfLimits)
        return false;
    prompt.Message(messages::LimitBreachMessage(*status.outOfLimits), platform::MessageIcon::None);
    return true;
}

// A result that is not finite is stored as no value.
using hydraulics::FiniteOrNone;

// One run of "Berechnen" on the view's record.
class Calculation {
  public:
    explicit Calculation(FormModel& view) : m_view(view), m_doc(*view.GetDocument()) {}

    void Run() {
        const bool partialFilling = !m_doc.IsFullFilling();
        // Before the solve only what follows from the given partial-filling value with Q and v as
        // they are; di is not known yet when it is sought.
        if (partialFilling && m_doc.GetSought() != SOUGHT_DI)
            m_view.CompletePartialFilling(false);
        if (!m_doc.Validate(m_view.Prompt()))
            return;
        bool accepted = false;
        switch (m_doc.GetSought()) {
            case SOUGHT_J:
                accepted = SolveSlope();
                break;
            case SOUGHT_VQ:
                accepted = SolveVelocityAndFlow();
                break;
            case SOUGHT_K:
                accepted = SolveRoughness();
                break;
            case SOUGHT_DI:
                accepted = SolveDiameter();
                break;
            default:  // SOUGHT_Q computes nothing
                break;
        }
        // The partial-filling values follow the accepted result in the same run.
        if (accepted && partialFilling)
            m_view.CompletePartialFilling(true);
    }

  private:
    // The result stands: its fields are marked and the record counts as calculated, unless the record
    // holds a value that is not finite.
    bool Accept(std::initializer_list<int> resultFields) {
        if (!m_doc.HoldsFiniteValues())
            return false;
        m_view.MarkCalculated(true);
        for (int id : resultFields) m_view.Field(id).SetResultMark(true);
        return true;
    }

    bool SolveSlope() {
        const hydraulics::SlopeInputs in{m_doc.GetDi(), m_doc.GetK(), m_doc.GetRe(), m_doc.GetV(),
                                         m_doc.GetG()};
        const hydraulics::SlopeResult result = hydraulics::SolveSlope(in);
        m_view.Show(IDC_RE, in.Re);
        if (result.iteration.ReachedStepLimit()) {
            m_view.Prompt().Message(messages::NonConvergenceMessage(hydraulics::TruncateToInt(in.Re), in.k,
                                                                    in.di, result.iteration.steps),
                                    platform::MessageIcon::None);
        }
        m_view.Show(IDC_LAMBDA, result.iteration.lambda);
        m_doc.SetLambda(FiniteOrNone(result.iteration.lambda));
        m_view.Show(IDC_J, result.I * kMetrePerKilometre.toDisplay);
        m_doc.SetI(FiniteOrNone(result.I));
        if (ReportBreach(m_view.Prompt(), result.status))
            return false;
        return Accept({IDC_J});
    }

    bool SolveVelocityAndFlow() {
        const hydraulics::VelocityAndFlowResult result = hydraulics::SolveVelocityAndFlow(
            {m_doc.GetDi(), m_doc.GetK(), m_doc.GetI(), m_doc.GetG(), m_doc.GetNy()});
        m_view.Show(IDC_LAMBDA, result.lambda);
        m_doc.SetLambda(FiniteOrNone(result.lambda));
        if (ReportBreach(m_view.Prompt(), result.status))
            return false;
        m_view.Show(IDC_V, result.v);
        m_doc.SetV(result.v);
        if (result.hasFlow) {
            m_doc.SetQ(FiniteOrNone(result.Q));
            m_view.Show(IDC_Q_LS, result.Q * kLitrePerSecond.toDisplay);
            m_view.Show(IDC_Q_M3H, result.Q * kCubicMetrePerHour.toDisplay);
            if (result.hasReynolds) {
                m_doc.SetRe(FiniteOrNone(result.Re));
                m_view.Show(IDC_RE, result.Re);
            }
        }
        return Accept({IDC_V, IDC_Q_LS, IDC_Q_M3H});
    }

    bool SolveRoughness() {
        const hydraulics::RoughnessResult result = hydraulics::SolveRoughness(
            {m_doc.GetDi(), m_doc.GetI(), m_doc.GetG(), m_doc.GetV(), m_doc.GetRe()});
        m_view.Show(IDC_LAMBDA, result.lambda);
        m_doc.SetLambda(FiniteOrNone(result.lambda));
        if (ReportBreach(m_view.Prompt(), result.status))
            return false;
        // The k field's change reaction stores the shown k; the exact value follows.
        m_view.Show(IDC_K, result.k * kMillimetre.toDisplay);
        m_doc.SetK(result.k);
        return Accept({IDC_K});
    }

    bool SolveDiameter() {
        const hydraulics::DiameterInputs in{m_doc.GetNy(), m_doc.GetRe(), m_doc.GetLambda(), m_doc.GetI(),
                                            m_doc.GetQ(),  m_doc.GetV(),  m_doc.GetG()};
        const hydraulics::DiameterResult result = hydraulics::SolveDiameter(in);
        if (result.rule == hydraulics::DiameterRule::NotEnoughValues) {
            // Without λ the pipe's roughness decides: di from Q, J and k by Colebrook-White.
            if (!(in.lambda > 0))
                return SolveDiameterFromFlow();
            m_view.Prompt().Message(messages::Text(messages::MessageId::DiameterNotEnoughValues),
                                    platform::MessageIcon::None);
            return false;
        }
        if (ReportBreach(m_view.Prompt(), result.status))
            return false;
        // The values read above go back.
        return TakeDiameter(result.di, {in.Q, in.v, in.lambda, in.Re}, {IDC_DI});
    }

    bool SolveDiameterFromFlow() {
        const hydraulics::FlowDiameterInputs in{m_doc.GetQ(), m_doc.GetI(), m_doc.GetK(), m_doc.GetNy(),
                                                m_doc.GetG()};
        const hydraulics::FlowDiameterResult result = hydraulics::SolveDiameterFromFlow(in);
        if (!result.Computed()) {
            m_view.Prompt().Message(messages::FlowDiameterMissingMessage(result.missing),
                                    platform::MessageIcon::None);
            return false;
        }
        if (!result.status.converged) {
            m_view.Prompt().Message(messages::NonConvergenceMessage(hydraulics::TruncateToInt(result.Re),
                                                                    in.k, result.di, result.status.steps),
                                    platform::MessageIcon::None);
        }
        if (ReportBreach(m_view.Prompt(), result.status))
            return false;
        return TakeDiameter(result.di, {in.Q, result.v, result.lambda, result.Re},
                            {IDC_DI, IDC_V, IDC_LAMBDA, IDC_RE});
    }

    // The values that stand beside a new di.
    struct DiameterCompanions {
        double Q, v, lambda, Re;
    };

    // Showing di runs its change reaction, which clears v, Q, Re and λ; the companions are shown and
    // stored after it.
    bool TakeDiameter(double di, const DiameterCompanions& with, std::initializer_list<int> resultFields) {
        m_view.Show(IDC_DI, di * kMillimetre.toDisplay);
        m_doc.SetDi(di);
        m_view.Show(IDC_Q_LS, with.Q * kLitrePerSecond.toDisplay);
        m_doc.SetQ(with.Q);
        m_view.Show(IDC_Q_M3H, with.Q * kCubicMetrePerHour.toDisplay);
        m_view.Show(IDC_V, with.v);
        m_doc.SetV(with.v);
        m_view.Show(IDC_LAMBDA, with.lambda);
        m_doc.SetLambda(with.lambda);
        m_view.Show(IDC_RE, with.Re);
        m_doc.SetRe(with.Re);
        return Accept(resultFields);
    }

    FormModel& m_view;
    CPlenwickDoc& m_doc;
};

}  // namespace

void FormModel::OnBerechnen() {
    Calculation(*this).Run();
}

std::string FormModel::PartialFillingNotice() const {
    if (!GetDocument()->IsCalculated())
        return {};
    const std::optional<hydraulics::GravityFlowChecks> checks = PartialFillingChecks(*GetDocument());
    return checks && checks->state ? messages::PartialFillingNotice(*checks) : std::string();
}

void FormModel::MarkCalculated(bool calculated) {
    if (!calculated) {
        for (int id : kResultFields) Field(id).SetResultMark(false);
    }
    GetDocument()->SetCalculated(calculated);
}
