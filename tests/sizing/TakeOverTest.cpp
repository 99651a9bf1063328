// Taking a row of the sizing table into the form: one "Berechnen" shows the row's values, for every row
// of every default class, in pressure flow and in gravity flow.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Application.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "form/ResultsText.h"
#include "sizing/SizingTable.h"
#include "sizing/SizingTablePage.h"
#include "platform/Number.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"
#include "support/ScratchDirectory.h"

namespace {

class TakeOverTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }

    platform::ControlSet& Form() { return app.View().Controls(); }
    std::string Text(int id) { return app.View().Field(id).GetText(); }
    static std::string Shown(double x) { return platform::Format("%f", x); }

    // Takes every row of every class over and checks what one "Berechnen" shows.
    template <class Check>
    void ForEveryRow(const sizing::Design& design, Check check) {
        const platform::ListControl& classes = app.View().List(IDC_CLASS);
        for (int c = 0; c < classes.GetCount(); ++c) {
            ASSERT_TRUE(Form().UserPick(IDC_CLASS, c));
            const sizing::Table table = sizing::ComputeTableForForm(app.View(), design);
            ASSERT_FALSE(table.rows.empty());
            for (const sizing::Row& row : table.rows) {
                SCOPED_TRACE(table.className + " DN " + row.dn);
                ASSERT_TRUE(row.hasValues);
                const size_t before = hp.prompt.MessageTexts().size();
                ASSERT_TRUE(sizing::TakeOverRow(app.View(), table, row));
                EXPECT_EQ(app.View().List(IDC_DN).GetEditText(), row.dn);
                ASSERT_TRUE(Form().UserClick(IDC_BERECHNEN));
                EXPECT_EQ(hp.prompt.MessageTexts().size(), before);
                EXPECT_TRUE(app.Document().IsCalculated());
                check(row);
            }
        }
    }

    test_support::ScratchMachineDirectory directory;
    headless::HeadlessPlatform hp;
    QuellrixApp app{hp.Services()};
};

sizing::Design Design(double QLs, double JMkm) {
    sizing::Design design;
    design.QLs = QLs;
    design.JMkm = JMkm;
    return design;
}

TEST_F(TakeOverTest, PressureFlowRowShowsItsSlope) {
    ForEveryRow(Design(35.5, 0), [&](const sizing::Row& row) {
        EXPECT_TRUE(app.Document().IsFullFilling());
        EXPECT_EQ(app.Document().GetDi(), row.di);
        EXPECT_EQ(app.Document().GetV(), row.v);
        EXPECT_EQ(app.Document().GetRe(), row.Re);
        EXPECT_EQ(app.Document().GetLambda(), row.lambda);
        EXPECT_EQ(app.Document().GetI(), row.I);
        EXPECT_EQ(Text(IDC_J), Shown(row.I * 1000));
        EXPECT_EQ(Text(IDC_V), Shown(row.v));
    });
}

TEST_F(TakeOverTest, GravityFlowRowShowsItsCapacity) {
    ForEveryRow(Design(35.5, 3.7), [&](const sizing::Row& row) {
        EXPECT_FALSE(app.Document().IsFullFilling());
        EXPECT_EQ(app.Document().GetI(), 3.7 * 0.001);
        EXPECT_EQ(app.Document().GetQt(), 35.5 * 0.001);
        EXPECT_EQ(app.Document().GetQ(), row.Qv);
        EXPECT_EQ(app.Document().GetV(), row.vv);
        EXPECT_EQ(Text(IDC_Q_LS), Shown(row.Qv * 1000));
        EXPECT_EQ(Text(IDC_V), Shown(row.vv));
    });
}

// The partial filling is completed in the same "Berechnen" after the solve; the given Qt stays as typed.
TEST_F(TakeOverTest, GravityFlowRowShowsItsPartialFilling) {
    ForEveryRow(Design(35.5, 3.7), [&](const sizing::Row& row) {
        if (row.overloaded)
            return;
        // The form's fitted relations, which the row keeps beside its exact values.
        EXPECT_EQ(app.Document().GetHt(), row.fitted.fitted.ht);
        EXPECT_EQ(app.Document().GetVt(), row.fitted.fitted.vt);
        EXPECT_EQ(Text(IDC_HT), Shown(row.fitted.fitted.ht * 1000));
        EXPECT_EQ(Text(IDC_VT), Shown(row.fitted.fitted.vt));
        EXPECT_EQ(Text(IDC_QT_LS), "35.5");
        EXPECT_EQ(app.Document().GetQt(), 35.5 * 0.001);
    });
}

TEST_F(TakeOverTest, ARowOfAnotherClassIsNotTaken) {
    const sizing::Table table = sizing::ComputeTableForForm(app.View(), Design(10, 0));
    ASSERT_TRUE(Form().UserPick(IDC_CLASS, 1));
    const std::string before = Text(IDC_DI);
    EXPECT_FALSE(sizing::TakeOverRow(app.View(), table, table.rows.back()));
    EXPECT_EQ(Text(IDC_DI), before);
}

TEST_F(TakeOverTest, ResultsAreCopiedAsLabelValueUnitLinesWithDecimalComma) {
    ASSERT_TRUE(Form().UserType(IDC_V, "1"));
    Form().UserLeave();
    ASSERT_TRUE(Form().UserClick(IDC_BERECHNEN));
    const std::string text = ResultsText(app.View());
    EXPECT_EQ(
        text.rfind(
            "Gesuchter Parameter\t J [m/km] \t\nFüllung\tVollfüllung\t\nWanddickenklasse\tK7\t\nDN\t100\t\n"
            "Fluidtemperatur\t10,0\t°C\n",
            0),
        0u)
        << text;
    EXPECT_NE(text.find("\ndi\t101,00\tmm\n"), std::string::npos);
    EXPECT_NE(text.find("\nGefälle J\t11,458330\tm/km\n"), std::string::npos);
    EXPECT_EQ(text.find("Durchfluss Qt"), std::string::npos);  // full filling
    EXPECT_NE(text.find("\nErgebnis\tberechnet\t\n"), std::string::npos);
    for (size_t line = 0, end; (end = text.find('\n', line)) != std::string::npos; line = end + 1)
        EXPECT_EQ(std::count(text.begin() + line, text.begin() + end, '\t'), 2)
            << text.substr(line, end - line);
}

TEST_F(TakeOverTest, TheTablePrintsOnOnePageWithEveryRow) {
    const sizing::Table table = sizing::ComputeTableForForm(app.View(), Design(10, 5));
    SizingTablePage page(table, 4676, 6744, hp.printer, hp.clock);
    hp.transcript.TakeNew();
    hp.printer.Preview(page);
    const std::vector<std::string> lines = hp.transcript.TakeNew();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("page ", 0) == 0; }),
              1);
    // Every cell of every row, the verdict included.
    for (size_t i = 0; i < table.rows.size(); ++i) {
        for (const std::string& cell : sizing::RowCells(table, i)) {
            EXPECT_TRUE(std::any_of(
                lines.begin(), lines.end(),
                [&](const std::string& l) { return l.find("\"" + cell + "\"") != std::string::npos; }))
                << table.rows[i].dn << ": " << cell;
        }
    }
}

// The printout, the copy and the CSV name every input the table depends on, and its date.
TEST_F(TakeOverTest, EveryFormOfTheTableStatesItsInputs) {
    hp.clock.Set({2026, 12, 8, 14, 30, 0});
    sizing::Design design = Design(10, 5);
    design.vMax = 3;
    const sizing::Table table = sizing::ComputeTableForForm(app.View(), design);
    SizingTablePage page(table, 4676, 6744, hp.printer, hp.clock);
    hp.transcript.TakeNew();
    hp.printer.Preview(page);
    std::string printed;
    for (const std::string& line : hp.transcript.TakeNew()) printed += line + "\n";
    const std::string forms[] = {printed, sizing::CopyText(table, hp.clock.Now()),
                                 sizing::CsvText(table, hp.clock.Now())};
    for (const std::string& text : forms) {
        for (const char* input :
             {"Wanddickenklasse K7", "Stand 08.12.2026, 14:30", "T = 10,0 °C", "ρ = 1010 kg/m³",
              "ν = 1,296185 ·10⁻⁶ m²/s", "g = 9,81 m/s²", "k = 0,1 mm", "Q = 10 l/s", "J = 5 m/km",
              "vt 0,5 bis 3 m/s", "h/d höchstens 0,7", "exakt"})
            EXPECT_NE(text.find(input), std::string::npos) << input << " in\n" << text;
    }
}

}  // namespace
