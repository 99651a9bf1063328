// quellrix-batch: many calculations from CSV, the sizing table and the filling curves on the command
// line (quellrix-batch --help, man quellrix-batch).
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
#include "batch/CurveCommand.h"
#include "batch/TableCommand.h"
#include "platform/MachineDirectory.h"
#include "platform/ProgramStart.h"

int main(int argc, char** argv) {
    std::string problem;
    platform::UseBinaryStandardStreams();
    const auto options = batch::ParseBatchArguments(platform::ProgramArguments(argc, argv), problem);
    if (!options) {
        std::cerr << "quellrix-batch: " << problem << "\n(quellrix-batch --help zeigt den Aufruf)\n";
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
    if (options->input) {
        in = platform::OpenForReading(*options->input);
        if (in < 0) {
            std::cerr << "quellrix-batch: " << *options->input << ": " << std::strerror(errno) << '\n';
            return batch::kUsageOrIoError;
        }
    }
    batch::CalcSettings settings;
    settings.delimiter = options->delimiter;
    settings.decimal = options->decimal;
    settings.threads = options->threads;
    settings.progress = ::isatty(STDERR_FILENO) == 1;
    return batch::RunCalc(in, STDOUT_FILENO, catalogue, settings, std::cerr);
}
