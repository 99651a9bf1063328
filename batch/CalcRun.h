// A whole calculation file, streamed: the header decides the dialect, blocks of whole records go to
// the worker threads, their output rows are written in input order, at most a few blocks in memory.
#pragma once

#include <optional>
#include <ostream>

#include "batch/Catalogue.h"

namespace batch {

struct CalcSettings {
    std::optional<char> delimiter;  // else from the header: ';' if it has one, else ',', else a tab, else ';'
    std::optional<char> decimal;    // else ',' with ';' as delimiter, '.' with any other
    unsigned threads = 0;           // 0: one per core
    bool progress = false;          // a progress line on standard error
    size_t blockSize = 1 << 18;     // bytes of input per block
};

// Exit status of a run; a run ended by a stop signal exits with kStoppedBySignal plus the signal.
enum RunStatus { kAllRowsOk = 0, kSomeRowsNotOk = 1, kUsageOrIoError = 2, kStoppedBySignal = 128 };

// Reads CSV from inFd, writes CSV to outFd; errors (with "quellrix-batch: ") to errors. A closed
// output pipe ends the run quietly after the last whole row written; so does a stop signal
// (StopSignals.h), the run then returning kStoppedBySignal plus the signal. Memory stays bounded
// whatever the input: a record longer than 16 MiB is passed over and gets a row error.
int RunCalc(int inFd, int outFd, const Catalogue& catalogue, const CalcSettings& settings,
            std::ostream& errors);

}  // namespace batch
