// The scratch machine directory of a whole fuzzing run (WINDIR and TMPDIR point at it), in memory
// (/dev/shm) where the machine has it: every settings write is synced, and a disk would slow each run.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "support/ScratchDirectory.h"

namespace fuzzing {

inline const test_support::ScratchMachineDirectory& MachineDirectory() {
    // Scratch directories are made in TMPDIR.
    static const bool inMemory = ::access("/dev/shm", W_OK) == 0 && ::setenv("TMPDIR", "/dev/shm", 1) == 0;
    static const test_support::ScratchMachineDirectory directory;
    (void)inMemory;
    if (directory.Path().empty()) {
        std::perror("quellrix fuzzing: no scratch directory");
        std::abort();
    }
    return directory;
}

}  // namespace fuzzing
