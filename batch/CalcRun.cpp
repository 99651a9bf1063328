#include "batch/CalcRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
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
#include "batch/GroupedRows.h"
#include "batch/RowCalculator.h"
#include "batch/RowWriter.h"
#include "batch/StopSignals.h"
#include "messages/BatchTexts.h"
#include "platform/Utf8.h"

namespace batch {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A record longer than this has most likely lost its closing quote; it is a row error.
constexpr size_t kMaxRecordBytes = 16u << 20;
// What a block's rows may add to its output besides its own bytes: a row has the header's width in
// delimiters at most, the result cells and a status.
constexpr size_t kRowOutputBytes = 2048;
constexpr size_t kBlockOutputBytes = 4u << 20;
// The estimated memory of the blocks in flight: a new block waits until older ones are written.
constexpr size_t kBytesInFlight = 64u << 20;
// Written blocks kept for their buffers.
constexpr size_t kSpareBlocks = 4;
// Rows read and grouped at a time: their entries stay in the processor's second-level cache, and a
// file's common prefixes still come several times in each.
constexpr size_t kGroupedRows = 1024;
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

// Reads a file descriptor in pieces.
class Input {
  public:
    explicit Input(int fd) : m_fd(fd) {
        struct stat status {};
        if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
            m_size = static_cast<long long>(status.st_size);
    }
    // Appends up to count bytes; false at the end of the input, on an error (Error() tells) and when
    // a stop signal came.
    bool ReadMore(std::string& buffer, size_t count) {
        const size_t old = buffer.size();
        buffer.resize(old + count);
        while (true) {
            const ssize_t n = StopSignal() ? -1 : read(m_fd, &buffer[old], count);
            if (StopSignal()) {
                buffer.resize(old);
                return false;
            }
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
    size_t cost = 0;  // estimated bytes of input and output
    std::string input;
    std::string output;
    std::vector<size_t> rowEnds;
    size_t rows = 0;
    size_t rowsNotOk = 0;
    bool done = false;
};

// More columns than a spreadsheet has: a header or record with more is refused unread.
constexpr size_t kMaxColumns = 16384;

// The output row of a record that is not read: empty input cells, empty results, the status.
void AppendUnreadRow(size_t width, const Dialect& dialect, std::string_view status, std::string& out) {
    out.append(width > 0 ? width - 1 : 0, dialect.delimiter);
    out.append(ResultColumns().size(), dialect.delimiter);
    out += dialect.delimiter;
    AppendField(out, status, dialect.delimiter);
    out += dialect.lineEnd;
}

// True when text holds more delimiters than kMaxColumns fields have (quoted ones counted too).
bool TooManyFields(std::string_view text, char delimiter) {
    return text.size() >= kMaxColumns &&
           static_cast<size_t>(std::count(text.begin(), text.end(), delimiter)) >= kMaxColumns;
}

// Worker threads computing blocks; the caller collects them in the order it handed them in.
class Workers {
  public:
    Workers(unsigned count, const Catalogue& catalogue, const HeaderColumns& columns, const Dialect& dialect)
        : m_catalogue(catalogue), m_columns(columns), m_dialect(dialect) {
        const StopSignalsBlocked onlyTheCallerStops;
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
        std::optional<RowCalculator> calculator;
        GroupedRows grouped;
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
            if (!calculator)
                calculator.emplace(m_catalogue, m_columns, m_dialect);
            Compute(*calculator, grouped, *block);
            // A calculator keeps the buffers of its largest row: after a large block it starts afresh.
            if (block->output.size() > kBlockOutputBytes / 2) {
                calculator.reset();
                grouped = GroupedRows();
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                block->done = true;
            }
            m_finished.notify_all();
        }
    }
    void Compute(RowCalculator& calculator, GroupedRows& grouped, Block& block) {
        block.output.reserve(std::min(block.input.size() * 3, block.input.size() + kBlockOutputBytes));
        const auto read = [&](std::string_view record, size_t slot) -> std::uint64_t {
            if (TooManyFields(record, m_dialect.delimiter))
                return 0;
            calculator.Read(record, slot);
            return calculator.GroupKey(record);
        };
        const auto computeRow = [&](std::string_view record, size_t slot, std::string& out) {
            if (!TooManyFields(record, m_dialect.delimiter))
                return calculator.AppendRead(record, slot, out);
            AppendUnreadRow(m_columns.cells.size(), m_dialect,
                            messages::Text(messages::BatchText::RowTooManyFields), out);
            return false;
        };
        std::vector<std::string_view> records;
        std::string_view rest = block.input;
        while (!rest.empty()) {
            records.clear();
            while (!rest.empty() && records.size() < kGroupedRows) {
                const RecordExtent record = FirstRecord(rest, m_dialect.delimiter);
                records.push_back(rest.substr(0, record.length));
                rest.remove_prefix(record.next);
            }
            block.rowsNotOk += grouped.Append(records, read, computeRow, block.output, block.rowEnds);
            block.rows += records.size();
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
            std::fputc('\r', stderr);
            std::fprintf(stderr, messages::Text(messages::BatchText::ProgressShare),
                         std::string(filled, '#').c_str(), static_cast<int>(share * 100), rows);
        } else {
            std::fputc('\r', stderr);
            std::fprintf(stderr, messages::Text(messages::BatchText::ProgressRows), rows);
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
    RowWriter writer(outFd, &StopSignal());
    std::string pending;
    bool more = true;

    auto stopped = [] { return kStoppedBySignal + static_cast<int>(StopSignal()); };
    auto readFailed = [&] {
        if (StopSignal())
            return stopped();
        errors << "quellrix-batch: "
               << messages::Filled(messages::BatchText::InputUnreadable, {std::strerror(input.Error())})
               << '\n';
        return static_cast<int>(kUsageOrIoError);
    };
    auto writeFailed = [&](RowWriter::Result result, int status) {
        if (result == RowWriter::Result::Stopped)
            return stopped();
        if (result == RowWriter::Result::PipeClosed)
            return status;
        errors << "quellrix-batch: "
               << messages::Filled(messages::BatchText::OutputUnwritable, {std::strerror(writer.Error())})
               << '\n';
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
        if (!more && (input.Error() || StopSignal()))
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
        if (!more && (input.Error() || StopSignal()))
            return readFailed();
        header = FirstRecord(std::string_view(pending).substr(headerStart), dialect.delimiter);
        if (pending.size() > kMaxRecordBytes) {
            errors << "quellrix-batch: " << messages::Text(messages::BatchText::HeaderTooLong) << '\n';
            return kUsageOrIoError;
        }
    }
    const std::string_view headerText = std::string_view(pending).substr(headerStart, header.length);
    if (header.next > header.length + 1 && pending[headerStart + header.length] == '\r')
        dialect.lineEnd = "\r\n";

    if (TooManyFields(headerText, dialect.delimiter)) {
        errors << "quellrix-batch: " << messages::Text(messages::BatchText::HeaderTooManyColumns) << '\n';
        return kUsageOrIoError;
    }
    // A spreadsheet on Windows saves CSV in its code page unless told otherwise.
    const bool utf8 = platform::IsUtf8(headerText);
    if (!utf8)
        errors << "quellrix-batch: " << messages::Text(messages::BatchText::HeaderNotUtf8) << '\n';
    CsvFields headerFields;
    SplitRecord(utf8 ? std::string(headerText) : platform::Windows1252ToUtf8(headerText), dialect.delimiter,
                headerFields);
    HeaderColumns columns;
    if (headerFields.Faulty()) {
        errors << "quellrix-batch: " << messages::Text(messages::BatchText::HeaderQuotes) << '\n';
        return kUsageOrIoError;
    }
    if (const std::optional<std::string> error = MapHeader(headerFields.values, columns)) {
        errors << "quellrix-batch: " << *error << '\n';
        return kUsageOrIoError;
    }
    for (const std::string& warning : LookalikeColumns(headerFields.values, columns))
        errors << "quellrix-batch: " << warning << '\n';

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
    const size_t width = columns.cells.size();
    const size_t rowBytes = width + kRowOutputBytes;
    const size_t maxBlockRows = std::max<size_t>(1, kBlockOutputBytes / rowBytes);
    Workers workers(threads, catalogue, columns, dialect);
    std::deque<std::shared_ptr<Block>> inFlight;
    size_t bytesInFlight = 0;
    std::vector<std::shared_ptr<Block>> spare;  // written blocks, whose buffers are used again
    RecordScanner scanner(dialect.delimiter);
    size_t scanned = 0;    // bytes of pending fed to the scanner
    size_t blockEnd = 0;   // the end of the last whole record fed
    size_t blockRows = 0;  // records up to blockEnd
    size_t rows = 0;
    size_t rowsNotOk = 0;
    Progress progress(settings.progress, input);

    auto status = [&] { return rowsNotOk > 0 ? kSomeRowsNotOk : kAllRowsOk; };
    // Writes the oldest block once it is computed.
    auto writeOldest = [&]() -> std::optional<int> {
        std::shared_ptr<Block> block = std::move(inFlight.front());
        inFlight.pop_front();
        bytesInFlight -= block->cost;
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
        if (spare.size() < kSpareBlocks &&
            block->input.capacity() + block->output.capacity() <= 2 * kBlockOutputBytes)
            spare.push_back(std::move(block));
        return std::nullopt;
    };
    auto writeAll = [&]() -> std::optional<int> {
        while (!inFlight.empty()) {
            if (const std::optional<int> failed = writeOldest())
                return failed;
        }
        return std::nullopt;
    };
    auto newBlock = [&] {
        if (spare.empty())
            return std::make_shared<Block>();
        std::shared_ptr<Block> block = std::move(spare.back());
        spare.pop_back();
        block->output.clear();
        block->rowEnds.clear();
        block->rows = block->rowsNotOk = 0;
        block->done = false;
        return block;
    };
    // Queues a block, after writing older ones while too many are in flight.
    auto submit = [&](std::shared_ptr<Block> block, bool computed) -> std::optional<int> {
        while (!inFlight.empty() &&
               (inFlight.size() >= maxInFlight || bytesInFlight + block->cost > kBytesInFlight)) {
            if (const std::optional<int> failed = writeOldest())
                return failed;
        }
        bytesInFlight += block->cost;
        inFlight.push_back(block);
        if (!computed)
            workers.Submit(std::move(block));
        return std::nullopt;
    };
    // Hands the first take bytes of pending, rows records, to the workers.
    auto submitRecords = [&](size_t take, size_t records) -> std::optional<int> {
        std::shared_ptr<Block> block = newBlock();
        block->input.assign(pending, 0, take);
        block->cost = 3 * take + records * rowBytes;
        pending.erase(0, take);
        scanned -= take;
        blockEnd = blockRows = 0;
        return submit(std::move(block), false);
    };
    // Passes over a record too long to be read, up to its end, and gives it its row error.
    auto skipOverlongRecord = [&]() -> std::optional<int> {
        pending.clear();
        scanned = 0;
        while (more) {
            more = input.ReadMore(pending, settings.blockSize);
            if (!more && (input.Error() || StopSignal()))
                break;
            const RecordScanner::Scan scan = scanner.Feed(pending, 1);
            if (scan.records == 1) {
                pending.erase(0, scan.fed);
                break;
            }
            pending.clear();
        }
        std::shared_ptr<Block> block = newBlock();
        block->input.clear();
        AppendUnreadRow(width, dialect, messages::Text(messages::BatchText::RowTooLong), block->output);
        block->rowEnds.push_back(block->output.size());
        block->rows = block->rowsNotOk = 1;
        block->done = true;
        block->cost = block->output.size();
        return submit(std::move(block), true);
    };

    while (true) {
        // Whole records up to the block's size or row count, or to the end of the input.
        while (blockRows < maxBlockRows && blockEnd < settings.blockSize) {
            if (scanned < pending.size()) {
                const RecordScanner::Scan scan =
                    scanner.Feed(std::string_view(pending).substr(scanned), maxBlockRows - blockRows);
                if (scan.records > 0)
                    blockEnd = scanned + scan.lastEnd;
                blockRows += scan.records;
                scanned += scan.fed;
                continue;
            }
            if (!more)
                break;
            if (pending.size() - blockEnd > kMaxRecordBytes) {
                std::optional<int> failed;
                if (blockEnd > 0)
                    failed = submitRecords(blockEnd, blockRows);
                if (!failed)
                    failed = skipOverlongRecord();
                if (failed)
                    return *failed;
                continue;
            }
            more = input.ReadMore(pending, settings.blockSize);
            if (!more && (input.Error() || StopSignal())) {
                // The rows read so far are written before the run ends (not after a stop signal).
                if (!StopSignal()) {
                    if (const std::optional<int> failed = writeAll())
                        return *failed;
                }
                return readFailed();
            }
        }
        // At the end of the input the rest is the last record, without a line end.
        const bool atEnd = !more && scanned == pending.size();
        const size_t take = atEnd ? pending.size() : blockEnd;
        if (take == 0)
            break;
        if (const std::optional<int> failed = submitRecords(take, blockRows + (atEnd ? 1 : 0)))
            return *failed;
    }
    if (const std::optional<int> failed = writeAll())
        return *failed;
    progress.Update(rows, true);
    return status();
}

}  // namespace batch
