// quellrix-batch end to end, CSV to CSV: the program itself on 1,000,000 rows (J sought, the pipe by class
// and DN, ν from T), output to /dev/null. Wall-clock time per run; the counters are the child's CPU time,
// its peak resident memory and the rows per second.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/ScratchDirectory.h"

extern char** environ;

namespace {

constexpr int kRows = 1000000;

// The input file and the machine directory, made once.
struct RowsDirectory {
    test_support::ScratchDirectory scratch;
    RowsDirectory() {
        if (scratch.Path().empty())
            std::abort();
        std::ofstream csv(scratch / "rows.csv", std::ios::binary);
        const char* const classes[]{"K9-Trinkwasser", "K9-Abwasser", "K10-Trinkwasser", "K7"};
        const char* const dns[]{"150", "200", "250", "300", "400", "500", "600", "700"};
        csv << "Haltung;Klasse;DN;T;v\n";
        char line[128];
        for (int i = 0; i < kRows; ++i) {
            const int centimetresPerSecond = 30 + i % 290;  // v 0.30 … 3.19 m/s
            std::snprintf(line, sizeof line, "H%d;%s;%s;%d,%d;%d,%02d\n", i, classes[i % 4], dns[(i / 4) % 8],
                          5 + i % 20, i % 10, centimetresPerSecond / 100, centimetresPerSecond % 100);
            csv << line;
        }
    }
};

const std::string& Directory() {
    static const RowsDirectory directory;
    return directory.scratch.Path();
}

void BM_BatchMillionRowsEndToEnd(benchmark::State& state) {
    const std::string directory = Directory();
    const std::string windir = "--windir=" + directory;
    double cpuSeconds = 0;
    long maxRssKb = 0;
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, (directory + "/rows.csv").c_str(), O_RDONLY,
                                         0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        char* const argv[]{const_cast<char*>(QUELLRIX_BATCH_EXE), const_cast<char*>(windir.c_str()), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, QUELLRIX_BATCH_EXE, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("quellrix-batch did not start");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const auto end = std::chrono::steady_clock::now();
        posix_spawn_file_actions_destroy(&actions);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("quellrix-batch failed or a row was not ok");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        maxRssKb = std::max(maxRssKb, usage.ru_maxrss);
    }
    state.counters["child_cpu_s"] = cpuSeconds;
    state.counters["rss_MB"] = static_cast<double>(maxRssKb) / 1024;
    state.counters["rows_per_s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BatchMillionRowsEndToEnd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
