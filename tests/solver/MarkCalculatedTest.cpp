#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

// Records which fields repaint, in order.
class RepaintLog : public platform::ControlPeer {
  public:
    RepaintLog(int id, std::vector<int>& log) : id_(id), log_(log) {}
    void Synchronise() override {}
    void Repaint() override { log_.push_back(id_); }

  private:
    int id_;
    std::vector<int>& log_;
};

class MarkCalculated : public SolverTest {
  protected:
    MarkCalculated() {
        for (int id : kResultFields) {
            view.Field(id).SetResultMark(true);
            peers_.emplace_back(id, repainted);
        }
        for (size_t i = 0; i < kResultFields.size(); ++i) view.Field(kResultFields[i]).AttachPeer(&peers_[i]);
    }
    ~MarkCalculated() override {
        for (int id : kResultFields) view.Field(id).AttachPeer(nullptr);
    }

    std::vector<int> repainted;

  private:
    std::vector<RepaintLog> peers_;
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
