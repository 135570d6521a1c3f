// The latest values and their pace, on a clock the test moves by hand.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

#include "LatestValues.h"

namespace {

using zubrelay::LatestValues;
using namespace std::chrono_literals;

const LatestValues::Clock::time_point t0{};

TEST(LatestValues, UnsetPositionsKeepTheirPlace) {
  LatestValues values(3, ' ', 60);
  EXPECT_EQ(values.take(t0), std::nullopt);  // nothing received, nothing to send
  EXPECT_TRUE(values.set(2, "0.42"));
  EXPECT_EQ(values.take(t0), "0 0 0.42");
  EXPECT_TRUE(values.set(0, "0"));  // a first value counts as a change, even 0
  EXPECT_EQ(values.take(t0 + 1s), "0 0 0.42");
}

TEST(LatestValues, OnlyChangesAreSent) {
  LatestValues values(2, ',', 60);
  values.set(0, "1");
  EXPECT_EQ(values.take(t0), "1,0");
  EXPECT_FALSE(values.set(0, "1"));
  EXPECT_EQ(values.take(t0 + 1s), std::nullopt);
  EXPECT_TRUE(values.set(1, "5"));
  EXPECT_EQ(values.take(t0 + 2s), "1,5");
  EXPECT_EQ(values.take(t0 + 3s), std::nullopt);
}

TEST(LatestValues, FastChangesAreMergedAtTheRateAndTheLastOneArrives) {
  LatestValues values(1, ' ', 10);  // one text per 100 ms
  values.set(0, "1");
  EXPECT_EQ(values.take(t0), "1");
  int sent = 0;
  std::string last;
  // A controller sending every millisecond for one second.
  for (int ms = 1; ms <= 1000; ++ms) {
    values.set(0, std::to_string(ms));
    if (auto text = values.take(t0 + std::chrono::milliseconds(ms))) {
      ++sent;
      last = *text;
    }
  }
  EXPECT_EQ(sent, 10);
  EXPECT_EQ(last, "1000");
  EXPECT_EQ(values.dueIn(t0 + 1010ms), std::nullopt);
  values.set(0, "final");
  EXPECT_EQ(values.dueIn(t0 + 1050ms), 50ms);
  EXPECT_EQ(values.take(t0 + 1050ms), std::nullopt);  // held back...
  EXPECT_EQ(values.dueIn(t0 + 1100ms), 0ms);
  EXPECT_EQ(values.take(t0 + 1100ms), "final");  // ...not lost
  EXPECT_EQ(values.dueIn(t0 + 5s), std::nullopt);
  values.set(0, "later");
  EXPECT_EQ(values.dueIn(t0 + 5s), 0ms);
}

TEST(LatestValues, BadSizesAndRatesAreRefused) {
  EXPECT_THROW(LatestValues(0, ' ', 60), std::invalid_argument);
  EXPECT_THROW(LatestValues(1, ' ', 0), std::invalid_argument);
  EXPECT_THROW(LatestValues(1, ' ', -5), std::invalid_argument);
}

}  // namespace
