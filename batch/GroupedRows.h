// A block's rows in stages: all of them read, then computed group by group, rows with the same group key
// one after another (the rows of one prefix, so that the form keeps the prefix between them), and their
// output rows put back in input order. Every row's output depends on its own record only; the stages and
// the order only change what the rows cost (each stage's code stays in the processor's caches).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

class GroupedRows {
  public:
    // Appends the output rows of records to out in their order, the end of each to rowEnds.
    // read(record, i) reads record i and gives its group; then computeRow(record, i, out) appends its
    // output row and says whether it is ok. Returns how many rows are not ok.
    template <class Read, class ComputeRow>
    size_t Append(const std::vector<std::string_view>& records, Read read, ComputeRow computeRow,
                  std::string& out, std::vector<size_t>& rowEnds) {
        m_order.clear();
        for (size_t i = 0; i < records.size(); ++i) m_order.push_back({read(records[i], i), i});
        std::sort(m_order.begin(), m_order.end(), [](const Row& a, const Row& b) {
            return a.key != b.key ? a.key < b.key : a.index < b.index;
        });
        m_rows.clear();
        m_extents.resize(records.size());
        size_t notOk = 0;
        for (const Row& row : m_order) {
            const size_t start = m_rows.size();
            if (!computeRow(records[row.index], row.index, m_rows))
                ++notOk;
            m_extents[row.index] = {start, m_rows.size() - start};
        }
        for (const Extent& extent : m_extents) {
            out.append(m_rows, extent.start, extent.length);
            rowEnds.push_back(out.size());
        }
        return notOk;
    }

  private:
    struct Row {
        std::uint64_t key;
        size_t index;
    };
    struct Extent {
        size_t start;
        size_t length;
    };
    std::vector<Row> m_order;
    std::vector<Extent> m_extents;
    std::string m_rows;  // the output rows in the order computed
};

}  // namespace batch
