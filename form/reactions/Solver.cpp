// "Berechnen": the engine solves for the sought parameter; the form writes its results into the record
// and the fields, in the order the field reactions rely on, and tells the user what the engine reports.
#include <array>

#include "form/ControlIds.h"
#include "form/PlenwickView.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"

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
bool ReportBreach(const hydraulics::CalculationStatus& status) {
    if (!status.outOfLimits)
        return false;
    platform::ShowMessage(messages::LimitBreachMessage(*status.outOfLimits));
    return true;
}

// One run of "Berechnen" on the view's record.
class Calculation {
  public:
    explicit Calculation(CPlenwickView& view) : m_view(view), m_doc(*view.GetDocument()) {}

    void Run() {
        if (!m_doc.IsFullFilling() && m_doc.GetSought() != SOUGHT_DI)
            CompletePartialFilling();
        if (!m_doc.Validate())
            return;
        switch (m_doc.GetSought()) {
            case SOUGHT_J:
                SolveSlope();
                break;
            case SOUGHT_VQ:
                SolveVelocityAndFlow();
                break;
            case SOUGHT_K:
                SolveRoughness();
                break;
            case SOUGHT_DI:
                SolveDiameter();
                break;
            default:  // SOUGHT_Q computes nothing
                break;
        }
    }

  private:
    void ShowSurfaceWidth(double width) {
        m_doc.SetSurfaceWidth(width);
        m_view.Show(IDC_SURFACE_WIDTH, width * kMillimetre.toDisplay);
    }

    void ApplyHeight(const hydraulics::DerivedHeight& height) {
        if (!height.derived)
            return;
        m_doc.SetHt(height.ht);
        m_view.Show(IDC_HT, height.ht * kMillimetre.toDisplay);
        ShowSurfaceWidth(height.surfaceWidth);
    }

    void CompletePartialFilling() {
        const hydraulics::PartialFillingCompletion completion = hydraulics::CompletePartialFilling(
            {m_doc.GetQt(), m_doc.GetQ(), m_doc.GetVt(), m_doc.GetV(), m_doc.GetDi(), m_doc.GetHt()});
        if (completion.alreadyComplete)
            return;
        ApplyHeight(completion.height);
        if (!completion.fromHeight)
            return;
        m_view.Show(IDC_QT_LS, completion.Qt * kLitrePerSecond.toDisplay);
        m_view.Show(IDC_QT_M3H, completion.Qt * kCubicMetrePerHour.toDisplay);
        m_doc.SetQt(completion.Qt);
        if (completion.vt > 0) {
            m_view.Show(IDC_VT, completion.vt);
            m_doc.SetVt(completion.vt);
        }
        ShowSurfaceWidth(completion.surfaceWidth);
    }

    void SolveSlope() {
        const hydraulics::SlopeInputs in{m_doc.GetDi(), m_doc.GetK(), m_doc.GetRe(), m_doc.GetV(),
                                         m_doc.GetG()};
        const hydraulics::SlopeResult result = hydraulics::SolveSlope(in);
        m_view.Show(IDC_RE, in.Re);
        if (result.iteration.ReachedStepLimit()) {
            platform::ShowMessage(messages::NonConvergenceMessage(hydraulics::TruncateToInt(in.Re), in.k,
                                                                  in.di, result.iteration.steps));
        }
        m_view.Show(IDC_LAMBDA, result.iteration.lambda);
        m_doc.SetLambda(result.iteration.lambda);
        m_view.Show(IDC_J, result.I * kMetrePerKilometre.toDisplay);
        m_doc.SetI(result.I);
        if (ReportBreach(result.status))
            return;
        m_view.Field(IDC_J).SetResultMark(true);
        m_view.MarkCalculated(true);
    }

    void SolveVelocityAndFlow() {
        const hydraulics::VelocityAndFlowResult result = hydraulics::SolveVelocityAndFlow(
            {m_doc.GetDi(), m_doc.GetK(), m_doc.GetI(), m_doc.GetG(), m_doc.GetNy()});
        m_view.Show(IDC_LAMBDA, result.lambda);
        m_doc.SetLambda(result.lambda);
        if (ReportBreach(result.status))
            return;
        m_view.Show(IDC_V, result.v);
        m_doc.SetV(result.v);
        if (result.hasFlow) {
            m_doc.SetQ(result.Q);
            m_view.Show(IDC_Q_LS, result.Q * kLitrePerSecond.toDisplay);
            m_view.Show(IDC_Q_M3H, result.Q * kCubicMetrePerHour.toDisplay);
            if (result.hasReynolds) {
                m_doc.SetRe(result.Re);
                m_view.Show(IDC_RE, result.Re);
            }
        }
        m_view.MarkCalculated(true);
        for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H}) m_view.Field(id).SetResultMark(true);
    }

    void SolveRoughness() {
        const hydraulics::RoughnessResult result = hydraulics::SolveRoughness(
            {m_doc.GetDi(), m_doc.GetI(), m_doc.GetG(), m_doc.GetV(), m_doc.GetRe()});
        m_view.Show(IDC_LAMBDA, result.lambda);
        m_doc.SetLambda(result.lambda);
        if (ReportBreach(result.status))
            return;
        // The k field's change reaction stores the shown k; the exact value follows.
        m_view.Show(IDC_K, result.k * kMillimetre.toDisplay);
        m_doc.SetK(result.k);
        m_view.MarkCalculated(true);
        m_view.Field(IDC_K).SetResultMark(true);
    }

    void SolveDiameter() {
        const hydraulics::DiameterInputs in{m_doc.GetNy(), m_doc.GetRe(), m_doc.GetLambda(), m_doc.GetI(),
                                            m_doc.GetQ(),  m_doc.GetV(),  m_doc.GetG()};
        const hydraulics::DiameterResult result = hydraulics::SolveDiameter(in);
        if (result.rule == hydraulics::DiameterRule::NotEnoughValues) {
            platform::ShowMessage(messages::Text(messages::MessageId::DiameterNotEnoughValues));
            return;
        }
        if (ReportBreach(result.status))
            return;
        // Showing di runs its change reaction, which clears v, Q, Re and λ; the values read above go back.
        m_view.Show(IDC_DI, result.di * kMillimetre.toDisplay);
        m_doc.SetDi(result.di);
        m_view.Show(IDC_Q_LS, in.Q * kLitrePerSecond.toDisplay);
        m_doc.SetQ(in.Q);
        m_view.Show(IDC_Q_M3H, in.Q * kCubicMetrePerHour.toDisplay);
        m_view.Show(IDC_V, in.v);
        m_doc.SetV(in.v);
        m_view.Show(IDC_LAMBDA, in.lambda);
        m_doc.SetLambda(in.lambda);
        m_view.Show(IDC_RE, in.Re);
        m_doc.SetRe(in.Re);
        m_view.MarkCalculated(true);
        m_view.Field(IDC_DI).SetResultMark(true);

        if (!m_doc.IsFullFilling()) {
            ApplyHeight(
                hydraulics::HeightFromPartialValues(m_doc.GetDi(), in.Q, m_doc.GetQt(), in.v, m_doc.GetVt()));
        }
    }

    CPlenwickView& m_view;
    CPlenwickDoc& m_doc;
};

}  // namespace

void CPlenwickView::OnBerechnen() {
    Calculation(*this).Run();
}

void CPlenwickView::MarkCalculated(bool calculated) {
    if (!calculated) {
        for (int id : kResultFields) Field(id).SetResultMark(false);
    }
    GetDocument()->SetCalculated(calculated);
}
