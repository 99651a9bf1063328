// Writes output rows to a file descriptor, whole rows only: when a write fails part-way, a regular
// file is cut back to the end of the last whole row; a closed pipe is told apart from other failures.
#pragma once

#include <string_view>
#include <vector>

namespace batch {

class RowWriter {
  public:
    enum class Result { Written, PipeClosed, Failed };

    explicit RowWriter(int fd);

    // rowEnds: the offsets in data just past each row, ascending, the last one data.size().
    Result Write(std::string_view data, const std::vector<size_t>& rowEnds);
    // errno of the failure.
    int Error() const { return m_error; }

  private:
    int m_fd;
    bool m_regular = false;
    long long m_offset = 0;  // bytes written, for cutting a regular file back
    int m_error = 0;
};

}  // namespace batch
