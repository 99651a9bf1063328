// CSV as users have it: the same rows in every dialect give the same results, in that dialect.
#include <gtest/gtest.h>

#include "BatchTestSupport.h"
#include "batch/CsvReader.h"

namespace {

using batch_test::Lines;
using batch_test::RunCalcOn;

struct DialectCase {
    const char* name;
    std::string input;
    std::optional<char> delimiter;
    std::optional<char> decimal;
    std::string firstRow;  // expected start of the first output row after the header
    std::string J;         // v = 1.5 m/s in DN 100 of the first class: J follows
};

TEST(CsvDialectTest, SeparatorAndDecimalFollowTheHeaderOrTheOptions) {
    const std::vector<DialectCase> cases{
        {"semicolon, decimal comma", "DN;v\n100;1,5\n", {}, {}, "100;1,5;101,00;", "24,775717"},
        {"comma, decimal point", "DN,v\n100,1.5\n", {}, {}, "100,1.5,101.00,", "24.775717"},
        {"tab, decimal point", "DN\tv\n100\t1.5\n", {}, {}, "100\t1.5\t101.00\t", "24.775717"},
        {"semicolon with points by option", "DN;v\n100;1.5\n", {}, '.', "100;1.5;101.00;", "24.775717"},
        {"pipe by option", "DN|v\n100|1,5\n", '|', ',', "100|1,5|101,00|", "24,775717"},
        {"CR LF", "DN;v\r\n100;1,5\r\n", {}, {}, "100;1,5;101,00;", "24,775717"},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "DN;v\n100;1,5\n",
         {},
         {},
         "100;1,5;101,00;",
         "24,775717"},
        {"no line end at the end", "DN;v\n100;1,5", {}, {}, "100;1,5;101,00;", "24,775717"},
        {"quoted cells", "\"DN\";\"v\"\n\"100\";\"1,5\"\n", {}, {}, "\"100\";\"1,5\";101,00;", "24,775717"},
    };
    for (const DialectCase& c : cases) {
        SCOPED_TRACE(c.name);
        test_support::ScratchMachineDirectory directory;
        batch::CalcSettings settings;
        settings.delimiter = c.delimiter;
        settings.decimal = c.decimal;
        const batch_test::CalcOutput output = RunCalcOn(c.input, settings);
        EXPECT_EQ(output.status, batch::kAllRowsOk) << output.csv << output.errors;
        const std::vector<std::string> lines = Lines(output.csv);
        ASSERT_EQ(lines.size(), 2u) << output.csv;
        EXPECT_EQ(lines[1].rfind(c.firstRow, 0), 0u) << lines[1];
        EXPECT_NE(lines[1].find(c.J), std::string::npos) << lines[1];
        // Byte-order mark and line ends as in the input.
        EXPECT_EQ(output.csv.rfind("\xEF\xBB\xBF", 0) == 0, c.input.rfind("\xEF\xBB\xBF", 0) == 0);
        EXPECT_EQ(output.csv.find("\r\n") != std::string::npos, c.input.find("\r\n") != std::string::npos);
    }
}

TEST(CsvDialectTest, QuotedFieldsAreEchoedAndTheirTextsRead) {
    test_support::ScratchMachineDirectory directory;
    const std::string input = "Bemerkung;v\n\"Haltung; \"\"A\"\"\nzwei Zeilen\";1,5\n";
    const batch_test::CalcOutput output = RunCalcOn(input);
    EXPECT_EQ(output.status, batch::kAllRowsOk) << output.csv;
    EXPECT_NE(output.csv.find("\n\"Haltung; \"\"A\"\"\nzwei Zeilen\";1,5;101,00;"), std::string::npos)
        << output.csv;
}

TEST(CsvDialectTest, SplitRecordUnquotesAndFlagsBrokenQuotes) {
    struct Case {
        std::string record;
        std::vector<std::string> values;
        bool faulty;
    };
    const std::vector<Case> cases{
        {"a;b;;c", {"a", "b", "", "c"}, false},
        {"", {""}, false},
        {"\"a;b\";\"\"\"\"", {"a;b", "\""}, false},
        {"\"open;x", {"open;x"}, true},
        {"\"a\"b;c", {"ab", "c"}, true},
        {"a\"b;c", {"a\"b", "c"}, true},
    };
    batch::CsvFields fields;
    for (const Case& c : cases) {
        batch::SplitRecord(c.record, ';', fields);
        EXPECT_EQ(fields.values, c.values) << c.record;
        EXPECT_EQ(fields.Faulty(), c.faulty) << c.record;
    }
}

TEST(CsvDialectTest, FirstRecordEndsAtTheFirstLineEndOutsideQuotes) {
    struct Case {
        std::string data;
        size_t length, next;
    };
    const std::vector<Case> cases{
        {"a;b\nc", 3, 4},           {"a;b\r\nc", 3, 5},      {"a;b", 3, 3},
        {"a;b\n\"c\nd\"\n", 3, 4},  {"\"a\nb\";c\nd", 7, 8}, {"a\"b;c\nd", 5, 6},
        {"\"a\"\"\nb\"\r\n", 7, 9},
    };
    for (const Case& c : cases) {
        const batch::RecordExtent extent = batch::FirstRecord(c.data, ';');
        EXPECT_EQ(extent.length, c.length) << c.data;
        EXPECT_EQ(extent.next, c.next) << c.data;
    }
}

TEST(CsvDialectTest, RecordEndsOnlyOutsideQuotesWhereverTheInputIsCut) {
    const std::string data = "a;\"x\ny\"\nb;\"\"\"\n\"\nc;d\n";
    const std::vector<size_t> ends{8, 16, 20};
    for (size_t cut = 0; cut <= data.size(); ++cut) {
        batch::RecordScanner scanner(';');
        const size_t first = scanner.LastRecordEnd(std::string_view(data).substr(0, cut));
        const size_t second = scanner.LastRecordEnd(std::string_view(data).substr(cut));
        size_t expectedFirst = 0;
        for (size_t end : ends) expectedFirst = end <= cut ? end : expectedFirst;
        EXPECT_EQ(first, expectedFirst) << cut;
        EXPECT_EQ(second, cut < 20 ? 20 - cut : 0) << cut;
    }
}

}  // namespace
