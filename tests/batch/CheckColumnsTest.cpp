// The columns of the flow checks: L and zeta in, Fr, τ and hv out, before the status.
#include <gtest/gtest.h>

#include "BatchTestSupport.h"
#include "batch/CalcColumns.h"

namespace {

using batch_test::Cells;
using batch_test::Lines;

struct Case {
    const char* row;     // Haltung;Füllung;DN;v;ht;L;zeta
    const char* checks;  // Fr;τ;hv;Status
};

// J sought for v = 1.2 m/s in DN 200 of K9-Trinkwasser: J = 6.894755 m/km as the form shows it, so
// hv = 0.006894755 · L + Σζ · 1.2² / (2 · 9.81); in partial filling Fr and τ at Qt and ht (computed
// independently from the segment's A, B and R).
TEST(CheckColumnsTest, LineHeadLossAndPartialFillingChecks) {
    const Case cases[] = {
        {"H1;;200;1,2;;1000;", ";;6,894755;ok"},
        {"H2;;200;1,2;;1000;3,5", ";;7,151636;ok"},
        {"H3;;200;1,2;;;2", ";;0,146789;ok"},
        {"H4;;200;1,2;;;", ";;;ok"},
        {"H5;teil;200;1,2;60;500;", "1,453384;2,338406;;ok"},
        {"H6;;200;1,2;;-1;", ";;;Spalte L: „-1“ ist keine Zahl von mindestens 0"},
        {"H7;;200;1,2;;;x", ";;;Spalte zeta: „x“ ist keine Zahl von mindestens 0"},
    };
    std::string input = "Klasse;Haltung;Füllung;DN;v;ht;L [m];zeta\n";
    for (const Case& c : cases) input += std::string("K9-Trinkwasser;") + c.row + "\n";
    test_support::ScratchMachineDirectory directory;
    const std::vector<std::string> lines = Lines(batch_test::RunCalcOn(input).csv);
    ASSERT_EQ(lines.size(), std::size(cases) + 1);
    EXPECT_NE(lines[0].find(";Wasserspiegelbreite [mm];Fr;τ [N/m²];hv [m];Status"), std::string::npos)
        << lines[0];
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::vector<std::string> cells = Cells(lines[i + 1], ';');
        const size_t first = cells.size() - batch::kCheckColumns.size() - 1;
        std::string checks = cells[first];
        for (size_t c = first + 1; c < cells.size(); ++c) checks += ";" + cells[c];
        EXPECT_EQ(checks, cases[i].checks) << lines[i + 1];
    }
}

}  // namespace
