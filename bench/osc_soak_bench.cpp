// zubBase under load, in an in-process host with OSC on and the trace off:
//  1. a flood (default 50,000 datagrams/s for 5 s, good and hostile mixed)
//     while MEL lines are answered as in an interactive session: the worst
//     wait of a line, and how many messages got through;
//  2. a soak (default 1,000 messages/s for 60 s): resident memory per message
//     after a warm-up (the first quarter of the run).
// Prints figures; asserts nothing.
//
//   osc_soak_bench [--flood-rate N] [--flood-seconds S] [--soak-rate N] [--soak-seconds S]
//   [--record-trace]
#include <unistd.h>
#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "OscPackets.h"
#include "host/Host.h"
#include "mel/Output.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPluginPort = 57221;

class NullOutput : public mel::Output {
 public:
  void write(std::string_view) override {}
};

double msSince(Clock::time_point t) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

bool run(const std::string& mel) { return mayasim::host().execute(mel, false, false); }
double translateX() {
  mel::Value v;
  mayasim::host().execute("getAttr pCube1.translateX;", false, false, &v);
  return v.asFloat();
}

// Paced sender: `rate` datagrams a second for `seconds`; `make(i)` builds the i-th.
template <typename Make>
std::thread pacedSender(int rate, double seconds, Make make, std::atomic<long>& sent,
                        std::atomic<bool>& done) {
  return std::thread([=, &sent, &done] {
    zubosc::Sender udp("127.0.0.1", kPluginPort);
    const Clock::time_point start = Clock::now();
    const long total = static_cast<long>(rate * seconds);
    long i = 0;
    while (i < total) {
      const long due = std::min(total, static_cast<long>(msSince(start) * rate / 1000.0));
      for (; i < due; ++i) {
        try {
          udp.send(make(i));
        } catch (const std::exception&) {
        }
      }
      sent = i;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    done = true;
  });
}

// Messages whose first token is their index + 1: translateX shows the last one handled.
std::string indexed(long i) {
  return zubosc::textMessage("/zubbase", std::to_string(i + 1) + " 2 3");
}

void floodPhase(int rate, double seconds) {
  const std::string hostile[] = {
      zubosc::bytesFromHex("2f 78 00 00 2c 62 62 00 7f ff ff fc"),
      std::string("#bundle\0\0\0\0\0\0\0\0\1", 16) + zubosc::bytesFromHex("ff ff ff fc")};
  std::atomic<long> sent{0};
  std::atomic<bool> done{false};
  std::thread sender = pacedSender(
      rate, seconds, [&](long i) { return i % 3 == 2 ? hostile[(i / 3) % 2] : indexed(i); }, sent,
      done);
  mayasim::Host& host = mayasim::host();
  Clock::time_point nextLine = Clock::now() + std::chrono::milliseconds(10);
  std::vector<double> waits;
  long handled = 0;
  double last = translateX();
  while (!done) {
    host.fireEvent("idle");
    const double x = translateX();
    if (x != last) ++handled;
    last = x;
    if (Clock::now() < nextLine) continue;
    run("getAttr pCube1.translateY;");
    waits.push_back(msSince(nextLine));
    nextLine = Clock::now() + std::chrono::milliseconds(10);
  }
  sender.join();
  std::sort(waits.begin(), waits.end());
  std::printf(
      "flood: %ld datagrams in %.1f s (%.0f/s asked), %ld good messages handled during it\n",
      sent.load(), seconds, static_cast<double>(rate), handled);
  if (!waits.empty()) {
    std::printf(
        "  MEL line wait: median %.2f ms, p99 %.2f ms, worst %.2f ms over %zu lines (target < 100 "
        "ms)\n",
        waits[waits.size() / 2], waits[waits.size() * 99 / 100], waits.back(), waits.size());
  }
  // Drain what the socket still holds: until 20 turns in a row change nothing.
  for (int quiet = 0; quiet < 20;) {
    host.fireEvent("idle");
    const double x = translateX();
    quiet = x == last ? quiet + 1 : 0;
    last = x;
  }
}

void soakPhase(int rate, double seconds) {
  std::atomic<long> sent{0};
  std::atomic<bool> done{false};
  mayasim::Host& host = mayasim::host();
  const Clock::time_point start = Clock::now();
  std::thread sender = pacedSender(rate, seconds, indexed, sent, done);
  long handled = 0, handledAtWarm = -1, rssAtWarm = 0;
  double last = translateX();
  while (!done || msSince(start) < seconds * 1000 + 500) {
    host.fireEvent("idle");
    const double x = translateX();
    if (x != last) ++handled;
    last = x;
    if (handledAtWarm < 0 && msSince(start) > seconds * 250) {
      handledAtWarm = handled;
      rssAtWarm = residentBytes();
    }
    if (done && msSince(start) > seconds * 1000 + 500) break;
  }
  sender.join();
  const long rssEnd = residentBytes();
  const long messages = handled - std::max(0L, handledAtWarm);
  std::printf("soak: %ld messages sent at %d/s for %.0f s, %ld handled\n", sent.load(), rate,
              seconds, handled);
  std::printf(
      "  RSS after warm-up %.2f MB, at the end %.2f MB: %.1f bytes per message over %ld messages\n",
      rssAtWarm / 1e6, rssEnd / 1e6,
      messages > 0 ? static_cast<double>(rssEnd - rssAtWarm) / static_cast<double>(messages) : 0.0,
      messages);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"zubBase flood and soak figures"};
  int floodRate = 50000, soakRate = 1000;
  double floodSeconds = 5, soakSeconds = 60;
  bool recordTrace = false;
  app.add_option("--flood-rate", floodRate, "datagrams per second of the flood")
      ->capture_default_str();
  app.add_option("--flood-seconds", floodSeconds, "length of the flood (0: none)")
      ->capture_default_str();
  app.add_option("--soak-rate", soakRate, "messages per second of the soak")->capture_default_str();
  app.add_option("--soak-seconds", soakSeconds, "length of the soak (0: none)")
      ->capture_default_str();
  app.add_flag("--record-trace", recordTrace,
               "keep the executeCommand trace in memory (for comparison)");
  CLI11_PARSE(app, argc, argv);

  setenv("ZUBBASE_OSC_PORT", std::to_string(kPluginPort).c_str(), 1);
  mayasim::Host& host = mayasim::host();
  host.setTraceRecording(recordTrace);
  NullOutput quiet;
  host.setOutputSink(&quiet);
  const bool ready =
      run("loadPlugin \"" ZUB_NODES_PLUGIN "\"; loadPlugin \"" ZUB_BASE_PLUGIN "\";") &&
      run("source \"" ZUB_SCRIPTS_DIR
          "/zubOscPanel.mel\"; zubOscPanel; polyCube;"
          "zubCmd_changeOSCValues -separator \" \";"
          "zubCmd_changeOSCValues -index 0 -name pCube1.translateX -factor 1;"
          "zubCmd_changeOSCValues -index 1 -name pCube1.translateY -factor 1;"
          "zubCmd_toggleOSC;");
  if (!ready) {
    host.setOutputSink(nullptr);
    std::fprintf(stderr, "osc_soak_bench: setting up the host failed\n");
    return 1;
  }
  if (floodSeconds > 0) floodPhase(floodRate, floodSeconds);
  if (soakSeconds > 0) soakPhase(soakRate, soakSeconds);
  host.setOutputSink(nullptr);
  return 0;
}
