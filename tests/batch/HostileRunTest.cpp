// The program under conditions a run must survive without losing data: a full disk while appending,
// stop signals, records far beyond the record limit.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "BatchTestSupport.h"

namespace {

using batch_test::Lines;

struct Child {
    pid_t pid;
    int status = -1;          // exit status, -1 when killed by a signal
    long peakResidentKb = 0;  // of the child
};

// Starts quellrix-batch with standard input and output on the given descriptors; fileSizeLimit, when
// not 0, makes every write beyond it fail as on a full disk.
Child Start(int in, int out, rlim_t fileSizeLimit = 0) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in, STDIN_FILENO);
        ::dup2(out, STDOUT_FILENO);
        if (fileSizeLimit != 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execl(QUELLRIX_BATCH_EXE, QUELLRIX_BATCH_EXE, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return {pid};
}

void Finish(Child& child) {
    int raw = 0;
    rusage usage{};
    ::wait4(child.pid, &raw, 0, &usage);
    child.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    child.peakResidentKb = usage.ru_maxrss;
}

Child RunOn(const std::string& inPath, const std::string& outPath, int outFlags, rlim_t fileSizeLimit = 0) {
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | outFlags, 0600);
    Child child = Start(in, out, fileSizeLimit);
    ::close(in);
    ::close(out);
    Finish(child);
    return child;
}

std::string Rows(size_t count) {
    std::string csv = "Haltung;DN;T;v\n";
    for (size_t i = 1; i <= count; ++i) csv += "H" + std::to_string(i) + ";200;10;1,2\n";
    return csv;
}

// The four input columns of Rows, 14 of the form's values, three checks and the status.
constexpr size_t kFieldsPerRow = 22;

bool EndsWithWholeRow(const std::string& csv, size_t fieldsPerRow) {
    const std::vector<std::string> lines = Lines(csv);
    return !csv.empty() && csv.back() == '\n' &&
           std::all_of(lines.begin(), lines.end(), [&](const std::string& line) {
               return static_cast<size_t>(std::count(line.begin(), line.end(), ';')) + 1 == fieldsPerRow;
           });
}

// ">>" onto a file on a full disk: what the file held before stays whole, the run's rows end whole.
TEST(HostileRunTest, AFullDiskNeverCutsAwayWhatTheFileHeldBefore) {
    enum class Disk { FileSizeLimit, FullTmpfs };
    for (const Disk disk : {Disk::FileSizeLimit, Disk::FullTmpfs}) {
        SCOPED_TRACE(disk == Disk::FileSizeLimit ? "file size limit" : "full tmpfs");
        test_support::ScratchMachineDirectory directory;
        const std::string mount = directory / "disk";
        ::mkdir(mount.c_str(), 0700);
        if (disk == Disk::FullTmpfs && ::mount("tmpfs", mount.c_str(), "tmpfs", 0, "size=128k") != 0) {
            std::printf("full tmpfs not tried: mounting needs root (%s)\n", std::strerror(errno));
            continue;
        }
        std::string before;
        for (int i = 0; i < 2000; ++i) before += "alte Zeile " + std::to_string(i) + " ;;;;;;;;;;\n";
        test_support::WriteBytes(mount + "/log.csv", before);
        test_support::WriteBytes(directory / "in.csv", Rows(3000));

        const Child run = RunOn(directory / "in.csv", mount + "/log.csv", O_APPEND,
                                disk == Disk::FileSizeLimit ? 128 << 10 : 0);
        const std::string after = test_support::ReadBytes(mount + "/log.csv");
        if (disk == Disk::FullTmpfs)
            ::umount(mount.c_str());
        EXPECT_EQ(run.status, batch::kUsageOrIoError);
        ASSERT_GE(after.size(), before.size());
        EXPECT_EQ(after.substr(0, before.size()), before);
        const std::string added = after.substr(before.size());
        EXPECT_GT(Lines(added).size(), 10u);
        EXPECT_TRUE(EndsWithWholeRow(added, kFieldsPerRow))
            << added.substr(added.size() - std::min<size_t>(200, added.size()));
    }
}

// SIGINT while the output is written and SIGTERM while the input is awaited end the run after a whole
// row, with the shell's status of the signal.
TEST(HostileRunTest, StopSignalsEndTheOutputWithAWholeRow) {
    struct Case {
        int signal;
        bool inputOpen;  // the input is a pipe that never ends, else a large file
        int status;
    };
    for (const Case& c : {Case{SIGINT, false, 130}, Case{SIGTERM, true, 143}, Case{SIGTERM, false, 143}}) {
        SCOPED_TRACE(c.signal);
        test_support::ScratchMachineDirectory directory;
        test_support::WriteBytes(directory / "in.csv", Rows(200000));
        int input[2];
        ASSERT_EQ(::pipe(input), 0);
        const int in = c.inputOpen ? input[0] : ::open((directory / "in.csv").c_str(), O_RDONLY);
        if (c.inputOpen) {
            const std::string rows = Rows(3);
            ASSERT_EQ(::write(input[1], rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
        }
        int output[2];
        ASSERT_EQ(::pipe(output), 0);
        Child child = Start(in, output[1]);
        ::close(output[1]);
        if (!c.inputOpen)
            ::close(in);
        // The output pipe fills while nothing reads it: the run is then in the middle of a write.
        std::string out(1, '\0');
        ASSERT_EQ(::read(output[0], &out[0], 1), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(child.pid, c.signal);
        char buffer[65536];
        for (ssize_t n; (n = ::read(output[0], buffer, sizeof buffer)) > 0;)
            out.append(buffer, static_cast<size_t>(n));
        Finish(child);
        ::close(output[0]);
        ::close(input[0]);
        ::close(input[1]);
        EXPECT_EQ(child.status, c.status);
        EXPECT_TRUE(EndsWithWholeRow(out, kFieldsPerRow))
            << out.substr(out.size() - std::min<size_t>(200, out.size()));
    }
}

// A record that never ends within the limit, or has more fields than a spreadsheet has columns, is one
// row error; the rows around it are computed and the run's memory stays small.
TEST(HostileRunTest, ARecordBeyondTheLimitIsARowErrorInBoundedMemory) {
    enum class Record { LongLine, NulBytes, UnclosedQuote, ManyFields };
    for (const Record record :
         {Record::LongLine, Record::NulBytes, Record::UnclosedQuote, Record::ManyFields}) {
        SCOPED_TRACE(static_cast<int>(record));
        test_support::ScratchMachineDirectory directory;
        {
            // Built here and gone before the run, so that the run's memory is its own.
            const size_t huge = 48u << 20;
            std::string csv = Rows(1);
            if (record == Record::LongLine)
                csv += "H2;" + std::string(huge, 'x') + "\n";
            else if (record == Record::NulBytes)
                csv += std::string(huge, '\0') + "\n";
            else if (record == Record::ManyFields)
                csv += "H2" + std::string(12u << 20, ';') + "\n";
            else
                csv += "H2;\"" + std::string(huge, 'y') + "\nH3;200;10;1,2\n";
            if (record != Record::UnclosedQuote)
                csv += "H3;200;10;1,2\n";
            test_support::WriteBytes(directory / "in.csv", csv);
        }
        const Child run = RunOn(directory / "in.csv", directory / "out.csv", O_TRUNC);
        const std::vector<std::string> lines = Lines(test_support::ReadBytes(directory / "out.csv"));
        EXPECT_EQ(run.status, batch::kSomeRowsNotOk);
        const size_t rowsAfter = record == Record::UnclosedQuote ? 0 : 1;  // the quote takes H3 in
        ASSERT_EQ(lines.size(), 3 + rowsAfter);
        EXPECT_EQ(lines[1].substr(lines[1].size() - 3), ";ok");
        EXPECT_NE(lines[2].find(record == Record::ManyFields ? "Zeile hat mehr als 16384 Felder"
                                                             : "Zeile länger als 16 MiB"),
                  std::string::npos);
        if (rowsAfter) {
            EXPECT_EQ(lines[3].rfind("H3;", 0), 0u);
        }
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(run.peakResidentKb, 96 << 10);
#endif
    }
}

}  // namespace
