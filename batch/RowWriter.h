// Writes output rows to a file descriptor, whole rows only: when a write fails part-way, a regular
// file is cut back to the end of the last whole row; a closed pipe is told apart from other failures.
// What the file held before the run is never cut away, also when it is appended to (">>").
#pragma once

#include <csignal>
#include <string_view>
#include <vector>

namespace batch {

class RowWriter {
  public:
    enum class Result { Written, PipeClosed, Failed, Stopped };

    // stop, when given and set (by a signal handler), ends a write at the next row end.
    explicit RowWriter(int fd, const volatile std::sig_atomic_t* stop = nullptr);

    // rowEnds: the offsets in data just past each row, ascending, the last one data.size().
    Result Write(std::string_view data, const std::vector<size_t>& rowEnds);
    // errno of the failure.
    int Error() const { return m_error; }

  private:
    // Where the next write lands in a regular file.
    long long NextOffset() const;
    // Cuts a regular file back to offset, never below its size when the run began.
    void CutBackTo(long long offset) const;

    int m_fd;
    const volatile std::sig_atomic_t* m_stop;
    bool m_regular = false;
    bool m_appending = false;
    long long m_startSize = 0;
    int m_error = 0;
};

}  // namespace batch
