// SIGINT and SIGTERM end a run between two rows instead of killing the process mid-row.
#pragma once

#include <csignal>

namespace batch {

// Catches SIGINT and SIGTERM from now on: the first one is kept in StopSignal(), and a read or write
// in progress is interrupted (EINTR) rather than restarted.
void CatchStopSignals();

// 0, or the signal that asked the run to stop.
const volatile std::sig_atomic_t& StopSignal();

// Blocks the stop signals for the scope, in the calling thread and the threads it starts, so that only
// the thread that reads and writes receives them. (On Windows the runtime calls the handler of Ctrl+C
// in a thread of its own: there is nothing to block.)
class StopSignalsBlocked {
  public:
    StopSignalsBlocked();
    ~StopSignalsBlocked();
    StopSignalsBlocked(const StopSignalsBlocked&) = delete;
    StopSignalsBlocked& operator=(const StopSignalsBlocked&) = delete;

#ifndef _WIN32
  private:
    sigset_t m_previous;
#endif
};

}  // namespace batch
