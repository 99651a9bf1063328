#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

// Records which fields repaint, in order.
class RepaintLog : public platform::ControlPeer {
  public:
    RepaintLog(int id, std::vector<int>& log) : m_id(id), m_log(log) {}
    void Synchronise() override {}
    void Repaint() override { m_log.push_back(m_id); }

  private:
    int m_id;
    std::vector<int>& m_log;
};

class MarkCalculated : public SolverTest {
  protected:
    MarkCalculated() {
        for (int id : kResultFields) {
            view.Field(id).SetResultMark(true);
            m_peers.emplace_back(id, repainted);
        }
        for (size_t i = 0; i < kResultFields.size(); ++i)
            view.Field(kResultFields[i]).AttachPeer(&m_peers[i]);
    }
    ~MarkCalculated() override {
        for (int id : kResultFields) view.Field(id).AttachPeer(nullptr);
    }

    std::vector<int> repainted;

  private:
    std::vector<RepaintLog> m_peers;
};

TEST_F(MarkCalculated, FalseClearsTheFourteenMarksInOrder) {
    doc.SetCalculated(true);
    view.MarkCalculated(false);

    EXPECT_TRUE(MarkedFields().empty());
    EXPECT_EQ(repainted, kResultFields);
    EXPECT_FALSE(doc.IsCalculated());
}

TEST_F(MarkCalculated, TrueOnlySetsTheRecordFlag) {
    view.MarkCalculated(true);

    EXPECT_EQ(MarkedFields(), kResultFields);
    EXPECT_TRUE(repainted.empty());
    EXPECT_TRUE(doc.IsCalculated());
}

}  // namespace
}  // namespace solver_test
