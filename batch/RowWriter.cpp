#include "batch/RowWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace batch {

RowWriter::RowWriter(int fd) : m_fd(fd) {
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        m_regular = true;
        m_offset = lseek(fd, 0, SEEK_CUR);
    }
}

RowWriter::Result RowWriter::Write(std::string_view data, const std::vector<size_t>& rowEnds) {
    size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = write(m_fd, data.data() + written, data.size() - written);
        if (n >= 0) {
            written += static_cast<size_t>(n);
            continue;
        }
        if (errno == EINTR)
            continue;
        m_error = errno;
        if (m_regular && m_offset >= 0) {
            // Back to the last whole row within what was written.
            const auto whole = std::upper_bound(rowEnds.begin(), rowEnds.end(), written);
            const size_t keep = whole == rowEnds.begin() ? 0 : *(whole - 1);
            if (ftruncate(m_fd, static_cast<off_t>(m_offset + static_cast<long long>(keep))) == 0)
                lseek(m_fd, static_cast<off_t>(m_offset + static_cast<long long>(keep)), SEEK_SET);
        }
        return m_error == EPIPE ? Result::PipeClosed : Result::Failed;
    }
    m_offset += static_cast<long long>(data.size());
    return Result::Written;
}

}  // namespace batch
