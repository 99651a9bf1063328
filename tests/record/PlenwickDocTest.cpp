#include "record/PlenwickDoc.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "hydraulics/Formulas.h"
#include "platform/Prompt.h"
#include "platform/headless/RecordingPrompt.h"
#include "platform/headless/Transcript.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class PlenwickDocTest : public ::testing::Test {
  protected:
    headless::Transcript transcript;
    headless::RecordingPrompt prompt{transcript};
    platform::ScopedPrompt scopedPrompt{prompt};
    CPlenwickDoc doc;
};

struct NumberAccessor {
    const char* name;
    void (CPlenwickDoc::*set)(double);
    double (CPlenwickDoc::*get)() const;
    bool clearsCalculated;
};

const NumberAccessor kNumbers[] = {
    {"SurfaceWidth", &CPlenwickDoc::SetSurfaceWidth, &CPlenwickDoc::GetSurfaceWidth, false},
    {"Vt", &CPlenwickDoc::SetVt, &CPlenwickDoc::GetVt, false},
    {"Ht", &CPlenwickDoc::SetHt, &CPlenwickDoc::GetHt, false},
    {"Qt", &CPlenwickDoc::SetQt, &CPlenwickDoc::GetQt, false},
    {"Re", &CPlenwickDoc::SetRe, &CPlenwickDoc::GetRe, true},
    {"K", &CPlenwickDoc::SetK, &CPlenwickDoc::GetK, true},
    {"Di", &CPlenwickDoc::SetDi, &CPlenwickDoc::GetDi, true},
    {"G", &CPlenwickDoc::SetG, &CPlenwickDoc::GetG, true},
    {"V", &CPlenwickDoc::SetV, &CPlenwickDoc::GetV, true},
    {"Ny", &CPlenwickDoc::SetNy, &CPlenwickDoc::GetNy, true},
    {"Q", &CPlenwickDoc::SetQ, &CPlenwickDoc::GetQ, true},
    {"I", &CPlenwickDoc::SetI, &CPlenwickDoc::GetI, true},
    {"Rho", &CPlenwickDoc::SetRho, &CPlenwickDoc::GetRho, true},
    {"T", &CPlenwickDoc::SetT, &CPlenwickDoc::GetT, true},
    {"Lambda", &CPlenwickDoc::SetLambda, &CPlenwickDoc::GetLambda, true},
};

TEST_F(PlenwickDocTest, FreshRecordIsEmptyWithSlopeSought) {
    for (const NumberAccessor& number : kNumbers) EXPECT_EQ((doc.*number.get)(), 0.0) << number.name;
    EXPECT_EQ(doc.GetSought(), SOUGHT_J);
    EXPECT_FALSE(doc.IsCalculated());
    EXPECT_TRUE(doc.IsFullFilling());
}

TEST_F(PlenwickDocTest, InputSettersInvalidateTheResultEvenWithAnUnchangedValue) {
    for (const NumberAccessor& number : kNumbers) {
        (doc.*number.set)(2.5);
        doc.SetCalculated(true);
        (doc.*number.set)(2.5);
        EXPECT_EQ((doc.*number.get)(), 2.5) << number.name;
        EXPECT_EQ(doc.IsCalculated(), !number.clearsCalculated) << number.name;
    }
}

TEST_F(PlenwickDocTest, SoughtAndFillingModeKeepTheResult) {
    doc.SetCalculated(true);
    doc.SetSought(SOUGHT_DI);
    doc.SetFullFilling(false);
    EXPECT_TRUE(doc.IsCalculated());
    EXPECT_EQ(doc.GetSought(), SOUGHT_DI);
    EXPECT_FALSE(doc.IsFullFilling());
}

TEST_F(PlenwickDocTest, DensityAndTemperatureDeriveTheViscosityUnlessTheDensityIsZero) {
    doc.SetNy(5e-6);
    doc.SetT(10);  // no density yet
    EXPECT_EQ(doc.GetNy(), 5e-6);
    doc.SetRho(1000);
    EXPECT_EQ(doc.GetNy(), hydraulics::ViscosityFromTemperature(10, 1000));
    doc.SetT(20);
    EXPECT_EQ(doc.GetNy(), hydraulics::ViscosityFromTemperature(20, 1000));
    doc.SetRho(0);
    EXPECT_EQ(doc.GetRho(), 0.0);
    EXPECT_EQ(doc.GetNy(), hydraulics::ViscosityFromTemperature(20, 1000));
    doc.SetT(30);
    EXPECT_EQ(doc.GetNy(), hydraulics::ViscosityFromTemperature(20, 1000));
}

struct Change {
    void (CPlenwickDoc::*set)(double);
    double value;
};

struct ValidateCase {
    const char* name;
    int sought;
    std::vector<Change> changes;  // applied to a record that passes every check
    bool valid;
    std::vector<std::string> messages;
};

using Messages = std::vector<std::string>;
using D = CPlenwickDoc;

const Change kValidRecord[] = {{&D::SetV, 1.0},  {&D::SetDi, 0.1},   {&D::SetI, 0.01},
                               {&D::SetG, 9.81}, {&D::SetK, 0.0001}, {&D::SetRe, 100000}};

// clang-format off
const ValidateCase kValidateCases[] = {
    {"J complete", SOUGHT_J, {}, true, {}},
    {"J needs no slope", SOUGHT_J, {{&D::SetI, 0}}, true, {}},
    {"J reports only the first failure", SOUGHT_J, {{&D::SetV, 0}, {&D::SetDi, 0}}, false, {"Der Wert für v ist mit <0.000> ungültig"}},
    {"J v at its bound", SOUGHT_J, {{&D::SetV, 0.0001}}, true, {}},
    {"J Di below its bound", SOUGHT_J, {{&D::SetDi, 0.00009}}, false, {"Der Wert für Di ist mit <9e-05> ungültig"}},
    {"J g at upper bound", SOUGHT_J, {{&D::SetG, 100}}, true, {}},
    {"J g at lower bound", SOUGHT_J, {{&D::SetG, 0.1}}, true, {}},
    {"J g above", SOUGHT_J, {{&D::SetG, 100.0001}}, false, {"Der Wert für g ist mit <100.000100> ungültig"}},
    {"J g below", SOUGHT_J, {{&D::SetG, 0.0999}}, false, {"Der Wert für g ist mit <0.099900> ungültig"}},
    {"J g before k", SOUGHT_J, {{&D::SetG, 0}, {&D::SetK, 0}}, false, {"Der Wert für g ist mit <0.000000> ungültig"}},
    {"J k at its bound", SOUGHT_J, {{&D::SetK, 0.000001}}, true, {}},
    {"J k below", SOUGHT_J, {{&D::SetK, 0.0000009}}, false, {"Der Wert für k ist mit <0.000001> ungültig"}},
    {"J k before Re", SOUGHT_J, {{&D::SetRe, 0}, {&D::SetK, 0}}, false, {"Der Wert für k ist mit <0.000000> ungültig"}},
    {"J Re at its bound", SOUGHT_J, {{&D::SetRe, 0.0001}}, true, {}},
    {"J Re negative", SOUGHT_J, {{&D::SetRe, -1234.5678}}, false, {"Der Wert für Re ist mit <-1234.568> ungültig"}},
    {"J v not a number", SOUGHT_J, {{&D::SetV, kNaN}}, false, {"Der Wert für v ist mit <nicht berechenbar> ungültig"}},
    {"J g not a number", SOUGHT_J, {{&D::SetG, kNaN}}, false, {"Der Wert für g ist mit <nicht berechenbar> ungültig"}},
    {"VQ needs neither v nor Re", SOUGHT_VQ, {{&D::SetV, 0}, {&D::SetRe, 0}}, true, {}},
    {"VQ Di before g", SOUGHT_VQ, {{&D::SetG, 0}, {&D::SetDi, 0}}, false, {"Der Wert für Di ist mit <0.000> ungültig"}},
    {"VQ k before I", SOUGHT_VQ, {{&D::SetI, 0}, {&D::SetK, 0}}, false, {"Der Wert für k ist mit <0.000000> ungültig"}},
    {"VQ slope below 0.1 m/km", SOUGHT_VQ, {{&D::SetI, 0.00009}}, false, {"Der Wert für I ist mit <9e-05> ungültig"}},
    {"VQ slope at its bound", SOUGHT_VQ, {{&D::SetI, 0.0001}}, true, {}},
    {"K needs neither k nor Re", SOUGHT_K, {{&D::SetK, 0}, {&D::SetRe, 0}}, true, {}},
    {"K g before I", SOUGHT_K, {{&D::SetG, 200}, {&D::SetI, 0}}, false, {"Der Wert für g ist mit <200.000000> ungültig"}},
    {"K I before v", SOUGHT_K, {{&D::SetV, 0}, {&D::SetI, -0.5}}, false, {"Der Wert für I ist mit <-0.500> ungültig"}},
    {"K v last", SOUGHT_K, {{&D::SetV, 0.00005}}, false, {"Der Wert für v ist mit <5e-05> ungültig"}},
    {"Q computes nothing", SOUGHT_Q, {}, false, {}},
    {"DI on a record of zeros", SOUGHT_DI, {{&D::SetV, 0}, {&D::SetDi, 0}, {&D::SetI, 0}, {&D::SetG, 0}, {&D::SetK, 0}, {&D::SetRe, 0}}, true, {}},
    {"unknown sought value", 5, {}, false, {}},
    {"negative sought value", -1, {}, false, {}},
};
// clang-format on

TEST_F(PlenwickDocTest, ValidateChecksTheInputsOfTheSoughtParameterInOrder) {
    for (const ValidateCase& c : kValidateCases) {
        CPlenwickDoc record;
        for (const Change& change : kValidRecord) (record.*change.set)(change.value);
        for (const Change& change : c.changes) (record.*change.set)(change.value);
        record.SetSought(c.sought);
        const size_t before = prompt.Messages().size();
        EXPECT_EQ(record.Validate(), c.valid) << c.name;
        const Messages all = prompt.MessageTexts();
        EXPECT_EQ(Messages(all.begin() + before, all.end()), c.messages) << c.name;
    }
}

TEST_F(PlenwickDocTest, NewDocumentClearsTheRecordAndSetsTheTitle) {
    for (const NumberAccessor& number : kNumbers) (doc.*number.set)(3.0);
    doc.SetCalculated(true);
    ASSERT_TRUE(doc.OnNewDocument());
    for (const NumberAccessor& number : kNumbers) EXPECT_EQ((doc.*number.get)(), 0.0) << number.name;
    EXPECT_FALSE(doc.IsCalculated());
    EXPECT_EQ(doc.GetTitle(), "Quellrix V 1.0");
}

}  // namespace
