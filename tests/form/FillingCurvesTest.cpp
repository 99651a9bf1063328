// The filling curves computed from the record: both relations over h/d, the operating point, the
// copied table, the comparison rows and the plot.
#include "form/FillingCurves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "form/FillingCurvePlot.h"
#include "platform/headless/RecordingDC.h"

#include "hydraulics/Calculations.h"
#include "hydraulics/Formulas.h"
#include "record/PlenwickDoc.h"

namespace {

// A sewer: DN 300 (di 307.8 mm), k = 0.75 mm, J = 5 m/km, Q and v as "Berechnen" gives them.
CPlenwickDoc Sewer() {
    CPlenwickDoc record;
    record.SetDi(0.3078);
    record.SetK(0.00075);
    record.SetNy(1.2961852517579375e-06);
    record.SetG(9.81);
    record.SetI(0.005);
    record.SetQ(0.0813063);
    record.SetV(1.09269);
    record.SetHt(0.15);
    return record;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(FillingCurvesTest, BothRelationsOverTheFillingAndTheOperatingPoint) {
    const CPlenwickDoc record = Sewer();
    const FillingCurves curves = ComputeFillingCurves(record);
    const hydraulics::CircularSection section({0.3078, 0.00075, 1.2961852517579375e-06, 9.81, 0.005});
    ASSERT_EQ(curves.points.size(), 101u);
    ASSERT_TRUE(curves.HasExact());
    for (size_t i = 0; i < curves.points.size(); ++i) {
        const FillingCurvePoint& point = curves.points[i];
        EXPECT_DOUBLE_EQ(point.filling, i / 100.0);
        EXPECT_EQ(point.fitted.flow, hydraulics::PartialFlowRatio(1, point.filling));
        EXPECT_EQ(point.fitted.velocity, hydraulics::PartialVelocityRatio(1, point.filling));
        ASSERT_TRUE(point.exact);
        EXPECT_EQ(point.exact->flow, section.Ratios(point.filling).flow);
        EXPECT_EQ(point.exact->velocity, section.Ratios(point.filling).velocity);
    }
    EXPECT_EQ(curves.points[83].fitted.velocity, 1.0);  // the fitted relations' switch at 0.83 is met
    EXPECT_EQ(ExactCurvesNote(curves),
              "Größtwerte exakt:\nQt/Q = 1,0718 bei h/d = 0,940\nvt/v = 1,1345 bei h/d = 0,813");

    EXPECT_EQ(FillingCurvesConditions(curves), "di = 307,80 mm, k = 0,750 mm, J = 5,000 m/km");
    ASSERT_TRUE(curves.operatingPoint);
    EXPECT_DOUBLE_EQ(curves.operatingPoint->filling, 0.15 / 0.3078);
    EXPECT_EQ(OperatingPointHeading(curves), "Betriebspunkt ht/di = 0,487");
    const std::vector<OperatingPointRow> rows = OperatingPointRows(curves);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].quantity, "Qt/Q");
    EXPECT_EQ(rows[0].fitted, "0,4804");
    EXPECT_EQ(rows[0].exact, "0,4787");
    EXPECT_EQ(rows[0].deviation, "+0,3 %");
    EXPECT_EQ(rows[1].quantity, "vt/v");
    EXPECT_EQ(rows[2].quantity, "Qt [l/s]");
    EXPECT_EQ(rows[2].fitted, "39,06");  // as the form shows Qt for this ht
    EXPECT_EQ(rows[3].quantity, "vt [m/s]");
    EXPECT_EQ(rows[3].fitted, "1,085");
}

// Qt given as 40 l/s: ht follows by the fitted relation's inverse, vt from ht. The operating point is
// the one the user gave, Qt/Q = 40 l/s / Q, not the forward relation at that ht.
TEST(FillingCurvesTest, OperatingPointShowsTheGivenPartialFlow) {
    CPlenwickDoc record = Sewer();
    const hydraulics::PartialFilling partial =
        hydraulics::PartialFillingFrom(hydraulics::PartialQuantity::Qt, 0.04, 0.3078, 0.0813063, 1.09269);
    record.SetHt(partial.ht);
    record.SetQt(partial.Qt);
    record.SetVt(partial.vt);
    const FillingCurves curves = ComputeFillingCurves(record);
    ASSERT_TRUE(curves.operatingPoint);
    EXPECT_DOUBLE_EQ(curves.operatingPoint->filling, partial.ht / 0.3078);
    EXPECT_DOUBLE_EQ(curves.operatingPoint->fitted.flow, 0.04 / 0.0813063);
    EXPECT_DOUBLE_EQ(curves.operatingPoint->fitted.velocity, partial.vt / 1.09269);
    EXPECT_NE(curves.operatingPoint->fitted.flow, hydraulics::PartialFlowRatio(1, partial.ht / 0.3078));
    const std::vector<OperatingPointRow> rows = OperatingPointRows(curves);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2].fitted, "40,00");
}

TEST(FillingCurvesTest, TableIsTabSeparatedWithDecimalCommas) {
    const std::vector<std::string> lines = Lines(FillingCurveTable(ComputeFillingCurves(Sewer())));
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0], "h/d\tQt/Q angepasst\tvt/v angepasst\tQt/Q exakt\tvt/v exakt\tFr exakt");
    EXPECT_EQ(lines[1], "0,00\t0,005650\t0,102434\t0,000000\t0,000000\t");
    EXPECT_EQ(lines[51], "0,50\t0,501263\t1,001561\t0,500000\t1,000000\t1,003456");
    EXPECT_EQ(lines[101], "1,00\t1,000000\t1,000000\t1,000000\t1,000000\t");
}

// The Froude number of the normal flow along the exact curve and where it crosses 1, against values
// computed independently (A, B and 4R of the segment, Colebrook-White at 4R).
TEST(FillingCurvesTest, FroudeNumberAndCriticalFillings) {
    const FillingCurves curves = ComputeFillingCurves(Sewer());
    const struct {
        size_t step;
        double froude;
    } expected[] = {{1, 0.5625275977}, {10, 0.97113042}, {50, 1.003455951}, {99, 0.3301483473}};
    for (const auto& e : expected) {
        ASSERT_TRUE(curves.points[e.step].froude) << e.step;
        EXPECT_NEAR(*curves.points[e.step].froude, e.froude, 1e-8) << e.step;
    }
    EXPECT_FALSE(curves.points[0].froude);
    EXPECT_FALSE(curves.points[100].froude);
    ASSERT_EQ(curves.criticalFillings.size(), 2u);
    EXPECT_NEAR(curves.criticalFillings[0], 0.1253099096, 1e-9);
    EXPECT_NEAR(curves.criticalFillings[1], 0.5074912608, 1e-9);
    EXPECT_EQ(CriticalFillingNote(curves), "Normalabfluss kritisch (Fr = 1) bei h/d = 0,125; 0,507");
}

// Without J (and k) the exact relations are not available: the fitted curves alone, and why.
TEST(FillingCurvesTest, MissingInputsLeaveOutTheExactRelations) {
    CPlenwickDoc record = Sewer();
    record.SetI(0);
    record.SetK(0);
    record.SetQ(0);
    const FillingCurves curves = ComputeFillingCurves(record);
    EXPECT_FALSE(curves.HasExact());
    EXPECT_EQ(curves.missing, (std::vector<std::string>{"k", "J"}));
    EXPECT_EQ(ExactCurvesNote(curves), "Für die exakte Kurve fehlt: k, J");
    for (const FillingCurvePoint& point : curves.points) EXPECT_FALSE(point.exact);
    EXPECT_EQ(Lines(FillingCurveTable(curves))[51], "0,50\t0,501263\t1,001561\t\t\t");
    EXPECT_TRUE(curves.criticalFillings.empty());
    EXPECT_EQ(CriticalFillingNote(curves), "");

    const std::vector<OperatingPointRow> rows = OperatingPointRows(curves);
    ASSERT_EQ(rows.size(), 3u);  // no Qt without Q
    EXPECT_EQ(rows[0].exact, "");
    EXPECT_EQ(rows[0].deviation, "");
}

}  // namespace

// The plot: title, scales with decimal commas, axis titles and legend as texts; the operating point's
// dotted line at ht/di; every pen selected for a part is deselected again.
TEST(FillingCurvePlotTest, TextsScalesAndOperatingPoint) {
    const FillingCurves curves = ComputeFillingCurves(Sewer());
    headless::Transcript transcript;
    headless::RecordingDC dc(transcript);
    const platform::Rect area{0, 0, 1000, 600};
    DrawFillingCurvePlot(dc, curves, area, 12);

    const std::vector<std::string>& lines = transcript.Lines();
    const auto drawn = [&](const std::string& text) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find("\"" + text + "\"") != std::string::npos;
        });
    };
    for (const char* text : {"Teilfüllung im Kreisquerschnitt", "0,0", "0,5", "1,0", "1,2",
                             "Füllungsgrad h/d [–]", "Verhältnis zur Vollfüllung Qt/Q, vt/v [–]",
                             "Qt/Q angepasst", "Qt/Q exakt", "vt/v angepasst", "vt/v exakt"}) {
        EXPECT_TRUE(drawn(text)) << text;
    }
    EXPECT_TRUE(drawn(FillingCurvesConditions(curves)));
    EXPECT_EQ(FillingCurvePlotTop(curves), 1.2);
    EXPECT_EQ(dc.CurrentPen(), dc.StockPen());
    EXPECT_EQ(dc.CurrentFont(), dc.StockFont());
    EXPECT_EQ(dc.Objects().pensCreated, dc.Objects().pensDestroyed);

    // A plot with no room for its axes draws its two title lines only.
    headless::Transcript small;
    headless::RecordingDC tiny(small);
    DrawFillingCurvePlot(tiny, curves, {0, 0, 40, 40}, 12);
    EXPECT_EQ(small.Lines().size(), 2u);
}
