// The program as a user runs it: exit status, a closed pipe, the table and curve subcommands.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>

#include "BatchTestSupport.h"

namespace {

using batch_test::Lines;

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the shell command line with quellrix-batch as $QB, in a fresh machine directory.
ProgramRun Shell(const test_support::ScratchMachineDirectory& directory, const std::string& commandLine) {
    const std::string out = directory / "stdout";
    const std::string err = directory / "stderr";
    const std::string command = "cd '" + directory.Path() + "' && QB='" QUELLRIX_BATCH_EXE "' && (" +
                                commandLine + ") >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test_support::ReadBytes(out),
            test_support::ReadBytes(err)};
}

TEST(ProgramTest, ExitStatusTellsAllOkSomeNotOkOrUsageAndInputErrors) {
    struct Case {
        const char* commandLine;
        int status;
        const char* inErrors;  // part of standard error, "" for none
    };
    const std::vector<Case> cases{
        {"printf 'DN;v\\n100;1\\n' | \"$QB\"", 0, ""},
        {"printf 'DN;v\\n100;1\\n100;\\n' | \"$QB\"", 1, ""},
        {"printf 'DN;v\\n100;1\\n' > in.csv && \"$QB\" calc in.csv", 0, ""},
        {"printf 'DN;v\\n100;1\\n' | \"$QB\" -", 0, ""},
        {"printf 'DN;v\\n100;1\\n' > in.csv && \"$QB\" in.csv >> in.csv", 2, "dieselbe Datei"},
        {"printf 'DN;v\\n100;1\\n' > in.csv && \"$QB\" - < in.csv 1<> in.csv", 2, "dieselbe Datei"},
        {"{ head -c 16384 /dev/zero | tr '\\0' ';'; echo; } | \"$QB\"", 2, "mehr als 16384 Spalten"},
        {"printf 'F\\374llung;DN;v;ht\\nteil;100;1;20\\n' | \"$QB\"", 0, "gelesen als Windows-1252"},
        {"printf 'Klase;DN;v\\nK7;100;1\\n' | \"$QB\"", 0,
         "„Klase“ ist unbekannt und wird unverändert durchgereicht (gemeint: Klasse?)"},
        {"\"$QB\" missing.csv", 2, "missing.csv"},
        {"\"$QB\" .", 2, "Eingabe nicht lesbar"},
        {"\"$QB\" --frobnicate", 2, "unbekannte Option --frobnicate"},
        {"\"$QB\" a.csv b.csv", 2, "mehr als eine Eingabedatei"},
        {"\"$QB\" --decimal x", 2, "--decimal"},
        {"\"$QB\" --delimiter , --decimal ,", 2, "gleich"},
        {"\"$QB\" -j 0", 2, "--threads"},
        {"printf 'v;V\\n1;1\\n' | \"$QB\"", 2, "zweimal"},
        {"\"$QB\" table", 2, "Durchfluss"},
        {"\"$QB\" table --Q 10 --klasse K99", 2, "K99"},
        {"\"$QB\" curve --di abc", 2, "keine Zahl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        test_support::ScratchMachineDirectory directory;
        const ProgramRun run = Shell(directory, c.commandLine);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (*c.inErrors)
            EXPECT_NE(run.err.find(c.inErrors), std::string::npos) << run.err;
        else
            EXPECT_EQ(run.err, "");
    }
}

TEST(ProgramTest, HelpIsGermanOnStandardOutput) {
    test_support::ScratchMachineDirectory directory;
    const ProgramRun run = Shell(directory, "\"$QB\" --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Aufruf: quellrix-batch", 0), 0u);
    EXPECT_NE(run.out.find("Exit-Status"), std::string::npos);
}

TEST(ProgramTest, AClosedPipeEndsTheRunQuietlyAfterWholeRows) {
    test_support::ScratchMachineDirectory directory;
    const ProgramRun run =
        Shell(directory,
              "seq 1 300000 | sed 's/^/H/;s/$/;1,5/' | (echo 'Haltung;v'; cat) > in.csv && "
              "{ \"$QB\" in.csv; echo $? > status; } | head -c 100000 > head.csv; cat status");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "0\n");
    // What was written before the pipe closed is whole rows, in order.
    const std::vector<std::string> lines = Lines(test_support::ReadBytes(directory / "head.csv"));
    ASSERT_GT(lines.size(), 100u);
    for (size_t i = 1; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind("H" + std::to_string(i) + ";", 0), 0u);
}

TEST(ProgramTest, TableAndCurveWriteTheirWindowsCells) {
    test_support::ScratchMachineDirectory directory;
    const ProgramRun table = Shell(directory, "\"$QB\" table --klasse K7 --Q 20 --J 5");
    EXPECT_EQ(table.status, 0) << table.err;
    const std::vector<std::string> rows = Lines(table.out);
    ASSERT_GT(rows.size(), 5u);
    EXPECT_EQ(rows[0], "DN;di [mm];Qv [l/s];vv [m/s];Q/Qv;ht [mm];h/d;vt [m/s];Bewertung;Fr;τ [N/m²]");
    EXPECT_EQ(rows[1].rfind("100;101,00;", 0), 0u) << rows[1];

    const ProgramRun pressure = Shell(directory, "\"$QB\" table --Q 20 --delimiter , --decimal .");
    EXPECT_EQ(Lines(pressure.out)[0], "DN,di [mm],v [m/s],Re,λ,J [m/km],hv [m/100 m],Bewertung,hv [m]");

    const ProgramRun curve = Shell(directory, "\"$QB\" curve --dn 200 --J 5 --ht 100");
    EXPECT_EQ(curve.status, 0) << curve.err;
    const std::vector<std::string> points = Lines(curve.out);
    ASSERT_EQ(points.size(), 102u);
    EXPECT_EQ(points[0], "h/d;Qt/Q angepasst;vt/v angepasst;Qt/Q exakt;vt/v exakt;Fr exakt");
    EXPECT_EQ(points[51].rfind("0,50;", 0), 0u) << points[51];
    EXPECT_EQ(batch_test::Cells(points[101], ';').size(), 6u);
}

// Extreme designs: every cell and reason says what cannot be computed, no nan, inf or number too long.
TEST(ProgramTest, TableCellsNeverShowNanInfOrOverlongNumbers) {
    test_support::ScratchMachineDirectory directory;
    for (const char* design :
         {"--Q 1e308", "--Q 1e308 --J 5", "--Q 0.01 --rho 1.2", "--Q 0.01 --rho 1.2 --J 5"}) {
        SCOPED_TRACE(design);
        const ProgramRun run = Shell(directory, std::string("\"$QB\" table ") + design);
        EXPECT_EQ(run.status, 0) << run.err;
        ASSERT_GT(Lines(run.out).size(), 5u);
        for (const char* shown : {"inf", "nan", "0000000000000000"})
            EXPECT_EQ(run.out.find(shown), std::string::npos) << shown;
    }
}

}  // namespace

namespace {

// The sample the package check runs the installed program on.
TEST(ProgramTest, TheSampleGivesItsExpectedRows) {
    test_support::ScratchMachineDirectory directory;
    const ProgramRun run = Shell(directory, "\"$QB\" < '" QUELLRIX_TEST_DATA "/sample.csv'");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, test_support::ReadBytes(QUELLRIX_TEST_DATA "/sample.expected.csv"));
}

}  // namespace

namespace {

// The subcommands as their synopsis says: the documented defaults, and the same line ends and no
// byte-order mark in both.
TEST(ProgramTest, TableAndCurveDefaultsAndEncodingAsDocumented) {
    const struct {
        const char* commandLine;
        const char* firstLine;
        const char* inErrors;
    } cases[] = {
        {"\"$QB\" table --Q 10", "DN;di [mm];v [m/s];Re;λ;J [m/km];hv [m/100 m];Bewertung;hv [m]", ""},
        {"\"$QB\" table --klasse K7 --Q 10 --J 5",
         "DN;di [mm];Qv [l/s];vv [m/s];Q/Qv;ht [mm];h/d;vt [m/s];Bewertung;Fr;τ [N/m²]", ""},
        {"\"$QB\" curve --J 5", "h/d;Qt/Q angepasst;vt/v angepasst;Qt/Q exakt;vt/v exakt;Fr exakt", ""},
        {"\"$QB\" curve --dn 200", "h/d;Qt/Q angepasst;vt/v angepasst;Qt/Q exakt;vt/v exakt;Fr exakt", "J"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        test_support::ScratchMachineDirectory directory;
        const ProgramRun run = Shell(directory, c.commandLine);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n')), c.firstLine);
        EXPECT_EQ(run.out.find('\r'), std::string::npos);
        if (*c.inErrors)
            EXPECT_NE(run.err.find(c.inErrors), std::string::npos) << run.err;
        else
            EXPECT_EQ(run.err, "");
    }
}

// Every example of the man page runs, and its rows are ok.
TEST(ProgramTest, TheManPagesExamplesRun) {
    const std::string page = test_support::ReadBytes(QUELLRIX_TEST_DATA "/../../docs/man/quellrix-batch.1");
    const size_t begin = page.find(".SH BEISPIEL\n.nf\n");
    ASSERT_NE(begin, std::string::npos);
    const size_t end = page.find(".fi\n", begin);
    int examples = 0;
    for (std::string line : Lines(page.substr(begin + 16, end - begin - 16))) {
        if (line.empty())
            continue;
        for (size_t at; (at = line.find("\\\\")) != std::string::npos;) line.replace(at, 2, "\\");
        for (size_t at; (at = line.find("\\-")) != std::string::npos;) line.replace(at, 2, "-");
        line.replace(line.find("quellrix-batch"), 14, "\"$QB\"");
        test_support::ScratchMachineDirectory directory;
        const ProgramRun run = Shell(directory, line);
        EXPECT_EQ(run.status, 0) << line << "\n" << run.err << run.out;
        EXPECT_EQ(run.out.find("nicht"), std::string::npos) << line << "\n" << run.out;
        ++examples;
    }
    EXPECT_EQ(examples, 3);
}

}  // namespace
