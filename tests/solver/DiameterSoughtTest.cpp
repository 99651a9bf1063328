#include <cmath>
#include <cstdlib>

#include "catalogue/DefaultCatalogue.h"
#include "hydraulics/Formulas.h"
#include "platform/Number.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

constexpr double kPi = 3.141592653589793;

// The record's values that the diameter is computed from.
struct Given {
    double ny, Re, lambda, I, Q, v;
};

class DiameterSought : public SolverTest {
  protected:
    DiameterSought() {
        doc.SetSought(SOUGHT_DI);
        doc.SetG(9.81);
    }

    void Give(const Given& given) {
        doc.SetNy(given.ny);
        doc.SetRe(given.Re);
        doc.SetLambda(given.lambda);
        doc.SetI(given.I);
        doc.SetQ(given.Q);
        doc.SetV(given.v);
    }
};

struct DiameterRule {
    const char* name;
    Given given;
    double di;  // m
};

class DiameterRules : public DiameterSought, public ::testing::WithParamInterface<DiameterRule> {};

// Showing di runs its change reaction (which clears v, Q, Re and λ); the solver then writes the
// values it started from back, so the record and the fields end up holding the exact result.
TEST_P(DiameterRules, FirstApplicableRuleGivesDi) {
    const Given& given = GetParam().given;
    Give(given);
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(doc.GetDi(), GetParam().di, 1e-12);
    EXPECT_EQ(Text(IDC_DI), platform::Format("%f", doc.GetDi() * 1000));
    EXPECT_EQ(doc.GetQ(), given.Q);
    EXPECT_EQ(doc.GetV(), given.v);
    EXPECT_EQ(doc.GetRe(), given.Re);
    EXPECT_EQ(doc.GetLambda(), given.lambda);
    EXPECT_EQ(Text(IDC_Q_LS), Shown(given.Q * 1000));
    EXPECT_EQ(Text(IDC_Q_M3H), Shown(given.Q * 3600));
    EXPECT_EQ(Text(IDC_V), Shown(given.v));
    EXPECT_EQ(Text(IDC_RE), Shown(given.Re));
    EXPECT_EQ(Text(IDC_LAMBDA), Shown(given.lambda));
    EXPECT_EQ(MarkedFields(), std::vector<int>{IDC_DI});
    EXPECT_TRUE(doc.IsCalculated());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DiameterRules,
    ::testing::Values(
        // λ, I, g and v given: the velocity rule wins although Q is given as well.
        DiameterRule{"LambdaSlopeVelocity", {1e-6, 100000, 0.02, 0.01, 0.02, 1}, 0.1019367991845056},
        DiameterRule{"LambdaSlopeFlow", {1e-6, 100000, 0.02, 0.01, 0.01, 0}, 0.11056820164060376},
        DiameterRule{"ReynoldsVelocity", {1e-6, 100000, 0, 0, 0.05, 1}, 0.1},
        DiameterRule{"ReynoldsFlow", {1e-6, 100000, 0, 0, 0.01, 0}, 0.12732395447351627},
        DiameterRule{"FlowVelocity", {1e-6, 0, 0, 0, 0.01, 1}, 0.11283791670955126},
        DiameterRule{"FlowVelocityWithoutViscosity", {0, 100000, 0.02, 0, 0.01, 1}, 0.11283791670955126}),
    [](const auto& info) { return std::string(info.param.name); });

// The nested di reaction also shows the new cross-section and checks the pipe fields against di; the
// writes after it leave the exact di in the record.
TEST_F(DiameterSought, FlowAndVelocityGiveTheExactDi) {
    Preset(IDC_DA, "118");
    Preset(IDC_S, "5");
    Preset(IDC_ZMA, "3.5");
    Give({0, 0, 0, 0, 0.01, 1});
    Calculate();

    EXPECT_EQ(Text(IDC_DI), "112.837917");
    EXPECT_NE(doc.GetDi(), Number(IDC_DI) * 0.001);
    EXPECT_EQ(Text(IDC_Q_LS), "10.000000");
    EXPECT_EQ(Text(IDC_Q_M3H), "36.000000");
    EXPECT_EQ(Text(IDC_V), "1.000000");
    EXPECT_NEAR(Number(IDC_A), kPi / 4 * 0.112837917 * 0.112837917, 1e-6);
    for (int id : {IDC_DA, IDC_S, IDC_ZMA}) EXPECT_FALSE(view.Field(id).IsValid()) << id;
}

struct NotEnough {
    const char* name;
    Given given;
    const char* message;
};

// With λ the explicit rules alone apply; without it di comes from Q, J and k (k is not given here), and
// the message names what is missing.
constexpr const char* kNotEnough = "Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!";

class DiameterNotEnough : public DiameterSought, public ::testing::WithParamInterface<NotEnough> {};

TEST_P(DiameterNotEnough, ShowsTheMessageAndChangesNothing) {
    doc.SetDi(0.2);
    Preset(IDC_DI, "200.00");
    Give(GetParam().given);
    Calculate();

    EXPECT_EQ(Messages(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(doc.GetDi(), 0.2);
    EXPECT_EQ(Text(IDC_DI), "200.00");
    EXPECT_TRUE(MarkedFields().empty());
    EXPECT_FALSE(doc.IsCalculated());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DiameterNotEnough,
    ::testing::Values(NotEnough{"ReynoldsWithoutFlow",
                                {1e-6, 100000, 0, 0, 0, 0},
                                "Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!\n"
                                "Für di aus Q, J und k nach Colebrook-White fehlen Werte: Q, J, k"},
                      NotEnough{"FlowWithoutVelocity",
                                {1e-6, 0, 0, 0, 0.01, 0},
                                "Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!\n"
                                "Für di aus Q, J und k nach Colebrook-White fehlen Werte: J, k"},
                      NotEnough{"LambdaWithoutSlope", {0, 0, 0.02, 0, 0, 1}, kNotEnough},
                      NotEnough{"Nothing",
                                {0, 0, 0, 0, 0, 0},
                                "Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!\n"
                                "Für di aus Q, J und k nach Colebrook-White fehlen Werte: Q, J, k, ν"}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutOfRange {
    const char* name;
    double Q;  // with v = 1 m/s
};

class DiameterOutOfRange : public DiameterSought, public ::testing::WithParamInterface<OutOfRange> {};

TEST_P(DiameterOutOfRange, ReportsDiInMillimetresAndStoresNothing) {
    doc.SetDi(0.2);
    Give({0, 0, 0, 0, GetParam().Q, 1});
    Calculate();

    const double diMm = std::sqrt(4 * GetParam().Q / kPi) * 1000;
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              platform::Format("di liegt außerhalb der Berechnungsgrenzen: (%f)[mm]", diMm)});
    EXPECT_EQ(doc.GetDi(), 0.2);
    EXPECT_EQ(doc.GetQ(), GetParam().Q);
    EXPECT_EQ(Text(IDC_DI), "");
    EXPECT_FALSE(doc.IsCalculated());
}

INSTANTIATE_TEST_SUITE_P(Limits, DiameterOutOfRange,
                         ::testing::Values(OutOfRange{"BelowFiftyMillimetres", 0.0001},
                                           OutOfRange{"AboveFiveMetres", 100}),
                         [](const auto& info) { return std::string(info.param.name); });

// The friction factor by the fixed point of Colebrook-White, 1/√λ = −2 log10(2.51 / (Re √λ) + k / (3.71 d)).
double ColebrookFixedPoint(double Re, double k, double d) {
    double x = 7;  // 1/√λ
    for (int i = 0; i < 100; ++i) x = -2 * std::log10(2.51 * x / Re + k / (3.71 * d));
    return 1 / (x * x);
}

// di that carries Q at the slope I, by bisection on the slope di needs (it falls as di grows).
double DiameterByBisection(double Q, double I, double k, double ny, double g) {
    double low = 0.01, high = 10;
    for (int i = 0; i < 200 && high - low > 1e-15; ++i) {
        const double d = (low + high) / 2, v = Q / (kPi / 4 * d * d);
        const double slope = ColebrookFixedPoint(v * d / ny, k, d) / d * v * v / (2 * g);
        (slope > I ? low : high) = d;
    }
    return (low + high) / 2;
}

// Without λ, di follows from Q, J and k; for every DN of a class the flow at 1 m/s in its di gives that
// di back, as an independent bisection finds it.
TEST_F(DiameterSought, FromFlowSlopeAndRoughnessForEveryDnOfAClass) {
    constexpr double kI = 0.005, kK = 0.0001;
    SetWater();
    for (const catalogue::DefaultPipe& pipe : catalogue::DefaultPipes("K9-Abwasser")) {
        SCOPED_TRACE(pipe.dn);
        const double dn =
            hydraulics::InnerDiameter(std::atof(pipe.da), std::atof(pipe.s), std::atof(pipe.zma));
        const double Q = kPi / 4 * dn * dn * 0.001 * 0.001;
        Give({doc.GetNy(), 0, 0, kI, Q, 0});
        doc.SetK(kK);
        Calculate();

        const double expected = DiameterByBisection(Q, kI, kK, doc.GetNy(), 9.81);
        EXPECT_TRUE(Messages().empty());
        EXPECT_NEAR(doc.GetDi(), expected, 1e-9 * expected);
        EXPECT_NEAR(Number(IDC_DI), expected * 1000, 1e-6);
        EXPECT_NEAR(doc.GetV(), Q / (kPi / 4 * expected * expected), 1e-9);
        EXPECT_EQ(doc.GetQ(), Q);
        EXPECT_EQ(doc.GetK(), kK);
        EXPECT_EQ(MarkedFields(), (std::vector<int>{IDC_LAMBDA, IDC_RE, IDC_V, IDC_DI}));
        EXPECT_TRUE(doc.IsCalculated());
    }
}

// A given λ keeps the explicit formula, whatever k is.
TEST_F(DiameterSought, GivenLambdaKeepsTheExplicitFormula) {
    Give({1e-6, 0, 0.02, 0.01, 0.01, 0});
    doc.SetK(0.001);
    Calculate();

    EXPECT_NEAR(doc.GetDi(), 0.11056820164060376, 1e-12);
    EXPECT_EQ(doc.GetLambda(), 0.02);
}

class DiameterSoughtPartly : public DiameterSought {
  protected:
    DiameterSoughtPartly() {
        doc.SetFullFilling(false);
        Preset(IDC_A, "0.123000");
    }
};

TEST_F(DiameterSoughtPartly, HeightFollowsFromTheFlowRatioWithTheNewDi) {
    Give({0, 0, 0, 0, 0.01, 1});
    doc.SetQt(0.005);
    doc.SetVt(0.9);
    Calculate();

    const double di = doc.GetDi();
    EXPECT_NEAR(doc.GetHt(), 0.5044 * di, 0.0001 * di);
    EXPECT_EQ(Text(IDC_HT), platform::Format("%f", doc.GetHt() * 1000));
    EXPECT_GT(doc.GetSurfaceWidth(), 0);
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), platform::Format("%f", doc.GetSurfaceWidth() * 1000));
    EXPECT_EQ(doc.GetQt(), 0.005);
    EXPECT_DOUBLE_EQ(doc.GetVt(), hydraulics::PartialVelocityRatio(1, doc.GetHt() / di));  // from the height
    // The area of the new pipe, in partial filling too.
    EXPECT_EQ(Text(IDC_A), platform::Format("%f", hydraulics::AreaFromDiameter(di)));
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(DiameterSoughtPartly, HeightFollowsFromTheVelocityRatioWithoutQt) {
    Give({0, 0, 0, 0, 0.01, 1});
    doc.SetVt(1.0);
    Calculate();

    EXPECT_NEAR(doc.GetHt(), 0.5137 * doc.GetDi(), 0.0001 * doc.GetDi());
    EXPECT_DOUBLE_EQ(doc.GetQt(), hydraulics::PartialFlowRatio(0.01, doc.GetHt() / doc.GetDi()));
    EXPECT_EQ(doc.GetVt(), 1.0);
}

// Before the solve di is not known: a given height derives nothing until the new di is accepted, and
// then Qt and vt follow from it with the new di.
TEST_F(DiameterSoughtPartly, GivenHeightIsCompletedWithTheNewDi) {
    Give({0, 0, 0, 0, 0.01, 1});
    doc.SetDi(0.1);
    doc.SetHt(0.05);
    Calculate();

    const double x = 0.05 / doc.GetDi();
    EXPECT_EQ(doc.GetHt(), 0.05);
    EXPECT_DOUBLE_EQ(doc.GetQt(), hydraulics::PartialFlowRatio(0.01, x));
    EXPECT_DOUBLE_EQ(doc.GetVt(), hydraulics::PartialVelocityRatio(1, x));
    EXPECT_EQ(Text(IDC_QT_LS), platform::Format("%f", doc.GetQt() * 1000));
}

// A record that holds a value that is not finite never counts as calculated, even when the result
// itself lies within its limits.
TEST_F(DiameterSought, NoResultWhileTheRecordHoldsAValueThatIsNotFinite) {
    Give({0, 0, 0.02, 0.01, 0, 1});
    doc.SetRho(1e-320);  // the viscosity becomes infinite
    ASSERT_TRUE(std::isinf(doc.GetNy()));
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(doc.IsCalculated());
    EXPECT_TRUE(MarkedFields().empty());
}

}  // namespace
}  // namespace solver_test
