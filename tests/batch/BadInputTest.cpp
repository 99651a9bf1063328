// Bad input loses nothing: every input row gives one output row in input order, a faulty cell names
// its column and text, and the run goes on.
#include <gtest/gtest.h>

#include <fstream>

#include "BatchTestSupport.h"
#include "batch/CalcColumns.h"

namespace {

using batch_test::Cells;
using batch_test::Lines;
using batch_test::RunCalcOn;

const size_t kResultCells = batch::ResultColumns().size() + 1;

std::string Status(const std::string& line) {
    return Cells(line, ';').back();
}

TEST(BadInputTest, AGarbledCellNamesItsColumnAndText) {
    struct Case {
        const char* header;
        const char* cell;
    };
    const std::vector<Case> cases{
        {"gesucht", "Q2"},
        {"Füllung", "halbvoll"},
        {"Klasse", "K99"},
        {"DN", "99999"},
        {"DN", "100x"},
        {"di", "1O0"},
        {"k", "0,1mm"},
        {"Rauheit", "8"},
        {"Rauheit", "-1"},
        {"T", "warm"},
        {"rho", "1.000,5"},
        {"nu", "1e"},
        {"g", "9,81,"},
        {"J", "--1"},
        {"v", "1e999"},
        {"Q", "inf"},
        {"Re", "nan"},
        {"lambda", "0x1"},
        {"A", ","},
        {"Füllung;ht", "teil;abc"},
        {"Füllung;Qt", "teil;1 2"},
        {"Füllung;vt", "teil;1,2,3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.header) + " = " + c.cell);
        test_support::ScratchMachineDirectory directory;
        const std::string input = std::string("Haltung;") + c.header + "\nH1;" + c.cell + "\nH2;\n";
        const batch_test::CalcOutput output = RunCalcOn(input);
        EXPECT_EQ(output.status, batch::kSomeRowsNotOk);
        const std::vector<std::string> lines = Lines(output.csv);
        ASSERT_EQ(lines.size(), 3u) << output.csv;
        const std::vector<std::string> cells = Cells(lines[1], ';');
        EXPECT_EQ(lines[1].rfind(std::string("H1;") + c.cell + ";", 0), 0u) << lines[1];
        // Results empty, the status names the column.
        for (size_t i = cells.size() - kResultCells; i + 1 < cells.size(); ++i) EXPECT_EQ(cells[i], "");
        const std::string header = c.header;
        const std::string column =
            header.substr(header.find(';') == std::string::npos ? 0 : header.find(';') + 1);
        EXPECT_NE(Status(lines[1]).find("Spalte " + column), std::string::npos) << lines[1];
        // The next row is computed (here: without v, the form's check of v).
        EXPECT_EQ(lines[2].rfind("H2;", 0), 0u);
    }
}

TEST(BadInputTest, AMissingColumnIsAnEmptyOne) {
    const std::vector<std::string> names{"gesucht", "Füllung", "Klasse", "DN", "di", "Rauheit", "k", "T",
                                         "rho",     "g",       "nu",     "v",  "Re", "lambda",  "A", "ht"};
    test_support::ScratchMachineDirectory directory;
    std::string header = "Haltung", row = "H1";
    for (const std::string& name : names) {
        header += ";" + name;
        row += ";";
    }
    const std::string full = RunCalcOn(header + "\n" + row + "\n").csv;
    for (size_t left = 0; left < names.size(); ++left) {
        SCOPED_TRACE(names[left]);
        std::string partHeader = "Haltung", partRow = "H1";
        for (size_t i = 0; i < names.size(); ++i) {
            if (i == left)
                continue;
            partHeader += ";" + names[i];
            partRow += ";";
        }
        const std::vector<std::string> lines = Lines(RunCalcOn(partHeader + "\n" + partRow + "\n").csv);
        ASSERT_EQ(lines.size(), 2u);
        const std::vector<std::string> cells = Cells(lines[1], ';');
        const std::vector<std::string> fullCells = Cells(Lines(full)[1], ';');
        EXPECT_EQ(std::vector<std::string>(cells.end() - kResultCells, cells.end()),
                  std::vector<std::string>(fullCells.end() - kResultCells, fullCells.end()));
    }
}

TEST(BadInputTest, FaultyRecordsKeepTheirPlace) {
    test_support::ScratchMachineDirectory directory;
    const batch_test::CalcOutput output = RunCalcOn(
        "Haltung;DN;v\n"
        "H1;100;1,5\n"
        "H2;100\n"              // short
        "H3;100;1,5;surplus\n"  // long
        "\n"                    // empty
        "H5;\"100\"x;1,5\n"     // text after a closing quote
        "H6;100;1,5\n"
        "H7\n"            // two short
        "H8;\"100;1,5");  // unterminated quote up to the end
    EXPECT_EQ(output.status, batch::kSomeRowsNotOk);
    const std::vector<std::string> lines = Lines(output.csv);
    ASSERT_EQ(lines.size(), 9u) << output.csv;
    const std::vector<std::pair<std::string, std::string>> expected{
        {"H1;100;1,5;", "ok"},
        {"H2;100;;", "Zeile hat 2 statt 3 Felder, es fehlt die Spalte v"},
        {"H3;100;1,5;surplus;", "Zeile hat 4 statt 3 Felder"},
        {";;;", "leere Zeile"},
        {"H5;\"100\"x;1,5;", "Text nach dem schließenden Anführungszeichen"},
        {"H6;100;1,5;", "ok"},
        {"H7;;;", "Zeile hat 1 statt 3 Felder, es fehlen die Spalten DN, v"},
        {"H8;\"100;1,5\";;", "Anführungszeichen nicht geschlossen"},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[i + 1].rfind(expected[i].first, 0), 0u) << lines[i + 1];
        EXPECT_EQ(Status(lines[i + 1]), expected[i].second) << lines[i + 1];
    }
}

TEST(BadInputTest, EmptyFileAndHeaderOnly) {
    test_support::ScratchMachineDirectory directory;
    const batch_test::CalcOutput empty = RunCalcOn("");
    EXPECT_EQ(empty.status, batch::kAllRowsOk);
    EXPECT_EQ(empty.csv, "");
    const batch_test::CalcOutput header = RunCalcOn("Haltung;v\r\n");
    EXPECT_EQ(header.status, batch::kAllRowsOk);
    ASSERT_EQ(Lines(header.csv).size(), 1u);
    EXPECT_EQ(header.csv.rfind("Haltung;v;di [mm];", 0), 0u);
    EXPECT_EQ(header.csv.substr(header.csv.size() - 9), ";Status\r\n");
    const batch_test::CalcOutput twice = RunCalcOn("v;V\n1;2\n");
    EXPECT_EQ(twice.status, batch::kUsageOrIoError);
    EXPECT_NE(twice.errors.find("v steht zweimal"), std::string::npos) << twice.errors;
}

TEST(BadInputTest, AMillionRowsComeOutCountedAndInOrder) {
    test_support::ScratchMachineDirectory directory;
    constexpr int kRows = 1000000;
    std::string input = "Haltung;v\n";
    input.reserve(16 * kRows);
    for (int i = 0; i < kRows; ++i) input += "H" + std::to_string(i) + (i % 1000 == 7 ? ";x\n" : ";1,2\n");
    batch::CalcSettings settings;
    settings.threads = 3;
    std::string errors;
    EXPECT_EQ(batch_test::RunCalcToFile(input, settings, directory / "out.csv", errors),
              batch::kSomeRowsNotOk);
    input.clear();
    std::ifstream output(directory / "out.csv");
    std::string line;
    std::getline(output, line);  // the header
    int row = 0;
    for (; std::getline(output, line); ++row) {
        ASSERT_EQ(line.rfind("H" + std::to_string(row) + ";", 0), 0u) << row;
        const bool ok = line.size() > 3 && line.compare(line.size() - 3, 3, ";ok") == 0;
        ASSERT_EQ(ok, row % 1000 != 7) << row;
    }
    EXPECT_EQ(row, kRows);
}

}  // namespace
