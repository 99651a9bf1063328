#include "batch/StopSignals.h"

#ifndef _WIN32
#include <pthread.h>
#include <signal.h>
#endif

namespace batch {

namespace {

volatile std::sig_atomic_t g_stopSignal = 0;

void OnStopSignal(int signal) {
    if (g_stopSignal == 0)
        g_stopSignal = signal;
}

#ifndef _WIN32
sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
#endif

}  // namespace

#ifdef _WIN32
void CatchStopSignals() {
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}
#else
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read or write returns
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
#endif

const volatile std::sig_atomic_t& StopSignal() {
    return g_stopSignal;
}

#ifdef _WIN32
StopSignalsBlocked::StopSignalsBlocked() = default;
StopSignalsBlocked::~StopSignalsBlocked() = default;
#else
StopSignalsBlocked::StopSignalsBlocked() {
    const sigset_t set = StopSet();
    pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

StopSignalsBlocked::~StopSignalsBlocked() {
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}
#endif

}  // namespace batch
