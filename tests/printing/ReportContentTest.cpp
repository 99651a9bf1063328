// What the page says for each sought parameter, filling mode and result state, text by text.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "ReportFixture.h"

namespace printing_test {
namespace {

using Texts = std::vector<std::string>;

// The lines of the record filled by FillRecord.
const Texts kDi{"Innendurchmesser di:", "123.4 [mm]"};
const Texts kK{"Rauhigkeit k:", "0.4 [mm]"};
const Texts kV{"Durchflußgeschw. v:", "1.50 [m/s]"};
const Texts kQ{"Durchfluß Q:", "12.50 [l/s],   45.00 [m³/h]"};
const Texts kJ{"Druckgefälle J:", "12.346 [m/km]"};
const Texts kRe{"Reynoldszahl Re:", "123456.79 [1]"};
const Texts kLambda{"Lambda:", "0.03 [1]"};

const Texts kPageTop{"Datum:",
                     "07.12.2026, 01:22:05",
                     "Quellrix V 1.0 - Berechnung von Rohrparametern",
                     "Die Berechnung erfolgt nach dem aktuellen ATV Arbeitsblatt 110 ",
                     "1.",
                     "Eingabeparameter"};
const Texts kGlobals{"2.",
                     "Globale Parameter",
                     "Erdbeschleunigung g:",
                     "9.81 [m/s²]",
                     "Fluiddichte rho:",
                     "998.20 [kg/m³]",
                     "Fluidtemperatur T:",
                     "12.50 [°C]",
                     "Kinematische Zähigkeit ny:",
                     "1.23 [*10^(-6) [m²/s]]",
                     "3.",
                     "Berechnete Werte"};
const Texts kPartialBlock{
    "Teilfüllung:", "ht:",        "45.60 [mm]",           "Qt:",       "5.00 [l/s], 18.00 [m³/h]",
    "vt:",          "0.75 [m/s]", "Wasserspiegelbreite:", "98.70 [mm]"};
const Texts kPageEnd{"Veltrum-Berlin", "Seite 1 von 1"};

struct SoughtCase {
    const char* name;
    int sought;
    Texts section1;  // after the heading; the mode word follows the first "Gesuchter Parameter:" value
    Texts results;   // empty: nothing is computed for this value
};

void PrintTo(const SoughtCase& c, std::ostream* out) {
    *out << c.name;
}

const SoughtCase kSoughtCases[] = {
    {"J",
     SOUGHT_J,
     {"Gesuchter Parameter:", "Druckgefälle J[m/km],",
      "Benötigte Parameter:", "k, di, Q oder v, ny = f(T, rho), Re = f(ny, v, di)"},
     {"Druckgefälle I:", "12.346 [m/km]"}},
    {"VQ",
     SOUGHT_VQ,
     {"Gesuchter Parameter:", "Durchflussgeschwindigkeit v[m/s], Durchfluß Q[m³/h], [l/s],",
      "Benötigte Parameter:", "k, di, J, ny = f(T, rho)"},
     {"Durchflußgeschw. v:", "1.50 [m/s]", "Durchfluß Q:", "12.50 [l/s], 45.00 [m³/h]"}},
    {"K",
     SOUGHT_K,
     {"Gesuchter Parameter:", "Rauhigkeit k[mm],", "Benötigte Parameter:", "Q oder v, di, J, ny = f(T, rho)"},
     {"Rauhigleit k:", "0.40 [mm]"}},
    {"DI",
     SOUGHT_DI,
     {"Gesuchter Parameter:", "Innendurchmesser di[mm],", "Benötigte Parameter:", "Lambda, J, Q oder v, g",
      "oder:", "Re, Q oder v, ny = f(T, rho)", "oder:", "Q und v"},
     {"Innendurchmesser di:", "123.40 [mm]"}},
    {"Q", SOUGHT_Q, {}, {}},
    {"Unknown7", 7, {}, {}},
    {"Negative", -1, {}, {}},
};

// Value lines of section 1 in their order per sought parameter.
Texts ValueLines(int sought) {
    std::vector<Texts> lines;
    switch (sought) {
        case SOUGHT_J:
            lines = {kDi, kK, kV, kQ, kRe, kLambda};
            break;
        case SOUGHT_VQ:
            lines = {kDi, kK, kJ, kRe, kLambda};
            break;
        case SOUGHT_K:
            lines = {kV, kQ, kDi, kJ, kRe, kLambda};
            break;
        case SOUGHT_DI:
            lines = {kV, kK, kQ, kJ, kRe, kLambda};
            break;
        default:
            break;
    }
    Texts flat;
    for (const Texts& line : lines) flat.insert(flat.end(), line.begin(), line.end());
    return flat;
}

void Append(Texts& to, const Texts& more) {
    to.insert(to.end(), more.begin(), more.end());
}

class ReportPage : public ReportTest,
                   public ::testing::WithParamInterface<std::tuple<SoughtCase, bool, bool>> {};

TEST_P(ReportPage, ShowsTheSectionsOfTheSoughtParameter) {
    const auto& [sought, fullFilling, calculated] = GetParam();
    FillRecord();
    Select(sought.sought, fullFilling, calculated);

    Texts expected = kPageTop;
    if (!sought.section1.empty()) {
        Texts section1 = sought.section1;
        section1[1] += fullFilling ? "Vollfüllung" : "Teilfüllung";
        Append(expected, section1);
        Append(expected, ValueLines(sought.sought));
    }
    Append(expected, kGlobals);
    if (!sought.results.empty() && !calculated)
        expected.push_back("Kein Ergebnis berechnet.");
    if (!sought.results.empty() && calculated) {
        Append(expected, sought.results);
        if (!fullFilling)
            Append(expected, kPartialBlock);
    }
    Append(expected, kPageEnd);

    EXPECT_EQ(PrintedStrings(), expected);
}

INSTANTIATE_TEST_SUITE_P(AllSought, ReportPage,
                         ::testing::Combine(::testing::ValuesIn(kSoughtCases), ::testing::Bool(),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_Full" : "_Partial") +
                                    (std::get<2>(info.param) ? "_Calculated" : "_NotCalculated");
                         });

// The flow line: section 1 pads the m³/h figure to seven characters, section 3 does not.
struct FlowCase {
    double Q;
    const char* inputs;
    const char* result;
};

void PrintTo(const FlowCase& c, std::ostream* out) {
    *out << "Q " << c.Q;
}

class FlowText : public ReportTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(FlowText, IsPaddedOnlyInTheInputSection) {
    FillRecord();
    doc.SetQ(GetParam().Q);
    Select(SOUGHT_J, true, false);
    EXPECT_EQ(TextAfter(PrintedStrings(), "Durchfluß Q:"), GetParam().inputs);

    Select(SOUGHT_VQ, true, true);
    EXPECT_EQ(TextAfter(PrintedStrings(), "Durchfluß Q:"), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Flows, FlowText,
    ::testing::Values(FlowCase{0.0125, "12.50 [l/s],   45.00 [m³/h]", "12.50 [l/s], 45.00 [m³/h]"},
                      FlowCase{0.0001, "0.10 [l/s],    0.36 [m³/h]", "0.10 [l/s], 0.36 [m³/h]"},
                      FlowCase{0.0, "0.00 [l/s],    0.00 [m³/h]", "0.00 [l/s], 0.00 [m³/h]"},
                      FlowCase{-0.0125, "-12.50 [l/s],  -45.00 [m³/h]", "-12.50 [l/s], -45.00 [m³/h]"},
                      FlowCase{1.0, "1000.00 [l/s], 3600.00 [m³/h]", "1000.00 [l/s], 3600.00 [m³/h]"},
                      FlowCase{10.0, "10000.00 [l/s], 36000.00 [m³/h]", "10000.00 [l/s], 36000.00 [m³/h]"}));

// Values are printed as stored: zero with the format's decimals, negatives with a minus sign.
struct StoredValueCase {
    const char* name;
    void (*store)(CPlenwickDoc&);
    int sought;
    const char* label;
    int occurrence;  // of the label on the page
    const char* shown;
};

void PrintTo(const StoredValueCase& c, std::ostream* out) {
    *out << c.name;
}

const StoredValueCase kStoredValues[] = {
    {"DiZero", [](CPlenwickDoc& d) { d.SetDi(0); }, SOUGHT_J, "Innendurchmesser di:", 0, "0.0 [mm]"},
    {"DiNegative", [](CPlenwickDoc& d) { d.SetDi(-0.1234); }, SOUGHT_DI, "Innendurchmesser di:", 0,
     "-123.40 [mm]"},
    {"KNegative", [](CPlenwickDoc& d) { d.SetK(-0.0004); }, SOUGHT_J, "Rauhigkeit k:", 0, "-0.4 [mm]"},
    {"KZeroResult", [](CPlenwickDoc& d) { d.SetK(0); }, SOUGHT_K, "Rauhigleit k:", 0, "0.00 [mm]"},
    {"VNegative", [](CPlenwickDoc& d) { d.SetV(-1.5); }, SOUGHT_J, "Durchflußgeschw. v:", 0, "-1.50 [m/s]"},
    {"SlopeNegative", [](CPlenwickDoc& d) { d.SetI(-0.0123456); }, SOUGHT_VQ, "Druckgefälle J:", 0,
     "-12.346 [m/km]"},
    {"SlopeZeroResult", [](CPlenwickDoc& d) { d.SetI(0); }, SOUGHT_J, "Druckgefälle I:", 0, "0.000 [m/km]"},
    {"ReZero", [](CPlenwickDoc& d) { d.SetRe(0); }, SOUGHT_J, "Reynoldszahl Re:", 0, "0.00 [1]"},
    {"LambdaNegative", [](CPlenwickDoc& d) { d.SetLambda(-0.0287); }, SOUGHT_J, "Lambda:", 0, "-0.03 [1]"},
    {"GravityZero", [](CPlenwickDoc& d) { d.SetG(0); }, SOUGHT_J, "Erdbeschleunigung g:", 0, "0.00 [m/s²]"},
    {"TemperatureNegative", [](CPlenwickDoc& d) { d.SetT(-5); }, SOUGHT_J, "Fluidtemperatur T:", 0,
     "-5.00 [°C]"},
    {"ViscosityZero", [](CPlenwickDoc& d) { d.SetNy(0); }, SOUGHT_J, "Kinematische Zähigkeit ny:", 0,
     "0.00 [*10^(-6) [m²/s]]"},
    {"HeightNegative", [](CPlenwickDoc& d) { d.SetHt(-0.01); }, SOUGHT_J, "ht:", 0, "-10.00 [mm]"},
    // A partial-filling value that was not computed is none.
    {"PartialVelocityZero", [](CPlenwickDoc& d) { d.SetVt(0); }, SOUGHT_J, "vt:", 0, "-"},
    // One that is not finite cannot be computed.
    {"PartialFlowNotFinite", [](CPlenwickDoc& d) { d.SetQt(1e308 * 10); }, SOUGHT_J, "Qt:", 0,
     "nicht berechenbar"},
    {"PartialFlowNegative", [](CPlenwickDoc& d) { d.SetQt(-0.005); }, SOUGHT_J, "Qt:", 0,
     "-5.00 [l/s], -18.00 [m³/h]"},
    {"SurfaceWidthZero", [](CPlenwickDoc& d) { d.SetSurfaceWidth(0); }, SOUGHT_J, "Wasserspiegelbreite:", 0,
     "-"},
};

class StoredValue : public ReportTest, public ::testing::WithParamInterface<StoredValueCase> {};

TEST_P(StoredValue, IsPrintedWithoutCheck) {
    FillRecord();
    GetParam().store(doc);
    Select(GetParam().sought, false, true);
    EXPECT_EQ(TextAfter(PrintedStrings(), GetParam().label, GetParam().occurrence), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ZeroAndNegative, StoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace printing_test
