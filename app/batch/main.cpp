// quellrix-batch: many calculations from CSV, the sizing table and the filling curves on the command
// line (quellrix-batch --help, man quellrix-batch).
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/CalcRun.h"
#include "batch/Catalogue.h"
#include "batch/StopSignals.h"
#include "batch/CurveCommand.h"
#include "batch/TableCommand.h"
#include "messages/BatchTexts.h"
#include "platform/MachineDirectory.h"
#include "platform/ProgramStart.h"

int main(int argc, char** argv) {
    std::string problem;
    platform::UseBinaryStandardStreams();
    const auto options = batch::ParseBatchArguments(platform::ProgramArguments(argc, argv), problem);
    if (!options) {
        std::cerr << "quellrix-batch: " << problem << '\n'
                  << messages::Text(messages::BatchText::SeeHelp) << '\n';
        return batch::kUsageOrIoError;
    }
    if (options->help) {
        std::cout << batch::BatchHelpText();
        return batch::kAllRowsOk;
    }
    if (options->windir)
        platform::OverrideMachineDirectory(*options->windir);
#ifdef SIGPIPE
    // A closed output pipe is seen as EPIPE at the write, where the run ends quietly.
    std::signal(SIGPIPE, SIG_IGN);
#endif

    const batch::Catalogue catalogue = batch::ReadCatalogue();
    if (catalogue.unusable)
        std::cerr << "quellrix-batch: " << *catalogue.unusable << '\n';

    switch (options->subcommand) {
        case batch::Subcommand::Table:
            return batch::RunTable(*options, catalogue, STDOUT_FILENO, std::cerr);
        case batch::Subcommand::Curve:
            return batch::RunCurve(*options, catalogue, STDOUT_FILENO, std::cerr);
        case batch::Subcommand::Calc:
            break;
    }
    int in = STDIN_FILENO;
    if (options->input && *options->input != "-") {
        in = platform::OpenForReading(*options->input);
        if (in < 0) {
            std::cerr << "quellrix-batch: " << *options->input << ": " << std::strerror(errno) << '\n';
            return batch::kUsageOrIoError;
        }
    }
    // Writing into the file being read would overwrite rows not yet read, or never end.
    struct stat inStatus = {};
    struct stat outStatus = {};
    if (::fstat(in, &inStatus) == 0 && ::fstat(STDOUT_FILENO, &outStatus) == 0 && S_ISREG(inStatus.st_mode) &&
        inStatus.st_ino != 0 && inStatus.st_dev == outStatus.st_dev && inStatus.st_ino == outStatus.st_ino) {
        std::cerr << "quellrix-batch: " << messages::Text(messages::BatchText::InputIsOutput) << '\n';
        return batch::kUsageOrIoError;
    }
    batch::CalcSettings settings;
    settings.delimiter = options->delimiter;
    settings.decimal = options->decimal;
    settings.threads = options->threads;
    settings.progress = ::isatty(STDERR_FILENO) == 1;
    batch::CatchStopSignals();
    // Large buffers go straight back to the system when freed, so that the memory of a run with long
    // records stays that of the blocks in flight (glibc would otherwise raise the threshold and keep
    // them in each thread's arena).
#if defined(__GLIBC__)
    ::mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    return batch::RunCalc(in, STDOUT_FILENO, catalogue, settings, std::cerr);
}
