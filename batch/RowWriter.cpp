#include "batch/RowWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace batch {

RowWriter::RowWriter(int fd, const volatile std::sig_atomic_t* stop) : m_fd(fd), m_stop(stop) {
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        m_regular = true;
#ifdef _WIN32
        // The runtime does not say whether the handle appends (cmd's ">>"); the program only ever writes
        // forward, so its data lands at the file's end either way.
        m_appending = true;
#else
        const int flags = fcntl(fd, F_GETFL);
        m_appending = flags >= 0 && (flags & O_APPEND) != 0;
#endif
        m_startSize = static_cast<long long>(status.st_size);
    }
}

long long RowWriter::NextOffset() const {
    // An appending descriptor's position says nothing before its first write: the data lands at the end.
    if (m_appending) {
        struct stat status {};
        return fstat(m_fd, &status) == 0 ? static_cast<long long>(status.st_size) : -1;
    }
    return static_cast<long long>(lseek(m_fd, 0, SEEK_CUR));
}

void RowWriter::CutBackTo(long long offset) const {
    struct stat status {};
    if (offset < 0 || fstat(m_fd, &status) != 0)
        return;
    offset = std::max(offset, m_startSize);
    if (offset >= static_cast<long long>(status.st_size))
        return;
    if (ftruncate(m_fd, static_cast<off_t>(offset)) == 0 && !m_appending)
        lseek(m_fd, static_cast<off_t>(offset), SEEK_SET);
}

RowWriter::Result RowWriter::Write(std::string_view data, const std::vector<size_t>& rowEnds) {
    const long long start = m_regular ? NextOffset() : -1;
    size_t written = 0;
    while (written < data.size()) {
        if (m_stop && *m_stop &&
            (written == 0 || std::binary_search(rowEnds.begin(), rowEnds.end(), written)))
            return Result::Stopped;
        const ssize_t n = write(m_fd, data.data() + written, data.size() - written);
        if (n >= 0) {
            written += static_cast<size_t>(n);
            continue;
        }
        if (errno == EINTR)
            continue;
        m_error = errno;
        if (m_regular) {
            // Back to the last whole row within what was written.
            const auto whole = std::upper_bound(rowEnds.begin(), rowEnds.end(), written);
            const size_t keep = whole == rowEnds.begin() ? 0 : *(whole - 1);
            CutBackTo(start < 0 ? -1 : start + static_cast<long long>(keep));
        }
        return m_error == EPIPE ? Result::PipeClosed : Result::Failed;
    }
    return Result::Written;
}

}  // namespace batch
