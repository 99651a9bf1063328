// "Berechnen": solves the Prandtl-Colebrook law for the sought parameter, checks the result against the
// calculation limits and writes it into the record and the form, marked as a result.
#include <array>
#include <optional>

#include "form/ControlIds.h"
#include "form/PlenwickView.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/PlenwickDoc.h"
#include "hydraulics/Units.h"
#include "platform/Number.h"
#include "platform/Prompt.h"

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMillimetre;

// Calculation limits of the results, inclusive, in SI units.
constexpr double kMaxSlope = 250;       // m/m
constexpr double kMinVelocity = 0.05;   // m/s
constexpr double kMaxVelocity = 15;     // m/s
constexpr double kMaxRoughness = 0.05;  // m
constexpr double kMinDiameter = 0.05;   // m
constexpr double kMaxDiameter = 5;      // m
// Below this diameter the velocity result gives no flow rate.
constexpr double kMinFlowDiameter = 0.01;  // m

// The fields that carry a result mark, in the order in which they lose it.
constexpr std::array kResultFields{
    IDC_SURFACE_WIDTH, IDC_VT,   IDC_QT_M3H, IDC_QT_LS, IDC_A,  IDC_LAMBDA, IDC_RE, IDC_V,
    IDC_Q_M3H,         IDC_Q_LS, IDC_J,      IDC_HT,    IDC_DI, IDC_K};

// Written so that NaN lies outside every range.
bool WithinLimits(double x, double low, double high) {
    return x >= low && x <= high;
}

void ReportOutOfLimits(const char* format, double shown) {
    platform::ShowMessage(platform::Format(format, shown));
}

// One run of "Berechnen" on the view's record. The friction law lives exactly as long as the run.
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
    // Derives the filling height from Qt / Q, else from vt / v, with the water-surface width.
    void DeriveFillingHeight(double di, double Q, double Qt, double v, double vt) {
        double ht;
        if (Q > 0 && Qt > 0) {
            ht = hydraulics::PartialHeightFromFlow(di, Qt / Q);
        } else if (v > 0 && vt > 0) {
            ht = hydraulics::PartialHeightFromVelocity(di, vt / v);
        } else {
            return;
        }
        m_doc.SetHt(ht);
        m_view.Show(IDC_HT, ht * kMillimetre.toDisplay);
        ShowSurfaceWidth(di, ht);
    }

    void ShowSurfaceWidth(double di, double ht) {
        const double width = hydraulics::SurfaceWidth(di, ht);
        m_doc.SetSurfaceWidth(width);
        m_view.Show(IDC_SURFACE_WIDTH, width * kMillimetre.toDisplay);
    }

    // Fills in the partial-filling values that follow from those given, before the solve.
    void CompletePartialFilling() {
        const double Qt = m_doc.GetQt();
        const double Q = m_doc.GetQ();
        const double vt = m_doc.GetVt();
        const double v = m_doc.GetV();
        const double di = m_doc.GetDi();
        const double h0 = m_doc.GetHt();
        if (h0 > 0 && vt > 0 && Qt > 0)
            return;

        DeriveFillingHeight(di, Q, Qt, v, vt);
        if (di > 0 && h0 > 0 && v > 0 && Q > 0) {
            const double x = h0 / di;
            const double partialFlow = hydraulics::PartialFlowRatio(Q, x);
            m_view.Show(IDC_QT_LS, partialFlow * kLitrePerSecond.toDisplay);
            m_view.Show(IDC_QT_M3H, partialFlow * kCubicMetrePerHour.toDisplay);
            m_doc.SetQt(partialFlow);
            const double partialVelocity = hydraulics::PartialVelocityRatio(v, x);
            if (partialVelocity > 0) {
                m_view.Show(IDC_VT, partialVelocity);
                m_doc.SetVt(partialVelocity);
            }
            ShowSurfaceWidth(di, h0);
        }
    }

    void SolveSlope() {
        const double di = m_doc.GetDi();
        const double k = m_doc.GetK();
        const double Re = m_doc.GetRe();
        m_view.Show(IDC_RE, Re);
        const double lambda = m_friction.LambdaIterative(hydraulics::TruncateToInt(Re), k, di);
        m_view.Show(IDC_LAMBDA, lambda);
        m_doc.SetLambda(lambda);

        const double I = hydraulics::SlopeFromLambda(lambda, di, m_doc.GetV(), m_doc.GetG());
        m_view.Show(IDC_J, I * kMetrePerKilometre.toDisplay);
        m_doc.SetI(I);
        if (!WithinLimits(I, 0, kMaxSlope)) {
            ReportOutOfLimits("I liegt außerhalb der Berechnungsgrenzen: (%f)", I);
            return;
        }
        m_view.Field(IDC_J).SetResultMark(true);
        m_view.MarkCalculated(true);
    }

    void SolveVelocityAndFlow() {
        const double di = m_doc.GetDi();
        const double I = m_doc.GetI();
        const double g = m_doc.GetG();
        const double ny = m_doc.GetNy();
        const double lambda = m_friction.LambdaFromSlope(m_doc.GetK(), I, ny, g, di);
        m_view.Show(IDC_LAMBDA, lambda);
        m_doc.SetLambda(lambda);

        const double v = hydraulics::VelocityFromSlope(g, I, di, lambda);
        if (!WithinLimits(v, kMinVelocity, kMaxVelocity)) {
            ReportOutOfLimits("v liegt außerhalb der Berechnungsgrenzen: (%f)[m/s]", v);
            return;
        }
        m_view.Show(IDC_V, v);
        m_doc.SetV(v);
        if (di > kMinFlowDiameter) {
            const double Q = hydraulics::FlowFromVelocity(di, v);
            m_doc.SetQ(Q);
            m_view.Show(IDC_Q_LS, Q * kLitrePerSecond.toDisplay);
            m_view.Show(IDC_Q_M3H, Q * kCubicMetrePerHour.toDisplay);
            if (ny > 0) {
                const double Re = hydraulics::Reynolds(v, di, ny);
                m_doc.SetRe(Re);
                m_view.Show(IDC_RE, Re);
            }
        }
        m_view.MarkCalculated(true);
        for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H}) m_view.Field(id).SetResultMark(true);
    }

    void SolveRoughness() {
        const double di = m_doc.GetDi();
        const double lambda = m_friction.LambdaFromDarcy(m_doc.GetI(), m_doc.GetG(), m_doc.GetV(), di);
        m_view.Show(IDC_LAMBDA, lambda);
        m_doc.SetLambda(lambda);

        const double k = hydraulics::RoughnessFromLambda(lambda, m_doc.GetRe(), di);
        if (!WithinLimits(k, 0, kMaxRoughness)) {
            ReportOutOfLimits("k liegt außerhalb der Berechnungsgrenzen: (%f)[mm]",
                              k * kMillimetre.toDisplay);
            return;
        }
        // The k field's change reaction stores the shown k; the exact value follows.
        m_view.Show(IDC_K, k * kMillimetre.toDisplay);
        m_doc.SetK(k);
        m_view.MarkCalculated(true);
        m_view.Field(IDC_K).SetResultMark(true);
    }

    // What the diameter is computed from: the record's values when "Berechnen" starts.
    struct DiameterInputs {
        double ny, Re, lambda, I, Q, v, g;
    };

    // The diameter by the first rule whose inputs are given; nullopt when the given values do not suffice.
    static std::optional<double> DiameterFrom(const DiameterInputs& in) {
        if (in.lambda > 0 && in.I > 0 && in.g > 0 && in.v > 0) {
            return hydraulics::DiameterFromLambdaSlopeVelocity(in.lambda, in.I, in.v, in.g);
        }
        if (in.lambda > 0 && in.I > 0 && in.g > 0 && in.Q > 0) {
            return hydraulics::DiameterFromLambdaSlopeFlow(in.lambda, in.I, in.Q, in.g);
        }
        if (in.Re > 0 && in.ny > 0 && in.v > 0)
            return hydraulics::DiameterFromReynoldsVelocity(in.Re, in.ny, in.v);
        if (in.Re > 0 && in.ny > 0) {
            if (in.Q > 0)
                return hydraulics::DiameterFromReynoldsFlow(in.Re, in.ny, in.Q);
            return std::nullopt;
        }
        if (in.Q > 0 && in.v > 0)
            return hydraulics::DiameterFromFlowVelocity(in.Q, in.v);
        return std::nullopt;
    }

    void SolveDiameter() {
        const DiameterInputs in{m_doc.GetNy(), m_doc.GetRe(), m_doc.GetLambda(), m_doc.GetI(),
                                m_doc.GetQ(),  m_doc.GetV(),  m_doc.GetG()};
        const std::optional<double> di = DiameterFrom(in);
        if (!di) {
            platform::ShowMessage("Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!");
            return;
        }
        if (!WithinLimits(*di, kMinDiameter, kMaxDiameter)) {
            ReportOutOfLimits("di liegt außerhalb der Berechnungsgrenzen: (%f)[mm]",
                              *di * kMillimetre.toDisplay);
            return;
        }
        // Showing di runs its change reaction, which clears v, Q, Re and λ; the values read above go back.
        m_view.Show(IDC_DI, *di * kMillimetre.toDisplay);
        m_doc.SetDi(*di);
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

        if (!m_doc.IsFullFilling())
            DeriveFillingHeight(m_doc.GetDi(), in.Q, m_doc.GetQt(), in.v, m_doc.GetVt());
    }

    CPlenwickView& m_view;
    CPlenwickDoc& m_doc;
    const CFrictionFactor m_friction;
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
