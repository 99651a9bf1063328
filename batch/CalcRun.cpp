#include "batch/CalcRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "batch/CsvReader.h"
#include "batch/RowCalculator.h"
#include "batch/RowWriter.h"

namespace batch {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A record longer than this has most likely lost its closing quote; it ends the run.
constexpr size_t kMaxRecordBytes = 16u << 20;
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

// Reads a file descriptor in pieces.
class Input {
  public:
    explicit Input(int fd) : m_fd(fd) {
        struct stat status {};
        if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
            m_size = static_cast<long long>(status.st_size);
    }
    // Appends up to count bytes; false at the end of the input or on an error (Error() tells).
    bool ReadMore(std::string& buffer, size_t count) {
        const size_t old = buffer.size();
        buffer.resize(old + count);
        while (true) {
            const ssize_t n = read(m_fd, &buffer[old], count);
            if (n < 0 && errno == EINTR)
                continue;
            buffer.resize(old + (n > 0 ? static_cast<size_t>(n) : 0));
            if (n < 0)
                m_error = errno;
            if (n > 0)
                m_consumed += n;
            return n > 0;
        }
    }
    int Error() const { return m_error; }
    long long Size() const { return m_size; }
    long long Consumed() const { return m_consumed; }

  private:
    int m_fd;
    int m_error = 0;
    long long m_size = -1;
    long long m_consumed = 0;
};

// One block of whole records and its output rows.
struct Block {
    std::string input;
    std::string output;
    std::vector<size_t> rowEnds;
    size_t rows = 0;
    size_t rowsNotOk = 0;
    bool done = false;
};

// Worker threads computing blocks; the caller collects them in the order it handed them in.
class Workers {
  public:
    Workers(unsigned count, const Catalogue& catalogue, const HeaderColumns& columns, const Dialect& dialect)
        : m_catalogue(catalogue), m_columns(columns), m_dialect(dialect) {
        for (unsigned i = 0; i < count; ++i) m_threads.emplace_back([this] { Work(); });
    }
    ~Workers() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
            m_queue.clear();  // blocks not started are not wanted any more
        }
        m_work.notify_all();
        for (std::thread& thread : m_threads) thread.join();
    }
    void Submit(std::shared_ptr<Block> block) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(std::move(block));
        }
        m_work.notify_one();
    }
    void WaitFor(const Block& block) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_finished.wait(lock, [&] { return block.done; });
    }

  private:
    void Work() {
        RowCalculator calculator(m_catalogue, m_columns, m_dialect);
        while (true) {
            std::shared_ptr<Block> block;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_work.wait(lock, [&] { return m_stopping || !m_queue.empty(); });
                if (m_queue.empty())
                    return;
                block = std::move(m_queue.front());
                m_queue.pop_front();
            }
            Compute(calculator, *block);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                block->done = true;
            }
            m_finished.notify_all();
        }
    }
    void Compute(RowCalculator& calculator, Block& block) {
        block.output.reserve(block.input.size() * 3);
        std::string_view rest = block.input;
        while (!rest.empty()) {
            const RecordExtent record = FirstRecord(rest, m_dialect.delimiter);
            if (!calculator.AppendRow(rest.substr(0, record.length), block.output))
                ++block.rowsNotOk;
            ++block.rows;
            block.rowEnds.push_back(block.output.size());
            rest.remove_prefix(record.next);
        }
    }

    const Catalogue& m_catalogue;
    const HeaderColumns& m_columns;
    Dialect m_dialect;
    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_finished;
    std::deque<std::shared_ptr<Block>> m_queue;
    bool m_stopping = false;
};

char DelimiterOfHeader(std::string_view header) {
    bool comma = false;
    bool tab = false;
    bool quoted = false;
    for (char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ';')
            return ';';
        else if (!quoted && c == ',')
            comma = true;
        else if (!quoted && c == '\t')
            tab = true;
    }
    if (comma)
        return ',';
    return tab ? '\t' : ';';
}

class Progress {
  public:
    Progress(bool shown, const Input& input) : m_shown(shown), m_input(input) {}
    void Update(size_t rows, bool final = false) {
        if (!m_shown)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (!final && now - m_last < kProgressInterval)
            return;
        m_last = now;
        if (final) {
            std::fputs("\r\033[K", stderr);
            return;
        }
        if (m_input.Size() > 0) {
            const double share =
                static_cast<double>(m_input.Consumed()) / static_cast<double>(m_input.Size());
            const int filled = static_cast<int>(share * 30);
            std::fprintf(stderr, "\r[%-30s] %3d %%  %zu Zeilen", std::string(filled, '#').c_str(),
                         static_cast<int>(share * 100), rows);
        } else {
            std::fprintf(stderr, "\r%zu Zeilen", rows);
        }
        std::fflush(stderr);
    }

  private:
    bool m_shown;
    const Input& m_input;
    std::chrono::steady_clock::time_point m_last{};
};

}  // namespace

int RunCalc(int inFd, int outFd, const Catalogue& catalogue, const CalcSettings& settings,
            std::ostream& errors) {
    Input input(inFd);
    RowWriter writer(outFd);
    std::string pending;
    bool more = true;

    auto readFailed = [&] {
        errors << "quellrix-batch: Eingabe nicht lesbar: " << std::strerror(input.Error()) << '\n';
        return kUsageOrIoError;
    };
    auto writeFailed = [&](RowWriter::Result result, int status) {
        if (result == RowWriter::Result::PipeClosed)
            return status;
        errors << "quellrix-batch: Ausgabe nicht schreibbar: " << std::strerror(writer.Error()) << '\n';
        return static_cast<int>(kUsageOrIoError);
    };

    // The header: the first record, read whole (quotes as ',' or ';' would delimit them).
    size_t headerEnd = std::string::npos;
    while (headerEnd == std::string::npos) {
        const size_t lineEnd = pending.find('\n');
        if (lineEnd != std::string::npos) {
            headerEnd = lineEnd;
            break;
        }
        if (!more || pending.size() > kMaxRecordBytes)
            break;
        more = input.ReadMore(pending, 1 << 16);
        if (!more && input.Error())
            return readFailed();
    }
    const bool byteOrderMark = pending.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
    const size_t headerStart = byteOrderMark ? kByteOrderMark.size() : 0;
    if (pending.size() == headerStart)
        return kAllRowsOk;  // no header, no rows: nothing to write
    const std::string_view firstLine = std::string_view(pending).substr(
        headerStart, (headerEnd == std::string::npos ? pending.size() : headerEnd) - headerStart);

    Dialect dialect;
    dialect.delimiter = settings.delimiter ? *settings.delimiter : DelimiterOfHeader(firstLine);
    dialect.decimal = settings.decimal ? *settings.decimal : (dialect.delimiter == ';' ? ',' : '.');
    // The header record proper, which may hold quoted line ends.
    RecordExtent header = FirstRecord(std::string_view(pending).substr(headerStart), dialect.delimiter);
    while (header.next == pending.size() - headerStart && more) {
        more = input.ReadMore(pending, 1 << 16);
        if (!more && input.Error())
            return readFailed();
        header = FirstRecord(std::string_view(pending).substr(headerStart), dialect.delimiter);
        if (pending.size() > kMaxRecordBytes) {
            errors << "quellrix-batch: Kopfzeile länger als 16 MiB\n";
            return kUsageOrIoError;
        }
    }
    const std::string_view headerText = std::string_view(pending).substr(headerStart, header.length);
    if (header.next > header.length + 1 && pending[headerStart + header.length] == '\r')
        dialect.lineEnd = "\r\n";

    CsvFields headerFields;
    SplitRecord(headerText, dialect.delimiter, headerFields);
    HeaderColumns columns;
    if (headerFields.Faulty()) {
        errors << "quellrix-batch: Kopfzeile: Anführungszeichen fehlerhaft\n";
        return kUsageOrIoError;
    }
    if (const std::optional<std::string> error = MapHeader(headerFields.values, columns)) {
        errors << "quellrix-batch: " << *error << '\n';
        return kUsageOrIoError;
    }

    std::string out;
    if (byteOrderMark)
        out += kByteOrderMark;
    AppendHeader(headerText, dialect, out);
    if (const RowWriter::Result result = writer.Write(out, {out.size()});
        result != RowWriter::Result::Written)
        return writeFailed(result, kAllRowsOk);
    pending.erase(0, headerStart + header.next);

    const unsigned threads =
        settings.threads > 0 ? settings.threads : std::max(1u, std::thread::hardware_concurrency());
    const size_t maxInFlight = 2 * threads;
    Workers workers(threads, catalogue, columns, dialect);
    std::deque<std::shared_ptr<Block>> inFlight;
    std::vector<std::shared_ptr<Block>> spare;  // written blocks, whose buffers are used again
    RecordScanner scanner(dialect.delimiter);
    size_t scanned = 0;  // bytes of pending fed to the scanner
    size_t recordEnd = scanner.LastRecordEnd(pending);
    scanned = pending.size();
    size_t rows = 0;
    size_t rowsNotOk = 0;
    Progress progress(settings.progress, input);

    auto status = [&] { return rowsNotOk > 0 ? kSomeRowsNotOk : kAllRowsOk; };
    // Writes the oldest block once it is computed.
    auto writeOldest = [&]() -> std::optional<int> {
        std::shared_ptr<Block> block = std::move(inFlight.front());
        inFlight.pop_front();
        workers.WaitFor(*block);
        const RowWriter::Result result = writer.Write(block->output, block->rowEnds);
        if (result != RowWriter::Result::Written) {
            // Rows of this block may be written; they count as far as they were.
            rowsNotOk += block->rowsNotOk;
            return writeFailed(result, status());
        }
        rows += block->rows;
        rowsNotOk += block->rowsNotOk;
        progress.Update(rows);
        spare.push_back(std::move(block));
        return std::nullopt;
    };

    while (true) {
        while (more && recordEnd < settings.blockSize) {
            more = input.ReadMore(pending, settings.blockSize);
            if (!more && input.Error()) {
                // The rows read so far are written before the run ends.
                while (!inFlight.empty()) {
                    if (const std::optional<int> failed = writeOldest())
                        return *failed;
                }
                return readFailed();
            }
            const size_t end = scanner.LastRecordEnd(std::string_view(pending).substr(scanned));
            if (end > 0)
                recordEnd = scanned + end;
            scanned = pending.size();
            if (recordEnd == 0 && pending.size() > kMaxRecordBytes) {
                errors << "quellrix-batch: Zeile länger als 16 MiB (Anführungszeichen nicht geschlossen?)\n";
                while (!inFlight.empty()) {
                    if (const std::optional<int> failed = writeOldest())
                        return *failed;
                }
                return kUsageOrIoError;
            }
        }
        // At the end of the input the rest is the last record, without a line end.
        const size_t take = more ? recordEnd : pending.size();
        if (take == 0)
            break;
        std::shared_ptr<Block> block;
        if (spare.empty()) {
            block = std::make_shared<Block>();
        } else {
            block = std::move(spare.back());
            spare.pop_back();
            block->output.clear();
            block->rowEnds.clear();
            block->rows = block->rowsNotOk = 0;
            block->done = false;
        }
        block->input.assign(pending, 0, take);
        pending.erase(0, take);
        scanned -= take;
        recordEnd = more ? 0 : pending.size();
        // The scanner's state is that after the last byte fed; the bytes after take were fed already.
        if (more) {
            RecordScanner rest(dialect.delimiter);
            const size_t end = rest.LastRecordEnd(pending);
            scanner = rest;
            recordEnd = end;
            scanned = pending.size();
        }
        inFlight.push_back(block);
        workers.Submit(block);
        while (inFlight.size() >= maxInFlight) {
            if (const std::optional<int> failed = writeOldest())
                return *failed;
        }
    }
    while (!inFlight.empty()) {
        if (const std::optional<int> failed = writeOldest())
            return *failed;
    }
    progress.Update(rows, true);
    return status();
}

}  // namespace batch
