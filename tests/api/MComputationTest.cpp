// mayasim's MComputation: when a poll reports an interrupt, what clears it,
// and the simInterrupt command that schedules one.
#include <gtest/gtest.h>

#include <maya/MComputation.h>

#include <vector>

#include "host/ComputationInterrupt.h"
#include "host/Host.h"

namespace {

class Computation : public ::testing::Test {
 protected:
  void SetUp() override {
    mayasim::registerComputationCommands(mayasim::host());
    mayasim::host().reset();
    mayasim::clearInterrupts();
  }
  void TearDown() override { mayasim::clearInterrupts(); }

  bool mel(const std::string& text) { return mayasim::host().execute(text, false, false); }

  // What `polls` polls of one computation report.
  static std::vector<bool> run(int polls) {
    MComputation c;
    c.beginComputation();
    std::vector<bool> seen;
    for (int i = 0; i < polls; ++i) seen.push_back(c.isInterruptRequested());
    c.endComputation();
    return seen;
  }
};

using Seen = std::vector<bool>;

TEST_F(Computation, ScheduledRequestIsReportedFromItsPollOn) {
  mayasim::scheduleInterrupt(3);
  EXPECT_TRUE(mayasim::interruptPending());
  EXPECT_EQ(run(5), (Seen{false, false, true, true, true}));
  // Ending the computation dropped it.
  EXPECT_FALSE(mayasim::interruptPending());
  EXPECT_EQ(run(3), (Seen{false, false, false}));
}

TEST_F(Computation, CountLimitsThePollsThatReportIt) {
  mayasim::scheduleInterrupt(2, 2);
  EXPECT_EQ(run(5), (Seen{false, true, true, false, false}));
}

TEST_F(Computation, ScheduleNotReachedCarriesOverToTheNextComputation) {
  mayasim::scheduleInterrupt(4);
  EXPECT_EQ(run(2), (Seen{false, false}));
  EXPECT_TRUE(mayasim::interruptPending());
  EXPECT_EQ(run(3), (Seen{false, true, true}));
  EXPECT_EQ(mayasim::computationPolls(), 3);
}

TEST_F(Computation, OutsideAComputationNothingIsReportedOrCounted) {
  mayasim::scheduleInterrupt(1);
  MComputation c;
  EXPECT_FALSE(c.isInterruptRequested());
  EXPECT_TRUE(mayasim::interruptPending());
  EXPECT_FALSE(mayasim::interruptComputation()) << "Ctrl-C with no computation is the app's";
}

TEST_F(Computation, CtrlCIsTakenOnceAndClearedAtTheEnd) {
  MComputation c;
  c.beginComputation();
  EXPECT_TRUE(mayasim::computationRunning());
  EXPECT_FALSE(c.isInterruptRequested());
  EXPECT_TRUE(mayasim::interruptComputation());
  // A second press before the end goes to the app, which may end the session.
  EXPECT_FALSE(mayasim::interruptComputation());
  EXPECT_TRUE(c.isInterruptRequested());
  EXPECT_TRUE(c.isInterruptRequested());
  c.endComputation();
  EXPECT_FALSE(mayasim::computationRunning());
  EXPECT_EQ(run(1), (Seen{false}));
}

TEST_F(Computation, NestedComputationsShareOneRequest) {
  MComputation outer, inner;
  outer.beginComputation();
  inner.beginComputation();
  mayasim::host().requestInterrupt();
  EXPECT_TRUE(inner.isInterruptRequested());
  inner.endComputation();
  EXPECT_TRUE(outer.isInterruptRequested()) << "only the outermost end clears it";
  outer.endComputation();
  EXPECT_FALSE(mayasim::host().interruptRequested());
}

TEST_F(Computation, DestroyingARunningComputationEndsIt) {
  {
    MComputation c;
    c.beginComputation();
  }
  EXPECT_FALSE(mayasim::computationRunning());
}

TEST_F(Computation, SimInterruptCommand) {
  ASSERT_TRUE(mel("simInterrupt -afterPolls 2 -count 1;"));
  mel::Value pending;
  ASSERT_TRUE(mayasim::host().execute("simInterrupt -q -pending;", false, false, &pending));
  EXPECT_EQ(pending.asInt(), 1);
  EXPECT_EQ(run(3), (Seen{false, true, false}));

  ASSERT_TRUE(mel("simInterrupt;"));  // the very next poll
  EXPECT_EQ(run(2), (Seen{true, true}));
  mel::Value polls;
  ASSERT_TRUE(mayasim::host().execute("simInterrupt -q -polls;", false, false, &polls));
  EXPECT_EQ(polls.asInt(), 2);

  ASSERT_TRUE(mel("simInterrupt -afterPolls 1; simInterrupt -clear;"));
  EXPECT_EQ(run(2), (Seen{false, false}));

  EXPECT_FALSE(mel("simInterrupt -afterPolls 0;"));
  EXPECT_FALSE(mel("simInterrupt -afterPolls 1.5;"));
  EXPECT_FALSE(mel("simInterrupt -count -1;"));
  EXPECT_FALSE(mel("simInterrupt -clear -count 2;"));
}

}  // namespace
