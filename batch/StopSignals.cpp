#include "batch/StopSignals.h"

#include <pthread.h>
#include <signal.h>

namespace batch {

namespace {

volatile std::sig_atomic_t g_stopSignal = 0;

void OnStopSignal(int signal) {
    if (g_stopSignal == 0)
        g_stopSignal = signal;
}

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked read or write returns
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

const volatile std::sig_atomic_t& StopSignal() {
    return g_stopSignal;
}

StopSignalsBlocked::StopSignalsBlocked() {
    const sigset_t set = StopSet();
    pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

StopSignalsBlocked::~StopSignalsBlocked() {
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

}  // namespace batch
