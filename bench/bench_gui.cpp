// The window, offscreen: a cold start of the program to its first showing of the form, the resident
// memory once started, the report rendered to a PDF file, and the filling-curve window opened.
// Targets: at most 300 ms per start, at most 80 MB resident after start, at most 150 ms per PDF, at
// most 200 ms per opening of the filling curves.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>

#include "app/gui/FillingCurveWindow.h"
#include "app/gui/GuiSession.h"
#include "bench/gui/AnsweringPrompt.h"
#include "catalogue/SettingsFile.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "record/PlenwickDoc.h"
#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/QtPrinterService.h"
#include "support/ScratchDirectory.h"

extern char** environ;

namespace {

// For the whole run: a machine directory holding the default Rohre.ini, an empty profile, a runtime
// directory and the offscreen platform; spawned programs inherit them.
class BenchEnvironment {
  public:
    BenchEnvironment() {
        ::setenv("WINDIR", Path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (m_scratch / "profile").c_str(), 1);
        const std::string runtime = m_scratch / "runtime";
        if (::mkdir(runtime.c_str(), 0700) == 0)
            ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        SettingsFile().WriteDefaultSettings();
    }
    const std::string& Path() const { return m_scratch.Path(); }

  private:
    test_support::ScratchDirectory m_scratch;
};

const BenchEnvironment& Environment() {
    static const BenchEnvironment environment;
    return environment;
}

// The window started in this process, as the program starts it; the printer warning of a machine
// without a default printer is answered at once.
class StartedWindow {
  public:
    StartedWindow() {
        ConfigureApplication(m_application);
        m_started = m_session.Start();
        QCoreApplication::processEvents();
    }
    bool Started() const { return m_started; }
    CPlenwickView& View() { return m_session.App().View(); }
    GuiSession& Session() { return m_session; }

  private:
    int m_argc = 1;
    char m_name[10] = "bench_gui";
    char* m_argv[2] = {m_name, nullptr};
    QApplication m_application{m_argc, m_argv};
    AnsweringPrompt m_answering;
    GuiSession m_session;
    platform::ScopedPrompt m_installed{m_answering};  // after the session: replaces its prompt
    bool m_started = false;
};

StartedWindow& Window() {
    Environment();
    static StartedWindow window;
    return window;
}

// Spawns the start-up helper and returns the seconds until it reports the form shown; nothing when
// it cannot be started or fails.
std::optional<double> TimedColdStart() {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    char program[] = QUELLRIX_BENCH_COLDSTART;
    char* arguments[] = {program, nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const bool spawned = ::posix_spawn(&child, program, &actions, nullptr, arguments, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    char first = 0;
    ssize_t got = -1;
    if (spawned) {
        do got = ::read(pipeEnds[0], &first, 1);
        while (got < 0 && errno == EINTR);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    ::close(pipeEnds[0]);

    int status = 0;
    if (spawned && ::waitpid(child, &status, 0) != child)
        return std::nullopt;
    if (!spawned || got != 1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return elapsed.count();
}

// The resident set of this process in MB, from /proc/self/status (0 when unreadable).
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    const std::string key = "VmRSS:";
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, key.size(), key) == 0)
            return std::stod(line.substr(key.size())) / 1024.0;  // the line gives kB
    }
    return 0;
}

// From the process start to the form shown: page cache warm, process and Qt cold. The time per start
// is measured here, not the helper's closing.
void BM_ColdStart(benchmark::State& state) {
    Environment();
    for (auto _ : state) {
        const std::optional<double> seconds = TimedColdStart();
        if (!seconds) {
            state.SkipWithError("the window did not start");
            break;
        }
        state.SetIterationTime(*seconds);
    }
}
BENCHMARK(BM_ColdStart)->UseManualTime()->Unit(benchmark::kMillisecond);

// Registered before the PDF so that nothing but the start-up has run in this process.
void BM_ResidentMemoryAfterStart(benchmark::State& state) {
    if (!Window().Started()) {
        state.SkipWithError("the window did not start");
        return;
    }
    double megabytes = 0;
    for (auto _ : state) benchmark::DoNotOptimize(megabytes = ResidentMegabytes());
    state.counters["rss_MB"] = megabytes;
}
BENCHMARK(BM_ResidentMemoryAfterStart)->Iterations(1)->Unit(benchmark::kMicrosecond);

// One print job of the calculated report to a PDF file on the A4 600 dpi printer the program falls
// back to without a default printer.
void BM_ReportToPdf(benchmark::State& state) {
    StartedWindow& window = Window();
    if (!window.Started()) {
        state.SkipWithError("the window did not start");
        return;
    }
    platform::ControlSet& controls = window.View().Controls();
    controls.UserType(IDC_V, "1");
    controls.UserLeave();
    controls.UserClick(IDC_BERECHNEN);
    if (window.View().IsEmpty(IDC_J)) {
        state.SkipWithError("the calculation gave no result");
        return;
    }

    const QString file = QString::fromStdString(Environment().Path() + "/report.pdf");
    const std::unique_ptr<QPrinter> printer = qtbackend::MakeFallbackPrinter();
    printer->setOutputFileName(file);
    platform::PrintInfo info;
    info.maxPage = 1;
    const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
    info.pageWidth = page.width();
    info.pageHeight = page.height();
    for (auto _ : state) {
        QPainter painter;
        if (!painter.begin(printer.get())) {
            state.SkipWithError("the PDF file could not be started");
            break;
        }
        qtbackend::QtDrawingContext dc(painter);
        window.View().OnPrint(dc, info);
        painter.end();
    }
    state.counters["pdf_kB"] = QFileInfo(file).size() / 1024.0;
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);

// The window "Teilfüllungskurve" as its first opening from the menu makes it, for a calculated sewer
// filled to half: made, read from the record, shown and painted.
void BM_OpenFillingCurves(benchmark::State& state) {
    StartedWindow& window = Window();
    if (!window.Started()) {
        state.SkipWithError("the window did not start");
        return;
    }
    CPlenwickDoc& record = window.Session().App().Document();
    record.SetDi(0.3078);
    record.SetK(0.00075);
    record.SetI(0.005);
    record.SetQ(0.0813);
    record.SetV(1.0927);
    record.SetHt(0.1539);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto* curves = new FillingCurveWindow(record, &window.Session().Frame());
        curves->show();
        curves->repaint();
        QCoreApplication::processEvents();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (!curves->Curves().HasExact()) {
            state.SkipWithError("the exact curves are missing");
            break;
        }
        delete curves;
    }
}
BENCHMARK(BM_OpenFillingCurves)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
