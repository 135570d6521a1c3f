// A flood of datagrams, good and hostile, at the plug-in's port while the host
// fires idle events and answers MEL lines as an interactive session does:
// nothing crashes, and once the flood is over a valid message is handled.
// The worst wait of a MEL line is printed, never asserted (the soak benchmark
// in bench/ measures it).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "HostileDatagrams.h"
#include "OscFixture.h"
#include "OscPackets.h"
#include "host/Host.h"

namespace osctest {
namespace {

using Clock = std::chrono::steady_clock;

#ifdef ZUB_SANITIZED
constexpr int kRate = 10000;  // datagrams per second
constexpr double kSeconds = 2.0;
#else
constexpr int kRate = 50000;
constexpr double kSeconds = 5.0;
#endif

double msSince(Clock::time_point t) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// Sends `rate` datagrams a second for `seconds`, cycling through `mix`.
void flood(int port, const std::vector<std::string>& mix, std::atomic<long>& sent,
           std::atomic<bool>& done) {
  zubosc::Sender udp("127.0.0.1", port);
  const Clock::time_point start = Clock::now();
  const long total = static_cast<long>(kRate * kSeconds);
  long i = 0;
  while (i < total) {
    const long due = static_cast<long>(msSince(start) * kRate / 1000.0);
    for (; i < due && i < total; ++i) {
      try {
        udp.send(mix[static_cast<std::size_t>(i) % mix.size()]);
      } catch (const std::exception&) {
        // A full socket buffer drops it: loss is the socket's.
      }
    }
    sent = i;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  done = true;
}

class Flood : public OscFixture {};

TEST_F(Flood, TheHostStaysUsableAndHandlesAValidMessageAfterwards) {
  ASSERT_TRUE(
      mel("zubCmd_changeOSCValues -separator \" \";"
          "zubCmd_changeOSCValues -index 1 -name pCube1.translateY -factor 1;"
          "zubCmd_toggleOSC;"));
  const std::vector<std::string> mix = {
      zubosc::textMessage("/zubbase", "1 2 3"),
      blobKiller(),
      zubosc::textMessage("/other", "x"),
      bundleKiller(),
      bundleOf({zubosc::textMessage("/zubbase", "4 5 6")}),
      blobAfterString(),
  };
  std::atomic<long> sent{0};
  std::atomic<bool> done{false};
  std::thread sender(flood, port(), std::cref(mix), std::ref(sent), std::ref(done));

  mayasim::Host& host = mayasim::host();
  const auto linePeriod = std::chrono::milliseconds(10);
  Clock::time_point nextLine = Clock::now() + linePeriod;
  double worstMs = 0;
  long lines = 0;
  long idles = 0;
  while (!done) {
    host.fireEvent("idle");
    ++idles;
    if (Clock::now() < nextLine) continue;
    // A line typed at `nextLine` is read once the running idle event returns.
    EXPECT_TRUE(host.execute("getAttr pCube1.translateY;", false, false));
    worstMs = std::max(worstMs, msSince(nextLine));
    ++lines;
    nextLine = Clock::now() + linePeriod;
  }
  sender.join();

  // The socket may still be full of the flood, and a full buffer drops what
  // arrives: the message is sent again until one gets through.
  bool handled = false;
  const Clock::time_point drainStart = Clock::now();
  Clock::time_point lastSend = drainStart - std::chrono::seconds(1);
  while (!handled && msSince(drainStart) < 30000) {
    if (msSince(lastSend) >= 200) {
      sendText("/zubbase", "7 8 9");
      lastSend = Clock::now();
    }
    host.fireEvent("idle");
    handled = field("tfOscMessage") == "7 8 9";
  }
  EXPECT_TRUE(handled);
  EXPECT_DOUBLE_EQ(melNumber("getAttr pCube1.translateY;"), 8.0);
  std::printf(
      "flood: %ld datagrams sent in %.1f s, %ld idle events, %ld MEL lines, worst line wait %.1f "
      "ms\n",
      sent.load(), kSeconds, idles, lines, worstMs);
  takeOutput();
}

}  // namespace
}  // namespace osctest
